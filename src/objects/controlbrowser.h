// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The control browser: lists the ActiveX controls registered in the Wine
// prefix and inserts an OBJECT tag for each one the user picks (double
// click, Enter, or "Copy" of the right-click menu). "&Options..." of that
// menu sets how the tags are written.
//
// Object names: frmControls; List1 (the controls), cmdCancel, frmAbout
// (the instructions beside the list, text in lblAbout), mnuCopyItem and
// mnuOptionsItem (the pop-up menu), frmOptions (the options dialog).

#include "objects/objecttaglogic.h"
#include "widgets/builderdialog.h"

class ObjectOptionsDialog;
class QLabel;
class QListWidget;
class QMenu;
class SettingsStore;

class ControlBrowser : public BuilderDialog
{
    Q_OBJECT
public:
    // registryFile: the Wine registry file to read.
    ControlBrowser(BuilderHost &host, SettingsStore &store, const QString &registryFile);

    // Opens a browser on the current Wine prefix's registry; the options
    // are read from and written to `store`.
    static ControlBrowser *open(BuilderHost &host, SettingsStore &store);

    // Reads the registry file afresh, off the GUI thread, and fills the
    // list; controlsLoaded() tells when it is filled.
    void loadControls();
    bool isReading() const { return m_readingShown < m_reading; }

    const QList<objecttag::Control> &table() const { return m_table; }
    ObjectOptionsDialog *optionsDialog() const { return m_options; }
    QMenu *popupMenu() const { return m_menu; }

    // The table rows of the selected entries, in list order.
    QList<int> selectedRows() const;
    // Inserts the block for every selected entry and closes.
    void insertChosen();
    // Shows the options dialog at the browser's top-left corner.
    void showOptions();

    void reject() override;

signals:
    void controlsLoaded();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showMenu(const QPoint &globalPos);
    void selectionChanged();
    void showControls(const QList<objecttag::Control> &controls, const QString &error);

    QString m_registryFile;
    QList<objecttag::Control> m_table;
    int m_reading = 0;      // the latest reading started
    int m_readingShown = 0; // the latest reading shown
    QListWidget *m_list = nullptr;
    QLabel *m_about = nullptr;
    QMenu *m_menu = nullptr;
    ObjectOptionsDialog *m_options = nullptr;
};
