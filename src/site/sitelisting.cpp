#include "site/sitelisting.h"

#include <QFileInfo>

namespace site {

QString KindIcons::type(const QFileInfo &info) const
{
    return info.isDir() ? QStringLiteral("Folder") : QStringLiteral("File");
}

KindIcons *KindIcons::shared(const QIcon &folder, const QIcon &file)
{
    static KindIcons *const icons = new KindIcons(folder, file);
    return icons;
}

} // namespace site
