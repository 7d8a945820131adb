// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery window and the watch on the files of open documents.

#include "editor/documentwindow.h"
#include "editor/htmleditor.h"
#include "kernel/appstate.h"
#include "recovery/compareview.h"
#include "recovery/diskwatcher.h"
#include "recovery/recoverywindow.h"
#include "recovery/snapshotkeeper.h"
#include "support/scripteddialogs.h"
#include "widgets/messagebar.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Another program replacing the file, as editors do: a new file renamed
// over the old one.
void replaceFile(const QString &path, const QByteArray &bytes)
{
    writeFile(path + ".other", bytes);
    QFile::remove(path);
    QVERIFY(QFile::rename(path + ".other", path));
}

} // namespace

class TestRecoveryWindows : public QObject
{
    Q_OBJECT
private slots:
    // Rows for the copies; Compare shows the difference with the file;
    // Discard removes the copy; Recover hands over the text.
    void recoveryWindow()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("recovery");
        QVERIFY(snapshots::prepareFolder(folder));
        const QString page = dir.filePath("page.htm");
        writeFile(page, "<p>kept</p>\n<p>old</p>\n");
        snapshots::Info named;
        named.id = "a";
        named.original = page;
        named.sizeAtOpen = 1; // not what is on disk now
        named.pid = 999999999;
        named.time = QDateTime::currentDateTimeUtc();
        snapshots::Info untitled = named;
        untitled.id = "b";
        untitled.original = "New 4";
        untitled.untitled = true;
        QVERIFY(snapshots::write(folder, named, "<p>kept</p>\n<p>new</p>\n"));
        QVERIFY(snapshots::write(folder, untitled, "typed"));
        QList<QPair<QString, QString>> recovered;
        RecoveryWindow w(folder, snapshots::orphans(folder),
                         [&](const snapshots::Info &info, const QString &text) {
                             recovered << qMakePair(info.original, text);
                         });
        w.show();
        QCOMPARE(w.count(), 2);
        w.choose(0);
        QVERIFY(w.findChild<QLabel *>("RecoveryNote")->text().contains(page));
        w.compareChosen();
        auto *view = w.findChild<CompareView *>();
        QVERIFY(view);
        QVERIFY(view->differenceText().contains("-<p>old</p>\n+<p>new</p>"));
        w.choose(1);
        w.findChild<QPushButton *>("Discard")->click();
        QCOMPARE(w.count(), 1);
        QCOMPARE(snapshots::list(folder).size(), 1);
        w.findChild<QPushButton *>("Recover")->click();
        QCOMPARE(recovered.size(), 1);
        QCOMPARE(recovered[0].first, page);
        QCOMPARE(recovered[0].second, QString("<p>kept</p>\n<p>new</p>\n"));
        QVERIFY(!w.isVisible());
    }

    // Typing makes a copy; saving removes it.
    void keeperCopiesAndRemoves()
    {
        QTemporaryDir dir;
        AppState state;
        ScriptedDialogs dialogs;
        DocumentWindow doc(DocumentWindow::Kind::Plain, state, dialogs);
        doc.setCaption("New 1");
        SnapshotKeeper keeper(dir.filePath("recovery"));
        keeper.track(&doc);
        doc.editor()->setDocumentText("abc");
        doc.editor()->insertAt("x", 0, 0);
        QCOMPARE(doc.isSaved(), false);
        QTRY_COMPARE_WITH_TIMEOUT(snapshots::list(keeper.folder()).size(), 1, 5000);
        keeper.flush();
        QString text;
        QVERIFY(snapshots::readText(keeper.folder(), snapshots::list(keeper.folder())[0], &text));
        QCOMPARE(text, QString("xabc"));
        doc.setSaved(true);
        keeper.flush();
        QVERIFY(snapshots::list(keeper.folder()).isEmpty());
    }

    void changedOnDisk()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.htm");
        writeFile(path, "l0\nl1\nl2\nl3\n");
        AppState state;
        ScriptedDialogs dialogs;
        DocumentWindow doc(DocumentWindow::Kind::Plain, state, dialogs);
        QVERIFY(doc.loadFile(path));
        doc.setCaption(path);
        doc.setSaved(true);
        DiskWatcher watcher;
        watcher.track(&doc);
        QVERIFY(watcher.watchedFiles().contains(path));
        doc.editor()->setCursorPosition(2, 1);

        // Unmodified: reloaded, the caret on its line.
        replaceFile(path, "L0\nL1\nL2\nL3\nL4\n");
        QTRY_COMPARE_WITH_TIMEOUT(doc.editor()->documentText(), QString("L0\nL1\nL2\nL3\nL4\n"),
                                  5000);
        int line = -1, index = -1;
        doc.editor()->getCursorPosition(&line, &index);
        QCOMPARE(line, 2);
        QVERIFY(doc.isSaved());

        // Our own save passes unnoticed, and is watched again after.
        doc.editor()->insertAt("mine ", 0, 0);
        QVERIFY(doc.saveFile(path));
        doc.setSaved(true);
        QTest::qWait(400);
        QVERIFY(doc.messageBars().isEmpty());
        QCOMPARE(dialogs.asked.size(), 0);
        QTRY_VERIFY(watcher.watchedFiles().contains(path));

        // Modified: asked through a bar; saving over the change asks too.
        doc.editor()->insertAt("more ", 0, 0);
        replaceFile(path, "theirs\n");
        QTRY_COMPARE_WITH_TIMEOUT(doc.messageBars().size(), 1, 5000);
        QVERIFY(doc.editor()->documentText().startsWith("more mine"));
        dialogs.answer(DialogService::Answer::No);
        QVERIFY(!doc.saveFile(path));
        QCOMPARE(dialogs.asked.size(), 1);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("theirs\n"));
        f.close();
        doc.messageBars()[0]->findChild<QPushButton *>("Reload")->click();
        QCOMPARE(doc.editor()->documentText(), QString("theirs\n"));
        QVERIFY(doc.isSaved());

        // Deleted: the text stays, unsaved, and the user is told.
        QFile::remove(path);
        QTRY_VERIFY_WITH_TIMEOUT(!doc.isSaved(), 5000);
        QCOMPARE(doc.editor()->documentText(), QString("theirs\n"));
        QTRY_COMPARE(doc.messageBars().size(), 1);
    }
};

QTEST_MAIN(TestRecoveryWindows)
#include "test_recoverywindows.moc"
