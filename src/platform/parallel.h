// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Spreading independent pieces of work over a few threads.

#include <QtGlobal>

#include <functional>

namespace parallel {

// Calls work(i) once for every i from 0 to count - 1 on up to `threads`
// threads, the caller's among them, and returns when every call is done.
// With no thread to spare it runs them all on the caller's. work must be
// safe to call from several threads at once.
void forEach(qsizetype count, int threads, const std::function<void(qsizetype)> &work);

} // namespace parallel
