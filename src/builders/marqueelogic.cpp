// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/marqueelogic.h"

#include "kernel/htmlvalues.h"

namespace marquee {

using htmlvalues::attribute;
using htmlvalues::attributeValue;
using htmlvalues::quotedAttribute;

namespace {

QStringList numbers(std::initializer_list<int> values)
{
    QStringList out;
    for (int v : values)
        out << QString::number(v);
    return out;
}

} // namespace

QString buildMarquee(const MarqueeOptions &o)
{
    QString out = QStringLiteral("<!--Begin Marquee-->\r\n");
    const bool font = !o.textColor.isEmpty() || !o.textSize.isEmpty();
    if (font) {
        out += QLatin1String("<FONT");
        attribute(out, QLatin1String("COLOR"), o.textColor);
        attribute(out, QLatin1String("SIZE"), o.textSize);
        out += QLatin1String(">\r\n");
    }
    // The trailing space stays even when ALIGN is left out.
    out += QLatin1String("<MARQUEE ");
    if (!o.alignment.isEmpty())
        out += QLatin1String("ALIGN=") + attributeValue(o.alignment);
    out += QLatin1String(" BEHAVIOR=") + attributeValue(o.behavior);
    attribute(out, QLatin1String("BGCOLOR"), o.backgroundColor);
    out += QLatin1String(" DIRECTION=") + attributeValue(o.direction);
    attribute(out, QLatin1String("HEIGHT"), o.height);
    attribute(out, QLatin1String("HSPACE"), o.hspace);
    attribute(out, QLatin1String("LOOP"), o.loop);
    attribute(out, QLatin1String("SCROLLAMOUNT"), o.scrollAmount);
    attribute(out, QLatin1String("SCROLLDELAY"), o.scrollDelay);
    attribute(out, QLatin1String("VSPACE"), o.vspace);
    attribute(out, QLatin1String("WIDTH"), o.width);
    out += u'>';
    out += o.message;
    out += QLatin1String("</MARQUEE>");
    if (font)
        out += QLatin1String("</FONT>");
    out += QLatin1String("\r\n<!--End Marquee-->\r\n");
    return out;
}

std::optional<MarqueeOptions> readMarquee(const tagreader::Element &element, MarqueeOptions o)
{
    const tagreader::Tag &tag = element.tag;
    o.message = element.content;
    o.alignment = tag.value(u"ALIGN");
    o.behavior = tag.value(u"BEHAVIOR");
    o.backgroundColor = tag.value(u"BGCOLOR");
    o.direction = tag.value(u"DIRECTION");
    o.height = tag.value(u"HEIGHT");
    o.hspace = tag.value(u"HSPACE");
    o.loop = tag.value(u"LOOP");
    o.scrollAmount = tag.value(u"SCROLLAMOUNT");
    o.scrollDelay = tag.value(u"SCROLLDELAY");
    o.vspace = tag.value(u"VSPACE");
    o.width = tag.value(u"WIDTH");
    const tagreader::Tag font = element.wrapper.value_or(tagreader::Tag());
    o.textColor = font.value(u"COLOR");
    o.textSize = font.value(u"SIZE");
    return o;
}

QStringList textSizeItems()
{
    return numbers({1, 2, 3, 4, 5, 6, 7});
}

QStringList behaviorItems()
{
    return {QStringLiteral("SCROLL"), QStringLiteral("SLIDE"), QStringLiteral("ALTERNATE")};
}

QStringList directionItems()
{
    return {QStringLiteral("LEFT"), QStringLiteral("RIGHT")};
}

QStringList loopItems()
{
    return QStringList{QStringLiteral("INFINITE")} +
           numbers({1, 2, 3, 4, 5, 10, 20, 50, 100, 1000});
}

QStringList scrollAmountItems()
{
    return numbers({5, 10, 15, 20, 25, 30, 50, 70, 100, 300, 500, 1000});
}

QStringList scrollDelayItems()
{
    return numbers({10, 20, 30, 40, 50, 100, 200, 300, 500, 1000, 2000, 3000, 4000, 5000, 10000});
}

QStringList alignmentItems()
{
    return {QStringLiteral("TOP"), QStringLiteral("MIDDLE"), QStringLiteral("BOTTOM")};
}

QString buildFont(const FontOptions &o, const QString &selectedText)
{
    QString out = QStringLiteral("<FONT");
    quotedAttribute(out, QLatin1String("FACE"), o.face);
    quotedAttribute(out, QLatin1String("SIZE"), o.size);
    quotedAttribute(out, QLatin1String("COLOR"), o.color);
    out += u'>';
    out += selectedText;
    out += QLatin1String("</FONT>");
    return out;
}

std::optional<FontOptions> readFont(const tagreader::Element &element, FontOptions o)
{
    o.face = element.tag.value(u"FACE");
    o.size = element.tag.value(u"SIZE");
    o.color = element.tag.value(u"COLOR");
    return o;
}

} // namespace marquee
