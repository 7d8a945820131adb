// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/htmleditor.h"
#include "editor/printing.h"
#include "editor/tagcommands.h"
#include "help/tips.h"
#include "kernel/mnemonics.h"
#include "kernel/settingsstore.h"
#include "platform/launcher.h"
#include "preview/previewbrowser.h"
#include "preview/previewpane.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "site/filecommands.h"
#include "site/sitepane.h"
#include "support/scripteddialogs.h"
#include "widgets/messagebar.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <Qsci/qsciprinter.h>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <sys/stat.h>

namespace {

// One program run: its own settings folder and scripted answers.
struct Run
{
    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> store = std::make_unique<SettingsStore>(dir.path());
    ScriptedDialogs dialogs;
    std::unique_ptr<Startup> startup;
    QPointer<MainWindow> main;

    MainWindow *start(const QString &file = QString())
    {
        startup = std::make_unique<Startup>(*store, dialogs, file);
        startup->runNow();
        main = startup->mainWindow();
        return main;
    }
    // Ends the run without the close questions.
    void stop()
    {
        delete main.data();
        store->sync();
    }
    ~Run() { stop(); }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void firstRunAsksOnceAndNoGivesPlainWindows()
    {
        Run run;
        run.dialogs.answer(DialogService::Answer::No);
        MainWindow *w = run.start();
        QVERIFY(w);
        QCOMPARE(run.dialogs.asked.size(), 1);
        QCOMPARE(run.dialogs.asked[0].title, QStringLiteral("Important"));
        QCOMPARE(run.dialogs.asked[0].text,
                 QStringLiteral("Is Internet Explorer 4.0 or higher installed on your system?"));
        QCOMPARE(w->documentCount(), 1);
        DocumentWindow *doc = w->activeDocument();
        QVERIFY(doc);
        QCOMPARE(doc->objectName(), QStringLiteral("Form26"));
        QCOMPARE(doc->caption(), QStringLiteral("New 1"));
        QCOMPARE(w->state().newDocumentNumber, 1);
        QVERIFY(doc->isSaved());
        QVERIFY(!w->action("mnuFindFilesItem")->isEnabled());
        QVERIFY(!w->findChild<QToolButton *>("Command44_6")->isEnabled());
        run.stop();
        QCOMPARE(run.store->get("LM3", "Extras", "UseIE"), QStringLiteral("No"));

        // The next start asks nothing.
        Run again;
        again.store = std::make_unique<SettingsStore>(run.dir.path());
        MainWindow *w2 = again.start();
        QCOMPARE(again.dialogs.asked.size(), 0);
        QCOMPARE(w2->activeDocument()->objectName(), QStringLiteral("Form26"));
    }

    void unwritableSettingsFolderIsReported()
    {
        Run run;
        QFile blocker(run.dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        run.store = std::make_unique<SettingsStore>(run.dir.filePath("blocker/lorimel"));
        run.dialogs.answer(DialogService::Answer::No);
        MainWindow *w = run.start();
        QVERIFY(w);
        QCOMPARE(w->documentCount(), 1);
        const QStringList messages = run.dialogs.messages();
        QVERIFY(messages.size() == 2 && messages[1].contains("cannot be written"));
    }

    void yesGivesPreviewWindows()
    {
        Run run;
        run.dialogs.answer(DialogService::Answer::Yes);
        MainWindow *w = run.start();
        QCOMPARE(w->activeDocument()->objectName(), QStringLiteral("Form16"));
        QVERIFY(w->state().previewWindows);
        QVERIFY(w->activeDocument()->findChild<QWidget *>("Slider1"));
        QVERIFY(w->activeDocument()->findChild<QWidget *>("Command1"));
    }

    void storedBarVisibility_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("shown");
        QTest::newRow("False hides") << "False" << false;
        QTest::newRow("lower-case false shows") << "false" << true;
        QTest::newRow("True shows") << "True" << true;
        QTest::newRow("other text shows") << "0" << true;
    }
    void storedBarVisibility()
    {
        QFETCH(QString, stored);
        QFETCH(bool, shown);
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        run.store->save("LM3", "Previous", "Picture5", stored);
        run.store->save("LM3", "Previous", "Picture14", stored);
        MainWindow *w = run.start();
        QCOMPARE(!w->findChild<QDockWidget *>("Picture5")->isHidden(), shown);
        QCOMPARE(w->action("mnuSideBarItem")->isChecked(), shown);
        QCOMPARE(!w->findChild<QToolBar *>("Picture14")->isHidden(), shown);
        QCOMPARE(w->action("mnuColorBarItem")->isChecked(), shown);
        QVERIFY(w->action("mnuToolbarItem")->isChecked());
    }

    void viewTogglesAreStoredAtExit()
    {
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        MainWindow *w = run.start();
        w->action("mnuCustomBarItem")->trigger();
        QVERIFY(w->findChild<QToolBar *>("Picture15")->isHidden());
        QVERIFY(!w->action("mnuCustomBarItem")->isChecked());
        w->action("mnuSetWebItem")->trigger();
        w->action("mnuSetWebItem")->trigger();
        QVERIFY(w->close()); // the document is unchanged: no question
        QCOMPARE(run.dialogs.asked.size(), 0);
        QCOMPARE(run.store->get("LM3", "Previous", "Picture15"), QStringLiteral("False"));
        QCOMPARE(run.store->get("LM3", "Previous", "Picture11"), QStringLiteral("True"));
        QCOMPARE(run.store->get("LM3", "Previous", "Picture1"), QStringLiteral("True"));
    }

    void documentCounterEnablesCommands()
    {
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "Yes");
        MainWindow *w = run.start();
        QVERIFY(w->action("mnuEdit")->isEnabled());
        QVERIFY(w->action("mnuHTML")->isEnabled());
        QVERIFY(w->action("mnuTools")->isEnabled());
        QVERIFY(w->findChild<QToolBar *>("Picture15")->isEnabled());
        auto *sub = qobject_cast<QWidget *>(w->activeDocument()->parentWidget());
        QVERIFY(sub->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(w->documentCount(), 0);
        QVERIFY(!w->action("mnuEdit")->isEnabled());
        QVERIFY(!w->action("mnuHTML")->isEnabled());
        QVERIFY(!w->action("mnuTools")->isEnabled());
        QVERIFY(!w->findChild<QToolBar *>("Picture15")->isEnabled());
        QVERIFY(!w->findChild<QToolBar *>("Picture14")->isEnabled());
        w->createDocument();
        QCOMPARE(w->documentCount(), 1);
        QVERIFY(w->action("mnuEdit")->isEnabled());
        QVERIFY(w->action("mnuTools")->isEnabled());
    }

    void cancelStopsTheWholeClose()
    {
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        MainWindow *w = run.start();
        DocumentWindow *first = w->activeDocument();
        first->editor()->setDocumentText("one");
        first->setSaved(false);
        DocumentWindow *second = w->createDocument();
        second->editor()->setDocumentText("two");
        second->setSaved(false);
        run.dialogs.answer(DialogService::Answer::No);     // the active (second) one
        run.dialogs.answer(DialogService::Answer::Cancel); // then the first
        QVERIFY(!w->close());
        QCOMPARE(run.dialogs.messages(), QStringList({"Do you want to save your document",
                                                      "Do you want to save your document"}));
        QCOMPARE(run.dialogs.asked[0].title, QStringLiteral("You have not saved your file"));
        QVERIFY(run.main);
        QCOMPARE(w->documentCount(), 1);
        QCOMPARE(w->documents().first(), first);
        QVERIFY(w->state().closeCancelled);
        // Bars are stored only by a completed close.
        QVERIFY(!run.store->contains("LM3", "Previous", "Picture1"));
    }

    void saveQuestionYesWritesTheFile()
    {
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        MainWindow *w = run.start();
        DocumentWindow *doc = w->activeDocument();
        doc->editor()->setDocumentText("<P>kept</P>\r\n");
        doc->setSaved(false);
        const QString target = run.dir.filePath("saved.htm");
        run.dialogs.answer(DialogService::Answer::Yes);
        run.dialogs.answer(target);
        QVERIFY(w->close());
        QFile f(target);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("<P>kept</P>\r\n"));
        QCOMPARE(run.dialogs.asked[1].filter, QStringLiteral("HTML Files (*.htm)|*.htm"));
    }

    void saveQuestionYesSavesANamedDocumentToItsFile()
    {
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        MainWindow *w = run.start();
        const QString page = run.dir.filePath("page.htm");
        QFile f(page);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("old");
        f.close();
        QVERIFY(w->openFile(page));
        w->activeEditor()->setDocumentText("new");
        w->activeDocument()->setSaved(false);
        run.dialogs.answer(DialogService::Answer::Yes);
        QVERIFY(w->activeDocument()->parentWidget()->close());
        QCOMPARE(run.dialogs.asked.size(), 1); // no Save As dialog
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("new"));
    }

    void saveQuestionKeepsTextWhenNothingWasWritten_data()
    {
        QTest::addColumn<QString>("target"); // empty: the save dialog is cancelled
        QTest::newRow("dialog cancelled") << QString();
        QTest::newRow("unwritable target") << QStringLiteral("blocker/sub/doc.htm");
    }
    void saveQuestionKeepsTextWhenNothingWasWritten()
    {
        QFETCH(QString, target);
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        QFile blocker(run.dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        MainWindow *w = run.start();
        w->activeDocument()->editor()->setDocumentText("precious");
        w->activeDocument()->setSaved(false);
        run.dialogs.answer(DialogService::Answer::Yes);
        if (target.isEmpty())
            run.dialogs.answerCancel();
        else
            run.dialogs.answer(run.dir.filePath(target));
        QVERIFY(!w->close());
        QCOMPARE(w->documentCount(), 1);
        QCOMPARE(w->activeDocument()->editor()->documentText(), QStringLiteral("precious"));
        if (!target.isEmpty()) {
            QCOMPARE(run.dialogs.messages().size(), 2); // the question, then why
            QCOMPARE(run.dialogs.messages()[1],
                     "Cannot Save File\n" + run.dir.filePath(target) + ": Not a directory");
        }
    }

    void typingColoursTags()
    {
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        MainWindow *w = run.start();
        HtmlEditor *e = w->activeDocument()->editor();
        const qint64 other = w->state().colors[OtherColor];
        w->state().undo.valid = true;
        QTest::keyClicks(e, "a<B>x");
        // The end tag is written as the start tag's ">" is typed.
        QCOMPARE(e->documentText(), QStringLiteral("a<B>x</B>"));
        QCOMPARE(e->selStart(), 5);
        QCOMPARE(e->colorAt(0), qint64(0));
        for (int at : {1, 2, 3, 5, 8})
            QCOMPARE(e->colorAt(at), other);
        QCOMPARE(e->colorAt(4), qint64(0));
        QVERIFY(!w->state().undo.valid); // typing voids the undo record
        QVERIFY(!w->activeDocument()->isSaved());
        QCoreApplication::processEvents(); // the panel follows once the change is done
        QCOMPARE(w->lengthPanel(), QStringLiteral("9"));
    }

    void colourSwitchOffLeavesTypingAlone()
    {
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        run.store->save("Lorimel3", "Colors", "OnOff", "True");
        MainWindow *w = run.start();
        QVERIFY(w->state().colouringOff);
        w->state().undo.valid = true;
        HtmlEditor *e = w->activeDocument()->editor();
        QTest::keyClicks(e, "<B>");
        QCOMPARE(e->colorAt(0), qint64(0));
        QCOMPARE(e->colorAt(2), qint64(0));
        QVERIFY(w->state().undo.valid);
    }

    void commandLineFile_data()
    {
        QTest::addColumn<bool>("readable");
        QTest::newRow("readable") << true;
        QTest::newRow("missing") << false;
    }
    void commandLineFile()
    {
        QFETCH(bool, readable);
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        const QString path = run.dir.filePath("page.htm");
        if (readable) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("<HTML>\r\n</HTML>\r\n");
        }
        MainWindow *w = run.start(path);
        DocumentWindow *doc = w->activeDocument();
        QCOMPARE(doc->caption(), readable ? path : QStringLiteral("New 1"));
        QCOMPARE(doc->editor()->documentText(),
                 readable ? QStringLiteral("<HTML>\r\n</HTML>\r\n") : QString());
        QVERIFY(doc->isSaved());
        QCOMPARE(run.dialogs.unexpected, 0);
    }

    void documentRoundTripKeepsBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("crlf") << QByteArray("<P>a</P>\r\n<BR>\r\n");
        QTest::newRow("lf") << QByteArray("<P>a</P>\n<BR>\n");
        QTest::newRow("utf8 bom") << QByteArray("\xEF\xBB\xBF<P>caf\xC3\xA9</P>\r\n");
        QTest::newRow("cp1252") << QByteArray("<P>caf\xE9 \x93q\x94</P>\r\n");
    }
    void documentRoundTripKeepsBytes()
    {
        QFETCH(QByteArray, bytes);
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        MainWindow *w = run.start();
        const QString in = run.dir.filePath("in.htm");
        const QString out = run.dir.filePath("out.htm");
        QFile f(in);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        DocumentWindow *doc = w->activeDocument();
        QVERIFY(doc->loadFile(in));
        QVERIFY(doc->saveFile(out));
        QFile g(out);
        QVERIFY(g.open(QIODevice::ReadOnly));
        QCOMPARE(g.readAll(), bytes);
    }

    // A character Windows-1252 cannot hold: cancel, numeric character
    // references, or UTF-8; never a silent "?".
    void typingIntoCp1252AsksHowToSave_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("cancel") << 2 << false << QByteArray("caf\xE9");
        QTest::newRow("references") << 0 << true << QByteArray("caf\xE9 &#20013;&#128512;");
        QTest::newRow("utf-8") << 1 << true
                               << QByteArray("caf\xC3\xA9 \xE4\xB8\xAD\xF0\x9F\x98\x80");
    }
    void typingIntoCp1252AsksHowToSave()
    {
        QFETCH(int, choice);
        QFETCH(bool, saved);
        QFETCH(QByteArray, bytes);
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        MainWindow *w = run.start();
        const QString path = run.dir.filePath("old.htm");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("caf\xE9");
        f.close();
        DocumentWindow *doc = w->activeDocument();
        QVERIFY(doc->loadFile(path));
        doc->editor()->setSelStart(4);
        doc->editor()->setSelText(QString::fromUtf8(" \u4E2D\U0001F600"));
        run.dialogs.choices << choice;
        QCOMPARE(doc->saveFile(path), saved);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), bytes);
        QCOMPARE(run.dialogs.unexpected, 0);
    }

    // A page declaring UTF-8 but stored as Windows-1252 gets the bar; each
    // of its two answers settles the mismatch.
    void charsetMismatchBar_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("saved"); // the file after, and after a save
        QTest::newRow("save as declared")
            << "SaveAsDeclared" << QByteArray("<meta charset=\"utf-8\"><p>caf\xC3\xA9</p>\r\n");
        QTest::newRow("fix the declaration")
            << "FixDeclaration" << QByteArray("<meta charset=\"windows-1252\"><p>caf\xE9</p>\r\n");
    }
    void charsetMismatchBar()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, saved);
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        MainWindow *w = run.start();
        const QString path = run.dir.filePath("page.htm");
        const QByteArray original("<meta charset=\"utf-8\"><p>caf\xE9</p>\r\n");
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(original);
        f.close();
        QVERIFY(w->openFile(path));
        DocumentWindow *doc = w->activeDocument();
        QVERIFY(doc->charsetBar());
        QVERIFY(doc->charsetBar()->text().contains("utf-8"));
        auto *press = doc->charsetBar()->findChild<QPushButton *>(button);
        QVERIFY(press);
        press->click();
        QVERIFY(!doc->charsetBar());
        QVERIFY(filecommands::save(*w, *doc));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), saved);
        f.close();
        QVERIFY(!doc->charsetBar());
        QCOMPARE(run.dialogs.unexpected, 0);
    }

    // The preview shows the manual, then the document, from memory: the
    // web-site folder gets no file, and need not even be a folder. The
    // browser engine is loaded only for the document.
    void previewWritesNothing_data()
    {
        QTest::addColumn<bool>("folder");
        QTest::newRow("web-site folder") << true;
        QTest::newRow("web-site folder turned into a file") << false;
    }
    void previewWritesNothing()
    {
        QFETCH(bool, folder);
        Run run;
        const QString site = run.dir.filePath("site");
        QVERIFY(folder ? QDir().mkpath(site) : QFile(site).open(QIODevice::WriteOnly));
        run.store->save("LM3", "Extras", "UseIE", "Yes");
        run.store->save("Lorimel3", "Direct", "FilePath", site);
        MainWindow *w = run.start();
        DocumentWindow *doc = w->activeDocument();
        PreviewPane *pane = doc->previewPane();
        QVERIFY(pane->manualView());
        QCOMPARE(pane->manualView()->documentTitle(), QStringLiteral("Lorimel 3.0 Manual"));
        // Refreshing an empty document leaves the manual there.
        auto *refresh = doc->findChild<QAbstractButton *>("Command1");
        refresh->click();
        QVERIFY(pane->manualView()->isVisible());
        QVERIFY(!pane->hasBrowser());
        doc->editor()->setDocumentText("<TITLE>Hi</TITLE><H1>Hi</H1>");
        refresh->click();
        QVERIFY(pane->hasBrowser());
        auto *view = pane->browser()->findChild<QWidget *>("WebBrowser1");
        QVERIFY(view);
        QTRY_COMPARE_WITH_TIMEOUT(view->property("title").toString(), QStringLiteral("Hi"), 60000);
        QVERIFY(view->isVisible());
        QVERIFY(!pane->manualView()->isVisible());
        QCOMPARE(run.dialogs.messages(), QStringList());
        if (folder)
            QCOMPARE(QDir(site).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void menuCaptions()
    {
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        MainWindow *w = run.start();
        QStringList bar;
        for (QAction *a : w->menuBar()->actions())
            bar << a->text();
        QCOMPARE(bar, QStringList({"&File", "&Edit", "&HTML", "&Tools", "&View", "&Window",
                                   "&MS Apps", "Hel&p"}));
        QStringList file;
        for (QAction *a : w->findChild<QMenu *>("mnuFile")->actions())
            file << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(file, QStringList({"&New", "&Open", "&Recent Files", "-", "&Import", "-",
                                    "Save &As", "&Save", "-", "&Print", "Print Pre&view", "-",
                                    "&Find Files", "-", "E&xit"}));
        QCOMPARE(w->findChild<QMenu *>("mnuToolsNZItem")->actions().size(), 11);
        QVERIFY(w->action("mnuToolbarItem")->isCheckable());
        QVERIFY(w->action("mnuAboutItem")->isEnabled());
        QCOMPARE(w->action("mnuSaveregItem")->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(w->action("mnuFindItem")->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(w->action("mnuManualItem")->shortcut(), QKeySequence(Qt::Key_F1));
        QCOMPARE(w->action("mnuDefTermItem")->text(), QStringLiteral("Defintion List &Term <DT>"));
        QCOMPARE(w->action("mnuHeading6Item")->text(), QStringLiteral("Heading &6 <H6></H6>"));
        QMenu *pop = w->findChild<QMenu *>("Pop");
        QVERIFY(pop);
        QStringList captions;
        for (QAction *a : pop->actions()) {
            if (!a->isSeparator())
                captions << a->text();
        }
        QCOMPARE(captions.size(), 13);
        QCOMPARE(captions.first(), w->action("mnuEditElementItem")->text());
        QCOMPARE(captions.at(1), QStringLiteral("U&ndo"));
        QCOMPARE(captions.last(), QStringLiteral("&Underline Text <U></U>"));
        auto *smart = w->findChild<QToolButton *>("Command96");
        QCOMPARE(smart->toolTip(), QStringLiteral("Color-Codes  HTML Syntax"));
    }

    void createALinkToFile()
    {
        QTemporaryDir site;
        QFile file(site.filePath("page.htm"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        run.store->save("Lorimel3", "Startup", "ShowStart", "no");
        run.store->save("Lorimel3", "Direct", "FilePath", site.path());
        MainWindow *w = run.start();
        QAction *link = w->action("mnuWebsiteLinkItem");
        QVERIFY(link->isEnabled());
        auto *pane = w->findChild<SitePane *>();
        QVERIFY(pane && pane->folder() == site.path());

        link->trigger();
        QCOMPARE(run.dialogs.messages(), QStringList{"No File Selected"});
        QVERIFY(!w->findChild<QDialog *>("Form3"));

        const auto found = pane->fileList()->findItems("page.htm", Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        pane->fileList()->setCurrentItem(found.first());
        link->trigger();
        auto *links = w->findChild<QDialog *>("Form3");
        QVERIFY(links && links->isVisible());
        QVERIFY(!w->isEnabled());
        for (const char *box : {"Text1", "Text3", "Text6"})
            QCOMPARE(links->findChild<QLineEdit *>(box)->text(), QStringLiteral("page.htm"));
        links->accept();
        QCOMPARE(w->activeEditor()->documentText(), QStringLiteral("<A HREF=\"page.htm\"></A>"));
        QVERIFY(w->isEnabled());

        auto *sub = qobject_cast<QWidget *>(w->activeDocument()->parentWidget());
        w->activeDocument()->setSaved(true);
        QVERIFY(sub->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!link->isEnabled());
    }

    void toolbarHints()
    {
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        MainWindow *w = run.start();
        auto *open = w->findChild<QToolButton *>("Command44_1");
        open->setEnabled(true); // disabled buttons get no mouse moves
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(open, &move);
        QCOMPARE(w->hint(), QStringLiteral("Opens an existing HTML or TXT file"));
        QCoreApplication::sendEvent(w->findChild<QToolBar *>("Picture1"), &move);
        QCOMPARE(w->hint(), QString());
    }

    void missingToolSaysNotInstalled()
    {
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        MainWindow *w = run.start();
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "/nonexistent");
        w->action("mnuCalculatorItem")->trigger();
        qputenv("PATH", path);
        QCOMPARE(run.dialogs.messages(),
                 QStringList({launcher::notInstalledMessage(launcher::Tool::Calculator)}));
        // It names the programs looked for and how to get one.
        QVERIFY(run.dialogs.messages().first().contains(QStringLiteral("gnome-calculator, kcalc")));
        QVERIFY(run.dialogs.messages().first().contains(QStringLiteral("sudo apt install")));
    }

    void everyTagCommandIsInAMenu()
    {
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        run.store->save("Lorimel3", "Startup", "ShowStart", "no");
        MainWindow *w = run.start();
        HtmlEditor *e = w->activeEditor();
        for (const tagcommands::TagCommand &c : tagcommands::tagCommands()) {
            const QString expected = tagcommands::fragment(c.firstTag, u"w", c.lastTag);
            // The menus add mnemonics of their own.
            auto plain = [](QString caption) { return caption.remove(u'&'); };
            QList<QAction *> found;
            for (QAction *a : w->findChildren<QAction *>()) {
                const QString text = plain(a->text());
                if (!a->menu() && !text.isEmpty() &&
                    (text == plain(c.menuCaption) || text == plain(c.popupCaption)))
                    found << a;
            }
            QCOMPARE(found.size(), int(!c.menuCaption.isEmpty()) + int(!c.popupCaption.isEmpty()));
            for (QAction *a : found) {
                QVERIFY2(a->isEnabled(), qPrintable(a->text()));
                e->setDocumentText("w");
                e->select(0, 1);
                a->trigger();
                QCOMPARE(e->documentText(), expected);
            }
        }
    }

    void editMenuUndoPasteAndSmartColorButton()
    {
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        run.store->save("Lorimel3", "Startup", "ShowStart", "no");
        MainWindow *w = run.start();
        HtmlEditor *e = w->activeEditor();
        e->setDocumentText("x");
        e->setSelStart(1);
        QGuiApplication::clipboard()->setText("<TABLE>");
        w->action("mnuPasteItem")->trigger();
        QCOMPARE(e->documentText(), QStringLiteral("x<TABLE>"));
        QCOMPARE(e->colorAt(1), w->state().colors[TablesColor]);
        w->action("mnuBoldItem")->trigger();
        QCOMPARE(e->documentText(), QStringLiteral("x<TABLE><B></B>"));
        w->action("mnuPopUndoItem")->trigger();
        QCOMPARE(e->documentText(), QStringLiteral("x<TABLE>"));
        e->select(0, 1);
        w->action("mnuCutItem")->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("x"));
        QCOMPARE(e->documentText(), QStringLiteral("<TABLE>"));
        e->colorRange(0, 7, 0);
        w->findChild<QToolButton *>("Command96")->click();
        QCOMPARE(e->colorAt(0), w->state().colors[TablesColor]);
        w->action("mnuSelectAllItem")->trigger();
        QCOMPARE(e->selLength(), qsizetype(7));
        w->action("mnuDeleteItem")->trigger();
        QCOMPARE(e->documentText(), QString());
    }

    // Within each menu no two items share a letter.
    void menuMnemonicsAreUnique()
    {
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        MainWindow *w = run.start();
        const QList<QMenu *> menus = w->findChildren<QMenu *>();
        QVERIFY(menus.size() > 8);
        for (QMenu *menu : menus) {
            QHash<QChar, QString> owner;
            for (QAction *a : menu->actions()) {
                if (a->isSeparator() || a->text().isEmpty())
                    continue;
                const QChar letter = mnemonics::of(a->text());
                QVERIFY2(!letter.isNull(), qPrintable(a->text()));
                QVERIFY2(!owner.contains(letter),
                         qPrintable(owner.value(letter) + QStringLiteral(" / ") + a->text()));
                owner.insert(letter, a->text());
            }
        }
    }

    // The Edit menu shows the editor's own keys, and those keys still act
    // once in the editor.
    void editKeysShownInTheMenuActInTheEditor()
    {
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        run.store->save("Lorimel3", "Startup", "ShowStart", "no");
        MainWindow *w = run.start();
        for (const char *item : {"mnuUndoItem", "mnuCutItem", "mnuCopyItem", "mnuPasteItem"})
            QVERIFY2(!w->action(item)->shortcut().isEmpty(), item);
        QVERIFY(QTest::qWaitForWindowActive(w));
        HtmlEditor *e = w->activeEditor();
        e->setFocus();
        e->setDocumentText("ab");
        e->select(0, 1);
        QTest::keyClick(e, Qt::Key_C, Qt::ControlModifier);
        e->setSelStart(2);
        QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(e->documentText(), QStringLiteral("aba"));
        e->select(0, 1);
        QTest::keyClick(e, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(e->documentText(), QStringLiteral("ba"));
        QTest::keyClick(e, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(e->documentText(), QStringLiteral("aba"));
    }

    void colourBarClickReplacesSelection()
    {
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        run.store->save("Lorimel3", "Startup", "ShowStart", "no");
        MainWindow *w = run.start();
        HtmlEditor *e = w->activeEditor();
        e->setDocumentText("COLOR=x");
        e->select(6, 1);
        auto *palette = w->findChild<QLabel *>("ColorPalette");
        const QImage image = palette->pixmap().toImage();
        const QColor c = image.pixelColor(599, 0); // the grey ramp ends in black
        QTest::mouseClick(palette, Qt::LeftButton, Qt::NoModifier, QPoint(599, 0));
        QCOMPARE(e->documentText(), QStringLiteral("COLOR=#%1%2%3")
                                        .arg(c.red(), 2, 16, QLatin1Char('0'))
                                        .arg(c.green(), 2, 16, QLatin1Char('0'))
                                        .arg(c.blue(), 2, 16, QLatin1Char('0'))
                                        .toUpper()
                                        .replace("COLOR=#", "COLOR=#"));
        QVERIFY(!w->state().undo.valid);
    }

    void tipsAtStartup_data()
    {
        QTest::addColumn<QString>("stored"); // empty: not stored
        QTest::addColumn<bool>("shown");
        QTest::newRow("fresh user") << "" << true;
        QTest::newRow("yes") << "yes" << true;
        QTest::newRow("no") << "no" << false;
    }
    void tipsAtStartup()
    {
        QFETCH(QString, stored);
        QFETCH(bool, shown);
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        if (!stored.isEmpty())
            run.store->save("Lorimel3", "Startup", "ShowStart", stored);
        MainWindow *w = run.start();
        auto *tips = w->findChild<QDialog *>("Didyouknow");
        QCOMPARE(tips != nullptr && tips->isVisible(), shown);
        if (!tips)
            return;
        QCOMPARE(tips->windowTitle(), QStringLiteral("Did You Know?"));
        auto *tipText = tips->findChild<QLabel *>("Label2");
        for (int i = 0; i < 20; ++i) {
            tips->findChild<QAbstractButton *>("Command2")->click();
            QVERIFY(tips::tipList().contains(tipText->text()));
        }
        auto *box = tips->findChild<QCheckBox *>("Check1");
        QVERIFY(box->isChecked());
        box->click();
        QCOMPARE(run.store->get("Lorimel3", "Startup", "ShowStart"), QStringLiteral("no"));
        box->click();
        QCOMPARE(run.store->get("Lorimel3", "Startup", "ShowStart"), QStringLiteral("yes"));
        // At start-up every page button works.
        QVERIFY(tips->findChild<QAbstractButton *>("Command3")->isEnabled());
        QVERIFY(tips->findChild<QAbstractButton *>("Command4")->isEnabled());
        // "Open an Existing Webpage" loads into the start-up document.
        const QString page = run.dir.filePath("page.htm");
        QFile f(page);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<TABLE>");
        f.close();
        run.dialogs.answer(page);
        tips->findChild<QAbstractButton *>("Command5")->click();
        QCOMPARE(w->documentCount(), 1);
        QCOMPARE(w->activeDocument()->caption(), page);
        QCOMPARE(w->activeEditor()->documentText(), QStringLiteral("<TABLE>"));
        QCOMPARE(w->activeEditor()->colorAt(0), w->state().colors[TablesColor]);
        QVERIFY(w->activeDocument()->isSaved());
    }

    // "Open an Existing Webpage" never replaces text typed into the start-up
    // document: the file then opens in a window of its own.
    void tipsOpenBesideAChangedDocument()
    {
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        MainWindow *w = run.start();
        auto *tips = w->findChild<QDialog *>("Didyouknow");
        QVERIFY(tips);
        DocumentWindow *first = w->activeDocument();
        QTest::keyClicks(first->editor(), "typed");
        const QString page = run.dir.filePath("page.htm");
        QFile f(page);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("<P>");
        f.close();
        run.dialogs.answer(page);
        tips->findChild<QAbstractButton *>("Command5")->click();
        QCOMPARE(w->documentCount(), 2);
        QCOMPARE(first->caption(), QStringLiteral("New 1"));
        QCOMPARE(first->editor()->documentText(), QStringLiteral("typed"));
        QVERIFY(!first->isSaved());
        QCOMPARE(w->activeDocument()->caption(), page);
        QCOMPARE(w->activeEditor()->documentText(), QStringLiteral("<P>"));
    }

    // Panel 2 counts the active document's characters, and nothing once
    // the last document has closed.
    void lengthPanelFollowsTheActiveDocument()
    {
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        MainWindow *w = run.start();
        QTest::keyClicks(w->activeEditor(), "abcde");
        QCoreApplication::processEvents();
        QCOMPARE(w->lengthPanel(), QStringLiteral("5"));
        DocumentWindow *second = w->createDocument();
        QTest::keyClicks(second->editor(), "xy");
        QCoreApplication::processEvents();
        QCOMPARE(w->lengthPanel(), QStringLiteral("2"));
        second->setSaved(true);
        QVERIFY(second->parentWidget()->close());
        QCoreApplication::processEvents();
        QCOMPARE(w->lengthPanel(), QStringLiteral("5"));
        w->activeDocument()->setSaved(true);
        QVERIFY(w->activeDocument()->parentWidget()->close());
        QCoreApplication::processEvents();
        QCOMPARE(w->documentCount(), 0);
        QCOMPARE(w->lengthPanel(), QString());
    }

    // Start-up never hangs on what it is given: a pipe named on the command
    // line is refused with a message, and huge stored counts stay bounded.
    void startupSurvivesHostileInput()
    {
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        run.store->save("Lorimel3", "Startup", "ShowStart", "no");
        run.store->save("Lorimel3", "Graphics", "Count", "2000000000");
        run.store->save("Lorimel3", "CustomTags", "Count", "2000000000");
        run.store->save("Lorimel3", "Settings", "Fontsize", "1e10");
        const QString fifo = run.dir.filePath("pipe.htm");
        QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        MainWindow *w = run.start(fifo);
        QVERIFY(w);
        QCOMPARE(w->documentCount(), 1);
        QCOMPARE(w->activeDocument()->caption(), QStringLiteral("New 1"));
        QCOMPARE(run.dialogs.messages(),
                 QStringList({"Cannot open " + fifo +
                              "\nThis is not a regular file (a device, a pipe or a socket)."}));
        QCOMPARE(w->state().imageTypes.size(), 5000);
        QCOMPARE(w->state().customTags.size(), 5000);
        QCOMPARE(w->activeEditor()->textFontSize(), 1000.0);
    }

    // With nothing stored the web-site folder is the home folder, and a
    // stored one that is the program's own folder is not used: the
    // program never works in its own folder.
    void siteFolderIsNeverTheProgramFolder_data()
    {
        QTest::addColumn<QString>("stored"); // "program", "other" or none
        QTest::newRow("nothing stored") << QString();
        QTest::newRow("the program's folder") << "program";
        QTest::newRow("another folder") << "other";
    }
    void siteFolderIsNeverTheProgramFolder()
    {
        QFETCH(QString, stored);
        QTemporaryDir home;
        const QByteArray savedHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        const QString other = run.dir.path();
        const QString folder = stored == "program" ? QCoreApplication::applicationDirPath() : other;
        if (!stored.isEmpty()) {
            for (const char *key : {"Drive", "Director", "FilePath"})
                run.store->save("Lorimel3", "Direct", key, folder);
        }
        MainWindow *w = run.start();
        qputenv("HOME", savedHome);
        QVERIFY(w);
        const QString expected = stored == "other" ? other : home.path();
        QCOMPARE(w->state().siteFilePath, expected);
        QCOMPARE(w->state().siteDirectory, expected);
        QCOMPARE(w->siteFolder(), expected);
    }

    void damagedSettingsAreReportedAndSetAside()
    {
        Run run;
        run.store->sync();
        run.store.reset();
        QFile ini(run.dir.filePath("Lorimel3.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Settings]\nBrowser=/usr/bin/x\n[Colors\nTables=255\n");
        ini.close();
        run.store = std::make_unique<SettingsStore>(run.dir.path());
        run.store->save("LM3", "Extras", "UseIE", "No");
        MainWindow *w = run.start();
        QVERIFY(w);
        const QString path = run.dir.filePath("Lorimel3.ini");
        QCOMPARE(
            run.dialogs.messages(),
            QStringList({"The settings file " + path +
                         " is damaged: line 3 (\"[Colors\") cannot be read.\nA copy was kept as " +
                         path + ".damaged.\nDefault settings are used."}));
        QCOMPARE(w->state().browser, QStringLiteral("None"));
        QFile copy(path + ".damaged");
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QVERIFY(copy.readAll().contains("[Colors\n"));
    }

    void organizerButtonOpensTheOrganizer()
    {
        Run run;
        run.store->save("LM3", "Extras", "UseIE", "No");
        MainWindow *w = run.start();
        auto *button = w->findChild<QToolButton *>("Command1");
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("Ostrel PIM"));
        button->click();
        QPointer<QDialog> organizer = w->findChild<QDialog *>("Calender1");
        QVERIFY(organizer && organizer->isVisible());
        QVERIFY(!w->isEnabled());
        QVERIFY(organizer->findChild<QAbstractButton *>("Command4")->isEnabled());
        QTest::keyClick(organizer, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!organizer);
        QVERIFY(w->isEnabled());
        QCOMPARE(run.store->get("Ostrel Organizer", "Data", "Number"), QStringLiteral("2"));
    }

    void printsPagesToPdf()
    {
        HtmlEditor e;
        QString text;
        for (int i = 1; i <= 150; ++i)
            text += QStringLiteral("<P>line %1</P>\r\n").arg(i);
        e.setDocumentText(text);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("out.pdf");
        QsciPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        const int margin = e.marginWidth(0);
        QVERIFY(margin > 0);
        QVERIFY(printing::printDocument(e, printer));
        QProcess info;
        info.start("pdfinfo", {pdf});
        QVERIFY(info.waitForFinished(30000));
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        const QRegularExpressionMatch pages = QRegularExpression("Pages:\\s+(\\d+)").match(out);
        QVERIFY2(pages.hasMatch(), qPrintable(out));
        QVERIFY(pages.captured(1).toInt() >= 2);
        // One-inch margins: the text starts about 72 points from the page edge.
        QProcess text2;
        text2.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(text2.waitForFinished(30000));
        const QString plain = QString::fromUtf8(text2.readAllStandardOutput());
        QVERIFY(plain.contains("<P>line 1</P>"));
        QVERIFY(plain.contains("<P>line 150</P>"));
        QVERIFY(plain.indexOf("line 150") > plain.indexOf(QChar(u'\f')));
        // The text alone: no line numbers in front of it.
        for (const QString &line : plain.split(QRegularExpression("[\n\f]"), Qt::SkipEmptyParts))
            QVERIFY2(line.trimmed().startsWith("<P>"), qPrintable(line));
        QCOMPARE(e.marginWidth(0), margin); // the editor keeps its line numbers
    }

#ifdef LORIMEL_BINARY
    void exitAfterStartupWritesNoExitState()
    {
        QTemporaryDir config;
        {
            SettingsStore store(config.path() + "/lorimel");
            store.save("LM3", "Extras", "UseIE", "No");
            store.save("Lorimel3", "Startup", "ShowStart", "no");
        }
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config.path());
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.start(LORIMEL_BINARY, {"--exit-after-startup"});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        SettingsStore after(config.path() + "/lorimel");
        QVERIFY(!after.contains("LM3", "Previous", "Picture1"));
        QVERIFY(after.contains("LM3", "Fonts", "Number"));
    }

    // Help and version print and end well with no display at all.
    void helpAndVersion()
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(name);
        p.setProcessEnvironment(env);
        p.start(LORIMEL_BINARY, {"--version"});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(p.readAllStandardOutput().contains("3.0"));
        p.start(LORIMEL_BINARY, {"--help"});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(p.readAllStandardOutput().contains("exit-after-startup"));
    }

    // Without a display scripts/run pictures a fresh start: the main window
    // with its first document, the preview question answered for that run
    // only.
    void screenshotShowsTheMainWindow()
    {
        if (QStandardPaths::findExecutable("xvfb-run").isEmpty())
            QSKIP("xvfb-run is not installed (scripts/setup installs it)");
        QTemporaryDir dir;
        const QString png = dir.filePath("shot.png");
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", dir.path());
        env.remove("QT_QPA_PLATFORM");
        p.setProcessEnvironment(env);
        p.start("xvfb-run",
                {"-a", "-s", "-screen 0 1024x768x24", LORIMEL_BINARY, "--screenshot", png});
        QVERIFY(p.waitForFinished(120000));
        QCOMPARE(p.exitCode(), 0);
        const QImage shot(png);
        QVERIFY(!shot.isNull());
        // The menu bar runs along the top left; the bare screen is black.
        const QColor menuBar = shot.pixelColor(400, 10);
        QVERIFY2(menuBar.lightness() > 150, qPrintable(menuBar.name()));
        QSettings lm3(dir.filePath("lorimel/LM3.ini"), QSettings::IniFormat);
        QVERIFY(!lm3.contains("Extras/UseIE"));
    }
#endif
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
