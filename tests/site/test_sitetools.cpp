// SPDX-License-Identifier: GPL-3.0-or-later
// Copying into the site, the thumbnail browser's pictures and strip, and
// the properties window's rules.

#include "site/sitetools.h"
#include "support/files.h"
#include "support/immutable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using testfiles::readFile;
using testfiles::writeFile;

} // namespace

class TestSiteTools : public QObject
{
    Q_OBJECT

private slots:
    void copyIntoFolder_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<bool>("copied");
        QTest::newRow("new file") << "new" << true;
        QTest::newRow("replaces a file of that name") << "existing" << true;
        QTest::newRow("onto itself") << "itself" << true;
        QTest::newRow("large file") << "large" << true;
        QTest::newRow("missing source") << "missing" << false;
        QTest::newRow("source is a folder") << "folder" << false;
        QTest::newRow("folder of that name in the site") << "clash" << false;
        QTest::newRow("site folder immutable") << "immutable" << false;
    }

    void copyIntoFolder()
    {
        QFETCH(QString, situation);
        QFETCH(bool, copied);
        QTemporaryDir from, site;
        const QString name = QStringLiteral("page.htm");
        QByteArray bytes("<p>new</p>\r\n");
        if (situation == QLatin1String("large"))
            bytes = QByteArray(3 << 20, 'x') + "end";
        QString source = from.filePath(name);
        QVERIFY(writeFile(source, bytes));
        const QString target = site.filePath(name);
        const QByteArray old("<p>old, and longer</p>");
        std::unique_ptr<Immutable> locked;

        if (situation == QLatin1String("existing") || situation == QLatin1String("immutable"))
            QVERIFY(writeFile(target, old));
        if (situation == QLatin1String("itself")) {
            source = target;
            QVERIFY(writeFile(target, bytes));
        }
        if (situation == QLatin1String("missing"))
            source = from.filePath(QStringLiteral("gone.htm"));
        if (situation == QLatin1String("folder")) {
            QVERIFY(QDir(from.path()).mkdir(QStringLiteral("sub")));
            source = from.filePath(QStringLiteral("sub"));
        }
        if (situation == QLatin1String("clash"))
            QVERIFY(QDir(site.path()).mkdir(name));
        if (situation == QLatin1String("immutable")) {
            locked = std::make_unique<Immutable>(site.path());
            QVERIFY2(locked->active(), "chattr +i is needed");
        }

        QCOMPARE(site::copyIntoFolder(source, site.path()), copied);
        if (copied)
            QCOMPARE(readFile(target), bytes);
        else if (situation == QLatin1String("immutable"))
            QCOMPARE(readFile(target), old);
        locked.reset();
        // Nothing but the copy is left in the site folder.
        const QStringList left =
            QDir(site.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        QVERIFY2(left.size() <= 1, qPrintable(left.join(u',')));
    }

    void pictureNames()
    {
        const QStringList files{"a.bmp", "b.BMP", "backup.gif.old", "c.jpeg",
                                "d.jpg", "e.png", "f.htm",          "logo.GIF",
                                "x.Jpg", "jpg",   "notes.txt",      "p.gif"};
        QCOMPARE(site::pictureNames(files), (QStringList{"a.bmp", "b.BMP", "backup.gif.old",
                                                         "d.jpg", "logo.GIF", "x.Jpg", "p.gif"}));
        QVERIFY(site::pictureNames({}).isEmpty());
    }

    // Steps: "+" spin up, "-" spin down; the thumbnail in view after each.
    void stripSteps_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QList<int>>("current");

        QTest::newRow("three pictures, to the end and past it")
            << 3 << "+++" << QList<int>{1, 2, 2};
        QTest::newRow("down at the first") << 3 << "-" << QList<int>{0};
        QTest::newRow("there and back") << 3 << "++--" << QList<int>{1, 2, 1, 0};
        QTest::newRow("one picture") << 1 << "+-" << QList<int>{0, 0};
        QTest::newRow("no pictures") << 0 << "+-" << QList<int>{0, 0};
        QTest::newRow("two thousand") << 2000 << "+" << QList<int>{1};
    }

    void stripSteps()
    {
        QFETCH(int, count);
        QFETCH(QString, steps);
        QFETCH(QList<int>, current);
        site::ThumbnailStrip strip(count);
        QCOMPARE(strip.width(), 100 + 1100 * count);
        for (int i = 0; i < steps.size(); ++i) {
            const int before = strip.current();
            const bool moved = steps[i] == u'+' ? strip.next() : strip.previous();
            QCOMPARE(strip.current(), current.at(i));
            QCOMPARE(moved, strip.current() != before);
            QCOMPARE(strip.left(), -1100 * strip.current());
        }
    }

    void propertiesRules_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("image");
        QTest::addColumn<bool>("media");
        QTest::newRow("photo.JPG") << "photo.JPG" << true << false;
        QTest::newRow("gif in the middle") << "logo.gif.bak" << true << false;
        QTest::newRow("bmp") << "a.Bmp" << true << false;
        QTest::newRow("png is no web image here") << "a.png" << false << false;
        QTest::newRow("text") << "notes.txt" << false << false;
        QTest::newRow("tune.wav") << "tune.wav" << false << true;
        QTest::newRow("MIDI") << "SONG.MID" << false << true;
        QTest::newRow("video") << "clip.Avi" << false << true;
        QTest::newRow("sound not at the end") << "tune.wav.txt" << false << false;
        QTest::newRow("au is not played") << "bell.au" << false << false;
    }

    void propertiesRules()
    {
        QFETCH(QString, name);
        QFETCH(bool, image);
        QFETCH(bool, media);
        QCOMPARE(site::isWebImageName(name), image);
        QCOMPARE(site::isMediaName(name), media);
    }

    void pictureText_data()
    {
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("bytes") << QSize(16, 9) << qint64(812) << "16 × 9 pixels, 812 bytes";
        QTest::newRow("just below a KB")
            << QSize(1, 1) << qint64(1023) << "1 × 1 pixels, 1023 bytes";
        QTest::newRow("a KB") << QSize(640, 480) << qint64(1024) << "640 × 480 pixels, 1.0 KB";
        QTest::newRow("KB rounded")
            << QSize(640, 480) << qint64(12800) << "640 × 480 pixels, 12.5 KB";
        QTest::newRow("MB") << QSize(4000, 3000) << qint64(3 * 1024 * 1024 + 300 * 1024)
                            << "4000 × 3000 pixels, 3.3 MB";
        QTest::newRow("no pixel size") << QSize() << qint64(13) << "13 bytes";
    }
    void pictureText()
    {
        QFETCH(QSize, pixels);
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(site::pictureText(pixels, bytes), text);
    }
};

QTEST_GUILESS_MAIN(TestSiteTools)
#include "test_sitetools.moc"
