// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One settings file in memory, in the INI syntax QSettings reads and writes
// (so files of earlier versions read the same, and QSettings reads these).
// Read here rather than through QSettings so that a file is parsed once in
// linear time, a value the program does not change goes back to the file
// exactly as it stood (hand-written commas, text that is not UTF-8), and the
// file is written by the one safe write.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

class IniFile
{
public:
    // caseInsensitiveKeys: a key is found whatever its letter case (the
    // organizer's keys); a changed key keeps the case it is stored in.
    explicit IniFile(bool caseInsensitiveKeys = false);

    // Reads a whole file, replacing what was held. False when it cannot be
    // read as INI (a section header without its closing bracket); *problem
    // then names the line: line 3 ("[Colors") cannot be read.
    bool parse(const QByteArray &bytes, QString *problem = nullptr);
    QByteArray serialize() const;

    bool contains(const QString &section, const QString &key) const;
    // The value, or a null string when the key is missing. A hand-written
    // value with commas comes back as it stands in the file.
    QString value(const QString &section, const QString &key) const;
    // False when the value was already this text (nothing changes).
    bool setValue(const QString &section, const QString &key, const QString &text);
    bool remove(const QString &section, const QString &key);
    bool removeSection(const QString &section);
    bool clear();
    // The keys of a section, in file order.
    QStringList keys(const QString &section) const;

    // The INI forms of a key and a text value, as QSettings writes them.
    static QByteArray escapedKey(const QString &key);
    static QByteArray escapedValue(const QString &text);
    // A value as it stands after "=" read back to its text.
    static QString unescapedValue(const QByteArray &raw);

private:
    struct Entry
    {
        QString key;
        QByteArray rawKey;
        QByteArray rawValue;
        bool live = true;
    };
    struct Section
    {
        QString name;
        QByteArray rawName;
        std::vector<Entry> entries;
        QHash<QString, int> index; // key (lower case when case-insensitive) -> entry
        int live = 0;
    };

    Section *section(const QString &name);
    const Section *section(const QString &name) const;
    Section &addSection(const QString &name, const QByteArray &rawName);
    const Entry *find(const Section *s, const QString &key) const;
    QString indexKey(const QString &key) const;
    void put(Section &s, const QString &key, const QByteArray &rawKey, const QByteArray &rawValue);

    bool m_caseInsensitive = false;
    std::vector<Section> m_sections;
    QHash<QString, int> m_sectionIndex;
};
