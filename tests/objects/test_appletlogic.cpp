// SPDX-License-Identifier: GPL-3.0-or-later
#include "objects/appletlogic.h"

#include <QtTest>

using namespace applet;

Q_DECLARE_METATYPE(applet::AppletOptions)
Q_DECLARE_METATYPE(QList<applet::Parameter>)

class TestAppletLogic : public QObject
{
    Q_OBJECT
private slots:
    void appletTag_data()
    {
        QTest::addColumn<AppletOptions>("options");
        QTest::addColumn<QString>("expected");

        AppletOptions clock;
        clock.fileName = QStringLiteral("Clock.class");
        QTest::newRow("only the file name")
            << clock
            << "<APPLET NAME=\"\" CODEBASE=\"\" CODE=\"Clock.class\" WIDTH=100 HEIGHT=100 "
               "HSPACE=100 VSPACE=100></APPLET>";

        AppletOptions noSizes = clock;
        noSizes.width.clear();
        noSizes.height.clear();
        noSizes.hspace.clear();
        noSizes.vspace.clear();
        QTest::newRow("four sizes cleared")
            << noSizes << "<APPLET NAME=\"\" CODEBASE=\"\" CODE=\"Clock.class\"></APPLET>";

        AppletOptions full = clock;
        full.name = QStringLiteral("clock");
        full.alignment = QStringLiteral("Center");
        full.alternateText = QStringLiteral("A \"clock\"");
        full.urlDirectory = QStringLiteral("classes/");
        full.width = QStringLiteral("50%");
        full.hspace.clear();
        QTest::newRow("alternate text before the code base, a typed quote as &quot;")
            << full
            << "<APPLET NAME=\"clock\" ALIGN=Center ALT=\"A &quot;clock&quot;\" CODEBASE=\"classes/\" "
               "CODE=\"Clock.class\" WIDTH=50% HEIGHT=100 VSPACE=100></APPLET>";
    }
    void appletTag()
    {
        QFETCH(AppletOptions, options);
        QFETCH(QString, expected);
        QCOMPARE(buildAppletTag(options), expected);
    }

    void parameterList_data()
    {
        QTest::addColumn<QList<Parameter>>("parameters");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one empty row")
            << QList<Parameter>{Parameter()} << "<PARAM NAME=\"\" Value=\"\">\r\n";
        QTest::newRow("two rows in order")
            << QList<Parameter>{{QStringLiteral("speed"), QStringLiteral("3")},
                                {QStringLiteral("face"), QString()}}
            << "<PARAM NAME=\"speed\" Value=\"3\">\r\n<PARAM NAME=\"face\" Value=\"\">\r\n";
    }
    void parameterList()
    {
        QFETCH(QList<Parameter>, parameters);
        QFETCH(QString, expected);
        QCOMPARE(buildParameterList(parameters), expected);
    }
};

QTEST_GUILESS_MAIN(TestAppletLogic)
#include "test_appletlogic.moc"
