// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Single-byte Windows and DOS code pages that rich-text files name with
// \ansicpg, \fcharset and friends.

namespace codepages {

// Whether the code page has a table here.
bool isKnown(int codePage);

// The character a byte stands for in the code page; bytes below 0x80 are
// ASCII. Code pages without a table read as Windows-1252. Bytes a code page
// leaves undefined keep their own value, so nothing is ever dropped.
char16_t toUnicode(int codePage, unsigned char byte);

// The code page of a font character set number (\fcharset), or 0 when the
// number does not name one (0 ANSI and 1 default mean "the document's").
int fromCharset(int charset);

} // namespace codepages
