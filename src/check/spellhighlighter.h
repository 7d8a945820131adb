// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Spelling in one document: misspelt words of the text get a wavy
// underline, drawn with an editor indicator so SmartColor's colours stay.
// The lines on screen are checked at once, the rest a slice at a time
// while the program is idle, so typing never waits for it.
//
// Each line keeps the scan state it was checked from and the state at its
// end. After an edit only the edited lines are checked again, and the
// lines after them only where the state at their start changed (a comment
// opened or closed).

#include "check/spelltext.h"

#include <QObject>
#include <QPointer>
#include <QVector>

class HtmlEditor;
class QMenu;
class QTimer;
class SpellService;
namespace spelling {
class Dictionary;
}

class SpellHighlighter : public QObject
{
    Q_OBJECT
public:
    // The indicator, at the top of the editor's range: the editing aids
    // take theirs from the bottom.
    static constexpr int Indicator = 31;

    // Made as a child of the editor.
    SpellHighlighter(HtmlEditor &editor, SpellService &service);
    // The one of an editor, or null.
    static SpellHighlighter *of(HtmlEditor *editor);

    // The dictionary checked with ("en_US"); empty when none is installed
    // for the page.
    QString dictionaryName() const { return m_dictionaryName; }
    bool hasDictionary() const { return m_dictionary != nullptr; }

    struct Range
    {
        long start = -1; // bytes; -1: none
        long length = 0;
        bool isValid() const { return start >= 0; }
    };
    // The marked word at a byte position (or just before it).
    Range misspellingAt(long position) const;
    // The first misspelling at or after position, checking the text as far
    // as needed (the dictionary is loaded first); none up to the end.
    Range nextMisspelling(long position);
    // Every misspelling spelt word, the last first.
    QList<Range> misspellingsOf(const QString &word);
    QString textOf(Range range) const;
    QStringList suggestions(const QString &word);

    // Puts the suggestions for the word under the viewport point, "Add to
    // Dictionary" and "Ignore All" into the menu; false (menu untouched)
    // when no misspelt word is there.
    bool fillMenu(QMenu &menu, const QPoint &viewportPoint);
    // Replaces the range by text, as one step of the undo history.
    void replace(Range range, const QString &text);

    // Every line is checked and marked now (the Spelling dialog; tests).
    void checkAll();
    // Every line is checked and nothing is left for the idle check.
    bool isComplete() const { return !m_stale && m_next >= lineCount(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // A word was added to the personal list and it could not be saved.
    void addFailed(const QString &reason);

private:
    void restart();
    void chooseDictionary();
    void onLinesEdited(int first, int last, int delta);
    void onCaretMoved();
    bool isLive() const;
    int lineCount() const;
    // Fresh arrays for the whole text, nothing checked.
    void resetLines();
    // The line is checked again (it changed, or its held word is let go).
    void uncheck(int line);
    // The dictionary is loaded and the arrays follow the text.
    bool prepare();
    spelltext::State stateAt(int line);
    void checkVisible();
    // Checks lines from m_next on, for about the given time (or to the end
    // when budget < 0); true when lines remain.
    bool checkOn(qint64 budgetMs);
    spelltext::State checkLine(int line, spelltext::State state);
    spelltext::State scanLine(int line, spelltext::State state) const;
    void clearMarks();

    HtmlEditor &m_editor;
    SpellService &m_service;
    QString m_dictionaryName;
    spelling::Dictionary *m_dictionary = nullptr;
    // Per line: the packed state it was checked from (Unchecked: not
    // checked since it changed), and the state at its end.
    QVector<quint32> m_checkedWith;
    QVector<quint32> m_endState;
    // Every line before m_next is checked from its right state; m_nextState
    // is the state where m_next starts.
    int m_next = 0;
    spelltext::State m_nextState;
    bool m_stale = true; // the arrays do not follow the text (not live)
    // Where the state is known beyond m_next (the top of the screen).
    int m_knownLine = -1;
    spelltext::State m_knownState;
    // The word being typed is marked once the caret leaves it.
    int m_typedLine = -1;
    int m_heldLine = -1;
    long m_heldEnd = -1;
    QTimer *m_visibleTimer = nullptr;
    QTimer *m_idleTimer = nullptr;
    QTimer *m_languageTimer = nullptr;
};
