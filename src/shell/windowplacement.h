// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a new document window goes inside the document area.

#include <QRect>
#include <QSize>

namespace placement {

// The geometry of the index-th document window (0 for the first): windows
// cascade down and to the right by `step` pixels and start again at the top
// left before one would leave the area, so every window is fully visible.
// Windows take four fifths of the area each way, all of it when the area
// is small.
QRect documentGeometry(const QSize &area, int index, int step);

} // namespace placement
