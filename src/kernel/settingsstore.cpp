// SPDX-License-Identifier: GPL-3.0-or-later
#include "kernel/settingsstore.h"

#include "kernel/inifile.h"
#include "platform/keyring.h"
#include "platform/numbers.h"
#include "platform/safefile.h"
#include "platform/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QStandardPaths>

#include <sys/stat.h>

namespace {

// The keys that hold secrets.
bool isSecret(const QString &app, const QString &section, const QString &key)
{
    return app == SettingsStore::mainApp() && section == QLatin1String("Direct") &&
           key == QLatin1String("FTPPassword");
}

QString keyringKey(const QString &app, const QString &section, const QString &key)
{
    return app + u'/' + section + u'/' + key;
}

QString tr(const char *text)
{
    return QCoreApplication::translate("SettingsStore", text);
}

// A file as it was when last read or written, to notice another program
// changing it meanwhile.
struct Stamp
{
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    qint64 modified = 0; // nanoseconds

    static Stamp of(const QString &path)
    {
        Stamp stamp;
        struct stat st;
        if (stat(QFile::encodeName(path).constData(), &st) != 0)
            return stamp;
        stamp.exists = true;
        stamp.device = st.st_dev;
        stamp.inode = st.st_ino;
        stamp.size = st.st_size;
        stamp.modified = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        return stamp;
    }
    bool operator==(const Stamp &o) const
    {
        return exists == o.exists && device == o.device && inode == o.inode && size == o.size &&
               modified == o.modified;
    }
};

struct Change
{
    enum Kind { Set, RemoveKey, RemoveSection, Clear } kind;
    QString section, key, text;

    bool applyTo(IniFile &ini) const
    {
        switch (kind) {
        case Set:
            return ini.setValue(section, key, text);
        case RemoveKey:
            return ini.remove(section, key);
        case RemoveSection:
            return ini.removeSection(section);
        case Clear:
            return ini.clear();
        }
        return false;
    }
};

safefile::Options privateFile()
{
    safefile::Options options;
    options.newFileMode = 0600;
    return options;
}

} // namespace

struct SettingsStore::File
{
    explicit File(bool caseInsensitiveKeys) : ini(caseInsensitiveKeys) {}

    IniFile ini;
    QList<Change> pending; // made since the last write
    Stamp stamp;
    bool unreadable = false; // there but unreadable: never written over
    bool damaged = false;    // set aside: replaced at the next sync

    void change(const Change &c)
    {
        if (c.applyTo(ini))
            pending << c;
    }
};

SettingsStore::SettingsStore(const QString &directory)
    : m_directory(directory.isEmpty() ? defaultDirectory() : directory)
{
}

SettingsStore::~SettingsStore()
{
    sync();
}

QString SettingsStore::defaultDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/lorimel");
}

QString SettingsStore::fileName(const QString &app) const
{
    return m_directory + u'/' + app + QStringLiteral(".ini");
}

SettingsStore::File &SettingsStore::file(const QString &app) const
{
    auto it = m_files.find(app);
    if (it != m_files.end())
        return *it->second;
    // Organizer keys are looked up without regard to case.
    auto f = std::make_unique<File>(app == organizerApp());
    const QString path = fileName(app);
    f->stamp = Stamp::of(path);
    if (f->stamp.exists) {
        QByteArray bytes;
        QString why;
        if (!textfile::readFile(path, &bytes, &why)) {
            f->unreadable = true;
            m_problems << tr("The settings file %1 cannot be read: %2\n"
                             "Default settings are used, and the file is left as it is.")
                              .arg(path, why);
        } else if (!f->ini.parse(bytes, &why)) {
            const QString copy = path + QStringLiteral(".damaged");
            const bool kept = safefile::write(copy, bytes, privateFile());
            f->damaged = true;
            m_problems << tr("The settings file %1 is damaged: %2.\n%3Default settings are used.")
                              .arg(path, why,
                                   kept ? tr("A copy was kept as %1.\n").arg(copy) : QString());
        }
    }
    File &ref = *f;
    m_files.emplace(app, std::move(f));
    // A password stored before, in a file with loose modes.
    if (app == mainApp() &&
        !ref.ini.value(QStringLiteral("Direct"), QStringLiteral("FTPPassword")).isEmpty())
        tightenModes();
    return ref;
}

void SettingsStore::tightenModes() const
{
    QFile::setPermissions(m_directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const QString &app : {mainApp(), windowApp(), organizerApp(), programApp()}) {
        const QString path = fileName(app);
        if (QFileInfo(path).isFile())
            QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }
}

QStringList SettingsStore::takeProblems()
{
    QStringList problems;
    problems.swap(m_problems);
    return problems;
}

QString SettingsStore::get(const QString &app, const QString &section, const QString &key,
                           const QString &defaultValue) const
{
    const IniFile &ini = file(app).ini;
    return ini.contains(section, key) ? ini.value(section, key) : defaultValue;
}

bool SettingsStore::contains(const QString &app, const QString &section, const QString &key) const
{
    return file(app).ini.contains(section, key);
}

QStringList SettingsStore::keys(const QString &app, const QString &section) const
{
    return file(app).ini.keys(section);
}

void SettingsStore::save(const QString &app, const QString &section, const QString &key,
                         const QString &text)
{
    file(app).change({Change::Set, section, key, text});
    if (isSecret(app, section, key) && !text.isEmpty())
        tightenModes();
}

QString SettingsStore::secret(const QString &app, const QString &section, const QString &key) const
{
    const QString stored = get(app, section, key);
    if (!stored.isEmpty() || !m_keyring)
        return stored;
    return m_keyring->read(keyringKey(app, section, key)).value_or(QString());
}

bool SettingsStore::saveSecret(const QString &app, const QString &section, const QString &key,
                               const QString &text)
{
    const QString name = keyringKey(app, section, key);
    const bool kept =
        m_keyring && (text.isEmpty() ? m_keyring->remove(name) : m_keyring->write(name, text));
    save(app, section, key, kept ? QString() : text);
    return kept;
}

void SettingsStore::forgetSecrets(const QString &app, const QString &section, const QString &key)
{
    if (!m_keyring || app != mainApp())
        return;
    const QString s = section.isEmpty() ? QStringLiteral("Direct") : section;
    const QString k = key.isEmpty() ? QStringLiteral("FTPPassword") : key;
    if (isSecret(app, s, k))
        m_keyring->remove(keyringKey(app, s, k));
}

void SettingsStore::remove(const QString &app)
{
    forgetSecrets(app, QString(), QString());
    file(app).change({Change::Clear, {}, {}, {}});
}

void SettingsStore::remove(const QString &app, const QString &section)
{
    forgetSecrets(app, section, QString());
    file(app).change({Change::RemoveSection, section, {}, {}});
}

void SettingsStore::remove(const QString &app, const QString &section, const QString &key)
{
    forgetSecrets(app, section, key);
    file(app).change({Change::RemoveKey, section, key, {}});
}

double SettingsStore::number(const QString &app, const QString &section, const QString &key,
                             double defaultValue) const
{
    if (!contains(app, section, key))
        return defaultValue;
    return numbers::leadingNumber(get(app, section, key));
}

bool SettingsStore::textToBoolean(const QString &text, bool defaultValue)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (ok)
        return value != 0.0;
    return defaultValue;
}

bool SettingsStore::boolean(const QString &app, const QString &section, const QString &key,
                            bool defaultValue) const
{
    if (!contains(app, section, key))
        return defaultValue;
    return textToBoolean(get(app, section, key), defaultValue);
}

bool SettingsStore::notExactlyFalse(const QString &app, const QString &section,
                                    const QString &key) const
{
    return get(app, section, key, QStringLiteral("True")) != QLatin1String("False");
}

bool SettingsStore::sync()
{
    bool ok = true;
    for (auto &entry : m_files)
        ok = syncFile(entry.first, *entry.second) && ok;
    return ok;
}

bool SettingsStore::sync(const QString &app)
{
    const auto it = m_files.find(app);
    return it == m_files.end() || syncFile(app, *it->second);
}

bool SettingsStore::syncFile(const QString &app, File &f)
{
    if (f.pending.isEmpty() && !f.damaged)
        return true;
    const QString path = fileName(app);
    if (f.unreadable) {
        m_lastError =
            tr("The settings file %1 cannot be read, so it is not written over.").arg(path);
        return false;
    }
    // Changed by another program since it was read: its values are taken
    // and only this store's changes go over them.
    const Stamp now = Stamp::of(path);
    if (!(now == f.stamp)) {
        IniFile fresh(app == organizerApp());
        QByteArray bytes;
        QString why;
        if (now.exists && !textfile::readFile(path, &bytes, &why)) {
            m_lastError = tr("The settings file %1 cannot be read: %2").arg(path, why);
            return false;
        }
        if (!fresh.parse(bytes)) {
            m_lastError = tr("The settings file %1 cannot be read.").arg(path);
            return false;
        }
        for (const Change &c : std::as_const(f.pending))
            c.applyTo(fresh);
        f.ini = fresh;
    }
    if (!QFileInfo::exists(m_directory) && QDir().mkpath(m_directory))
        QFile::setPermissions(m_directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QString why;
    if (!safefile::write(path, f.ini.serialize(), privateFile(), &why)) {
        m_lastError = tr("The settings file %1 cannot be written: %2").arg(path, why);
        return false;
    }
    f.pending.clear();
    f.damaged = false;
    f.stamp = Stamp::of(path);
    return true;
}
