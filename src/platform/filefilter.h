// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace filefilter {

// Turns a "Text (*.a;*.b)|*.a;*.b|..." filter into Qt's "Text (*.a *.b);;..."
// form. The patterns shown are the ones after each "|"; "*.EXE" becomes a
// filter for executables (no extension on Linux).
QString toQt(const QString &barFilter);

// Whether the filter asks for programs ("*.EXE" alone): the file dialog then
// lists executable files only.
bool isExecutables(const QString &barFilter);

} // namespace filefilter
