// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One session with an FTP, FTPS or SFTP directory, used from one worker
// thread: stores files under a temporary name and renames them, removes
// what a failed upload left behind, deletes files. The login is kept
// between calls, so a whole site goes over one connection.
//
// FTP addresses without ftps:// get TLS when the server offers it; SFTP
// host keys are checked against known_hosts, and an unknown key is put to
// the caller's question (a changed one is refused). The password goes to
// the transfer library only; no result text carries it.

#include "site/ftpaddress.h"

#include <atomic>
#include <functional>
#include <memory>
#include <QByteArray>
#include <QString>

class QObject;

namespace ftp {

struct Timeouts
{
    int connectSeconds = 20;  // reaching the server and logging in
    int responseSeconds = 30; // waiting for any one reply of the server
    int stallSeconds = 30;    // a transfer that moves no byte for this long
};

struct HostKeyQuestion
{
    QString host;
    int port = 22;
    QString keyType;     // "ssh-ed25519"
    QString fingerprint; // "SHA256:..." as ssh-keygen -l shows it
};

enum class HostKeyAnswer { Cancel, AcceptOnce, AcceptAndRemember };
using HostKeyAsker = std::function<HostKeyAnswer(const HostKeyQuestion &)>;

struct Options
{
    Timeouts timeouts;
    QString knownHostsFile;   // empty: ~/.ssh/known_hosts
    QString caFile;           // certificates to trust for ftps:// besides the system's
    bool makeFolders = false; // create missing folders on the way to a file
    // Called from the worker thread for an unknown SFTP host key; none
    // refuses unknown keys.
    HostKeyAsker askHostKey;
};

struct Result
{
    Failure failure = Failure::None;
    QString reason;        // describe()d, never holding the password
    bool encrypted = true; // false when the password and file went in clear
    QString leftOver;      // a temporary the server may still hold
    bool ok() const { return failure == Failure::None; }
};

// The SHA-256 fingerprint of an SSH public key blob, "SHA256:" and the
// unpadded base64, as ssh-keygen -l prints it.
QString sha256Fingerprint(const QByteArray &keyBlob);
// The key type named at the start of a key blob ("ssh-rsa"), empty when the
// blob is not one.
QString keyType(const QByteArray &keyBlob);
// The known_hosts line that remembers the key: "host type base64", the
// host written "[host]:port" off port 22.
QByteArray knownHostsLine(const QString &host, int port, const QByteArray &keyBlob);

// The messages shown when an upload ended.
QString outcomeMessage(const Result &result);

// Runs `ask` on the thread of `context` while the calling worker waits;
// gives Cancel as soon as *abort is set (or the context is gone).
HostKeyAsker askOnThreadOf(QObject *context, HostKeyAsker ask, const std::atomic<bool> *abort);

class Connection
{
public:
    // abort: checked while transferring; set, the call in progress ends as
    // Failure::Cancelled.
    Connection(const Address &address, const QString &userName, const QString &password,
               const Options &options, const std::atomic<bool> *abort);
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Called with the bytes of the current file sent so far.
    using Progress = std::function<void(qint64 sent)>;

    // Stores the local file as `path` (a name or "folder/name") below the
    // address's directory, making missing folders; replaces a file of
    // that name only once the whole file is there. After a failure the
    // temporary is removed (over a new connection when needed); when that
    // fails too, leftOver names it. sentHash receives the SHA-256 (hex) of
    // the bytes sent, sentSize their number.
    Result upload(const QString &localPath, const QString &path, const Progress &progress = {},
                  QByteArray *sentHash = nullptr, qint64 *sentSize = nullptr);
    // Deletes the file `path` on the server.
    Result remove(const QString &path);
    // Connects and logs in (checking the host key) without a transfer; the
    // next call goes over the same login.
    Result open();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace ftp
