// What every builder and tool window in the registry shares: its menu
// items and palette tabs are where its row puts them and open it, it holds
// the main window while shown, centres itself, names every control, Cancel
// and Escape insert nothing, and OK inserts one fragment that one Undo
// removes.

#include "editor/insertion.h"
#include "kernel/builderids.h"
#include "kernel/settingsstore.h"
#include "shell/builderregistry.h"
#include "shell/mainwindow.h"
#include "shell/sidebar.h"
#include "support/fakeworkbench.h"
#include "support/gui.h"

#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTextEdit>

namespace {

const QString Before = QStringLiteral("before|after");

QWidget *openRow(FakeWorkbench &bench, const registry::BuilderRow &row)
{
    bench.editor->setDocumentText(Before);
    bench.editor->select(6, 1);
    // The properties window describes a file; the others open without one.
    QString argument;
    if (row.id == QLatin1String("FileProperties")) {
        argument = bench.dir.filePath(QStringLiteral("notes.txt"));
        QFile file(argument);
        if (!file.open(QIODevice::WriteOnly) || file.write("notes") != 5)
            return nullptr;
    }
    return row.open(bench, argument);
}

// Controls a person types into or chooses from, not the parts that
// composite widgets are made of.
bool isControl(const QWidget *w)
{
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
        if (qobject_cast<const QComboBox *>(p) || qobject_cast<const QAbstractSpinBox *>(p) ||
            qobject_cast<const QTabBar *>(p) || qobject_cast<const QAbstractItemView *>(p) ||
            qobject_cast<const QTextEdit *>(p) || qobject_cast<const QPlainTextEdit *>(p))
            return false;
    }
    if (qobject_cast<const QAbstractSlider *>(w) && w->parentWidget() &&
        w->parentWidget()->inherits("QAbstractScrollArea"))
        return false;
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w) ||
           qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QTextEdit *>(w) ||
           qobject_cast<const QPlainTextEdit *>(w) || qobject_cast<const QAbstractItemView *>(w) ||
           qobject_cast<const QAbstractButton *>(w) || qobject_cast<const SpinArrows *>(w) ||
           qobject_cast<const QAbstractSlider *>(w);
}

// The windows the main window shows now.
QSet<QWidget *> shownWindows(const QWidget &main)
{
    QSet<QWidget *> shown;
    for (QWidget *w : main.findChildren<QWidget *>()) {
        if (w->isWindow() && w->isVisible())
            shown.insert(w);
    }
    return shown;
}

QPushButton *cancelButton(QWidget *window)
{
    for (QPushButton *b : window->findChildren<QPushButton *>()) {
        if (b->text() == QLatin1String("&Cancel") || b->text() == QLatin1String("Cancel"))
            return b;
    }
    return nullptr;
}

} // namespace

class TestBuilderConformance : public QObject
{
    Q_OBJECT
    static void everyRow()
    {
        QTest::addColumn<QString>("id");
        for (const registry::BuilderRow &row : registry::rows())
            QTest::newRow(qPrintable(row.id)) << row.id;
    }

private slots:
    void menuItemsAndTabsOpenTheRow_data() { everyRow(); }
    void holdsTheMainWindowAndCentres_data() { everyRow(); }
    void everyControlHasAName_data() { everyRow(); }
    void cancelAndEscapeInsertNothing_data() { everyRow(); }
    void okInsertsOneUndoStep_data() { everyRow(); }

    void menuItemsAndTabsOpenTheRow()
    {
        QFETCH(QString, id);
        const registry::BuilderRow &row = *registry::find(id);
        FakeWorkbench bench;
        MainWindow main(bench.store, bench.scripted, false);
        for (const menutree::Item &item : row.menuItems) {
            QAction *action = main.action(QLatin1String(item.name));
            QVERIFY2(action, item.name);
            QCOMPARE(action->text(), QString::fromUtf8(item.caption));
            auto *menu = main.findChild<QMenu *>(QLatin1String(item.menu));
            QVERIFY2(menu && menu->actions().contains(action), item.menu);
            QVERIFY(action->isEnabled());
            if (id == QLatin1String("FileProperties"))
                continue; // it describes the file selected in the site pane: none here
            const QSet<QWidget *> before = shownWindows(main);
            action->trigger();
            const QSet<QWidget *> opened = shownWindows(main) - before;
            QCOMPARE(opened.size(), 1);
            (*opened.begin())->close();
            gui::flushDeletes();
        }
        auto *side = main.findChild<SideBar *>();
        QVERIFY(side);
        for (const registry::PaletteTab &tab : row.paletteTabs) {
            QTabBar *strip = side->toolStrip(QLatin1String(tab.strip));
            QVERIFY2(strip && tab.position < strip->count(), tab.strip);
            QCOMPARE(strip->tabText(tab.position), QString::fromUtf8(tab.caption));
            QCOMPARE(strip->tabToolTip(tab.position), QString::fromUtf8(tab.toolTip));
            const palette::ToolStrip *placed =
                palette::findToolStrip(registry::toolStrips(), QLatin1String(tab.strip));
            QCOMPARE(placed->tabs.at(tab.position).builder, row.id);
        }
    }

    void holdsTheMainWindowAndCentres()
    {
        QFETCH(QString, id);
        FakeWorkbench bench;
        QWidget *window = openRow(bench, *registry::find(id));
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(!bench.main.isEnabled());
        QVERIFY(window->isEnabled());
        const QPoint centre = window->frameGeometry().center();
        const QPoint screen = window->screen()->geometry().center();
        QVERIFY2((centre - screen).manhattanLength() <= 4,
                 qPrintable(QStringLiteral("centre %1,%2").arg(centre.x()).arg(centre.y())));
        QCOMPARE(bench.scripted.asked.size(), 0);
    }

    void everyControlHasAName()
    {
        QFETCH(QString, id);
        FakeWorkbench bench;
        QWidget *window = openRow(bench, *registry::find(id));
        QStringList nameless;
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (!isControl(w))
                continue;
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(w);
            if (!iface || iface->text(QAccessible::Name).trimmed().isEmpty())
                nameless << QStringLiteral("%1 (%2)").arg(w->objectName(),
                                                          w->metaObject()->className());
        }
        QVERIFY2(nameless.isEmpty(), qPrintable(nameless.join(QStringLiteral(", "))));
    }

    void cancelAndEscapeInsertNothing()
    {
        QFETCH(QString, id);
        const registry::BuilderRow &row = *registry::find(id);
        FakeWorkbench bench;
        QPointer<QWidget> window = openRow(bench, row);
        QTest::keyClick(window, Qt::Key_Escape);
        gui::flushDeletes();
        QVERIFY(!window || !window->isVisible());
        QVERIFY(bench.main.isEnabled());
        QCOMPARE(bench.editor->documentText(), Before);

        window = openRow(bench, row);
        if (QPushButton *cancel = cancelButton(window)) {
            QTest::mouseClick(cancel, Qt::LeftButton);
            gui::flushDeletes();
            QVERIFY(!window || !window->isVisible());
            QVERIFY(bench.main.isEnabled());
            QCOMPARE(bench.editor->documentText(), Before);
        }
        QCOMPARE(bench.scripted.asked.size(), 0);
    }

    void okInsertsOneUndoStep()
    {
        QFETCH(QString, id);
        const registry::BuilderRow &row = *registry::find(id);
        if (row.kind != registry::Kind::Builder)
            QSKIP("a tool window has no OK that inserts");
        FakeWorkbench bench;
        QPointer<QWidget> window = openRow(bench, row);
        auto *dialog = qobject_cast<QDialog *>(window);
        QVERIFY(dialog);
        if (row.takes == FileRole::Image)
            bench.scripted.answer(QString()); // no ALT text after all
        dialog->accept();
        gui::flushDeletes();
        QVERIFY(!window || !window->isVisible());
        QVERIFY(bench.main.isEnabled());
        const QString after = bench.editor->documentText();
        QVERIFY(after != Before);
        QVERIFY(after.startsWith(QStringLiteral("before")));
        QVERIFY(after.endsWith(QStringLiteral("after")));
        insertion::undo(*bench.editor, bench.appState);
        QCOMPARE(bench.editor->documentText(), Before);
        // One step: a second Undo has nothing left to take back and brings
        // nothing back either.
        insertion::undo(*bench.editor, bench.appState);
        QCOMPARE(bench.editor->documentText(), Before);
        QCOMPARE(bench.scripted.unexpected, 0);
    }
};

QTEST_MAIN(TestBuilderConformance)
#include "test_builderconformance.moc"
