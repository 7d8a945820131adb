#include "kernel/settingsstore.h"

#include "platform/numbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

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

QSettings &SettingsStore::settings(const QString &app) const
{
    auto it = m_files.find(app);
    if (it != m_files.end())
        return *it->second;
    const QString path = fileName(app);
    // The files hold the FTP password: create them readable by the user only
    // before QSettings writes them (it keeps an existing file's mode).
    if (!QFileInfo::exists(path)) {
        QDir().mkpath(m_directory);
        QFile::setPermissions(m_directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    auto created = std::make_unique<QSettings>(path, QSettings::IniFormat);
    QSettings &ref = *created;
    m_files.emplace(app, std::move(created));
    return ref;
}

// Organizer keys are looked up without regard to case; other applications
// use the key as given.
QString SettingsStore::realKey(const QString &app, const QString &section, const QString &key) const
{
    QSettings &s = settings(app);
    const QString exact = section + u'/' + key;
    if (app != organizerApp() || s.contains(exact))
        return exact;
    auto index = m_organizerKeys.find(section);
    if (index == m_organizerKeys.end()) {
        QHash<QString, QString> keys;
        s.beginGroup(section);
        for (const QString &k : s.childKeys())
            keys.insert(k.toLower(), k);
        s.endGroup();
        index = m_organizerKeys.insert(section, keys);
    }
    const auto found = index->constFind(key.toLower());
    return found == index->constEnd() ? exact : section + u'/' + *found;
}

QString SettingsStore::get(const QString &app, const QString &section, const QString &key,
                           const QString &defaultValue) const
{
    QSettings &s = settings(app);
    const QVariant value = s.value(realKey(app, section, key));
    if (!value.isValid())
        return defaultValue;
    // An unquoted value holding commas reads back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

bool SettingsStore::contains(const QString &app, const QString &section, const QString &key) const
{
    return settings(app).contains(realKey(app, section, key));
}

void SettingsStore::save(const QString &app, const QString &section, const QString &key,
                         const QString &text)
{
    const QString real = realKey(app, section, key);
    settings(app).setValue(real, text);
    if (app == organizerApp()) {
        auto index = m_organizerKeys.find(section);
        if (index != m_organizerKeys.end())
            index->insert(key.toLower(), real.mid(section.size() + 1));
    }
}

void SettingsStore::remove(const QString &app)
{
    settings(app).clear();
    if (app == organizerApp())
        m_organizerKeys.clear();
}

void SettingsStore::remove(const QString &app, const QString &section)
{
    settings(app).remove(section);
    if (app == organizerApp())
        m_organizerKeys.remove(section);
}

void SettingsStore::remove(const QString &app, const QString &section, const QString &key)
{
    settings(app).remove(realKey(app, section, key));
    if (app == organizerApp()) {
        auto index = m_organizerKeys.find(section);
        if (index != m_organizerKeys.end())
            index->remove(key.toLower());
    }
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
    for (auto &entry : m_files) {
        QSettings &s = *entry.second;
        s.sync();
        if (s.status() != QSettings::NoError) {
            ok = false;
            m_lastError =
                QStringLiteral("The settings file %1 cannot be written.").arg(s.fileName());
        }
    }
    return ok;
}
