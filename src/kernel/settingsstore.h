#pragma once
// The per-user settings store: text values addressed by application,
// section and key, kept in one INI file per application name.

#include <map>
#include <memory>
#include <QHash>
#include <QString>
#include <QStringList>

class Keyring;
class QSettings;

class SettingsStore
{
public:
    // Application names used by the program.
    static QString mainApp() { return QStringLiteral("Lorimel3"); }
    static QString windowApp() { return QStringLiteral("LM3"); }
    static QString organizerApp() { return QStringLiteral("Ostrel Organizer"); }
    static QString programApp() { return QStringLiteral("lorimel"); }

    // directory: where the INI files live; empty means the default,
    // $XDG_CONFIG_HOME/lorimel (~/.config/lorimel).
    explicit SettingsStore(const QString &directory = QString());
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    static QString defaultDirectory();
    QString directory() const { return m_directory; }
    QString fileName(const QString &app) const;

    // The stored text, or defaultValue when the key is missing.
    QString get(const QString &app, const QString &section, const QString &key,
                const QString &defaultValue = QString()) const;
    bool contains(const QString &app, const QString &section, const QString &key) const;
    void save(const QString &app, const QString &section, const QString &key, const QString &text);
    // Removes everything under app, a whole section, or one key.
    void remove(const QString &app);
    void remove(const QString &app, const QString &section);
    void remove(const QString &app, const QString &section, const QString &key);

    // Typed reads. A number is the text's leading number ("12abc" is 12,
    // "abc" is 0).
    double number(const QString &app, const QString &section, const QString &key,
                  double defaultValue) const;
    // "True"/"False" in any case, or a number (non-zero is true); any other
    // text gives defaultValue.
    bool boolean(const QString &app, const QString &section, const QString &key,
                 bool defaultValue) const;
    // True unless the stored text is exactly "False".
    bool notExactlyFalse(const QString &app, const QString &section, const QString &key) const;

    // Secrets (the FTP password): in the keyring when one is set and
    // answers, with the INI key left empty; otherwise in the INI file, which
    // is readable by the user only. A secret found in the INI file (stored
    // before, or where no keyring answered) is read from there, and moved to
    // the keyring the next time it is saved. Removing the key, its section
    // or its application removes it from the keyring too.
    void setKeyring(Keyring *keyring) { m_keyring = keyring; }
    QString secret(const QString &app, const QString &section, const QString &key) const;
    // True when the secret went to the keyring, false when to the INI file.
    bool saveSecret(const QString &app, const QString &section, const QString &key,
                    const QString &text);

    // Writes pending changes to disk. False (with a reason in lastError())
    // when a file cannot be written.
    bool sync();
    QString lastError() const { return m_lastError; }

    // What was wrong with the files read so far (one that could not be
    // read or parsed is kept as "<file>.damaged" and its application starts
    // with defaults), each reported once.
    QStringList takeProblems();

    static bool textToBoolean(const QString &text, bool defaultValue);

private:
    QSettings &settings(const QString &app) const;
    // A damaged file is put aside and replaced by an empty one.
    void setAsideIfDamaged(const QString &app, std::unique_ptr<QSettings> &file) const;
    // The folder 0700 and the files 0600: they hold the FTP password.
    void tightenModes() const;
    // The value as written in the file, for a hand-written one QSettings
    // split at its commas.
    QString rawValue(const QString &app, const QString &key) const;
    QString realKey(const QString &app, const QString &section, const QString &key) const;
    void forgetSecrets(const QString &app, const QString &section, const QString &key);

    QString m_directory;
    mutable std::map<QString, std::unique_ptr<QSettings>> m_files;
    // Organizer sections: each key in lower case to the key as stored, so a
    // key missing in its exact case is found without scanning the section.
    mutable QHash<QString, QHash<QString, QString>> m_organizerKeys;
    QString m_lastError;
    mutable QStringList m_problems;
    Keyring *m_keyring = nullptr;
};
