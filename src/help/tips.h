// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tips the "Did You Know?" window shows.

#include <QStringList>

class QRandomGenerator;

namespace tips {

// The tips in order.
const QStringList &tipList();

// A tip index picked at random from `random`: the whole part of a number
// in [0, 1) times the number of tips, so always a valid index.
int randomTipIndex(QRandomGenerator &random);

} // namespace tips
