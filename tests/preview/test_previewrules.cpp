#include "preview/previewrules.h"

#include <QtTest>

class TestPreviewRules : public QObject
{
    Q_OBJECT
private slots:
    void rootFor_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("page");
        QTest::newRow("new document: the site, as the preview copy") << ""
                                                                     << "/home/u/site"
                                                                     << "/home/u/site"
                                                                     << "caching.htm";
        QTest::newRow("inside the site") << "/home/u/site/a/b.htm"
                                         << "/home/u/site"
                                         << "/home/u/site"
                                         << "a/b.htm";
        QTest::newRow("site folder given with a slash") << "/home/u/site/b.htm"
                                                        << "/home/u/site/"
                                                        << "/home/u/site/"
                                                        << "b.htm";
        QTest::newRow("outside the site") << "/home/u/other/b.htm"
                                          << "/home/u/site"
                                          << "/home/u/other"
                                          << "b.htm";
        QTest::newRow("a folder whose name starts like the site's") << "/home/u/site2/b.htm"
                                                                    << "/home/u/site"
                                                                    << "/home/u/site2"
                                                                    << "b.htm";
        QTest::newRow("file in the top folder") << "/b.htm"
                                                << "/home"
                                                << "/"
                                                << "b.htm";
        QTest::newRow("site at the top folder") << "/home/u/x.htm"
                                                << "/"
                                                << "/"
                                                << "home/u/x.htm";
    }
    void rootFor()
    {
        QFETCH(QString, document);
        QFETCH(QString, site);
        QFETCH(QString, folder);
        QFETCH(QString, page);
        const previewrules::Root root = previewrules::rootFor(document, site);
        QCOMPARE(root.folder, folder);
        QCOMPARE(root.page, page);
    }

    void requestedPath_data()
    {
        QTest::addColumn<QString>("urlPath");
        QTest::addColumn<QString>("path");
        QTest::newRow("file in a folder") << "/img/a.gif"
                                          << "img/a.gif";
        QTest::newRow("doubled slashes") << "//img//a.gif"
                                         << "img/a.gif";
        QTest::newRow("spaces") << "/my pictures/a b.gif"
                                << "my pictures/a b.gif";
        QTest::newRow("the root itself") << "/"
                                         << "";
        QTest::newRow("parent folder") << "/img/../../secret"
                                       << "";
        QTest::newRow("this folder") << "/./a.gif"
                                     << "";
        QTest::newRow("hidden folder") << "/.ssh/id_rsa"
                                       << "";
        QTest::newRow("hidden file") << "/img/.htpasswd"
                                     << "";
        QTest::newRow("NUL") << QStringLiteral("/a") + QChar(0) + QStringLiteral(".gif") << "";
    }
    void requestedPath()
    {
        QFETCH(QString, urlPath);
        QFETCH(QString, path);
        QCOMPARE(previewrules::requestedPath(urlPath), path);
    }

    void mayServe_data()
    {
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("served");
        const QString site = QStringLiteral("/home/u/site");
        QTest::newRow("inside") << site << "/home/u/site/img/a.gif" << true;
        QTest::newRow("the root itself") << site << site << false;
        QTest::newRow("beside the root") << site << "/home/u/secret.txt" << false;
        QTest::newRow("folder named like the root") << site << "/home/u/site2/a.gif" << false;
        QTest::newRow("hidden folder inside") << site << "/home/u/site/.git/config" << false;
        QTest::newRow("root in a hidden folder") << "/home/u/.cache/site"
                                                 << "/home/u/.cache/site/a.gif" << false;
        QTest::newRow("settings folder inside")
            << site << "/home/u/site/conf/lorimel/Lorimel3.ini" << false;
        QTest::newRow("folder named like the settings")
            << site << "/home/u/site/conf/lorimel2/a.gif" << true;
        QTest::newRow("top folder as root") << "/"
                                            << "/etc/hostname" << true;
        QTest::newRow("top folder as root, hidden") << "/"
                                                    << "/root/.ssh/id_rsa" << false;
    }
    void mayServe()
    {
        QFETCH(QString, root);
        QFETCH(QString, file);
        QFETCH(bool, served);
        QCOMPARE(previewrules::mayServe(root, file, {QStringLiteral("/home/u/site/conf/lorimel")}),
                 served);
    }

    void fetchAndNavigate_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("fetch");
        QTest::addColumn<bool>("topFrame");
        QTest::addColumn<bool>("frame");
        QTest::newRow("own page") << "lorimel-preview://abc/x.htm" << true << true << true;
        QTest::newRow("another preview's page")
            << "lorimel-preview://def/x.htm" << true << false << false;
        QTest::newRow("local file") << "file:///etc/passwd" << false << false << false;
        QTest::newRow("web") << "https://example.com/" << false << false << false;
        QTest::newRow("loopback") << "http://127.0.0.1:8080/" << false << false << false;
        QTest::newRow("web socket") << "ws://127.0.0.1:8080/" << false << false << false;
        QTest::newRow("resource") << "qrc:/icons/a.png" << false << false << false;
        QTest::newRow("inline data") << "data:text/html,x" << true << false << true;
        QTest::newRow("blob") << "blob:lorimel-preview://abc/1-2" << true << false << true;
        QTest::newRow("blank") << "about:blank" << true << false << true;
        QTest::newRow("mail") << "mailto:a@example.com" << false << false << false;
    }
    void fetchAndNavigate()
    {
        QFETCH(QString, url);
        QFETCH(bool, fetch);
        QFETCH(bool, topFrame);
        QFETCH(bool, frame);
        QCOMPARE(previewrules::mayFetch(QUrl(url)), fetch);
        QCOMPARE(previewrules::mayNavigate(QUrl(url), QStringLiteral("abc"), true), topFrame);
        QCOMPARE(previewrules::mayNavigate(QUrl(url), QStringLiteral("abc"), false), frame);
    }

    void engineStart_data()
    {
        QTest::addColumn<bool>("root");
        QTest::addColumn<QByteArray>("flags");
        QTest::addColumn<bool>("switchedOff");
        QTest::addColumn<QByteArray>("startFlags");
        QTest::addColumn<bool>("scripts");
        QTest::newRow("user") << false << QByteArray() << false << QByteArray() << true;
        QTest::newRow("root") << true << QByteArray() << false << QByteArray("--no-sandbox")
                              << false;
        QTest::newRow("root with flags") << true << QByteArray("--disable-gpu") << false
                                         << QByteArray("--disable-gpu --no-sandbox") << false;
        QTest::newRow("root, already without sandbox")
            << true << QByteArray("--no-sandbox --disable-gpu") << false
            << QByteArray("--no-sandbox --disable-gpu") << false;
        QTest::newRow("user without sandbox")
            << false << QByteArray("--no-sandbox") << false << QByteArray("--no-sandbox") << false;
        QTest::newRow("sandbox switched off")
            << false << QByteArray() << true << QByteArray() << false;
        QTest::newRow("a flag that only starts alike")
            << false << QByteArray("--no-sandboxing") << false << QByteArray("--no-sandboxing")
            << true;
    }
    void engineStart()
    {
        QFETCH(bool, root);
        QFETCH(QByteArray, flags);
        QFETCH(bool, switchedOff);
        QFETCH(QByteArray, startFlags);
        QFETCH(bool, scripts);
        const previewrules::EngineStart start = previewrules::engineStart(root, flags, switchedOff);
        QCOMPARE(start.chromiumFlags, startFlags);
        QCOMPARE(start.scripts, scripts);
    }
};

QTEST_MAIN(TestPreviewRules)
#include "test_previewrules.moc"
