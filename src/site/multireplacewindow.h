// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Multiple File Replace window (object name Form35): replaces one text by another
// in files on disk, either in the files selected in its list or in every
// listed file ("*.htm;*.html;*.txt") of the chosen folder. Drive1, Dir1 and
// the multi-selection File1 start at the web-site folder; txtFind,
// txtReplace, Option1/Option2, Check1 ("Case Sensitive Search"), Command1
// ("Execute") and Command2 ("Done").

#include "site/multireplace.h"
#include "widgets/builderdialog.h"

class FolderBrowser;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class MultiReplaceWindow : public BuilderDialog
{
    Q_OBJECT
public:
    explicit MultiReplaceWindow(BuilderHost &host);

    FolderBrowser *browser() const { return m_browser; }

    // Runs the replacement over the chosen files in list order. Files left
    // as they were are listed in one message at the end; otherwise nothing
    // is shown.
    QList<multireplace::FileResult> execute();

    static QString filePatterns() { return QStringLiteral("*.htm;*.html;*.txt"); }

private:
    FolderBrowser *m_browser = nullptr;
    QLineEdit *m_find = nullptr;
    QLineEdit *m_replace = nullptr;
    QRadioButton *m_selected = nullptr;
    QRadioButton *m_all = nullptr;
    QCheckBox *m_caseSensitive = nullptr;
    QPushButton *m_execute = nullptr;
    QPushButton *m_done = nullptr;
};
