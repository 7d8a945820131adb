// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a desktop program: the usual keys, windows that open
// where they can be seen, the unsaved mark and names for assistive tools.

#include "editor/htmleditor.h"
#include "kernel/keytable.h"
#include "kernel/settingsstore.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "shell/windowplacement.h"
#include "support/scripteddialogs.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSplitter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run
{
    QTemporaryDir dir;
    SettingsStore store{dir.path()};
    ScriptedDialogs dialogs;
    std::unique_ptr<Startup> startup;
    QPointer<MainWindow> main;

    MainWindow *start()
    {
        store.save("LM3", "Extras", "UseIE", "No");
        store.save("Lorimel3", "Startup", "ShowStart", "no");
        store.save("Lorimel3", "Direct", "FilePath", dir.path());
        startup = std::make_unique<Startup>(store, dialogs, QString());
        startup->runNow();
        main = startup->mainWindow();
        main->activateWindow();
        return main;
    }
    ~Run() { delete main.data(); }
};

QMdiArea *area(MainWindow *w)
{
    return w->findChild<QMdiArea *>(QStringLiteral("MDIClient"));
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Printing without a printer writes a PDF into the home folder.
        static QTemporaryDir home;
        qputenv("HOME", home.path().toLocal8Bit());
    }

    void shortcutsTriggerTheirCommands_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QKeySequence>("keys");
        // Every key of the key table; the preview's own F5 belongs to the
        // preview window (tested with it).
        for (const keytable::Row &row : keytable::rows()) {
            if (QLatin1String(row.item) == QLatin1String("RefreshPreview"))
                continue;
            for (const QKeySequence &keys :
                 QKeySequence::listFromString(QLatin1String(row.keys), QKeySequence::PortableText))
                QTest::newRow(qPrintable(keys.toString())) << QString::fromLatin1(row.item) << keys;
        }
    }
    // A menu item with a key has its row in the key table, so the manual
    // lists it.
    void everyKeyIsInTheKeyTable()
    {
        Run run;
        MainWindow *w = run.start();
        int keyed = 0;
        for (const QMenu *menu : w->findChildren<QMenu *>()) {
            for (const QAction *a : menu->actions()) {
                // The editor's own keys, only shown in the Edit menus.
                if (a->shortcuts().isEmpty() || a->shortcutContext() == Qt::WidgetShortcut)
                    continue;
                ++keyed;
                QVERIFY2(!keytable::keysOf(a->objectName()).isEmpty(), qPrintable(a->text()));
            }
        }
        QVERIFY(keyed > 10);
    }

    void shortcutsTriggerTheirCommands()
    {
        QFETCH(QString, item);
        QFETCH(QKeySequence, keys);
        Run run;
        MainWindow *w = run.start();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->activeDocument()->editor()->setFocus();
        QAction *a = w->action(item);
        QVERIFY(a);
        QVERIFY(a->shortcuts().contains(keys));
        QSignalSpy triggered(a, &QAction::triggered);
        // Every question is answered with Cancel; nothing waits.
        QTest::keySequence(QApplication::focusWidget(), keys);
        QCOMPARE(triggered.size(), 1);
        // The menu shows the key.
        QVERIFY(!a->shortcut().isEmpty());
    }

    void noShortcutWhileABuilderHoldsTheWindow()
    {
        Run run;
        MainWindow *w = run.start();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->action("mnuTableBuilderItem")->trigger();
        QVERIFY(!w->isEnabled());
        auto *builder = w->findChild<QDialog *>("Form1");
        QVERIFY(builder);
        builder->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(builder));
        const int before = w->documentCount();
        QTest::keySequence(builder, QKeySequence("Ctrl+N"));
        QTest::keySequence(builder, QKeySequence("Ctrl+W"));
        QCOMPARE(w->documentCount(), before);
    }

    void documentsOpenInsideTheArea_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::newRow("large") << QSize(1200, 700);
        QTest::newRow("wide and low") << QSize(1200, 320);
        QTest::newRow("tiny") << QSize(150, 90);
    }
    void documentsOpenInsideTheArea()
    {
        QFETCH(QSize, area);
        for (int i = 0; i < 25; ++i) {
            const QRect r = placement::documentGeometry(area, i, 26);
            QVERIFY2(QRect(QPoint(0, 0), area).contains(r), qPrintable(QString::number(i)));
        }
        QVERIFY(placement::documentGeometry(area, 1, 26).topLeft() !=
                    placement::documentGeometry(area, 0, 26).topLeft() ||
                area.width() < 400);
    }

    void tenNewDocumentsAreFullyVisible()
    {
        Run run;
        MainWindow *w = run.start();
        for (int i = 0; i < 10; ++i)
            w->action("mnuNewItem")->trigger();
        QCOMPARE(w->documentCount(), 11);
        const QRect visible = area(w)->viewport()->rect();
        for (QMdiSubWindow *sub : area(w)->subWindowList())
            QVERIFY2(visible.contains(sub->geometry()), qPrintable(sub->widget()->windowTitle()));
    }

    void changedDocumentShowsItsMark()
    {
        Run run;
        MainWindow *w = run.start();
        DocumentWindow *doc = w->activeDocument();
        auto *sub = qobject_cast<QMdiSubWindow *>(doc->parentWidget());
        QVERIFY(!sub->isWindowModified());
        doc->editor()->setFocus();
        QTest::keyClicks(doc->editor(), "x");
        QVERIFY(sub->isWindowModified());
        QCOMPARE(doc->caption(), QStringLiteral("New 1"));
        QMenu *windows = w->findChild<QMenu *>("mnuWindow");
        emit windows->aboutToShow();
        QStringList entries;
        for (QAction *a : windows->actions())
            entries << a->text();
        QVERIFY2(entries.contains("&1 New 1 *"), qPrintable(entries.join('|')));
        doc->setSaved(true);
        QVERIFY(!sub->isWindowModified());
    }

    void controlsHaveNames()
    {
        Run run;
        MainWindow *w = run.start();
        QCOMPARE(w->activeDocument()->editor()->accessibleName(), QStringLiteral("New 1"));
        QVERIFY(!w->findChild<QLabel *>("ColorPalette")->accessibleName().isEmpty());
        QCOMPARE(w->findChild<QLabel *>("Panel1")->accessibleName(), QStringLiteral("File Size"));
        QCOMPARE(w->findChild<QComboBox *>("Drive1")->accessibleName(), QStringLiteral("Drives"));
    }

    void f6VisitsEveryPane()
    {
        Run run;
        MainWindow *w = run.start();
        QVERIFY(QTest::qWaitForWindowActive(w));
        HtmlEditor *editor = w->activeDocument()->editor();
        editor->setFocus();
        QStringList visited;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6);
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            for (const char *pane : {"SideBar", "SitePane", "Picture1", "Picture15"}) {
                QWidget *p = w->findChild<QWidget *>(pane);
                if (p && (p == focus || p->isAncestorOf(focus)))
                    visited << pane;
            }
            if (focus == editor)
                visited << "editor";
        }
        QCOMPARE(visited, QStringList({"SideBar", "SitePane", "Picture1", "Picture15", "editor"}));
    }
    // Toolbar buttons look disabled while a builder holds the window, Find
    // Files (enabled on its own at start-up) too, even under the mouse.
    void toolbarLooksDisabledUnderABuilder()
    {
        Run run;
        run.store.save("LM3", "Extras", "UseIE", "Yes");
        run.store.save("Lorimel3", "Startup", "ShowStart", "no");
        run.startup = std::make_unique<Startup>(run.store, run.dialogs, QString());
        run.startup->runNow();
        run.main = run.startup->mainWindow();
        MainWindow *w = run.main;
        auto *findFiles = w->findChild<QWidget *>("Command44_6");
        auto *newButton = w->findChild<QWidget *>("Command44_0");
        QVERIFY(findFiles->isEnabled());
        // The darkest pixel of a button: its text.
        auto darkest = [](QWidget *button) {
            const QImage image = button->grab().toImage();
            int least = 255 * 3;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    least = std::min(least, c.red() + c.green() + c.blue());
                }
            }
            return least;
        };
        const int enabledText = darkest(findFiles);
        QTest::mouseMove(findFiles, findFiles->rect().center());
        w->action("mnuTableBuilderItem")->trigger();
        QVERIFY(!findFiles->isEnabled());
        QCOMPARE(darkest(findFiles), darkest(newButton));
        QVERIFY(darkest(findFiles) > enabledText);
    }

    // The first run fills the screen; the next one comes back as it was
    // left, splitter included.
    void layoutIsRememberedBetweenRuns()
    {
        Run run;
        MainWindow *w = run.start();
        QVERIFY(w->isMaximized());
        w->showNormal();
        w->setGeometry(40, 50, 900, 640);
        auto *splitter = w->findChild<QSplitter *>("SiteSplitter");
        QVERIFY(splitter);
        splitter->setSizes({100, 300});
        const QList<int> sizes = splitter->sizes();
        const QRect geometry = w->geometry();
        w->storeBars();
        delete w;

        run.startup = std::make_unique<Startup>(run.store, run.dialogs, QString());
        run.startup->runNow();
        run.main = run.startup->mainWindow();
        QVERIFY(!run.main->isMaximized());
        QCOMPARE(run.main->geometry().size(), geometry.size());
        QCOMPARE(run.main->findChild<QSplitter *>("SiteSplitter")->sizes(), sizes);
    }
};

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
