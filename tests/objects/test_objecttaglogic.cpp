// SPDX-License-Identifier: GPL-3.0-or-later
#include "kernel/settingsstore.h"
#include "objects/objecttaglogic.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace objecttag;

Q_DECLARE_METATYPE(objecttag::Control)
Q_DECLARE_METATYPE(objecttag::ObjectTagOptions)

namespace {

const Control Calendar{QStringLiteral("MSCAL.Calendar.7"),
                       QStringLiteral("{8E27C92B-1264-101C-8A2F-040224009C02}"),
                       QStringLiteral("Calendar Control")};
const Control NoProgId{QString(), QStringLiteral("{0713E8A2-850A-101B-AFC0-4210102A8DA7}"),
                       QStringLiteral("Progress Bar")};

ObjectTagOptions with(void (*change)(ObjectTagOptions &))
{
    ObjectTagOptions o;
    change(o);
    return o;
}

} // namespace

class TestObjectTagLogic : public QObject
{
    Q_OBJECT
private slots:
    void withoutBraces_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("both") << "{ABC}"
                              << "ABC";
        QTest::newRow("closing only") << "ABC}"
                                      << "ABC";
        QTest::newRow("opening only") << "{ABC"
                                      << "ABC";
        QTest::newRow("none") << "ABC"
                              << "ABC";
        QTest::newRow("one pair only") << "{{ABC}}"
                                       << "{ABC}";
        QTest::newRow("empty") << ""
                               << "";
    }
    void withoutBraces()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(objecttag::withoutBraces(text), expected);
    }

    void objectTag_data()
    {
        QTest::addColumn<Control>("control");
        QTest::addColumn<ObjectTagOptions>("options");
        QTest::addColumn<QString>("expected");

        QTest::newRow("defaults") << Calendar << ObjectTagOptions()
                                  << "<OBJECT\r\n\tID=\"Calendar Control\"\r\n"
                                     "\tCLASSID=\"CLSID:8E27C92B-1264-101C-8A2F-040224009C02\"\r\n"
                                     "\tWIDTH=80\r\n\tHEIGHT=30 >\r\n</OBJECT>";
        const ObjectTagOptions progId = with([](ObjectTagOptions &o) { o.tagClassId = false; });
        QTest::newRow("ProgID chosen")
            << Calendar << progId
            << "<OBJECT\r\n\tID=\"Calendar Control\"\r\n\tCLASSID=\"PROGID:MSCAL.Calendar.7\"\r\n"
               "\tWIDTH=80\r\n\tHEIGHT=30 >\r\n</OBJECT>";
        QTest::newRow("ProgID chosen, control without one")
            << NoProgId << progId
            << "<OBJECT\r\n\tID=\"Progress Bar\"\r\n"
               "\tCLASSID=\"CLSID:0713E8A2-850A-101B-AFC0-4210102A8DA7\"\r\n"
               "\tWIDTH=80\r\n\tHEIGHT=30 >\r\n</OBJECT>";
        QTest::newRow("mixed case")
            << Calendar << with([](ObjectTagOptions &o) { o.tagCase = Mixed; })
            << "<Object\r\n\tId=\"Calendar Control\"\r\n"
               "\tClassid=\"clsid:8E27C92B-1264-101C-8A2F-040224009C02\"\r\n"
               "\tWidth=80\r\n\tHeight=30 >\r\n</Object>";
        QTest::newRow("mixed case, ProgID")
            << Calendar << with([](ObjectTagOptions &o) {
                   o.tagCase = Mixed;
                   o.tagClassId = false;
               })
            << "<Object\r\n\tId=\"Calendar Control\"\r\n\tClassid=\"progid:MSCAL.Calendar.7\"\r\n"
               "\tWidth=80\r\n\tHeight=30 >\r\n</Object>";
        QTest::newRow("lower case INSERT")
            << Calendar << with([](ObjectTagOptions &o) {
                   o.tagCase = Lower;
                   o.obj = false;
               })
            << "<insert\r\n\tid=\"Calendar Control\"\r\n"
               "\tclassid=\"clsid:8E27C92B-1264-101C-8A2F-040224009C02\"\r\n"
               "\twidth=80\r\n\theight=30 >\r\n</insert>";
        QTest::newRow("single line with code base")
            << Calendar << with([](ObjectTagOptions &o) {
                   o.lines = false;
                   o.inclCode = 1;
                   o.code = QStringLiteral("http://example.com/mscal.cab");
               })
            << "<OBJECT ID=\"Calendar Control\" "
               "CLASSID=\"CLSID:8E27C92B-1264-101C-8A2F-040224009C02\" WIDTH=80 HEIGHT=30 "
               "CODEBASE=\"http://example.com/mscal.cab\" ></OBJECT>";
        QTest::newRow("several lines with code base, mixed, own size")
            << NoProgId << with([](ObjectTagOptions &o) {
                   o.tagCase = Mixed;
                   o.inclCode = 1;
                   o.insWidth = 12;
                   o.insHeight = 0;
               })
            << "<Object\r\n\tId=\"Progress Bar\"\r\n"
               "\tClassid=\"clsid:0713E8A2-850A-101B-AFC0-4210102A8DA7\"\r\n"
               "\tWidth=12\r\n\tHeight=0\r\n\tCodebase=\"http://\" >\r\n</Object>";
    }
    void objectTag()
    {
        QFETCH(Control, control);
        QFETCH(ObjectTagOptions, options);
        QFETCH(QString, expected);
        QCOMPARE(objecttag::objectTag(control, options), expected);
    }

    void objectTagBlock_data()
    {
        QTest::addColumn<QList<Control>>("controls");
        QTest::addColumn<QString>("expected");
        const ObjectTagOptions single = with([](ObjectTagOptions &o) { o.lines = false; });
        QTest::newRow("nothing selected")
            << QList<Control>() << "<!-- Begin Object Tag -->\r\n<!--End Object Tag -->";
        QTest::newRow("two controls")
            << QList<Control>{Calendar, NoProgId}
            << "<!-- Begin Object Tag -->\r\n" + objecttag::objectTag(Calendar, single) + "\r\n" +
                   objecttag::objectTag(NoProgId, single) + "\r\n<!--End Object Tag -->";
    }
    void objectTagBlock()
    {
        QFETCH(QList<Control>, controls);
        QFETCH(QString, expected);
        QCOMPARE(
            objecttag::objectTagBlock(controls, with([](ObjectTagOptions &o) { o.lines = false; })),
            expected);
    }

    void sizeFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("12abc") << "12abc" << 12;
        QTest::newRow("abc") << "abc" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("half to even, down") << "2.5" << 2;
        QTest::newRow("half to even, up") << "3.5" << 4;
        QTest::newRow("negative") << "-1.5" << -2;
        QTest::newRow("beyond 16 bits") << "70000" << 32767;
        QTest::newRow("far below") << "-1e12" << -32768;
    }
    void sizeFromText()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QCOMPARE(objecttag::sizeFromText(text), expected);
    }

    void previewAndListOrder()
    {
        const ObjectTagOptions o;
        QCOMPARE(previewText({}, -1, o), QStringLiteral("No controls registered."));
        QCOMPARE(previewText({NoProgId, Calendar}, -1, o), objecttag::objectTag(NoProgId, o));
        QCOMPARE(previewText({NoProgId, Calendar}, 1, o), objecttag::objectTag(Calendar, o));

        const Control nameless{QString(), QStringLiteral("{B0}"), QString()};
        const Control lower{QString(), QStringLiteral("{C0}"), QStringLiteral("animation")};
        const QList<Control> table{NoProgId, Calendar, nameless, lower};
        QCOMPARE(listOrder(table), (QList<int>{3, 1, 0, 2})); // "{B0}" after the letters
        QCOMPARE(listText(nameless), QStringLiteral("{B0}"));
    }

    void resetDefaultsKeepsTheIdentifierChoice()
    {
        ObjectTagOptions o;
        o.tagClassId = false;
        o.obj = false;
        o.tagCase = Lower;
        o.lines = false;
        o.insWidth = 1;
        o.insHeight = 2;
        o.inclCode = 1;
        o.code = QStringLiteral("x");
        resetToDefaults(o);
        ObjectTagOptions expected;
        expected.tagClassId = false;
        QCOMPARE(objecttag::objectTag(Calendar, o), objecttag::objectTag(Calendar, expected));
        QCOMPARE(o.code, expected.code);
        QCOMPARE(o.inclCode, 0);
    }

    void storedOptions()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        const ObjectTagOptions defaults = loadOptions(store);
        QCOMPARE(objecttag::objectTag(Calendar, defaults),
                 objecttag::objectTag(Calendar, ObjectTagOptions()));
        QCOMPARE(defaults.code, QStringLiteral("http://"));

        ObjectTagOptions o;
        o.tagClassId = false;
        o.obj = false;
        o.tagCase = Mixed;
        o.lines = false;
        o.insWidth = 120;
        o.insHeight = -4;
        o.inclCode = 1;
        o.code = QStringLiteral("http://host/a b.cab");
        saveOptions(store, o);
        const QString app = SettingsStore::programApp();
        const QString section = QStringLiteral("Options");
        const QStringList keys{"TagClassID", "Obj",    "TagCase",  "Lines",
                               "Width",      "Height", "InclCode", "Code"};
        const QStringList stored{"False", "False", "2", "False", "120", "-4", "1", o.code};
        for (int i = 0; i < keys.size(); ++i)
            QCOMPARE(store.get(app, section, keys[i]), stored[i]);
        const ObjectTagOptions back = loadOptions(store);
        QCOMPARE(objecttag::objectTag(Calendar, back), objecttag::objectTag(Calendar, o));
        QCOMPARE(back.code, o.code);

        store.save(app, section, QStringLiteral("TagCase"), QStringLiteral("7"));
        store.save(app, section, QStringLiteral("Width"), QStringLiteral("99999"));
        const ObjectTagOptions odd = loadOptions(store);
        QCOMPARE(odd.tagCase, int(Caps));
        QCOMPARE(odd.insWidth, 32767);
    }
};

QTEST_GUILESS_MAIN(TestObjectTagLogic)
#include "test_objecttaglogic.moc"
