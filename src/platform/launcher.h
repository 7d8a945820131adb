// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Starting other programs: the external browser and the desktop tools that
// stand in for the calculator, character map, clipboard viewer and media
// player.

#include <QString>
#include <QStringList>

namespace launcher {

enum class Tool { Calculator, CharacterMap, ClipboardViewer, FindFiles, MediaPlayer };

// The programs tried for a tool, in order of preference.
QStringList candidates(Tool tool);

// The first candidate found on PATH, or an empty string.
QString findTool(Tool tool);

// Said when none of a tool's programs is installed: what kind of program
// it is, the ones looked for, and how to install the first.
QString notInstalledMessage(Tool tool);

// Starts a program detached with its arguments; false when it cannot start.
bool start(const QString &program, const QStringList &arguments = QStringList());

} // namespace launcher
