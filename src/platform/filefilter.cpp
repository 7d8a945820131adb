// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/filefilter.h"

#include <QStringList>

namespace filefilter {

QString toQt(const QString &barFilter)
{
    const QStringList parts = barFilter.split(u'|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString label = parts[i];
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        if (patterns.size() == 1 &&
            patterns[0].compare(QLatin1String("*.EXE"), Qt::CaseInsensitive) == 0) {
            // Linux programs carry no extension: show every file.
            patterns = QStringList{QStringLiteral("*")};
        }
        // Qt reads the patterns from the last parentheses of the label, so
        // the label keeps its text and gets the real patterns appended.
        const int open = label.lastIndexOf(u'(');
        if (open >= 0)
            label = label.left(open).trimmed();
        out << QStringLiteral("%1 (%2)").arg(label, patterns.join(u' '));
    }
    return out.join(QStringLiteral(";;"));
}

bool isExecutables(const QString &barFilter)
{
    const QStringList parts = barFilter.split(u'|');
    return parts.size() == 2 &&
           parts[1].trimmed().compare(QLatin1String("*.EXE"), Qt::CaseInsensitive) == 0;
}

} // namespace filefilter
