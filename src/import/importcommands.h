// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The File > Import commands.

class Workbench;

namespace importcommands {

void importToNewFile(Workbench &workbench);
void importToCurrentDocument(Workbench &workbench);
void importTable(Workbench &workbench);

} // namespace importcommands
