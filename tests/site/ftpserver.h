// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A real FTP server on 127.0.0.1 for the life of the object: pyftpdlib
// serving one user's folder, on a port the system picks. It can offer TLS
// (explicit, AUTH TLS) with a certificate the test makes, serve a folder
// the test gives (a small tmpfs), drop a client's connection after some
// bytes of an upload, and turn away connections past a number.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTcpServer>
#include <QTemporaryDir>

class LoopbackFtpServer
{
public:
    static constexpr const char *User = "webmaster";
    static constexpr const char *Password = "s3cret-Pa55";

    struct Options
    {
        QString root;        // the folder served; empty: a temporary one
        QString certFile;    // PEM key and certificate: offer TLS
        int dropAfter = 0;   // close the connection once an upload passed this many bytes
        int connections = 0; // at most this many at once; 0: no limit
    };

    LoopbackFtpServer() : LoopbackFtpServer(Options{}) {}
    explicit LoopbackFtpServer(const Options &options) : m_rootPath(options.root)
    {
        static const char *script = R"(
import logging, os, sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, DTPHandler
from pyftpdlib.servers import FTPServer
logging.disable(logging.CRITICAL)
import pyftpdlib.handlers
root, user, password, cert, drop, connections = sys.argv[1:7]
drop = int(drop)
# The library drops the system's reason for a failed write ("426 None");
# real servers name it ("No space left on device").
class FileError(OSError):
    def __init__(self, err):
        super().__init__(err.errno, err.strerror)
pyftpdlib.handlers._FileReadWriteError = FileError
named = pyftpdlib.handlers._strerror
pyftpdlib.handlers._strerror = lambda e: os.strerror(e) if isinstance(e, int) else named(e)
handler, dtp = FTPHandler, DTPHandler
if cert:
    from pyftpdlib.handlers import TLS_FTPHandler, TLS_DTPHandler
    handler, dtp = TLS_FTPHandler, TLS_DTPHandler
    handler.certfile = cert
class Dropping(dtp):
    def handle_read(self):
        dtp.handle_read(self)
        if drop and self.tot_bytes_received > drop:
            self.cmd_channel.close()
    handle_read_event = handle_read
    # The library closes a data connection that speaks before the command
    # that uses it, which is what a TLS client's handshake does.
    def readable(self):
        if cert and not self.receive and not self._initialized:
            return self._ssl_accepting or self._ssl_want_read
        return dtp.readable(self)
handler.dtp_handler = Dropping
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, root, perm="elradfmwMT")
handler.authorizer = authorizer
handler.auth_failed_timeout = 0
server = FTPServer(("127.0.0.1", 0), handler)
server.max_cons_per_ip = int(connections)
print(server.address[1], flush=True)
server.serve_forever()
)";
        if (m_rootPath.isEmpty()) {
            if (!m_root.isValid())
                return;
            m_rootPath = m_root.path();
        }
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        // Debian's interpreter, where python3-pyftpdlib installs, before any
        // other python3 on PATH.
        const QString python = QFile::exists(QStringLiteral("/usr/bin/python3"))
                                   ? QStringLiteral("/usr/bin/python3")
                                   : QStringLiteral("python3");
        m_process.start(python,
                        {QStringLiteral("-c"), QString::fromLatin1(script), m_rootPath,
                         QLatin1String(User), QLatin1String(Password), options.certFile,
                         QString::number(options.dropAfter), QString::number(options.connections)});
        if (!m_process.waitForStarted(10000))
            return;
        while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
        }
        bool ok = false;
        m_port = QString::fromLatin1(m_process.readLine()).trimmed().toInt(&ok);
        if (!ok)
            m_port = 0;
    }

    ~LoopbackFtpServer() { stop(); }

    // Kills the server, as a crash would.
    void stop()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    // False when python3-pyftpdlib is missing or the server did not start.
    bool isRunning() const { return m_port > 0 && m_process.state() == QProcess::Running; }
    quint16 port() const { return quint16(m_port); }
    // The user's folder on the server.
    QString root() const { return m_rootPath; }
    QString url(const QString &path = QString()) const
    {
        return QStringLiteral("ftp://127.0.0.1:%1/%2").arg(m_port).arg(path);
    }
    QString errors() { return QString::fromLocal8Bit(m_process.readAllStandardError()); }

    QByteArray stored(const QString &relative) const
    {
        QFile file(m_rootPath + u'/' + relative);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    // Every file in the folder, hidden ones too.
    QStringList files(const QString &relative = QString()) const
    {
        return QDir(m_rootPath + u'/' + relative)
            .entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

private:
    QTemporaryDir m_root;
    QString m_rootPath;
    QProcess m_process;
    int m_port = 0;
};

// A key and self-signed certificate for 127.0.0.1 in one PEM file, made
// with openssl; empty when that fails.
inline QString makeCertificate(const QString &folder)
{
    const QString pem = folder + QStringLiteral("/server.pem");
    QProcess openssl;
    openssl.start(QStringLiteral("openssl"),
                  {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
                   "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1", "-keyout", pem,
                   "-out", pem + QStringLiteral(".crt")});
    if (!openssl.waitForFinished(60000) || openssl.exitCode() != 0)
        return QString();
    QFile key(pem), crt(pem + QStringLiteral(".crt"));
    if (!key.open(QIODevice::ReadWrite | QIODevice::Append) || !crt.open(QIODevice::ReadOnly))
        return QString();
    key.write(crt.readAll());
    return pem;
}

// A port where nothing listens: taken from the system, then let go.
inline quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}
