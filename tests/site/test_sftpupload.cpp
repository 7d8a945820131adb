// SPDX-License-Identifier: GPL-3.0-or-later
// SFTP uploads to a real sshd on 127.0.0.1: the server's host key is
// checked against known_hosts, an unknown one is asked about once with its
// SHA-256 fingerprint, a changed one is refused.

#include "site/ftpconnection.h"
#include "site/ftpuploader.h"
#include "site/sitepublisher.h"
#include "site/sshserver.h"

#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(SitePublisher::Outcome)

class TestSftpUpload : public QObject
{
    Q_OBJECT
    QTemporaryDir home;
    std::unique_ptr<LoopbackSshServer> server;

    QString knownHosts() const { return home.filePath(QStringLiteral(".ssh/known_hosts")); }
    QByteArray knownHostsBytes() const
    {
        QFile file(knownHosts());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString page()
    {
        const QString path = home.filePath(QStringLiteral("page.htm"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write("<P>over ssh</P>");
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(home.isValid());
        // The library finds the client key and known_hosts under HOME.
        qputenv("HOME", home.path().toLocal8Bit());
        server = std::make_unique<LoopbackSshServer>(home.path());
        if (!server->isRunning())
            QSKIP(qPrintable("sshd cannot start here (openssh-server, scripts/setup): " +
                             server->errors()));
    }

    void keyBlobHelpers()
    {
        const QList<QByteArray> parts = server->publicKey().split(' ');
        QVERIFY(parts.size() >= 2);
        const QByteArray blob = QByteArray::fromBase64(parts[1]);
        QCOMPARE(ftp::keyType(blob), QString::fromLatin1(parts[0]));
        QCOMPARE(ftp::sha256Fingerprint(blob), server->fingerprint());
        QCOMPARE(ftp::knownHostsLine("example.com", 22, blob),
                 "example.com " + parts[0] + ' ' + parts[1] + '\n');
        QCOMPARE(ftp::knownHostsLine("127.0.0.1", 2222, blob),
                 "[127.0.0.1]:2222 " + parts[0] + ' ' + parts[1] + '\n');
        QCOMPARE(ftp::keyType("\xff\xff"), QString());
    }

    void hostKeys_data()
    {
        QTest::addColumn<QString>("knownBefore"); // "", "same" or "other" key
        QTest::addColumn<int>("answer");          // what the question is answered
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("remembered");
        const int cancel = int(ftp::HostKeyAnswer::Cancel),
                  once = int(ftp::HostKeyAnswer::AcceptOnce),
                  remember = int(ftp::HostKeyAnswer::AcceptAndRemember);
        QTest::newRow("unknown, cancelled") << "" << cancel << true << false << false;
        QTest::newRow("unknown, accepted once") << "" << once << true << true << false;
        QTest::newRow("unknown, remembered") << "" << remember << true << true << true;
        QTest::newRow("known") << "same" << cancel << false << true << false;
        QTest::newRow("changed key refused") << "other" << remember << false << false << false;
    }

    void hostKeys()
    {
        QFETCH(QString, knownBefore);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QFETCH(bool, ok);
        QFETCH(bool, remembered);

        QFile::remove(knownHosts());
        QDir(server->folder()).removeRecursively();
        QDir().mkpath(server->folder());
        const QByteArray other = "[127.0.0.1]:" + QByteArray::number(server->port()) +
                                 " ssh-ed25519 AAAAC3NzaC1lZDI1NTE5AAAAIGxqEcvyW3jUpMd7gQYF"
                                 "mBaHcWgQd9uyS0KHUPZnJnCh\n";
        const QByteArray comment = "# kept as it was\n";
        if (!knownBefore.isEmpty()) {
            const QList<QByteArray> parts = server->publicKey().split(' ');
            const QByteArray line = knownBefore == QLatin1String("same")
                                        ? ftp::knownHostsLine("127.0.0.1", server->port(),
                                                              QByteArray::fromBase64(parts[1]))
                                        : other;
            QFile file(knownHosts());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(comment + line);
        }
        const QByteArray before = knownHostsBytes();

        QList<ftp::HostKeyQuestion> questions;
        ftp::Options options;
        options.askHostKey = [&](const ftp::HostKeyQuestion &q) {
            questions << q;
            return ftp::HostKeyAnswer(answer);
        };
        const ftp::Address address = *ftp::parseAddress(server->url());
        {
            ftp::Connection connection(address, LoopbackSshServer::user(), "unused", options,
                                       nullptr);
            const ftp::Result result = connection.upload(page(), QStringLiteral("page.htm"));
            QVERIFY2(result.ok() == ok, qPrintable(result.reason));
            if (!ok) {
                QCOMPARE(int(result.failure), int(ftp::Failure::HostKey));
                QVERIFY2(result.reason.contains("127.0.0.1"), qPrintable(result.reason));
            }
        }
        QCOMPARE(QDir(server->folder()).entryList(QDir::Files | QDir::Hidden),
                 ok ? QStringList{"page.htm"} : QStringList());
        QCOMPARE(questions.size(), asked ? 1 : 0);
        if (asked) {
            QCOMPARE(questions.first().fingerprint, server->fingerprint());
            QCOMPARE(questions.first().host, QStringLiteral("127.0.0.1"));
            QCOMPARE(questions.first().keyType, QStringLiteral("ssh-ed25519"));
        }
        const QByteArray after = knownHostsBytes();
        if (remembered) {
            QVERIFY(after.startsWith(before));
            QVERIFY(after.size() > before.size());
            // Known from now on: the next connection asks nothing.
            questions.clear();
            ftp::Connection again(address, LoopbackSshServer::user(), "unused", options, nullptr);
            QVERIFY(again.upload(page(), QStringLiteral("again.htm")).ok());
            QVERIFY(questions.isEmpty());
        } else {
            QCOMPARE(after, before);
        }
    }

    // Through the transfer component the question is asked in the window's
    // thread while the worker waits for the answer.
    void uploaderAsksInItsThread()
    {
        QFile::remove(knownHosts());
        QThread *asker = nullptr;
        ftp::Options options;
        options.askHostKey = [&](const ftp::HostKeyQuestion &) {
            asker = QThread::currentThread();
            return ftp::HostKeyAnswer::AcceptOnce;
        };
        FtpUploader uploader;
        uploader.setOptions(options);
        uploader.setAccount(server->url(), LoopbackSshServer::user(), "unused");
        QSignalSpy finished(&uploader, &FtpUploader::finished);
        QVERIFY(uploader.send(page(), QStringLiteral("thread.htm")));
        QVERIFY(finished.wait(60000));
        QVERIFY2(finished.first().at(0).toBool(), qPrintable(uploader.lastError()));
        QCOMPARE(asker, QThread::currentThread());
        QVERIFY(QFile::exists(server->folder() + QStringLiteral("/thread.htm")));
    }

    // Publish Site sends over more than one connection; a key accepted for
    // this run is asked about once, not once per connection.
    void publishAsksOnce_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("accepted once") << int(ftp::HostKeyAnswer::AcceptOnce);
        QTest::newRow("remembered") << int(ftp::HostKeyAnswer::AcceptAndRemember);
    }

    void publishAsksOnce()
    {
        QFETCH(int, answer);
        QFile::remove(knownHosts());
        QDir(server->folder()).removeRecursively();
        QTemporaryDir site;
        QStringList names;
        for (int i = 0; i < 8; ++i) {
            names << QStringLiteral("p%1.htm").arg(i);
            QFile file(site.filePath(names.last()));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(3000, char('a' + i)));
        }
        int asked = 0;
        SitePublisher::Target target;
        target.folder = site.path();
        target.address = server->url();
        target.userName = LoopbackSshServer::user();
        target.password = QStringLiteral("unused");
        target.manifestFile = home.filePath(QStringLiteral("sftp.manifest"));
        QFile::remove(target.manifestFile);
        target.options.askHostKey = [&](const ftp::HostKeyQuestion &) {
            ++asked;
            return ftp::HostKeyAnswer(answer);
        };
        SitePublisher publisher;
        QSignalSpy planned(&publisher, &SitePublisher::planned);
        QSignalSpy finished(&publisher, &SitePublisher::finished);
        QVERIFY(publisher.makePlan(target));
        QVERIFY(planned.wait(60000));
        publisher.start(false);
        QVERIFY(finished.wait(60000));
        const auto outcome = finished.first().first().value<SitePublisher::Outcome>();
        QVERIFY2(outcome.failure.ok(), qPrintable(outcome.failure.reason));
        QCOMPARE(outcome.uploaded, 8);
        QCOMPARE(QDir(server->folder()).entryList(QDir::Files | QDir::Hidden), names);
        QCOMPARE(asked, 1);
        // Remembered once, not once per connection.
        QCOMPARE(knownHostsBytes().count('\n'),
                 answer == int(ftp::HostKeyAnswer::AcceptAndRemember) ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestSftpUpload)
#include "test_sftpupload.moc"
