// A hostile page in the preview, with page scripts on: it tries to read the
// user's files and to send what it finds to a server on this machine.

#include "editor/documentwindow.h"
#include "editor/htmleditor.h"
#include "kernel/appstate.h"
#include "preview/previewengine.h"
#include "preview/previewpane.h"
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

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

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
function framed(name) {
    return new Promise(function (done) {
        window.addEventListener('message', function (e) { done(e.data); });
        var f = document.createElement('iframe');
        f.src = '../frame.htm#' + name;
        document.body.appendChild(f);
    });
}
function later(value) {
    return new Promise(function (done) { setTimeout(function () { done(value); }, 500); });
}
)js";

// A page of the folder, served without the policy the document carries:
// only the request filter stands between it and the server.
const char FramePage[] = R"html(<html><body><script>
var loop = 'http://127.0.0.1:PORT/';
var probes = {
    xhr: function (done) {
        var r = new XMLHttpRequest();
        r.onload = function () { done('read:' + r.responseText); };
        r.onerror = function () { done('refused'); };
        r.open('GET', loop + 'frame'); r.send();
    },
    socket: function (done) {
        var s = new WebSocket('ws://127.0.0.1:PORT/');
        s.onopen = function () { s.send('secret'); done('open'); };
        s.onerror = function () { done('refused'); };
    },
    worker: function (done) {
        var w = new Worker('data:text/javascript,' + encodeURIComponent(
            "fetch('" + loop + "worker').then(function (r) { return r.text(); })" +
            ".then(function (t) { postMessage('ran, read:' + t); }," +
            " function () { postMessage('ran, refused'); });"));
        w.onmessage = function (e) { done(e.data); };
        w.onerror = function () { done('refused'); };
    },
    secret: function (done) {
        var r = new XMLHttpRequest();
        r.onload = function () { done(r.status === 200 ? 'read:' + r.responseText : 'refused'); };
        r.onerror = function () { done('refused'); };
        r.open('GET', 'file://SECRET'); r.send();
    }
};
try {
    probes[location.hash.substring(1)](function (v) { parent.postMessage(v, '*'); });
} catch (e) { parent.postMessage('refused', '*'); }
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
        previewengine::allowScriptsWithoutSandbox();
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        m_root = m_dir.filePath("site");
        m_secret = m_dir.filePath("secret.txt");
        for (const char *folder : {"site/sub", "site/.hidden", "site/conf/lorimel", "beside"})
            QVERIFY(QDir().mkpath(m_dir.filePath(folder)));
        QVERIFY(writeFile(m_secret, "above the root"));
        QVERIFY(writeFile(m_dir.filePath("beside/secret.txt"), "beside the root"));
        QVERIFY(writeFile(m_dir.filePath("site/public.txt"), "public"));
        QVERIFY(writeFile(m_dir.filePath("site/.hidden/secret.txt"), "hidden"));
        QVERIFY(writeFile(m_dir.filePath("site/conf/lorimel/Lorimel3.ini"),
                          "[Direct]\nFTPPassword=hunter2\n"));
        QVERIFY(writeFile(m_dir.filePath("site/frame.htm"), fill(FramePage).toUtf8()));
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

    // Each probe runs in a freshly loaded page; what it reports and what reached
    // the server are checked.
    void hostilePage_data()
    {
        QTest::addColumn<QString>("probe");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("a file of the folder") << "xhr('../public.txt')"
                                              << "read:public";
        QTest::newRow("file URL above the root") << "xhr('file://SECRET')"
                                                 << "refused";
        QTest::newRow("file URL, fetch") << "fetched('file://SECRET')"
                                         << "refused";
        QTest::newRow("parent folder above the root") << "xhr('../../secret.txt')"
                                                      << "refused";
        QTest::newRow("folder beside the root") << "xhr('../../beside/secret.txt')"
                                                << "refused";
        QTest::newRow("link leading out of the root") << "xhr('../outside.txt')"
                                                      << "refused";
        QTest::newRow("hidden folder") << "xhr('../.hidden/secret.txt')"
                                       << "refused";
        QTest::newRow("hidden folder, escaped") << "xhr('../%2Ehidden/secret.txt')"
                                                << "refused";
        QTest::newRow("settings folder") << "xhr('../conf/lorimel/Lorimel3.ini')"
                                         << "refused";
        QTest::newRow("a FIFO does not hang") << "xhr('../fifo')"
                                              << "refused";
        QTest::newRow("loopback server") << "xhr('http://127.0.0.1:PORT/xhr')"
                                         << "refused";
        QTest::newRow("loopback server, fetch") << "fetched('http://127.0.0.1:PORT/fetch')"
                                                << "refused";
        QTest::newRow("web socket") << "socket('ws://127.0.0.1:PORT/')"
                                    << "refused";
        QTest::newRow("worker from data:")
            << "worker('data:text/javascript,' + "
               "encodeURIComponent(workerSource('http://127.0.0.1:PORT/data')))"
            << "refused";
        QTest::newRow("worker from blob:")
            << "worker(URL.createObjectURL(new Blob([workerSource('http://127.0.0.1:PORT/blob')],"
               " {type: 'text/javascript'})))"
            << "refused";
        QTest::newRow("picture made by the script")
            << "new Promise(function (done) { var i = new Image(); i.onload = function () { "
               "done('loaded'); }; i.onerror = function () { done('refused'); }; "
               "i.src = 'http://127.0.0.1:PORT/img?' + document.title; })"
            << "refused";
        QTest::newRow("beacon") << "(navigator.sendBeacon('http://127.0.0.1:PORT/b', 'x'), "
                                   "later('sent'))"
                                << "sent";
        QTest::newRow("preconnect")
            << "(document.head.appendChild(Object.assign(document.createElement('link'), "
               "{rel: 'preconnect', href: 'http://127.0.0.1:PORT/'})), later('added'))"
            << "added";
        QTest::newRow("navigation away") << "(location.href = 'http://127.0.0.1:PORT/nav', "
                                            "later('stayed'))"
                                         << "stayed";
        QTest::newRow("form sent away")
            << "(Object.assign(document.body.appendChild(document.createElement('form')), "
               "{action: 'http://127.0.0.1:PORT/form', method: 'post'}).submit(), "
               "later('stayed'))"
            << "stayed";
        QTest::newRow("dialogs one after another")
            << "(function () { for (var i = 0; i < 3; ++i) { alert(i); confirm(i); prompt(i); }"
               " return later('no dialog'); })()"
            << "no dialog";
        QTest::newRow("frame without the policy: loopback") << "framed('xhr')"
                                                            << "refused";
        QTest::newRow("frame without the policy: web socket") << "framed('socket')"
                                                              << "refused";
        // The worker runs; its request does not.
        QTest::newRow("frame without the policy: worker from data:") << "framed('worker')"
                                                                     << "ran, refused";
        QTest::newRow("frame without the policy: file URL") << "framed('secret')"
                                                            << "refused";
    }
    void hostilePage()
    {
        QFETCH(QString, probe);
        QFETCH(QString, outcome);
        DocumentWindow &doc = *m_doc;
        doc.editor()->setDocumentText(
            QStringLiteral("<html><head><title>t</title></head><body><pre id=out></pre><script>") +
            QLatin1String(Helpers) +
            fill(QStringLiteral("(%1).then(function (v) {"
                                " document.getElementById('out')"
                                ".textContent = 'done ' + v; });")
                     .arg(probe)) +
            QStringLiteral("</script></body></html>"));
        QWebEnginePage *page = doc.previewPane()->view()->page();
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
