// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every document's spelling check shares: the installed and loaded
// dictionaries, the personal word list and the words ignored for the
// session. The main window owns one.

#include "check/dictionary.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <map>
#include <memory>

class QThread;

class SpellService : public QObject
{
    Q_OBJECT
public:
    // personalPath: the personal word list, made when the first word is
    // added. The installed dictionaries are looked for now.
    explicit SpellService(const QString &personalPath, QObject *parent = nullptr);
    ~SpellService() override;

    // Marking misspellings while one types (a setting); the Spelling
    // dialog works either way.
    bool isLive() const { return m_live; }
    void setLive(bool live);
    // The dictionary chosen in the settings; empty: the page's LANG, else
    // the locale.
    QString chosenLanguage() const { return m_chosen; }
    void setChosenLanguage(const QString &name);

    QStringList installed() const;
    QString personalPath() const { return m_personalPath; }
    // The dictionary for a page whose HTML tag names language.
    QString dictionaryFor(const QString &language) const;

    // The loaded dictionary, or null: the first request starts loading it
    // in a worker thread, and dictionaryLoaded follows.
    spelling::Dictionary *dictionary(const QString &name);
    // The same, waiting for the load.
    spelling::Dictionary *loadNow(const QString &name);

    // The word is right: in the dictionary, the personal list or ignored.
    bool isCorrect(spelling::Dictionary &dictionary, const QString &word) const;
    // Adds the word to the personal list, and saves it; false (with the
    // reason) when the list cannot be written.
    bool addWord(const QString &word, QString *error = nullptr);
    // Takes the word for right until the program ends.
    void ignoreWord(const QString &word);

signals:
    void dictionaryLoaded(const QString &name);
    // Added or ignored words, the live switch or the language changed:
    // documents check again.
    void wordsChanged();
    void optionsChanged();

private:
    void startLoading(const spelling::DictionaryFile &file);

    QString m_personalPath;
    QList<spelling::DictionaryFile> m_installed;
    QString m_chosen;
    bool m_live = true;
    std::map<QString, std::unique_ptr<spelling::Dictionary>> m_loaded;
    QHash<QString, QThread *> m_loading;
    QStringList m_personal;
    QSet<QString> m_personalSet;
    QSet<QString> m_ignored;
};
