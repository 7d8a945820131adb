// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/htmlvocabulary.h"

#include <QHash>

#include <algorithm>

namespace vocabulary {

namespace {

// The side bar's tag list (reference list 0).
const char *const PaletteTags[] = {
    "!-- --",   "!DOCTYPE", "A",        "ABBR",    "ACRONYM",  "ADDRESS",  "APPLET",     "AREA",
    "B",        "BASE",     "BASEFONT", "BDO",     "BGSOUND",  "BIG",      "BLOCKQUOTE", "BODY",
    "BR",       "BUTTON",   "CAPTION",  "CENTER",  "CITE",     "CODE",     "COL",        "COLGROUP",
    "DD",       "DEL",      "DFN",      "DIR",     "DIV",      "DL",       "DT",         "EM",
    "FIELDSET", "FONT",     "FORM",     "FRAME",   "FRAMESET", "H1",       "H2",         "H3",
    "H4",       "H5",       "H6",       "HEAD",    "HR",       "HTML",     "I",          "IFRAME",
    "IMG",      "INPUT",    "INS",      "ISINDEX", "KBD",      "LABEL",    "LEGEND",     "LI",
    "LINK",     "MAP",      "MARQUEE",  "MENU",    "META",     "NOFRAMES", "NOSCRIPT",   "OBJECT",
    "OL",       "OPTGROUP", "OPTION",   "P",       "PARAM",    "PRE",      "Q",          "S",
    "SAMP",     "SCRIPT",   "SELECT",   "SMALL",   "SPAN",     "STRIKE",   "STRONG",     "STYLE",
    "SUB",      "SUP",      "TABLE",    "TBODY",   "TD",       "TEXTAREA", "TFOOT",      "TH",
    "THEAD",    "TITLE",    "TR",       "TT",      "U",        "UL",       "VAR",
};

// The side bar's attribute list (reference list 1); four names twice.
const char *const PaletteAttributes[] = {
    "ABBR",        "ACCEPT",      "ACCEPT-CHARSET", "ACCESSKEY",   "ACTION",      "ALIGN",
    "ALINK",       "ALT",         "ARCHIVE",        "AXIS",        "BACKGROUND",  "BGCOLOR",
    "BORDER",      "CELLPADDING", "CELLSPACING",    "CHAR",        "CHAROFF",     "CHARSET",
    "CHECKED",     "CITE",        "CLASS",          "CLASSID",     "CLEAR",       "CODE",
    "CODEBASE",    "CODETYPE",    "COLOR",          "COLS",        "COLSPAN",     "COMPACT",
    "CONTENT",     "COORDS",      "DATA",           "DATETIME",    "DECLARE",     "DEFER",
    "DIR",         "DISABLED",    "ENCTYPE",        "FACE",        "FOR",         "FRAME",
    "FRAMEBORDER", "HEADERS",     "HEIGHT",         "HREF",        "HREFLANG",    "HSPACE",
    "HTTP-EQUIV",  "ID",          "ISMAP",          "LABEL",       "LANG",        "LANGUAGE",
    "LINK",        "LONGDESC",    "MARGINHEIGHT",   "MARGINWIDTH", "MAXLENGTH",   "MEDIA",
    "METHOD",      "MULTIPLE",    "NAME",           "NOHREF",      "NORESIZE",    "NORESIZE",
    "NOSHADE",     "NOSHADE",     "NOWRAP",         "NOWRAP",      "OBJECT",      "OBJECT",
    "ONBLUR",      "ONCHANGE",    "ONCLICK",        "ONDBLCLICK",  "ONFOCUS",     "ONKEYDOWN",
    "ONKEYPRESS",  "ONKEYUP",     "ONLOAD",         "ONMOUSEDOWN", "ONMOUSEMOVE", "ONMOUSEOUT",
    "ONMOUSEOVER", "ONMOUSEUP",   "ONRESET",        "ONSELECT",    "ONSUBMIT",    "ONUNLOAD",
    "PROFILE",     "PROMPT",      "READONLY",       "REL",         "REV",         "ROWS",
    "ROWSPAN",     "RULES",       "SCHEME",         "SCOPE",       "SCROLLING",   "SELECTED",
    "SHAPE",       "SIZE",        "SPAN",           "SRC",         "STANDBY",     "START",
    "STYLE",       "SUMMARY",     "TABINDEX",       "TARGET",      "TEXT",        "TITLE",
    "TYPE",        "USEMAP",      "VALIGN",         "VALUE",       "VALUETYPE",   "VERSION",
    "VLINK",       "VSPACE",      "WIDTH",
};

// Tags the tag list writes without an end tag.
const char *const PaletteEmptyTags[] = {
    "AREA", "BASE",  "BGSOUND", "BASEFONT", "BR",   "COL",  "DD",    "DT",     "FRAME",   "HR",
    "IMG",  "INPUT", "ISINDEX", "LI",       "LINK", "META", "PARAM", "!-- --", "!DOCTYPE"};

constexpr quint16 O = Obsolete, V = Void, R = RawText, P = ClosesParagraph, S = Special, C = Scope;

// Elements of HTML 5 and the obsolete ones pages still hold. Attributes
// are separated by spaces; "*" marks one obsolete in HTML 5, "!" one
// written without a value.
struct ElementRow
{
    const char *name;
    quint16 flags;
    Group group;
    const char *attributes;
};

const ElementRow ElementRows[] = {
    {"!--", Declaration, Group::None, ""},
    {"!doctype", Declaration, Group::None, ""},
    {"a", 0, Group::None,
     "href target download ping rel hreflang type referrerpolicy charset* coords* name* rev* "
     "shape* methods* urn*"},
    {"abbr", 0, Group::None, ""},
    {"acronym", O, Group::None, ""},
    {"address", P | S, Group::Division, ""},
    {"applet", O | S | C, Group::None,
     "align alt archive code codebase height hspace name object vspace width"},
    {"area", V | S, Group::None,
     "alt coords shape href target download ping rel referrerpolicy nohref!* hreflang* type*"},
    {"article", P | S, Group::None, ""},
    {"aside", P | S, Group::None, ""},
    {"audio", 0, Group::None, "src crossorigin preload autoplay! loop! muted! controls!"},
    {"b", 0, Group::None, ""},
    {"base", V | S, Group::None, "href target"},
    {"basefont", O | V | S, Group::None, "color face size"},
    {"bdi", 0, Group::None, ""},
    {"bdo", 0, Group::None, ""},
    {"bgsound", O | V | S, Group::None, "src loop balance volume"},
    {"big", O, Group::None, ""},
    {"blink", O, Group::None, ""},
    {"blockquote", P | S, Group::None, "cite"},
    {"body", S, Group::Body,
     "onafterprint onbeforeprint onbeforeunload onhashchange onlanguagechange onmessage "
     "onmessageerror onoffline ononline onpagehide onpageshow onpopstate onrejectionhandled "
     "onstorage onunhandledrejection onunload alink* background* bgcolor* bgproperties* "
     "bottommargin* leftmargin* link* marginheight* marginwidth* rightmargin* text* topmargin* "
     "vlink*"},
    {"br", V | S, Group::None, "clear*"},
    {"button", S, Group::None,
     "disabled! form formaction formenctype formmethod formnovalidate! formtarget name "
     "popovertarget popovertargetaction type value"},
    {"canvas", 0, Group::None, "width height"},
    {"caption", S | C, Group::TablePart, "align*"},
    {"center", O | P | S, Group::None, ""},
    {"cite", 0, Group::None, ""},
    {"code", 0, Group::None, ""},
    {"col", V | S, Group::TablePart, "span align* char* charoff* valign* width*"},
    {"colgroup", S, Group::TablePart, "span align* char* charoff* valign* width*"},
    {"data", 0, Group::None, "value"},
    {"datalist", 0, Group::None, ""},
    {"dd", P | S, Group::DefinitionItem, ""},
    {"del", 0, Group::None, "cite datetime"},
    {"details", P | S, Group::None, "open! name"},
    {"dfn", 0, Group::None, ""},
    {"dialog", P | S, Group::None, "open!"},
    {"dir", O | P | S, Group::List, "compact!"},
    {"div", P | S, Group::Division, "align*"},
    {"dl", P | S, Group::DefinitionList, "compact!*"},
    {"dt", P | S, Group::DefinitionItem, ""},
    {"em", 0, Group::None, ""},
    {"embed", V | S, Group::None, "src type width height align* hspace* name* vspace*"},
    {"fieldset", P | S, Group::None, "disabled! form name"},
    {"figcaption", P | S, Group::None, ""},
    {"figure", P | S, Group::None, ""},
    {"font", O, Group::None, "color face size"},
    {"footer", P | S, Group::None, ""},
    {"form", P | S, Group::None,
     "accept-charset action autocomplete enctype method name novalidate! target rel accept*"},
    {"frame", O | V | S, Group::None,
     "frameborder longdesc marginheight marginwidth name noresize! scrolling src"},
    {"frameset", O | S, Group::None, "cols rows border frameborder framespacing onload onunload"},
    {"h1", P | S, Group::Heading, "align*"},
    {"h2", P | S, Group::Heading, "align*"},
    {"h3", P | S, Group::Heading, "align*"},
    {"h4", P | S, Group::Heading, "align*"},
    {"h5", P | S, Group::Heading, "align*"},
    {"h6", P | S, Group::Heading, "align*"},
    {"head", S, Group::Head, "profile*"},
    {"header", P | S, Group::None, ""},
    {"hgroup", P | S, Group::None, ""},
    {"hr", V | P | S, Group::None, "align* color* noshade!* size* width*"},
    {"html", S | C, Group::Html, "manifest* version*"},
    {"i", 0, Group::None, ""},
    {"iframe", S, Group::None,
     "src srcdoc name sandbox allow allowfullscreen! width height referrerpolicy loading align* "
     "frameborder* hspace* longdesc* marginheight* marginwidth* scrolling* vspace*"},
    {"img", V | S, Group::None,
     "alt src srcset sizes crossorigin usemap ismap! width height referrerpolicy decoding loading "
     "fetchpriority align* border* dynsrc* hspace* longdesc* lowsrc* name* vspace*"},
    {"input", V | S, Group::None,
     "accept alt autocomplete checked! dirname disabled! form formaction formenctype formmethod "
     "formnovalidate! formtarget height list max maxlength min minlength multiple! name pattern "
     "placeholder popovertarget popovertargetaction readonly! required! size src step type value "
     "width align* ismap!* usemap*"},
    {"ins", 0, Group::None, "cite datetime"},
    {"isindex", O | V | S, Group::None, "prompt action"},
    {"kbd", 0, Group::None, ""},
    {"keygen", O | V | S, Group::None, "challenge disabled! form keytype name"},
    {"label", 0, Group::None, "for"},
    {"legend", 0, Group::None, "align*"},
    {"li", P | S, Group::ListItem, "value type*"},
    {"link", V | S, Group::None,
     "href crossorigin rel as media hreflang type sizes imagesrcset imagesizes referrerpolicy "
     "integrity blocking color disabled! fetchpriority charset* methods* rev* target* urn*"},
    {"listing", O | P | S, Group::None, ""},
    {"main", P | S, Group::None, ""},
    {"map", 0, Group::None, "name"},
    {"mark", 0, Group::None, ""},
    {"marquee", O | S | C, Group::None,
     "behavior bgcolor direction height hspace loop scrollamount scrolldelay truespeed! vspace "
     "width"},
    {"menu", P | S, Group::List, "compact!* type*"},
    {"meta", V | S, Group::None, "name http-equiv content charset media scheme*"},
    {"meter", 0, Group::None, "value min max low high optimum"},
    {"multicol", O, Group::None, ""},
    {"nav", P | S, Group::None, ""},
    {"nextid", O | V, Group::None, ""},
    {"nobr", O, Group::None, ""},
    {"noembed", O | S, Group::None, ""},
    {"noframes", O | S, Group::None, ""},
    {"noscript", S, Group::None, ""},
    {"object", S | C, Group::None,
     "data type name form width height align* archive* border* classid* code* codebase* "
     "codetype* declare!* hspace* standby* typemustmatch!* usemap* vspace*"},
    {"ol", P | S, Group::List, "reversed! start type compact!*"},
    {"optgroup", 0, Group::OptionGroup, "disabled! label"},
    {"option", 0, Group::Option, "disabled! label selected! value"},
    {"output", 0, Group::None, "for form name"},
    {"p", P | S, Group::Paragraph, "align*"},
    {"param", O | V | S, Group::None, "name value type valuetype"},
    {"picture", 0, Group::None, ""},
    {"plaintext", O | P | S, Group::None, ""},
    {"pre", P | S, Group::None, "width*"},
    {"progress", 0, Group::None, "value max"},
    {"q", 0, Group::None, "cite"},
    {"rb", O, Group::None, ""},
    {"rp", 0, Group::None, ""},
    {"rt", 0, Group::None, ""},
    {"rtc", O, Group::None, ""},
    {"ruby", 0, Group::None, ""},
    {"s", 0, Group::None, ""},
    {"samp", 0, Group::None, ""},
    {"script", R | S, Group::None,
     "src type nomodule! async! defer! crossorigin integrity referrerpolicy blocking "
     "fetchpriority charset* event* for* language*"},
    {"search", P | S, Group::None, ""},
    {"section", P | S, Group::None, ""},
    {"select", S, Group::None, "autocomplete disabled! form multiple! name required! size"},
    {"slot", 0, Group::None, "name"},
    {"small", 0, Group::None, ""},
    {"source", V | S, Group::None, "type src srcset sizes media width height"},
    {"spacer", O | V, Group::None, "type size width height align"},
    {"span", 0, Group::None, ""},
    {"strike", O, Group::None, ""},
    {"strong", 0, Group::None, ""},
    {"style", R | S, Group::None, "media blocking type*"},
    {"sub", 0, Group::None, ""},
    {"summary", P | S, Group::None, ""},
    {"sup", 0, Group::None, ""},
    {"table", S | C, Group::Table,
     "align* background* bgcolor* border* bordercolor* cellpadding* cellspacing* frame* height* "
     "rules* summary* width*"},
    {"tbody", S, Group::Section, "align* bgcolor* char* charoff* valign*"},
    {"td", S | C, Group::Cell,
     "colspan rowspan headers abbr* align* axis* background* bgcolor* char* charoff* height* "
     "nowrap!* scope* valign* width*"},
    {"template", S | C, Group::None,
     "shadowrootmode shadowrootdelegatesfocus! shadowrootclonable! shadowrootserializable!"},
    {"textarea", R | S, Group::None,
     "autocomplete cols dirname disabled! form maxlength minlength name placeholder readonly! "
     "required! rows wrap"},
    {"tfoot", S, Group::Section, "align* bgcolor* char* charoff* valign*"},
    {"th", S | C, Group::Cell,
     "colspan rowspan headers abbr scope align* axis* background* bgcolor* char* charoff* "
     "height* nowrap!* valign* width*"},
    {"thead", S, Group::Section, "align* bgcolor* char* charoff* valign*"},
    {"time", 0, Group::None, "datetime"},
    {"title", R | S, Group::None, ""},
    {"tr", S, Group::Row, "align* bgcolor* char* charoff* height* valign*"},
    {"track", V | S, Group::None, "default! kind label src srclang"},
    {"tt", O, Group::None, ""},
    {"u", 0, Group::None, ""},
    {"ul", P | S, Group::List, "compact!* type*"},
    {"var", 0, Group::None, ""},
    {"video", 0, Group::None,
     "src crossorigin poster preload autoplay! playsinline! loop! muted! controls! width height"},
    {"wbr", V | S, Group::None, ""},
    {"xmp", O | R | P | S, Group::None, ""},
};

// Every element takes these.
const char GlobalAttributes[] =
    "accesskey autocapitalize autofocus! class contenteditable dir draggable enterkeyhint hidden "
    "id inert! inputmode is itemid itemprop itemref itemscope! itemtype lang nonce popover slot "
    "spellcheck style tabindex title translate "
    "onabort onauxclick onbeforeinput onbeforetoggle onblur oncancel oncanplay oncanplaythrough "
    "onchange onclick onclose oncontextmenu oncopy oncuechange oncut ondblclick ondrag ondragend "
    "ondragenter ondragleave ondragover ondragstart ondrop ondurationchange onemptied onended "
    "onerror onfocus onformdata oninput oninvalid onkeydown onkeypress onkeyup onload "
    "onloadeddata onloadedmetadata onloadstart onmousedown onmouseenter onmouseleave onmousemove "
    "onmouseout onmouseover onmouseup onpaste onpause onplay onplaying onprogress onratechange "
    "onreset onresize onscroll onscrollend onsecuritypolicyviolation onseeked onseeking onselect "
    "onslotchange onstalled onsubmit onsuspend ontimeupdate ontoggle onvolumechange onwaiting "
    "onwheel";

// Attributes with a fixed set of values: element ("" for any), attribute,
// values. Values starting with "=" are written exactly as listed.
struct ValueRow
{
    const char *element;
    const char *attribute;
    const char *values;
};

const char ImageAlign[] = "left right top middle bottom baseline texttop absmiddle absbottom";
const char CellAlign[] = "left center right justify char";
const char EncTypes[] = "=application/x-www-form-urlencoded multipart/form-data text/plain";

const ValueRow ValueRows[] = {
    {"", "align", "left center right justify"},
    {"img", "align", ImageAlign},
    {"input", "align", ImageAlign},
    {"object", "align", ImageAlign},
    {"applet", "align", ImageAlign},
    {"embed", "align", ImageAlign},
    {"iframe", "align", "left right top middle bottom"},
    {"spacer", "align", "left right top middle bottom"},
    {"table", "align", "left center right"},
    {"hr", "align", "left center right"},
    {"caption", "align", "top bottom left right"},
    {"legend", "align", "top bottom left right"},
    {"td", "align", CellAlign},
    {"th", "align", CellAlign},
    {"tr", "align", CellAlign},
    {"thead", "align", CellAlign},
    {"tbody", "align", CellAlign},
    {"tfoot", "align", CellAlign},
    {"col", "align", CellAlign},
    {"colgroup", "align", CellAlign},
    {"", "valign", "top middle bottom baseline"},
    {"input", "type",
     "button checkbox color date datetime-local email file hidden image month number password "
     "radio range reset search submit tel text time url week"},
    {"button", "type", "submit reset button"},
    {"ol", "type", "=1 a A i I"},
    {"li", "type", "=1 a A i I disc circle square"},
    {"ul", "type", "disc circle square"},
    {"menu", "type", "context toolbar list"},
    {"script", "type", "=text/javascript module importmap text/vbscript"},
    {"style", "type", "=text/css"},
    {"spacer", "type", "horizontal vertical block"},
    {"param", "valuetype", "data ref object"},
    {"script", "language", "=JavaScript JScript VBScript"},
    {"form", "method", "get post dialog"},
    {"", "formmethod", "get post dialog"},
    {"form", "enctype", EncTypes},
    {"", "formenctype", EncTypes},
    {"", "shape", "rect circle poly default"},
    {"", "scrolling", "yes no auto"},
    {"", "frameborder", "1 0 yes no"},
    {"marquee", "behavior", "scroll slide alternate"},
    {"marquee", "direction", "left right up down"},
    {"", "dir", "ltr rtl auto"},
    {"", "target", "=_blank _self _parent _top"},
    {"", "formtarget", "=_blank _self _parent _top"},
    {"br", "clear", "left right all none"},
    {"", "scope", "row col rowgroup colgroup"},
    {"table", "rules", "none groups rows cols all"},
    {"table", "frame", "void above below hsides lhs rhs vsides box border"},
    {"textarea", "wrap", "soft hard off"},
    {"", "autocomplete", "on off"},
    {"", "spellcheck", "true false"},
    {"", "contenteditable", "true false plaintext-only"},
    {"", "draggable", "true false"},
    {"", "translate", "yes no"},
    {"", "hidden", "hidden until-found"},
    {"", "popover", "auto manual hint"},
    {"", "inputmode", "none text decimal numeric tel search email url"},
    {"", "enterkeyhint", "enter done go next previous search send"},
    {"", "autocapitalize", "off none on sentences words characters"},
    {"", "loading", "lazy eager"},
    {"", "decoding", "sync async auto"},
    {"", "fetchpriority", "high low auto"},
    {"", "crossorigin", "anonymous use-credentials"},
    {"", "preload", "none metadata auto"},
    {"", "referrerpolicy",
     "no-referrer no-referrer-when-downgrade origin origin-when-cross-origin same-origin "
     "strict-origin strict-origin-when-cross-origin unsafe-url"},
    {"track", "kind", "subtitles captions descriptions chapters metadata"},
    {"meta", "http-equiv",
     "content-type default-style refresh x-ua-compatible "
     "content-security-policy"},
    {"meta", "name",
     "application-name author description generator keywords referrer robots theme-color "
     "color-scheme viewport"},
    {"link", "rel",
     "alternate author canonical dns-prefetch help icon license manifest modulepreload next "
     "preconnect prefetch preload prev search stylesheet"},
    {"a", "rel",
     "alternate author bookmark external help license next nofollow noopener noreferrer opener "
     "prev search tag"},
    {"iframe", "sandbox",
     "allow-downloads allow-forms allow-modals allow-popups allow-same-origin allow-scripts "
     "allow-top-navigation"},
};

const Entity EntityRows[] = {
#include "editor/htmlentities.inc"
};

template <std::size_t N> QStringList toList(const char *const (&items)[N])
{
    QStringList list;
    list.reserve(qsizetype(N));
    for (const char *item : items)
        list << QString::fromUtf8(item);
    return list;
}

QVector<Attribute> parseAttributes(const char *text)
{
    QVector<Attribute> out;
    for (const QString &word : QString::fromLatin1(text).split(u' ', Qt::SkipEmptyParts)) {
        Attribute a;
        a.name = word;
        while (a.name.endsWith(u'*') || a.name.endsWith(u'!')) {
            (a.name.endsWith(u'*') ? a.obsolete : a.boolean) = true;
            a.name.chop(1);
        }
        out << a;
    }
    return out;
}

bool byName(const Attribute &a, const Attribute &b)
{
    return a.name < b.name;
}

struct Table
{
    QVector<Element> elements;
    QHash<QString, int> index;
    QVector<QVector<Attribute>> own; // per element, sorted
    QVector<Attribute> global;       // sorted
    QHash<QString, ValueSet> values; // "element attribute"
    QVector<Entity> entities;

    Table()
    {
        for (const ElementRow &row : ElementRows) {
            elements.append({QString::fromLatin1(row.name), row.flags, row.group});
            QVector<Attribute> attributes = parseAttributes(row.attributes);
            std::sort(attributes.begin(), attributes.end(), byName);
            own.append(attributes);
        }
        global = parseAttributes(GlobalAttributes);
        // The side bar's tags: a name HTML 5 does not know is obsolete there.
        for (const char *tag : PaletteTags) {
            QString name = QString::fromLatin1(tag).toLower();
            if (name == QLatin1String("!-- --"))
                name = QStringLiteral("!--");
            if (!std::any_of(elements.cbegin(), elements.cend(),
                             [&](const Element &e) { return e.name == name; })) {
                elements.append({name, Obsolete, Group::None});
                own.append(QVector<Attribute>());
            }
        }
        // The side bar's attributes: one no element takes goes to all of
        // them, obsolete.
        for (const char *attribute : PaletteAttributes) {
            const QString name = QString::fromLatin1(attribute).toLower();
            const auto named = [&](const Attribute &a) { return a.name == name; };
            const bool known =
                std::any_of(global.cbegin(), global.cend(), named) ||
                std::any_of(own.cbegin(), own.cend(), [&](const QVector<Attribute> &list) {
                    return std::any_of(list.cbegin(), list.cend(), named);
                });
            if (!known)
                global.append({name, true, false});
        }
        std::sort(global.begin(), global.end(), byName);
        // Sorted by name, the attribute lists following their elements.
        QVector<int> order(elements.size());
        for (int i = 0; i < order.size(); ++i)
            order[i] = i;
        std::sort(order.begin(), order.end(),
                  [&](int a, int b) { return elements[a].name < elements[b].name; });
        QVector<Element> sortedElements;
        QVector<QVector<Attribute>> sortedOwn;
        for (int i : order) {
            index.insert(elements[i].name, int(sortedElements.size()));
            sortedElements << elements[i];
            sortedOwn << own[i];
        }
        elements.swap(sortedElements);
        own.swap(sortedOwn);

        for (const ValueRow &row : ValueRows) {
            QString list = QString::fromLatin1(row.values);
            ValueSet set;
            set.exactCase = list.startsWith(u'=');
            if (set.exactCase)
                list.remove(0, 1);
            set.values = list.split(u' ', Qt::SkipEmptyParts);
            values.insert(
                QString::fromLatin1(row.element) + u' ' + QString::fromLatin1(row.attribute), set);
        }
        entities.reserve(qsizetype(std::size(EntityRows)));
        for (const Entity &entity : EntityRows)
            entities << entity;
    }
};

const Table &table()
{
    static const Table t;
    return t;
}

} // namespace

QString Entity::text() const
{
    QString s = QString::fromUcs4(&first, 1);
    if (second)
        s += QString::fromUcs4(&second, 1);
    return s;
}

const QVector<Element> &elements()
{
    return table().elements;
}

int elementIndex(QStringView lowerName)
{
    return table().index.value(lowerName.toString(), -1);
}

QVector<Attribute> attributesOf(QStringView lowerElement)
{
    const Table &t = table();
    const int at = elementIndex(lowerElement);
    if (at < 0)
        return t.global;
    QVector<Attribute> all = t.own[at];
    for (const Attribute &a : t.global) {
        if (!std::binary_search(t.own[at].cbegin(), t.own[at].cend(), a, byName))
            all << a;
    }
    std::sort(all.begin(), all.end(), byName);
    return all;
}

const ValueSet *valuesOf(QStringView lowerElement, QStringView lowerAttribute)
{
    const Table &t = table();
    const QString attribute = lowerAttribute.toString();
    auto it = t.values.constFind(lowerElement.toString() + u' ' + attribute);
    if (it == t.values.constEnd())
        it = t.values.constFind(u' ' + attribute);
    return it == t.values.constEnd() ? nullptr : &it.value();
}

const QVector<Entity> &entities()
{
    return table().entities;
}

const QStringList &paletteTags()
{
    static const QStringList list = toList(PaletteTags);
    return list;
}

const QStringList &paletteAttributes()
{
    static const QStringList list = toList(PaletteAttributes);
    return list;
}

const QStringList &paletteEmptyTags()
{
    static const QStringList list = toList(PaletteEmptyTags);
    return list;
}

} // namespace vocabulary
