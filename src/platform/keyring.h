// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's keyring (the Secret Service, through QtKeychain): where a
// password rests when one answers. Calls wait for the keyring's answer,
// running the event loop meanwhile, so the caller reads like a file read.

#include <optional>
#include <QString>

class Keyring
{
public:
    virtual ~Keyring() = default;
    // The text stored under key: empty when the keyring holds none, nothing
    // when no keyring answers.
    virtual std::optional<QString> read(const QString &key) = 0;
    // False when no keyring took it.
    virtual bool write(const QString &key, const QString &text) = 0;
    // True when the key is gone (or never was there).
    virtual bool remove(const QString &key) = 0;
};

class DesktopKeyring : public Keyring
{
public:
    // service: the name the entries are filed under in the keyring.
    explicit DesktopKeyring(const QString &service = QStringLiteral("Lorimel"));

    std::optional<QString> read(const QString &key) override;
    bool write(const QString &key, const QString &text) override;
    bool remove(const QString &key) override;

private:
    QString m_service;
};
