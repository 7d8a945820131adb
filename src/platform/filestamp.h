// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a file on disk looks like now, to tell whether another program has
// changed it since we last read or wrote it. A rename over the file (as
// every safe write does) changes the inode, so it counts too.

#include <QString>

namespace filestamp {

struct Stamp
{
    bool exists = false;
    qint64 size = -1;
    qint64 mtimeNs = 0; // modification time, nanoseconds since the epoch
    quint64 inode = 0;
    quint64 device = 0;

    bool operator==(const Stamp &other) const
    {
        return exists == other.exists && size == other.size && mtimeNs == other.mtimeNs &&
               inode == other.inode && device == other.device;
    }
    bool operator!=(const Stamp &other) const { return !(*this == other); }
};

// The file at path, symbolic links followed; exists is false when there is
// nothing (or no regular file) there.
Stamp of(const QString &path);

} // namespace filestamp
