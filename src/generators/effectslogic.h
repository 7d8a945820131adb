// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The four decorations of the Special Effects dialog: 3-D text, sloped
// text, a gradient divider and gradient text. Every box is kept as the text
// the user typed; numbers are read with the lenient leading-number parse.
// Each effect has a check that returns the message to show (empty when the
// values can be used) and a generator that never fails.

#include <optional>
#include <QString>
#include <QStringList>

namespace effects {

// More cells than this make no visible difference and only a huge page.
constexpr qint64 MaxSteps = 1000;

// The validation messages.
QString fillAllBoxesMessage();     // 3-D text: font or size empty
QString fillAllValuesMessage();    // gradient pages: a box empty
QString smallAboveLargeMessage();  // sloped text: largest below smallest
QString wholeFontSizesMessage();   // sloped text: a size that is not a whole number
QString stepsRoundToZeroMessage(); // divider: Steps such as "0.4"
QString tooManyStepsMessage();     // divider: more than MaxSteps
QString negativeColourMessage();   // gradient pages: a component below 0

// A box as a whole number: its leading number rounded half to even.
qint64 wholeValue(const QString &text);
// "#RRGGBB" from two-digit upper-case hex components. Components outside
// 0..255 are clamped (the dialog corrects them before they get here).
QString gradientColour(qint64 red, qint64 green, qint64 blue);

// 3-D text: two DIVs, the front one shifted over the back one.
struct ThreeDTextOptions
{
    QString text;
    QString font = QStringLiteral("Arial");
    QString size = QStringLiteral("30");
    qint64 backColour = 0xC0C0C0;  // colour number
    qint64 frontColour = 0xC00000; // colour number: blue C0
};
QString threeDTextProblem(const ThreeDTextOptions &options);
QString threeDText(const ThreeDTextOptions &options);
// The front DIV's top margin in pixels for a font size in points.
double threeDTop(double size);

// Sloped text: each character in its own FONT SIZE, rising and falling.
struct SlopedTextOptions
{
    QString text;
    QString smallest = QStringLiteral("1");
    QString largest = QStringLiteral("1");
};
QString slopedTextProblem(const SlopedTextOptions &options);
QString slopedText(const SlopedTextOptions &options);
// The sizes of one cycle, starting at small.
QList<qint64> slopeCycle(qint64 small, qint64 large);

// Gradient divider: a one-row table of coloured cells.
struct DividerOptions
{
    QString red1 = QStringLiteral("0");
    QString green1 = QStringLiteral("0");
    QString blue1 = QStringLiteral("0");
    QString red2 = QStringLiteral("255");
    QString green2 = QStringLiteral("255");
    QString blue2 = QStringLiteral("255");
    QString height = QStringLiteral("5"); // written as typed
    QString steps = QStringLiteral("10");
};
QString dividerProblem(const DividerOptions &options);
// Ends with the closing comment and no line break. Steps that round to 0
// or below write the table without cells.
QString gradientDivider(const DividerOptions &options);

// Gradient text: each character in its own colour.
struct GradientTextOptions
{
    QString red1 = QStringLiteral("0");
    QString green1 = QStringLiteral("0");
    QString blue1 = QStringLiteral("0");
    QString red2 = QStringLiteral("255");
    QString green2 = QStringLiteral("255");
    QString blue2 = QStringLiteral("255");
    QString height = QStringLiteral("3"); // FONT SIZE, written as typed
    QString text;
};
QString gradientTextProblem(const GradientTextOptions &options);
QString gradientText(const GradientTextOptions &options);

// Editing the boxes. A colour component above 255 becomes "255"; nullopt
// leaves the text as it is.
std::optional<QString> correctedComponent(const QString &text);
// The swatch colour (colour number) of three component boxes; nullopt when
// one of them is not a number.
std::optional<qint64> swatchColour(const QString &red, const QString &green, const QString &blue);
// A Steps box whose value is 0 (empty and non-numbers included) becomes "1".
bool stepsNeedsOne(const QString &text);

// The combo items of the dialog.
const QStringList &threeDSizeItems(); // "10" .. "48", even
const QStringList &htmlSizeItems();   // "1" .. "7"

} // namespace effects
