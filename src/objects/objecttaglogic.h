// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The OBJECT (or INSERT) tags the control browser writes for registered
// controls, and the options that shape them. The browser and its options
// dialog map their widgets onto these; they hold no HTML of their own.

#include "platform/wineregistry.h"

#include <QList>
#include <QString>

class SettingsStore;

namespace objecttag {

using Control = wineregistry::RegisteredControl;

enum TagCase { Caps = 0, Lower = 1, Mixed = 2 };

struct ObjectTagOptions
{
    bool tagClassId = true; // identify by class id, else by programmatic id
    bool obj = true;        // tag word "object", else "insert"
    int tagCase = Caps;
    bool lines = true; // one attribute per line
    int insWidth = 80;
    int insHeight = 30;
    int inclCode = 0; // non-zero writes the code base
    QString code = QStringLiteral("http://");
};

// Everything but the class-id choice back to its default.
void resetToDefaults(ObjectTagOptions &options);

// The text without one leading "{" and one trailing "}".
QString withoutBraces(const QString &text);

// One tag for one control, without a line end after it.
QString objectTag(const Control &control, const ObjectTagOptions &options);

// The inserted block: the opening comment, each control's tag followed by
// CR LF, and the closing comment (no line end after it).
QString objectTagBlock(const QList<Control> &controls, const ObjectTagOptions &options);

// What the options dialog previews: the tag of the chosen control, else of
// the table's first one, else "No controls registered.". chosen < 0 means
// none is chosen.
QString previewText(const QList<Control> &table, int chosen, const ObjectTagOptions &options);

// Width and height from their text boxes: the leading number rounded to the
// nearest whole number (a half to the even one), 0 without a number, held
// in 16 bits.
int sizeFromText(const QString &text);

// The letter case applied to a literal.
QString applyCase(const QString &literal, int tagCase);

// The table rows in the order the list shows them: by display name,
// ignoring letter case; equal names keep their table order.
QList<int> listOrder(const QList<Control> &table);
// What the list shows for a row: its display name, or its class id when
// the control has no name.
QString listText(const Control &control);

// The options as stored (section "Options" under the program's name).
ObjectTagOptions loadOptions(const SettingsStore &store);
void saveOptions(SettingsStore &store, const ObjectTagOptions &options);

} // namespace objecttag
