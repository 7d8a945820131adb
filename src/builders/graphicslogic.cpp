// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/graphicslogic.h"

#include "kernel/htmlvalues.h"

#include <QRegularExpression>

namespace graphics {

using htmlvalues::attribute;
using htmlvalues::quoted;

QString filterStyle(const QString &type, const QString &typedValue, const QString &typedColor)
{
    const QString value = htmlvalues::cssValue(typedValue);
    const QString color = htmlvalues::cssValue(typedColor);
    auto is = [&type](const char *name) { return type == QLatin1String(name); };
    if (is("Flip Horizontal"))
        return QStringLiteral("filter:FlipH()");
    if (is("Flip Vertical"))
        return QStringLiteral("filter:FlipV()");
    if (is("Invert Filter"))
        return QStringLiteral("filter:Invert()");
    if (is("Grayscale Filter"))
        return QStringLiteral("filter:Gray()");
    if (is("XRay Filter"))
        return QStringLiteral("filter:Xray()");
    if (is("Wave Filter"))
        return QStringLiteral("filter:Wave(Add=0, freq=3, light=50, phase=0, strength=25)");
    if (is("Shadow Filter"))
        return QStringLiteral("filter:Shadow(color=") + color + QStringLiteral(", Direction=225)");
    if (is("Alpha Filter"))
        return QStringLiteral("filter:Alpha(Opacity=") + value + u')';
    if (is("Blur Filter"))
        return QStringLiteral("filter:Blur(add=0, direction=90, strength=") + value + u')';
    if (is("Glow Filter"))
        return QStringLiteral("filter:Glow(color=") + color + QStringLiteral(", strength=") +
               value + u')';
    if (is("Mask Filter"))
        return QStringLiteral("filter:Mask(color=") + color + u')';
    return QString();
}

std::optional<Filter> filterFromStyle(const QString &style)
{
    // Each filter's style with marks for its value and colour, matched
    // against the style and checked by writing it again.
    const QChar valueMark(0xE000);
    const QChar colorMark(0xE001);
    const QStringList types = filterItems()
                              << QStringLiteral("Shadow Filter") << QStringLiteral("Glow Filter");
    for (const QString &type : types) {
        const QString form = filterStyle(type, valueMark, colorMark);
        QString pattern = QStringLiteral("^");
        QList<bool> isValue;
        for (const QChar c : form) {
            if (c == valueMark || c == colorMark) {
                pattern += QLatin1String("(.*)");
                isValue << (c == valueMark);
            } else {
                pattern += QRegularExpression::escape(QString(c));
            }
        }
        const QRegularExpressionMatch match =
            QRegularExpression(pattern + u'$', QRegularExpression::DotMatchesEverythingOption)
                .match(style);
        if (!match.hasMatch())
            continue;
        Filter filter{type, {}, {}};
        for (int i = 0; i < isValue.size(); ++i)
            (isValue[i] ? filter.value : filter.color) = match.captured(i + 1);
        if (filterStyle(type, filter.value, filter.color) == style)
            return filter;
    }
    return std::nullopt;
}

std::optional<GraphicsOptions> readGraphics(const tagreader::Element &element, GraphicsOptions o)
{
    const tagreader::Tag &tag = element.tag;
    o.mediaType = QStringLiteral("SRC");
    o.url.clear();
    for (const QString &type :
         {QStringLiteral("SRC"), QStringLiteral("DYNSRC"), QStringLiteral("VRML")}) {
        if (const tagreader::Attribute *source = tag.find(type)) {
            o.mediaType = type;
            o.url = source->value;
            break;
        }
    }
    o.height = tag.value(u"HEIGHT");
    o.width = tag.value(u"WIDTH");
    o.hspace = tag.value(u"HSPACE");
    o.vspace = tag.value(u"VSPACE");
    o.border = tag.value(u"BORDER");
    o.alignment = tag.value(u"ALIGN");
    o.description = tag.value(u"ALT");
    o.imageMap = tag.has(u"USEMAP");
    o.mapName = tag.value(u"USEMAP");
    const Filter filter = filterFromStyle(tag.value(u"STYLE")).value_or(Filter());
    o.filterType = filter.type;
    o.filterValue = filter.value;
    o.filterColor = filter.color;
    return o;
}

QString buildGraphics(const GraphicsOptions &o)
{
    QString out = QStringLiteral("<IMG ") + o.mediaType + u'=' + quoted(o.url);
    attribute(out, QLatin1String("HEIGHT"), o.height);
    attribute(out, QLatin1String("WIDTH"), o.width);
    attribute(out, QLatin1String("HSPACE"), o.hspace);
    attribute(out, QLatin1String("VSPACE"), o.vspace);
    attribute(out, QLatin1String("BORDER"), o.border);
    attribute(out, QLatin1String("ALIGN"), o.alignment);
    if (!o.description.isEmpty())
        out += QLatin1String(" ALT=") + quoted(o.description);
    if (o.imageMap)
        out += QLatin1String(" USEMAP=") + quoted(o.mapName) + QLatin1String(" ISMAP");
    if (!o.filterType.isEmpty()) {
        const QString style = filterStyle(o.filterType, o.filterValue, o.filterColor);
        if (!style.isEmpty())
            out += QLatin1String(" STYLE=") + quoted(style);
    }
    out += u'>';
    return out;
}

QStringList mediaTypeItems()
{
    return {QStringLiteral("DYNSRC"), QStringLiteral("SRC"), QStringLiteral("VRML")};
}

QStringList borderItems()
{
    QStringList out;
    for (int i = 0; i <= 9; ++i)
        out << QString::number(i);
    out << QStringLiteral("10") << QStringLiteral("20");
    return out;
}

QStringList alignmentItems()
{
    return {QStringLiteral("TOP"), QStringLiteral("MIDDLE"), QStringLiteral("BOTTOM"),
            QStringLiteral("LEFT"), QStringLiteral("RIGHT")};
}

QStringList filterItems()
{
    return {QStringLiteral("Alpha Filter"),     QStringLiteral("Blur Filter"),
            QStringLiteral("Flip Horizontal"),  QStringLiteral("Flip Vertical"),
            QStringLiteral("Grayscale Filter"), QStringLiteral("Invert Filter"),
            QStringLiteral("Mask Filter"),      QStringLiteral("Wave Filter"),
            QStringLiteral("XRay Filter")};
}

QString fileFilter()
{
    return QStringLiteral("All Files|*.*");
}

QString buildSound(const SoundOptions &o)
{
    if (o.embed)
        return QStringLiteral("<EMBED SRC=") + quoted(o.source) + u'>';
    QString out = QStringLiteral("<BGSOUND SRC=") + quoted(o.source);
    attribute(out, QLatin1String("LOOP"), o.loop);
    out += u'>';
    return out;
}

std::optional<SoundOptions> readSound(const tagreader::Element &element, SoundOptions o)
{
    o.embed = element.tag.name.compare(QLatin1String("EMBED"), Qt::CaseInsensitive) == 0;
    o.source = element.tag.value(u"SRC");
    o.loop = element.tag.value(u"LOOP");
    return o;
}

QStringList loopItems()
{
    return {QStringLiteral("INFINITE"), QStringLiteral("1"),  QStringLiteral("2"),
            QStringLiteral("3"),        QStringLiteral("4"),  QStringLiteral("5"),
            QStringLiteral("10"),       QStringLiteral("20"), QStringLiteral("50"),
            QStringLiteral("100")};
}

QString soundFileFilter()
{
    return QStringLiteral("Sound Files (*.AU;*.MID;*.RMI;*.WAV)|*.AU;*MID;*RMI;*.WAV");
}

} // namespace graphics
