// SPDX-License-Identifier: GPL-3.0-or-later
#include "kernel/builderids.h"
#include "objects/appletdialog.h"
#include "objects/controlbrowser.h"
#include "objects/objectoptions.h"
#include "objects/parametersdialog.h"
#include "objects/premadescripts.h"
#include "objects/scriptdialog.h"
#include "objects/searchesdialog.h"
#include "support/fakeworkbench.h"
#include "support/gui.h"
#include "widgets/listgrid.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>

#include <sys/stat.h>

namespace {

// A Wine prefix whose registry holds three controls.
class Prefix
{
public:
    Prefix()
    {
        QFile reg(dir.filePath(QStringLiteral("system.reg")));
        if (reg.open(QIODevice::WriteOnly)) {
            reg.write("WINE REGISTRY Version 2\n\n"
                      "[Software\\\\Classes\\\\CLSID\\\\{0713E8A2-850A}] 1\n@=\"Progress Bar\"\n"
                      "[Software\\\\Classes\\\\CLSID\\\\{0713E8A2-850A}\\\\Control] 1\n"
                      "[Software\\\\Classes\\\\CLSID\\\\{8E27C92B-1264}] 1\n"
                      "@=\"Calendar Control\"\n"
                      "[Software\\\\Classes\\\\CLSID\\\\{8E27C92B-1264}\\\\Control] 1\n"
                      "[Software\\\\Classes\\\\CLSID\\\\{8E27C92B-1264}\\\\ProgID] 1\n"
                      "@=\"MSCAL.Calendar.7\"\n"
                      "[Software\\\\Classes\\\\CLSID\\\\{F0000000}] 1\n@=\"animation\"\n"
                      "[Software\\\\Classes\\\\CLSID\\\\{F0000000}\\\\Control] 1\n");
        }
        m_saved = qgetenv("WINEPREFIX");
        qputenv("WINEPREFIX", dir.path().toLocal8Bit());
    }
    ~Prefix()
    {
        if (m_saved.isNull())
            qunsetenv("WINEPREFIX");
        else
            qputenv("WINEPREFIX", m_saved);
    }
    QTemporaryDir dir;

private:
    QByteArray m_saved;
};

// The registry is read off the GUI thread; true once the list is filled.
bool waitForControls(ControlBrowser *browser)
{
    QSignalSpy loaded(browser, &ControlBrowser::controlsLoaded);
    return !browser->isReading() || loaded.wait(60000);
}

void typeInCell(ListGrid *grid, int row, int column, const QString &text)
{
    QTableWidget *table = grid->table();
    const QRect rect = table->visualRect(table->model()->index(row, column));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::keyClicks(grid->editor(), text);
}

QStringList listTexts(const QListWidget *list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

} // namespace

class TestObjectDialogs : public QObject
{
    Q_OBJECT
private slots:
    void controlBrowserAndItsOptions()
    {
        Prefix prefix;
        FakeWorkbench wb;
        QPointer<ControlBrowser> browser = ControlBrowser::open(wb, wb.store);
        QVERIFY(QTest::qWaitForWindowExposed(browser));
        QVERIFY(waitForControls(browser));
        QCOMPARE(browser->objectName(), QStringLiteral("frmControls"));
        QCOMPARE(browser->windowTitle(), QStringLiteral("Pick Your ActiveX Control"));
        FIND(QListWidget, list, browser, "List1");
        QCOMPARE(listTexts(list), (QStringList{"animation", "Calendar Control", "Progress Bar"}));
        FIND(QLabel, about, browser, "lblAbout");
        QVERIFY(about->text().startsWith(
            QStringLiteral("Select controls (use Shift and Ctrl keys to multi-select)\n"
                           "Right-Click and choose Copy\n")));

        // Reading again shows the waiting caption first.
        QStringList captions;
        connect(browser, &QWidget::windowTitleChanged, this,
                [&captions](const QString &t) { captions << t; });
        browser->loadControls();
        QVERIFY(waitForControls(browser));
        QCOMPARE(captions,
                 (QStringList{"Reading Registry, please wait...", "Pick Your ActiveX Control"}));

        // The options: every change shows at once; Cancel reads the stored
        // ones back, OK stores them.
        ObjectOptionsDialog *options = browser->optionsDialog();
        list->item(1)->setSelected(true);
        browser->findChild<QAction *>(QStringLiteral("mnuOptionsItem"))->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(options));
        FIND(QPlainTextEdit, preview, options, "txtPreview");
        QVERIFY(preview->toPlainText().startsWith(QStringLiteral("<OBJECT\n\tID=\"Calendar")));
        gui::click(options, "optMixed");
        gui::type(options, "txtWidth", QStringLiteral("12abc"));
        QVERIFY(preview->toPlainText().contains(QStringLiteral("\tWidth=12\n")));
        gui::click(options, "cmdCancel");
        QVERIFY(!options->isVisible());
        QVERIFY(preview->toPlainText().contains(QStringLiteral("\tWIDTH=80\n")));
        QVERIFY(!wb.store.contains(SettingsStore::programApp(), "Options", "TagCase"));

        browser->showOptions();
        QCOMPARE(options->pos(), browser->pos());
        gui::click(options, "optSingle");
        gui::click(options, "optProgID");
        gui::click(options, "cmdOK");
        QVERIFY(!options->isVisible());
        QCOMPARE(wb.store.get(SettingsStore::programApp(), "Options", "Lines"),
                 QStringLiteral("False"));
        QCOMPARE(wb.store.get(SettingsStore::programApp(), "Options", "TagClassID"),
                 QStringLiteral("False"));

        // Copy: one tag per selected entry in list order, through the
        // insertion service, and the browser closes.
        list->item(2)->setSelected(true);
        QMenu *menu = browser->popupMenu();
        QCOMPARE(menu->actions().size(), 3);
        QVERIFY(menu->actions().at(1)->isSeparator());
        QTest::mouseClick(list->viewport(), Qt::RightButton, {},
                          list->visualItemRect(list->item(1)).center());
        QVERIFY(menu->isVisible());
        menu->actions().at(0)->trigger(); // "Copy"
        gui::flushDeletes();
        QVERIFY(!browser);
        QCOMPARE(
            wb.editor->documentText(),
            QStringLiteral("<!-- Begin Object Tag -->\r\n"
                           "<OBJECT ID=\"Calendar Control\" CLASSID=\"PROGID:MSCAL.Calendar.7\" "
                           "WIDTH=80 HEIGHT=30 ></OBJECT>\r\n"
                           "<OBJECT ID=\"Progress Bar\" CLASSID=\"CLSID:0713E8A2-850A\" "
                           "WIDTH=80 HEIGHT=30 ></OBJECT>\r\n"
                           "<!--End Object Tag -->"));
        QVERIFY(wb.main.isEnabled());
        QCOMPARE(wb.scripted.unexpected, 0);
    }

    void controlBrowserWithoutControls()
    {
        QTemporaryDir empty;
        const QByteArray saved = qgetenv("WINEPREFIX");
        qputenv("WINEPREFIX", empty.path().toLocal8Bit());
        FakeWorkbench wb;
        QPointer<ControlBrowser> browser = ControlBrowser::open(wb, wb.store);
        qputenv("WINEPREFIX", saved);
        QVERIFY(waitForControls(browser));
        FIND(QListWidget, list, browser, "List1");
        QCOMPARE(list->count(), 0);
        QCOMPARE(browser->optionsDialog()->previewText(),
                 QStringLiteral("No controls registered."));
        gui::click(browser, "cmdCancel");
        gui::flushDeletes();
        QVERIFY(!browser);
        QCOMPARE(wb.editor->documentText(), QString());
        QCOMPARE(wb.scripted.asked.size(), 0); // no Wine: nothing to say
    }

    // A pipe in the registry file's place is not waited on: the browser
    // opens empty and says why.
    void controlBrowserRegistryIsAPipe()
    {
        QTemporaryDir prefix;
        const QString registry = prefix.filePath(QStringLiteral("system.reg"));
        QVERIFY(mkfifo(QFile::encodeName(registry).constData(), 0600) == 0);
        FakeWorkbench wb;
        QPointer<ControlBrowser> browser = new ControlBrowser(wb, wb.store, registry);
        browser->show();
        browser->loadControls();
        QVERIFY(waitForControls(browser));
        QCOMPARE(browser->findChild<QListWidget *>(QStringLiteral("List1"))->count(), 0);
        QCOMPARE(wb.scripted.messages().size(), 1);
        QVERIFY(wb.scripted.messages().first().contains(registry));
        gui::click(browser, "cmdCancel");
        gui::flushDeletes();
        QVERIFY(!browser);
    }

    void javaApplet()
    {
        FakeWorkbench wb;
        QPointer<AppletDialog> dialog = gui::open<AppletDialog>(wb);
        QCOMPARE(dialog->objectName(), QStringLiteral("Form41"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Java Applet"));
        gui::type(dialog, "Text1", QStringLiteral("Clock.class"));
        gui::type(dialog, "Text4", QStringLiteral("A clock"));
        gui::type(dialog, "Combo1", QStringLiteral("Left"));
        gui::type(dialog, "Combo3", QString());
        gui::type(dialog, "Combo5", QStringLiteral("25"));
        gui::click(dialog, "Command1");
        gui::flushDeletes();
        QVERIFY(!dialog);
        QCOMPARE(wb.editor->documentText(),
                 QStringLiteral("<APPLET NAME=\"\" ALIGN=Left ALT=\"A clock\" CODEBASE=\"\" "
                                "CODE=\"Clock.class\" WIDTH=100 HSPACE=100 VSPACE=25></APPLET>"));
    }

    void insertParameters()
    {
        FakeWorkbench wb;
        QPointer<ParametersDialog> dialog = gui::open<ParametersDialog>(wb);
        QCOMPARE(dialog->objectName(), QStringLiteral("Form33"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Insert Parameters"));
        auto *grid = dialog->findChild<ListGrid *>();
        QVERIFY(grid);
        QCOMPARE(grid->table()->objectName(), QStringLiteral("Grid1"));
        gui::spin(grid, "SpinButton1", true); // up: one row stays
        QCOMPARE(grid->rowCount(), 1);
        for (int i = 0; i < 3; ++i)
            gui::spin(grid, "SpinButton1", false);
        gui::spin(grid, "SpinButton1", true);
        QCOMPARE(grid->rowCount(), 3);
        typeInCell(grid, 0, 0, QStringLiteral("speed"));
        typeInCell(grid, 0, 1, QStringLiteral("3"));
        typeInCell(grid, 2, 1, QStringLiteral("x y"));
        gui::click(dialog, "Command1");
        QCOMPARE(wb.editor->documentText(), QStringLiteral("<PARAM NAME=\"speed\" Value=\"3\">\r\n"
                                                           "<PARAM NAME=\"\" Value=\"\">\r\n"
                                                           "<PARAM NAME=\"\" Value=\"x y\">\r\n"));
    }

    void insertScript()
    {
        FakeWorkbench wb;
        QPointer<ScriptDialog> dialog = gui::open<ScriptDialog>(wb);
        QCOMPARE(dialog->objectName(), QStringLiteral("Form27"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Insert Script"));
        FIND(QRadioButton, vb, dialog, "Option1");
        QVERIFY(vb->isChecked());
        gui::click(dialog, "Option2");
        gui::click(dialog, "Command1");
        QCOMPARE(wb.editor->documentText(),
                 QStringLiteral("<SCRIPT language=\"JavaScript\">\r\n<!--\r\n\r\n\r\n-->\r\n"
                                "</SCRIPT>"));
    }

    void premadeScripts()
    {
        FakeWorkbench wb;
        QPointer<PremadeScriptsDialog> dialog = gui::open<PremadeScriptsDialog>(wb);
        QCOMPARE(dialog->objectName(), QStringLiteral("Form28"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Premade Scripts"));
        FIND(QRadioButton, first, dialog, "Option1");
        QVERIFY(first->isChecked());
        FIND(QRadioButton, linkBox, dialog, "Option5");
        QCOMPARE(linkBox->text(), QStringLiteral("&Linkbox Form && Script"));

        // The random-text entry opens its dialog and inserts nothing.
        gui::click(dialog, "Option7");
        QVERIFY(!first->isChecked());
        gui::click(dialog, "Command1");
        gui::flushDeletes();
        QVERIFY(!dialog);
        QCOMPARE(wb.openedBuilders, QStringList{QLatin1String(builderid::RandomText)});
        QCOMPARE(wb.editor->documentText(), QString());
        QVERIFY(wb.main.isEnabled());

        // A JavaScript entry inserts its script.
        dialog = gui::open<PremadeScriptsDialog>(wb);
        gui::click(dialog, "Option10");
        gui::click(dialog, "Command1");
        QCOMPARE(wb.editor->documentText(),
                 QStringLiteral("<SCRIPT language=\"Javascript\">\r\n<!--\r\n"
                                "document.write('Your platform is ' + navigator.platform)\r\n"
                                "-->\r\n</SCRIPT>"));
        QCOMPARE(wb.openedBuilders.size(), 1);
    }

    void internetSearches()
    {
        FakeWorkbench wb;
        QPointer<SearchesDialog> dialog = gui::open<SearchesDialog>(wb);
        QCOMPARE(dialog->objectName(), QStringLiteral("Form38"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Insert Internet Searches"));
        FIND(QListWidget, list, dialog, "List1");
        // The three old searches first, then current ones.
        QVERIFY(listTexts(list).size() > 3);
        QCOMPARE(listTexts(list).mid(0, 3), (QStringList{"Altavista", "Excite", "Yahoo!"}));
        gui::click(dialog, "Command1"); // nothing chosen: nothing inserted
        gui::flushDeletes();
        QVERIFY(!dialog);
        QCOMPARE(wb.editor->documentText(), QString());

        dialog = gui::open<SearchesDialog>(wb);
        list = dialog->findChild<QListWidget *>(QStringLiteral("List1"));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(2)).center());
        gui::click(dialog, "Command1");
        QCOMPARE(wb.editor->documentText(), scripts::buildSearchForm(2));
        QVERIFY(wb.editor->documentText().startsWith(QStringLiteral("<FORM ACTION=\"")));
    }
};

QTEST_MAIN(TestObjectDialogs)
#include "test_objectdialogs.moc"
