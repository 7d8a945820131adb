// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up decisions that depend only on the settings.

#include <optional>
#include <QStringList>

class SettingsStore;

namespace startupstate {

// The font list: the installed fonts when their number differs from the
// cached one (the cache is then rewritten), else the cached names.
QStringList fontList(SettingsStore &store, const QStringList &installed);

// The stored answer to the preview question: true for "Yes", false for
// "No", nothing when it has not been asked yet.
std::optional<bool> storedPreviewAnswer(const SettingsStore &store);
// The same answer read from the settings folder without creating anything
// there (before the application object exists).
std::optional<bool> peekPreviewAnswer(const QString &directory);
void storePreviewAnswer(SettingsStore &store, bool previewWindows);

} // namespace startupstate
