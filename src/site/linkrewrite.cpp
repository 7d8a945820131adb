// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/linkrewrite.h"

#include "platform/safefile.h"
#include "site/linkcheck.h"
#include "site/sitelinks.h"

#include <algorithm>
#include <QCoreApplication>
#include <QUrl>

namespace linkrewrite {

namespace {

bool isUrlSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\r' || u == u'\f';
}

// The path of a link as written: after leading white space, up to its
// query, fragment or trailing white space.
void pathRange(QStringView written, qsizetype *start, qsizetype *end)
{
    qsizetype s = 0;
    qsizetype e = written.size();
    while (s < e && isUrlSpace(written[s]))
        ++s;
    while (e > s && isUrlSpace(written[e - 1]))
        --e;
    for (qsizetype i = s; i < e; ++i) {
        if (written[i] == u'?' || written[i] == u'#') {
            e = i;
            break;
        }
    }
    *start = s;
    *end = e;
}

QString newLinkPath(const sitelinks::Reference &ref, const QString &target,
                    const QString &pageFolder, const QString &siteRoot, textfile::Encoding encoding)
{
    if (ref.fileUrl) {
        const QString absolute = target.isEmpty() ? siteRoot : siteRoot + u'/' + target;
        return QStringLiteral("file://") +
               sitelinks::writtenPath(absolute + (ref.folder ? QStringLiteral("/") : QString()),
                                      encoding);
    }
    QString path = ref.rootRelative ? u'/' + target : sitelinks::relativePath(pageFolder, target);
    if (ref.folder && !path.endsWith(u'/'))
        path += u'/';
    return sitelinks::writtenPath(path, encoding);
}

QString tr(const char *text, const char *comment = nullptr, int n = -1)
{
    return QCoreApplication::translate("linkrewrite", text, comment, n);
}

} // namespace

QString movedPath(const QString &path, const Move &move)
{
    if (path == move.from)
        return move.to;
    if (path.startsWith(move.from) && path.size() > move.from.size() &&
        path[move.from.size()] == u'/')
        return move.to + path.mid(move.from.size());
    return path;
}

namespace {

QList<Edit> editsForPage(const sitelinks::Page &page, const QString &pagePath, const Move &move,
                         const QString &siteRoot, textfile::Encoding encoding)
{
    QList<Edit> edits;
    if (page.hasBase)
        return edits;
    const QString oldFolder = sitelinks::folderOf(pagePath);
    const QString newFolder = sitelinks::folderOf(movedPath(pagePath, move));
    for (const sitelinks::Link &link : page.links) {
        const sitelinks::Reference ref = sitelinks::parse(link.value);
        if (ref.type != sitelinks::Reference::Type::Local)
            continue;
        const sitelinks::Target before = sitelinks::resolve(ref, oldFolder, siteRoot);
        if (before.outside)
            continue;
        const QString target = movedPath(before.path, move);
        const sitelinks::Target now = sitelinks::resolve(ref, newFolder, siteRoot);
        if (!now.outside && now.path == target)
            continue;
        qsizetype start = 0;
        qsizetype end = 0;
        pathRange(link.written, &start, &end);
        Edit edit;
        edit.start = link.start + start;
        edit.length = end - start;
        edit.replacement = newLinkPath(ref, target, newFolder, siteRoot, encoding);
        edit.line = link.line;
        edit.before = link.written;
        edit.after = link.written.left(start) + edit.replacement + link.written.mid(end);
        edits.append(edit);
    }
    return edits;
}

} // namespace

QList<Edit> editsFor(QStringView text, const QString &pagePath, const Move &move,
                     const QString &siteRoot, textfile::Encoding encoding)
{
    return editsForPage(sitelinks::scanPage(text), pagePath, move, siteRoot, encoding);
}

QString applied(QStringView text, const QList<Edit> &edits)
{
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    for (const Edit &edit : edits) {
        out += text.sliced(from, edit.start - from);
        out += edit.replacement;
        from = edit.start + edit.length;
    }
    out += text.sliced(from);
    return out;
}

Plan plan(const QString &root, const Move &move, const OpenDocument &openDocument)
{
    Plan result;
    QSet<QString> files;
    QSet<QString> folders;
    linkcheck::listSite(root, &files, &folders);
    QStringList pages;
    for (const QString &path : std::as_const(files)) {
        if (sitelinks::isPageName(path))
            pages << path;
    }
    std::sort(pages.begin(), pages.end());
    for (const QString &path : std::as_const(pages)) {
        PageChange change;
        change.page = path;
        change.movedTo = movedPath(path, move);
        const QString absolute = root + u'/' + path;
        change.open = openDocument && openDocument(absolute, &change.text, &change.encoding);
        if (!change.open) {
            QByteArray bytes;
            if (!textfile::readFile(absolute, &bytes)) {
                result.unreadable << path;
                continue;
            }
            change.text = textfile::decode(bytes, &change.encoding);
            if (textfile::looksBinary(bytes, change.text)) {
                result.unreadable << path;
                continue;
            }
        }
        const sitelinks::Page page = sitelinks::scanPage(change.text);
        if (page.hasBase) {
            result.withBase << path;
            continue;
        }
        change.edits = editsForPage(page, path, move, root, change.encoding);
        if (!change.edits.isEmpty())
            result.changes.append(change);
    }
    return result;
}

QString describe(const Plan &plan, int maxLines)
{
    qsizetype links = 0;
    for (const PageChange &change : plan.changes)
        links += change.edits.size();
    QString out =
        tr("%n link(s) lead to what moves. ", "", int(links)) + tr("Update them in these pages?");
    int lines = 0;
    qsizetype shown = 0;
    for (const PageChange &change : plan.changes) {
        for (const Edit &edit : change.edits) {
            if (lines >= maxLines)
                break;
            out += u'\n' + tr("%1, line %2: %3 \u2192 %4")
                               .arg(change.page)
                               .arg(edit.line)
                               .arg(edit.before, edit.after);
            ++lines;
            ++shown;
        }
    }
    if (shown < links)
        out += u'\n' + tr("... and %n more.", "", int(links - shown));
    if (!plan.unreadable.isEmpty())
        out += u'\n' + tr("Not read: %1").arg(plan.unreadable.join(QLatin1String(", ")));
    if (!plan.withBase.isEmpty())
        out += u'\n' + tr("Left alone (they name a BASE address): %1")
                           .arg(plan.withBase.join(QLatin1String(", ")));
    return out;
}

QList<WriteResult> write(const QString &root, const QList<PageChange> &changes)
{
    QList<WriteResult> results;
    QList<int> staged; // index in results of each page in the batch
    safefile::Batch batch;
    safefile::Options options;
    options.existingOnly = true;
    for (const PageChange &change : changes) {
        if (change.open)
            continue;
        WriteResult result;
        result.page = change.movedTo;
        const QString path = root + u'/' + change.movedTo;
        QByteArray bytes;
        textfile::Encoding encoding;
        if (!textfile::readFile(path, &bytes, &result.error)) {
            results.append(result);
            continue;
        }
        const QString text = textfile::decode(bytes, &encoding);
        int unrepresentable = 0;
        if (text != change.text || encoding != change.encoding) {
            result.error = tr("The page changed after the list of changes was made.");
        } else if (textfile::encode(text, encoding) != bytes) {
            result.error = tr("The page would not be written back as it was.");
        } else {
            const QByteArray out =
                textfile::encode(applied(text, change.edits), encoding, &unrepresentable);
            if (unrepresentable > 0)
                result.error = tr("The new links cannot be written in the page's encoding.");
            else if (batch.add(path, out, options, &result.error))
                staged.append(int(results.size()));
        }
        results.append(result);
    }
    const QList<safefile::Batch::Result> committed = batch.commit();
    for (qsizetype i = 0; i < committed.size() && i < staged.size(); ++i) {
        WriteResult &result = results[staged[i]];
        result.ok = committed[i].ok;
        result.error = committed[i].error;
    }
    return results;
}

} // namespace linkrewrite
