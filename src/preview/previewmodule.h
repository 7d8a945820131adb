// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds and loads the module that holds the preview's browser engine, the
// first time something is to be shown in it. The module lies beside the
// program in the build tree, and in the library folder once installed.

#include <QString>

class PreviewEngine;

namespace previewmodule {

// Looks only at `file` from now on; empty goes back to the usual places.
// For tests, whose programs do not lie beside the module.
void setLocation(const QString &file);

// The engine, loaded on the first call; null, with the reason, when the
// module cannot be found or loaded (tried again at the next call).
PreviewEngine *engine(QString *error = nullptr);

// True the first time it is asked, once the engine is loaded, in a run
// where page scripts are off: the user is told once.
bool takeScriptsOffNotice();

} // namespace previewmodule
