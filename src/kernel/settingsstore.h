// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user settings store: text values addressed by application,
// section and key, kept in one INI file per application name. Each file is
// read once, when its application is first used, and written by sync()
// through the one safe write; a file another instance changed meanwhile is
// read again first, so only this store's own changes replace its values.

#include <map>
#include <memory>
#include <QString>
#include <QStringList>

class Keyring;

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
    // The keys stored in a section, in file order.
    QStringList keys(const QString &app, const QString &section) const;
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

    // Writes pending changes to disk, of every application or of one.
    // False (with the reason in lastError()) when a file cannot be written;
    // its changes stay pending for the next sync.
    bool sync();
    bool sync(const QString &app);
    QString lastError() const { return m_lastError; }

    // What was wrong with the files read so far, each reported once. One
    // that cannot be parsed is kept as "<file>.damaged" and its application
    // starts with defaults; one that cannot be read at all is left as it is
    // and not written over.
    QStringList takeProblems();

    static bool textToBoolean(const QString &text, bool defaultValue);

private:
    struct File;
    File &file(const QString &app) const;
    bool syncFile(const QString &app, File &f);
    // The folder 0700 and the files 0600: they hold the FTP password.
    void tightenModes() const;
    void forgetSecrets(const QString &app, const QString &section, const QString &key);

    QString m_directory;
    mutable std::map<QString, std::unique_ptr<File>> m_files;
    QString m_lastError;
    mutable QStringList m_problems;
    Keyring *m_keyring = nullptr;
};
