// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tools > Spelling: walks the misspellings of a document one by one, from
// the caret to the end and on from the start, with Change, Change All,
// Ignore, Add and Close.
//
// Object names: frmSpelling; txtNotFound, txtChangeTo, lstSuggestions;
// cmdChange, cmdChangeAll, cmdIgnore, cmdAdd, cmdClose; lblSpellStatus.

#include "check/spellhighlighter.h"

#include <QDialog>
#include <QHash>
#include <QPointer>

class DialogService;
class HtmlEditor;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class SpellService;

class SpellingDialog : public QDialog
{
    Q_OBJECT
public:
    SpellingDialog(HtmlEditor &editor, SpellService &service, DialogService &dialogs,
                   QWidget *parent = nullptr);

    // The word shown, empty once the walk is done.
    QString word() const;

    void change();
    void changeAll();
    void ignore();
    void add();

private:
    void findNext();
    void showWord(SpellHighlighter::Range range);
    void finish();
    // Replaces a misspelling; positions after it move.
    void replaceAt(SpellHighlighter::Range range, const QString &text);

    QPointer<HtmlEditor> m_editor;
    SpellHighlighter *m_highlighter = nullptr;
    SpellService &m_service;
    DialogService &m_dialogs;
    SpellHighlighter::Range m_current;
    long m_position = 0; // where the search goes on
    long m_origin = 0;   // where it began (the caret)
    bool m_wrapped = false;
    QHash<QString, QString> m_changeAll;
    QLineEdit *m_notFound = nullptr;
    QLineEdit *m_changeTo = nullptr;
    QListWidget *m_suggestions = nullptr;
    QLabel *m_status = nullptr;
    QList<QPushButton *> m_wordButtons;
};
