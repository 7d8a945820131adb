// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/linkcheck.h"

#include "platform/safefile.h"
#include "platform/textfile.h"

#include <algorithm>
#include <dirent.h>
#include <QCoreApplication>
#include <QFile>
#include <sys/stat.h>

namespace linkcheck {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("linkcheck", text);
}

struct Listing
{
    QByteArray root;
    QSet<QString> *files;
    QSet<QString> *folders;
    const std::atomic<bool> *cancel;
};

void listInto(const Listing &listing, const QByteArray &relative)
{
    if (listing.cancel && *listing.cancel)
        return;
    const QByteArray folder = relative.isEmpty() ? listing.root : listing.root + '/' + relative;
    DIR *dir = opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent *entry = readdir(dir)) {
        const QByteArray local(entry->d_name);
        if (local == "." || local == "..")
            continue;
        const QString name = QFile::decodeName(local);
        if (safefile::isTemporaryName(name))
            continue;
        const QByteArray localPath = relative.isEmpty() ? local : relative + '/' + local;
        struct stat st;
        if (lstat((folder + '/' + local).constData(), &st) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            listing.folders->insert(QFile::decodeName(localPath));
            if (!name.startsWith(u'.'))
                listInto(listing, localPath);
            continue;
        }
        // A link counts as what it leads to; one to a folder is not entered.
        if (S_ISLNK(st.st_mode) && stat((folder + '/' + local).constData(), &st) == 0 &&
            S_ISDIR(st.st_mode)) {
            listing.folders->insert(QFile::decodeName(localPath));
            continue;
        }
        listing.files->insert(QFile::decodeName(localPath));
    }
    closedir(dir);
}

Problem missing(sitelinks::Kind kind)
{
    switch (kind) {
    case sitelinks::Kind::Frame:
        return Problem::MissingFrame;
    case sitelinks::Kind::Image:
        return Problem::MissingImage;
    case sitelinks::Kind::Sound:
        return Problem::MissingSound;
    case sitelinks::Kind::StyleSheet:
        return Problem::MissingStyleSheet;
    case sitelinks::Kind::Script:
        return Problem::MissingScript;
    case sitelinks::Kind::Page:
    case sitelinks::Kind::Object:
        break;
    }
    return Problem::MissingFile;
}

// "#top" and "#" lead to the top of any page.
bool alwaysThere(const QString &fragment)
{
    return fragment.isEmpty() || fragment.compare(QLatin1String("top"), Qt::CaseInsensitive) == 0;
}

} // namespace

QString problemText(const Row &row)
{
    switch (row.problem) {
    case Problem::MissingFile:
        return tr("Missing file");
    case Problem::MissingFrame:
        return tr("Missing frame");
    case Problem::MissingImage:
        return tr("Missing image");
    case Problem::MissingSound:
        return tr("Missing sound");
    case Problem::MissingStyleSheet:
        return tr("Missing style sheet");
    case Problem::MissingScript:
        return tr("Missing script");
    case Problem::MissingAnchor:
        return tr("No anchor named \"%1\"").arg(row.detail);
    case Problem::LetterCase:
        return tr("Letter case differs from the file %1").arg(row.detail);
    case Problem::OutsideSite:
        return tr("Leads out of the site folder");
    }
    return QString();
}

QList<Row> check(const Site &site)
{
    // Every file and folder by its path in small letters, for the links
    // that differ only in letter case.
    QHash<QString, QString> folded;
    folded.reserve(site.files.size() + site.folders.size());
    for (const QSet<QString> *set : {&site.files, &site.folders}) {
        for (const QString &path : *set)
            folded.insert(path.toLower(), path);
    }

    QStringList pages = site.pages.keys();
    std::sort(pages.begin(), pages.end());
    QList<Row> rows;
    for (const QString &pagePath : pages) {
        const sitelinks::Page &page = site.pages.value(pagePath);
        QString folder = sitelinks::folderOf(pagePath);
        bool fragmentsHere = true;
        bool relativeExternal = false;
        if (page.hasBase) {
            // Links are read from the BASE address; "#name" then leads to it.
            fragmentsHere = false;
            const sitelinks::Reference base = sitelinks::parse(page.base);
            if (base.type == sitelinks::Reference::Type::External) {
                relativeExternal = true;
            } else if (base.type == sitelinks::Reference::Type::Local) {
                const sitelinks::Target at = sitelinks::resolve(base, folder, site.root);
                if (!at.outside)
                    folder = base.folder ? at.path : sitelinks::folderOf(at.path);
            }
        }
        for (const sitelinks::Link &link : page.links) {
            const sitelinks::Reference ref = sitelinks::parse(link.value);
            auto add = [&](Problem problem, const QString &detail = QString()) {
                rows.append(Row{pagePath, link.line, link.written, problem, detail});
            };
            if (ref.type == sitelinks::Reference::Type::Fragment) {
                if (fragmentsHere && !alwaysThere(ref.fragment) &&
                    !page.anchors.contains(ref.fragment))
                    add(Problem::MissingAnchor, ref.fragment);
                continue;
            }
            if (ref.type != sitelinks::Reference::Type::Local)
                continue;
            if (relativeExternal && !ref.fileUrl)
                continue;
            const sitelinks::Target target = sitelinks::resolve(ref, folder, site.root);
            if (target.outside) {
                add(Problem::OutsideSite);
                continue;
            }
            if (target.path.isEmpty() || site.folders.contains(target.path))
                continue; // the site folder or one of its folders
            if (!site.files.contains(target.path)) {
                const auto real = folded.constFind(target.path.toLower());
                if (real != folded.constEnd())
                    add(Problem::LetterCase, *real);
                else
                    add(missing(link.kind));
                continue;
            }
            if (!ref.hasFragment || alwaysThere(ref.fragment))
                continue;
            const auto linked = site.pages.constFind(target.path);
            if (linked != site.pages.constEnd() && !linked->anchors.contains(ref.fragment))
                add(Problem::MissingAnchor, ref.fragment);
        }
    }
    return rows;
}

void listSite(const QString &root, QSet<QString> *files, QSet<QString> *folders,
              const std::atomic<bool> *cancel)
{
    listInto(Listing{QFile::encodeName(root), files, folders, cancel}, QByteArray());
}

bool readSite(const QString &root, Site *site, const Progress &progress)
{
    site->root = root;
    listSite(root, &site->files, &site->folders, progress.cancel);
    QStringList pages;
    for (const QString &path : std::as_const(site->files)) {
        if (sitelinks::isPageName(path))
            pages << path;
    }
    std::sort(pages.begin(), pages.end());
    site->pages.reserve(pages.size());
    int done = 0;
    for (const QString &path : std::as_const(pages)) {
        if (progress.cancel && *progress.cancel)
            return false;
        QByteArray bytes;
        textfile::Encoding encoding;
        const bool read = textfile::readFile(root + u'/' + path, &bytes);
        const QString text = read ? textfile::decode(bytes, &encoding) : QString();
        if (!read || textfile::looksBinary(bytes, text))
            site->unreadable << path;
        else
            site->pages.insert(path, sitelinks::scanPage(text));
        if (progress.report)
            progress.report(++done, int(pages.size()));
    }
    return !(progress.cancel && *progress.cancel);
}

} // namespace linkcheck
