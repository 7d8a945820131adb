// SPDX-License-Identifier: GPL-3.0-or-later
#include "kernel/builderids.h"
#include "objects/scriptlogic.h"

#include <QtTest>

using namespace scripts;

class TestScriptLogic : public QObject
{
    Q_OBJECT
private slots:
    void scriptBlock_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("expected");
        QTest::newRow("VBScript") << int(Language::VBScript)
                                  << "<SCRIPT language=\"VBScript\">\r\n<!--\r\n\r\n\r\n-->\r\n"
                                     "</SCRIPT>";
        QTest::newRow("JavaScript, capital S")
            << int(Language::JavaScript)
            << "<SCRIPT language=\"JavaScript\">\r\n<!--\r\n\r\n\r\n-->\r\n</SCRIPT>";
    }
    void scriptBlock()
    {
        QFETCH(int, language);
        QFETCH(QString, expected);
        QCOMPARE(buildScriptBlock(Language(language)), expected);
    }

    void premadeScript_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("expected");
        const QString vb = QStringLiteral("<SCRIPT language=\"VBScript\">\r\n<!--\r\n");
        const QString js = QStringLiteral("<SCRIPT language=\"Javascript\">\r\n<!--\r\n");
        const QString end = QStringLiteral("-->\r\n</SCRIPT>");
        QTest::newRow("date") << 0 << "Current Date Script"
                              << vb + "Document.write(\"Today is \" & Date)\r\n" + end;
        QTest::newRow("random background") << 3 << "Random Background Color Script"
                                           << "";
        QTest::newRow("link box") << 4 << "Linkbox Form && Script"
                                  << "";
        QTest::newRow("greeting, ending in CR LF")
            << 5 << "Good Morning, Afternoon, or Evening"
            << vb +
                   "If Hour(Time) >= 17 And Hour(Time) < 24 Then\r\n"
                   "Document.Write(\"Good Evening\")\r\nEnd If\r\n"
                   "If Hour(Time) >= 12 And Hour(Time) < 17 Then\r\n"
                   "Document.Write(\"Good Afternoon\")\r\nEnd If\r\n"
                   "If Hour(Time) >= 0 And Hour(Time) < 12 Then\r\n"
                   "Document.Write(\"Good Morning\")\r\nEnd If\r\n\r\n" +
                   end + "\r\n";
        QTest::newRow("random text") << 6 << "Random Text Script"
                                     << "";
        QTest::newRow("platform")
            << 9 << "Current Platform Script"
            << js + "document.write('Your platform is ' + navigator.platform)\r\n" + end;
    }
    void premadeScript()
    {
        QFETCH(int, entry);
        QFETCH(QString, caption);
        QFETCH(QString, expected);
        QCOMPARE(premadeScripts().size(), 15);
        const PremadeScript &script = premadeScripts()[entry];
        QCOMPARE(script.caption, caption);
        QCOMPARE(script.group, entry < 9 ? Language::VBScript : Language::JavaScript);
        QCOMPARE(buildPremadeScript(script), expected);
        QCOMPARE(script.builder.isEmpty(), !expected.isEmpty());
    }

    void premadeBuilders()
    {
        QCOMPARE(premadeScripts()[3].builder, QLatin1String(builderid::RandomBackground));
        QCOMPARE(premadeScripts()[4].builder, QLatin1String(builderid::LinkBox));
        QCOMPARE(premadeScripts()[6].builder, QLatin1String(builderid::RandomText));
    }

    void searchForm_data()
    {
        QTest::addColumn<int>("service");
        QTest::addColumn<QString>("expected");
        const QList<SearchService> &s = searchServices();
        QTest::newRow("Altavista") << 0
                                   << "<FORM method=GET action=\"" + s[0].endpoint +
                                          "\">\r\n<INPUT TYPE=hidden NAME=pg VALUE=q>\r\n"
                                          "<INPUT NAME=q SIZE=30 MAXLENGTH=200 VALUE=\"\">\r\n"
                                          "<INPUT TYPE=submit VALUE=Altavista>\r\n</FORM>\r\n";
        QTest::newRow("Excite") << 1
                                << "<FORM NAME=search ACTION=" + s[1].endpoint +
                                       " METHOD=get>\r\n<INPUT TYPE=hidden NAME=trace VALUE=a>\r\n"
                                       "<INPUT NAME=search SIZE=30>\r\n"
                                       "<INPUT TYPE=submit VALUE=Excite>\r\n</FORM>\r\n";
        QTest::newRow("Yahoo!") << 2
                                << "<FORM ACTION=\"" + s[2].endpoint +
                                       "\">\r\n<INPUT SIZE=30 NAME=p><INPUT TYPE=submit "
                                       "VALUE=Yahoo>\r\n</FORM>\r\n";
        QTest::newRow("DuckDuckGo")
            << 3
            << "<FORM METHOD=GET ACTION=\"" + s[3].endpoint +
                   "\">\r\n<INPUT NAME=q SIZE=30 MAXLENGTH=200>\r\n"
                   "<INPUT TYPE=submit VALUE=\"DuckDuckGo\">\r\n</FORM>\r\n";
        QTest::newRow("Wikipedia") << 4
                                   << "<FORM METHOD=GET ACTION=\"" + s[4].endpoint +
                                          "\">\r\n<INPUT NAME=search SIZE=30 MAXLENGTH=200>\r\n"
                                          "<INPUT TYPE=submit VALUE=\"Wikipedia\">\r\n</FORM>\r\n";
        QTest::newRow("none chosen") << -1 << "";
        QTest::newRow("out of range") << int(s.size()) << "";
    }
    void searchForm()
    {
        QFETCH(int, service);
        QFETCH(QString, expected);
        QCOMPARE(buildSearchForm(service), expected);
    }

    void searchEndpoints()
    {
        const QList<SearchService> &s = searchServices();
        QCOMPARE(s.size(), 7);
        QCOMPARE(s[0].name, QStringLiteral("Altavista"));
        QCOMPARE(s[1].name, QStringLiteral("Excite"));
        QCOMPARE(s[2].name, QStringLiteral("Yahoo!"));
        const QStringList paths{"/cgi-bin/query", "/search.gw", "/bin/search"};
        for (int i = 0; i < int(s.size()); ++i) {
            const QUrl url(s[i].endpoint);
            QVERIFY2(url.isValid() && url.scheme() == QLatin1String("https") &&
                         !url.host().isEmpty(),
                     qPrintable(s[i].endpoint));
            if (i < 3)
                QCOMPARE(url.path(), paths[i]);
            QVERIFY(!s[i].queryField.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestScriptLogic)
#include "test_scriptlogic.moc"
