// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/effectslogic.h"

#include "kernel/colour.h"
#include "kernel/htmlvalues.h"
#include "platform/numbers.h"

#include <algorithm>
#include <cmath>
#include <QCoreApplication>

namespace effects {

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QChar Quote = u'"';

// Calls f with each character of text; a surrogate pair is one character.
template <class F> void forEachCharacter(const QString &text, F f)
{
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        const qsizetype len =
            (text.at(i).isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) ? 2 : 1;
        f(QStringView(text).mid(i, len));
        i += len;
    }
}

qsizetype characterCount(const QString &text)
{
    qsizetype count = 0;
    forEachCharacter(text, [&count](QStringView) { ++count; });
    return count;
}

struct Rgb
{
    qint64 red, green, blue;
};

Rgb wholeRgb(const QString &red, const QString &green, const QString &blue)
{
    return {wholeValue(red), wholeValue(green), wholeValue(blue)};
}

bool anyEmpty(std::initializer_list<const QString *> boxes)
{
    return std::any_of(boxes.begin(), boxes.end(), [](const QString *s) { return s->isEmpty(); });
}

bool anyNegative(std::initializer_list<const QString *> boxes)
{
    return std::any_of(boxes.begin(), boxes.end(),
                       [](const QString *s) { return wholeValue(*s) < 0; });
}

// A whole number typed into a font-size combo; blanks around it allowed.
std::optional<qint64> strictWhole(const QString &text)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    // Far beyond any FONT SIZE; keeps the cycle's arithmetic in range.
    if (!ok || value < -1000000 || value > 1000000)
        return std::nullopt;
    return value;
}

// "#RRGGBB" appended without temporary strings: gradient text writes one
// per character, so the 256 two-digit forms are made once.
void appendGradientColour(QString &out, qint64 red, qint64 green, qint64 blue)
{
    static const QStringList hex = [] {
        QStringList list;
        for (int byte = 0; byte < 256; ++byte)
            list << numbers::hex2(byte);
        return list;
    }();
    out += QLatin1Char('#');
    for (const qint64 v : {red, green, blue})
        out += hex.at(std::clamp<qint64>(v, 0, 255));
}

bool isNumber(const QString &text)
{
    bool ok = false;
    text.trimmed().toDouble(&ok);
    return ok;
}

} // namespace

QString fillAllBoxesMessage()
{
    return QCoreApplication::translate("effectslogic", "All Textboxes must be filled");
}

QString fillAllValuesMessage()
{
    return QCoreApplication::translate("effectslogic", "All textboxes must be filled with a value");
}

QString smallAboveLargeMessage()
{
    return QStringLiteral("Small Font is > Than Large Font");
}

QString wholeFontSizesMessage()
{
    return QCoreApplication::translate("effectslogic",
                                       "Smallest Font and Largest Font must be whole numbers");
}

QString stepsRoundToZeroMessage()
{
    return QCoreApplication::translate("effectslogic", "Steps must be a whole number other than 0");
}

QString tooManyStepsMessage()
{
    return QCoreApplication::translate("effectslogic", "Steps cannot be more than %1")
        .arg(MaxSteps);
}

QString negativeColourMessage()
{
    return QCoreApplication::translate("effectslogic", "Red, Green and Blue cannot be below 0");
}

qint64 wholeValue(const QString &text)
{
    // Clamped so that huge typed numbers cannot overflow the arithmetic.
    const double value = std::clamp(numbers::leadingNumber(text), -1e12, 1e12);
    return numbers::roundHalfEven(value);
}

QString gradientColour(qint64 red, qint64 green, qint64 blue)
{
    QString out;
    out.reserve(7);
    appendGradientColour(out, red, green, blue);
    return out;
}

// 3-D text.

QString threeDTextProblem(const ThreeDTextOptions &options)
{
    if (options.font.isEmpty() || options.size.isEmpty())
        return fillAllBoxesMessage();
    return QString();
}

double threeDTop(double size)
{
    double top = -(size + size * 0.5) - 3;
    if (size <= 20)
        top += 1;
    return top;
}

QString threeDText(const ThreeDTextOptions &options)
{
    const double sizeValue = numbers::leadingNumber(options.size);
    const QString size = numbers::shortestDouble(sizeValue);
    const QString fontPart = QStringLiteral("; font-family: ") +
                             htmlvalues::escapedQuotes(htmlvalues::cssValue(options.font)) +
                             QStringLiteral("; font-size: ") + size +
                             QStringLiteral("pt; fontsize: ") + size +
                             QStringLiteral("pt; font-weight: medium; font-style: normal; color: ");
    const QString body =
        QStringLiteral(";\">") + CrLf + options.text + CrLf + QStringLiteral("</DIV>") + CrLf;

    QString out = QStringLiteral("<!-- Begin 3D Text -->") + CrLf;
    out += QStringLiteral("<DIV STYLE=\"margin-left: 0px; margin-top: 0px") + fontPart +
           colour::html(options.backColour) + body;
    out += QStringLiteral("<DIV STYLE=\"margin-left: 2px; margin-top: ") +
           numbers::shortestDouble(threeDTop(sizeValue)) + QStringLiteral("px ") + fontPart +
           colour::html(options.frontColour) + body;
    out += QStringLiteral("<!-- End 3D Text -->") + CrLf;
    return out;
}

// Sloped text.

QString slopedTextProblem(const SlopedTextOptions &options)
{
    const std::optional<qint64> small = strictWhole(options.smallest);
    const std::optional<qint64> large = strictWhole(options.largest);
    if (!small || !large)
        return wholeFontSizesMessage();
    if (*large < *small)
        return smallAboveLargeMessage();
    return QString();
}

QList<qint64> slopeCycle(qint64 small, qint64 large)
{
    const qint64 range = large - small;
    QList<qint64> cycle;
    for (qint64 k = 0; k <= std::min<qint64>(range, 6); ++k)
        cycle << small + k;
    for (qint64 k = 5; k >= 1; --k) {
        if (range > k)
            cycle << small + k;
    }
    return cycle;
}

QString slopedText(const SlopedTextOptions &options)
{
    const qint64 small = strictWhole(options.smallest).value_or(0);
    const qint64 large = std::max(small, strictWhole(options.largest).value_or(small));
    const QList<qint64> cycle = slopeCycle(small, large);
    QStringList opening;
    for (const qint64 size : cycle)
        opening << QStringLiteral("<FONT SIZE=\"%1\">").arg(size);

    QString out;
    out.reserve(options.text.size() * 22);
    qsizetype i = 0;
    forEachCharacter(options.text, [&](QStringView ch) {
        out += opening.at(i % opening.size());
        out += ch;
        out += QLatin1String("</FONT>");
        ++i;
    });
    return out;
}

// Gradient divider.

QString dividerProblem(const DividerOptions &o)
{
    if (anyEmpty({&o.red1, &o.green1, &o.blue1, &o.red2, &o.green2, &o.blue2, &o.height, &o.steps}))
        return fillAllValuesMessage();
    const qint64 steps = wholeValue(o.steps);
    if (steps == 0)
        return stepsRoundToZeroMessage();
    if (steps > MaxSteps)
        return tooManyStepsMessage();
    if (anyNegative({&o.red1, &o.green1, &o.blue1, &o.red2, &o.green2, &o.blue2}))
        return negativeColourMessage();
    return QString();
}

QString gradientDivider(const DividerOptions &o)
{
    const qint64 steps = std::min(wholeValue(o.steps), MaxSteps);
    const Rgb from = wholeRgb(o.red1, o.green1, o.blue1);
    const Rgb to = wholeRgb(o.red2, o.green2, o.blue2);
    // Integer division truncates toward zero, as the deltas must.
    const Rgb delta = steps == 0 ? Rgb{0, 0, 0}
                                 : Rgb{(to.red - from.red) / steps, (to.green - from.green) / steps,
                                       (to.blue - from.blue) / steps};

    QString out = QStringLiteral("<!-- Begin Gradient Divider -->") + CrLf;
    const QString height = htmlvalues::escapedQuotes(htmlvalues::cssValue(o.height));
    out += QStringLiteral("<TABLE STYLE=\"font-size: ") + height + QStringLiteral("; fontsize: ") +
           height + Quote + QStringLiteral(" CELLSPACING=0 BORDER=0 WIDTH=\"100%\">") + CrLf;
    out += QStringLiteral("<TR>") + CrLf;
    if (steps > 0) {
        const QString width = numbers::shortestSingle(100.0f / float(steps));
        for (qint64 k = 0; k < steps; ++k) {
            const QString colour = gradientColour(
                from.red + k * delta.red, from.green + k * delta.green, from.blue + k * delta.blue);
            out += QStringLiteral("<TD WIDTH=\"") + width + QStringLiteral("%\" BGCOLOR=") +
                   colour + QLatin1Char('>') + CrLf;
            out += QStringLiteral("<FONT COLOR=\"") + colour + QStringLiteral("\">.</FONT></TD>") +
                   CrLf;
        }
    }
    out += QStringLiteral("</TR>") + CrLf + QStringLiteral("</TABLE>") + CrLf;
    out += QStringLiteral("<!-- End Gradient Divider-->");
    return out;
}

// Gradient text.

QString gradientTextProblem(const GradientTextOptions &o)
{
    if (anyEmpty({&o.red1, &o.green1, &o.blue1, &o.red2, &o.green2, &o.blue2, &o.text}))
        return fillAllValuesMessage();
    if (anyNegative({&o.red1, &o.green1, &o.blue1, &o.red2, &o.green2, &o.blue2}))
        return negativeColourMessage();
    return QString();
}

QString gradientText(const GradientTextOptions &o)
{
    const qint64 n = characterCount(o.text);
    const Rgb from = wholeRgb(o.red1, o.green1, o.blue1);
    const Rgb to = wholeRgb(o.red2, o.green2, o.blue2);
    const Rgb delta = n == 0 ? Rgb{0, 0, 0}
                             : Rgb{(to.red - from.red) / n, (to.green - from.green) / n,
                                   (to.blue - from.blue) / n};

    QString out = QStringLiteral("<!-- Begin Gradient Text -->") + CrLf;
    out += QStringLiteral("<FONT SIZE=") + htmlvalues::attributeValue(o.height) + QLatin1Char('>') +
           CrLf;
    out.reserve(out.size() + o.text.size() * 30 + 40);
    qint64 k = 0;
    forEachCharacter(o.text, [&](QStringView ch) {
        out += QLatin1String("<FONT COLOR=");
        appendGradientColour(out, from.red + k * delta.red, from.green + k * delta.green,
                             from.blue + k * delta.blue);
        out += QLatin1Char('>');
        out += ch;
        out += QLatin1String("</FONT>");
        ++k;
    });
    out += QStringLiteral("</FONT>") + CrLf + QStringLiteral("<!-- End Gradient Text -->") + CrLf;
    return out;
}

// Editing the boxes.

std::optional<QString> correctedComponent(const QString &text)
{
    if (numbers::leadingNumber(text) > 255)
        return QStringLiteral("255");
    return std::nullopt;
}

std::optional<qint64> swatchColour(const QString &red, const QString &green, const QString &blue)
{
    if (!isNumber(red) || !isNumber(green) || !isNumber(blue))
        return std::nullopt;
    auto part = [](const QString &text) {
        return int(std::clamp<qint64>(wholeValue(text), 0, 255));
    };
    return colour::number(part(red), part(green), part(blue));
}

bool stepsNeedsOne(const QString &text)
{
    return numbers::leadingNumber(text) == 0;
}

const QStringList &threeDSizeItems()
{
    static const QStringList items = [] {
        QStringList list;
        for (int size = 10; size <= 48; size += 2)
            list << QString::number(size);
        return list;
    }();
    return items;
}

const QStringList &htmlSizeItems()
{
    static const QStringList items{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                   QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                                   QStringLiteral("7")};
    return items;
}

} // namespace effects
