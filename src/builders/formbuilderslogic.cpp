// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/formbuilderslogic.h"

#include "kernel/htmlvalues.h"

namespace formbuilders {

using htmlvalues::attributeValue;
using htmlvalues::quoted;

namespace {

const QLatin1String crlf("\r\n");

void appendQuoted(QString &out, QLatin1String attribute, const QString &value)
{
    out += attribute;
    out += quoted(value);
}

void appendQuotedIfAny(QString &out, QLatin1String attribute, const QString &value)
{
    if (!value.isEmpty())
        appendQuoted(out, attribute, value);
}

} // namespace

QString buildForm(const FormOptions &options)
{
    QString out = QStringLiteral("<!-- Begin Form -->\r\n<FORM");
    appendQuotedIfAny(out, QLatin1String(" ACTION="), options.url);
    if (!options.method.isEmpty())
        out += QLatin1String(" METHOD=") + attributeValue(options.method);
    appendQuotedIfAny(out, QLatin1String(" TARGET="), options.target);
    out += QLatin1String(">\r\n\r\n\r\n</FORM>\r\n<!-- Form End -->\r\n");
    return out;
}

std::optional<FormOptions> readForm(const tagreader::Element &element, FormOptions o)
{
    o.url = element.tag.value(u"ACTION");
    o.method = element.tag.value(u"METHOD");
    o.target = element.tag.value(u"TARGET");
    return o;
}

QString inputTypeWord(InputKind kind)
{
    switch (kind) {
    case InputKind::Checkbox:
        return QStringLiteral("CHECKBOX");
    case InputKind::Hidden:
        return QStringLiteral("HIDDEN");
    case InputKind::Image:
        return QStringLiteral("IMAGE");
    case InputKind::Password:
        return QStringLiteral("PASSWORD");
    case InputKind::Radio:
        return QStringLiteral("RADIO");
    case InputKind::Reset:
        return QStringLiteral("RESET");
    case InputKind::Submit:
        return QStringLiteral("SUBMIT");
    case InputKind::Text:
        return QStringLiteral("TEXT");
    case InputKind::Textbox:
        break;
    }
    return QString();
}

QString buildFormInput(const FormInputOptions &o)
{
    QString out;
    if (o.kind == InputKind::Textbox) {
        appendQuoted(out, QLatin1String("<TEXTAREA NAME="), o.name);
        appendQuotedIfAny(out, QLatin1String(" COLS="), o.width);
        appendQuotedIfAny(out, QLatin1String(" ROWS="), o.height);
        out += QLatin1Char('>') + o.value + QLatin1String("</TEXTAREA>");
        return out;
    }

    appendQuoted(out, QLatin1String("<INPUT TYPE="), inputTypeWord(o.kind));
    appendQuoted(out, QLatin1String(" NAME="), o.name);
    switch (o.kind) {
    case InputKind::Checkbox:
        appendQuotedIfAny(out, QLatin1String(" VALUE="), o.value);
        if (o.checked)
            out += QLatin1String(" CHECKED");
        break;
    case InputKind::Hidden:
    case InputKind::Reset:
    case InputKind::Submit:
        appendQuotedIfAny(out, QLatin1String(" VALUE="), o.value);
        break;
    case InputKind::Image:
        if (!o.alignment.isEmpty())
            out += QLatin1String(" ALIGN=") + attributeValue(o.alignment);
        appendQuoted(out, QLatin1String(" SRC="), o.source);
        break;
    case InputKind::Password:
    case InputKind::Text:
        appendQuotedIfAny(out, QLatin1String(" SIZE="), o.width);
        appendQuotedIfAny(out, QLatin1String(" MAXLENGTH="), o.maxLength);
        appendQuotedIfAny(out, QLatin1String(" VALUE="), o.value);
        break;
    case InputKind::Radio:
        appendQuoted(out, QLatin1String(" VALUE="), o.value);
        break;
    case InputKind::Textbox:
        break;
    }
    out += QLatin1Char('>');
    if (o.kind == InputKind::Radio)
        out += o.displayed + crlf;
    return out;
}

std::optional<FormInputOptions> readFormInput(const tagreader::Element &element, FormInputOptions o)
{
    const tagreader::Tag &tag = element.tag;
    o.name = tag.value(u"NAME");
    if (tag.name.compare(QLatin1String("TEXTAREA"), Qt::CaseInsensitive) == 0) {
        o.kind = InputKind::Textbox;
        o.width = tag.value(u"COLS");
        o.height = tag.value(u"ROWS");
        o.value = element.content;
        return o;
    }
    if (tag.name.compare(QLatin1String("INPUT"), Qt::CaseInsensitive) != 0)
        return std::nullopt;
    const QString type = tag.has(u"TYPE") ? tag.value(u"TYPE").toUpper() : QStringLiteral("TEXT");
    int kind = 0;
    while (kind < InputKindCount && inputTypeWord(InputKind(kind)) != type)
        ++kind;
    if (kind == InputKindCount || InputKind(kind) == InputKind::Textbox)
        return std::nullopt;
    o.kind = InputKind(kind);
    o.value = tag.value(u"VALUE");
    o.checked = tag.has(u"CHECKED");
    o.alignment = tag.value(u"ALIGN");
    o.source = tag.value(u"SRC");
    o.width = tag.value(u"SIZE");
    o.maxLength = tag.value(u"MAXLENGTH");
    o.displayed = o.kind == InputKind::Radio ? element.trailing : QString();
    return o;
}

QString buildListbox(const ListboxOptions &options)
{
    QString out = QStringLiteral("<SELECT");
    appendQuotedIfAny(out, QLatin1String(" NAME="), options.name);
    appendQuotedIfAny(out, QLatin1String(" SIZE="), options.size);
    if (options.multiple)
        out += QLatin1String(" MULTIPLE");
    out += QLatin1Char('>') + crlf;
    for (const ListboxRow &row : options.rows) {
        appendQuoted(out, QLatin1String("<OPTION VALUE="), row.value);
        out += QLatin1Char('>') + row.displayed + crlf;
    }
    out += QLatin1String("</SELECT>") + crlf;
    return out;
}

std::optional<ListboxOptions> readListbox(const tagreader::Element &element, ListboxOptions o)
{
    o.name = element.tag.value(u"NAME");
    o.size = element.tag.value(u"SIZE");
    o.multiple = element.tag.has(u"MULTIPLE");
    o.rows.clear();
    for (qsizetype i = 0; i < element.children.size(); ++i)
        o.rows.append({element.childTexts.value(i), element.children[i].value(u"VALUE")});
    return o;
}

const QStringList &methodItems()
{
    static const QStringList items{QStringLiteral("GET"), QStringLiteral("POST")};
    return items;
}

const QStringList &targetItems()
{
    static const QStringList items{QStringLiteral("_blank"), QStringLiteral("_parent"),
                                   QStringLiteral("_self"), QStringLiteral("_top")};
    return items;
}

const QStringList &imageAlignmentItems()
{
    static const QStringList items{QStringLiteral("TOP"), QStringLiteral("MIDDLE"),
                                   QStringLiteral("BOTTOM")};
    return items;
}

const QStringList &listboxSizeItems()
{
    static const QStringList items = [] {
        QStringList list;
        for (int i = 1; i <= 10; ++i)
            list << QString::number(i);
        return list;
    }();
    return items;
}

} // namespace formbuilders
