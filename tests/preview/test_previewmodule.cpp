// SPDX-License-Identifier: GPL-3.0-or-later
// The browser engine is a module of its own, loaded when a preview first
// needs it. This test does not link the engine, as the program does not: a
// window that shows only the manual never loads it, a module that is
// missing or broken is said in the pane, and the engine loaded late starts
// without a complaint.

#include "editor/documentwindow.h"
#include "editor/htmleditor.h"
#include "help/manual.h"
#include "kernel/appstate.h"
#include "preview/previewbrowser.h"
#include "preview/previewmodule.h"
#include "preview/previewpane.h"
#include "support/files.h"
#include "support/scripteddialogs.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

namespace {

// Whether the engine's libraries are in this process.
bool engineLoaded()
{
    return testfiles::readFile(QStringLiteral("/proc/self/maps")).contains("libQt6WebEngineCore");
}

QStringList g_complaints;

// What the engine says when it starts without what it needs from the
// application (the platform's own remarks about what it cannot draw with
// are not about the engine).
void collectComplaints(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type != QtDebugMsg && type != QtInfoMsg &&
        (text.contains(QLatin1String("WebEngine")) || text.contains(QLatin1String("OpenGL"))))
        g_complaints << text;
}

// A preview window with its own web-site folder.
struct Window
{
    QTemporaryDir dir;
    AppState state;
    ScriptedDialogs dialogs;
    std::unique_ptr<DocumentWindow> doc;

    Window()
    {
        state.siteFilePath = dir.path();
        doc = std::make_unique<DocumentWindow>(DocumentWindow::Kind::Preview, state, dialogs);
        doc->setCaption(QStringLiteral("New 1"));
        doc->resize(900, 500);
        doc->show();
    }
    PreviewPane *pane() const { return doc->previewPane(); }
    void preview(const QString &text)
    {
        doc->editor()->setDocumentText(text);
        doc->refreshPreview();
    }
};

} // namespace

class TestPreviewModule : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void cleanup() { previewmodule::setLocation(QStringLiteral(LORIMEL_PREVIEW_MODULE)); }

    // The pane says why there is no preview; the text is untouched, and
    // the next attempt looks for the module again.
    void brokenModuleIsSaid_data()
    {
        QTest::addColumn<QString>("module");
        QTest::addColumn<QString>("said");
        const QString notLibrary = m_dir.filePath("liblorimel_preview.so");
        QVERIFY(testfiles::writeFile(notLibrary, "not a library"));
        QTest::newRow("missing") << m_dir.filePath("nowhere/liblorimel_preview.so")
                                 << "module is missing: " + m_dir.filePath("nowhere");
        QTest::newRow("not a library") << notLibrary << "cannot be loaded: ";
        QTest::newRow("a library without the engine")
            << QStringLiteral(LORIMEL_NOT_THE_ENGINE) << "not the module";
    }
    void brokenModuleIsSaid()
    {
        QFETCH(QString, module);
        QFETCH(QString, said);
        previewmodule::setLocation(module);
        Window w;
        const QString text = QStringLiteral("<P>kept</P>");
        w.preview(text);
        auto *problem = w.doc->findChild<QLabel *>(QStringLiteral("PreviewProblem"));
        QVERIFY(problem);
        QVERIFY(problem->isVisible());
        QVERIFY2(problem->text().contains(said), qPrintable(problem->text()));
        QCOMPARE(problem->accessibleName(), problem->text());
        QVERIFY(!w.pane()->hasBrowser());
        QCOMPARE(w.doc->editor()->documentText(), text);
        QVERIFY(!engineLoaded());
    }

    void engineLoadsWhenFirstNeeded()
    {
        Window w;
        w.doc->showManualInPreview(manual::text());
        QVERIFY(w.pane()->manualView()->isVisible());
        QCOMPARE(w.pane()->manualView()->documentTitle(), QStringLiteral("Lorimel 3.0 Manual"));
        // An empty document is not previewed: the manual stays.
        w.doc->refreshPreview();
        QVERIFY(w.pane()->manualView()->isVisible());
        QVERIFY(!w.pane()->hasBrowser());
        QVERIFY(!engineLoaded());

        qInstallMessageHandler(collectComplaints);
        w.preview(QStringLiteral("<TITLE>Late</TITLE><P>loaded late</P>"));
        QVERIFY(w.pane()->hasBrowser());
        QVERIFY(engineLoaded());
        auto *view = w.pane()->browser()->findChild<QWidget *>(QStringLiteral("WebBrowser1"));
        QVERIFY(view);
        QTRY_COMPARE_WITH_TIMEOUT(view->property("title").toString(), QStringLiteral("Late"),
                                  60000);
        QVERIFY(view->isVisible());
        QVERIFY(!w.pane()->manualView()->isVisible());
        qInstallMessageHandler(nullptr);
        QVERIFY2(g_complaints.isEmpty(), qPrintable(g_complaints.join(u'\n')));

        // The manual again, then the document: the same view comes back.
        w.doc->showManualInPreview(manual::text());
        QVERIFY(w.pane()->manualView()->isVisible());
        w.preview(QStringLiteral("<TITLE>Again</TITLE><P>again</P>"));
        QTRY_COMPARE_WITH_TIMEOUT(view->property("title").toString(), QStringLiteral("Again"),
                                  60000);
        QVERIFY(view->isVisible());
    }
};

QTEST_MAIN(TestPreviewModule)
#include "test_previewmodule.moc"
