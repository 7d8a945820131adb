// SPDX-License-Identifier: GPL-3.0-or-later
#include "objects/appletlogic.h"

#include "kernel/htmlvalues.h"

namespace applet {

using htmlvalues::attribute;
using htmlvalues::attributeValue;
using htmlvalues::quoted;

QString buildAppletTag(const AppletOptions &options)
{
    QString tag = QStringLiteral("<APPLET NAME=") + quoted(options.name);
    if (!options.alignment.isEmpty())
        tag += QStringLiteral(" ALIGN=") + attributeValue(options.alignment);
    if (!options.alternateText.isEmpty())
        tag += QStringLiteral(" ALT=") + quoted(options.alternateText);
    tag += QStringLiteral(" CODEBASE=") + quoted(options.urlDirectory);
    tag += QStringLiteral(" CODE=") + quoted(options.fileName);
    attribute(tag, QLatin1String("WIDTH"), options.width);
    attribute(tag, QLatin1String("HEIGHT"), options.height);
    attribute(tag, QLatin1String("HSPACE"), options.hspace);
    attribute(tag, QLatin1String("VSPACE"), options.vspace);
    tag += QStringLiteral("></APPLET>");
    return tag;
}

std::optional<AppletOptions> readAppletTag(const tagreader::Element &element, AppletOptions o)
{
    const tagreader::Tag &tag = element.tag;
    o.name = tag.value(u"NAME");
    o.alignment = tag.value(u"ALIGN");
    o.alternateText = tag.value(u"ALT");
    o.urlDirectory = tag.value(u"CODEBASE");
    o.fileName = tag.value(u"CODE");
    o.width = tag.value(u"WIDTH");
    o.height = tag.value(u"HEIGHT");
    o.hspace = tag.value(u"HSPACE");
    o.vspace = tag.value(u"VSPACE");
    return o;
}

QString buildParameterList(const QList<Parameter> &parameters)
{
    QString list;
    for (const Parameter &p : parameters) {
        list += QStringLiteral("<PARAM NAME=") + quoted(p.name) + QStringLiteral(" Value=") +
                quoted(p.value) + QStringLiteral(">\r\n");
    }
    return list;
}

std::optional<QList<Parameter>> readParameterList(const tagreader::Element &element,
                                                  QList<Parameter> parameters)
{
    parameters.clear();
    for (const tagreader::Tag &param : element.children)
        parameters.append({param.value(u"NAME"), param.value(u"VALUE")});
    return parameters;
}

const QStringList &alignmentItems()
{
    static const QStringList items{QStringLiteral("LEFT"), QStringLiteral("CENTER"),
                                   QStringLiteral("RIGHT")};
    return items;
}

const QStringList &sizeItems()
{
    static const QStringList items = [] {
        QStringList out;
        for (int size = 50; size <= 500; size += 50)
            out << QString::number(size);
        return out;
    }();
    return items;
}

} // namespace applet
