// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Options dialog: edits the preferences the main window loads at
// start-up. It reads the running program, not the stored settings; OK
// stores the values and applies them at once, Cancel forgets them.
//
// Object names: Form21; TabStrip1 with the panels Frame1..Frame4;
// Text1 and Command1 ("Choose"); the colour buttons Command2_0..Command2_4
// with their swatches Swatch_0..Swatch_4; chkOnOff, Combo1, Check1,
// chkLivePreview, chkSpellCheck, cboSpellLanguage, chkAutoClose, cboTagCase;
// List1, Text2, Command3 ("Add File Type"), Command4 ("Remove File Type");
// Grid1 with its cell editor Text3; List2, Text4, Command5 ("Add"),
// Command6 ("Delete"); Text5, Text6, Text7; cmdOK, cmdCancel.

#include <array>
#include <QDialog>

class ColourField;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QTableWidget;
class Workbench;

class SettingsDialog : public QDialog
{
    Q_OBJECT
public:
    // A dialog over workbench.mainWidget(), filled from the running program.
    explicit SettingsDialog(Workbench &workbench);

    // Opens a fresh dialog modally; the main window takes no input until it
    // closes. True when it was closed with OK.
    static bool run(Workbench &workbench);

    void showTab(int tab);
    // The swatch colour of category i (Tables, Frames, Links, Comments,
    // Other), as a colour number.
    qint64 swatchColour(int i) const;

public slots:
    // OK: purge, or store and apply every value; then close.
    void accept() override;

private:
    QWidget *buildBrowserPanel();
    QWidget *buildFileTypesPanel();
    QWidget *buildCustomPanel();
    QWidget *buildFtpPanel();
    void load();
    void chooseBrowser();
    void editCell(int row, int column);
    void placeCellEditor();
    void save();
    void purge();
    void syncSettings();

    Workbench &m_workbench;
    QTabBar *m_tabs = nullptr;
    QStackedWidget *m_panels = nullptr;
    QLineEdit *m_browser = nullptr; // Text1
    std::array<ColourField *, 5> m_colours{};
    QCheckBox *m_onOff = nullptr;          // chkOnOff
    QComboBox *m_fontSize = nullptr;       // Combo1
    QCheckBox *m_purge = nullptr;          // Check1
    QCheckBox *m_livePreview = nullptr;    // chkLivePreview
    QCheckBox *m_spellCheck = nullptr;     // chkSpellCheck
    QComboBox *m_spellLanguage = nullptr;  // cboSpellLanguage
    QCheckBox *m_autoClose = nullptr;      // chkAutoClose
    QComboBox *m_tagCase = nullptr;        // cboTagCase
    QCheckBox *m_restoreSession = nullptr; // chkRestoreSession
    QListWidget *m_imageTypes = nullptr;   // List1
    QLineEdit *m_newImageType = nullptr;   // Text2
    QTableWidget *m_grid = nullptr;        // Grid1
    QLineEdit *m_cellEditor = nullptr;     // Text3
    QListWidget *m_customTags = nullptr;   // List2
    QLineEdit *m_newCustomTag = nullptr;   // Text4
    QLineEdit *m_ftpUrl = nullptr;         // Text5
    QLineEdit *m_ftpUser = nullptr;        // Text6
    QLineEdit *m_ftpPassword = nullptr;    // Text7
};
