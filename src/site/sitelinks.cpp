// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/sitelinks.h"

#include "kernel/tagscan.h"

#include <QDir>
#include <QStringList>
#include <QUrl>

namespace sitelinks {

namespace {

struct LinkAttribute
{
    QLatin1StringView tag;
    QLatin1StringView attribute;
    Kind kind;
};

const LinkAttribute kLinkAttributes[] = {
    {QLatin1StringView("a"), QLatin1StringView("href"), Kind::Page},
    {QLatin1StringView("area"), QLatin1StringView("href"), Kind::Page},
    {QLatin1StringView("frame"), QLatin1StringView("src"), Kind::Frame},
    {QLatin1StringView("iframe"), QLatin1StringView("src"), Kind::Frame},
    {QLatin1StringView("img"), QLatin1StringView("src"), Kind::Image},
    {QLatin1StringView("img"), QLatin1StringView("lowsrc"), Kind::Image},
    {QLatin1StringView("img"), QLatin1StringView("dynsrc"), Kind::Sound},
    {QLatin1StringView("input"), QLatin1StringView("src"), Kind::Image},
    {QLatin1StringView("body"), QLatin1StringView("background"), Kind::Image},
    {QLatin1StringView("table"), QLatin1StringView("background"), Kind::Image},
    {QLatin1StringView("tr"), QLatin1StringView("background"), Kind::Image},
    {QLatin1StringView("td"), QLatin1StringView("background"), Kind::Image},
    {QLatin1StringView("th"), QLatin1StringView("background"), Kind::Image},
    {QLatin1StringView("bgsound"), QLatin1StringView("src"), Kind::Sound},
    {QLatin1StringView("embed"), QLatin1StringView("src"), Kind::Sound},
    {QLatin1StringView("audio"), QLatin1StringView("src"), Kind::Sound},
    {QLatin1StringView("video"), QLatin1StringView("src"), Kind::Sound},
    {QLatin1StringView("video"), QLatin1StringView("poster"), Kind::Image},
    {QLatin1StringView("source"), QLatin1StringView("src"), Kind::Sound},
    {QLatin1StringView("script"), QLatin1StringView("src"), Kind::Script},
    {QLatin1StringView("object"), QLatin1StringView("data"), Kind::Object},
};

// A LINK by its REL: "stylesheet", an icon, anything else a page.
Kind linkElementKind(const QString &rel)
{
    const QStringList words = rel.toLower().split(u' ', Qt::SkipEmptyParts);
    if (words.contains(QLatin1String("stylesheet")))
        return Kind::StyleSheet;
    if (words.contains(QLatin1String("icon")))
        return Kind::Image;
    return Kind::Page;
}

bool isUrlSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\r' || u == u'\f';
}

QString percentDecoded(QStringView text)
{
    if (!text.contains(u'%'))
        return text.toString();
    return QUrl::fromPercentEncoding(text.toUtf8());
}

// The scheme of an absolute URL ("http", "file", "mailto"), empty for a
// relative one.
QStringView schemeOf(QStringView value)
{
    if (value.isEmpty() || !value[0].isLetter() || value[0].unicode() > 0x7F)
        return {};
    for (qsizetype i = 1; i < value.size(); ++i) {
        const char16_t u = value[i].unicode();
        if (u == u':')
            return value.first(i);
        const bool ok = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') ||
                        (u >= u'0' && u <= u'9') || u == u'+' || u == u'-' || u == u'.';
        if (!ok)
            return {};
    }
    return {};
}

// "." and ".." taken out of a path of "/"-separated segments; false when
// ".." climbs above the start.
bool normalise(const QString &path, QStringList *segments)
{
    for (const QString &segment : path.split(u'/')) {
        if (segment.isEmpty() || segment == QLatin1String("."))
            continue;
        if (segment == QLatin1String("..")) {
            if (segments->isEmpty())
                return false;
            segments->removeLast();
            continue;
        }
        segments->append(segment);
    }
    return true;
}

} // namespace

Page scanPage(QStringView html)
{
    Page page;
    tagscan::Scanner scanner(html);
    tagscan::LineCounter lines(html);
    tagscan::Tag tag;
    auto add = [&](const tagscan::Attribute &attribute, Kind kind) {
        if (attribute.valueStart < 0)
            return;
        Link link;
        link.kind = kind;
        link.start = attribute.valueStart;
        link.length = attribute.valueLength;
        link.line = lines.lineAt(attribute.valueStart);
        link.written = scanner.rawValue(attribute).toString();
        link.value = tagscan::decodeReferences(link.written);
        page.links.append(link);
    };
    while (scanner.next(&tag)) {
        // Attributes in the order written, so line numbers only grow.
        for (const tagscan::Attribute &attribute : tag.attributes) {
            const auto named = [&](const char *name) {
                return scanner.nameIs(attribute.nameStart, attribute.nameLength,
                                      QLatin1StringView(name));
            };
            if (named("id") || (named("name") && scanner.tagIs(tag, QLatin1StringView("a")))) {
                if (attribute.valueStart >= 0)
                    page.anchors.insert(scanner.value(attribute));
                continue;
            }
            if (scanner.tagIs(tag, QLatin1StringView("base"))) {
                if (named("href") && !page.hasBase && attribute.valueStart >= 0) {
                    page.hasBase = true;
                    page.base = scanner.value(attribute);
                }
                continue;
            }
            if (scanner.tagIs(tag, QLatin1StringView("link"))) {
                if (named("href")) {
                    const tagscan::Attribute *rel = scanner.find(tag, QLatin1StringView("rel"));
                    add(attribute, linkElementKind(rel ? scanner.value(*rel) : QString()));
                }
                continue;
            }
            for (const LinkAttribute &known : kLinkAttributes) {
                if (scanner.tagIs(tag, known.tag) &&
                    scanner.nameIs(attribute.nameStart, attribute.nameLength, known.attribute)) {
                    add(attribute, known.kind);
                    break;
                }
            }
        }
    }
    return page;
}

Reference parse(QStringView value)
{
    Reference ref;
    qsizetype from = 0;
    qsizetype to = value.size();
    while (from < to && isUrlSpace(value[from]))
        ++from;
    while (to > from && isUrlSpace(value[to - 1]))
        --to;
    value = value.sliced(from, to - from);

    const qsizetype hash = value.indexOf(u'#');
    if (hash >= 0) {
        ref.hasFragment = true;
        ref.fragment = percentDecoded(value.sliced(hash + 1));
        value = value.first(hash);
    }
    const qsizetype query = value.indexOf(u'?');
    if (query >= 0)
        value = value.first(query);

    const QStringView scheme = schemeOf(value);
    if (!scheme.isEmpty()) {
        if (scheme.compare(QLatin1StringView("file"), Qt::CaseInsensitive) != 0) {
            ref.type = Reference::Type::External;
            return ref;
        }
        const QUrl url(value.toString());
        const QString host = url.host();
        if (!url.isValid() || (!host.isEmpty() && host != QLatin1String("localhost"))) {
            ref.type = Reference::Type::External;
            return ref;
        }
        ref.type = Reference::Type::Local;
        ref.fileUrl = true;
        ref.path = url.path(QUrl::FullyDecoded);
        ref.folder = ref.path.endsWith(u'/');
        return ref;
    }
    if (value.startsWith(u"//")) {
        ref.type = Reference::Type::External; // another host, same scheme
        return ref;
    }
    if (value.isEmpty()) {
        ref.type = ref.hasFragment ? Reference::Type::Fragment : Reference::Type::None;
        return ref;
    }
    ref.type = Reference::Type::Local;
    ref.rootRelative = value.startsWith(u'/');
    ref.path = percentDecoded(value);
    ref.folder = ref.path.endsWith(u'/');
    return ref;
}

Target resolve(const Reference &reference, const QString &pageFolder, const QString &siteRoot)
{
    Target target;
    QStringList segments;
    if (reference.fileUrl) {
        const QString root = QDir::cleanPath(siteRoot);
        const QString path = QDir::cleanPath(reference.path);
        if (path == root)
            return target;
        const QString prefix = root.endsWith(u'/') ? root : root + u'/';
        if (!path.startsWith(prefix)) {
            target.outside = true;
            return target;
        }
        normalise(path.mid(prefix.size()), &segments);
    } else {
        const bool ok = reference.rootRelative
                            ? normalise(reference.path, &segments)
                            : normalise(pageFolder + u'/' + reference.path, &segments);
        if (!ok) {
            target.outside = true;
            return target;
        }
    }
    target.path = segments.join(u'/');
    return target;
}

QString folderOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash);
}

QString relativePath(const QString &fromFolder, const QString &to)
{
    const QStringList from = fromFolder.split(u'/', Qt::SkipEmptyParts);
    const QStringList target = to.split(u'/', Qt::SkipEmptyParts);
    qsizetype common = 0;
    while (common < from.size() && common < target.size() && from[common] == target[common])
        ++common;
    QString out;
    for (qsizetype i = common; i < from.size(); ++i)
        out += QLatin1String("../");
    out += target.mid(common).join(u'/');
    return out.isEmpty() ? QStringLiteral("./") : out;
}

QString writtenPath(const QString &path, textfile::Encoding encoding)
{
    QString out;
    out.reserve(path.size());
    for (qsizetype i = 0; i < path.size(); ++i) {
        const QChar c = path[i];
        const char16_t u = c.unicode();
        if (u == u'&') {
            out += QLatin1String("&amp;");
            continue;
        }
        const bool special = u <= 0x20 || u == 0x7F || u == u'"' || u == u'\'' || u == u'#' ||
                             u == u'%' || u == u'?' || u == u'<' || u == u'>';
        // A surrogate pair goes as one character.
        const qsizetype width = c.isHighSurrogate() && i + 1 < path.size() ? 2 : 1;
        const QString character = path.mid(i, width);
        const bool held = u < 0x80 || textfile::firstUnrepresentable(character, encoding) < 0;
        if (special || !held)
            out += QString::fromLatin1(character.toUtf8().toPercentEncoding());
        else
            out += character;
        i += width - 1;
    }
    return out;
}

bool isPageName(const QString &name)
{
    for (const char *suffix : {".htm", ".html", ".shtml", ".xhtml"}) {
        if (name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

} // namespace sitelinks
