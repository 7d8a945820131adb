// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/spellservice.h"

#include "platform/safefile.h"
#include "platform/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QThread>

SpellService::SpellService(const QString &personalPath, QObject *parent)
    : QObject(parent), m_personalPath(personalPath),
      m_installed(spelling::findDictionaries(spelling::dictionaryFolders()))
{
    QByteArray bytes;
    if (textfile::readFile(personalPath, &bytes)) {
        m_personal = spelling::parseWordList(bytes);
        m_personalSet = QSet<QString>(m_personal.cbegin(), m_personal.cend());
    }
}

SpellService::~SpellService()
{
    // A dictionary still loading is waited for: its thread writes into
    // memory this object owns.
    for (QThread *thread : std::as_const(m_loading)) {
        thread->wait();
        delete thread;
    }
}

void SpellService::setLive(bool live)
{
    if (live == m_live)
        return;
    m_live = live;
    emit optionsChanged();
}

void SpellService::setChosenLanguage(const QString &name)
{
    if (name == m_chosen)
        return;
    m_chosen = name;
    emit optionsChanged();
}

QStringList SpellService::installed() const
{
    QStringList names;
    for (const spelling::DictionaryFile &file : m_installed)
        names << file.name;
    return names;
}

QString SpellService::dictionaryFor(const QString &language) const
{
    return spelling::chooseDictionary(m_chosen, language, QLocale::system().name(), installed());
}

spelling::Dictionary *SpellService::dictionary(const QString &name)
{
    const auto it = m_loaded.find(name);
    if (it != m_loaded.end())
        return it->second.get();
    if (!m_loading.contains(name)) {
        for (const spelling::DictionaryFile &file : std::as_const(m_installed)) {
            if (file.name == name)
                startLoading(file);
        }
    }
    return nullptr;
}

void SpellService::startLoading(const spelling::DictionaryFile &file)
{
    auto loaded = std::make_shared<std::unique_ptr<spelling::Dictionary>>();
    QThread *thread =
        QThread::create([loaded, file] { *loaded = std::make_unique<spelling::Dictionary>(file); });
    m_loading.insert(file.name, thread);
    const QString name = file.name;
    connect(thread, &QThread::finished, this, [this, loaded, name, thread] {
        if (m_loading.value(name) != thread)
            return; // taken by loadNow
        m_loading.remove(name);
        thread->deleteLater();
        m_loaded[name] = std::move(*loaded);
        emit dictionaryLoaded(name);
    });
    thread->start(QThread::LowPriority);
}

spelling::Dictionary *SpellService::loadNow(const QString &name)
{
    if (spelling::Dictionary *d = dictionary(name))
        return d;
    if (QThread *thread = m_loading.value(name)) {
        thread->wait();
        // The finished signal is queued; deliver it now.
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
    const auto it = m_loaded.find(name);
    return it != m_loaded.end() ? it->second.get() : nullptr;
}

bool SpellService::isCorrect(spelling::Dictionary &dictionary, const QString &word) const
{
    return m_personalSet.contains(word) || m_ignored.contains(word) || dictionary.isCorrect(word);
}

bool SpellService::addWord(const QString &word, QString *error)
{
    if (m_personalSet.contains(word))
        return true;
    const QStringList words = m_personal + QStringList{word};
    QDir().mkpath(QFileInfo(m_personalPath).path());
    if (!safefile::write(m_personalPath, spelling::wordListBytes(words), error))
        return false;
    m_personal = words;
    m_personalSet.insert(word);
    emit wordsChanged();
    return true;
}

void SpellService::ignoreWord(const QString &word)
{
    m_ignored.insert(word);
    emit wordsChanged();
}
