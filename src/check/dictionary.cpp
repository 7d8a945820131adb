// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/dictionary.h"

#include <hunspell.hxx>

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>

namespace spelling {

namespace {

// Lookups remembered per dictionary before the memory is given back.
constexpr qsizetype MaxRemembered = 200000;

// "en-gb" and "en_GB.UTF-8@euro" both give language "en", region "GB".
struct Tag
{
    QString language;
    QString region;
};

Tag parseTag(QString text)
{
    text = text.section(u'.', 0, 0).section(u'@', 0, 0).trimmed();
    text.replace(u'-', u'_');
    const QStringList parts = text.split(u'_', Qt::SkipEmptyParts);
    Tag tag;
    if (parts.isEmpty())
        return tag;
    tag.language = parts[0].toLower();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        if (parts[i].size() == 2) {
            tag.region = parts[i].toUpper();
            break;
        }
    }
    return tag;
}

// The installed dictionary for a language tag: the exact one, one for the
// language alone, then one of its regions (the hinted region first, then
// the language's own, "de_DE", then the United States', then any).
QString match(const QString &text, const QString &regionHint, const QStringList &installed)
{
    const Tag tag = parseTag(text);
    if (tag.language.isEmpty())
        return QString();
    QList<QPair<QString, QString>> candidates; // name, region
    for (const QString &name : installed) {
        const Tag t = parseTag(name);
        if (t.language == tag.language)
            candidates.append({name, t.region});
    }
    QStringList regions;
    if (!tag.region.isEmpty())
        regions << tag.region;
    regions << QString() << regionHint << tag.language.toUpper() << QStringLiteral("US");
    for (const QString &region : std::as_const(regions)) {
        for (const auto &c : std::as_const(candidates)) {
            if (c.second == region)
                return c.first;
        }
    }
    return candidates.isEmpty() ? QString() : candidates.first().first;
}

// Qt's name for the encoding Hunspell reports ("ISO8859-1").
QByteArray qtEncodingName(const std::string &hunspellName)
{
    QByteArray name = QByteArray::fromStdString(hunspellName).trimmed().toUpper();
    if (name.startsWith("ISO") && !name.startsWith("ISO-"))
        name.insert(3, '-');
    return name;
}

} // namespace

QStringList dictionaryFolders()
{
    QStringList folders;
    for (const QString &data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << QDir(data).filePath(QStringLiteral("hunspell"));
    return folders;
}

QList<DictionaryFile> findDictionaries(const QStringList &folders)
{
    QList<DictionaryFile> found;
    QSet<QString> names;
    for (const QString &folder : folders) {
        const QDir dir(folder);
        const QFileInfoList dics =
            dir.entryInfoList({QStringLiteral("*.dic")}, QDir::Files | QDir::Readable, QDir::Name);
        for (const QFileInfo &dic : dics) {
            const QString name = dic.completeBaseName();
            const QFileInfo aff(dir.filePath(name + QStringLiteral(".aff")));
            if (names.contains(name) || !aff.isFile() || !aff.isReadable())
                continue;
            names.insert(name);
            found.append({name, aff.absoluteFilePath(), dic.absoluteFilePath()});
        }
    }
    std::sort(found.begin(), found.end(),
              [](const DictionaryFile &a, const DictionaryFile &b) { return a.name < b.name; });
    return found;
}

QString chooseDictionary(const QString &chosen, const QString &pageLanguage,
                         const QString &localeName, const QStringList &installed)
{
    if (!chosen.isEmpty() && installed.contains(chosen))
        return chosen;
    QString locale = localeName.trimmed();
    if (locale.isEmpty() || locale == u"C" || locale.startsWith(u"C.") || locale == u"POSIX")
        locale = QStringLiteral("en_US");
    const QString localeRegion = parseTag(locale).region;
    const QString forPage = match(pageLanguage, localeRegion, installed);
    if (!forPage.isEmpty())
        return forPage;
    return match(locale, localeRegion, installed);
}

Dictionary::Dictionary(const DictionaryFile &file) : m_name(file.name)
{
    m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(file.affPath).constData(),
                                            QFile::encodeName(file.dicPath).constData());
    const QByteArray encoding = qtEncodingName(m_hunspell->get_dict_encoding());
    m_encoder = QStringEncoder(encoding.constData());
    m_decoder = QStringDecoder(encoding.constData());
    if (!m_encoder.isValid() || !m_decoder.isValid()) {
        m_encoder = QStringEncoder(QStringConverter::Latin1);
        m_decoder = QStringDecoder(QStringConverter::Latin1);
    }
}

Dictionary::~Dictionary() = default;

std::string Dictionary::encoded(const QString &word)
{
    m_encoder.resetState();
    const QByteArray bytes = m_encoder.encode(word);
    return bytes.toStdString();
}

QString Dictionary::decoded(const std::string &bytes)
{
    m_decoder.resetState();
    return m_decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

bool Dictionary::isCorrect(const QString &word)
{
    const auto it = m_known.constFind(word);
    if (it != m_known.constEnd())
        return it.value();
    if (m_known.size() >= MaxRemembered)
        m_known.clear();
    const bool correct = m_hunspell->spell(encoded(word));
    m_known.insert(word, correct);
    return correct;
}

QStringList Dictionary::suggestions(const QString &word, int max)
{
    QStringList out;
    for (const std::string &s : m_hunspell->suggest(encoded(word))) {
        if (out.size() >= max)
            break;
        out << decoded(s);
    }
    return out;
}

void Dictionary::addWord(const QString &word)
{
    m_hunspell->add(encoded(word));
    m_known.insert(word, true);
}

QStringList parseWordList(QByteArrayView bytes)
{
    QStringList words;
    QSet<QString> seen;
    for (const QString &line : QString::fromUtf8(bytes).split(u'\n')) {
        const QString word = line.trimmed();
        if (word.isEmpty() || seen.contains(word))
            continue;
        seen.insert(word);
        words << word;
    }
    return words;
}

QByteArray wordListBytes(const QStringList &words)
{
    QByteArray bytes;
    for (const QString &word : words)
        bytes += word.trimmed().toUtf8() + '\n';
    return bytes;
}

} // namespace spelling
