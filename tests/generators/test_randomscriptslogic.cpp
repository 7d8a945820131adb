// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/randomscriptslogic.h"

#include <QtTest>

using namespace randomscripts;

namespace {

QString script(const QString &name, const QStringList &body)
{
    return (QStringList{"<!-- Begin " + name + " Script -->", "<SCRIPT language=\"VBScript\">",
                        "<!--"} +
            body + QStringList{"-->", "</SCRIPT>", "<!-- End " + name + " Script -->"})
               .join(QStringLiteral("\r\n")) +
           QStringLiteral("\r\n");
}

} // namespace

class TestRandomScriptsLogic : public QObject
{
    Q_OBJECT
private slots:
    void backgrounds_data()
    {
        QTest::addColumn<QList<qint64>>("colours");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("untouched")
            << QList<qint64>{0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}
            << QStringList{"#FFFFFF", "#FFFFFF", "#FFFFFF", "#FFFFFF", "#FFFFFF"};
        QTest::newRow("chosen") << QList<qint64>{0x0000FF, 0x00FF00, 0xFF0000, 0, 0x123456}
                                << QStringList{"#FF0000", "#00FF00", "#0000FF", "#000000",
                                               "#563412"};
    }
    void backgrounds()
    {
        QFETCH(QList<qint64>, colours);
        QFETCH(QStringList, values);
        BackgroundOptions options;
        QStringList body{"Dim Random", "Randomize", "Random = Rnd * 5"};
        for (int k = 0; k < 5; ++k) {
            options.colours[std::size_t(k)] = colours[k];
            body << QStringLiteral("If Random < %1 AND Random > %2 Then").arg(k + 1).arg(k)
                 << "window.document.bgColor = \"" + values[k] + "\""
                 << "End If";
        }
        QCOMPARE(buildBackgroundScript(options),
                 script(QStringLiteral("Random Background Color"), body));
    }

    void texts_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("body");
        QTest::newRow("two empty rows") << QStringList{"", ""}
                                        << QStringList{"Dim RandomText",
                                                       "Randomize",
                                                       "RandomText = Rnd * 2",
                                                       "If RandomText < 1 AND Randomtext > 0 Then",
                                                       "window.document.write(\"\")",
                                                       "End If",
                                                       "If RandomText < 2 AND Randomtext > 1 Then",
                                                       "window.document.write(\"\")",
                                                       "End If"};
        QTest::newRow("one row, quote doubled")
            << QStringList{"Say \"hi\""}
            << QStringList{"Dim RandomText",
                           "Randomize",
                           "RandomText = Rnd * 1",
                           "If RandomText < 1 AND Randomtext > 0 Then",
                           "window.document.write(\"Say \"\"hi\"\"\")",
                           "End If"};
    }
    void texts()
    {
        QFETCH(QStringList, texts);
        QFETCH(QStringList, body);
        QCOMPARE(buildTextScript(TextOptions{texts}), script(QStringLiteral("Random Text"), body));
    }
};

QTEST_MAIN(TestRandomScriptsLogic)
#include "test_randomscriptslogic.moc"
