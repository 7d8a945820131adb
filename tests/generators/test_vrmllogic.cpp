// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/vrmlbuilderlogic.h"
#include "kernel/colour.h"

#include <QtTest>

using namespace vrml;

Q_DECLARE_METATYPE(vrml::VrmlOptions)

namespace {

const QString Header =
    QStringLiteral("#VRML V2.0 utf8\r\nTransform {\r\nchildren [ #First Child\r\n"
                   "DirectionalLight {\r\nintensity 0.400000\r\n"
                   "direction 0.447214 0.000000 -0.894427 \r\n}\r\n"
                   "Background { skyColor 0 0 0 }\r\n");

QString textWorld(const QString &text, const QString &colour)
{
    return Header + QStringLiteral("Transform {\r\nchildren [\r\nShape {\r\ngeometry Text {\r\n") +
           "string \"" + text + "\"\r\n" +
           QStringLiteral("fontStyle FontStyle { justify \"MIDDLE\" }\r\n}\r\n"
                          "appearance Appearance {\r\n") +
           "material Material { diffuseColor " + colour + " }\r\n" +
           QStringLiteral("}\r\n}\r\n]\r\n}\r\n]\r\n}");
}

QString site(int x, const QString &caption, const QString &url, const QString &geometry)
{
    return QStringLiteral("Transform {\r\ntranslation %1 0.7 0\r\nchildren [\r\nShape {\r\n"
                          "geometry Text {\r\nstring \"%2\"\r\n"
                          "fontStyle FontStyle {size 0.25\r\njustify \"MIDDLE\" }\r\n}\r\n"
                          "appearance Appearance {\r\nmaterial Material { diffuseColor 1 1 1 }\r\n"
                          "}\r\n}\r\n]\r\n}\r\n"
                          "Anchor {\r\nurl \"%3\"\r\nchildren [\r\nTransform {\r\n"
                          "translation %1 0 0\r\nchildren [\r\nShape {\r\n%4\r\n"
                          "appearance Appearance {\r\nmaterial Material { diffuseColor 1 0 0 }\r\n"
                          "}\r\n}\r\n]\r\n}\r\n]\r\n}\r\n")
        .arg(x)
        .arg(caption, url, geometry);
}

const QString SphereLine = QStringLiteral("geometry Sphere { radius 0.5 }");
const QString BoxLine = QStringLiteral("geometry Box { size 1 1 1 }");

} // namespace

class TestVrmlLogic : public QObject
{
    Q_OBJECT
private slots:
    void world_data()
    {
        QTest::addColumn<VrmlOptions>("options");
        QTest::addColumn<QString>("expected");

        VrmlOptions text;
        text.text = QStringLiteral("Welcome");
        QTest::newRow("text, no colour chosen: the swatch's white")
            << text << textWorld("Welcome", "1.000000 1.000000 1.000000");
        text.textColour = colour::number(255, 0, 0);
        QTest::newRow("text, pure red")
            << text << textWorld("Welcome", "1.000000 0.000000 0.000000");
        text.text.clear();
        QTest::newRow("text, empty string") << text << textWorld("", "1.000000 0.000000 0.000000");

        VrmlOptions map;
        map.mode = Mode::Sitemap;
        map.sites = {{QStringLiteral("Home"), QStringLiteral("index.htm")},
                     {QStringLiteral("News"), QStringLiteral("news.htm")},
                     {QString(), QString()}};
        QTest::newRow("sitemap, three spheres at 0, 2, 4")
            << map
            << Header + site(0, "Home", "index.htm", SphereLine) +
                   site(2, "News", "news.htm", SphereLine) + site(4, "", "", SphereLine) + "]\r\n}";
        map.shape = Shape::Cubes;
        map.sites.resize(1);
        QTest::newRow("sitemap, one cube")
            << map << Header + site(0, "Home", "index.htm", BoxLine) + "]\r\n}";
    }
    void world()
    {
        QFETCH(VrmlOptions, options);
        QFETCH(QString, expected);
        const QString world = buildVrmlWorld(options);
        QCOMPARE(world, expected);
        QVERIFY(world.endsWith(u'}'));
    }

    void colour_data()
    {
        QTest::addColumn<qint64>("colour");
        QTest::addColumn<QString>("expected");
        QTest::newRow("pure red") << colour::number(255, 0, 0) << "1.000000 0.000000 0.000000";
        QTest::newRow("black") << qint64(0) << "0.000000 0.000000 0.000000";
        QTest::newRow("mixed") << colour::number(128, 64, 255) << "0.501961 0.250980 1.000000";
        QTest::newRow("blue in the high byte") << qint64(0xFF0000) << "0.000000 0.000000 1.000000";
    }
    void colour()
    {
        QFETCH(qint64, colour);
        QFETCH(QString, expected);
        QCOMPARE(vrmlColour(colour), expected);
    }
};

QTEST_GUILESS_MAIN(TestVrmlLogic)
#include "test_vrmllogic.moc"
