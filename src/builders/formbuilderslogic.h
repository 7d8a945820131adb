// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The three form builders' values and fragments: the FORM element, one
// INPUT or TEXTAREA control, and a SELECT list with its OPTION rows. The
// dialogs map their widgets onto these structs; all HTML is made here.
//
// A "quoted" value is written between two double quotes with nothing
// escaped: typed text goes into the document exactly as typed.

#include "kernel/tagreader.h"

#include <optional>
#include <QList>
#include <QString>
#include <QStringList>

namespace formbuilders {

struct FormOptions
{
    QString url;    // ACTION, quoted, when not empty
    QString method; // METHOD, unquoted, when chosen (empty: none chosen)
    QString target; // TARGET, quoted, when not empty
};

// "<!-- Begin Form -->", the FORM start tag, two empty lines, "</FORM>" and
// "<!-- Form End -->", every line ended by CR LF.
QString buildForm(const FormOptions &options);
std::optional<FormOptions> readForm(const tagreader::Element &element, FormOptions options);

// The nine kinds of control, in the order of the dialog's option buttons.
enum class InputKind { Checkbox, Hidden, Image, Password, Radio, Reset, Submit, Text, Textbox };
inline constexpr int InputKindCount = 9;

struct FormInputOptions
{
    InputKind kind = InputKind::Checkbox;
    QString name;         // every kind; always written, quoted
    QString value;        // Value, or the Button Label of Reset and Submit
    bool checked = false; // Checkbox
    QString alignment;    // Image, unquoted when not empty
    QString source;       // Image Source, always written
    QString width;        // Password, Text (SIZE) and Textbox (COLS)
    QString maxLength;    // Password and Text
    QString height;       // Textbox (ROWS)
    QString displayed;    // Radio: the text after the button
};

// The TYPE word of an INPUT kind ("CHECKBOX" ...); empty for Textbox,
// which is a TEXTAREA.
QString inputTypeWord(InputKind kind);

// One INPUT or TEXTAREA. Only the Radio kind ends with a line break.
QString buildFormInput(const FormInputOptions &options);
// An INPUT of one of the nine kinds (TEXT when it names none) or a
// TEXTAREA; nothing for an INPUT of another TYPE.
std::optional<FormInputOptions> readFormInput(const tagreader::Element &element,
                                              FormInputOptions options);

struct ListboxRow
{
    QString displayed; // the OPTION's text
    QString value;     // its VALUE, always written
};

struct ListboxOptions
{
    QString name;                         // NAME, quoted, when not empty
    QString size = QStringLiteral("1");   // SIZE, quoted, when not empty
    bool multiple = false;                // MULTIPLE
    QList<ListboxRow> rows{ListboxRow()}; // in grid order
};

// "<SELECT ...>", one OPTION line per row and "</SELECT>", every line ended
// by CR LF.
QString buildListbox(const ListboxOptions &options);
// A SELECT with its OPTION rows (the text after each OPTION tag).
std::optional<ListboxOptions> readListbox(const tagreader::Element &element,
                                          ListboxOptions options);

// The dialogs' lists.
const QStringList &methodItems();         // GET, POST
const QStringList &targetItems();         // _blank, _parent, _self, _top
const QStringList &imageAlignmentItems(); // TOP, MIDDLE, BOTTOM
const QStringList &listboxSizeItems();    // 1 to 10

} // namespace formbuilders
