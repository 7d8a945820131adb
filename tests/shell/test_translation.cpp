// SPDX-License-Identifier: GPL-3.0-or-later
// With a pseudo-translation installed (every text lupdate finds in the
// sources, marked), no window shows a caption that did not go through the
// translator.

#include "platform/translations.h"
#include "shell/builderregistry.h"
#include "shell/mainwindow.h"
#include "shell/settingsdialog.h"
#include "support/fakeworkbench.h"
#include "support/gui.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QTabBar>
#include <QtTest>

namespace {

// What the pseudo-translation puts before every text.
const QString Marker = QStringLiteral("‹");

// Texts made only of digits, signs and spaces, and the tags, colour values
// and paths shown as they are, are the same in every language.
bool hasWords(const QString &text)
{
    if (text.startsWith(QLatin1Char('<')) || text.startsWith(QLatin1Char('#')) ||
        text.startsWith(QLatin1Char('/')))
        return false;
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// Parts whose texts are not the program's: Qt's own buttons (Qt translates
// them) and the custom buttons, which show the user's own captions.
bool notOurs(const QWidget *w)
{
    return w->objectName().startsWith(QLatin1String("qt_")) ||
           w->objectName().startsWith(QLatin1String("Command84_")) ||
           qobject_cast<const QTabBar *>(w->parentWidget());
}

// The captions, titles, tips and accessible names the window shows that
// are not marked: "class objectName: text".
QStringList untranslated(QWidget *window)
{
    QStringList found;
    auto check = [&found](const QObject *o, const QString &text) {
        if (hasWords(text) && !text.startsWith(Marker))
            found << QStringLiteral("%1 %2: %3")
                         .arg(QLatin1String(o->metaObject()->className()), o->objectName(), text);
    };
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (QWidget *w : widgets) {
        if (notOurs(w))
            continue;
        if (w->isWindow())
            check(w, w->windowTitle());
        check(w, w->toolTip());
        check(w, w->accessibleName());
        if (auto *label = qobject_cast<QLabel *>(w))
            check(w, label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            check(w, button->text());
        if (auto *group = qobject_cast<QGroupBox *>(w))
            check(w, group->title());
        if (auto *tabs = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                check(w, tabs->tabText(i));
                check(w, tabs->tabToolTip(i));
            }
        }
    }
    for (QAction *a : window->findChildren<QAction *>()) {
        check(a, a->text());
        check(a, a->toolTip());
        check(a, a->statusTip());
    }
    return found;
}

} // namespace

class TestTranslation : public QObject
{
    Q_OBJECT

private slots:
    // Runs first: the windows below are shown in the pseudo-language.
    void installsTheLocalesTranslation_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("found");
        const QString pseudo = QStringLiteral(LORIMEL_PSEUDO_DIR);
        QTest::newRow("none for that language") << "de_DE" << pseudo << false;
        QTest::newRow("no such folder") << "eo" << pseudo + "/missing" << false;
        QTest::newRow("installed") << "eo" << pseudo << true;
    }
    void installsTheLocalesTranslation()
    {
        QFETCH(QString, locale);
        QFETCH(QString, folder);
        QFETCH(bool, found);
        QCOMPARE(translations::install(QLocale(locale), folder), found);
        QCOMPARE(QCoreApplication::translate("formkit", "&OK").startsWith(Marker), found);
    }

    void showsNoUntranslatedCaption_data()
    {
        QTest::addColumn<QString>("builder");
        QTest::newRow("main window") << QString();
        QTest::newRow("settings") << QStringLiteral("settings");
        for (const registry::BuilderRow &row : registry::rows()) {
            // Its labels show a file's own name, size and date.
            if (row.id != QLatin1String("FileProperties"))
                QTest::newRow(qPrintable(row.id)) << row.id;
        }
    }
    void showsNoUntranslatedCaption()
    {
        QFETCH(QString, builder);
        FakeWorkbench bench;
        std::unique_ptr<QWidget> owned;
        QWidget *window;
        if (builder.isEmpty()) {
            owned = std::make_unique<MainWindow>(bench.store, bench.scripted, false);
            owned->show();
            window = owned.get();
        } else if (builder == QLatin1String("settings")) {
            owned = std::make_unique<SettingsDialog>(bench);
            window = owned.get();
        } else {
            window = registry::find(builder)->open(bench, QString());
        }
        QVERIFY(window);
        const QStringList found = untranslated(window);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestTranslation)
#include "test_translation.moc"
