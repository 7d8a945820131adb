// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The HTML the editor knows: one table of elements, attributes, fixed
// attribute values and named characters, merging the side bar's tag and
// attribute lists with HTML 5. Each name is marked current or obsolete in
// HTML 5; obsolete ones stay in the table, since pages are written with
// them on purpose. Completion offers from it; the element scan takes from
// it which elements are empty, hold raw text or end by themselves.

#include <QLatin1String>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

namespace vocabulary {

enum ElementFlag : quint16 {
    Obsolete = 1,        // not in HTML 5
    Void = 2,            // no end tag (BR, IMG ...)
    RawText = 4,         // text up to its own end tag (SCRIPT, STYLE ...)
    ClosesParagraph = 8, // its start tag ends an open P
    Special = 16,        // an end tag of a phrase element does not reach past it
    Scope = 32,          // end tags do not reach past it (TABLE, TD, HTML ...)
    Declaration = 64,    // "!DOCTYPE", "!--": offered after "<", no element
};

// How an element ends when its end tag is left out.
enum class Group : quint8 {
    None,
    Html,
    Head,
    Body,
    Paragraph,
    Division, // DIV, ADDRESS: an item's start is looked for across them
    Heading,
    List,           // OL, UL, MENU, DIR: their items end there
    ListItem,       // LI
    DefinitionList, // DL
    DefinitionItem, // DT, DD
    Table,
    TablePart, // CAPTION, COLGROUP, COL
    Section,   // THEAD, TBODY, TFOOT
    Row,       // TR
    Cell,      // TD, TH
    Option,
    OptionGroup,
};

struct Element
{
    QString name; // lower case
    quint16 flags = 0;
    Group group = Group::None;
    bool obsolete() const { return flags & Obsolete; }
};

struct Attribute
{
    QString name; // lower case
    bool obsolete = false;
    bool boolean = false; // written without a value (CHECKED, NOWRAP ...)
};

struct ValueSet
{
    QStringList values;
    bool exactCase = false; // written as listed ("A" and "a" differ, MIME types)
};

struct Entity
{
    const char *name; // case matters: "Agrave" and "agrave" differ
    char32_t first = 0;
    char32_t second = 0;
    QString text() const; // the character(s) it stands for
};

// Every element and declaration, sorted by name.
const QVector<Element> &elements();
// The index in elements() of a lower-case name, or -1.
int elementIndex(QStringView lowerName);

// The attributes an element takes, its own and the global ones, sorted by
// name; an unknown element takes the global ones.
QVector<Attribute> attributesOf(QStringView lowerElement);
// The fixed values of an attribute on an element, or null when its value is
// free text.
const ValueSet *valuesOf(QStringView lowerElement, QStringView lowerAttribute);

// The named characters, sorted by name in byte order.
const QVector<Entity> &entities();

// The side bar's own lists (reference lists 0 and 1), in their order, and
// the tags that list writes without an end tag.
const QStringList &paletteTags();
const QStringList &paletteAttributes();
const QStringList &paletteEmptyTags();

} // namespace vocabulary
