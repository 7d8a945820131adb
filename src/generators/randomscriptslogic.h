// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two page scripts that choose at random each time the page loads: one of
// five background colours, or one of a list of texts.

#include <array>
#include <QString>
#include <QStringList>

namespace randomscripts {

struct BackgroundOptions
{
    std::array<qint64, 5> colours{0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF};
};
QString buildBackgroundScript(const BackgroundOptions &options);

struct TextOptions
{
    QStringList texts{QString(), QString()}; // one per grid row, written as typed
};
QString buildTextScript(const TextOptions &options);

} // namespace randomscripts
