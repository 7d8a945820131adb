// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Help menu's manual and reference commands, and the manual shown by
// every new preview window.

#include <QString>

class DocumentWindow;
class Workbench;

namespace helpcommands {

// The W3C's pages on HTML.
QString referenceAddress();

// Shows the manual in the window's preview, served from memory.
void showManual(DocumentWindow &window);

// "Online Manual": in the active preview window (a new one when no
// document is open), or in the external browser when previews are not used.
void onlineManual(Workbench &workbench);
// "W3C HTML Reference": the reference in the same places.
void htmlReference(Workbench &workbench);

} // namespace helpcommands
