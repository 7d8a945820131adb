// SPDX-License-Identifier: GPL-3.0-or-later
// The site's tool windows driven through their controls: file retriever,
// thumbnail browser, properties, multi-file replace and Check Links.

#include "kernel/builderids.h"
#include "platform/launcher.h"
#include "shell/builderregistry.h"
#include "site/fileproperties.h"
#include "site/fileretriever.h"
#include "site/folderbrowser.h"
#include "site/linkcheckwindow.h"
#include "site/multireplacewindow.h"
#include "site/sitepane.h"
#include "site/thumbnailbrowser.h"
#include "support/fakeworkbench.h"
#include "support/files.h"
#include "support/gui.h"
#include "support/immutable.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

namespace {

using testfiles::readFile;
using testfiles::writeFile;

bool writePicture(const QString &path, int width, int height, const char *format)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(40, 120, 200));
    return image.save(path, format);
}

// A 1 x 1 GIF (Qt reads GIF but does not write it).
const QByteArray TinyGif = QByteArray::fromHex(
    "47494638396101000100800000ff000000000021f90401000000002c00000000010001000002024401003b");

QStringList listed(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

void selectOnly(QListWidget *list, const QStringList &names)
{
    list->clearSelection();
    for (int i = 0; i < list->count(); ++i) {
        if (names.contains(list->item(i)->text()))
            list->item(i)->setSelected(true);
    }
}

} // namespace

class TestSiteWindows : public QObject
{
    Q_OBJECT

private slots:
    // Copying in from another folder, replacing a file of the same name,
    // and the site pane listing the copies once the retriever closes.
    void fileRetriever()
    {
        QTemporaryDir site, elsewhere;
        QVERIFY(writeFile(site.filePath("page.htm"), "old"));
        QVERIFY(writeFile(elsewhere.filePath("page.htm"), "new page"));
        QVERIFY(writeFile(elsewhere.filePath("new.gif"), TinyGif));
        FakeWorkbench bench;
        bench.appState.siteFilePath = site.path();
        auto *pane = new SitePane(bench, &bench.main);

        auto *window = qobject_cast<FileRetriever *>(
            registry::find(builderid::FileRetriever)->open(bench, QString()));
        QVERIFY(window);
        QPointer<FileRetriever> guard(window);
        QCOMPARE(window->objectName(), QStringLiteral("Form34"));
        QCOMPARE(window->windowTitle(), QStringLiteral("File Retriever"));
        QCOMPARE(window->source()->folder(), site.path());
        FIND(QListWidget, destination, window, "File2");
        FIND(QListWidget, source, window, "File1");
        FIND(QLabel, copied, window, "Label7");
        QCOMPARE(listed(destination), QStringList{"page.htm"});

        QVERIFY(window->source()->setFolder(elsewhere.path()));
        QCOMPARE(listed(source), (QStringList{"new.gif", "page.htm"}));
        gui::click(window, "Command1"); // nothing selected
        QCOMPARE(bench.scripted.messages(), QStringList{"Cannot Copy File!"});

        selectOnly(source, {"new.gif"});
        gui::click(window, "Command1");
        QCOMPARE(bench.scripted.messages().last(), QStringLiteral("File Copied!"));
        QCOMPARE(copied->text(), elsewhere.filePath("new.gif"));
        QCOMPARE(readFile(site.filePath("new.gif")), TinyGif);

        // A double-click copies too; a site file of the same name is only
        // replaced when the user says so.
        selectOnly(source, {"page.htm"});
        const QRect row = source->visualItemRect(source->selectedItems().first());
        bench.scripted.answer(DialogService::Answer::No);
        gui::click(window, "Command1");
        QCOMPARE(readFile(site.filePath("page.htm")), QByteArray("old"));
        bench.scripted.answer(DialogService::Answer::Yes);
        // A double-click event alone counts as a press for an item view.
        QTest::mouseClick(source->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(source->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(readFile(site.filePath("page.htm")), QByteArray("new page"));
        QCOMPARE(listed(destination), (QStringList{"new.gif", "page.htm"}));
        QCOMPARE(bench.scripted.messages().size(), 5);
        QCOMPARE(bench.scripted.unexpected, 0);

        QVERIFY(!listed(pane->fileList()).contains("new.gif"));
        gui::click(window, "Command2");
        gui::flushDeletes();
        QVERIFY(!guard);
        QVERIFY(bench.main.isEnabled());
        QCOMPARE(listed(pane->fileList()), (QStringList{"new.gif", "page.htm"}));
        QCOMPARE(bench.scripted.unexpected, 0);
    }

    // Pictures by name in any case, stepped one at a time, decoded off the
    // GUI thread; an undecodable one stays an empty square; Insert Image
    // needs a document and hands the bare name on.
    void thumbnailBrowser()
    {
        QTemporaryDir site;
        QVERIFY(writePicture(site.filePath("a.jpg"), 300, 200, "JPG"));
        QVERIFY(writeFile(site.filePath("broken.jpg"), "not a picture"));
        QVERIFY(writePicture(site.filePath("c.bmp"), 20, 20, "BMP"));
        QVERIFY(writeFile(site.filePath("logo.GIF"), TinyGif));
        QVERIFY(writeFile(site.filePath("notes.txt"), "x"));
        QVERIFY(writePicture(site.filePath("shot.png"), 20, 20, "PNG"));
        FakeWorkbench bench;
        bench.appState.siteFilePath = site.path();

        auto *window = qobject_cast<ThumbnailBrowser *>(
            registry::find(builderid::ThumbnailBrowser)->open(bench, QString()));
        QVERIFY(window);
        QPointer<ThumbnailBrowser> guard(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->objectName(), QStringLiteral("Form32"));
        QCOMPARE(window->pictures(), (QStringList{"a.jpg", "broken.jpg", "c.bmp", "logo.GIF"}));
        FIND(QLabel, name, window, "Label3");
        FIND(QWidget, strip, window, "Picture1");
        QCOMPARE(name->text(), QStringLiteral("a.jpg"));
        // Only the picture in view and its neighbour are asked for.
        QVERIFY(window->loader()->wasRequested(0) && window->loader()->wasRequested(1));
        QVERIFY(!window->loader()->wasRequested(3));

        gui::spin(window, "SpinButton1", false); // at the first: nothing
        QCOMPARE(window->current(), 0);
        const QStringList expected{"broken.jpg", "c.bmp", "logo.GIF", "logo.GIF"};
        for (const QString &shown : expected) {
            gui::spin(window, "SpinButton1", true);
            QCOMPARE(name->text(), shown);
        }
        QCOMPARE(window->current(), 3);
        QCOMPARE(strip->x(), -qRound(3 * 1100 / 15.0));

        window->loader()->waitForDone();
        QTRY_COMPARE(window->thumbnails().size(), 4);
        QCOMPARE(window->thumbnails().value(0).size(), QSize(67, 67));
        QVERIFY(window->thumbnails().value(1).isNull());
        QVERIFY(!window->thumbnails().value(3).isNull());
        // Under the picture in view: its own size and the file's.
        FIND(QLabel, pictureSize, window, "lblPictureSize");
        QCOMPARE(pictureSize->text(), QStringLiteral("1 × 1 pixels, %1 bytes").arg(TinyGif.size()));
        QCOMPARE(window->pictureText(0),
                 QStringLiteral("300 × 200 pixels, %1 KB")
                     .arg(QFileInfo(site.filePath("a.jpg")).size() / 1024.0, 0, 'f', 1));
        QCOMPARE(window->pictureText(1), QStringLiteral("13 bytes"));
        gui::spin(window, "SpinButton1", false);
        QCOMPARE(pictureSize->text(),
                 QStringLiteral("20 × 20 pixels, %1 KB")
                     .arg(QFileInfo(site.filePath("c.bmp")).size() / 1024.0, 0, 'f', 1));
        gui::spin(window, "SpinButton1", true);
        window->grab(); // paints the undecodable square without trouble

        HtmlEditor *editor = bench.editor;
        bench.editor = nullptr;
        gui::click(window, "Command1");
        QCOMPARE(bench.scripted.messages(), QStringList{"No Document Open"});
        QVERIFY(window->isVisible());
        bench.editor = editor;
        gui::click(window, "Command1");
        gui::flushDeletes();
        QVERIFY(!guard);
        QCOMPARE(bench.openedBuilders, QStringList{"Graphics"});
        QCOMPARE(bench.builderArguments, QStringList{"logo.GIF"});
    }

    // Stepping through many pictures keeps only those near the one in
    // view; going back decodes the let-go ones again.
    void thumbnailCacheIsBounded()
    {
        QTemporaryDir site;
        const int count = 60;
        for (int i = 0; i < count; ++i)
            QVERIFY(writeFile(site.filePath(QStringLiteral("p%1.gif").arg(i, 2, 10, QChar('0'))),
                              TinyGif));
        FakeWorkbench bench;
        bench.appState.siteFilePath = site.path();
        ThumbnailBrowser *window = gui::open<ThumbnailBrowser>(bench);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        const int bound = 2 * site::ThumbnailStrip::KeptAround + 1;
        auto settle = [window] {
            window->loader()->waitForDone();
            QCoreApplication::sendPostedEvents();
        };
        int most = 0;
        for (int i = 1; i < count; ++i) {
            gui::spin(window, "SpinButton1", true);
            settle();
            most = std::max(most, int(window->thumbnails().size()));
            QVERIFY(window->thumbnails().contains(window->current()));
        }
        QVERIFY2(most <= bound, qPrintable(QString::number(most)));
        QVERIFY(!window->thumbnails().contains(0));
        QVERIFY(!window->loader()->wasRequested(0));
        for (int i = 1; i < count; ++i)
            gui::spin(window, "SpinButton1", false);
        settle();
        QCOMPARE(window->current(), 0);
        QVERIFY(window->thumbnails().contains(0));
        QVERIFY(window->thumbnails().size() <= bound);
        window->close();
    }

    void thumbnailBrowserWithoutPictures()
    {
        QTemporaryDir site;
        QVERIFY(writeFile(site.filePath("index.htm"), "x"));
        FakeWorkbench bench;
        bench.appState.siteFilePath = site.path();
        ThumbnailBrowser *window = gui::open<ThumbnailBrowser>(bench);
        QVERIFY(window->pictures().isEmpty());
        gui::spin(window, "SpinButton1", true);
        QCOMPARE(window->current(), 0);
        // The window says why there is nothing to insert.
        QVERIFY(window->findChild<QLabel *>("Label3")->text().contains(site.path()));
        QVERIFY(!window->findChild<QPushButton *>("Command1")->isEnabled());
        QVERIFY(bench.builderArguments.isEmpty());
    }

    void fileProperties_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("picture"); // empty: no picture written
        QTest::addColumn<bool>("notice");
        QTest::addColumn<int>("across"); // scroll ranges, -1 for a hidden bar
        QTest::addColumn<int>("down");
        QTest::addColumn<bool>("playable");

        QTest::newRow("text file") << "notes.txt" << QSize() << true << -1 << -1 << false;
        QTest::newRow("photo.JPG, small")
            << "photo.JPG" << QSize(50, 40) << false << -1 << -1 << false;
        QTest::newRow("wide and tall")
            << "big.bmp" << QSize(600, 300) << false << 360 << 140 << false;
        QTest::newRow("tall only") << "tall.jpg" << QSize(100, 500) << false << -1 << 340 << false;
        QTest::newRow("sound") << "tune.WAV" << QSize() << true << -1 << -1 << true;
    }

    void fileProperties()
    {
        QFETCH(QString, name);
        QFETCH(QSize, picture);
        QFETCH(bool, notice);
        QFETCH(int, across);
        QFETCH(int, down);
        QFETCH(bool, playable);
        QTemporaryDir site;
        const QString path = site.filePath(name);
        if (picture.isEmpty())
            QVERIFY(writeFile(path, "0123456789"));
        else
            QVERIFY(writePicture(path, picture.width(), picture.height(),
                                 name.endsWith("bmp") ? "BMP" : "JPG"));
        FakeWorkbench bench;
        bench.appState.siteFilePath = site.path();

        FileProperties *window = FileProperties::open(bench, name); // a bare name
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->objectName(), QStringLiteral("propform"));
        QCOMPARE(window->path(), path);
        FIND(QLabel, fileName, window, "Label4");
        FIND(QLabel, size, window, "Label5");
        FIND(QLabel, date, window, "Label6");
        FIND(QLabel, width, window, "Label7");
        FIND(QLabel, height, window, "Label8");
        FIND(QLabel, notWeb, window, "Label9");
        FIND(QLabel, image, window, "Image1");
        FIND(QScrollBar, hScroll, window, "HScroll1");
        FIND(QScrollBar, vScroll, window, "VScroll1");
        FIND(QPushButton, play, window, "cmdPlaySound");
        QCOMPARE(fileName->text(), name);
        QCOMPARE(size->text(), QString::number(QFileInfo(path).size()) + " Bytes");
        QVERIFY(!date->text().isEmpty());
        QCOMPARE(notWeb->text(), notice ? QStringLiteral("Not A Web Image") : QString());
        QCOMPARE(image->isVisible(), !notice);
        QCOMPARE(width->text(),
                 notice ? QString() : QStringLiteral("Width: %1").arg(picture.width()));
        QCOMPARE(height->text(),
                 notice ? QString() : QStringLiteral("Height: %1").arg(picture.height()));
        QCOMPARE(hScroll->isVisible(), across >= 0);
        QCOMPARE(vScroll->isVisible(), down >= 0);
        if (across >= 0) {
            QCOMPARE(hScroll->maximum(), across);
            hScroll->setValue(100);
            QCOMPARE(image->x(), -100);
        }
        if (down >= 0) {
            QCOMPARE(vScroll->maximum(), down);
            vScroll->setValue(down);
            QCOMPARE(image->y(), -down);
        }
        QCOMPARE(play->isEnabled(), playable);
        if (playable) {
            QStringList played;
            window->setPlayer([&played](const QString &file) {
                played << file;
                return false;
            });
            gui::click(window, "cmdPlaySound");
            QCOMPARE(played, QStringList{path});
            QCOMPARE(bench.scripted.messages(),
                     QStringList{launcher::notInstalledMessage(launcher::Tool::MediaPlayer)});
        }
        QPointer<FileProperties> guard(window);
        gui::click(window, "Command1");
        gui::flushDeletes();
        QVERIFY(!guard);
        QVERIFY(bench.main.isEnabled());

        // From the menu without a selected file: the pane's message, no window.
        QVERIFY(!registry::find("FileProperties")->open(bench, QString()));
        QCOMPARE(bench.scripted.messages().last(), QStringLiteral("No File Selected"));
    }

    // Selected files only, then every listed file; a file that cannot be
    // written is reported at the end while the others change.
    // The check runs in its worker; Enter on a row opens its page with the
    // link on its line selected.
    void checkLinks()
    {
        FakeWorkbench bench;
        QTemporaryDir site;
        const QByteArray page = "<html>\r\n<body>\r\n<p><a href=\"ok.htm\">ok</a> "
                                "<a href=\"missing.htm\">gone</a>\r\n</body></html>\r\n";
        QVERIFY(writeFile(site.filePath("page.htm"), page));
        QVERIFY(writeFile(site.filePath("ok.htm"), "<p>ok</p>"));
        bench.editor->setText(QString::fromLatin1(page));

        auto *window = new LinkCheckWindow(bench, site.path(), &bench.main);
        QPointer<LinkCheckWindow> alive(window);
        QSignalSpy checked(window, &LinkCheckWindow::checked);
        window->show();
        QVERIFY(checked.count() == 1 || checked.wait(10000));
        QVERIFY(!window->isRunning());
        QTreeWidget *list = window->resultList();
        QCOMPARE(list->topLevelItemCount(), 1);
        QStringList cells;
        for (int c = 0; c < list->columnCount(); ++c)
            cells << list->topLevelItem(0)->text(c);
        QCOMPARE(cells.mid(0, 3), (QStringList{"page.htm", "3", "missing.htm"}));
        QVERIFY(!cells[3].isEmpty());

        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(bench.openedFiles, QStringList{site.filePath("page.htm")});
        QCOMPARE(bench.editor->selText(), QStringLiteral("missing.htm"));

        window->findChild<QPushButton *>("LinkCheckClose")->click();
        QTRY_VERIFY(!alive);
    }

    void multiFileReplace()
    {
        QTemporaryDir site;
        const QStringList pages{"a.htm", "b.html", "c.txt", "d.HTM", "f.htm"};
        for (const QString &page : pages)
            QVERIFY(writeFile(site.filePath(page), "<FONT>x</font>\r\n"));
        QVERIFY(writeFile(site.filePath("e.gif"), TinyGif));
        FakeWorkbench bench;
        bench.appState.siteFilePath = site.path();

        auto *window = qobject_cast<MultiReplaceWindow *>(
            registry::find("MultiFileReplace")->open(bench, QString()));
        QVERIFY(window);
        QCOMPARE(window->objectName(), QStringLiteral("Form35"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Multiple File Replace"));
        FIND(QListWidget, files, window, "File1");
        FIND(QRadioButton, selected, window, "Option1");
        QCOMPARE(listed(files), pages);
        QVERIFY(selected->isChecked());

        gui::type(window, "txtFind", "font");
        gui::type(window, "txtReplace", "SPAN");
        gui::click(window, "Command1"); // nothing selected: nothing touched
        for (const QString &page : pages)
            QCOMPARE(readFile(site.filePath(page)), QByteArray("<FONT>x</font>\r\n"));

        selectOnly(files, {"b.html", "d.HTM"});
        gui::click(window, "Command1");
        for (const QString &page : pages) {
            const bool chosen = page == "b.html" || page == "d.HTM";
            QCOMPARE(readFile(site.filePath(page)),
                     QByteArray(chosen ? "<SPAN>x</SPAN>\r\n" : "<FONT>x</font>\r\n"));
        }
        QCOMPARE(bench.scripted.asked.size(), 0); // no message at the end

        Immutable locked(site.filePath("c.txt"));
        QVERIFY2(locked.active(), "chattr +i is needed");
        // On the caption: the buttons are wider than their text.
        FIND(QRadioButton, all, window, "Option2");
        FIND(QCheckBox, caseSensitive, window, "Check1");
        QTest::mouseClick(all, Qt::LeftButton, {}, QPoint(8, all->height() / 2));
        QTest::mouseClick(caseSensitive, Qt::LeftButton, {},
                          QPoint(8, caseSensitive->height() / 2));
        QVERIFY(all->isChecked() && caseSensitive->isChecked());
        gui::type(window, "txtFind", "FONT");
        gui::type(window, "txtReplace", "B");
        gui::click(window, "Command1");
        QCOMPARE(readFile(site.filePath("a.htm")), QByteArray("<B>x</font>\r\n"));
        QCOMPARE(readFile(site.filePath("f.htm")), QByteArray("<B>x</font>\r\n"));
        QCOMPARE(readFile(site.filePath("c.txt")), QByteArray("<FONT>x</font>\r\n"));
        QCOMPARE(readFile(site.filePath("b.html")), QByteArray("<SPAN>x</SPAN>\r\n"));
        QCOMPARE(bench.scripted.messages(),
                 QStringList{"These files were left as they were:\n"
                             "c.txt: cannot be written (Operation not permitted)"});
        gui::click(window, "Command2");
        QVERIFY(bench.main.isEnabled());
    }
};

QTEST_MAIN(TestSiteWindows)
#include "test_sitewindows.moc"
