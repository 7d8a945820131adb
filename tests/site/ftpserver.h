#pragma once
// A real FTP server on 127.0.0.1 for the life of the object: pyftpdlib
// serving one user's folder, on a port the system picks.

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

    LoopbackFtpServer()
    {
        static const char *script = R"(
import logging, sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler
from pyftpdlib.servers import FTPServer
logging.disable(logging.CRITICAL)
root, user, password = sys.argv[1:4]
authorizer = DummyAuthorizer()
authorizer.add_user(user, password, root, perm="elradfmwMT")
FTPHandler.authorizer = authorizer
FTPHandler.auth_failed_timeout = 0
server = FTPServer(("127.0.0.1", 0), FTPHandler)
print(server.address[1], flush=True)
server.serve_forever()
)";
        if (!m_root.isValid())
            return;
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        // Debian's interpreter, where python3-pyftpdlib installs, before any
        // other python3 on PATH.
        const QString python = QFile::exists(QStringLiteral("/usr/bin/python3"))
                                   ? QStringLiteral("/usr/bin/python3")
                                   : QStringLiteral("python3");
        m_process.start(python, {QStringLiteral("-c"), QString::fromLatin1(script), m_root.path(),
                                 QLatin1String(User), QLatin1String(Password)});
        if (!m_process.waitForStarted(10000))
            return;
        while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
        }
        bool ok = false;
        m_port = QString::fromLatin1(m_process.readLine()).trimmed().toInt(&ok);
        if (!ok)
            m_port = 0;
    }

    ~LoopbackFtpServer()
    {
        m_process.kill();
        m_process.waitForFinished(5000);
    }

    // False when python3-pyftpdlib is missing or the server did not start.
    bool isRunning() const { return m_port > 0 && m_process.state() == QProcess::Running; }
    quint16 port() const { return quint16(m_port); }
    // The user's folder on the server.
    QString root() const { return m_root.path(); }
    QString url(const QString &path = QString()) const
    {
        return QStringLiteral("ftp://127.0.0.1:%1/%2").arg(m_port).arg(path);
    }
    QString errors() { return QString::fromLocal8Bit(m_process.readAllStandardError()); }

    QByteArray stored(const QString &relative) const
    {
        QFile file(m_root.filePath(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    // Every file in the folder, hidden ones too.
    QStringList files(const QString &relative = QString()) const
    {
        return QDir(m_root.filePath(relative))
            .entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }

private:
    QTemporaryDir m_root;
    QProcess m_process;
    int m_port = 0;
};

// A port where nothing listens: taken from the system, then let go.
inline quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}
