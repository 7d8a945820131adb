// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/filestamp.h"

#include <QFile>
#include <sys/stat.h>

namespace filestamp {

Stamp of(const QString &path)
{
    Stamp stamp;
    struct stat st = {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0 ||
        !S_ISREG(st.st_mode))
        return stamp;
    stamp.exists = true;
    stamp.size = st.st_size;
    stamp.mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp.inode = st.st_ino;
    stamp.device = st.st_dev;
    return stamp;
}

} // namespace filestamp
