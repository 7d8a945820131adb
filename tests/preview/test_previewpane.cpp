// SPDX-License-Identifier: GPL-3.0-or-later
// The preview beside the source, as without Chromium's sandbox: page
// scripts off, the program's own scripts still at work.

#include "editor/documentwindow.h"
#include "editor/htmleditor.h"
#include "kernel/appstate.h"
#include "preview/previewbrowser.h"
#include "preview/previewmodule.h"
#include "preview/previewpane.h"
#include "support/scripteddialogs.h"
#include "support/webpage.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

namespace {

// The program's own world sees the page although page scripts are off.
QVariant evaluate(QWebEnginePage *page, const QString &script)
{
    return runScript(*page, script, QWebEngineScript::ApplicationWorld);
}

QString bodyText(QWebEnginePage *page)
{
    return evaluate(page, QStringLiteral("document.body ? document.body.textContent : ''"))
        .toString();
}

// A window with its own web-site folder.
struct Window
{
    QTemporaryDir dir;
    AppState state;
    ScriptedDialogs dialogs;
    std::unique_ptr<DocumentWindow> doc;

    explicit Window(bool live = true)
    {
        state.siteFilePath = dir.path();
        state.livePreview = live;
        doc = std::make_unique<DocumentWindow>(DocumentWindow::Kind::Preview, state, dialogs);
        doc->setCaption(QStringLiteral("New 1"));
        doc->resize(900, 500);
        doc->show();
    }
    QWebEnginePage *page() const { return engineView(doc->previewPane())->page(); }
    HtmlEditor *editor() const { return doc->editor(); }
    // Shows the text and waits for it.
    bool show(const QString &text)
    {
        QSignalSpy loaded(page(), &QWebEnginePage::loadFinished);
        editor()->setDocumentText(text);
        doc->refreshPreview();
        return loaded.wait(60000);
    }
};

// A page tall enough to scroll, with elements far down.
QString tallPage(const QString &body)
{
    return QStringLiteral("<HTML><BODY><DIV STYLE=\"height:3000px\">top</DIV>") + body +
           QStringLiteral("<DIV STYLE=\"height:3000px\">bottom</DIV></BODY></HTML>");
}

} // namespace

class TestPreviewPane : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // As when run as root, whoever runs the test.
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --disable-gpu");
        QString error;
        PreviewEngine *engine = previewmodule::engine(&error);
        QVERIFY2(engine, qPrintable(error));
        QVERIFY(!engine->scriptsEnabled());
    }

    // The page's own script does not run; the user hears why, once.
    void scriptsOffSaidOnce()
    {
        Window first;
        Window second;
        QSignalSpy told(first.doc.get(), &DocumentWindow::statusMessage);
        QSignalSpy toldAgain(second.doc.get(), &DocumentWindow::statusMessage);
        QVERIFY(first.show(QStringLiteral(
            "<TITLE>page</TITLE><P>x<SCRIPT>document.title = 'script ran'</SCRIPT>")));
        QVERIFY(second.show(QStringLiteral("<P>y")));
        QCOMPARE(first.page()->title(), QStringLiteral("page"));
        QCOMPARE(told.size() + toldAgain.size(), 1);
    }

    // Typing refreshes the preview once typing pauses, unless the setting
    // is off; F5 refreshes it always.
    void typingRefreshes_data()
    {
        QTest::addColumn<bool>("live");
        QTest::newRow("live") << true;
        QTest::newRow("only by hand") << false;
    }
    void typingRefreshes()
    {
        QFETCH(bool, live);
        Window w(live);
        QVERIFY(w.show(QStringLiteral("<P>before</P>")));
        w.editor()->setFocus();
        w.editor()->setSelStart(w.editor()->characterLength());
        QTest::keyClicks(w.editor(), QStringLiteral("<P>typed"));
        if (live) {
            QTRY_VERIFY_WITH_TIMEOUT(bodyText(w.page()).contains(QLatin1String("typed")), 60000);
        } else {
            QTest::qWait(1500);
            QCOMPARE(bodyText(w.page()), QStringLiteral("before"));
            QSignalSpy loaded(w.page(), &QWebEnginePage::loadFinished);
            QTest::keyClick(w.editor(), Qt::Key_F5);
            QVERIFY(loaded.wait(60000));
            QCOMPARE(bodyText(w.page()), QStringLiteral("beforetyped"));
        }
        // The copy shown is not written anywhere.
        QCOMPARE(QDir(w.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void scrollKeptAcrossRefresh()
    {
        Window w;
        QVERIFY(w.show(tallPage(QStringLiteral("<P>middle</P>"))));
        evaluate(w.page(), QStringLiteral("window.scrollTo(0, 2500)"));
        QTRY_COMPARE_WITH_TIMEOUT(w.page()->scrollPosition().y(), 2500.0, 20000);
        QVERIFY(w.show(tallPage(QStringLiteral("<P>middle, changed</P>"))));
        QTRY_COMPARE_WITH_TIMEOUT(evaluate(w.page(), QStringLiteral("window.scrollY")).toInt(),
                                  2500, 20000);
    }

    // Legacy markup left unclosed: the caret in an element scrolls the
    // preview to it and outlines it; a click on it puts the caret at its
    // start tag. "|" marks the caret; "#" the element clicked.
    void caretAndClick_data()
    {
        QTest::addColumn<QString>("markup");
        QTest::addColumn<QString>("element"); // the start tag the caret is in
        QTest::newRow("paragraph never closed") << "<P>first<P ID=t>se|cond<P>third"
                                                << "<P ID=t>";
        QTest::newRow("font never closed") << "<CENTER><FONT SIZE=7 ID=t>Big te|xt</CENTER>"
                                           << "<FONT SIZE=7 ID=t>";
        QTest::newRow("table cells never closed")
            << "<TABLE BORDER=1><TR><TD>a<TD ID=t>b|\r\n<TR><TD>c</TABLE>"
            << "<TD ID=t>";
        QTest::newRow("stray end tag before") << "</B></FONT><H2 ID=t>Tit|le</H2>"
                                              << "<H2 ID=t>";
    }
    void caretAndClick()
    {
        QFETCH(QString, markup);
        QFETCH(QString, element);
        Window w;
        const qsizetype caret = markup.indexOf(u'|');
        const QString text = tallPage(QString(markup).remove(caret, 1));
        const qsizetype start = text.indexOf(element);
        QVERIFY(w.show(text));

        QSignalSpy shown(w.doc->previewPane(), &PreviewPane::caretShown);
        w.editor()->setSelStart(text.indexOf(QString(markup).remove(caret, 1)) + caret);
        QVERIFY(shown.wait(20000));
        QCOMPARE(shown.first().first().value<qsizetype>(), start);
        const QString inView = QStringLiteral(
            "(function () { var r = document.getElementById('t').getBoundingClientRect();"
            " return r.top >= 0 && r.bottom < window.innerHeight + 1 && !!window.lmOutline; })()");
        QVERIFY(evaluate(w.page(), inView).toBool());

        // Elsewhere first, then a click in the middle of the element.
        w.editor()->setSelStart(0);
        const QVariantList centre =
            evaluate(w.page(), QStringLiteral("(function () { var r = document.getElementById('t')"
                                              ".getBoundingClientRect(); return [r.left + r.width"
                                              " / 2, r.top + r.height / 2]; })()"))
                .toList();
        QCOMPARE(centre.size(), 2);
        QWidget *surface = engineView(w.doc->previewPane())->focusProxy();
        QVERIFY(surface);
        QTest::mouseClick(surface, Qt::LeftButton, {},
                          QPoint(centre[0].toInt(), centre[1].toInt()));
        QTRY_COMPARE_WITH_TIMEOUT(w.editor()->selStart(), start, 20000);
        QCOMPARE(w.editor()->documentText(), text);
    }
};

QTEST_MAIN(TestPreviewPane)
#include "test_previewpane.moc"
