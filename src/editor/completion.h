// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What completion offers at the caret: element names after "<", the open
// elements after "</", an element's attributes after its name, the values
// of an attribute with a fixed set of them after "=", and the named
// characters after "&". Nothing inside comments, the text of SCRIPT or
// STYLE, or free attribute values. Letters follow the case the user types,
// or the case setting while no letter is typed yet.

#include "editor/markupnav.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace completion {

enum class Kind { None, Element, EndTag, Attribute, Value, Entity };
enum class LetterCase { Upper, Lower };

struct Context
{
    Kind kind = Kind::None;
    // The bytes an entry replaces: the word around the caret.
    qsizetype from = 0;
    qsizetype to = 0;
    QString typed;     // the part of the word before the caret
    QString element;   // lower case (attributes, values)
    QString attribute; // lower case (values)
    QString attributeSpelling;
    char quote = 0;      // the value's opening quote, 0 for none
    char after = 0;      // the byte after the word, 0 at the end
    QStringList present; // attributes the tag already has, lower case
    QStringList open;    // elements open at the tag, innermost first, lower case
};

Context contextAt(const markupnav::Text &text, qsizetype pos);

struct Entry
{
    QString label;     // as listed
    QString insert;    // replaces the word
    int caretBack = 0; // the caret ends this many characters before insert's end
    bool obsolete = false;
};

// The entries for a context whose word starts with what was typed (letters
// in any case), in the table's order; the named characters whose case
// matches come first.
QVector<Entry> entries(const Context &context, LetterCase fallback);

// The case to write in: the one of the letters typed when they are all of
// one case, else the fallback.
LetterCase caseOf(QStringView typed, LetterCase fallback);

} // namespace completion
