// SPDX-License-Identifier: GPL-3.0-or-later
// Placing the registry's menu items into the menu tree.

#include "shell/menutree.h"

#include <QtTest>

using menutree::Entry;
using menutree::Item;

namespace {

// "0:File 1:New 1:- 1:*": depth, then a name, "-" for a separator or "*"
// for the registry mark. The names live in `storage`.
QList<Entry> parseTree(const QString &text, QList<QByteArray> &storage)
{
    QList<Entry> tree;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        const int depth = word.section(u':', 0, 0).toInt();
        const QString name = word.section(u':', 1);
        if (name == u"-") {
            tree.append({depth, nullptr, nullptr});
        } else if (name == u"*") {
            tree.append({depth, menutree::RegistryItems, nullptr});
        } else {
            storage << name.toUtf8();
            tree.append({depth, storage.constLast().constData(), storage.constLast().constData()});
        }
    }
    return tree;
}

// "Edit:Find": the menu, then the item.
QList<Item> parseItems(const QString &text, QList<QByteArray> &storage)
{
    QList<Item> items;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        storage << word.section(u':', 0, 0).toUtf8() << word.section(u':', 1).toUtf8();
        const char *menu = storage[storage.size() - 2].constData();
        const char *name = storage.constLast().constData();
        items.append({menu, name, name});
    }
    return items;
}

QString show(const QList<Entry> &entries)
{
    QStringList words;
    for (const Entry &e : entries) {
        const QString name = e.name == menutree::RegistryItems ? QStringLiteral("*")
                             : e.name                          ? QString::fromUtf8(e.name)
                                                               : QStringLiteral("-");
        words << QStringLiteral("%1:%2").arg(e.depth).arg(name);
    }
    return words.join(u' ');
}

} // namespace

class TestMenuTree : public QObject
{
    Q_OBJECT
private slots:
    void placeItems_data()
    {
        QTest::addColumn<QString>("tree");
        QTest::addColumn<QString>("items");
        QTest::addColumn<QString>("expected");
        QTest::newRow("at the mark") << "0:Edit 1:Undo 1:- 1:* 1:- 1:Case"
                                     << "Edit:Find Edit:Replace"
                                     << "0:Edit 1:Undo 1:- 1:Find 1:Replace 1:- 1:Case";
        QTest::newRow("at the end") << "0:Help 1:Manual 0:View 1:Bar"
                                    << "Help:About"
                                    << "0:Help 1:Manual 1:About 0:View 1:Bar";
        QTest::newRow("end of the last menu") << "0:File 1:Open 0:Help 1:Manual"
                                              << "Help:About"
                                              << "0:File 1:Open 0:Help 1:Manual 1:About";
        QTest::newRow("a submenu of marks only")
            << "0:Tools 1:AM 2:* 1:NZ 2:* 0:View"
            << "NZ:Table AM:Anchor AM:Marquee"
            << "0:Tools 1:AM 2:Anchor 2:Marquee 1:NZ 2:Table 0:View";
        QTest::newRow("an empty menu on the bar") << "0:Window 0:Help 1:Manual"
                                                  << "Window:Tile"
                                                  << "0:Window 1:Tile 0:Help 1:Manual";
        QTest::newRow("a deeper menu ends first") << "0:Edit 1:Sub 2:Deep 1:Last"
                                                  << "Sub:Inner Edit:Outer"
                                                  << "0:Edit 1:Sub 2:Deep 2:Inner 1:Last 1:Outer";
        QTest::newRow("no items: the mark goes") << "0:Edit 1:Undo 1:*"
                                                 << ""
                                                 << "0:Edit 1:Undo";
        QTest::newRow("a menu not in the tree") << "0:Edit 1:Undo"
                                                << "Nowhere:Lost"
                                                << "0:Edit 1:Undo";
        QTest::newRow("items are not menus") << "0:Edit 1:Undo"
                                             << "Undo:Inside"
                                             << "0:Edit 1:Undo";
    }
    void placeItems()
    {
        QFETCH(QString, tree);
        QFETCH(QString, items);
        QFETCH(QString, expected);
        QList<QByteArray> storage;
        const QList<Entry> entries = parseTree(tree, storage);
        const QList<Item> placed = parseItems(items, storage);
        QCOMPARE(show(menutree::placeItems(entries, placed)), expected);
    }

    void everyMarkSitsInAMenu()
    {
        // A mark at depth 0 would have no menu to fill.
        for (const QList<Entry> *tree : {&menutree::menuBar(), &menutree::popupMenus()}) {
            for (const Entry &e : *tree)
                QVERIFY(e.name != menutree::RegistryItems || e.depth > 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestMenuTree)
#include "test_menutree.moc"
