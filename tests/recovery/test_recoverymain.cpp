// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's side: the organizer's agenda kept and recovered, and
// File > Recent Files.

#include "kernel/builderids.h"
#include "kernel/settingsstore.h"
#include "organizer/agendastore.h"
#include "organizer/organizerwindow.h"
#include "recovery/snapshotkeeper.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "support/scripteddialogs.h"

#include <QMenu>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

namespace {

struct Run
{
    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> store = std::make_unique<SettingsStore>(dir.path());
    ScriptedDialogs dialogs;
    std::unique_ptr<Startup> startup;
    QPointer<MainWindow> main;

    MainWindow *start()
    {
        store->save("Lorimel3", "Startup", "ShowStart", "no");
        startup = std::make_unique<Startup>(*store, dialogs, QString());
        startup->answerPreviewQuestion(false);
        startup->runNow();
        main = startup->mainWindow();
        return main;
    }
    ~Run()
    {
        delete main.data();
        store->sync();
    }
};

} // namespace

class TestRecoveryMain : public QObject
{
    Q_OBJECT
    QTemporaryDir m_state;

private slots:
    void initTestCase() { qputenv("XDG_STATE_HOME", QFile::encodeName(m_state.path())); }

    // Typing in the agenda leaves a copy until the organizer is saved; a
    // copy recovered goes back into the stored agenda.
    void agendaIsKeptAndRecovered()
    {
        Run run;
        MainWindow *w = run.start();
        QVERIFY(w->openBuilder(QLatin1String(builderid::Organizer)));
        auto *organizer = w->findChild<OrganizerWindow *>();
        QVERIFY(organizer);
        organizer->showMonth(3, 2027);
        for (int i = 0; i < 42; ++i) {
            organizer->chooseDay(i);
            if (organizer->findChild<QTextEdit *>("Text5")->isEnabled())
                break;
        }
        QTest::keyClicks(organizer->findChild<QTextEdit *>("Text5"), "Dentist at 9");
        const QString folder = w->snapshotKeeper()->folder();
        QTRY_COMPARE_WITH_TIMEOUT(snapshots::list(folder).size(), 1, 5000);
        w->snapshotKeeper()->flush();
        const snapshots::Info copy = snapshots::list(folder).first();
        QCOMPARE(copy.kind, snapshots::Kind::Agenda);
        QString text;
        QVERIFY(snapshots::readText(folder, copy, &text));

        // Another run recovers it into its store.
        Run later;
        MainWindow *w2 = later.start();
        QVERIFY(!w2->recoverDocument(copy, text));
        const organizer::OrganizerData data = organizer::load(*later.store);
        const int row = data.agenda.find("3/1/2027");
        QVERIFY(row > 0);
        QCOMPARE(data.agenda.row(row).agenda, QString("Dentist at 9"));

        organizer->accept();
        w->snapshotKeeper()->flush();
        QVERIFY(snapshots::list(folder).isEmpty());
    }

    void recentFiles()
    {
        Run run;
        MainWindow *w = run.start();
        QStringList files;
        for (int i = 0; i < 3; ++i) {
            files << run.dir.filePath(QString("r%1.htm").arg(i));
            QFile f(files.last());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("<p>x</p>");
        }
        for (const QString &f : files)
            QVERIFY(w->openFile(f));
        QCOMPARE(w->recentFiles(), QStringList({files[2], files[1], files[0]}));
        auto *menu = w->findChild<QMenu *>("mnuRecentFiles");
        QVERIFY(menu);
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().first()->text(), "&1 " + files[2]);
        // A file gone since: said, and taken off the list.
        QFile::remove(files[1]);
        w->findChild<QAction *>("mnuRecent1")->trigger();
        QCOMPARE(run.dialogs.messages().size(), 1);
        QVERIFY(run.dialogs.messages().first().contains(files[1]));
        QCOMPARE(w->recentFiles(), QStringList({files[2], files[0]}));
        QVERIFY(run.store->get("LM3", "Recent", "0", QString()) == files[2]);
        w->findChild<QAction *>("mnuRecentClear")->trigger();
        QVERIFY(w->recentFiles().isEmpty());
        QCOMPARE(run.store->get("LM3", "Recent", "Count", QString()), QString("0"));
    }
};

QTEST_MAIN(TestRecoveryMain)
#include "test_recoverymain.moc"
