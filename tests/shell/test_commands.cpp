// SPDX-License-Identifier: GPL-3.0-or-later
// The file, import and tool commands as the main window runs them.

#include "editor/htmleditor.h"
#include "kernel/settingsstore.h"
#include "platform/textfile.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "site/sitepane.h"
#include "support/files.h"
#include "support/immutable.h"
#include "support/scripteddialogs.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QFile>
#include <QFileSystemModel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QProcess>
#include <QScopeGuard>
#include <QStyle>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTreeView>
#include <QtTest>

#include <sys/stat.h>

namespace {

struct Run
{
    QTemporaryDir dir;
    SettingsStore store{dir.path() + "/config"};
    ScriptedDialogs dialogs;
    std::unique_ptr<Startup> startup;
    QPointer<MainWindow> main;

    explicit Run(bool previewWindows = false, bool tabbed = false)
    {
        store.save("LM3", "Extras", "UseIE", previewWindows ? "Yes" : "No");
        if (tabbed)
            store.save("LM3", "Window", "Tabbed", "True");
        store.save("Lorimel3", "Startup", "ShowStart", "no");
        store.save("Lorimel3", "Direct", "FilePath", dir.path());
        startup = std::make_unique<Startup>(store, dialogs, QString());
        startup->runNow();
        main = startup->mainWindow();
    }
    ~Run() { delete main.data(); }
    QString path(const QString &name) const { return dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QVERIFY(testfiles::writeFile(path(name), bytes));
    }
    QByteArray read(const QString &name) const { return testfiles::readFile(path(name)); }
    void closeActive()
    {
        main->activeDocument()->setSaved(true);
        qobject_cast<QMdiSubWindow *>(main->activeDocument()->parentWidget())->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// Stands in for the desktop's default browser.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

} // namespace

class TestCommands : public QObject
{
    Q_OBJECT
private slots:
    void newNumbersAreNeverReused()
    {
        Run run;
        for (int i = 0; i < 3; ++i)
            run.main->action("mnuNewItem")->trigger();
        QCOMPARE(run.main->activeDocument()->caption(), QStringLiteral("New 4"));
        for (int i = 0; i < 3; ++i)
            run.closeActive();
        QCOMPARE(run.main->documentCount(), 1);
        run.main->findChild<QToolButton *>("Command44_0")->click();
        QCOMPARE(run.main->activeDocument()->caption(), QStringLiteral("New 5"));
        QCOMPARE(run.main->documentCount(), 2);
    }

    // Tile and Cascade, from maximised documents or from tabs.
    void windowMenuArrangesDocuments_data()
    {
        QTest::addColumn<bool>("tabbed");
        QTest::newRow("maximised") << false;
        QTest::newRow("tabs") << true;
    }
    void windowMenuArrangesDocuments()
    {
        QFETCH(bool, tabbed);
        Run run(false, tabbed);
        run.main->resize(1000, 800);
        run.main->action("mnuNewItem")->trigger();
        QMetaObject::invokeMethod(run.main->findChild<QMenu *>("mnuWindow"), "aboutToShow");
        QStringList captions;
        for (QAction *a : run.main->findChild<QMenu *>("mnuWindow")->actions())
            captions << a->text();
        QCOMPARE(captions,
                 QStringList({"&Cascade Child Forms", "&Tile Child Forms", "&Arrange Icons",
                              "Ta&bbed Documents", "", "Cl&ose", "Ne&xt Window", "Pre&vious Window",
                              "", "&1 New 1", "&2 New 2"}));
        QCOMPARE(run.main->action("mnuTabbedItem")->isChecked(), tabbed);
        run.main->action("mnuTileItem")->trigger();
        const QList<DocumentWindow *> docs = run.main->documents();
        auto *area = run.main->findChild<QMdiArea *>("MDIClient");
        QCOMPARE(area->viewMode(), QMdiArea::SubWindowView);
        QVERIFY(!run.main->action("mnuTabbedItem")->isChecked());
        const QRect a = docs[0]->parentWidget()->geometry();
        const QRect b = docs[1]->parentWidget()->geometry();
        QCOMPARE(a.width(), b.width());
        QVERIFY(!a.intersects(b)); // one above the other
        run.main->action("mnuCascadeItem")->trigger();
        for (DocumentWindow *doc : docs)
            QVERIFY(!doc->parentWidget()->isMaximized());
        QVERIFY(
            docs[0]->parentWidget()->geometry().intersects(docs[1]->parentWidget()->geometry()));
        QVERIFY(docs[0]->parentWidget()->geometry() != docs[1]->parentWidget()->geometry());
    }

    // Documents open maximised (the area keeps one maximised at a time: the
    // active one); the editor, with the preview beside it, fills the document.
    void documentsFillTheArea_data()
    {
        QTest::addColumn<bool>("previewWindows");
        QTest::newRow("plain") << false;
        QTest::newRow("preview") << true;
    }
    void documentsFillTheArea()
    {
        QFETCH(bool, previewWindows);
        Run run(previewWindows);
        QVERIFY(run.main->activeDocument()->parentWidget()->isMaximized());
        run.main->action("mnuNewItem")->trigger();
        DocumentWindow *doc = run.main->activeDocument();
        QCOMPARE(doc->caption(), QStringLiteral("New 2"));
        QVERIFY(doc->parentWidget()->isMaximized());
        run.main->action("mnuNextWindowItem")->trigger();
        QVERIFY(run.main->activeDocument() != doc);
        doc = run.main->activeDocument();
        QVERIFY(doc->parentWidget()->isMaximized());
        QWidget *content = previewWindows ? doc->findChild<QWidget *>("Slider1") : doc->editor();
        QVERIFY(content);
        QTRY_COMPARE(content->geometry(), doc->rect());
    }

    // A tab per document, with its unsaved mark and a close button that
    // asks about the change; the choice holds for the next run.
    void tabbedDocuments()
    {
        Run run;
        run.main->action("mnuNewItem")->trigger();
        run.main->action("mnuTabbedItem")->trigger();
        auto *area = run.main->findChild<QMdiArea *>("MDIClient");
        QCOMPARE(area->viewMode(), QMdiArea::TabbedView);
        QCOMPARE(run.store.get("LM3", "Window", "Tabbed"), QStringLiteral("True"));
        auto *tabs = area->findChild<QTabBar *>();
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 2);
        DocumentWindow *doc = run.main->activeDocument();
        doc->editor()->setSelText("x");
        const int index = tabs->currentIndex();
        QCOMPARE(tabs->tabText(index), doc->caption() + u'*');
        const auto side = QTabBar::ButtonPosition(
            tabs->style()->styleHint(QStyle::SH_TabBar_CloseButtonPosition, nullptr, tabs));
        auto *close = qobject_cast<QAbstractButton *>(tabs->tabButton(index, side));
        QVERIFY(close);
        run.dialogs.answer(DialogService::Answer::No);
        close->click();
        QCOMPARE(run.dialogs.messages(), QStringList{"Do you want to save your document"});
        QCOMPARE(run.main->documentCount(), 1);
        QCOMPARE(tabs->count(), 1);

        Run next(false, true);
        QCOMPARE(next.main->findChild<QMdiArea *>("MDIClient")->viewMode(), QMdiArea::TabbedView);
        QVERIFY(next.main->action("mnuTabbedItem")->isChecked());
    }

    void saveNamedWritesWithoutDialog()
    {
        Run run;
        run.write("page.htm", "old");
        QVERIFY(run.main->openFile(run.path("page.htm")));
        DocumentWindow *doc = run.main->activeDocument();
        doc->editor()->setSelStart(3);
        doc->editor()->setSelText("+new");
        QVERIFY(!doc->isSaved());
        run.main->action("mnuSaveregItem")->trigger();
        QCOMPARE(run.read("page.htm"), QByteArray("old+new"));
        QVERIFY(doc->isSaved());
        QCOMPARE(run.dialogs.asked.size(), 0);
    }

    void saveUnnamedAsksForAName()
    {
        Run run;
        DocumentWindow *doc = run.main->activeDocument();
        doc->editor()->setDocumentText("<P>");
        run.dialogs.answer(run.path("first.htm"));
        run.main->action("mnuSaveregItem")->trigger();
        QCOMPARE(run.read("first.htm"), QByteArray("<P>"));
        QCOMPARE(doc->caption(), run.path("first.htm"));
        QCOMPARE(run.dialogs.asked[0].filter,
                 QStringLiteral("HTML Files (*.htm)|*.htm|Text Files (*.txt)|*.txt"));
        QCOMPARE(run.dialogs.asked[0].folder, run.dir.path());
    }

    void failedSaveKeepsOldFileAndUnsavedFlag()
    {
        Run run;
        run.write("page.htm", "old bytes");
        QVERIFY(run.main->openFile(run.path("page.htm")));
        DocumentWindow *doc = run.main->activeDocument();
        doc->editor()->setDocumentText("new text");
        // The file's folder is swapped for a regular file: no write can work.
        QVERIFY(QDir(run.dir.path()).rename("page.htm", "kept.htm"));
        QVERIFY(QDir().mkdir(run.path("page.htm")));
        run.main->action("mnuSaveregItem")->trigger();
        QCOMPARE(run.dialogs.messages(), QStringList({"Cannot Save File\n" + run.path("page.htm") +
                                                      ": This is a folder, not a file."}));
        QVERIFY(!doc->isSaved());
        QCOMPARE(run.read("kept.htm"), QByteArray("old bytes"));
    }

    void saveIntoReadOnlyFolderKeepsOldFile()
    {
        Run run;
        QVERIFY(QDir().mkdir(run.path("site")));
        run.write("site/page.htm", "old bytes\r\n");
        QVERIFY(run.main->openFile(run.path("site/page.htm")));
        DocumentWindow *doc = run.main->activeDocument();
        doc->editor()->setDocumentText("new text");
        // An immutable folder stops even root from writing into it.
        const Immutable guard(run.path("site"));
        if (!guard.active())
            QSKIP("chattr cannot make a folder immutable here");
        run.main->action("mnuSaveregItem")->trigger();
        QCOMPARE(run.dialogs.messages(),
                 QStringList({"Cannot Save File\n" + run.path("site/page.htm") +
                              ": Operation not permitted"}));
        QVERIFY(!doc->isSaved());
        QCOMPARE(run.read("site/page.htm"), QByteArray("old bytes\r\n"));
    }

    void openUnreadableFileSaysSoAndLeavesNoWindow()
    {
        Run run;
        run.dialogs.answer(run.path("missing.htm"));
        run.main->action("mnuOpenItem")->trigger();
        QCOMPARE(run.main->documentCount(), 1);
        QCOMPARE(run.dialogs.messages().size(), 1);
        QVERIFY(run.dialogs.messages()[0].startsWith("Cannot open"));
        QCOMPARE(run.dialogs.asked[0].filter,
                 QStringLiteral("HTML Files (*.htm;*.html)|*.htm;*.html|Text Files "
                                "(*.txt)|*.txt|All Files (*.*)|*.*"));
    }

    // What is opened is saved back byte for byte, whatever its encoding,
    // NULs and byte-order marks included.
    void documentsKeepEveryByte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("nul inside") << QByteArrayLiteral("first line\n\0second\nthird\n");
        QTest::newRow("nul first") << QByteArrayLiteral("\0<HTML>\r\n<BODY>x</BODY>\r\n");
        QTest::newRow("utf16 le") << QByteArrayLiteral("\xFF\xFE<\0P\0>\0\xAC\x20\r\0\n\0");
        QTest::newRow("utf16 be") << QByteArrayLiteral("\xFE\xFF\0<\0P\0>\x20\xAC\0\r\0\n");
        QTest::newRow("bom then cp1252") << QByteArray("\xEF\xBB\xBF<P>caf\xE9 \x93q\x94</P>");
        QTest::newRow("two boms") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF<P>");
    }
    void documentsKeepEveryByte()
    {
        QFETCH(QByteArray, bytes);
        Run run;
        run.write("page.htm", bytes);
        QVERIFY(run.main->openFile(run.path("page.htm")));
        DocumentWindow *doc = run.main->activeDocument();
        QVERIFY(doc->isSaved());
        doc->editor()->setSelStart(doc->editor()->characterLength());
        doc->editor()->setSelText("+");
        run.main->action("mnuSaveregItem")->trigger();
        QCOMPARE(run.dialogs.messages(), QStringList());
        const QByteArray saved = run.read("page.htm");
        QVERIFY(saved.startsWith(bytes));
        QCOMPARE(saved.size() - bytes.size(),
                 qsizetype(bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") ? 2 : 1));
    }

    // Files that are no text documents open no window and say why: a
    // picture, a pipe (which must not make the program wait), a device.
    void openRefusesWhatIsNoText()
    {
        Run run;
        run.write("photo.htm", QByteArrayLiteral("\x89PNG\r\n\x1A\n\0\0\0\rIHDR"));
        QVERIFY(mkfifo(QFile::encodeName(run.path("pipe.htm")).constData(), 0600) == 0);
        const QStringList paths{run.path("photo.htm"), run.path("pipe.htm"), "/dev/null"};
        for (const QString &path : paths) {
            QVERIFY(!run.main->openFile(path));
            QCOMPARE(run.main->documentCount(), 1);
        }
        QCOMPARE(
            run.dialogs.messages(),
            QStringList({"Cannot open " + paths[0] + "\nThis looks like a binary file, not text.",
                         "Cannot open " + paths[1] +
                             "\nThis is not a regular file (a device, a pipe or a socket).",
                         "Cannot open /dev/null\nThis is not a regular file (a device, a "
                         "pipe or a socket)."}));
    }

    void hugeFileAsksFirst()
    {
        Run run;
        QFile big(run.path("big.htm"));
        QVERIFY(big.open(QIODevice::WriteOnly));
        QVERIFY(big.resize(textfile::LargeFileBytes + 1)); // sparse: no disk space used
        big.close();
        run.dialogs.answer(DialogService::Answer::No);
        QVERIFY(!run.main->openFile(run.path("big.htm")));
        QCOMPARE(run.main->documentCount(), 1);
        QCOMPARE(run.dialogs.asked.size(), 1);
        QVERIFY(run.dialogs.asked[0].text.endsWith("Open it anyway?"));
    }

    void externalPreviewMessages_data()
    {
        QTest::addColumn<QString>("browser");
        QTest::addColumn<bool>("desktopBrowser"); // the desktop has a default browser
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("no browser anywhere") << "None" << false << "<P>"
                                             << "You Need To Pick A Browser!";
        QTest::newRow("empty, none anywhere") << "" << false << "<P>"
                                              << "You Need To Pick A Browser!";
        QTest::newRow("the desktop's browser") << "None" << true << "<P>"
                                               << "";
        QTest::newRow("empty document") << "/bin/true" << false << ""
                                        << "There is nothing to show!";
        QTest::newRow("missing browser") << "/nonexistent/browser" << false << "<P>"
                                         << "Unable to start browser";
        QTest::newRow("started") << "/bin/true" << false << "<P>"
                                 << "";
    }
    void externalPreviewMessages()
    {
        QFETCH(QString, browser);
        QFETCH(bool, desktopBrowser);
        QFETCH(QString, text);
        QFETCH(QString, message);
        UrlCatcher desktop;
        if (desktopBrowser)
            QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
        const auto unset =
            qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); });
        Run run;
        run.main->state().browser = browser;
        run.main->activeEditor()->setDocumentText(text);
        run.main->findChild<QToolButton *>("Command44_5")->click();
        const QStringList messages = run.dialogs.messages();
        QCOMPARE(messages.size(), message.isEmpty() ? 0 : 1);
        // Without a browser of its own or a default one, the message says
        // where the setting is.
        if (!message.isEmpty())
            QVERIFY2(messages.first().startsWith(message), qPrintable(messages.first()));
        if (message.isEmpty() || message == QLatin1String("Unable to start browser"))
            QCOMPARE(run.read("caching.htm"), text.toUtf8());
        if (desktopBrowser)
            QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(run.path("caching.htm"))});
    }

    void importTextToNewFile()
    {
        Run run;
        run.write("notes.txt", "a<b>c\r\nline 2");
        run.dialogs.answer(run.path("notes.txt"));
        run.main->action("mnuImport1")->trigger();
        QCOMPARE(run.main->documentCount(), 2);
        DocumentWindow *doc = run.main->activeDocument();
        QCOMPARE(doc->caption(), QStringLiteral("New"));
        QCOMPARE(doc->editor()->documentText(),
                 QStringLiteral("<HTML>\r\n<HEAD>\r\n<TITLE>Imported Page</TITLE>\r\n</HEAD>\r\n"
                                "<BODY>\r\na&lt;b&gt;c\r<BR>\r\nline 2\r\n</BODY>\r\n</HTML>"));
        QCOMPARE(doc->editor()->colorAt(0), run.main->state().colors[OtherColor]);
    }

    void importTableAndRichTextIntoDocument()
    {
        Run run;
        run.write("t.txt", "a\tb\r\nc\td\r\n");
        HtmlEditor *e = run.main->activeEditor();
        run.dialogs.answer(run.path("t.txt"));
        run.main->action("mnuImport3")->trigger();
        QCOMPARE(e->documentText(),
                 QStringLiteral("<TABLE BORDER=1>\r\n<TR><TD>a<TD>b\r\n<TR><TD>c<TD>d\r\n"
                                "<TR><TD>\r\n</TABLE>"));
        QCOMPARE(e->colorAt(0), run.main->state().colors[TablesColor]);
        QVERIFY(!run.main->state().undo.valid); // a direct replacement

        run.write("r.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs24 Hi\\par}");
        e->setDocumentText("");
        run.dialogs.answer(run.path("r.rtf"));
        run.main->action("mnuImport2")->trigger();
        QVERIFY(e->documentText().startsWith("<!-- Beginning of Paragraph -->"));
        QVERIFY(e->documentText().contains("FACE=\"Arial\">Hi"));
        QVERIFY(run.main->state().undo.valid); // through the insertion service
    }

    // Imports read files as Open does: UTF-16 and NULs come through whole;
    // a file that gives nothing says so and opens no window.
    void importsKeepEveryCharacter()
    {
        Run run;
        HtmlEditor *e = run.main->activeEditor();
        run.write("u.txt", QByteArrayLiteral("\xFF\xFE"
                                             "a\0\t\0b\0\r\0\n\0c\0\t\0d\0\r\0\n\0"));
        run.dialogs.answer(run.path("u.txt"));
        run.main->action("mnuImport3")->trigger();
        QCOMPARE(e->documentText(),
                 QStringLiteral("<TABLE BORDER=1>\r\n<TR><TD>a<TD>b\r\n<TR><TD>c<TD>d\r\n"
                                "<TR><TD>\r\n</TABLE>"));

        e->setDocumentText("");
        run.write("n.txt", QByteArrayLiteral("a\tb\0c\r\n"));
        run.dialogs.answer(run.path("n.txt"));
        run.main->action("mnuImport3")->trigger();
        QCOMPARE(e->documentText(),
                 QStringLiteral("<TABLE BORDER=1>\r\n<TR><TD>a<TD>b\0c\r\n<TR><TD>\r\n</TABLE>"));

        run.write("t.txt", QByteArrayLiteral("a\0b<c\r\nline2\r\n"));
        run.dialogs.answer(run.path("t.txt"));
        run.main->action("mnuImport1")->trigger();
        QCOMPARE(run.main->documentCount(), 2);
        QCOMPARE(run.main->activeEditor()->documentText(),
                 QStringLiteral("<HTML>\r\n<HEAD>\r\n<TITLE>Imported Page</TITLE>\r\n</HEAD>"
                                "\r\n<BODY>\r\na\0b&lt;c\r<BR>\r\nline2\r<BR>\r\n\r\n</BODY>"
                                "\r\n</HTML>"));
        QCOMPARE(run.dialogs.messages(), QStringList());
    }

    void importsThatGiveNothingSaySo()
    {
        Run run;
        run.write("fake.rtf", "plain words, not rich text");
        run.write("photo.txt", QByteArrayLiteral("\x89PNG\r\n\x1A\n\0\0\0\rIHDR"));
        HtmlEditor *e = run.main->activeEditor();
        e->setDocumentText("kept");
        const struct
        {
            const char *item;
            QString file;
            QString reason;
        } cases[] = {
            {"mnuImport1", "fake.rtf", "This is not a rich-text file."},
            {"mnuImport2", "fake.rtf", "This is not a rich-text file."},
            {"mnuImport1", "missing.txt", "No such file or directory"},
            {"mnuImport2", "missing.txt", "No such file or directory"},
            {"mnuImport3", "missing.txt", "No such file or directory"},
            {"mnuImport1", "photo.txt", "This looks like a binary file, not text."},
            {"mnuImport3", "photo.txt", "This looks like a binary file, not text."},
            {"mnuImport2", "photo.gif",
             "Only text files (.txt) and rich-text files (.rtf) can be imported."},
        };
        for (const auto &c : cases) {
            run.dialogs.asked.clear();
            run.dialogs.answer(run.path(c.file));
            run.main->action(QLatin1String(c.item))->trigger();
            QCOMPARE(run.main->documentCount(), 1);
            QCOMPARE(e->documentText(), QStringLiteral("kept"));
            QCOMPARE(run.dialogs.messages(),
                     QStringList{"Cannot open " + run.path(c.file) + '\n' + c.reason});
        }
    }

    // A damaged rich-text file: what could be read goes in by both
    // commands, and the user is told the file was damaged.
    void damagedRichTextIsKeptByBothImports()
    {
        Run run;
        run.write("cut.rtf", "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 abc{\\b d");
        for (const char *item : {"mnuImport1", "mnuImport2"}) {
            run.dialogs.asked.clear();
            run.main->activeEditor()->setDocumentText(QString());
            run.dialogs.answer(run.path("cut.rtf"));
            run.main->action(QLatin1String(item))->trigger();
            QVERIFY2(run.main->activeEditor()->documentText().contains("abc<B>d</B>"), item);
            QCOMPARE(run.dialogs.messages().size(), 1);
            QVERIFY(run.dialogs.messages().first().startsWith(run.path("cut.rtf")));
        }
        QCOMPARE(run.main->documentCount(), 2);
    }

    void caseAndFindFromEditMenu()
    {
        Run run;
        HtmlEditor *e = run.main->activeEditor();
        e->setDocumentText("<a href=\"X.htm\">Link</a>");
        run.main->action("mnuUpperCaseItem")->trigger();
        QCOMPARE(e->documentText(), QStringLiteral("<A HREF=\"X.HTM\">Link</A>"));
        QCOMPARE(e->colorAt(0), run.main->state().colors[LinksColor]);
        run.main->action("mnuLowerCaseItem")->trigger();
        QCOMPARE(e->documentText(), QStringLiteral("<a href=\"x.htm\">Link</a>"));
        // Tags written for the user follow the last conversion.
        QVERIFY(!run.main->state().upperCaseTags);
        QCOMPARE(run.main->settings().get("Lorimel3", "Settings", "TagCase", QString()),
                 QStringLiteral("Lower"));
        run.main->action("mnuReplaceItem")->trigger();
        auto *find = run.main->findChild<QDialog *>("Form25");
        QVERIFY(find && find->isVisible());
        QVERIFY(!run.main->isEnabled());
        QVERIFY(find->findChild<QAbstractButton *>("Command1")->isEnabled());
        find->findChild<QAbstractButton *>("Command3")->click(); // Done
        QVERIFY(run.main->isEnabled());
    }

    void websiteMenuRenamesAndSaveAsRefreshes()
    {
        Run run;
        run.write("old.htm", "x");
        auto *pane = run.main->findChild<SitePane *>("SitePane");
        QVERIFY(pane);
        QCOMPARE(pane->folder(), run.dir.path());
        auto *tree = pane->findChild<QTreeView *>("Dir1");
        auto *model = qobject_cast<QFileSystemModel *>(tree->model());
        QCOMPARE(model->filePath(tree->currentIndex()), run.dir.path());
        QVERIFY(tree->isExpanded(tree->currentIndex().parent()));
        auto *files = pane->findChild<QListWidget *>("File2");
        pane->refresh();
        const QList<QListWidgetItem *> found = files->findItems("old.htm", Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        files->setCurrentItem(found.first());
        run.dialogs.answer(QStringLiteral("new.htm"));
        run.main->action("mnuWebsiteRenameItem")->trigger();
        QCOMPARE(run.read("new.htm"), QByteArray("x"));
        QCOMPARE(run.dialogs.asked[0].text, QStringLiteral("Enter the File's New Name"));

        run.main->activeEditor()->setDocumentText("<P>");
        run.dialogs.answer(run.path("saved.htm"));
        run.main->action("mnuSaveItem")->trigger();
        QCOMPARE(files->findItems("saved.htm", Qt::MatchExactly).size(), 1);
    }

    void tableBuilderFromToolsMenu()
    {
        Run run;
        run.main->action("mnuTableBuilderItem")->trigger();
        auto *builder = run.main->findChild<QDialog *>("Form1");
        QVERIFY(builder);
        QVERIFY(builder->isVisible());
        QVERIFY(!run.main->isEnabled());
        builder->findChild<QAbstractButton *>("Command3")->click(); // OK
        QVERIFY(run.main->isEnabled());
        QVERIFY(run.main->activeEditor()->documentText().contains("<!-- Beginning of Table -->"));
    }

    // Edit Element: its key in the document, and the first item of the
    // document's pop-up menu, open the builder of the element at the caret.
    void editElementByKeyAndPopup()
    {
        Run run;
        run.main->show();
        QVERIFY(QTest::qWaitForWindowExposed(run.main));
        HtmlEditor *e = run.main->activeEditor();
        e->setDocumentText("<P><FONT SIZE=\"3\">Hi</FONT></P>");
        e->setSelStart(18);
        e->setFocus();
        QTest::keyClick(e, Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        auto *wizard = run.main->findChild<QDialog *>("Form8");
        QVERIFY(wizard && wizard->isVisible());
        QCOMPARE(wizard->findChild<QComboBox *>("Combo1")->currentText(), QStringLiteral("3"));
        wizard->findChild<QAbstractButton *>("Command3")->click(); // Cancel
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        auto *popup = run.main->findChild<QMenu *>("Pop");
        QVERIFY(popup);
        QCOMPARE(popup->actions().first()->objectName(), QStringLiteral("mnuPopEditElementItem"));
        popup->actions().first()->trigger();
        wizard = run.main->findChild<QDialog *>("Form8");
        QVERIFY(wizard && wizard->isVisible());
        wizard->findChild<QAbstractButton *>("Command2")->click(); // OK
        QCOMPARE(e->documentText(), QStringLiteral("<P><FONT SIZE=\"3\">Hi</FONT></P>"));
        QCOMPARE(run.dialogs.unexpected, 0);
    }
};

QTEST_MAIN(TestCommands)
#include "test_commands.moc"
