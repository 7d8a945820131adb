#pragma once
// The document text control: a QScintilla editor that offers the
// character-position selection API the commands use (SelStart, SelLength,
// SelText, SelColor, Find) and colours text by colour number.

#include <QHash>
#include <Qsci/qsciscintilla.h>
#include <QVector>

#include "editor/smartcolor.h"

class HtmlEditor : public QsciScintilla
{
    Q_OBJECT
public:
    explicit HtmlEditor(QWidget *parent = nullptr);

    // Whole text, as stored (line ends unchanged). Every character is kept,
    // NULs included.
    QString documentText() const;
    // Replaces the whole text and forgets the undo history (loading a file).
    void setDocumentText(const QString &text);
    // Length in characters (QString units).
    qsizetype characterLength() const;

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
    // Makes the whole text black, then paints the runs (sorted, not
    // overlapping) in their category's colour, in one pass.
    void recolourAll(const QString &text, const QVector<smartcolor::Span> &runs,
                     const QVector<qint64> &categoryColours);

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

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int styleAt(long bytePos) const;
    int styleFor(qint64 colourNumber);
    void reclaimStyles();
    int nearestStyle(qint64 colourNumber) const;
    void applyStyleFont(int style);
    void prepareTypingStyle();
    void styleInserted(int fromByte, int toByte);
    bool isAscii() const;
    QString bytesText(long from, long to) const;

    QHash<qint64, int> m_styleOfColour;
    QHash<int, qint64> m_colourOfStyle;
    int m_nextStyle = 1;
    QVector<int> m_freeStyles; // styles whose colour no text uses
    int m_typingStyle = 0;
    int m_typingAnchor = -1; // byte position where m_typingStyle applies
    QString m_fontFamily = QStringLiteral("Arial");
    double m_fontSize = 0; // set by the constructor
};
