// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/linkslogic.h"

#include "kernel/htmlvalues.h"

namespace links {

using htmlvalues::attribute;
using htmlvalues::attributeValue;
using htmlvalues::quoted;

namespace {

const QLatin1String crlf("\r\n");

// A name a script can use as it stands: letters, digits, '_' and '$', not
// starting with a digit, and no word of the language.
bool isScriptName(const QString &name)
{
    static const QStringList words{
        "await",    "break",   "case",       "catch",     "class",    "const",  "continue",
        "debugger", "default", "delete",     "do",        "else",     "enum",   "export",
        "extends",  "false",   "finally",    "for",       "function", "if",     "implements",
        "import",   "in",      "instanceof", "interface", "let",      "new",    "null",
        "package",  "private", "protected",  "public",    "return",   "static", "super",
        "switch",   "this",    "throw",      "true",      "try",      "typeof", "var",
        "void",     "while",   "with",       "yield"};
    if (name.isEmpty() || name.front().isDigit() || words.contains(name))
        return false;
    for (const QChar ch : name) {
        const bool asciiLetterOrDigit =
            (ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') || (ch >= u'0' && ch <= u'9');
        if (!asciiLetterOrDigit && ch != u'_' && ch != u'$')
            return false;
    }
    return true;
}

// The list named `name`, as the button's script reaches it.
QString listInScript(const QString &name)
{
    if (isScriptName(name))
        return name;
    return QLatin1String("document.getElementById(") + htmlvalues::jsString(name) +
           QLatin1Char(')');
}

} // namespace

QString buildLinks(const LinksOptions &o)
{
    switch (o.page) {
    case LinkPage::NamedReference:
        return QLatin1String("<A NAME=") + quoted(o.referenceName) + QLatin1Char('>') +
               o.referenceText + QLatin1String("</A>");
    case LinkPage::Email:
        return QLatin1String("<A HREF=") + attributeValue(QLatin1String("MAILTO:") + o.address) +
               QLatin1Char('>') + o.emailCaption + QLatin1String("</A>");
    case LinkPage::Link:
        break;
    }
    QString out = QLatin1String("<A HREF=") + quoted(o.url);
    attribute(out, QLatin1String("TARGET"), o.target);
    if (!o.toolTip.isEmpty())
        out += QLatin1String(" TITLE=") + quoted(o.toolTip);
    out += QLatin1Char('>') + o.linkCaption + QLatin1String("</A>");
    return out;
}

std::optional<LinksOptions> readLinks(const tagreader::Element &element, LinksOptions o)
{
    const tagreader::Tag &tag = element.tag;
    if (const tagreader::Attribute *href = tag.find(u"HREF")) {
        static const QLatin1String mailto("MAILTO:");
        if (href->value.startsWith(mailto, Qt::CaseInsensitive)) {
            o.page = LinkPage::Email;
            o.address = href->value.mid(mailto.size());
            o.emailCaption = element.content;
        } else {
            o.page = LinkPage::Link;
            o.url = href->value;
            o.target = tag.value(u"TARGET");
            o.toolTip = tag.value(u"TITLE");
            o.linkCaption = element.content;
        }
        return o;
    }
    if (!tag.has(u"NAME"))
        return std::nullopt;
    o.page = LinkPage::NamedReference;
    o.referenceName = tag.value(u"NAME");
    o.referenceText = element.content;
    return o;
}

QString buildLinkBox(const LinkBoxOptions &o)
{
    QString out = QLatin1String("<!--Begin LinkBox -->") + crlf + QLatin1String("<FORM>") + crlf;
    out += QLatin1String("<SELECT ID=") + quoted(o.name) + QLatin1String(" SIZE=\"1\">") + crlf;
    for (const LinkBoxRow &row : o.rows) {
        out += QLatin1String("<OPTION VALUE=") + quoted(row.address) + QLatin1Char('>') +
               row.listing + crlf;
    }
    out += QLatin1String("</SELECT>") + crlf;
    // A BUTTON inside a FORM submits it by default, and that reload of the
    // page wins over the jump: the button must be a plain one.
    out +=
        QLatin1String("<BUTTON TYPE=\"BUTTON\" ONCLICK=") +
        quoted(QLatin1String("location.href=") + listInScript(o.name) + QLatin1String(".value")) +
        QLatin1String(">Goto</BUTTON>") + crlf;
    out += QLatin1String("</FORM>") + crlf + QLatin1String("<!-- End LinkBox -->");
    return out;
}

QString buildFloatingFrame(const FloatingFrameOptions &o)
{
    QString out = QLatin1String("<IFRAME ALIGN=") + attributeValue(o.alignment);
    out += QLatin1String(" NAME=") + quoted(o.name);
    out += QLatin1String(" SRC=") + quoted(o.source);
    attribute(out, QLatin1String("HEIGHT"), o.height);
    attribute(out, QLatin1String("WIDTH"), o.width);
    attribute(out, QLatin1String("MARGINHEIGHT"), o.marginHeight);
    attribute(out, QLatin1String("MARGINWIDTH"), o.marginWidth);
    out += o.frameBorder ? QLatin1String(" FRAMEBORDER=1") : QLatin1String(" FRAMEBORDER=0");
    out += o.scrollBars ? QLatin1String(" SCROLLING=YES") : QLatin1String(" SCROLLING=NO");
    out += QLatin1String("></IFRAME>");
    return out;
}

std::optional<FloatingFrameOptions> readFloatingFrame(const tagreader::Element &element,
                                                      FloatingFrameOptions o)
{
    const tagreader::Tag &tag = element.tag;
    o.alignment = tag.value(u"ALIGN");
    o.name = tag.value(u"NAME");
    o.source = tag.value(u"SRC");
    o.height = tag.value(u"HEIGHT");
    o.width = tag.value(u"WIDTH");
    o.marginHeight = tag.value(u"MARGINHEIGHT");
    o.marginWidth = tag.value(u"MARGINWIDTH");
    const QString border = tag.value(u"FRAMEBORDER");
    o.frameBorder =
        border == u'1' || border.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0;
    o.scrollBars = tag.value(u"SCROLLING").compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0;
    return o;
}

const QStringList &frameAlignmentItems()
{
    static const QStringList items{QStringLiteral("TOP"), QStringLiteral("MIDDLE"),
                                   QStringLiteral("BOTTOM"), QStringLiteral("LEFT"),
                                   QStringLiteral("RIGHT")};
    return items;
}

} // namespace links
