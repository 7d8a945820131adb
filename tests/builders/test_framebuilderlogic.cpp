// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/framebuilderlogic.h"

#include <QtTest>

using namespace framebuilder;

namespace {

const QString plainFrame =
    QStringLiteral("<FRAME NAME=\"%1\" SRC=\"%2\" NORESIZE SCROLLING=NO FRAMEBORDER=0>\r\n");

FrameOptions layoutWith(int layout, const QString &size1, const QString &size2 = QString())
{
    FrameOptions options;
    options.layout = layout;
    options.size1 = size1;
    options.size2 = size2;
    for (int k = 0; k < 3; ++k)
        options.frames[k].source = QStringLiteral("f%1.htm").arg(k + 1);
    return options;
}

QString frame(int k)
{
    return plainFrame.arg(QStringLiteral("Frame%1").arg(k), QStringLiteral("f%1.htm").arg(k));
}

} // namespace

class TestFrameBuilderLogic : public QObject
{
    Q_OBJECT
private slots:
    void framesets_data()
    {
        QTest::addColumn<FrameOptions>("options");
        QTest::addColumn<QString>("expected");

        FrameOptions example;
        example.size1 = QStringLiteral("25%");
        example.frames[0].name = QStringLiteral("menu");
        example.frames[0].source = QStringLiteral("menu.htm");
        example.frames[1].source = QStringLiteral("main.htm");
        QTest::newRow("example: layout 1, no break after the set")
            << example
            << QStringLiteral("<FRAMESET COLS=\"25%, *\">\r\n"
                              "<FRAME NAME=\"menu\" SRC=\"menu.htm\" NORESIZE SCROLLING=NO "
                              "FRAMEBORDER=0>\r\n"
                              "<FRAME NAME=\"Frame2\" SRC=\"main.htm\" NORESIZE SCROLLING=NO "
                              "FRAMEBORDER=0>\r\n"
                              "</FRAMESET>");
        QTest::newRow("layout 2 ignores size 2 and frame 3")
            << layoutWith(2, QStringLiteral("100"), QStringLiteral("9"))
            << QStringLiteral("<FRAMESET ROWS=\"100, *\">\r\n") + frame(1) + frame(2) +
                   QStringLiteral("</FRAMESET>");
        QTest::newRow("layout 3: columns inside the second row")
            << layoutWith(3, QStringLiteral("20%"), QStringLiteral("50%"))
            << QStringLiteral("<FRAMESET ROWS=\"20%, *\">\r\n") + frame(1) +
                   QStringLiteral("<FRAMESET COLS=\"50%, *\">\r\n") + frame(2) + frame(3) +
                   QStringLiteral("</FRAMESET>\r\n</FRAMESET>\r\n");
        QTest::newRow("layout 4: inner set closed before frame 3")
            << layoutWith(4, QStringLiteral("60%"), QStringLiteral("30%"))
            << QStringLiteral("<FRAMESET ROWS=\"60%, *\">\r\n<FRAMESET COLS=\"30%, *\">\r\n") +
                   frame(1) + frame(2) + QStringLiteral("</FRAMESET>\r\n") + frame(3) +
                   QStringLiteral("</FRAMESET>\r\n");
        QTest::newRow("layout 5: rows inside the second column")
            << layoutWith(5, QStringLiteral("150"), QStringLiteral("40%"))
            << QStringLiteral("<FRAMESET COLS=\"150, *\">\r\n") + frame(1) +
                   QStringLiteral("<FRAMESET ROWS=\"40%, *\">\r\n") + frame(2) + frame(3) +
                   QStringLiteral("</FRAMESET>\r\n</FRAMESET>\r\n");
        QTest::newRow("layout 6: rows inside the first column")
            << layoutWith(6, QStringLiteral("30%"), QStringLiteral("70%"))
            << QStringLiteral("<FRAMESET COLS=\"30%, *\">\r\n<FRAMESET ROWS=\"70%, *\">\r\n") +
                   frame(1) + frame(2) + QStringLiteral("</FRAMESET>\r\n") + frame(3) +
                   QStringLiteral("</FRAMESET>\r\n");

        FrameOptions empty;
        empty.frames[0].name.clear();
        QTest::newRow("empty size, name and source are written empty")
            << empty
            << QStringLiteral("<FRAMESET COLS=\", *\">\r\n") + plainFrame.arg("", "") +
                   plainFrame.arg("Frame2", "") + QStringLiteral("</FRAMESET>");
        QTest::newRow("no such layout") << layoutWith(7, QStringLiteral("10%")) << QString();
        QTest::newRow("layout 0") << layoutWith(0, QStringLiteral("10%")) << QString();
    }
    void framesets()
    {
        QFETCH(FrameOptions, options);
        QFETCH(QString, expected);
        QCOMPARE(buildFrameset(options), expected);
    }

    void frameLines_data()
    {
        QTest::addColumn<bool>("scrollBars");
        QTest::addColumn<bool>("frameBorder");
        QTest::addColumn<bool>("resizable");
        QTest::addColumn<QString>("expected");
        QTest::newRow("all off") << false << false << false
                                 << "<FRAME NAME=\"a\" SRC=\"b\" NORESIZE SCROLLING=NO "
                                    "FRAMEBORDER=0>\r\n";
        QTest::newRow("all on") << true << true << true
                                << "<FRAME NAME=\"a\" SRC=\"b\" SCROLLING=YES FRAMEBORDER=1>\r\n";
        QTest::newRow("scroll bars") << true << false << false
                                     << "<FRAME NAME=\"a\" SRC=\"b\" NORESIZE SCROLLING=YES "
                                        "FRAMEBORDER=0>\r\n";
        QTest::newRow("border") << false << true << false
                                << "<FRAME NAME=\"a\" SRC=\"b\" NORESIZE SCROLLING=NO "
                                   "FRAMEBORDER=1>\r\n";
        QTest::newRow("resizable") << false << false << true
                                   << "<FRAME NAME=\"a\" SRC=\"b\" SCROLLING=NO FRAMEBORDER=0>\r\n";
    }
    void frameLines()
    {
        QFETCH(bool, scrollBars);
        QFETCH(bool, frameBorder);
        QFETCH(bool, resizable);
        QFETCH(QString, expected);
        FrameFields frame{QStringLiteral("a"), QStringLiteral("b"), scrollBars, frameBorder,
                          resizable};
        QCOMPARE(frameLine(frame), expected);
    }

    void spinning_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("up");
        QTest::addColumn<QString>("down");
        QTest::newRow("percent dropped") << "50%"
                                         << "55"
                                         << "45";
        QTest::newRow("3: down does nothing") << "3"
                                              << "8"
                                              << "3";
        QTest::newRow("3%: kept as typed") << "3%"
                                           << "8"
                                           << "3%";
        QTest::newRow("5 goes down to 0") << "5"
                                          << "10"
                                          << "0";
        QTest::newRow("empty is 0") << ""
                                    << "5"
                                    << "";
        QTest::newRow("no number") << "wide"
                                   << "5"
                                   << "wide";
        QTest::newRow("fraction") << "12.5%"
                                  << "17.5"
                                  << "7.5";
        QTest::newRow("negative") << "-20"
                                  << "-15"
                                  << "-20";
        QTest::newRow("pixels") << "200px"
                                << "205"
                                << "195";
    }
    void spinning()
    {
        QFETCH(QString, text);
        QFETCH(QString, up);
        QFETCH(QString, down);
        QCOMPARE(spinSize(text, true), up);
        QCOMPARE(spinSize(text, false), down);
    }

    void layouts_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("frames");
        QTest::addColumn<QString>("size1");
        QTest::addColumn<QString>("size2");
        const QString width = QStringLiteral("Width:  In Pixels Or Percents");
        const QString height = QStringLiteral("Height:  In Pixels Or Percents");
        QTest::newRow("1") << 1 << "Form13" << 2 << width << "";
        QTest::newRow("2") << 2 << "Form14" << 2 << height << "";
        QTest::newRow("3") << 3 << "Form15" << 3 << height << width;
        QTest::newRow("4") << 4 << "Form18" << 3 << height << "Width:  In Pixels or Percents";
        QTest::newRow("5") << 5 << "Form17" << 3 << width << height;
        QTest::newRow("6") << 6 << "Form19" << 3 << width << height;
        QTest::newRow("none") << 7 << "" << 0 << ""
                              << "";
    }
    void layouts()
    {
        QFETCH(int, layout);
        QFETCH(QString, window);
        QFETCH(int, frames);
        QFETCH(QString, size1);
        QFETCH(QString, size2);
        QCOMPARE(stepWindowName(layout), window);
        QCOMPARE(frameCount(layout), frames);
        QCOMPARE(sizeCaption(layout, 1), size1);
        QCOMPARE(sizeCaption(layout, 2), size2);
    }
};

QTEST_MAIN(TestFrameBuilderLogic)
#include "test_framebuilderlogic.moc"
