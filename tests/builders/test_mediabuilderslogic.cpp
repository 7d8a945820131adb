// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/graphicslogic.h"
#include "builders/marqueelogic.h"

#include <QtTest>

using namespace graphics;
using namespace marquee;

Q_DECLARE_METATYPE(marquee::MarqueeOptions)
Q_DECLARE_METATYPE(marquee::FontOptions)
Q_DECLARE_METATYPE(graphics::GraphicsOptions)
Q_DECLARE_METATYPE(graphics::SoundOptions)

namespace {

QString marqueeFrame(const QString &inner)
{
    return "<!--Begin Marquee-->\r\n" + inner + "\r\n<!--End Marquee-->\r\n";
}

GraphicsOptions image(const QString &url = "photo.gif")
{
    GraphicsOptions o;
    o.url = url;
    return o;
}

GraphicsOptions filtered(const QString &type, const QString &value = {}, const QString &color = {})
{
    GraphicsOptions o = image();
    o.filterType = type;
    o.filterValue = value;
    o.filterColor = color;
    return o;
}

} // namespace

class TestMediaBuildersLogic : public QObject
{
    Q_OBJECT
private slots:
    void buildMarquee_data()
    {
        QTest::addColumn<MarqueeOptions>("options");
        QTest::addColumn<QString>("expected");
        MarqueeOptions o;
        o.message = "Hi";
        QTest::newRow("defaults only")
            << o << marqueeFrame("<MARQUEE  BEHAVIOR=SCROLL DIRECTION=LEFT>Hi</MARQUEE>");
        o.textColor = "RED";
        o.textSize = "4";
        QTest::newRow("RED and 4 in FONT")
            << o
            << marqueeFrame("<FONT COLOR=RED SIZE=4>\r\n"
                            "<MARQUEE  BEHAVIOR=SCROLL DIRECTION=LEFT>Hi</MARQUEE></FONT>");
        o.textColor.clear();
        QTest::newRow("size alone") << o
                                    << marqueeFrame("<FONT SIZE=4>\r\n<MARQUEE  BEHAVIOR=SCROLL "
                                                    "DIRECTION=LEFT>Hi</MARQUEE></FONT>");
        MarqueeOptions all;
        all.message = "<B>News</B>";
        all.backgroundColor = "#00FF00";
        all.behavior = "ALTERNATE";
        all.direction = "RIGHT";
        all.loop = "INFINITE";
        all.scrollAmount = "5";
        all.scrollDelay = "100";
        all.alignment = "MIDDLE";
        all.height = "40";
        all.hspace = "2";
        all.vspace = "3";
        all.width = "50%";
        QTest::newRow("every attribute, in order")
            << all
            << marqueeFrame("<MARQUEE ALIGN=MIDDLE BEHAVIOR=ALTERNATE BGCOLOR=#00FF00 "
                            "DIRECTION=RIGHT HEIGHT=40 HSPACE=2 LOOP=INFINITE SCROLLAMOUNT=5 "
                            "SCROLLDELAY=100 VSPACE=3 WIDTH=50%><B>News</B></MARQUEE>");
        MarqueeOptions empty;
        empty.behavior.clear();
        empty.direction.clear();
        QTest::newRow("empty behavior and direction stay")
            << empty << marqueeFrame("<MARQUEE  BEHAVIOR=\"\" DIRECTION=\"\"></MARQUEE>");
    }
    void buildMarquee()
    {
        QFETCH(MarqueeOptions, options);
        QFETCH(QString, expected);
        QCOMPARE(marquee::buildMarquee(options), expected);
    }

    void buildFont_data()
    {
        QTest::addColumn<FontOptions>("options");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("expected");
        QTest::newRow("size 3 on Hi") << FontOptions{{}, "3", {}} << "Hi"
                                      << "<FONT SIZE=\"3\">Hi</FONT>";
        QTest::newRow("all three") << FontOptions{"Arial Black", "+1", "#FF0000"} << "a\r\nb"
                                   << "<FONT FACE=\"Arial Black\" SIZE=\"+1\" "
                                      "COLOR=\"#FF0000\">a\r\nb</FONT>";
        QTest::newRow("nothing chosen, no selection")
            << FontOptions{} << QString() << "<FONT></FONT>";
    }
    void buildFont()
    {
        QFETCH(FontOptions, options);
        QFETCH(QString, selection);
        QFETCH(QString, expected);
        QCOMPARE(marquee::buildFont(options, selection), expected);
    }

    void buildGraphics_data()
    {
        QTest::addColumn<GraphicsOptions>("options");
        QTest::addColumn<QString>("expected");
        QTest::newRow("url only") << image() << "<IMG SRC=\"photo.gif\">";
        QTest::newRow("empty url") << image({}) << "<IMG SRC=\"\">";
        GraphicsOptions dyn = image("clip.avi");
        dyn.mediaType = "DYNSRC";
        QTest::newRow("DYNSRC") << dyn << "<IMG DYNSRC=\"clip.avi\">";
        GraphicsOptions all = image();
        all.height = "10";
        all.width = "20";
        all.hspace = "1";
        all.vspace = "2";
        all.border = "0";
        all.alignment = "LEFT";
        all.description = "A photo";
        QTest::newRow("every field, in order")
            << all
            << "<IMG SRC=\"photo.gif\" HEIGHT=10 WIDTH=20 HSPACE=1 VSPACE=2 BORDER=0 "
               "ALIGN=LEFT ALT=\"A photo\">";
        GraphicsOptions map = image();
        map.imageMap = true;
        QTest::newRow("image map, no name") << map << "<IMG SRC=\"photo.gif\" USEMAP=\"\" ISMAP>";
        map.mapName = "#nav";
        QTest::newRow("image map") << map << "<IMG SRC=\"photo.gif\" USEMAP=\"#nav\" ISMAP>";
        map.imageMap = false;
        QTest::newRow("map name unchecked") << map << "<IMG SRC=\"photo.gif\">";

        const QString style = "<IMG SRC=\"photo.gif\" STYLE=\"%1\">";
        QTest::newRow("Alpha 50") << filtered("Alpha Filter", "50")
                                  << style.arg("filter:Alpha(Opacity=50)");
        QTest::newRow("Blur") << filtered("Blur Filter", "7")
                              << style.arg("filter:Blur(add=0, direction=90, strength=7)");
        QTest::newRow("FlipH") << filtered("Flip Horizontal") << style.arg("filter:FlipH()");
        QTest::newRow("FlipV") << filtered("Flip Vertical") << style.arg("filter:FlipV()");
        QTest::newRow("Gray") << filtered("Grayscale Filter") << style.arg("filter:Gray()");
        QTest::newRow("Invert") << filtered("Invert Filter") << style.arg("filter:Invert()");
        QTest::newRow("Mask") << filtered("Mask Filter", {}, "#0000FF")
                              << style.arg("filter:Mask(color=#0000FF)");
        QTest::newRow("Mask without colour")
            << filtered("Mask Filter") << style.arg("filter:Mask(color=)");
        QTest::newRow("Wave") << filtered("Wave Filter")
                              << style.arg(
                                     "filter:Wave(Add=0, freq=3, light=50, phase=0, strength=25)");
        QTest::newRow("XRay") << filtered("XRay Filter") << style.arg("filter:Xray()");
        QTest::newRow("Shadow typed") << filtered("Shadow Filter", "9", "#123456")
                                      << style.arg("filter:Shadow(color=#123456, Direction=225)");
        QTest::newRow("Glow typed") << filtered("Glow Filter", "5", "#FFFF00")
                                    << style.arg("filter:Glow(color=#FFFF00, strength=5)");
        QTest::newRow("unknown filter")
            << filtered("alpha filter", "50") << "<IMG SRC=\"photo.gif\">";
    }
    void buildGraphics()
    {
        QFETCH(GraphicsOptions, options);
        QFETCH(QString, expected);
        QCOMPARE(graphics::buildGraphics(options), expected);
    }

    void buildSound_data()
    {
        QTest::addColumn<SoundOptions>("options");
        QTest::addColumn<QString>("expected");
        QTest::newRow("LOOP=INFINITE") << SoundOptions{false, "tune.wav", "INFINITE"}
                                       << "<BGSOUND SRC=\"tune.wav\" LOOP=INFINITE>";
        QTest::newRow("no loop") << SoundOptions{false, "tune.wav", {}}
                                 << "<BGSOUND SRC=\"tune.wav\">";
        QTest::newRow("embed ignores loop")
            << SoundOptions{true, "tune.mid", "3"} << "<EMBED SRC=\"tune.mid\">";
        QTest::newRow("empty source") << SoundOptions{} << "<BGSOUND SRC=\"\" LOOP=INFINITE>";
    }
    void buildSound()
    {
        QFETCH(SoundOptions, options);
        QFETCH(QString, expected);
        QCOMPARE(graphics::buildSound(options), expected);
    }
};

QTEST_GUILESS_MAIN(TestMediaBuildersLogic)
#include "test_mediabuilderslogic.moc"
