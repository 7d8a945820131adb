// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/parallel.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace parallel {

void forEach(qsizetype count, int threads, const std::function<void(qsizetype)> &work)
{
    std::atomic<qsizetype> next{0};
    auto lane = [&] {
        for (qsizetype i = next++; i < count; i = next++)
            work(i);
    };
    std::vector<std::thread> helpers;
    const qsizetype wanted = std::min<qsizetype>(threads, count) - 1;
    for (qsizetype k = 0; k < wanted; ++k) {
        try {
            helpers.emplace_back(lane);
        } catch (const std::system_error &) {
            break; // fewer helpers: the others take their share
        }
    }
    lane();
    for (std::thread &helper : helpers)
        helper.join();
}

} // namespace parallel
