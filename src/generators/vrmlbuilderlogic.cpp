// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/vrmlbuilderlogic.h"

#include "kernel/colour.h"

#include <QStringList>

namespace vrml {

namespace {

// A string as VRML reads it: in double quotes, with '"' and '\\' escaped.
QString vrmlString(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar ch : text) {
        if (ch == u'"' || ch == u'\\')
            out += u'\\';
        out += ch;
    }
    out += u'"';
    return out;
}

// Reads the "#RRGGBB" value's pair at `at` (1, 3 or 5) as hexadecimal.
QString component(const QString &html, int at)
{
    bool ok = false;
    const int byte = html.mid(at, 2).toInt(&ok, 16);
    return QString::number(ok ? byte / 255.0 : 0.0, 'f', 6);
}

void addHeader(QStringList &out)
{
    out << QStringLiteral("#VRML V2.0 utf8") << QStringLiteral("Transform {")
        << QStringLiteral("children [ #First Child") << QStringLiteral("DirectionalLight {")
        << QStringLiteral("intensity 0.400000")
        << QStringLiteral("direction 0.447214 0.000000 -0.894427 ") << QStringLiteral("}")
        << QStringLiteral("Background { skyColor 0 0 0 }");
}

void addText(QStringList &out, const VrmlOptions &options)
{
    out << QStringLiteral("Transform {") << QStringLiteral("children [")
        << QStringLiteral("Shape {") << QStringLiteral("geometry Text {")
        << QStringLiteral("string ") + vrmlString(options.text)
        << QStringLiteral("fontStyle FontStyle { justify \"MIDDLE\" }") << QStringLiteral("}")
        << QStringLiteral("appearance Appearance {")
        << QStringLiteral("material Material { diffuseColor ") + vrmlColour(options.textColour) +
               QStringLiteral(" }")
        << QStringLiteral("}") << QStringLiteral("}") << QStringLiteral("]") << QStringLiteral("}")
        << QStringLiteral("]") << QStringLiteral("}");
}

void addSite(QStringList &out, const Site &site, int index, Shape shape)
{
    const QString x = QString::number(2 * qint64(index));
    out << QStringLiteral("Transform {")
        << QStringLiteral("translation ") + x + QStringLiteral(" 0.7 0")
        << QStringLiteral("children [") << QStringLiteral("Shape {")
        << QStringLiteral("geometry Text {") << QStringLiteral("string ") + vrmlString(site.caption)
        << QStringLiteral("fontStyle FontStyle {size 0.25")
        << QStringLiteral("justify \"MIDDLE\" }") << QStringLiteral("}")
        << QStringLiteral("appearance Appearance {")
        << QStringLiteral("material Material { diffuseColor 1 1 1 }") << QStringLiteral("}")
        << QStringLiteral("}") << QStringLiteral("]") << QStringLiteral("}");
    out << QStringLiteral("Anchor {") << QStringLiteral("url ") + vrmlString(site.url)
        << QStringLiteral("children [") << QStringLiteral("Transform {")
        << QStringLiteral("translation ") + x + QStringLiteral(" 0 0")
        << QStringLiteral("children [") << QStringLiteral("Shape {")
        << (shape == Shape::Spheres ? QStringLiteral("geometry Sphere { radius 0.5 }")
                                    : QStringLiteral("geometry Box { size 1 1 1 }"))
        << QStringLiteral("appearance Appearance {")
        << QStringLiteral("material Material { diffuseColor 1 0 0 }") << QStringLiteral("}")
        << QStringLiteral("}") << QStringLiteral("]") << QStringLiteral("}") << QStringLiteral("]")
        << QStringLiteral("}");
}

} // namespace

QString vrmlColour(qint64 colourNumber)
{
    const QString html = colour::html(colourNumber);
    return component(html, 1) + u' ' + component(html, 3) + u' ' + component(html, 5);
}

QString buildVrmlWorld(const VrmlOptions &options)
{
    QStringList out;
    addHeader(out);
    if (options.mode == Mode::Text) {
        addText(out, options);
    } else {
        for (int i = 0; i < options.sites.size(); ++i)
            addSite(out, options.sites[i], i, options.shape);
        out << QStringLiteral("]") << QStringLiteral("}");
    }
    // The last "}" has no line end.
    return out.join(QStringLiteral("\r\n"));
}

} // namespace vrml
