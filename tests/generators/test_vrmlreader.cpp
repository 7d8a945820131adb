// SPDX-License-Identifier: GPL-3.0-or-later
// The worlds the VRML Builder writes, read by real VRML 2.0 readers:
// tovrmlx3d parses a world and writes it back, view3dscene renders it.
// Both come with Debian's view3dscene package (scripts/setup installs it).

#include "generators/vrmlbuilderlogic.h"
#include "kernel/colour.h"
#include "support/files.h"
#include "support/program.h"

#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace vrml;

Q_DECLARE_METATYPE(vrml::VrmlOptions)

namespace {

using testprogram::Reading;
using testprogram::run;

QString writeWorld(const QTemporaryDir &dir, const QString &name, const QString &world)
{
    const QString path = dir.filePath(name);
    return testfiles::writeFile(path, world.toUtf8()) ? path : QString();
}

QString findReader(const char *name)
{
    return QStandardPaths::findExecutable(QLatin1String(name));
}

VrmlOptions sitemap(Shape shape)
{
    VrmlOptions o;
    o.mode = Mode::Sitemap;
    o.shape = shape;
    o.sites = {{QStringLiteral("Home"), QStringLiteral("index.htm")},
               {QStringLiteral("News"), QStringLiteral("news.htm")},
               {QString(), QString()}};
    return o;
}

} // namespace

class TestVrmlReader : public QObject
{
    Q_OBJECT
private slots:
    void parsesEveryWorld_data()
    {
        QTest::addColumn<VrmlOptions>("options");
        QTest::addColumn<QStringList>("mustRead");
        VrmlOptions text;
        text.text = QStringLiteral("Welcome");
        QTest::newRow("text, white") << text << QStringList{"string \"Welcome\"", "MIDDLE"};
        text.textColour = colour::number(255, 0, 0);
        QTest::newRow("text, red") << text << QStringList{"diffuseColor 1 0 0"};
        QTest::newRow("spheres") << sitemap(Shape::Spheres)
                                 << QStringList{"url \"index.htm\"", "url \"news.htm\"", "Sphere",
                                                "translation 4 0 0", "size 0.25"};
        QTest::newRow("cubes") << sitemap(Shape::Cubes) << QStringList{"Box", "translation 2 0 0"};
    }
    void parsesEveryWorld()
    {
        QFETCH(VrmlOptions, options);
        QFETCH(QStringList, mustRead);
        const QString reader = findReader("tovrmlx3d");
        if (reader.isEmpty())
            QFAIL("tovrmlx3d not found: scripts/setup installs Debian's view3dscene");
        QTemporaryDir dir;
        const QString path = writeWorld(dir, QStringLiteral("world.wrl"), buildVrmlWorld(options));
        const Reading r = run(reader, {path, QStringLiteral("--encoding=classic")});
        QVERIFY2(r.clean(), qPrintable(r.err));
        for (const QString &part : mustRead)
            QVERIFY2(r.out.contains(part), qPrintable(part + QStringLiteral(" in\n") + r.out));
        if (options.mode == Mode::Sitemap)
            QCOMPARE(r.out.count(QStringLiteral("Anchor {")), int(options.sites.size()));
    }

    // The check above would notice a broken world.
    void aTruncatedWorldIsNoticed()
    {
        const QString reader = findReader("tovrmlx3d");
        if (reader.isEmpty())
            QFAIL("tovrmlx3d not found: scripts/setup installs Debian's view3dscene");
        QTemporaryDir dir;
        QString world = buildVrmlWorld(sitemap(Shape::Spheres));
        world.chop(5); // the closing "]" and "}"
        const Reading r = run(reader, {writeWorld(dir, QStringLiteral("broken.wrl"), world),
                                       QStringLiteral("--encoding=classic")});
        QVERIFY(r.ran);
        QVERIFY(!r.clean());
    }

    // Rendered, the site map shows its red shapes on the black sky.
    void rendersTheSitemap()
    {
        const QString viewer = findReader("view3dscene");
        const QString xvfb = findReader("xvfb-run");
        if (viewer.isEmpty() || xvfb.isEmpty())
            QFAIL("view3dscene or xvfb-run not found: scripts/setup installs them");
        QTemporaryDir dir;
        const QString world =
            writeWorld(dir, QStringLiteral("site.wrl"), buildVrmlWorld(sitemap(Shape::Spheres)));
        const QString shot = dir.filePath(QStringLiteral("shot.png"));
        const Reading r = run(xvfb, {QStringLiteral("-a"), QStringLiteral("-s"),
                                     QStringLiteral("-screen 0 640x480x24"), viewer, world,
                                     QStringLiteral("--screenshot"), QStringLiteral("0"), shot});
        QVERIFY2(r.ran && r.exitCode == 0, qPrintable(r.err));
        const QImage image(shot);
        QVERIFY2(!image.isNull(), qPrintable(r.err));
        int red = 0;
        int black = 0;
        for (int y = 0; y < image.height(); y += 4) {
            for (int x = 0; x < image.width(); x += 4) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 150 && c.green() < 60 && c.blue() < 60)
                    ++red;
                else if (c.red() < 20 && c.green() < 20 && c.blue() < 20)
                    ++black;
            }
        }
        const int samples = (image.width() / 4) * (image.height() / 4);
        QVERIFY2(red > samples / 50, qPrintable(QString::number(red)));
        QVERIFY2(black > samples / 2, qPrintable(QString::number(black)));
    }
};

QTEST_GUILESS_MAIN(TestVrmlReader)
#include "test_vrmlreader.moc"
