// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/documentwindow.h"
#include "help/helpcommands.h"
#include "help/manual.h"
#include "help/tipswindow.h"
#include "kernel/builderids.h"
#include "kernel/settingsstore.h"
#include "preview/previewpane.h"
#include "shell/builderregistry.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "support/fakeworkbench.h"
#include "support/files.h"
#include "support/gui.h"
#include "support/webpage.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QWebEnginePage>

namespace {

using testfiles::readFile;

// One program run with its own settings and web-site folder.
struct Run
{
    QTemporaryDir dir;
    SettingsStore store{dir.filePath("config")};
    ScriptedDialogs dialogs;
    std::unique_ptr<Startup> startup;
    QPointer<MainWindow> main;

    MainWindow *start(bool previewWindows, const QString &browser = QString())
    {
        store.save("LM3", "Extras", "UseIE", previewWindows ? "Yes" : "No");
        store.save("Lorimel3", "Startup", "ShowStart", "no");
        store.save("Lorimel3", "Direct", "FilePath", site());
        if (!browser.isEmpty())
            store.save("Lorimel3", "Settings", "Browser", browser);
        QDir().mkpath(site());
        startup = std::make_unique<Startup>(store, dialogs, QString());
        startup->runNow();
        main = startup->mainWindow();
        return main;
    }
    QString site() const { return dir.filePath("site"); }
    QString preview() const { return dir.filePath("site/caching.htm"); }
    ~Run() { delete main.data(); }
};

// A stand-in browser that writes its arguments into a file.
QString fakeBrowser(const QTemporaryDir &dir)
{
    const QString path = dir.filePath("browser.sh");
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return QString();
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$*\" > '%1.tmp' && mv '%1.tmp' '%1'\n")
                     .arg(dir.filePath("arguments"))
                     .toUtf8());
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

// Every "#name" link of the page, and those that lead nowhere.
const char *LinkCheck = R"js(
(function () {
    var links = document.querySelectorAll('a[href^="#"]');
    var broken = [];
    for (var i = 0; i < links.length; ++i) {
        var name = decodeURIComponent(links[i].getAttribute('href').substring(1));
        if (!document.getElementById(name) && document.getElementsByName(name).length === 0)
            broken.push(name);
    }
    return JSON.stringify({links: links.length, broken: broken, title: document.title,
                           anchors: document.querySelectorAll('a[name]').length});
})()
)js";

} // namespace

class TestHelpWindows : public QObject
{
    Q_OBJECT
private slots:
    void aboutBox()
    {
        FakeWorkbench bench;
        QPointer<QWidget> about = registry::find(QStringLiteral("About"))->open(bench, QString());
        QVERIFY(about);
        QCOMPARE(about->objectName(), QStringLiteral("Form31"));
        QCOMPARE(about->windowTitle(), QStringLiteral("About"));
        QVERIFY(!bench.main.isEnabled());
        QStringList lines;
        for (const char *name : {"Label1", "Label2", "Label4"})
            lines << about->findChild<QLabel *>(name)->text();
        QCOMPARE(lines, (QStringList{"Lorimel  3.0", "HTML Authoring System",
                                     "ActiveX and VBScript are trademarks of Microsoft"}));
        FIND(QPlainTextEdit, report, about, "Text2");
        QVERIFY(report->isReadOnly());
        QVERIFY(about->findChild<QPlainTextEdit *>("Text1")->isReadOnly());
        const QStringList reportLines = report->toPlainText().split(u'\n');
        QCOMPARE(reportLines.size(), 12);
        QCOMPARE(reportLines.first(), QStringLiteral("--About Your System--"));
        QVERIFY(reportLines[7].startsWith("Total Memory: "));
        QVERIFY(reportLines.last().endsWith(" Hours"));
        FIND(QLabel, licence, about, "Licence");
        QVERIFY(licence->text().contains(QStringLiteral("GPL-3.0-or-later")));
        gui::click(about, "Command1");
        gui::flushDeletes();
        QVERIFY(!about);
        QVERIFY(bench.main.isEnabled());
    }

    void tipsWindowQuickStartButtons()
    {
        FakeWorkbench bench;
        auto makeTips = [&](bool fromStartup) {
            TipsWindow::Context context{
                bench.store, bench.scripted, bench.dir.path(), {}, [&bench](const QString &id) {
                    return bench.openBuilder(id);
                }};
            auto *tips = new TipsWindow(context, fromStartup, &bench.main);
            tips->show();
            return QPointer<TipsWindow>(tips);
        };
        QPointer<TipsWindow> tips = makeTips(true);
        gui::click(tips, "Command3");
        gui::flushDeletes();
        QVERIFY(!tips);
        tips = makeTips(true);
        gui::click(tips, "Command4");
        gui::flushDeletes();
        QVERIFY(!tips);
        QCOMPARE(bench.openedBuilders,
                 (QStringList{builderid::QuickStart, builderid::QuickStartStyle}));

        // From the menu the page buttons are off, and the box shows "no".
        bench.store.save("Lorimel3", "Startup", "ShowStart", "no");
        tips = makeTips(false);
        for (const char *name : {"Command3", "Command4", "Command5"})
            QVERIFY(!tips->findChild<QPushButton *>(name)->isEnabled());
        QVERIFY(!tips->findChild<QCheckBox *>("Check1")->isChecked());
        delete tips.data();
    }

    void manualLinksResolveInTheBrowser()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("manual.htm");
        QVERIFY(manual::write(path));
        QWebEnginePage page;
        QSignalSpy loaded(&page, &QWebEnginePage::loadFinished);
        page.load(QUrl::fromLocalFile(path));
        QVERIFY(loaded.wait(60000));
        QVERIFY(loaded.first().first().toBool());
        const QJsonObject result =
            QJsonDocument::fromJson(runScript(page, LinkCheck).toString().toUtf8()).object();
        QCOMPARE(result.value("title").toString(), QStringLiteral("Lorimel 3.0 Manual"));
        QVERIFY(result.value("links").toInt() >= 35);
        QCOMPARE(result.value("anchors").toInt(), 37);
        QCOMPARE(result.value("broken").toArray().size(), 0);
    }

    void onlineManualInAPreviewWindow()
    {
        Run run;
        MainWindow *w = run.start(true);
        QVERIFY(w);
        // A new preview window starts with the manual, shown from memory.
        QTextBrowser *manual = w->activeDocument()->previewPane()->manualView();
        QVERIFY(manual);
        QCOMPARE(manual->documentTitle(), QStringLiteral("Lorimel 3.0 Manual"));
        for (QMdiSubWindow *sub : w->findChildren<QMdiSubWindow *>())
            sub->close();
        QCOMPARE(w->documentCount(), 0);

        w->action("mnuManualItem")->trigger();
        QCOMPARE(w->documentCount(), 1);
        manual = w->activeDocument()->previewPane()->manualView();
        QVERIFY(manual && manual->isVisible());
        QCOMPARE(manual->documentTitle(), QStringLiteral("Lorimel 3.0 Manual"));
        QVERIFY(!QFile::exists(run.preview()));
        QCOMPARE(run.dialogs.unexpected, 0);
    }

    void manualAndReferenceInTheExternalBrowser()
    {
        Run run;
        MainWindow *w = run.start(false);
        w->action("mnuManualItem")->trigger();
        w->action("mnuW3CItem")->trigger();
        // This platform has no default browser to fall back on.
        const QStringList messages = run.dialogs.messages();
        QCOMPARE(messages.size(), 2);
        for (const QString &m : messages)
            QVERIFY2(m.startsWith(QStringLiteral("You Need To Pick A Browser!\n")) &&
                         m.contains(QStringLiteral("View > Settings")),
                     qPrintable(m));
        // The page is written first: the desktop's browser is asked to open it.
        delete w;

        Run withBrowser;
        const QString browser = fakeBrowser(withBrowser.dir);
        w = withBrowser.start(false, browser);
        const QString arguments = withBrowser.dir.filePath("arguments");
        w->action("mnuManualItem")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(arguments), 20000);
        QCOMPARE(readFile(arguments), withBrowser.preview().toUtf8());
        QCOMPARE(readFile(withBrowser.preview()), manual::text().toUtf8());
        QFile::remove(arguments);
        w->action("mnuW3CItem")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(arguments), 20000);
        QCOMPARE(QString::fromUtf8(readFile(arguments)), helpcommands::referenceAddress());
        QVERIFY(withBrowser.dialogs.messages().isEmpty());
        delete w;

        // A browser that does not start says so, for both commands.
        Run broken;
        const QString missing = broken.dir.filePath("no-such-browser");
        w = broken.start(false, missing);
        w->action("mnuManualItem")->trigger();
        w->action("mnuW3CItem")->trigger();
        QCOMPARE(broken.dialogs.messages().size(), 2);
        for (const QString &message : broken.dialogs.messages())
            QVERIFY2(message.contains(missing), qPrintable(message));
    }
};

QTEST_MAIN(TestHelpWindows)
#include "test_helpwindows.moc"
