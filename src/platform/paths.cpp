// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/paths.h"

#include <QFileInfo>

namespace paths {

QString join(const QString &folder, const QString &name)
{
    if (folder.isEmpty() || folder.endsWith(u'/'))
        return folder + name;
    return folder + u'/' + name;
}

QString freeFileName(const QString &folder, const QString &stem, const QString &suffix)
{
    QString path = join(folder, stem + suffix);
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = join(folder, QStringLiteral("%1-%2%3").arg(stem).arg(n).arg(suffix));
    return path;
}

} // namespace paths
