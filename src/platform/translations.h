// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's texts in the user's language, where a translation of them
// is installed.

#include <QLocale>
#include <QString>

namespace translations {

// Where the program's own translations are: inside the program.
inline constexpr char BuiltInFolder[] = ":/i18n";

// Installs the program's translation for the locale from the folder, and
// Qt's own (the standard buttons and dialogs) from Qt's folder. Returns
// whether a translation of the program's texts was found.
bool install(const QLocale &locale, const QString &folder = QLatin1String(BuiltInFolder));

} // namespace translations
