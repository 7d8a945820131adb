// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/heap.h"

#include <malloc.h>

namespace heap {

void releaseFreed()
{
    malloc_trim(0);
}

} // namespace heap
