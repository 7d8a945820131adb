// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/htmleditor.h"
#include "editor/insertion.h"
#include "shell/settingsdialog.h"
#include "shell/sidebar.h"
#include "support/fakeworkbench.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryFile>
#include <QtTest>

namespace {

const QString App = QStringLiteral("Lorimel3");

class Bench : public FakeWorkbench
{
public:
    SettingsStore *otherStore = nullptr;
    SettingsStore &settings() override { return otherStore ? *otherStore : store; }
};

template <typename T> T *child(QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// Every key stored under an application name, as the INI file holds them.
QStringList storedKeys(SettingsStore &store, const QString &app)
{
    store.sync();
    QSettings file(store.fileName(app), QSettings::IniFormat);
    return file.allKeys();
}

} // namespace

class TestSettingsDialog : public QObject
{
    Q_OBJECT
    std::unique_ptr<Bench> bench;
    std::unique_ptr<SettingsDialog> dialog;

    void open()
    {
        dialog = std::make_unique<SettingsDialog>(*bench);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }
    void pressOk() { child<QPushButton>(dialog.get(), "cmdOK")->click(); }
    QString stored(const QString &section, const QString &key)
    {
        return bench->store.get(App, section, key, QStringLiteral("<missing>"));
    }

private slots:
    void init()
    {
        bench = std::make_unique<Bench>();
        bench->editor->setDocumentText(QStringLiteral("<B>bold</B> text"));
    }

    void cleanup()
    {
        QCOMPARE(bench->scripted.unexpected, 0);
        dialog.reset();
        bench.reset();
    }

    void loadsTheRunningProgram()
    {
        // The stored values differ: the dialog must show the running ones.
        bench->store.save(App, QStringLiteral("Settings"), QStringLiteral("Browser"),
                          QStringLiteral("/stored/browser"));
        AppState &s = bench->appState;
        s.browser = QStringLiteral("/usr/bin/firefox");
        s.colors = {1, 2, 3, 4, 5};
        s.colouringOff = true;
        s.imageTypes = QStringList{QStringLiteral(".gif")};
        s.customTags = QStringList{QStringLiteral("<BLINK>")};
        s.customCaptions[5] = QStringLiteral("Last");
        s.customTexts[5] = QStringLiteral("<HR>");
        s.ftpUrl = QStringLiteral("ftp.example.org");
        s.ftpUserName = QStringLiteral("me");
        s.ftpPassword = QStringLiteral("secret");
        bench->editor->setTextFont(QStringLiteral("Arial"), 12.5);
        open();

        QCOMPARE(dialog->objectName(), QStringLiteral("Form21"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Options"));
        QCOMPARE(dialog->parentWidget(), &bench->main);
        QCOMPARE(child<QLineEdit>(dialog.get(), "Text1")->text(), s.browser);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(dialog->swatchColour(i), qint64(i + 1));
        QVERIFY(child<QCheckBox>(dialog.get(), "chkOnOff")->isChecked());
        QCOMPARE(child<QComboBox>(dialog.get(), "Combo1")->currentText(), QStringLiteral("12.5"));
        QCOMPARE(child<QListWidget>(dialog.get(), "List1")->item(0)->text(),
                 QStringLiteral(".gif"));
        QCOMPARE(child<QListWidget>(dialog.get(), "List2")->item(0)->text(),
                 QStringLiteral("<BLINK>"));
        auto *grid = child<QTableWidget>(dialog.get(), "Grid1");
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("Custom1"));
        QCOMPARE(grid->item(5, 0)->text(), QStringLiteral("Last"));
        QCOMPARE(grid->item(5, 1)->text(), QStringLiteral("<HR>"));
        QCOMPARE(child<QLineEdit>(dialog.get(), "Text5")->text(), s.ftpUrl);
        QCOMPARE(child<QLineEdit>(dialog.get(), "Text6")->text(), s.ftpUserName);
        auto *password = child<QLineEdit>(dialog.get(), "Text7");
        QCOMPARE(password->text(), s.ftpPassword);
        QCOMPARE(password->echoMode(), QLineEdit::Password);
    }

    void disableColorCoding()
    {
        bench->appState.colourLength = 0;
        insertion::smartcolor(*bench->editor, bench->appState);
        QVERIFY(bench->editor->colorAt(0) != 0);
        bench->editor->select(3, 4);
        open();
        child<QCheckBox>(dialog.get(), "chkOnOff")->setChecked(true);
        pressOk();

        QVERIFY(bench->appState.colouringOff);
        QCOMPARE(stored(QStringLiteral("Colors"), QStringLiteral("OnOff")), QStringLiteral("1"));
        for (qsizetype i = 0; i < bench->editor->characterLength(); ++i)
            QCOMPARE(bench->editor->colorAt(i), 0);
        QCOMPARE(bench->editor->selStart(), 3);
        QCOMPARE(bench->editor->selLength(), 4);
        // Later insertions stay black.
        bench->editor->setSelStart(0);
        bench->insertFragment(QStringLiteral("<TABLE></TABLE>"));
        QCOMPARE(bench->editor->colorAt(1), 0);

        // Unticking does not recolour until SmartColor runs.
        open();
        child<QCheckBox>(dialog.get(), "chkOnOff")->setChecked(false);
        pressOk();
        QVERIFY(!bench->appState.colouringOff);
        QCOMPARE(stored(QStringLiteral("Colors"), QStringLiteral("OnOff")), QStringLiteral("0"));
        QCOMPARE(bench->editor->colorAt(1), 0);
    }

    // The preview's refresh while typing: shown as the program has it,
    // stored on OK and read back at the next start.
    void livePreview_data()
    {
        QTest::addColumn<bool>("live");
        QTest::newRow("switched off") << false;
        QTest::newRow("switched on") << true;
    }
    void livePreview()
    {
        QFETCH(bool, live);
        bench->appState.livePreview = !live;
        open();
        auto *box = child<QCheckBox>(dialog.get(), "chkLivePreview");
        QCOMPARE(box->isChecked(), !live);
        box->setChecked(live);
        pressOk();
        QCOMPARE(bench->appState.livePreview, live);
        AppState next;
        next.loadPreferences(bench->store, QStringLiteral("/program"));
        QCOMPARE(next.livePreview, live);
    }

    // Spelling as one types, and its dictionary: the page's or a chosen one.
    void spelling_data()
    {
        QTest::addColumn<bool>("live");
        QTest::addColumn<QString>("language");
        QTest::newRow("off, the page's language") << false << QString();
        QTest::newRow("on, a chosen dictionary") << true << QStringLiteral("en_US");
    }
    void spelling()
    {
        QFETCH(bool, live);
        QFETCH(QString, language);
        bench->appState.spellCheck = !live;
        bench->appState.spellLanguage = QStringLiteral("zz_ZZ"); // no longer installed
        open();
        auto *box = child<QCheckBox>(dialog.get(), "chkSpellCheck");
        auto *combo = child<QComboBox>(dialog.get(), "cboSpellLanguage");
        QCOMPARE(box->isChecked(), !live);
        QCOMPARE(combo->currentText(), QStringLiteral("zz_ZZ"));
        box->setChecked(live);
        const int index = combo->findData(language);
        QVERIFY2(index >= 0, "hunspell-en-us is missing (scripts/setup installs it)");
        combo->setCurrentIndex(index);
        pressOk();
        QCOMPARE(bench->appState.spellCheck, live);
        QCOMPARE(bench->appState.spellLanguage, language);
        AppState next;
        next.loadPreferences(bench->store, QStringLiteral("/program"));
        QCOMPARE(next.spellCheck, live);
        QCOMPARE(next.spellLanguage, language);
    }

    // The writing aids' settings: end tags while typing and the case of
    // tags written, shown as the program has them, stored on OK and read
    // back at the next start.
    void writingAids_data()
    {
        QTest::addColumn<bool>("autoClose");
        QTest::addColumn<bool>("upper");
        QTest::newRow("off, lower case") << false << false;
        QTest::newRow("on, capitals") << true << true;
    }
    void writingAids()
    {
        QFETCH(bool, autoClose);
        QFETCH(bool, upper);
        bench->appState.autoClose = !autoClose;
        bench->appState.upperCaseTags = !upper;
        open();
        auto *box = child<QCheckBox>(dialog.get(), "chkAutoClose");
        auto *tagCase = child<QComboBox>(dialog.get(), "cboTagCase");
        QCOMPARE(box->isChecked(), !autoClose);
        QCOMPARE(tagCase->currentIndex(), upper ? 1 : 0);
        QVERIFY(!tagCase->accessibleName().isEmpty());
        box->setChecked(autoClose);
        tagCase->setCurrentIndex(upper ? 0 : 1);
        pressOk();
        QCOMPARE(bench->appState.autoClose, autoClose);
        QCOMPARE(bench->appState.upperCaseTags, upper);
        AppState next;
        next.loadPreferences(bench->store, QStringLiteral("/program"));
        QCOMPARE(next.autoClose, autoClose);
        QCOMPARE(next.upperCaseTags, upper);
    }

    void colours()
    {
        bench->appState.colourLength = 0;
        insertion::smartcolor(*bench->editor, bench->appState);
        const qint64 before = bench->editor->colorAt(1);
        QCOMPARE(before, AppState::defaultColors()[OtherColor]);
        open();
        bench->scripted.answerColour(255);
        bench->scripted.answerCancel();
        child<QPushButton>(dialog.get(), "Command2_4")->click(); // Other Tags
        child<QPushButton>(dialog.get(), "Command2_0")->click(); // Tables, cancelled
        QCOMPARE(dialog->swatchColour(4), 255);
        QCOMPARE(dialog->swatchColour(0), AppState::defaultColors()[TablesColor]);
        pressOk();
        QCOMPARE(stored(QStringLiteral("Colors"), QStringLiteral("Other")), QStringLiteral("255"));
        QCOMPARE(stored(QStringLiteral("Colors"), QStringLiteral("Tables")),
                 QString::number(AppState::defaultColors()[TablesColor]));
        QCOMPARE(bench->appState.colors[OtherColor], 255);
        // Documents keep their colours until the next SmartColor run.
        QCOMPARE(bench->editor->colorAt(1), before);
        insertion::smartcolor(*bench->editor, bench->appState);
        QCOMPARE(bench->editor->colorAt(1), 255);
    }

    void browserAndFtp()
    {
        open();
        auto *text = child<QLineEdit>(dialog.get(), "Text1");
        QCOMPARE(text->text(), QStringLiteral("None"));
        bench->scripted.answer(QStringLiteral("/usr/bin/firefox"));
        bench->scripted.answerCancel();
        auto *choose = child<QPushButton>(dialog.get(), "Command1");
        QCOMPARE(choose->text(), QStringLiteral("Choose"));
        choose->click();
        choose->click(); // cancelled: the path stays
        QCOMPARE(text->text(), QStringLiteral("/usr/bin/firefox"));
        QCOMPARE(bench->scripted.asked.first().filter,
                 QStringLiteral("Executable Files (*.EXE)|*.EXE"));
        QCOMPARE(bench->scripted.asked.first().folder, QStringLiteral("/usr/bin"));
        child<QLineEdit>(dialog.get(), "Text5")->setText(QStringLiteral("ftp.example.org/www"));
        child<QLineEdit>(dialog.get(), "Text6")->setText(QStringLiteral("user"));
        child<QLineEdit>(dialog.get(), "Text7")->setText(QStringLiteral("pa ss"));
        pressOk();
        QCOMPARE(stored(QStringLiteral("Direct"), QStringLiteral("FTPURL")),
                 QStringLiteral("ftp.example.org/www"));
        QCOMPARE(stored(QStringLiteral("Direct"), QStringLiteral("FTPUserName")),
                 QStringLiteral("user"));
        QCOMPARE(stored(QStringLiteral("Direct"), QStringLiteral("FTPPassword")),
                 QStringLiteral("pa ss"));
        QCOMPARE(bench->appState.ftpPassword, QStringLiteral("pa ss"));
        QCOMPARE(stored(QStringLiteral("Settings"), QStringLiteral("Browser")),
                 QStringLiteral("/usr/bin/firefox"));
        QCOMPARE(bench->appState.browser, QStringLiteral("/usr/bin/firefox"));
        QCOMPARE(bench->preferencesChangedCount, 1);
    }

    void fontSize_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("storedSize");
        QTest::addColumn<double>("editorSize");
        QTest::newRow("item") << "14"
                              << "14" << 14.0;
        QTest::newRow("fraction with unit") << "10.5pt"
                                            << "10.5" << 10.5;
        QTest::newRow("not a number") << "big"
                                      << "0" << 9.0;
        QTest::newRow("empty") << ""
                               << "0" << 9.0;
        QTest::newRow("negative") << "-4"
                                  << "-4" << 9.0;
    }

    void fontSize()
    {
        QFETCH(QString, typed);
        QFETCH(QString, storedSize);
        QFETCH(double, editorSize);
        bench->editor->setTextFont(QStringLiteral("Arial"), 9);
        bench->editor->select(4, 3);
        open();
        auto *combo = child<QComboBox>(dialog.get(), "Combo1");
        QCOMPARE(combo->count(), 6);
        combo->setEditText(typed);
        pressOk();
        QCOMPARE(stored(QStringLiteral("Settings"), QStringLiteral("Fontsize")), storedSize);
        QCOMPARE(bench->editor->textFontSize(), editorSize);
        QCOMPARE(bench->editor->textFontFamily(), QStringLiteral("Arial"));
        QCOMPARE(bench->appState.fontSizeText, typed);
        QCOMPARE(bench->editor->selStart(), 4);
        QCOMPARE(bench->editor->selLength(), 3);
    }

    void imageTypes()
    {
        bench->store.save(App, QStringLiteral("Graphics"), QStringLiteral("7"),
                          QStringLiteral(".old"));
        open();
        auto *list = child<QListWidget>(dialog.get(), "List1");
        auto *remove = child<QPushButton>(dialog.get(), "Command4");
        QCOMPARE(list->count(), 5);
        remove->click(); // nothing selected
        QCOMPARE(list->count(), 5);
        while (list->count() > 0) {
            list->setCurrentRow(0);
            remove->click();
        }
        pressOk();
        QCOMPARE(stored(QStringLiteral("Graphics"), QStringLiteral("Count")), QStringLiteral("0"));
        QVERIFY(bench->appState.imageTypes.isEmpty());
        QVERIFY(!bench->store.contains(App, QStringLiteral("Graphics"), QStringLiteral("7")));
        // The next start reads an empty list, not the built-in one.
        AppState next;
        next.loadPreferences(bench->store, QStringLiteral("/"));
        QVERIFY(next.imageTypes.isEmpty());
    }

    void addingListItems()
    {
        open();
        auto *types = child<QListWidget>(dialog.get(), "List1");
        auto *typeText = child<QLineEdit>(dialog.get(), "Text2");
        typeText->setText(QStringLiteral(".svg"));
        child<QPushButton>(dialog.get(), "Command3")->click();
        typeText->setText(QStringLiteral("  "));
        child<QPushButton>(dialog.get(), "Command3")->click(); // blank: not added
        QCOMPARE(types->count(), 6);

        auto *tags = child<QListWidget>(dialog.get(), "List2");
        auto *tagText = child<QLineEdit>(dialog.get(), "Text4");
        for (const char *tag : {"<A>", "<B>", "<C>"}) {
            tagText->setText(QLatin1String(tag));
            child<QPushButton>(dialog.get(), "Command5")->click();
        }
        tags->setCurrentRow(1);
        child<QPushButton>(dialog.get(), "Command6")->click();
        pressOk();

        QCOMPARE(bench->appState.imageTypes.last(), QStringLiteral(".svg"));
        QCOMPARE(stored(QStringLiteral("Graphics"), QStringLiteral("Count")), QStringLiteral("6"));
        QCOMPARE(stored(QStringLiteral("Graphics"), QStringLiteral("5")), QStringLiteral(".svg"));
        QCOMPARE(bench->appState.customTags, (QStringList{"<A>", "<C>"}));
        QCOMPARE(stored(QStringLiteral("CustomTags"), QStringLiteral("Count")),
                 QStringLiteral("2"));
        QCOMPARE(stored(QStringLiteral("CustomTags"), QStringLiteral("1")), QStringLiteral("<C>"));
    }

    void customButton()
    {
        open();
        dialog->showTab(2);
        auto *grid = child<QTableWidget>(dialog.get(), "Grid1");
        auto *editor = child<QLineEdit>(dialog.get(), "Text3");
        auto clickCell = [&](int row, int column) {
            const QRect rect = grid->visualRect(grid->model()->index(row, column));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
        };
        clickCell(0, 0);
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->text(), QStringLiteral("Custom1"));
        QCOMPARE(editor->selectedText(), QStringLiteral("Custom1")); // typing replaces it
        QCOMPARE(editor->geometry(), grid->visualRect(grid->model()->index(0, 0)));
        QTest::keyClicks(editor, QStringLiteral("Heading"));
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("Heading"));
        clickCell(0, 1);
        QCOMPARE(editor->text(), QString());
        QTest::keyClicks(editor, QStringLiteral("<H1>"));
        pressOk();

        QCOMPARE(stored(QStringLiteral("Custom"), QStringLiteral("00")), QStringLiteral("Heading"));
        QCOMPARE(stored(QStringLiteral("Custom"), QStringLiteral("10")), QStringLiteral("<H1>"));
        QCOMPARE(stored(QStringLiteral("Custom"), QStringLiteral("05")), QStringLiteral("Custom6"));
        QCOMPARE(bench->appState.customCaptions[0], QStringLiteral("Heading"));
        QCOMPARE(bench->preferencesChangedCount, 1);

        bench->editor->setDocumentText(QStringLiteral("x"));
        bench->editor->select(0, 1);
        sidebar::pressCustomButton(*bench, 0);
        QCOMPARE(bench->editor->documentText(), QStringLiteral("<H1>"));
    }

    // The editor lies over the current cell, so clicks land in it; each
    // must select the text as a click on another cell does.
    void everyClickOnACellSelectsItsText()
    {
        open();
        dialog->showTab(3);
        QTest::keyClicks(child<QLineEdit>(dialog.get(), "Text5"), QStringLiteral("ftp"));
        dialog->showTab(2);
        auto *grid = child<QTableWidget>(dialog.get(), "Grid1");
        auto *editor = child<QLineEdit>(dialog.get(), "Text3");
        // Two clicks, each on whatever lies over the cell's right end.
        for (int i = 0; i < 2; ++i) {
            const QRect cell = grid->visualRect(grid->model()->index(0, 0));
            const QPoint at(cell.right() - 4, cell.center().y());
            QWidget *under = grid->viewport()->childAt(at);
            if (under)
                QTest::mouseClick(under, Qt::LeftButton, {}, under->mapFrom(grid->viewport(), at));
            else
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
            QCOMPARE(editor->selectedText(), i == 0 ? QStringLiteral("Custom1") : QString("X"));
            QTest::keyClicks(editor, i == 0 ? QStringLiteral("X") : QStringLiteral("Head"));
        }
        QCOMPARE(child<QTableWidget>(dialog.get(), "Grid1")->item(0, 0)->text(),
                 QStringLiteral("Head"));
    }

    void purge()
    {
        SettingsStore &store = bench->store;
        store.save(App, QStringLiteral("Settings"), QStringLiteral("Browser"),
                   QStringLiteral("/b"));
        store.save(App, QStringLiteral("Startup"), QStringLiteral("ShowStart"),
                   QStringLiteral("no"));
        store.save(App, QStringLiteral("Direct"), QStringLiteral("Director"), QStringLiteral("/x"));
        store.save(QStringLiteral("LM3"), QStringLiteral("Extras"), QStringLiteral("UseIE"),
                   QStringLiteral("Yes"));
        bench->appState.browser = QStringLiteral("/b");
        bench->appState.colors = {1, 2, 3, 4, 5};
        bench->appState.ftpUrl = QStringLiteral("kept");
        bench->appState.livePreview = false;
        bench->appState.autoClose = false;
        bench->appState.upperCaseTags = false;
        bench->editor->setTextFont(QStringLiteral("Arial"), 14);
        open();
        child<QLineEdit>(dialog.get(), "Text1")->setText(QStringLiteral("/not/saved"));
        child<QCheckBox>(dialog.get(), "Check1")->setChecked(true);
        pressOk();

        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(bench->scripted.messages(), QStringList{QStringLiteral("Please Restart Program")});
        QVERIFY(storedKeys(store, App).isEmpty());
        QCOMPARE(storedKeys(store, QStringLiteral("LM3")).size(), 1);
        QCOMPARE(bench->appState.browser, QStringLiteral("None"));
        QCOMPARE(bench->appState.colors, AppState::defaultColors());
        QVERIFY(bench->appState.livePreview);
        QVERIFY(bench->appState.autoClose);
        QVERIFY(bench->appState.upperCaseTags);
        QCOMPARE(bench->editor->textFontSize(), 8.5);
        QCOMPARE(bench->appState.ftpUrl, QStringLiteral("kept"));
        QCOMPARE(bench->preferencesChangedCount, 1);

        // A fresh start reads the defaults again.
        AppState next;
        next.loadPreferences(store, QStringLiteral("/program"));
        QCOMPARE(next.browser, QStringLiteral("None"));
        QCOMPARE(next.colors, AppState::defaultColors());
        QCOMPARE(next.siteDirectory, QStringLiteral("/program"));
    }

    void cancelStoresNothing()
    {
        bench->store.save(App, QStringLiteral("Settings"), QStringLiteral("Browser"),
                          QStringLiteral("/stored"));
        open();
        child<QLineEdit>(dialog.get(), "Text1")->setText(QStringLiteral("/other"));
        child<QCheckBox>(dialog.get(), "chkOnOff")->setChecked(true);
        child<QCheckBox>(dialog.get(), "Check1")->setChecked(true);
        child<QComboBox>(dialog.get(), "Combo1")->setEditText(QStringLiteral("20"));
        child<QLineEdit>(dialog.get(), "Text5")->setText(QStringLiteral("ftp"));
        child<QPushButton>(dialog.get(), "cmdCancel")->click();

        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(storedKeys(bench->store, App), QStringList{QStringLiteral("Settings/Browser")});
        QCOMPARE(stored(QStringLiteral("Settings"), QStringLiteral("Browser")),
                 QStringLiteral("/stored"));
        QCOMPARE(bench->appState.browser, QStringLiteral("None"));
        QVERIFY(!bench->appState.colouringOff);
        QVERIFY(bench->appState.ftpUrl.isEmpty());
        QCOMPARE(bench->editor->textFontSize(), 8.5);
        QCOMPARE(bench->preferencesChangedCount, 0);
        QVERIFY(bench->scripted.asked.isEmpty());
    }

    void withoutDocument()
    {
        HtmlEditor *editor = bench->editor;
        bench->editor = nullptr;
        bench->appState.fontSizeText = QStringLiteral("11");
        open();
        QCOMPARE(child<QComboBox>(dialog.get(), "Combo1")->currentText(), QStringLiteral("11"));
        child<QCheckBox>(dialog.get(), "chkOnOff")->setChecked(true);
        pressOk();
        QCOMPARE(stored(QStringLiteral("Settings"), QStringLiteral("Fontsize")),
                 QStringLiteral("11"));
        QVERIFY(bench->appState.colouringOff);
        bench->editor = editor;
    }

    void unwritableStoreIsReported()
    {
        // A settings folder below a regular file cannot be created, root or not.
        QTemporaryFile file;
        QVERIFY(file.open());
        SettingsStore broken(file.fileName() + QStringLiteral("/config"));
        bench->otherStore = &broken;
        open();
        pressOk();
        QCOMPARE(bench->scripted.messages().size(), 1);
        QVERIFY(bench->scripted.messages().first().contains(QStringLiteral("cannot be written")));
    }

    void runIsModalOverTheMainWindow()
    {
        bench->main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bench->main));
        bool sawDialog = false;
        QTimer::singleShot(0, this, [&] {
            auto *modal = qobject_cast<SettingsDialog *>(QApplication::activeModalWidget());
            sawDialog = modal && modal->parentWidget() == &bench->main && modal->isModal();
            if (modal)
                modal->findChild<QPushButton *>(QStringLiteral("cmdCancel"))->click();
            else
                QApplication::activeModalWidget()->close();
        });
        QVERIFY(!SettingsDialog::run(*bench));
        QVERIFY(sawDialog);
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(bench->main.isEnabled());
    }
};

QTEST_MAIN(TestSettingsDialog)
#include "test_settingsdialog.moc"
