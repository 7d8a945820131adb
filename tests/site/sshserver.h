// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A real SSH server (OpenSSH's sshd) on 127.0.0.1 for the life of the
// object, with a throw-away host key, configuration and authorised client
// key in a temporary folder. The client key is put where the transfer
// library looks for one ($HOME/.ssh/id_rsa), so the test sets HOME to a
// folder of its own first. As root, sshd wants its privilege-separation
// folder /run/sshd; when that is missing, sshd runs in a mount namespace
// of its own with a private /run, so nothing of the system is touched.

#include "site/ftpserver.h"

#include <pwd.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <unistd.h>

class LoopbackSshServer
{
public:
    explicit LoopbackSshServer(const QString &home)
    {
        if (!m_dir.isValid() || !QFile::exists(QStringLiteral("/usr/sbin/sshd")))
            return;
        const QString ssh = home + QStringLiteral("/.ssh");
        QDir().mkpath(ssh);
        if (!keygen({"-t", "ed25519", "-N", "", "-q", "-f", hostKey()}) ||
            (!QFile::exists(ssh + QStringLiteral("/id_rsa")) &&
             !keygen({"-t", "rsa", "-b", "2048", "-m", "PEM", "-N", "", "-q", "-f",
                      ssh + QStringLiteral("/id_rsa")})))
            return;
        QFile::remove(m_dir.filePath(QStringLiteral("authorized_keys")));
        QFile::copy(ssh + QStringLiteral("/id_rsa.pub"), m_dir.filePath("authorized_keys"));
        QDir().mkpath(folder());

        m_port = closedPort();
        QFile config(m_dir.filePath(QStringLiteral("sshd_config")));
        if (!config.open(QIODevice::WriteOnly))
            return;
        config.write(QStringLiteral("Port %1\nListenAddress 127.0.0.1\nHostKey %2\n"
                                    "AuthorizedKeysFile %3\nPidFile none\nStrictModes no\n"
                                    "UsePAM no\nPasswordAuthentication no\n"
                                    "KbdInteractiveAuthentication no\n"
                                    "PermitRootLogin prohibit-password\n"
                                    "Subsystem sftp internal-sftp\n"
                                    // The transfer library signs with RSA and SHA-1.
                                    "PubkeyAcceptedAlgorithms +ssh-rsa\n")
                         .arg(m_port)
                         .arg(hostKey(), m_dir.filePath(QStringLiteral("authorized_keys")))
                         .toUtf8());
        config.close();

        const QString sshd = QStringLiteral("/usr/sbin/sshd -D -e -f ") + config.fileName();
        if (geteuid() == 0 && !QFileInfo::exists(QStringLiteral("/run/sshd"))) {
            m_process.start(
                QStringLiteral("unshare"),
                {"-m", "sh", "-c",
                 "mount -t tmpfs tmpfs /run && mkdir -m 755 /run/sshd && exec " + sshd});
        } else {
            m_process.start(QStringLiteral("sh"), {"-c", "exec " + sshd});
        }
        if (!m_process.waitForStarted(10000))
            return;
        for (int i = 0; i < 100 && m_process.state() == QProcess::Running; ++i) {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, m_port);
            if (probe.waitForConnected(200)) {
                m_running = true;
                return;
            }
            QThread::msleep(100);
        }
    }

    ~LoopbackSshServer()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    bool isRunning() const { return m_running && m_process.state() == QProcess::Running; }
    QString errors() { return QString::fromLocal8Bit(m_process.readAllStandardError()); }
    quint16 port() const { return m_port; }
    static QString user() { return QString::fromLocal8Bit(getpwuid(geteuid())->pw_name); }
    // The folder uploads go to, and its sftp:// address.
    QString folder() const { return m_dir.filePath(QStringLiteral("site")); }
    QString url() const
    {
        return QStringLiteral("sftp://127.0.0.1:%1%2/").arg(m_port).arg(folder());
    }
    QString hostKey() const { return m_dir.filePath(QStringLiteral("host_key")); }

    // The server's key as ssh-keygen prints its fingerprint.
    QString fingerprint() const
    {
        QProcess keygen;
        keygen.start(QStringLiteral("ssh-keygen"), {"-l", "-E", "sha256", "-f", hostKey()});
        keygen.waitForFinished(10000);
        return QString::fromLatin1(keygen.readAllStandardOutput()).section(u' ', 1, 1);
    }
    // The public key line of the host key ("ssh-ed25519 AAAA... comment").
    QByteArray publicKey() const
    {
        QFile file(hostKey() + QStringLiteral(".pub"));
        return file.open(QIODevice::ReadOnly) ? file.readAll().trimmed() : QByteArray();
    }

private:
    static bool keygen(const QStringList &arguments)
    {
        QProcess keygen;
        keygen.start(QStringLiteral("ssh-keygen"), arguments);
        return keygen.waitForFinished(30000) && keygen.exitCode() == 0;
    }

    QTemporaryDir m_dir;
    QProcess m_process;
    quint16 m_port = 0;
    bool m_running = false;
};
