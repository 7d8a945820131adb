// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pieces the page-generator dialogs share: fonts as the font dialog and the
// style sheets see them.

#include "generators/stylelogic.h"

#include <QFont>

namespace generatorkit {

// What the font dialog opens on for a font row (size 12 when none is set).
QFont toQFont(const stylelogic::FontChoice &choice);
// A font chosen in the font dialog, with the given colour.
stylelogic::FontChoice fromQFont(const QFont &font, const QString &colour);
// "Arial, 12 pt, bold" for showing a chosen font.
QString describeFont(const stylelogic::FontChoice &choice);

} // namespace generatorkit
