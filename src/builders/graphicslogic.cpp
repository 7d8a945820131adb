// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/graphicslogic.h"

#include "kernel/htmlvalues.h"

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
