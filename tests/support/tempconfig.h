// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A settings folder of the test's own, removed afterwards.

#include <QTemporaryDir>

struct TempConfig
{
    QTemporaryDir dir;
    QString path() const { return dir.path(); }
};
