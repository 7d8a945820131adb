// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/htmleditor.h"
#include "shell/builderregistry.h"
#include "shell/palettecatalog.h"
#include "shell/referencelists.h"
#include "shell/sidebar.h"
#include "support/fakeworkbench.h"

#include <QAccessible>
#include <QComboBox>
#include <QListWidget>
#include <QStackedWidget>
#include <QTabBar>
#include <QtTest>

namespace {

using Bench = FakeWorkbench;

int rowOf(const QListWidget *list, const QString &text)
{
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->text() == text)
            return i;
    }
    return -1;
}

int tabOf(const QTabBar *bar, const QString &caption)
{
    for (int i = 0; i < bar->count(); ++i) {
        if (bar->tabText(i) == caption)
            return i;
    }
    return -1;
}

void clickTab(QTabBar *bar, int index)
{
    QVERIFY(index >= 0);
    QVERIFY(bar->isVisible());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

// "one word two" with "word" selected.
void selectWord(HtmlEditor &editor)
{
    editor.setDocumentText(QStringLiteral("one word two"));
    editor.select(4, 4);
}

} // namespace

class TestSideBar : public QObject
{
    Q_OBJECT
    std::unique_ptr<Bench> bench;
    std::unique_ptr<SideBar> bar;

private slots:
    void init()
    {
        bench = std::make_unique<Bench>();
        bar = std::make_unique<SideBar>(*bench, registry::toolStrips());
        bar->resize(1100, 260);
        bar->show();
        QVERIFY(QTest::qWaitForWindowExposed(bar.get()));
    }

    void cleanup()
    {
        QCOMPARE(bench->scripted.unexpected, 0);
        bar.reset();
        bench.reset();
    }

    void tagListDoubleClick_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("expected");
        QTest::newRow("pair wraps the word") << "B"
                                             << "one <B>word</B> two";
        QTest::newRow("empty element replaces it") << "BR"
                                                   << "one <BR> two";
        QTest::newRow("comment") << "!-- --"
                                 << "one <!-- --> two";
    }

    void tagListDoubleClick()
    {
        QFETCH(QString, tag);
        QFETCH(QString, expected);
        selectWord(*bench->editor);
        QListWidget *list = bar->referenceList(palette::TagsList);
        QCOMPARE(list->objectName(), QStringLiteral("List8_0"));
        QListWidgetItem *item = list->item(rowOf(list, tag));
        list->scrollToItem(item);
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(bench->editor->documentText(), expected);
        // Through the insertion service: undo is recorded.
        QCOMPARE(bench->appState.undo.replacedText, QStringLiteral("word"));

        // No item: nothing.
        selectWord(*bench->editor);
        bar->activateReferenceItem(palette::TagsList, -1);
        QCOMPARE(bench->editor->documentText(), QStringLiteral("one word two"));
    }

    void directLists_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("inserted");
        QTest::newRow("attribute") << int(palette::AttributesList) << "BGCOLOR"
                                   << "BGCOLOR";
        QTest::newRow("javascript") << int(palette::JavaScriptList) << "abs Method"
                                    << "abs";
        QTest::newRow("first javascript entry")
            << int(palette::JavaScriptList) << "$1...$9 Properties"
            << "word";
    }

    void directLists()
    {
        QFETCH(int, list);
        QFETCH(QString, item);
        QFETCH(QString, inserted);
        selectWord(*bench->editor);
        bar->activateReferenceItem(list, rowOf(bar->referenceList(list), item));
        QCOMPARE(bench->editor->documentText(), QStringLiteral("one %1 two").arg(inserted));
        QVERIFY(!bench->appState.undo.valid); // replaced directly
    }

    void enterKeyActsLikeDoubleClick()
    {
        selectWord(*bench->editor);
        bar->referenceChooser()->setCurrentIndex(1); // Attributes
        QListWidget *list = bar->referenceList(palette::AttributesList);
        list->setCurrentRow(rowOf(list, QStringLiteral("HREF")));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(bench->editor->documentText(), QStringLiteral("one HREF two"));
    }

    void customList()
    {
        bench->appState.customTags = QStringList{QStringLiteral("<BLINK>")};
        bar->refreshCustomList();
        selectWord(*bench->editor);
        bar->activateReferenceItem(palette::CustomList, 0);
        QCOMPARE(bench->editor->documentText(), QStringLiteral("one <BLINK> two"));
        QVERIFY(bench->appState.undo.valid);
    }

    void timeDateRefreshedOnEveryClick()
    {
        QTabBar *chooser = bar->referenceChooser();
        QCOMPARE(chooser->objectName(), QStringLiteral("TabStrip2"));
        QListWidget *list = bar->referenceList(palette::TimeDateList);
        for (int click = 0; click < 2; ++click) {
            list->clear();
            clickTab(chooser, tabOf(chooser, QStringLiteral("Time/Date")));
            QCOMPARE(list->count(), 7);
            QVERIFY(list->isVisible());
        }
    }

    void palettesFollowTheWidth()
    {
        QTabBar *chooser = bar->paletteChooser();
        QCOMPARE(chooser->objectName(), QStringLiteral("TabStrip1"));
        for (int width : {1100, 700}) {
            bar->resize(width, 260);
            for (int i = 0; i < chooser->count(); ++i) {
                chooser->setCurrentIndex(i);
                QWidget *panel = bar->currentPalette();
                QCOMPARE(panel->objectName(), palette::paletteTabs()[i].panel);
                QVERIFY(panel->isVisible());
                QVERIFY2(panel->width() >= width - 12 && panel->width() <= width,
                         qPrintable(panel->objectName()));
            }
        }
    }

    void toolTabsAct_data()
    {
        QTest::addColumn<QString>("strip");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QString>("expected");
        QTest::newRow("LI before the word") << "TabStrip11"
                                            << "<LI>" << true << "one <LI>word two";
        QTest::newRow("LI alone") << "TabStrip11"
                                  << "<LI>" << false << "one <LI> two";
        QTest::newRow("wrap B") << "TabStrip4"
                                << "<B>" << true << "one <B>word</B> two";
    }

    void toolTabsAct()
    {
        QFETCH(QString, strip);
        QFETCH(QString, caption);
        QFETCH(bool, selected);
        QFETCH(QString, expected);
        selectWord(*bench->editor);
        if (!selected) {
            bench->editor->setDocumentText(QStringLiteral("one  two"));
            bench->editor->setSelStart(4);
        }
        QTabBar *tools = bar->toolStrip(strip);
        bar->clickToolTab(strip, tabOf(tools, caption));
        QCOMPARE(bench->editor->documentText(), expected);
        QVERIFY(bench->appState.undo.valid);
    }

    void currentTabActsAgain()
    {
        bench->editor->setDocumentText(QString());
        bar->paletteChooser()->setCurrentIndex(7); // Tables
        QTabBar *tools = bar->toolStrip(QStringLiteral("TabStrip5"));
        const int td = tabOf(tools, QStringLiteral("<TD>"));
        clickTab(tools, td);
        QCOMPARE(tools->currentIndex(), td);
        bench->editor->setSelStart(bench->editor->characterLength());
        clickTab(tools, td);
        QCOMPARE(bench->editor->documentText(), QStringLiteral("<TD></TD><TD></TD>"));
    }

    void builderTabs()
    {
        QTabBar *tools = bar->toolStrip(QStringLiteral("TabStrip3"));
        clickTab(tools, tabOf(tools, QStringLiteral("Table")));
        QCOMPARE(bench->openedBuilders, QStringList{QStringLiteral("TableBuilder")});
    }

    // The keyboard reaches the tool tabs too, and a screen reader hears
    // them as buttons of a tool bar, none of them selected.
    void toolTabsFromTheKeyboard_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Enter") << int(Qt::Key_Return);
    }
    void toolTabsFromTheKeyboard()
    {
        QFETCH(int, key);
        QTabBar *tools = bar->toolStrip(QStringLiteral("TabStrip3"));
        const int table = tabOf(tools, QStringLiteral("Table"));
        tools->setFocus();
        tools->setCurrentIndex(table - 1);
        QTest::keyClick(tools, Qt::Key_Right);
        QCOMPARE(bench->openedBuilders, QStringList());
        QTest::keyClick(tools, Qt::Key(key));
        QCOMPARE(bench->openedBuilders, QStringList{QStringLiteral("TableBuilder")});

        QAccessibleInterface *strip = QAccessible::queryAccessibleInterface(tools);
        QCOMPARE(strip->role(), QAccessible::ToolBar);
        QCOMPARE(strip->childCount(), tools->count());
        QAccessibleInterface *tab = strip->child(table);
        QCOMPARE(tab->role(), QAccessible::Button);
        QCOMPARE(tab->text(QAccessible::Name), QStringLiteral("Table"));
        QVERIFY(!tab->state().selected);
        QCOMPARE(strip->indexOfChild(tab), table);
        tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(bench->openedBuilders.size(), 2);
    }

    void colourDialogs()
    {
        selectWord(*bench->editor);
        bench->scripted.answerColour(255);
        QTabBar *graphics = bar->toolStrip(QStringLiteral("TabStrip8"));
        bar->clickToolTab(graphics->objectName(), tabOf(graphics, QStringLiteral("QuickColor")));
        QCOMPARE(bench->editor->documentText(), QStringLiteral("one #FF0000 two"));
        QVERIFY(!bench->appState.undo.valid);
        // The next dialog starts on the last colour; cancelling changes nothing.
        bench->scripted.answerCancel();
        QVERIFY(!bar->quickColor());
        QCOMPARE(bench->scripted.initialColours, (QList<qint64>{0, 255}));

        // The colour bar's button.
        bench->editor->select(4, 7);
        qint64 last = 65280;
        bench->scripted.answerColour(16711680);
        QVERIFY(sidebar::insertChosenColour(*bench, last));
        QCOMPARE(bench->scripted.initialColours.last(), 65280);
        QCOMPARE(last, 16711680);
        QCOMPARE(bench->editor->documentText(), QStringLiteral("one #0000FF two"));
    }

    void characterCombo()
    {
        QComboBox *legal = bar->characterCombo(2);
        QCOMPARE(legal->objectName(), QStringLiteral("Combo3"));
        QCOMPARE(legal->accessibleName(), QStringLiteral("Legal"));
        const int trade = legal->findText(QString(QChar(0x2122)));
        for (int time = 0; time < 2; ++time) { // the same item chosen again acts again
            selectWord(*bench->editor);
            emit legal->activated(trade);
            QCOMPARE(bench->editor->documentText(), QStringLiteral("one &trade; two"));
        }
        QVERIFY(!bench->appState.undo.valid);
    }

    void customButtons_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("empty clears the selection") << ""
                                                    << "one  two";
        QTest::newRow("heading") << "<H1>"
                                 << "one <H1> two";
    }

    void customButtons()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        bench->appState.customTexts[3] = text;
        selectWord(*bench->editor);
        sidebar::pressCustomButton(*bench, 3);
        QCOMPARE(bench->editor->documentText(), expected);
        QCOMPARE(bench->appState.undo.replacedText, QStringLiteral("word"));
        sidebar::pressCustomButton(*bench, 6); // out of range: nothing
        QCOMPARE(bench->editor->documentText(), expected);
    }

    void nothingActsWithoutDocument()
    {
        HtmlEditor *editor = bench->editor;
        selectWord(*editor);
        bench->editor = nullptr;
        bench->appState.customTags = QStringList{QStringLiteral("<X>")};
        bar->refreshCustomList();
        for (int list = 0; list < 6; ++list)
            bar->activateReferenceItem(list, 1 % bar->referenceList(list)->count());
        for (const palette::ToolStrip &strip : registry::toolStrips()) {
            for (int t = 0; t < strip.tabs.size(); ++t)
                bar->clickToolTab(strip.name, t);
        }
        for (int c = 0; c < 4; ++c)
            bar->chooseCharacter(c, 0);
        sidebar::pressCustomButton(*bench, 0);
        QVERIFY(!bar->quickColor());
        QCOMPARE(editor->documentText(), QStringLiteral("one word two"));
        QVERIFY(bench->openedBuilders.isEmpty());
        QVERIFY(bench->scripted.asked.isEmpty());
        bench->editor = editor;

        // The main window's document count switches the palettes off.
        bar->setDocumentsOpen(false);
        QVERIFY(!bar->paletteChooser()->isEnabled());
        bar->clickToolTab(QStringLiteral("TabStrip4"), 2);
        QCOMPARE(editor->documentText(), QStringLiteral("one word two"));
    }
};

QTEST_MAIN(TestSideBar)
#include "test_sidebar.moc"
