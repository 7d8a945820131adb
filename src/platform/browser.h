// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Showing a page or an address in a web browser: the one chosen in the
// settings, or the desktop's default browser when none is chosen.

#include <QString>

class DialogService;
class QUrl;
class QWidget;

namespace browser {

// Whether no browser program is chosen ("None", as the settings say, or
// nothing).
bool noneChosen(const QString &program);

// Opens the file or address in `program`, or with the desktop's default
// browser when none is chosen. Says what failed: "Unable to start browser"
// for a program that does not start, and where the setting is when the
// desktop has no default browser either. False after such a message.
bool open(DialogService &dialogs, QWidget *parent, const QString &program, const QUrl &url);

} // namespace browser
