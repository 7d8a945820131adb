#include "platform/paths.h"

namespace paths {

QString join(const QString &folder, const QString &name)
{
    if (folder.isEmpty() || folder.endsWith(u'/'))
        return folder + name;
    return folder + u'/' + name;
}

} // namespace paths
