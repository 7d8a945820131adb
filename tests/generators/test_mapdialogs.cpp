// SPDX-License-Identifier: GPL-3.0-or-later
// The VRML and image map windows driven by their real controls.

#include "generators/imagemapbuilder.h"
#include "generators/vrmlbuilder.h"
#include "kernel/colour.h"
#include "support/fakeworkbench.h"
#include "support/files.h"
#include "support/gui.h"
#include "widgets/colourfield.h"
#include "widgets/listgrid.h"

#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTabWidget>

namespace {

void typeInCell(ListGrid *grid, int row, int column, const QString &text)
{
    QTableWidget *table = grid->table();
    const QRect rect = table->visualRect(table->model()->index(row, column));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::keyClicks(grid->editor(), text);
}

using testfiles::readFile;

} // namespace

class TestMapDialogs : public QObject
{
    Q_OBJECT
private slots:
    void vrmlBuilderSavesBothWorlds()
    {
        FakeWorkbench wb;
        QTemporaryDir site;
        wb.appState.siteFilePath = site.path();
        wb.editor->setDocumentText(QStringLiteral("untouched"));
        QPointer<VrmlBuilder> builder = gui::open<VrmlBuilder>(wb);
        QVERIFY(QTest::qWaitForWindowExposed(builder));
        QCOMPARE(builder->objectName(), QStringLiteral("VRML"));
        QCOMPARE(builder->windowTitle(), QStringLiteral("VRML Builder"));
        FIND(QTabWidget, tabs, builder, "TabStrip1");
        QCOMPARE(tabs->tabText(0), QStringLiteral("&VRML Text"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("V&RML Sitemap"));
        QCOMPARE(tabs->currentIndex(), 0);

        // Text: typed string, pure red from the colour dialog.
        gui::type(builder, "Text1", QStringLiteral("Hello"));
        wb.scripted.answerColour(colour::number(255, 0, 0));
        gui::click(builder, "Command1");
        FIND(ColourField, swatch, builder, "Picture1");
        QCOMPARE(swatch->colour(), colour::number(255, 0, 0));
        const QString textPath = site.filePath(QStringLiteral("text.wrl"));
        wb.scripted.answer(textPath);
        gui::click(builder, "Command2");
        const QByteArray text = readFile(textPath);
        QVERIFY(text.contains("string \"Hello\"\r\n"));
        QVERIFY(text.contains("material Material { diffuseColor 1.000000 0.000000 0.000000 }\r\n"));
        QVERIFY(text.endsWith("]\r\n}"));
        const ScriptedDialogs::Asked save = wb.scripted.asked.last();
        QCOMPARE(save.kind, QStringLiteral("save"));
        QCOMPARE(save.folder, site.path());
        QCOMPARE(save.filter, QStringLiteral("VRML 2.0 Files(*.wrl)|*.wrl"));
        QVERIFY(builder->isVisible());

        // Sitemap: the up arrow keeps the last row, the down arrow adds.
        tabs->setCurrentIndex(1);
        auto *grid = builder->findChild<ListGrid *>();
        QVERIFY(grid);
        QCOMPARE(grid->table()->objectName(), QStringLiteral("URLGrid"));
        gui::spin(grid, "SpinButton1", true);
        QCOMPARE(grid->rowCount(), 1);
        gui::spin(grid, "SpinButton1", false);
        gui::spin(grid, "SpinButton1", false);
        QCOMPARE(grid->rowCount(), 3);
        typeInCell(grid, 0, 0, QStringLiteral("Home"));
        typeInCell(grid, 0, 1, QStringLiteral("index.htm"));
        typeInCell(grid, 2, 0, QStringLiteral("Last"));
        gui::click(builder, "Option2");
        const QString mapPath = site.filePath(QStringLiteral("map.wrl"));
        wb.scripted.answer(mapPath);
        gui::click(builder, "Command2");
        const QString map = QString::fromUtf8(readFile(mapPath));
        QCOMPARE(map, vrml::buildVrmlWorld(builder->options()));
        QCOMPARE(builder->options().sites.size(), 3);
        for (const char *line :
             {"translation 0 0.7 0\r\n", "translation 0 0 0\r\n", "translation 2 0.7 0\r\n",
              "translation 4 0 0\r\n", "string \"Home\"\r\n", "url \"index.htm\"\r\n",
              "string \"Last\"\r\n", "geometry Box { size 1 1 1 }\r\n"})
            QVERIFY2(map.contains(QLatin1String(line)), line);
        QVERIFY(!map.contains(QStringLiteral("Sphere")));
        QVERIFY(map.endsWith(QStringLiteral("]\r\n}")));

        // A cancelled dialog and a file that cannot be written.
        wb.scripted.answerCancel();
        gui::click(builder, "Command2");
        QFile blocker(site.filePath(QStringLiteral("plain")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        wb.scripted.answer(site.filePath(QStringLiteral("plain/world.wrl")));
        gui::click(builder, "Command2");
        QCOMPARE(wb.scripted.messages(),
                 (QStringList{"Cannot save file!", "Cannot save file!\nNot a directory"}));
        QVERIFY(builder->isVisible());
        QCOMPARE(wb.scripted.unexpected, 0);

        gui::click(builder, "Command3"); // E&xit
        gui::flushDeletes();
        QVERIFY(!builder);
        QCOMPARE(wb.editor->documentText(), QStringLiteral("untouched"));
        QVERIFY(wb.main.isEnabled());
    }

    void imageMapBuilderRecordsClicksInImagePixels()
    {
        FakeWorkbench wb;
        QTemporaryDir site;
        wb.appState.siteFilePath = site.path();
        const QString picture = site.filePath(QStringLiteral("logo.bmp"));
        QImage image(900, 700, QImage::Format_RGB32);
        image.fill(Qt::white);
        QVERIFY(image.save(picture));

        QPointer<ImageMapBuilder> builder = gui::open<ImageMapBuilder>(wb);
        QVERIFY(QTest::qWaitForWindowExposed(builder));
        QCOMPARE(builder->objectName(), QStringLiteral("Form30"));
        QCOMPARE(builder->windowTitle(), QStringLiteral("Image Map Builder"));
        auto *open = builder->findChild<QAction *>(QStringLiteral("mnuOpenItem"));
        QVERIFY(open);
        QCOMPARE(open->text(), QStringLiteral("Open Web Image"));
        wb.scripted.answer(picture);
        open->trigger();
        QCOMPARE(wb.scripted.asked.last().filter,
                 QStringLiteral("Picture Files (*.BMP;*.GIF;*.JPG)|*.BMP;*.GIF;*.JPG| Bitmap "
                                "Files (*.BMP)|*.BMP"));
        QCOMPARE(wb.scripted.asked.last().folder, site.path());

        FIND(QWidget, box, builder, "Picture1");
        FIND(QScrollBar, across, builder, "HScroll1");
        FIND(QScrollBar, down, builder, "VScroll1");
        QCOMPARE(across->minimum(), 0);
        QCOMPARE(across->maximum(), 900 - box->width());
        QCOMPARE(down->maximum(), 700 - box->height());

        auto *grid = builder->findChild<ListGrid *>();
        QVERIFY(grid);
        QCOMPARE(grid->table()->objectName(), QStringLiteral("Grid1"));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, 20));
        QTest::mouseClick(box, Qt::RightButton, {}, QPoint(110, 60));
        QTest::keyClicks(grid->editor(), QStringLiteral("a.htm")); // the link address cell
        gui::type(builder, "Text2", QStringLiteral("nav"));

        // A second row, marked after scrolling: still image pixels.
        gui::spin(grid, "SpinButton1", false);
        QCOMPARE(grid->currentRow(), 1);
        across->setValue(100);
        down->setValue(50);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(box, Qt::RightButton, {}, QPoint(15, 25));
        QCOMPARE(grid->rows(), (QList<QStringList>{{"10", "20", "110", "60", "a.htm"},
                                                   {"105", "55", "115", "75", ""}}));

        gui::click(builder, "Command1");
        gui::flushDeletes();
        QVERIFY(!builder);
        QCOMPARE(wb.editor->documentText(),
                 QStringLiteral("<!-- Begin Image Map -->\r\n<MAP NAME=\"nav\">\r\n"
                                " <AREA SHAPE=\"RECTANGLE\" COORDS=\"10,20,110,60\" "
                                "HREF=\"a.htm\">\r\n"
                                " <AREA SHAPE=\"RECTANGLE\" COORDS=\"105,55,115,75\" NOHREF>\r\n"
                                "</MAP>\r\n"
                                "<IMG SRC=\"logo.bmp\" WIDTH=900 HEIGHT=700 USEMAP=\"#nav\" "
                                "BORDER=0 ISMAP>\r\n"
                                "<!-- End Image Map -->\r\n"));
        QCOMPARE(wb.scripted.unexpected, 0);
    }
};

QTEST_MAIN(TestMapDialogs)
#include "test_mapdialogs.moc"
