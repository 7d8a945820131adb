// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Marquees and Font Wizard dialogs write: a scrolling MARQUEE,
// optionally inside a FONT element, and a FONT element around the
// document's selection. Every value is written exactly as typed.

#include "kernel/tagreader.h"

#include <optional>
#include <QString>
#include <QStringList>

namespace marquee {

struct MarqueeOptions
{
    QString message;
    QString backgroundColor;
    QString textColor;
    QString textSize;
    QString behavior = QStringLiteral("SCROLL");
    QString direction = QStringLiteral("LEFT");
    QString loop;
    QString scrollAmount; // pixels
    QString scrollDelay;  // milliseconds
    QString alignment;
    QString height;
    QString hspace;
    QString vspace;
    QString width;
};

// Between the "Begin Marquee" and "End Marquee" comments: FONT when a text
// colour or size is given, then MARQUEE with BEHAVIOR and DIRECTION always
// and the other attributes only when not empty, nothing quoted.
QString buildMarquee(const MarqueeOptions &options);
// A MARQUEE over `options`; its text colour and size come from a FONT that
// wraps it alone.
std::optional<MarqueeOptions> readMarquee(const tagreader::Element &element,
                                          MarqueeOptions options);

// The lists the combos offer.
QStringList textSizeItems(); // 1 to 7
QStringList behaviorItems();
QStringList directionItems();
QStringList loopItems();
QStringList scrollAmountItems();
QStringList scrollDelayItems();
QStringList alignmentItems();

struct FontOptions
{
    QString face;
    QString size;
    QString color;
};

// "<FONT" with FACE, SIZE and COLOR quoted, each only when not empty, then
// ">", the selected text and "</FONT>".
QString buildFont(const FontOptions &options, const QString &selectedText);
std::optional<FontOptions> readFont(const tagreader::Element &element, FontOptions options);

} // namespace marquee
