// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real program started under the offscreen platform with its own
// settings and state folders, typed into through its hidden driver option.

#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>

struct DocState
{
    bool saved = false;
    QString caption;
    QString text;
};

class Driven
{
public:
    Driven(const QString &config, const QString &state, const QStringList &args = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config);
        env.insert("XDG_STATE_HOME", state);
        env.insert("QT_QPA_PLATFORM", "offscreen");
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start(LORIMEL_BINARY, QStringList{"--typing-driver"} + args);
        m_process.waitForStarted(30000);
    }
    ~Driven()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(10000);
        }
    }
    qint64 pid() const { return m_process.processId(); }
    // The next answer line, or empty after 30 s without one.
    QByteArray line()
    {
        QElapsedTimer t;
        t.start();
        while (!m_process.canReadLine() && t.elapsed() < 30000 &&
               m_process.state() == QProcess::Running)
            m_process.waitForReadyRead(200);
        return m_process.readLine().trimmed();
    }
    bool ready() { return line() == "ready"; }
    void send(const QByteArray &command)
    {
        m_process.write(command + '\n');
        m_process.waitForBytesWritten(5000);
    }
    QByteArray ask(const QByteArray &command)
    {
        send(command);
        return line();
    }
    int number(const QByteArray &command) { return ask(command).split(' ').value(1).toInt(); }
    QList<DocState> dump()
    {
        send("dump");
        QList<DocState> docs;
        for (QByteArray l = line(); l.startsWith("doc "); l = line()) {
            const QList<QByteArray> w = l.split(' ');
            docs << DocState{w.value(2) == "1",
                             QString::fromUtf8(QByteArray::fromBase64(w.value(3))),
                             QString::fromUtf8(QByteArray::fromBase64(w.value(4)))};
        }
        return docs;
    }
    void kill()
    {
        m_process.kill(); // SIGKILL
        m_process.waitForFinished(10000);
    }
    bool quit()
    {
        send("quit");
        return m_process.waitForFinished(30000) && m_process.exitStatus() == QProcess::NormalExit;
    }

private:
    QProcess m_process;
};

// A file with these bytes.
inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Settings for a quick start: plain windows, no tips.
inline void prepareConfig(const QString &config)
{
    QDir().mkpath(config + "/lorimel");
    QFile lm3(config + "/lorimel/LM3.ini");
    QVERIFY(lm3.open(QIODevice::WriteOnly));
    lm3.write("[Extras]\nUseIE=No\n");
    lm3.close();
    QFile main(config + "/lorimel/Lorimel3.ini");
    QVERIFY(main.open(QIODevice::WriteOnly));
    main.write("[Startup]\nShowStart=no\n");
}
