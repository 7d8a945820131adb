// SPDX-License-Identifier: GPL-3.0-or-later
// The contrast shown beside text and background colours, window by window:
// #777777 on white reads 4.48:1 and fails AA, and the figure and its marks
// follow the colour as it changes to black (21:1, AA and AAA passed).

#include "builders/fontwizard.h"
#include "builders/tablebuilder.h"
#include "generators/quickstart.h"
#include "generators/quickstartstyle.h"
#include "kernel/colour.h"
#include "shell/settingsdialog.h"
#include "support/fakeworkbench.h"
#include "support/gui.h"
#include "widgets/contrastbadge.h"

#include <functional>
#include <memory>
#include <QCheckBox>
#include <QtTest>

namespace {

const qint64 Grey = colour::fromRgb(0x777777);
const qint64 Black = colour::fromRgb(0x000000);

struct Window
{
    const char *badge;
    std::function<QWidget *(FakeWorkbench &)> open;
    // Makes the text colour the one given.
    std::function<void(FakeWorkbench &, QWidget *, qint64)> setText;
};

// Chooses a colour through the window's button of that name.
void chooseColour(FakeWorkbench &bench, QWidget *window, const char *button, qint64 colour)
{
    bench.scripted.answerColour(colour);
    // Pressed as the keyboard does: some sit on pages not in view.
    auto *b = window->findChild<QAbstractButton *>(QLatin1String(button));
    QVERIFY2(b, button);
    b->click();
}

const QHash<QString, Window> &windows()
{
    static const QHash<QString, Window> table{
        {"QuickStart",
         {"Contrast1",
          [](FakeWorkbench &b) {
              auto *w = gui::open<QuickStartDialog>(b);
              gui::type(w, "Combo4", "WHITE"); // the background
              return w;
          },
          [](FakeWorkbench &, QWidget *w, qint64 c) { gui::type(w, "Combo1", colour::html(c)); }}},
        {"QuickStart with style sheets",
         {"Contrast1",
          [](FakeWorkbench &b) {
              auto *w = gui::open<QuickStartStyleDialog>(b);
              chooseColour(b, w, "Command11", colour::fromRgb(0xFFFFFF)); // the background
              return w;
          },
          [](FakeWorkbench &b, QWidget *w, qint64 c) {
              b.scripted.answerFont(QFont());
              chooseColour(b, w, "Command1", c); // the body text's font, then its colour
          }}},
        {"Table Builder",
         {"Contrast1",
          [](FakeWorkbench &b) {
              auto *w = gui::open<TableBuilder>(b);
              // Text Color on; the cells stay transparent (white).
              w->findChild<QAbstractButton *>("Check4")->click();
              return w;
          },
          [](FakeWorkbench &b, QWidget *w, qint64 c) { chooseColour(b, w, "Command1", c); }}},
        {"Font Wizard",
         {"Contrast1",
          [](FakeWorkbench &b) {
              // The page's own background counts.
              b.editor->setDocumentText("<HTML><BODY BGCOLOR=\"#FFFFFF\">text</BODY></HTML>");
              return gui::open<FontWizard>(b);
          },
          [](FakeWorkbench &, QWidget *w, qint64 c) { gui::type(w, "Combo3", colour::html(c)); }}},
        {"Options",
         {"Contrast_0",
          [](FakeWorkbench &b) {
              b.appState.colors[TablesColor] = Grey;
              auto *w = new SettingsDialog(b);
              w->setAttribute(Qt::WA_DeleteOnClose);
              w->show();
              return w;
          },
          [](FakeWorkbench &b, QWidget *w, qint64 c) { chooseColour(b, w, "Command2_0", c); }}},
    };
    return table;
}

} // namespace

class TestContrast : public QObject
{
    Q_OBJECT
private slots:
    void marksFollowTheColours_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *name : {"QuickStart", "QuickStart with style sheets", "Table Builder",
                                 "Font Wizard", "Options"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void marksFollowTheColours()
    {
        QFETCH(QString, window);
        const Window &w = windows()[window];
        FakeWorkbench bench;
        QWidget *opened = w.open(bench);
        QVERIFY(opened);
        std::unique_ptr<QWidget> closer(opened);
        auto *badge = opened->findChild<ContrastBadge *>(QLatin1String(w.badge));
        QVERIFY(badge);
        QVERIFY(!badge->accessibleName().isEmpty());

        w.setText(bench, opened, Grey);
        QCOMPARE(QString::number(badge->ratio(), 'f', 2), QStringLiteral("4.48"));
        QVERIFY(!badge->passesAA());
        QVERIFY(!badge->passesAAA());
        QVERIFY2(badge->text().startsWith(QLatin1String("4.48:1")), qPrintable(badge->text()));
        QVERIFY2(badge->accessibleName().contains(QLatin1String("AA failed")),
                 qPrintable(badge->accessibleName()));

        w.setText(bench, opened, Black);
        QCOMPARE(badge->ratio(), 21.0);
        QVERIFY(badge->passesAA());
        QVERIFY(badge->passesAAA());
        QVERIFY2(badge->accessibleName().contains(QLatin1String("AAA passed")),
                 qPrintable(badge->accessibleName()));
        QCOMPARE(bench.scripted.unexpected, 0);
    }

    void pageBackground()
    {
        // Black text on a page whose BODY is black: nothing to read.
        FakeWorkbench bench;
        bench.editor->setDocumentText("<BODY TEXT=WHITE BGCOLOR=BLACK>");
        auto *wizard = gui::open<FontWizard>(bench);
        std::unique_ptr<QWidget> closer(wizard);
        gui::type(wizard, "Combo3", "BLACK");
        auto *badge = wizard->findChild<ContrastBadge *>(QStringLiteral("Contrast1"));
        QVERIFY(badge);
        QCOMPARE(badge->ratio(), 1.0);
        gui::type(wizard, "Combo3", "");
        QCOMPARE(badge->ratio(), 0.0);
        QVERIFY(badge->text().isEmpty());
    }
};

QTEST_MAIN(TestContrast)
#include "test_contrast.moc"
