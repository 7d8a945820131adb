// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The writing aids of a document's editor: the completion list, the end
// tag written when a start tag is typed, the pair of matching tags marked
// at the caret, and the commands that close, find, select and fold
// elements. What to offer and where elements start and end comes from the
// core (completion, markupnav); this only talks to the editor.

#include "editor/completion.h"

#include <QObject>

#include <functional>

class HtmlEditor;
class QListWidget;
class QTimer;

class WritingAids : public QObject
{
    Q_OBJECT
public:
    struct Settings
    {
        bool autoClose = true; // end tags written as start tags are typed
        completion::LetterCase tagCase = completion::LetterCase::Upper;
    };
    using SettingsSource = std::function<Settings()>;

    WritingAids(HtmlEditor &editor, SettingsSource settings);
    // The aids of an editor, or null.
    static WritingAids *of(HtmlEditor &editor);

    // Shows the completion list for the caret now; false when nothing fits.
    bool complete();
    // Writes the end tag of the innermost element open at the caret.
    bool closeElement();
    // From a start or end tag to the one it matches.
    bool goToMatchingTag();
    // Selects the element around the selection (or the caret).
    bool selectElement();
    // Folds (or unfolds) the element or comment at the caret line.
    void foldHere(bool fold);
    void foldEverything(bool fold);

    QListWidget *completionList() const { return m_list; }
    // The pause in typing after which the list shows by itself.
    static constexpr int Pause = 400;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void typed(const QString &text);
    void caretMoved();
    bool showList();
    void take(int row);
    void hideList();
    void placeList();
    void markMatch();
    void clearMatch();
    void tellCurrentItem();

    HtmlEditor &m_editor;
    SettingsSource m_settings;
    QListWidget *m_list;
    QTimer *m_pause;
    QTimer *m_matchTimer;
    completion::Context m_context;
    QVector<completion::Entry> m_entries;
    bool m_marked = false; // a pair of tags is marked
    bool m_edited = false; // the text changed since the caret last moved
};
