// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Did You Know?": a random tip, offered at start-up and from the Help menu.

#include <functional>
#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class SettingsStore;
class DialogService;

class TipsWindow : public QDialog
{
    Q_OBJECT
public:
    struct Context
    {
        SettingsStore &settings;
        DialogService &dialogs;
        QString siteFolder;
        // Opens a file: into the start-up document while that is untouched,
        // else as a document of its own. False when it fails; it tells the
        // user why itself.
        std::function<bool(const QString &path)> openIntoActiveDocument;
        // Opens a builder window by id (the QuickStart dialogs).
        std::function<bool(const QString &id)> openBuilder;
    };

    // fromStartup: the page buttons work; from the menu they are disabled.
    TipsWindow(Context context, bool fromStartup, QWidget *parent = nullptr);

    int tipIndex() const { return m_index; }
    void nextTip();

private:
    void openExistingPage();
    void openQuickStart(const char *id);

    Context m_context;
    int m_index = 0;
    QLabel *m_tip = nullptr;
    QCheckBox *m_showAtStartup = nullptr;
};
