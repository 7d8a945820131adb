// SPDX-License-Identifier: GPL-3.0-or-later
// Publish Site against a real FTP server on 127.0.0.1: the first run sends
// everything once, the next only what changed, a run that fails in the
// middle resumes where it stopped, and nothing is deleted unless asked.

#include "site/ftpserver.h"
#include "site/publishsitedialog.h"
#include "site/sitepublisher.h"
#include "support/files.h"
#include "support/scripteddialogs.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

Q_DECLARE_METATYPE(SitePublisher::Outcome)

namespace {

using testfiles::writeFileWithFolders;

} // namespace

class TestPublishSite : public QObject
{
    Q_OBJECT
    QTemporaryDir state, site;
    std::unique_ptr<LoopbackFtpServer> server;

    SitePublisher::Target target() const
    {
        SitePublisher::Target t;
        t.folder = site.path();
        t.address = server->url(QStringLiteral("www"));
        t.userName = QLatin1String(LoopbackFtpServer::User);
        t.password = QLatin1String(LoopbackFtpServer::Password);
        return t;
    }

    // Plans, checks the plan's size, and runs it.
    SitePublisher::Outcome run(int toUpload, int remoteOnly, bool deleteRemote = false)
    {
        SitePublisher publisher;
        QSignalSpy planned(&publisher, &SitePublisher::planned);
        QSignalSpy finished(&publisher, &SitePublisher::finished);
        if (!publisher.makePlan(target()) || !planned.wait(30000))
            return {};
        [&] {
            QCOMPARE(publisher.plan().upload.size(), toUpload);
            QCOMPARE(publisher.plan().remoteOnly.size(), remoteOnly);
        }();
        publisher.start(deleteRemote);
        if (!finished.wait(60000))
            return {};
        return finished.first().first().value<SitePublisher::Outcome>();
    }

    // Every file below the server's folder, hidden ones too.
    QStringList onServer() const
    {
        QStringList out;
        const QString root = server->root() + QStringLiteral("/www");
        QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            out << QDir(root).relativeFilePath(it.next());
        out.sort();
        return out;
    }

    QStringList siteFiles() const
    {
        QStringList out;
        for (int i = 0; i < 12; ++i)
            out << QStringLiteral("page%1.htm").arg(i, 2, 10, QChar(u'0'));
        out << "pics/logo.gif"
            << "pics/old/photo one.jpg"
            << "style.css";
        out.sort();
        return out;
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<SitePublisher::Outcome>();
        qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
        server = std::make_unique<LoopbackFtpServer>();
        QVERIFY2(server->isRunning(), "python3-pyftpdlib is needed (scripts/setup)");
        for (const QString &name : siteFiles())
            QVERIFY(writeFileWithFolders(site.filePath(name), name.toUtf8().repeated(300)));
        // Never sent.
        QVERIFY(writeFileWithFolders(site.filePath(".htpasswd"), "secret"));
        QVERIFY(writeFileWithFolders(site.filePath(".git/config"), "x"));
        QVERIFY(writeFileWithFolders(site.filePath("caching.htm"), "preview"));
        QVERIFY(writeFileWithFolders(site.filePath("page00.htm~"), "backup"));
    }

    // The window: the plan, then Publish, then the outcome.
    void firstPublishThroughTheWindow()
    {
        ScriptedDialogs dialogs;
        PublishSiteDialog window(target(), dialogs);
        window.show();
        auto *publishButton = window.findChild<QPushButton *>("PublishButton");
        auto *plan = window.findChild<QTreeWidget *>("PlanList");
        auto *deleteRemote = window.findChild<QCheckBox *>("DeleteRemote");
        QVERIFY(publishButton && plan && deleteRemote);
        QTRY_VERIFY_WITH_TIMEOUT(publishButton->isEnabled(), 30000);
        QCOMPARE(plan->topLevelItem(0)->childCount(), int(siteFiles().size()));
        QVERIFY(!deleteRemote->isEnabled()); // nothing published before
        QVERIFY(!deleteRemote->isChecked());
        QSignalSpy finished(window.publisher(), &SitePublisher::finished);
        QTest::mouseClick(publishButton, Qt::LeftButton);
        QVERIFY(finished.wait(60000));
        QCOMPARE(dialogs.messages().size(), 1);
        QCOMPARE(onServer(), siteFiles());
        QCOMPARE(server->stored("www/style.css"), QByteArray("style.css").repeated(300));
        QCOMPARE(dialogs.unexpected, 0);
    }

    void secondPublishSendsOnlyChanges()
    {
        QCOMPARE(run(0, 0).uploaded, 0);
        QVERIFY(writeFileWithFolders(site.filePath("page03.htm"), "changed"));
        QVERIFY(writeFileWithFolders(site.filePath("pics/new.png"), "new"));
        QVERIFY(QFile::remove(site.filePath("page11.htm")));
        const SitePublisher::Outcome outcome = run(2, 1);
        QVERIFY2(outcome.failure.ok(), qPrintable(outcome.failure.reason));
        QCOMPARE(outcome.uploaded, 2);
        QCOMPARE(outcome.deleted, 0);
        QCOMPARE(server->stored("www/page03.htm"), QByteArray("changed"));
        QVERIFY(onServer().contains("page11.htm")); // not deleted unless asked
        QVERIFY(onServer().contains("pics/new.png"));
    }

    void deletesOnlyWhenAsked()
    {
        const SitePublisher::Outcome outcome = run(0, 1, true);
        QVERIFY2(outcome.failure.ok(), qPrintable(outcome.failure.reason));
        QCOMPARE(outcome.deleted, 1);
        QVERIFY(!onServer().contains("page11.htm"));
        QCOMPARE(run(0, 0).uploaded, 0);
    }

    // A file the server refuses stops the run; what was confirmed before
    // is in the manifest, and the next run sends only the rest.
    void resumesAfterAFailure()
    {
        for (const QString &name : siteFiles()) {
            if (QFile::exists(site.filePath(name)))
                QVERIFY(writeFileWithFolders(site.filePath(name), "version 2 of " + name.toUtf8()));
        }
        const int total = int(siteFiles().size()) - 1; // page11 is gone
        // A folder where the temporary of page07 would go.
        const QString obstacle = server->root() + QStringLiteral("/www/.page07.htm.part");
        QVERIFY(QDir().mkpath(obstacle));
        const SitePublisher::Outcome failed = run(total, 0);
        QVERIFY(!failed.failure.ok());
        QVERIFY(!failed.cancelled);
        // page00 .. page06 at least, in path order; files already on their
        // way when page07 failed are finished.
        QVERIFY2(failed.uploaded >= 7 && failed.uploaded < total,
                 qPrintable(QString::number(failed.uploaded)));
        QVERIFY(SitePublisher::summary(failed).startsWith("Cannot upload file!"));
        QVERIFY(QDir().rmdir(obstacle));

        const SitePublisher::Outcome resumed = run(total - failed.uploaded, 0);
        QVERIFY2(resumed.failure.ok(), qPrintable(resumed.failure.reason));
        QCOMPARE(resumed.uploaded, total - failed.uploaded);
        for (const QString &name : siteFiles()) {
            if (QFile::exists(site.filePath(name)))
                QCOMPARE(server->stored("www/" + name), "version 2 of " + name.toUtf8());
        }
        QVERIFY(!onServer().join(u' ').contains(QLatin1String(".part")));
    }

    // A server that takes one connection at a time still gets every file.
    void serverOfOneConnection()
    {
        LoopbackFtpServer::Options options;
        options.connections = 1;
        LoopbackFtpServer single(options);
        QVERIFY(single.isRunning());
        SitePublisher::Target t = target();
        t.address = single.url(QStringLiteral("www"));
        SitePublisher publisher;
        QSignalSpy planned(&publisher, &SitePublisher::planned);
        QSignalSpy finished(&publisher, &SitePublisher::finished);
        QVERIFY(publisher.makePlan(t));
        QVERIFY(planned.wait(30000));
        const int total = int(publisher.plan().upload.size());
        QVERIFY(total > 2);
        publisher.start(false);
        QVERIFY(finished.wait(60000));
        const auto outcome = finished.first().first().value<SitePublisher::Outcome>();
        QVERIFY2(outcome.failure.ok(), qPrintable(outcome.failure.reason));
        QCOMPARE(outcome.uploaded, total);
        QDirIterator it(single.root() + QStringLiteral("/www"), QDir::Files,
                        QDirIterator::Subdirectories);
        int count = 0;
        for (; it.hasNext(); it.next())
            ++count;
        QCOMPARE(count, total);
    }

    // A run killed in the middle leaves its journal; the next plan reads it.
    void journalOfAnInterruptedRun()
    {
        SitePublisher publisher;
        QSignalSpy planned(&publisher, &SitePublisher::planned);
        QVERIFY(publisher.makePlan(target()));
        QVERIFY(planned.wait(30000));
        const QString manifest = publisher.manifestPath();
        QVERIFY(manifest.startsWith(state.path() + QStringLiteral("/lorimel/publish/")));
        QVERIFY(writeFileWithFolders(site.filePath("late.htm"), "late"));
        QFile journal(publish::journalFile(manifest));
        QVERIFY(journal.open(QIODevice::WriteOnly));
        journal.write(publish::addedLine(publish::scanFolder(site.path()).first()));
        journal.close();
        // late.htm comes first in path order and counts as sent already.
        QCOMPARE(publish::scanFolder(site.path()).first().path, QStringLiteral("late.htm"));
        const SitePublisher::Outcome outcome = run(0, 0);
        QVERIFY(outcome.failure.ok());
        QVERIFY(!QFile::exists(publish::journalFile(manifest))); // folded into the manifest
    }
};

QTEST_MAIN(TestPublishSite)
#include "test_publishsite.moc"
