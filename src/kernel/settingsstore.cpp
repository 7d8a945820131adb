#include "kernel/settingsstore.h"

#include "platform/keyring.h"
#include "platform/numbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

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

} // namespace

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
    setAsideIfDamaged(app, created);
    QSettings &ref = *created;
    m_files.emplace(app, std::move(created));
    // A password stored before, in a file with loose modes.
    if (app == mainApp() &&
        !ref.value(QStringLiteral("Direct/FTPPassword")).toStringList().join(QString()).isEmpty())
        tightenModes();
    return ref;
}

void SettingsStore::setAsideIfDamaged(const QString &app, std::unique_ptr<QSettings> &file) const
{
    const QSettings::Status status = file->status();
    if (status == QSettings::NoError)
        return;
    const QString path = fileName(app);
    QString what = QStringLiteral("it cannot be read");
    if (status == QSettings::FormatError) {
        // QSettings stops at a section name without its closing bracket.
        QFile in(path);
        int number = 0;
        if (in.open(QIODevice::ReadOnly)) {
            while (!in.atEnd()) {
                ++number;
                const QByteArray line = in.readLine().trimmed();
                if (line.startsWith('[') && !line.contains(']')) {
                    what = QStringLiteral("line %1 (\"%2\") cannot be read")
                               .arg(number)
                               .arg(QString::fromUtf8(line.left(80)));
                    break;
                }
            }
        }
        if (!what.startsWith(QLatin1String("line")))
            what = QStringLiteral("it cannot be parsed");
    }
    const QString copy = path + QStringLiteral(".damaged");
    QFile::remove(copy);
    const bool kept = QFileInfo(path).isFile() && QFile::copy(path, copy);
    file.reset();
    // An empty file in its place: the application starts with defaults.
    if (!QFileInfo(path).isDir())
        QFile::remove(path);
    QFile fresh(path);
    if (fresh.open(QIODevice::WriteOnly))
        fresh.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    fresh.close();
    file = std::make_unique<QSettings>(path, QSettings::IniFormat);
    m_problems << QStringLiteral(
                      "The settings file %1 is damaged: %2.\n%3Default settings are used.")
                      .arg(path, what,
                           kept ? QStringLiteral("A copy was kept as %1.\n").arg(copy) : QString());
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

QString SettingsStore::rawValue(const QString &app, const QString &key) const
{
    const qsizetype slash = key.indexOf(u'/');
    const QString section = key.left(slash);
    const QString name = key.mid(slash + 1);
    QFile in(fileName(app));
    if (!in.open(QIODevice::ReadOnly))
        return QString();
    bool inSection = false;
    while (!in.atEnd()) {
        const QString line = QString::fromUtf8(in.readLine()).trimmed();
        if (line.startsWith(u'[')) {
            inSection = line == u'[' + section + u']';
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (inSection && equals > 0 && line.left(equals).trimmed() == name)
            return line.mid(equals + 1).trimmed();
    }
    return QString();
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
    // QSettings splits a hand-written value at its commas; the text as it
    // stands in the file is the value ("/opt/a,b/ff").
    if (value.typeId() == QMetaType::QStringList) {
        const QString raw = rawValue(app, realKey(app, section, key));
        if (!raw.isEmpty() && !raw.contains(u'"') && !raw.contains(u'\\'))
            return raw;
        return value.toStringList().join(u',');
    }
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
    settings(app).clear();
    if (app == organizerApp())
        m_organizerKeys.clear();
}

void SettingsStore::remove(const QString &app, const QString &section)
{
    forgetSecrets(app, section, QString());
    settings(app).remove(section);
    if (app == organizerApp())
        m_organizerKeys.remove(section);
}

void SettingsStore::remove(const QString &app, const QString &section, const QString &key)
{
    forgetSecrets(app, section, key);
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
        if (s.status() == QSettings::FormatError) {
            // Changed on disk behind our back and damaged: not a write fault.
            m_lastError = QStringLiteral("The settings file %1 cannot be read.").arg(s.fileName());
            ok = false;
        } else if (s.status() != QSettings::NoError) {
            ok = false;
            m_lastError =
                QStringLiteral("The settings file %1 cannot be written.").arg(s.fileName());
        }
    }
    return ok;
}
