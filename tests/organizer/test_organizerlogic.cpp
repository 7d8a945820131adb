// SPDX-License-Identifier: GPL-3.0-or-later
#include "kernel/settingsstore.h"
#include "organizer/agendastore.h"
#include "organizer/organizerlogic.h"
#include "platform/paths.h"
#include "support/files.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

using namespace organizer;
using namespace testfiles;

class TestOrganizerLogic : public QObject
{
    Q_OBJECT
private slots:
    void monthLength_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("days");
        QTest::newRow("February 2000") << 2 << 2000 << 29;
        QTest::newRow("February 1900") << 2 << 1900 << 28;
        QTest::newRow("February 2100") << 2 << 2100 << 28;
        QTest::newRow("February 2024") << 2 << 2024 << 29;
        QTest::newRow("February 2023") << 2 << 2023 << 28;
        QTest::newRow("February 0") << 2 << 0 << 29;
        QTest::newRow("February 100") << 2 << 100 << 28;
        QTest::newRow("February 400") << 2 << 400 << 29;
        QTest::newRow("February 3000") << 2 << 3000 << 28;
        QTest::newRow("March 1998") << 3 << 1998 << 31;
        QTest::newRow("April") << 4 << 1998 << 30;
        QTest::newRow("September") << 9 << 1998 << 30;
        QTest::newRow("December") << 12 << 1998 << 31;
    }
    void monthLength()
    {
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(int, days);
        QCOMPARE(daysInMonth(month, year), days);
        const QStringList captions = monthCaptions(month, year);
        QCOMPARE(captions.size(), DayButtons);
        QCOMPARE(captions.count(QString()), DayButtons - days);
    }

    void leapYearsAreTheListedOnes()
    {
        // Every multiple of 4 is a leap year except these century years.
        const QList<int> centuries{100,  200,  300,  500,  600,  700,  900,  1000,
                                   1100, 1300, 1400, 1500, 1700, 1800, 1900, 2100,
                                   2200, 2300, 2500, 2600, 2700, 2900, 3000};
        for (int year = MinYear; year <= MaxYear; ++year)
            QCOMPARE(isLeapYear(year), year % 4 == 0 && !centuries.contains(year));
    }

    void weekdaysFollowTheGregorianCalendar()
    {
        // QDate counts the proleptic Gregorian calendar too, from year 1.
        for (int year = 1; year <= MaxYear; year += 7) {
            for (int month = 1; month <= 12; ++month) {
                const QDate first(year, month, 1);
                QCOMPARE(weekday(year, month, 1), first.dayOfWeek() % 7);
                QCOMPARE(weekday(year, month, 28), first.addDays(27).dayOfWeek() % 7);
            }
        }
    }

    void firstColumn_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("column"); // Sunday = 0
        QTest::newRow("March 1998 on a Sunday") << 3 << 1998 << 0;
        QTest::newRow("January 2000 on a Saturday") << 1 << 2000 << 6;
        QTest::newRow("January 1 of year 1 on a Monday") << 1 << 1 << 1;
        // Year 0 has 366 days, so it starts two weekdays before year 1.
        QTest::newRow("January of year 0 on a Saturday") << 1 << 0 << 6;
        QTest::newRow("March of year 0 on a Wednesday") << 3 << 0 << 3;
        QTest::newRow("a two-digit year is no twentieth-century year") << 6 << 98 << 0;
        QTest::newRow("December 3000 on a Monday") << 12 << 3000 << 1;
    }
    void firstColumn()
    {
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(int, column);
        QCOMPARE(weekday(year, month, 1), column);
        const QStringList captions = monthCaptions(month, year);
        QCOMPARE(captions.indexOf(QStringLiteral("1")), column);
    }

    void texts_data()
    {
        QTest::addColumn<QString>("got");
        QTest::addColumn<QString>("expected");
        QTest::newRow("date key") << dateKey(3, 15, 1998) << "3/15/1998";
        QTest::newRow("date key, year 5") << dateKey(12, 1, 5) << "12/1/5";
        QTest::newRow("date key, year 0") << dateKey(1, 9, 0) << "1/9/0";
        QTest::newRow("heading") << agendaHeading(3, 15, 1998) << "Agenda For: March 15, 1998";
        QTest::newRow("file stem") << agendaFileStem(3, 15, 1998) << "Agenda 3-15-1998";
        QTest::newRow("entry") << entry("Ann", "555-1234") << "Ann  ::  555-1234";
        QTest::newRow("weekday headings")
            << weekdayHeadings().join(u',') << "Sun,Mon,Tue,Wed,Thur,Fri,Sat";
    }
    void texts()
    {
        QFETCH(QString, got);
        QFETCH(QString, expected);
        QCOMPARE(got, expected);
    }

    void agendaToHtml_data()
    {
        QTest::addColumn<QString>("agenda");
        QTest::addColumn<QString>("html");
        QTest::newRow("less-than is a numeric reference") << "a<b"
                                                          << "a&#60;b";
        QTest::newRow("tags") << "<B>x</B>"
                              << "&#60;B&#62;x&#60;/B&#62;";
        QTest::newRow("line feed") << "one\ntwo"
                                   << "one<BR>\r\ntwo";
        QTest::newRow("CR LF is one line end") << "one\r\ntwo"
                                               << "one<BR>\r\ntwo";
        QTest::newRow("trailing line") << "x\n"
                                       << "x<BR>\r\n";
        QTest::newRow("empty lines") << "\n\n"
                                     << "<BR>\r\n<BR>\r\n";
        QTest::newRow("ampersand stays") << "Tom & Jerry"
                                         << "Tom & Jerry";
        QTest::newRow("empty") << ""
                               << "";
    }
    void agendaToHtml()
    {
        QFETCH(QString, agenda);
        QFETCH(QString, html);
        QCOMPARE(organizer::agendaToHtml(agenda), html);
    }

    void favouriteAddress_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("address");
        QTest::newRow("made by Add URL")
            << entry("Search", "http://www.example.com/") << "http://www.example.com/";
        QTest::newRow("first separator counts") << "Docs  ::  http://a/?q=x :: y"
                                                << "http://a/?q=x :: y";
        QTest::newRow("one space each side") << "Search :: http://x/"
                                             << "http://x/";
        QTest::newRow("no separator") << "http://only/"
                                      << "http://only/";
        QTest::newRow("no address") << "Name  ::  "
                                    << "";
    }
    void favouriteAddress()
    {
        QFETCH(QString, entry);
        QFETCH(QString, address);
        QCOMPARE(organizer::favouriteAddress(entry), address);
    }

    void tableFindsOrAppends()
    {
        AgendaTable table;
        QCOMPARE(table.rowCount(), 1);
        QCOMPARE(table.findOrAppend("3/15/1998"), 1);
        QCOMPARE(table.findOrAppend("3/16/1998"), 2);
        // The same day twice adds no row.
        QCOMPARE(table.findOrAppend("3/15/1998"), 1);
        QCOMPARE(table.rowCount(), 3);
        table.setAgenda(0, "the header holds no day");
        QVERIFY(table.row(0).agenda.isEmpty());
        table.clear();
        QCOMPARE(table.rowCount(), 1);
        QCOMPARE(table.find("3/15/1998"), -1);
    }

    void storedForm()
    {
        QTemporaryDir dir;
        SettingsStore store(dir.path());
        OrganizerData data;
        data.agenda.setAgenda(data.agenda.findOrAppend("3/15/1998"), "Dentist\nat 10");
        data.agenda.findOrAppend("3/16/1998"); // clicked, nothing typed
        data.contacts << entry("Ann", "555") << entry("Bob", "666");
        data.favourites << entry("Search", "http://www.example.com/");
        save(store, data);

        const QString app = SettingsStore::organizerApp();
        QCOMPARE(store.get(app, "Data", "Number"), "3");
        QVERIFY(store.contains(app, "Data", "0")); // the header row too
        QVERIFY(store.contains(app, "Data", "0A"));
        QCOMPARE(store.get(app, "Data", "1"), "3/15/1998");
        QCOMPARE(store.get(app, "Data", "1A"), "Dentist\nat 10");
        QCOMPARE(store.get(app, "Data", "2"), "3/16/1998");
        QVERIFY(store.contains(app, "Data", "2A"));
        QCOMPARE(store.get(app, "Phone", "Number"), "2");
        QCOMPARE(store.get(app, "Phone", "1"), "Bob  ::  666");
        QCOMPARE(store.get(app, "URL", "URLS"), "1");

        // A removed contact leaves no entry behind.
        data.contacts.removeFirst();
        save(store, data);
        QCOMPARE(store.get(app, "Phone", "Number"), "1");
        QVERIFY(!store.contains(app, "Phone", "1"));

        SettingsStore again(dir.path());
        const OrganizerData loaded = load(again);
        QCOMPARE(loaded.agenda.rowCount(), 3);
        QCOMPARE(loaded.agenda.row(1).date, "3/15/1998");
        QCOMPARE(loaded.agenda.row(1).agenda, "Dentist\nat 10");
        QCOMPARE(loaded.agenda.row(2).agenda, QString());
        QCOMPARE(loaded.contacts, QStringList{"Bob  ::  666"});
        QCOMPARE(loaded.favourites, data.favourites);

        deleteAppointments(again);
        QVERIFY(!again.contains(app, "Data", "Number"));
        QVERIFY(!again.contains(app, "Data", "1"));
        QCOMPARE(load(again).agenda.rowCount(), 1);
        QCOMPARE(load(again).contacts.size(), 1);
    }

    void handWrittenFile()
    {
        // Keys in any letter case, missing entries, a count beyond them.
        QTemporaryDir dir;
        QFile file(dir.filePath("Ostrel Organizer.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Data]\nnumber=3\n1=1/2/2003\n1a=New year\n2=1/3/2003\n"
                   "[Phone]\nNUMBER=2\n0=Ann  ::  555\n");
        file.close();
        SettingsStore store(dir.path());
        const OrganizerData data = load(store);
        QCOMPARE(data.agenda.rowCount(), 3);
        QCOMPARE(data.agenda.row(1).agenda, "New year");
        QCOMPARE(data.agenda.row(2).date, "1/3/2003");
        QCOMPARE(data.agenda.row(2).agenda, QString());
        QCOMPARE(data.contacts, QStringList{"Ann  ::  555"});
        QCOMPARE(data.problems.size(), 1); // two contacts said, one there
        QVERIFY(data.favourites.isEmpty());

        SettingsStore empty(dir.filePath("none"));
        QCOMPARE(load(empty).agenda.rowCount(), 1);
    }

    // Stored counts that do not match the rows stored: the rows there are
    // kept and the count is reported; saving writes nothing that was not
    // there, and the file then reads without a problem.
    void storedCounts_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("rows"); // the header row included
        QTest::addColumn<int>("contacts");
        QTest::addColumn<bool>("reported");
        const QByteArray row("1=1/2/2003\n1A=Dentist\n");
        QTest::newRow("matching") << "[Data]\nNumber=2\n" + row << 2 << 0 << false;
        QTest::newRow("negative") << "[Data]\nNumber=-5\n" + row << 2 << 0 << true;
        QTest::newRow("not a number") << "[Data]\nNumber=abc\n" + row << 2 << 0 << true;
        QTest::newRow("too small") << "[Data]\nNumber=1\n" + row + "2=1/3/2003\n" << 3 << 0 << true;
        QTest::newRow("huge") << "[Data]\nNumber=2000000000\n" + row << 2 << 0 << true;
        QTest::newRow("huge contacts")
            << QByteArray("[Phone]\nNumber=2000000000\n0=Ann  ::  555\n") << 1 << 1 << true;
        QTest::newRow("rows out of order")
            << QByteArray("[Data]\nNumber=3\n2=1/3/2003\n1=1/2/2003\n") << 3 << 0 << false;
        QTest::newRow("no count") << QByteArray("[URL]\n0=Search  ::  x\n") << 1 << 0 << true;
    }
    void storedCounts()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, rows);
        QFETCH(int, contacts);
        QFETCH(bool, reported);
        QTemporaryDir dir;
        const QString path = dir.filePath("Ostrel Organizer.ini");
        QVERIFY(writeFile(path, file));
        SettingsStore store(dir.path());
        OrganizerData data = load(store);
        QCOMPARE(data.agenda.rowCount(), rows);
        QCOMPARE(data.contacts.size(), contacts);
        QCOMPARE(!data.problems.isEmpty(), reported);
        if (rows > 1)
            QCOMPARE(data.agenda.row(1).date, QStringLiteral("1/2/2003"));
        QVERIFY(save(store, data));
        QVERIFY2(QFileInfo(path).size() < 512, qPrintable(QString::number(QFileInfo(path).size())));
        SettingsStore again(dir.path());
        const OrganizerData reread = load(again);
        QCOMPARE(reread.agenda.rowCount(), rows);
        QCOMPARE(reread.contacts.size(), contacts);
        QCOMPARE(reread.problems, QStringList());
    }

    // More rows than any fixed limit, with commas in their text as other
    // programs write them: all load, as they stand, and a new day goes
    // after them.
    void manyRowsWithCommas()
    {
        QTemporaryDir dir;
        const int days = 100001;
        QByteArray file = "[Data]\nNumber=" + QByteArray::number(days + 1) + "\n";
        for (int i = 1; i <= days; ++i) {
            const QByteArray n = QByteArray::number(i);
            file += n + "=1/" + n + "/2003\n" + n + "A=call Ann, Bob, " + n + "\n";
        }
        QVERIFY(writeFile(dir.filePath("Ostrel Organizer.ini"), file));
        SettingsStore store(dir.path());
        OrganizerData data = load(store);
        QCOMPARE(data.agenda.rowCount(), days + 1);
        QCOMPARE(data.agenda.row(days).agenda, QStringLiteral("call Ann, Bob, 100001"));
        QCOMPARE(data.agenda.findOrAppend("5/5/2005"), days + 1);
        QVERIFY(save(store, data));
        SettingsStore again(dir.path());
        const OrganizerData reread = load(again);
        QCOMPARE(reread.agenda.rowCount(), days + 2);
        QCOMPARE(reread.agenda.row(days).date, QStringLiteral("1/100001/2003"));
        QCOMPARE(reread.agenda.row(days + 1).date, QStringLiteral("5/5/2005"));
    }

    // Text that is not UTF-8 (written by another program) shows as
    // Windows-1252 and goes back to the file byte for byte.
    void foreignBytesKept()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("Ostrel Organizer.ini");
        const QByteArray file("[Data]\nNumber=2\n0=\n0A=\n1=1/2/2003\n1A=caf\xE9 cr\xE8me\n\n"
                              "[Phone]\nNumber=1\n0=Ren\xE9  ::  555\n");
        QVERIFY(writeFile(path, file));
        SettingsStore store(dir.path());
        OrganizerData data = load(store);
        QCOMPARE(data.agenda.row(1).agenda, QString::fromUtf8("café crème"));
        QVERIFY(save(store, data));
        QCOMPARE(readFile(path), file);
        data.agenda.findOrAppend("1/3/2003");
        QVERIFY(save(store, data));
        const QByteArray after = readFile(path);
        QVERIFY(after.contains("1A=caf\xE9 cr\xE8me\n"));
        QVERIFY(after.contains("0=Ren\xE9  ::  555\n"));
        QVERIFY(after.contains("2=1/3/2003\n"));
    }

    // A store that cannot be written says so instead of passing for saved.
    void failedStoreIsReported()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("blocker"), "a file"));
        SettingsStore store(dir.filePath("blocker/lorimel"));
        OrganizerData data;
        data.agenda.setAgenda(data.agenda.findOrAppend("3/15/1998"), "Dentist");
        QString error;
        QVERIFY(!save(store, data, &error));
        QVERIFY(error.contains(QStringLiteral("Not a directory")));
        QVERIFY(!deleteAppointments(store, &error));
        QVERIFY(!error.isEmpty());
    }

    // A printout never goes over an existing file.
    void freeFileName()
    {
        QTemporaryDir dir;
        const QString first = paths::freeFileName(dir.path(), "Agenda 3-15-1998", ".pdf");
        QCOMPARE(first, dir.filePath("Agenda 3-15-1998.pdf"));
        for (const char *name : {"Agenda 3-15-1998.pdf", "Agenda 3-15-1998-2.pdf"}) {
            QFile f(dir.filePath(name));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QCOMPARE(paths::freeFileName(dir.path(), "Agenda 3-15-1998", ".pdf"),
                 dir.filePath("Agenda 3-15-1998-3.pdf"));
    }
};

QTEST_GUILESS_MAIN(TestOrganizerLogic)
#include "test_organizerlogic.moc"
