// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/backgroundsounds.h"
#include "builders/fontwizard.h"
#include "builders/graphics.h"
#include "builders/marquee.h"
#include "kernel/builderids.h"
#include "kernel/colour.h"
#include "shell/builderregistry.h"
#include "site/sitepane.h"
#include "support/fakeworkbench.h"
#include "support/gui.h"
#include "widgets/colourfield.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Opens builders the way the main window does: through the registry.
class RegistryBench : public FakeWorkbench
{
public:
    bool openBuilder(const QString &id, const QString &argument = QString()) override
    {
        FakeWorkbench::openBuilder(id, argument);
        const registry::BuilderRow *row = registry::find(id);
        return row && row->open(*this, argument);
    }
};

QString text(QWidget *parent, const char *name)
{
    if (auto *edit = parent->findChild<QLineEdit *>(QLatin1String(name)))
        return edit->text();
    if (auto *combo = parent->findChild<QComboBox *>(QLatin1String(name)))
        return combo->currentText();
    return QStringLiteral("<no %1>").arg(QLatin1String(name));
}

} // namespace

class TestMediaBuilders : public QObject
{
    Q_OBJECT
private slots:
    void marquee()
    {
        FakeWorkbench bench;
        MarqueeBuilder *builder = gui::open<MarqueeBuilder>(bench);
        QVERIFY(QTest::qWaitForWindowExposed(builder));
        QCOMPARE(builder->windowTitle(), QStringLiteral("Marquees"));
        FIND(QTabWidget, tabs, builder, "TabStrip1");
        QCOMPARE(tabs->count(), 3);
        FIND(QComboBox, textColor, builder, "Combo8");
        QCOMPARE(textColor->count(), 16);
        QCOMPARE(text(builder, "Combo2"), QStringLiteral("SCROLL"));
        QCOMPARE(text(builder, "Combo4"), QStringLiteral("LEFT"));

        gui::type(builder, "Text1", "Hi");
        gui::type(builder, "Combo8", "RED");
        gui::type(builder, "Combo9", "4");
        bench.scripted.answerColour(colour::number(0, 0, 255));
        gui::click(builder, "Command1"); // Set Color of the background
        QCOMPARE(text(builder, "Combo3"), QStringLiteral("#0000FF"));
        tabs->setCurrentIndex(1);
        gui::type(builder, "Combo5", "3");
        gui::click(builder, "Command3");
        QCOMPARE(bench.editor->documentText(),
                 QStringLiteral("<!--Begin Marquee-->\r\n<FONT COLOR=RED SIZE=4>\r\n"
                                "<MARQUEE  BEHAVIOR=SCROLL BGCOLOR=#0000FF DIRECTION=LEFT "
                                "LOOP=3>Hi</MARQUEE></FONT>\r\n<!--End Marquee-->\r\n"));
    }

    void graphics()
    {
        QTemporaryDir site;
        FakeWorkbench bench;
        bench.appState.siteFilePath = site.path();
        GraphicsBuilder *builder = GraphicsBuilder::open(bench, "photo.GIF");
        QVERIFY(QTest::qWaitForWindowExposed(builder));
        QCOMPARE(builder->windowTitle(), QStringLiteral("Graphics"));
        QCOMPARE(text(builder, "Text1"), QStringLiteral("photo.GIF"));
        QCOMPARE(text(builder, "Combo2"), QStringLiteral("SRC"));

        bench.scripted.answer(site.filePath("clip.avi"));
        gui::click(builder, "Command1"); // Find
        QCOMPARE(bench.scripted.asked.last().filter, QStringLiteral("All Files|*.*"));
        QCOMPARE(bench.scripted.asked.last().folder, site.path());
        QCOMPARE(text(builder, "Text1"), QStringLiteral("clip.avi"));
        gui::type(builder, "Combo2", "DYNSRC");

        FIND(QLineEdit, mapName, builder, "Text8");
        QVERIFY(!mapName->isEnabled());
        QCOMPARE(mapName->palette().color(QPalette::Base), QColor(192, 192, 192));
        gui::click(builder, "Check1");
        QVERIFY(mapName->isEnabled());
        QCOMPARE(mapName->palette().color(QPalette::Base), QColor(Qt::white));
        gui::type(builder, "Text8", "nav");

        FIND(QTabWidget, tabs, builder, "TabStrip1");
        tabs->setCurrentIndex(1);
        gui::type(builder, "Combo4", "Glow Filter");
        gui::type(builder, "Text6", "50");
        bench.scripted.answerColour(colour::number(0, 255, 0));
        gui::click(builder, "Command2"); // Set
        FIND(ColourField, swatch, builder, "Label12");
        QCOMPARE(swatch->colour(), colour::number(0, 255, 0));

        bench.scripted.answer(QString()); // no ALT text after all
        gui::click(builder, "Command3");
        QCOMPARE(bench.scripted.asked.last().kind, QStringLiteral("input"));
        QCOMPARE(bench.editor->documentText(),
                 QStringLiteral("<IMG DYNSRC=\"clip.avi\" USEMAP=\"nav\" ISMAP "
                                "STYLE=\"filter:Glow(color=#00FF00, strength=50)\">"));
    }

    // OK without a description asks for one; Cancel there goes back to the
    // dialog, an answer becomes the ALT text, an empty one inserts without.
    void graphicsAsksForAlt_data()
    {
        QTest::addColumn<QString>("description"); // typed before OK
        QTest::addColumn<QVariant>("answer");     // to the question; invalid: cancelled
        QTest::addColumn<QString>("expected");    // "<open>": nothing inserted yet
        QTest::newRow("described already")
            << "A cat" << QVariant() << "<IMG SRC=\"cat.png\" ALT=\"A cat\">";
        QTest::newRow("answered") << "" << QVariant("A cat")
                                  << "<IMG SRC=\"cat.png\" ALT=\"A cat\">";
        QTest::newRow("left empty") << "" << QVariant("") << "<IMG SRC=\"cat.png\">";
        QTest::newRow("cancelled") << "" << QVariant() << "<open>";
    }
    void graphicsAsksForAlt()
    {
        QFETCH(QString, description);
        QFETCH(QVariant, answer);
        QFETCH(QString, expected);
        FakeWorkbench bench;
        QPointer<GraphicsBuilder> builder = GraphicsBuilder::open(bench, "cat.png");
        gui::type(builder, "Text7", description);
        if (description.isEmpty())
            bench.scripted.answers << answer;
        gui::click(builder, "Command3");
        gui::flushDeletes();
        QCOMPARE(bench.scripted.asked.size(), description.isEmpty() ? 1 : 0);
        if (expected == QLatin1String("<open>")) {
            QVERIFY(builder && builder->isVisible());
            QCOMPARE(bench.editor->documentText(), QString());
            QCOMPARE(builder->focusWidget()->objectName(), QStringLiteral("Text7"));
            builder->reject();
        } else {
            QVERIFY(!builder);
            QCOMPARE(bench.editor->documentText(), expected);
        }
    }

    // Choosing a picture fills its width and height from its header.
    void graphicsFillsSize()
    {
        QTemporaryDir site;
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(site.filePath("cat.png")));
        FakeWorkbench bench;
        bench.appState.siteFilePath = site.path();

        GraphicsBuilder *builder = GraphicsBuilder::open(bench, "cat.png");
        QCOMPARE(text(builder, "Text3"), QStringLiteral("64")); // Width
        QCOMPARE(text(builder, "Text2"), QStringLiteral("48")); // Height
        gui::type(builder, "Text3", "10");
        bench.scripted.answer(site.filePath("notes.txt")); // no picture: the sizes stay
        gui::click(builder, "Command1");
        QCOMPARE(text(builder, "Text3"), QStringLiteral("10"));
        bench.scripted.answer(site.filePath("cat.png"));
        gui::click(builder, "Command1");
        QCOMPARE(text(builder, "Text3"), QStringLiteral("64"));
        QCOMPARE(text(builder, "Text2"), QStringLiteral("48"));
        builder->reject();
    }

    void fontWizard()
    {
        FakeWorkbench bench;
        bench.appState.fontList = {"Arial", "Courier New"};
        bench.editor->setDocumentText("say Hi now");
        bench.editor->select(4, 2);
        FontWizard *builder = gui::open<FontWizard>(bench);
        QVERIFY(QTest::qWaitForWindowExposed(builder));
        QCOMPARE(builder->windowTitle(), QStringLiteral("Font Wizard"));
        FIND(QComboBox, names, builder, "Combo2");
        QCOMPARE(names->count(), 2);
        QCOMPARE(text(builder, "Combo2"), QString());

        gui::type(builder, "Combo1", "3");
        bench.scripted.answerColour(255);
        gui::click(builder, "Command1"); // Choose
        gui::click(builder, "Command2");
        QCOMPARE(bench.editor->documentText(),
                 QStringLiteral("say <FONT SIZE=\"3\" COLOR=\"#FF0000\">Hi</FONT> now"));
    }

    void backgroundSounds()
    {
        QTemporaryDir site;
        FakeWorkbench bench;
        bench.appState.siteFilePath = site.path();
        BackgroundSoundsBuilder *builder = BackgroundSoundsBuilder::open(bench, "tune.wav");
        QVERIFY(QTest::qWaitForWindowExposed(builder));
        QCOMPARE(builder->windowTitle(), QStringLiteral("Background Sounds"));
        QCOMPARE(text(builder, "Text1"), QStringLiteral("tune.wav"));
        QCOMPARE(text(builder, "Combo1"), QStringLiteral("INFINITE"));
        gui::click(builder, "Command2");
        QCOMPARE(bench.editor->documentText(),
                 QStringLiteral("<BGSOUND SRC=\"tune.wav\" LOOP=INFINITE>"));

        bench.editor->setDocumentText(QString());
        builder = BackgroundSoundsBuilder::open(bench);
        gui::click(builder, "Option2"); // <EMBED>
        bench.scripted.answer(site.filePath("song.MID"));
        gui::click(builder, "Command1"); // Find
        QCOMPARE(bench.scripted.asked.last().filter,
                 QStringLiteral("Sound Files (*.AU;*.MID;*.RMI;*.WAV)|*.AU;*MID;*RMI;*.WAV"));
        gui::click(builder, "Command2");
        QCOMPARE(bench.editor->documentText(), QStringLiteral("<EMBED SRC=\"song.MID\">"));
    }

    void sitePaneDoubleClick_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("documents");
        QTest::addColumn<QString>("window");
        QTest::newRow("image, no document") << "photo.GIF" << 0 << QString();
        QTest::newRow("image") << "photo.GIF" << 1 << "Form4";
        QTest::newRow("sound, no document") << "tune.wav" << 0 << QString();
        QTest::newRow("sound") << "tune.wav" << 1 << "Form6";
    }
    void sitePaneDoubleClick()
    {
        QFETCH(QString, file);
        QFETCH(int, documents);
        QFETCH(QString, window);

        QTemporaryDir site;
        QFile f(site.filePath(file));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        RegistryBench bench;
        bench.documents = documents;
        bench.appState.siteDirectory = site.path();
        SitePane pane(bench);
        pane.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pane));
        const auto found = pane.fileList()->findItems(file, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        const QPoint at = pane.fileList()->visualItemRect(found.first()).center();
        QTest::mouseClick(pane.fileList()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(pane.fileList()->viewport(), Qt::LeftButton, {}, at);

        const QList<QDialog *> opened = bench.main.findChildren<QDialog *>();
        if (window.isEmpty()) {
            QVERIFY(opened.isEmpty());
            return;
        }
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first()->objectName(), window);
        QVERIFY(opened.first()->isVisible());
        QCOMPARE(text(opened.first(), "Text1"), file);
    }
};

QTEST_MAIN(TestMediaBuilders)
#include "test_mediabuilders.moc"
