// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hunspell dictionaries: which are installed, which one a page is checked
// with, and the words of one.

#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

#include <memory>
#include <string>

class Hunspell;

namespace spelling {

struct DictionaryFile
{
    QString name; // "en_US"
    QString affPath;
    QString dicPath;
};

// The folders dictionaries are installed in: "hunspell" in each data folder
// ($XDG_DATA_HOME, then $XDG_DATA_DIRS, which name /usr/share).
QStringList dictionaryFolders();

// The dictionaries in the folders (NAME.dic beside NAME.aff), sorted by
// name; a name found in two folders is taken from the first.
QList<DictionaryFile> findDictionaries(const QStringList &folders);

// The dictionary to check with, among the installed names: the chosen one
// when it is installed; else the one the page's LANG names ("en-GB" or
// "en"); else the one of the locale ("de_DE.UTF-8"; "C" is American
// English); empty when none of them is installed.
QString chooseDictionary(const QString &chosen, const QString &pageLanguage,
                         const QString &localeName, const QStringList &installed);

// One loaded dictionary. Loading takes a moment: do it off the UI thread,
// then use the dictionary from one thread only.
class Dictionary
{
public:
    explicit Dictionary(const DictionaryFile &file);
    ~Dictionary();
    Dictionary(const Dictionary &) = delete;
    Dictionary &operator=(const Dictionary &) = delete;

    QString name() const { return m_name; }
    bool isCorrect(const QString &word);
    // At most max, the likeliest first.
    QStringList suggestions(const QString &word, int max = 8);
    // Known from now on, until the dictionary is unloaded.
    void addWord(const QString &word);

private:
    std::string encoded(const QString &word);
    QString decoded(const std::string &bytes);

    QString m_name;
    std::unique_ptr<Hunspell> m_hunspell;
    // The dictionary's own encoding (UTF-8 for most).
    QStringEncoder m_encoder;
    QStringDecoder m_decoder;
    QHash<QString, bool> m_known;
};

// The personal word list: one word a line, in UTF-8.
QStringList parseWordList(QByteArrayView bytes);
QByteArray wordListBytes(const QStringList &words);

} // namespace spelling
