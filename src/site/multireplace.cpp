#include "site/multireplace.h"

#include "platform/paths.h"
#include "platform/textfile.h"
#include "site/sitefiles.h"

#include <QRegularExpression>

namespace multireplace {

QString replaceAll(const QString &text, const QString &find, const QString &replacement,
                   Qt::CaseSensitivity sensitivity, qsizetype *count)
{
    if (count)
        *count = 0;
    if (find.isEmpty())
        return text;
    qsizetype at = text.indexOf(find, 0, sensitivity);
    if (at < 0)
        return text;
    // One pass over the text, building the result as it goes.
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    qsizetype found = 0;
    while (at >= 0) {
        out.append(QStringView(text).mid(from, at - from));
        out.append(replacement);
        ++found;
        from = at + find.size();
        at = text.indexOf(find, from, sensitivity);
    }
    out.append(QStringView(text).mid(from));
    if (count)
        *count = found;
    return out;
}

FileResult replaceInFile(const QString &path, const QString &find, const QString &replacement,
                         Qt::CaseSensitivity sensitivity)
{
    FileResult result;
    const textfile::Loaded loaded = textfile::load(path);
    if (!loaded.ok) {
        result.outcome = Outcome::Unreadable;
        return result;
    }
    // A NUL byte decodes to U+0000 whatever the encoding guess: such a file
    // is no text to edit.
    if (loaded.text.contains(QChar(0))) {
        result.outcome = Outcome::Binary;
        return result;
    }
    const QString text =
        replaceAll(loaded.text, find, replacement, sensitivity, &result.replacements);
    if (textfile::firstUnrepresentable(text, loaded.encoding) >= 0) {
        result.outcome = Outcome::Unencodable;
        result.replacements = 0;
        return result;
    }
    if (!textfile::save(path, text, loaded.encoding)) {
        result.outcome = Outcome::Unwritable;
        result.replacements = 0;
    }
    return result;
}

QList<FileResult> replaceInFiles(const QString &folder, const QStringList &names,
                                 const QString &find, const QString &replacement,
                                 Qt::CaseSensitivity sensitivity)
{
    QList<FileResult> results;
    results.reserve(names.size());
    for (const QString &name : names) {
        FileResult result =
            replaceInFile(paths::join(folder, name), find, replacement, sensitivity);
        result.name = name;
        results << result;
    }
    return results;
}

QString skippedReport(const QList<FileResult> &results)
{
    QStringList lines;
    for (const FileResult &r : results) {
        QString why;
        switch (r.outcome) {
        case Outcome::Written:
            continue;
        case Outcome::Unreadable:
            why = QStringLiteral("cannot be read");
            break;
        case Outcome::Binary:
            why = QStringLiteral("is not a text file");
            break;
        case Outcome::Unencodable:
            why = QStringLiteral("cannot hold the new text in its encoding");
            break;
        case Outcome::Unwritable:
            why = QStringLiteral("cannot be written");
            break;
        }
        lines << r.name + QStringLiteral(": ") + why;
    }
    if (lines.isEmpty())
        return QString();
    lines.prepend(QStringLiteral("These files were left as they were:"));
    return lines.join(u'\n');
}

QStringList matchingFiles(const QString &folder, const QString &patterns)
{
    QList<QRegularExpression> expressions;
    for (const QString &pattern : patterns.split(u';', Qt::SkipEmptyParts)) {
        expressions << QRegularExpression(
            QRegularExpression::wildcardToRegularExpression(pattern.trimmed()),
            QRegularExpression::CaseInsensitiveOption);
    }
    QStringList out;
    for (const QString &name : site::listFiles(folder)) {
        for (const QRegularExpression &re : expressions) {
            if (re.match(name).hasMatch()) {
                out << name;
                break;
            }
        }
    }
    return out;
}

} // namespace multireplace
