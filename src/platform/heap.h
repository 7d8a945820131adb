// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the C library's allocator hands memory back to the system.

namespace heap {

// Gives the system back the memory freed since the last call. The
// allocator keeps the freed space of big temporary buffers (a loaded file,
// its decoded text, SmartColor's copies) for later use; after a 10 MB page
// that is some 50 MB the program holds for nothing. Cheap: call it when a
// big piece of work is done.
void releaseFreed();

} // namespace heap
