// SPDX-License-Identifier: GPL-3.0-or-later
#include "kernel/builderids.h"
#include "organizer/organizerlogic.h"
#include "organizer/organizerwindow.h"
#include "shell/builderregistry.h"
#include "support/fakeworkbench.h"
#include "support/gui.h"
#include "support/immutable.h"

#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextEdit>

namespace {

const QString App = SettingsStore::organizerApp();

OrganizerWindow *openOrganizer(FakeWorkbench &bench)
{
    QWidget *window = registry::find(QLatin1String(builderid::Organizer))->open(bench, QString());
    return qobject_cast<OrganizerWindow *>(window);
}

QPushButton *dayButton(QWidget *window, int index)
{
    return window->findChild<QPushButton *>(QStringLiteral("Command1_%1").arg(index));
}

// The window's month and year boxes set to March 1998 (the 1st is a Sunday).
void showMarch1998(QWidget *window)
{
    window->findChild<QComboBox *>("Combo2")->setCurrentIndex(1998);
    window->findChild<QComboBox *>("Combo1")->setCurrentIndex(2);
}

void closeOrganizer(QWidget *window)
{
    gui::click(window, "Command5"); // Done
    gui::flushDeletes();
}

} // namespace

class TestOrganizerWindow : public QObject
{
    Q_OBJECT
private slots:
    void calendarContactsAndFavourites()
    {
        FakeWorkbench bench;
        bench.editor->setDocumentText(QStringLiteral("[]"));
        bench.editor->select(1, 0);
        QPointer<OrganizerWindow> window = openOrganizer(bench);
        QVERIFY(window);
        QCOMPARE(window->objectName(), QStringLiteral("Calender1"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Ostrel Organizer"));
        QVERIFY(!bench.main.isEnabled());

        // It opens on today: the day's button bold, its row in the table.
        const QDate today = QDate::currentDate();
        FIND(QLabel, date, window, "Label2");
        FIND(QTextEdit, agenda, window, "Text5");
        const QString todayKey = organizer::dateKey(today.month(), today.day(), today.year());
        QCOMPARE(date->text(), todayKey);
        const int todayButton =
            organizer::weekday(today.year(), today.month(), 1) + today.day() - 1;
        QVERIFY(dayButton(window, todayButton)->font().bold());
        QVERIFY(agenda->isEnabled());
        QCOMPARE(window->data().agenda.find(todayKey), 1);

        // March 1998 fills buttons 0 to 30; changing the month clears the choice.
        showMarch1998(window);
        QCOMPARE(dayButton(window, 0)->text(), QStringLiteral("1"));
        QCOMPARE(dayButton(window, 30)->text(), QStringLiteral("31"));
        QVERIFY(dayButton(window, 31)->text().isEmpty());
        QVERIFY(!agenda->isEnabled());
        QVERIFY(!dayButton(window, todayButton)->font().bold());

        // Choosing the 15th twice adds one row; typing writes into it.
        QTest::mouseClick(dayButton(window, 14), Qt::LeftButton);
        QTest::mouseClick(dayButton(window, 14), Qt::LeftButton);
        QCOMPARE(date->text(), QStringLiteral("3/15/1998"));
        QVERIFY(dayButton(window, 14)->font().bold());
        QCOMPARE(window->data().agenda.rowCount(), 3);
        QVERIFY(agenda->hasFocus() || !window->isActiveWindow());
        QTest::keyClicks(agenda, QStringLiteral("Dentist <10am>"));
        QTest::keyClick(agenda, Qt::Key_Return);
        QTest::keyClicks(agenda, QStringLiteral("Bring card"));
        QCOMPARE(window->data().agenda.row(2).agenda, QStringLiteral("Dentist <10am>\nBring card"));
        // The 16th is clicked but nothing is typed.
        QTest::mouseClick(dayButton(window, 15), Qt::LeftButton);
        QCOMPARE(window->data().agenda.rowCount(), 4);

        // Import: numeric references and BR line ends; the organizer stays.
        QTest::mouseClick(dayButton(window, 14), Qt::LeftButton);
        gui::click(window, "Command4");
        QCOMPARE(bench.editor->documentText(),
                 QStringLiteral("[Dentist &#60;10am&#62;<BR>\r\nBring card]"));
        QVERIFY(window->isVisible());

        // Contacts: both boxes needed; entries removed by selection.
        QTabWidget *tabs = window->findChild<QTabWidget *>("TabStrip1");
        tabs->setCurrentIndex(1);
        gui::type(window, "Text1", QStringLiteral("Ann"));
        gui::click(window, "Command6");
        QCOMPARE(bench.scripted.messages().last(),
                 QStringLiteral("Both text boxes must be filled!"));
        gui::type(window, "Text2", QStringLiteral("555-1234"));
        gui::click(window, "Command6");
        gui::type(window, "Text1", QStringLiteral("Bob"));
        gui::click(window, "Command6");
        FIND(QListWidget, contacts, window, "List1");
        QCOMPARE(contacts->count(), 2);
        QCOMPARE(contacts->item(0)->text(), QStringLiteral("Ann  ::  555-1234"));
        gui::click(window, "Command7"); // nothing selected: nothing removed
        QCOMPARE(contacts->count(), 2);
        contacts->setCurrentRow(1);
        gui::click(window, "Command7");
        QCOMPARE(contacts->count(), 1);

        // Favourites: a double-click opens exactly the address.
        tabs->setCurrentIndex(2);
        gui::type(window, "Text4", QStringLiteral("Search"));
        gui::type(window, "Text3", QStringLiteral("http://www.example.com/find?q=1"));
        gui::click(window, "Command8");
        FIND(QListWidget, favourites, window, "List2");
        QStringList opened;
        bool opens = true;
        window->setAddressOpener([&](const QString &address) {
            opened << address;
            return opens;
        });
        const QRect entry = favourites->visualItemRect(favourites->item(0));
        QTest::mouseClick(favourites->viewport(), Qt::LeftButton, {}, entry.center());
        QVERIFY(opened.isEmpty()); // one click opens nothing
        QTest::mouseDClick(favourites->viewport(), Qt::LeftButton, {}, entry.center());
        QCOMPARE(opened, QStringList{QStringLiteral("http://www.example.com/find?q=1")});
        opens = false;
        QTest::mouseDClick(favourites->viewport(), Qt::LeftButton, {}, entry.center());
        QCOMPARE(bench.scripted.messages().last(),
                 QStringLiteral("This Windows Application is not installed on your computer"));

        // Closing saves everything and lets the main window go.
        closeOrganizer(window);
        QVERIFY(!window);
        QVERIFY(bench.main.isEnabled());
        QCOMPARE(bench.store.get(App, "Data", "Number"), QStringLiteral("4"));
        QCOMPARE(bench.store.get(App, "Data", "3"), QStringLiteral("3/16/1998"));
        QCOMPARE(bench.store.get(App, "Phone", "0"), QStringLiteral("Ann  ::  555-1234"));

        // Reopened, the agenda is there again; Clear removes appointments only.
        window = openOrganizer(bench);
        showMarch1998(window);
        QTest::mouseClick(dayButton(window, 14), Qt::LeftButton);
        QCOMPARE(window->findChild<QTextEdit *>("Text5")->toPlainText(),
                 QStringLiteral("Dentist <10am>\nBring card"));
        bench.scripted.answer(DialogService::Answer::No);
        gui::click(window, "Command3");
        QCOMPARE(window->data().agenda.rowCount(), 4);
        bench.scripted.answer(DialogService::Answer::Yes);
        gui::click(window, "Command3");
        QCOMPARE(bench.scripted.asked.last().text, QStringLiteral("Are you sure"));
        QCOMPARE(bench.scripted.asked.last().title, QStringLiteral("Clear the Schedule"));
        QVERIFY(!bench.store.contains(App, "Data", "1"));
        QVERIFY(!window->findChild<QTextEdit *>("Text5")->isEnabled());
        QVERIFY(!dayButton(window, 14)->font().bold());
        closeOrganizer(window);

        window = openOrganizer(bench);
        showMarch1998(window);
        QTest::mouseClick(dayButton(window, 14), Qt::LeftButton);
        QVERIFY(window->findChild<QTextEdit *>("Text5")->toPlainText().isEmpty());
        QCOMPARE(window->findChild<QListWidget *>("List1")->count(), 1);
        QCOMPARE(window->findChild<QListWidget *>("List2")->count(), 1);
        closeOrganizer(window);
        QCOMPARE(bench.scripted.unexpected, 0);

        // Without a document there is nothing to import into.
        delete bench.editor;
        bench.editor = nullptr;
        window = openOrganizer(bench);
        QVERIFY(!window->findChild<QPushButton *>("Command4")->isEnabled());
        closeOrganizer(window);
    }

    void printsTheAgenda()
    {
        FakeWorkbench bench;
        QPointer<OrganizerWindow> window = openOrganizer(bench);
        window->setPdfFolder(bench.dir.path());
        showMarch1998(window);
        gui::click(window, "Command2"); // no day chosen: nothing printed
        QVERIFY(bench.scripted.asked.isEmpty());
        QTest::mouseClick(dayButton(window, 14), Qt::LeftButton);
        QTest::keyClicks(window->findChild<QTextEdit *>("Text5"), QStringLiteral("Meeting"));
        gui::click(window, "Command2");
        gui::click(window, "Command2"); // again: a second file, none overwritten
        const QString pdf = bench.dir.filePath("Agenda 3-15-1998.pdf");
        QVERIFY(QFile::exists(pdf));
        QVERIFY(QFile::exists(bench.dir.filePath("Agenda 3-15-1998-2.pdf")));
        QVERIFY(bench.scripted.messages().first().contains(pdf));
        QProcess text;
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        QCOMPARE(QString::fromUtf8(text.readAllStandardOutput()).trimmed(),
                 QStringLiteral("Agenda For: March 15, 1998\n\nMeeting"));
        // 12-point type an inch from the page's edges.
        text.start(QStringLiteral("pdftotext"),
                   {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        const QRegularExpressionMatch word =
            QRegularExpression(QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                                              "xMax=\"[\\d.]+\" yMax=\"([\\d.]+)\">Agenda<"))
                .match(QString::fromUtf8(text.readAllStandardOutput()));
        QVERIFY(word.hasMatch());
        QVERIFY(qAbs(word.captured(1).toDouble() - 72) < 2);
        QVERIFY(qAbs(word.captured(2).toDouble() - 72) < 2);
        const double height = word.captured(3).toDouble() - word.captured(2).toDouble();
        QVERIFY2(height > 12 && height < 15, qPrintable(QString::number(height)));

        // A PDF that cannot be written is a printer error.
        QFile blocker(bench.dir.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        window->setPdfFolder(bench.dir.filePath("blocker"));
        gui::click(window, "Command2");
        QCOMPARE(bench.scripted.messages().last(),
                 QStringLiteral("Printer Error\nNot a directory"));
        closeOrganizer(window);
    }
    // A stored count that does not match is reported on opening and the
    // stored row is kept. Done with a store that cannot be written tells
    // why and keeps the window open, marked not saved, with the text in it;
    // once the store can be written Done stores it and closes.
    void storeProblemsAreReported()
    {
        FakeWorkbench bench;
        QFile file(bench.dir.filePath("Ostrel Organizer.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Data]\nNumber=-5\n1=3/14/1998\n1A=Kept\n");
        file.close();
        QPointer<OrganizerWindow> window = openOrganizer(bench);
        QCOMPARE(bench.scripted.messages().size(), 1);
        QCOMPARE(window->data().agenda.row(1).agenda, QStringLiteral("Kept"));

        showMarch1998(window);
        QTest::mouseClick(dayButton(window, 14), Qt::LeftButton);
        QTest::keyClicks(window->findChild<QTextEdit *>("Text5"), QStringLiteral("Dentist"));
        const QString title = window->windowTitle();
        {
            Immutable locked(bench.dir.path());
            QVERIFY2(locked.active(), "chattr +i is needed");
            bench.scripted.answer(DialogService::Answer::No); // do not close anyway
            closeOrganizer(window);
            QVERIFY(window);
            QVERIFY(window->isVisible());
            QVERIFY(window->windowTitle() != title);
            QCOMPARE(window->findChild<QTextEdit *>("Text5")->toPlainText(),
                     QStringLiteral("Dentist"));
            QCOMPARE(bench.scripted.messages().size(), 2);
            QVERIFY(bench.scripted.messages().last().contains(
                QStringLiteral("Operation not permitted")));
        }
        closeOrganizer(window);
        QVERIFY(!window);
        QCOMPARE(bench.scripted.unexpected, 0);
        SettingsStore again(bench.dir.path());
        const organizer::OrganizerData stored = organizer::load(again);
        QCOMPARE(stored.agenda.row(stored.agenda.find("3/15/1998")).agenda,
                 QStringLiteral("Dentist"));
        QCOMPARE(stored.agenda.row(stored.agenda.find("3/14/1998")).agenda, QStringLiteral("Kept"));
    }
};

QTEST_MAIN(TestOrganizerWindow)
#include "test_organizerwindow.moc"
