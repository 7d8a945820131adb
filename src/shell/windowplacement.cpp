// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/windowplacement.h"

#include <algorithm>

namespace placement {

QRect documentGeometry(const QSize &area, int index, int step)
{
    const int width = std::max(1, area.width());
    const int height = std::max(1, area.height());
    // Below these sizes a smaller window would be too small to work in.
    const int w = width >= 400 ? width * 4 / 5 : width;
    const int h = height >= 300 ? height * 4 / 5 : height;
    step = std::max(1, step);
    const int positions = std::max(1, std::min((width - w) / step, (height - h) / step) + 1);
    const int slot = std::max(0, index) % positions;
    return QRect(slot * step, slot * step, w, h);
}

} // namespace placement
