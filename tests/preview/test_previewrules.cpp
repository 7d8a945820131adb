// SPDX-License-Identifier: GPL-3.0-or-later
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
        const char *const rows[][5] = {
            {"new document: the site, as the preview copy", "", "/u/site", "/u/site",
             "caching.htm"},
            {"inside the site", "/u/site/a/b.htm", "/u/site", "/u/site", "a/b.htm"},
            {"outside the site", "/u/other/b.htm", "/u/site", "/u/other", "b.htm"},
            {"folder named like the site", "/u/site2/b.htm", "/u/site", "/u/site2", "b.htm"},
            {"site at the top folder", "/u/x.htm", "/", "/", "u/x.htm"},
        };
        for (const auto &r : rows)
            QTest::newRow(r[0]) << QString(r[1]) << QString(r[2]) << QString(r[3]) << QString(r[4]);
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
        const char *const rows[][3] = {
            {"file in a folder", "/img/a.gif", "img/a.gif"},
            {"spaces", "/my pictures/a b.gif", "my pictures/a b.gif"},
            {"the root itself", "/", ""},
            {"parent folder", "/img/../../secret", ""},
            {"hidden folder", "/.ssh/id_rsa", ""},
        };
        for (const auto &r : rows)
            QTest::newRow(r[0]) << QString(r[1]) << QString(r[2]);
        QTest::newRow("NUL") << QStringLiteral("/a") + QChar(0) + QStringLiteral(".gif") << "";
    }
    void requestedPath()
    {
        QFETCH(QString, urlPath);
        QFETCH(QString, path);
        QCOMPARE(previewrules::requestedPath(urlPath), path);
    }

    // The settings folder here is /u/site/conf/lorimel.
    void mayServe_data()
    {
        QTest::addColumn<QString>("root");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("served");
        const struct
        {
            const char *name, *root, *file;
            bool served;
        } rows[] = {
            {"inside", "/u/site", "/u/site/img/a.gif", true},
            {"beside the root", "/u/site", "/u/secret.txt", false},
            {"folder named like the root", "/u/site", "/u/site2/a.gif", false},
            {"hidden folder inside", "/u/site", "/u/site/.git/config", false},
            {"root in a hidden folder", "/u/.cache/site", "/u/.cache/site/a.gif", false},
            {"settings folder inside", "/u/site", "/u/site/conf/lorimel/Lorimel3.ini", false},
            {"folder named like the settings", "/u/site", "/u/site/conf/lorimel2/a.gif", true},
            {"top folder as root, hidden", "/", "/root/.ssh/id_rsa", false},
        };
        for (const auto &r : rows)
            QTest::newRow(r.name) << QString(r.root) << QString(r.file) << r.served;
    }
    void mayServe()
    {
        QFETCH(QString, root);
        QFETCH(QString, file);
        QFETCH(bool, served);
        QCOMPARE(previewrules::mayServe(root, file, {QStringLiteral("/u/site/conf/lorimel")}),
                 served);
    }

    // The page is served under the host "abc".
    void fetchAndNavigate_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("fetch");
        QTest::addColumn<bool>("topFrame");
        QTest::addColumn<bool>("frame");
        const struct
        {
            const char *name, *url;
            bool fetch, topFrame, frame;
        } rows[] = {
            {"own page", "lorimel-preview://abc/x.htm", true, true, true},
            {"another preview's page", "lorimel-preview://def/x.htm", true, false, false},
            {"local file", "file:///etc/passwd", false, false, false},
            {"loopback", "http://127.0.0.1:8080/", false, false, false},
            {"inline data", "data:text/html,x", true, false, true},
            {"blob", "blob:lorimel-preview://abc/1-2", true, false, true},
        };
        for (const auto &r : rows)
            QTest::newRow(r.name) << QString(r.url) << r.fetch << r.topFrame << r.frame;
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
        const struct
        {
            const char *name;
            bool root;
            const char *flags;
            bool switchedOff;
            const char *startFlags;
            bool scripts;
        } rows[] = {
            {"user", false, "", false, "", true},
            {"root", true, "", false, "--no-sandbox", false},
            {"root with flags", true, "--disable-gpu", false, "--disable-gpu --no-sandbox", false},
            {"user without sandbox", false, "--no-sandbox", false, "--no-sandbox", false},
            {"sandbox switched off", false, "", true, "", false},
            {"a flag that only starts alike", false, "--no-sandboxing", false, "--no-sandboxing",
             true},
        };
        for (const auto &r : rows) {
            QTest::newRow(r.name) << r.root << QByteArray(r.flags) << r.switchedOff
                                  << QByteArray(r.startFlags) << r.scripts;
        }
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
