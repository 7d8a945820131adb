// SPDX-License-Identifier: GPL-3.0-or-later
// A loadable library that is not the browser engine's module.

extern "C" int lorimelSomethingElse()
{
    return 0;
}
