// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace paths {

// Joins a folder and a file name with one "/", and adds none when the folder
// already ends in "/" (the root). Every command that builds a path uses it.
QString join(const QString &folder, const QString &name);

// folder/stem + suffix, or when that file exists, the first free one of
// "stem-2", "stem-3" ...: a file written there overwrites nothing.
QString freeFileName(const QString &folder, const QString &stem, const QString &suffix);

// The name of the preview copy written into the web-site folder.
inline QString previewFileName()
{
    return QStringLiteral("caching.htm");
}

} // namespace paths
