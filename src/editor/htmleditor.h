// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document text control: a QScintilla editor that offers the
// character-position selection API the commands use (SelStart, SelLength,
// SelText, SelColor, Find) and colours text by colour number.

#include <QByteArrayView>
#include <QHash>
#include <Qsci/qsciscintilla.h>
#include <QVector>

#include <array>
#include <functional>
#include <memory>

#include "editor/markupnav.h"
#include "editor/markupscan.h"
#include "editor/smartcolor.h"

// The editor's indicators, one number each (Scintilla keeps 0 to 7 for
// lexers): the pair of tags that match at the caret, and the words the
// spelling check marks.
enum EditorIndicator {
    MatchingTagIndicator = 8,
    SpellingIndicator = 9,
};

class HtmlEditor : public QsciScintilla
{
    Q_OBJECT
public:
    explicit HtmlEditor(QWidget *parent = nullptr);
    ~HtmlEditor() override;

    // Whole text, as stored (line ends unchanged). Every character is kept,
    // NULs included.
    QString documentText() const;
    // Replaces the whole text and forgets the undo history (loading a file).
    void setDocumentText(const QString &text);
    // The same in UTF-8, in parts: begin with the whole size, append the
    // parts in order, end. Only the editor's own copy of the text is made.
    void beginDocument(qsizetype utf8Size);
    void appendDocument(QByteArrayView utf8);
    void endDocument();
    // Length in characters (QString units).
    qsizetype characterLength() const;
    // Every character is ASCII (as many characters as bytes).
    bool isAscii() const;
    // The whole text as the editor holds it, in UTF-8: a copy made without
    // decoding, which a worker thread can read while editing goes on.
    QByteArray documentBytes() const;

    qsizetype selStart() const;
    // Collapses the selection to pos.
    void setSelStart(qsizetype pos);
    qsizetype selLength() const;
    // Extends the selection from selStart by length characters.
    void setSelLength(qsizetype length);
    void select(qsizetype start, qsizetype length);
    QString selText() const;
    // Replaces the selection in the current typing colour, as one step of
    // the editor's undo history; the caret ends after the inserted text.
    void setSelText(const QString &text);

    struct Replacement
    {
        qsizetype start = 0;
        qsizetype length = 0;
        QString text;
    };
    // Replaces ranges of the text (in increasing order, not overlapping) as
    // one step of the undo history. The caret and the selection stay with
    // the text around them, and the view does not scroll.
    void replaceRanges(const QList<Replacement> &replacements);

    // The colour of the selection (of the character before the caret when
    // nothing is selected) and setting it: on a selection it recolours it;
    // it also becomes the colour of what is typed or inserted next.
    qint64 selColor() const;
    void setSelColor(qint64 colourNumber);
    // The colour of the character at a position.
    qint64 colorAt(qsizetype pos) const;
    // Colours a range without touching the selection.
    void colorRange(qsizetype start, qsizetype length, qint64 colourNumber);

    // The characters [start, start + length).
    QString textRange(qsizetype start, qsizetype length) const;

    // SmartColor's colours by category (Tables, Frames, Links, Comments,
    // Other; the text between tags black).
    using CategoryColours = std::array<qint64, 5>;
    // Colours the text as SmartColor does over the whole text: the lines of
    // [start, start + length), and as much around them as they decide.
    // The whole text (start 0, length characterLength()) is painted afresh.
    void recolour(qsizetype start, qsizetype length, const CategoryColours &colours);
    // Where the colours of edits come from: while it gives colours, the
    // lines an edit touches are coloured by SmartColor's rules as the edit
    // happens; while it gives none (or none is set) edits keep the typing
    // colour. Either way the scan's state of every line is kept.
    using ColourSource = std::function<bool(CategoryColours *)>;
    void setLiveColours(ColourSource source);
    // Brings the colours up to date with the edits made since the last call
    // (done before any painting and before colours are read).
    void updateColours();
    // The scan's state where a line starts (markupscan::LineState packed),
    // for tools that need to know whether a line starts in a tag or comment.
    int lineScanState(int line) const;
    // The text with the scan state of its lines, brought up to date, for
    // finding elements (positions in bytes).
    const markupnav::Text &markup();
    // Writes text at the caret as one undo step, leaving the caret before it.
    void insertAfterCaret(const QString &text);
    // Replaces bytes [from, to) as one undo step; the caret ends caretBack
    // characters before the end of what was written.
    void replaceBytes(long from, long to, const QString &text, int caretBack = 0);
    long caretByte() const;

    // Searches from start (to end, or the end of the text when end < 0),
    // letters in any case unless matchCase, without copying the whole text;
    // selects and returns the match, or -1.
    qsizetype findText(const QString &needle, qsizetype start, qsizetype end = -1,
                       bool matchCase = false);

    // Character and byte positions.
    int toBytes(qsizetype pos) const;
    qsizetype toChars(int bytePos) const;

    // Font of the whole text, in points (fractions allowed).
    void setTextFont(const QString &family, double points);
    double textFontSize() const { return m_fontSize; }
    QString textFontFamily() const { return m_fontFamily; }

    // The line-end style used for Enter.
    void setCrLf(bool crlf);
    bool isCrLf() const { return eolMode() == EolWindows; }

signals:
    // Before a typed character is inserted (not for deletions or moves).
    void aboutToType(const QString &text);
    // After a typed text has been inserted.
    void typed(const QString &text);
    void mouseMoved();
    // Just before any change of the text (typing, commands, undo, loading).
    void textChanging();
    // After a change: the lines firstLine..lastLine (counted from 0, as
    // numbered before it) changed, and the lines after them moved by delta.
    // Comes as soon as the change is done, or for changes made inside the
    // editor (undo, paste) once control returns to the event loop.
    void linesEdited(int firstLine, int lastLine, int delta);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    class Markup;
    void updateFoldLevels(long firstLine, long lastLine);
    void noteInsert(long position, long length);
    void noteDelete(long position, long length);
    void noteLines(long fromByte, long toByte);
    void settleLines();
    void scanEdits(const CategoryColours *colours);
    bool rescan(long firstLine, long lastChangedLine, const CategoryColours *colours);
    markupscan::LineState lineState(long line) const;
    void resetStyles();
    int styleAt(long bytePos) const;
    int styleFor(qint64 colourNumber);
    void reclaimStyles();
    int nearestStyle(qint64 colourNumber) const;
    void applyStyleFont(int style);
    void prepareTypingStyle();
    void styleInserted(int fromByte, int toByte);
    QString bytesText(long from, long to) const;

    QHash<qint64, int> m_styleOfColour;
    QHash<int, qint64> m_colourOfStyle;
    int m_nextStyle = 1;
    QVector<int> m_freeStyles; // styles whose colour no text uses
    int m_typingStyle = 0;
    int m_typingAnchor = -1; // byte position where m_typingStyle applies
    ColourSource m_liveColours;
    long m_dirtyFrom = -1; // bytes edited since the last scan: [from, to)
    long m_dirtyTo = -1;
    // The change under way, for linesEdited: its lines and the line count
    // before it (firstLine < 0: none).
    struct PendingLines
    {
        long firstLine = -1;
        long lastLine = -1;
        long lineCount = 0;
    } m_pendingLines;
    bool m_settleQueued = false;
    markupscan::ElementPool m_elements; // the stacks the line states name
    std::unique_ptr<Markup> m_markup;
    QString m_fontFamily = QStringLiteral("Arial");
    double m_fontSize = 0; // set by the constructor
};
