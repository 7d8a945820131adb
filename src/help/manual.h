// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The built-in manual: one HTML page kept in two halves, the first with the
// head, the banner, the contents and the first tools, the second with the
// remaining tools and the other features. Lines end in CR LF.

#include <QString>

namespace manual {

// The centred banner under the page's title.
QString banner();
QString textHtml();
QString textHtml2();
// The whole page: textHtml() followed by textHtml2().
QString text();

// Writes the page as a file (the preview file "caching.htm", replacing
// it); false with the reason in *error when it cannot be written.
bool write(const QString &path, QString *error = nullptr);

} // namespace manual
