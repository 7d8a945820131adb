// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/imagemapbuilderlogic.h"

#include <QtTest>

using namespace imagemap;

Q_DECLARE_METATYPE(imagemap::ImageMapOptions)

class TestImageMapLogic : public QObject
{
    Q_OBJECT
private slots:
    void imageMap_data()
    {
        QTest::addColumn<ImageMapOptions>("options");
        QTest::addColumn<QString>("expected");

        ImageMapOptions nav;
        nav.mapName = QStringLiteral("nav");
        nav.imageName = QStringLiteral("logo.gif");
        nav.areas = {{QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("110"),
                      QStringLiteral("60"), QStringLiteral("a.htm")}};
        QTest::newRow("nav") << nav
                             << "<!-- Begin Image Map -->\r\n<MAP NAME=\"nav\">\r\n"
                                " <AREA SHAPE=\"RECTANGLE\" COORDS=\"10,20,110,60\" "
                                "HREF=\"a.htm\">\r\n</MAP>\r\n"
                                "<IMG SRC=\"logo.gif\" USEMAP=\"#nav\" BORDER=0 ISMAP>\r\n"
                                "<!-- End Image Map -->\r\n";

        ImageMapOptions two = nav;
        two.areas.append({QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("5"),
                          QStringLiteral("5"), QString()});
        QTest::newRow("two rows in order, the second without a link")
            << two
            << "<!-- Begin Image Map -->\r\n<MAP NAME=\"nav\">\r\n"
               " <AREA SHAPE=\"RECTANGLE\" COORDS=\"10,20,110,60\" HREF=\"a.htm\">\r\n"
               " <AREA SHAPE=\"RECTANGLE\" COORDS=\"0,0,5,5\" NOHREF>\r\n</MAP>\r\n"
               "<IMG SRC=\"logo.gif\" USEMAP=\"#nav\" BORDER=0 ISMAP>\r\n"
               "<!-- End Image Map -->\r\n";

        ImageMapOptions sized = nav;
        sized.width = QStringLiteral("320");
        sized.height = QStringLiteral("200");
        QTest::newRow("the image's size when known")
            << sized
            << "<!-- Begin Image Map -->\r\n<MAP NAME=\"nav\">\r\n"
               " <AREA SHAPE=\"RECTANGLE\" COORDS=\"10,20,110,60\" HREF=\"a.htm\">\r\n</MAP>\r\n"
               "<IMG SRC=\"logo.gif\" WIDTH=320 HEIGHT=200 USEMAP=\"#nav\" BORDER=0 ISMAP>\r\n"
               "<!-- End Image Map -->\r\n";

        QTest::newRow("as it opens: empty numbers, no image")
            << ImageMapOptions()
            << "<!-- Begin Image Map -->\r\n<MAP NAME=\"\">\r\n"
               " <AREA SHAPE=\"RECTANGLE\" COORDS=\",,,\" NOHREF>\r\n</MAP>\r\n"
               "<IMG SRC=\"\" USEMAP=\"#\" BORDER=0 ISMAP>\r\n<!-- End Image Map -->\r\n";
    }
    void imageMap()
    {
        QFETCH(ImageMapOptions, options);
        QFETCH(QString, expected);
        QCOMPARE(buildImageMap(options), expected);
    }
};

QTEST_GUILESS_MAIN(TestImageMapLogic)
#include "test_imagemaplogic.moc"
