// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keyboard mnemonics: the letter after '&' in a caption, pressed with Alt.
// Within one window or menu each caption gets a letter of its own.

#include <QList>
#include <QString>
#include <QStringList>

namespace mnemonics {

// The mnemonic letter of a caption, in lower case; a null QChar for none
// ("&&" is a plain '&').
QChar of(const QString &caption);

// The captions with a letter each, none shared, as far as their letters
// allow. Captions marked `fixed` keep theirs and claim first; then the
// others' own letters in order, and a caption whose letter was taken, or
// that has none, gets the first free letter of its words' starts, else of
// its other letters. A caption without a free letter is left as it is.
QStringList assign(const QStringList &captions, const QList<bool> &fixed = {});

} // namespace mnemonics
