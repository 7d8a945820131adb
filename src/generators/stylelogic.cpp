// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/stylelogic.h"

#include "platform/numbers.h"

namespace stylelogic {

const QStringList &unitItems()
{
    static const QStringList items{QStringLiteral("(pt) points"), QStringLiteral("(in) inches"),
                                   QStringLiteral("(cm) centimeters"),
                                   QStringLiteral("(px) pixels")};
    return items;
}

QString unitOf(const QString &item)
{
    return item.mid(1, 2);
}

QString pointSize(float size)
{
    return numbers::shortestSingle(size);
}

} // namespace stylelogic
