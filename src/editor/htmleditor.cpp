// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/htmleditor.h"

#include "editor/markupscan.h"
#include "kernel/settingscatalog.h"
#include "platform/numbers.h"

#include <algorithm>
#include <array>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QStringDecoder>
#include <QStringMatcher>

namespace {

// The editor's own accessibility interface counts the characters from the
// start of the text on every caret move and every paint, so a key typed far
// into a large page costs time in proportion to the page. While no
// assistive tool listens, a plain interface (name, role) stands in; when
// one starts listening, the plain ones are dropped and the full one is made
// on the next question.
QAccessibleInterface *quietInterface(const QString &className, QObject *object)
{
    if (QAccessible::isActive() || className != QLatin1String("HtmlEditor"))
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::EditableText);
}

QList<HtmlEditor *> &liveEditors()
{
    static QList<HtmlEditor *> editors;
    return editors;
}

class ListenerWatch : public QAccessible::ActivationObserver
{
public:
    void accessibilityActiveChanged(bool active) override
    {
        if (!active)
            return;
        for (HtmlEditor *editor : liveEditors()) {
            if (QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(editor))
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
        }
    }
};

void installQuietInterface()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(quietInterface);
    static ListenerWatch watch;
    QAccessible::installActivationObserver(&watch);
}

// Scintilla reserves styles 32..39 for its own use (default, line numbers...).
constexpr int kFirstReserved = 32;
constexpr int kLastReserved = 39;
constexpr int kLastStyle = 255;
// Fold levels stop growing this deep (the editor's own limit is 3071).
constexpr int MaxFoldDepth = 2000;
} // namespace

// The editor's text as the element finder reads it.
class HtmlEditor::Markup : public markupnav::Text
{
public:
    explicit Markup(HtmlEditor &editor) : m_editor(editor) {}
    qsizetype size() const override { return m_editor.SendScintilla(SCI_GETLENGTH); }
    int lineCount() const override { return int(m_editor.SendScintilla(SCI_GETLINECOUNT)); }
    qsizetype lineStart(int line) const override
    {
        return line >= lineCount() ? size()
                                   : m_editor.SendScintilla(SCI_POSITIONFROMLINE, long(line));
    }
    int lineAt(qsizetype pos) const override
    {
        return int(m_editor.SendScintilla(SCI_LINEFROMPOSITION, long(pos)));
    }
    markupscan::LineState lineState(int line) const override { return m_editor.lineState(line); }
    QByteArrayView bytes(qsizetype from, qsizetype to) const override
    {
        if (to <= from)
            return QByteArrayView();
        const auto *data = reinterpret_cast<const char *>(
            m_editor.SendScintilla(SCI_GETRANGEPOINTER, long(from), long(to - from)));
        return QByteArrayView(data, to - from);
    }
    markupscan::ElementPool &pool() const override { return m_editor.m_elements; }

private:
    HtmlEditor &m_editor;
};

HtmlEditor::HtmlEditor(QWidget *parent) : QsciScintilla(parent), m_markup(new Markup(*this))
{
    installQuietInterface();
    liveEditors().append(this);
    setUtf8(true);
    // The editor's accessibility bridge counts characters from the start of
    // the text on every insertion or deletion, which makes each keystroke
    // cost time in proportion to the document. Without a screen reader
    // only the "before" notifications are asked for (textChanging comes
    // from them), and nothing pays for the count.
    if (!QAccessible::isActive()) {
        SendScintilla(SCI_SETMODEVENTMASK, long(SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE));
    }
    SendScintilla(SCI_ALLOCATELINECHARACTERINDEX, SC_LINECHARACTERINDEX_UTF16);
    setEolMode(EolWindows);
    // Long lines scroll rather than wrap: wrapping a large file takes seconds.
    setWrapMode(WrapNone);
    setMarginType(0, NumberMargin);
    setMarginWidth(0, QStringLiteral("00000"));
    setMarginLineNumbers(0, true);
    setMarginWidth(1, 0);
    setFolding(BoxedTreeFoldStyle, 2);
    // A fold whose head is gone opens again.
    SendScintilla(SCI_SETAUTOMATICFOLD, long(SC_AUTOMATICFOLD_CHANGE));
    setCaretLineVisible(false);
    setBraceMatching(NoBraceMatch);
    setAutoIndent(false);
    m_styleOfColour.insert(0, 0);
    m_colourOfStyle.insert(0, 0);
    setTextFont(m_fontFamily, 0);
    viewport()->installEventFilter(this);
    viewport()->setMouseTracking(true);
    connect(this, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char *, int length, int, int, int, int, int, int) {
                if (type & SC_MOD_BEFOREINSERT) {
                    noteInsert(position, length);
                    noteLines(position, position);
                }
                if (type & SC_MOD_BEFOREDELETE) {
                    noteDelete(position, length);
                    noteLines(position, position + length);
                }
                if (type & (SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE)) {
                    // A typing colour chosen for a caret position holds only
                    // until the text changes (undo may bring the caret back).
                    m_typingAnchor = -1;
                    emit textChanging();
                }
            });
    // The editor asks before it paints text whose colours may be stale.
    connect(this, &QsciScintillaBase::SCN_STYLENEEDED, this, [this](int) {
        updateColours();
        SendScintilla(SCI_STARTSTYLING, SendScintilla(SCI_GETLENGTH));
    });
}

HtmlEditor::~HtmlEditor()
{
    liveEditors().removeOne(this);
}

void HtmlEditor::noteInsert(long position, long length)
{
    if (m_dirtyFrom < 0) {
        m_dirtyFrom = position;
        m_dirtyTo = position + length;
        return;
    }
    m_dirtyFrom = qMin(m_dirtyFrom, position);
    m_dirtyTo = qMax(m_dirtyTo >= position ? m_dirtyTo + length : m_dirtyTo, position + length);
}

void HtmlEditor::noteDelete(long position, long length)
{
    if (m_dirtyFrom < 0) {
        m_dirtyFrom = m_dirtyTo = position;
        return;
    }
    m_dirtyFrom = qMin(m_dirtyFrom, position);
    m_dirtyTo = m_dirtyTo > position + length ? m_dirtyTo - length : position;
}

// Called before each change: the one before it is complete by now, so its
// line count can be told; this one is told once it is done.
void HtmlEditor::noteLines(long fromByte, long toByte)
{
    settleLines();
    m_pendingLines.firstLine = SendScintilla(SCI_LINEFROMPOSITION, fromByte);
    m_pendingLines.lastLine = SendScintilla(SCI_LINEFROMPOSITION, toByte);
    m_pendingLines.lineCount = SendScintilla(SCI_GETLINECOUNT);
    if (!m_settleQueued) {
        m_settleQueued = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                m_settleQueued = false;
                settleLines();
            },
            Qt::QueuedConnection);
    }
}

void HtmlEditor::settleLines()
{
    if (m_pendingLines.firstLine < 0)
        return;
    const PendingLines done = m_pendingLines;
    m_pendingLines = PendingLines();
    emit linesEdited(int(done.firstLine), int(done.lastLine),
                     int(SendScintilla(SCI_GETLINECOUNT) - done.lineCount));
}

void HtmlEditor::setLiveColours(ColourSource source)
{
    m_liveColours = std::move(source);
}

int HtmlEditor::lineScanState(int line) const
{
    const_cast<HtmlEditor *>(this)->updateColours();
    return int(SendScintilla(SCI_GETLINESTATE, long(line)));
}

const markupnav::Text &HtmlEditor::markup()
{
    updateColours();
    return *m_markup;
}

void HtmlEditor::updateColours()
{
    if (m_dirtyFrom < 0)
        return;
    CategoryColours colours;
    const bool paint = m_liveColours && m_liveColours(&colours);
    scanEdits(paint ? &colours : nullptr);
}

void HtmlEditor::recolour(qsizetype start, qsizetype length, const CategoryColours &colours)
{
    const long from = toBytes(start);
    const long to = toBytes(start + qMax<qsizetype>(0, length));
    // Every character is repainted: no colour of before is left, so the
    // styles start afresh and none is ever used up.
    if (from == 0 && to >= SendScintilla(SCI_GETLENGTH))
        resetStyles();
    noteInsert(from, 0);
    noteInsert(to, 0);
    scanEdits(&colours);
}

void HtmlEditor::scanEdits(const CategoryColours *colours)
{
    if (m_dirtyFrom < 0)
        return;
    const long length = SendScintilla(SCI_GETLENGTH);
    const long from = qBound(0L, m_dirtyFrom, length);
    const long to = qBound(from, m_dirtyTo, length);
    m_dirtyFrom = m_dirtyTo = -1;
    long line = SendScintilla(SCI_LINEFROMPOSITION, from);
    // A tag open where a line starts began on an earlier line, and how it
    // ends decides its colour there too.
    while (line > 0 && lineState(line).inTag)
        --line;
    const long lastChangedLine = SendScintilla(SCI_LINEFROMPOSITION, to);
    if (!rescan(line, lastChangedLine, colours)) {
        // The comment open at that line start now ends where it did not,
        // or the other way round: its earlier lines change colour too.
        while (line > 0 && !lineState(line).outside())
            --line;
        rescan(line, lastChangedLine, colours);
    }
}

markupscan::LineState HtmlEditor::lineState(long line) const
{
    return markupscan::LineState::unpacked(int(SendScintilla(SCI_GETLINESTATE, line)));
}

// Scans from the start of firstLine, whose state is right, keeping the new
// state of every line, until a line after lastChangedLine starts outside
// every tag as it did before the edit: from there on nothing changed. With
// colours, what was scanned is painted. False when a comment open at the
// start of firstLine ends now where it did not, or the other way round.
bool HtmlEditor::rescan(long firstLine, long lastChangedLine, const CategoryColours *colours)
{
    const long lines = SendScintilla(SCI_GETLINECOUNT);
    const long length = SendScintilla(SCI_GETLENGTH);
    std::array<char, 6> styles{};
    if (colours) {
        styles[markupscan::Plain] = char(styleFor(0));
        for (int c = 0; c < 5; ++c)
            styles[std::size_t(c + 1)] = char(styleFor((*colours)[std::size_t(c)]));
    }
    const markupscan::LineState first = lineState(firstLine);
    long position = SendScintilla(SCI_POSITIONFROMLINE, firstLine);
    markupscan::Scanner scanner(position, first, &m_elements);
    long paintFrom = position;
    // Paints what was scanned before to; a comment still open there that
    // ends later is painted as a comment up to it.
    const auto paint = [&](long to, bool openCommentEnds) {
        QByteArray painted = scanner.takePaint();
        if (colours && to > paintFrom) {
            char *cell = painted.data();
            if (openCommentEnds) {
                for (long i = qMax(0L, long(scanner.openCommentStart()) - paintFrom);
                     i < to - paintFrom; ++i)
                    cell[i] = markupscan::paintOf(smartcolor::Category::Comments);
            }
            for (long i = 0; i < to - paintFrom; ++i)
                cell[i] = styles[std::size_t(cell[i])];
            SendScintilla(SCI_STARTSTYLING, paintFrom);
            SendScintilla(SCI_SETSTYLINGEX, to - paintFrom, painted.constData());
        }
        paintFrom = scanner.position();
    };
    // Keeps the states of the lines from firstStateLine on, up to stopLine;
    // the comment open at the end ends as openCommentEnds says.
    long firstStateLine = firstLine + 1;
    qsizetype compared = 0; // of the states not kept yet
    const auto keepStates = [&](long stopLine, bool openCommentEnds) {
        compared = 0;
        const QVector<int> states = scanner.takeLineStates();
        for (qsizetype k = 0; k < states.size() && firstStateLine + long(k) < stopLine; ++k) {
            const long at = firstStateLine + long(k);
            markupscan::LineState state = markupscan::LineState::unpacked(states[k]);
            if (state.inComment && !state.commentEnds)
                state.commentEnds = openCommentEnds;
            if (int(SendScintilla(SCI_GETLINESTATE, at)) != state.packed())
                SendScintilla(SCI_SETLINESTATE, at, long(state.packed()));
        }
        // A line's fold level follows from its state and the next one's.
        updateFoldLevels(firstStateLine - 1,
                         qMin(stopLine, firstStateLine + long(states.size())) - 1);
        firstStateLine += long(states.size());
    };
    // Whether the comment open at the start ends, now that the scan knows.
    const auto sameEnd = [&](bool openCommentEnds) {
        return !first.inComment ||
               (scanner.lastCommentEnd() >= 0 || openCommentEnds) == first.commentEnds;
    };
    long line = firstLine;
    long block = 4096;
    for (;;) {
        // Blocks of whole lines; the edited lines end one, so that the
        // states after them are compared as soon as possible.
        long endLine = SendScintilla(SCI_LINEFROMPOSITION, position + block) + 1;
        if (line <= lastChangedLine)
            endLine = qMin(endLine, lastChangedLine + 1);
        endLine = qMin(qMax(endLine, line + 1), lines);
        const long end = endLine < lines ? SendScintilla(SCI_POSITIONFROMLINE, endLine) : length;
        if (end > position) {
            scanner.scan(reinterpret_cast<const char *>(
                             SendScintilla(SCI_GETRANGEPOINTER, position, end - position)),
                         end - position);
        }
        // A comment open at the start that did not end before ends now:
        // its earlier lines change too, so nothing is kept from this scan.
        if (first.inComment && !first.commentEnds && scanner.lastCommentEnd() >= 0)
            return false;
        const QVector<int> &states = scanner.lineStates();
        for (qsizetype k = compared; k < states.size(); ++k) {
            const long next = firstStateLine + long(k);
            if (next <= lastChangedLine)
                continue;
            const markupscan::LineState now = markupscan::LineState::unpacked(states[k]);
            const markupscan::LineState old = lineState(next);
            if (!now.inTag && now.sameScan(old)) {
                // The text from here on is as it was: a comment open here
                // ends as it did.
                if (!sameEnd(old.commentEnds))
                    return false;
                keepStates(next, old.commentEnds);
                paint(SendScintilla(SCI_POSITIONFROMLINE, next), old.inComment && old.commentEnds);
                return true;
            }
        }
        compared = states.size();
        line = endLine;
        position = end;
        if (line >= lines || position >= length) {
            if (!sameEnd(false))
                return false;
            keepStates(lines, false);
            paint(length, false);
            return true;
        }
        if (scanner.state().outside()) {
            keepStates(lines, false);
            paint(position, false);
        }
        block = qMin(block * 2, 1L << 20);
    }
}

// The fold level of each line from firstLine to lastLine: its depth, and
// the head of a fold when the next line lies deeper.
void HtmlEditor::updateFoldLevels(long firstLine, long lastLine)
{
    const long lines = SendScintilla(SCI_GETLINECOUNT);
    firstLine = qMax(0L, firstLine);
    lastLine = qMin(lastLine, lines - 1);
    if (firstLine > lastLine)
        return;
    const auto depthAt = [this](long line) {
        return qMin(markupscan::foldDepth(m_elements, lineState(line)), MaxFoldDepth);
    };
    int depth = depthAt(firstLine);
    for (long line = firstLine; line <= lastLine; ++line) {
        const int next = line + 1 < lines ? depthAt(line + 1) : 0;
        const long level = (SC_FOLDLEVELBASE + depth) | (next > depth ? SC_FOLDLEVELHEADERFLAG : 0);
        if (SendScintilla(SCI_GETFOLDLEVEL, line) != level)
            SendScintilla(SCI_SETFOLDLEVEL, line, level);
        depth = next;
    }
}

void HtmlEditor::setCrLf(bool crlf)
{
    setEolMode(crlf ? EolWindows : EolUnix);
}

void HtmlEditor::setDocumentText(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    beginDocument(bytes.size());
    appendDocument(bytes);
    endDocument();
}

void HtmlEditor::beginDocument(qsizetype utf8Size)
{
    // Nothing is recorded for undo, which would otherwise keep a copy of
    // the old and the new text.
    SendScintilla(SCI_SETUNDOCOLLECTION, 0L);
    SendScintilla(SCI_CLEARALL);
    // Room for the whole text at once: growing part by part would copy it
    // again and again.
    SendScintilla(SCI_ALLOCATE, static_cast<unsigned long>(utf8Size) + 1);
}

void HtmlEditor::appendDocument(QByteArrayView utf8)
{
    // By length, not as a C string: a NUL must not end the text.
    SendScintilla(SCI_APPENDTEXT, static_cast<unsigned long>(utf8.size()), utf8.data());
}

void HtmlEditor::endDocument()
{
    SendScintilla(SCI_SETUNDOCOLLECTION, 1L);
    SendScintilla(SCI_EMPTYUNDOBUFFER);
    SendScintilla(SCI_GOTOPOS, 0L);
    m_typingAnchor = -1;
    settleLines();
}

QString HtmlEditor::bytesText(long from, long to) const
{
    if (to <= from)
        return QString();
    const auto *data =
        reinterpret_cast<const char *>(SendScintilla(SCI_GETRANGEPOINTER, from, to - from));
    if (!data)
        return QString();
    // A byte-order mark at the start is a character of the text like any
    // other (fromUtf8 would drop it).
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(QByteArrayView(data, to - from));
}

QString HtmlEditor::documentText() const
{
    return bytesText(0, SendScintilla(SCI_GETLENGTH));
}

QByteArray HtmlEditor::documentBytes() const
{
    // The text lies in two parts around the editor's gap; asking for each
    // part alone leaves the gap where it is.
    const long length = SendScintilla(SCI_GETLENGTH);
    const long gap = qBound(0L, long(SendScintilla(SCI_GETGAPPOSITION)), length);
    QByteArray bytes;
    bytes.reserve(length);
    for (const auto &[from, to] : {std::pair<long, long>{0, gap}, {gap, length}}) {
        if (to > from) {
            bytes.append(
                reinterpret_cast<const char *>(SendScintilla(SCI_GETRANGEPOINTER, from, to - from)),
                to - from);
        }
    }
    return bytes;
}

QString HtmlEditor::selText() const
{
    return bytesText(SendScintilla(SCI_GETSELECTIONSTART), SendScintilla(SCI_GETSELECTIONEND));
}

bool HtmlEditor::isAscii() const
{
    const long lines = SendScintilla(SCI_GETLINECOUNT);
    const long units =
        SendScintilla(SCI_INDEXPOSITIONFROMLINE, lines, long(SC_LINECHARACTERINDEX_UTF16));
    return units == SendScintilla(SCI_GETLENGTH);
}

qsizetype HtmlEditor::characterLength() const
{
    const long lines = SendScintilla(SCI_GETLINECOUNT);
    return SendScintilla(SCI_INDEXPOSITIONFROMLINE, lines, long(SC_LINECHARACTERINDEX_UTF16));
}

int HtmlEditor::toBytes(qsizetype pos) const
{
    if (pos <= 0)
        return 0;
    const long length = SendScintilla(SCI_GETLENGTH);
    if (isAscii())
        return int(qMin<qsizetype>(pos, length));
    const long line =
        SendScintilla(SCI_LINEFROMINDEXPOSITION, long(pos), long(SC_LINECHARACTERINDEX_UTF16));
    const long lineStart = SendScintilla(SCI_POSITIONFROMLINE, line);
    const long lineIndex =
        SendScintilla(SCI_INDEXPOSITIONFROMLINE, line, long(SC_LINECHARACTERINDEX_UTF16));
    const long bytes =
        SendScintilla(SCI_POSITIONRELATIVECODEUNITS, lineStart, long(pos - lineIndex));
    // POSITIONRELATIVE answers 0 past the end and inside a surrogate pair;
    // a position inside a pair means the pair's start.
    if (bytes <= 0 && pos > 0)
        return pos >= characterLength() ? int(length) : toBytes(pos - 1);
    return int(bytes);
}

qsizetype HtmlEditor::toChars(int bytePos) const
{
    if (bytePos <= 0)
        return 0;
    if (isAscii())
        return bytePos;
    const long line = SendScintilla(SCI_LINEFROMPOSITION, long(bytePos));
    const long lineStart = SendScintilla(SCI_POSITIONFROMLINE, line);
    const long lineIndex =
        SendScintilla(SCI_INDEXPOSITIONFROMLINE, line, long(SC_LINECHARACTERINDEX_UTF16));
    return lineIndex + SendScintilla(SCI_COUNTCODEUNITS, lineStart, long(bytePos));
}

qsizetype HtmlEditor::selStart() const
{
    return toChars(int(SendScintilla(SCI_GETSELECTIONSTART)));
}

qsizetype HtmlEditor::selLength() const
{
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    const long end = SendScintilla(SCI_GETSELECTIONEND);
    return toChars(int(end)) - toChars(int(start));
}

void HtmlEditor::setSelStart(qsizetype pos)
{
    const long length = SendScintilla(SCI_GETLENGTH);
    SendScintilla(SCI_SETEMPTYSELECTION, qBound(0L, long(toBytes(pos)), length));
}

void HtmlEditor::setSelLength(qsizetype length)
{
    const qsizetype start = selStart();
    select(start, length);
}

void HtmlEditor::select(qsizetype start, qsizetype length)
{
    const int from = toBytes(start);
    const int to = toBytes(start + qMax<qsizetype>(0, length));
    SendScintilla(SCI_SETSEL, long(from), long(to));
}

void HtmlEditor::setSelText(const QString &text)
{
    prepareTypingStyle();
    const int start = int(SendScintilla(SCI_GETSELECTIONSTART));
    // By length, so a NUL in the text goes in too; one undo step that
    // typing after it never merges into.
    const QByteArray bytes = text.toUtf8();
    SendScintilla(SCI_BEGINUNDOACTION);
    SendScintilla(SCI_TARGETFROMSELECTION);
    SendScintilla(SCI_REPLACETARGET, static_cast<unsigned long>(bytes.size()), bytes.constData());
    const int end = int(SendScintilla(SCI_GETTARGETEND));
    SendScintilla(SCI_ENDUNDOACTION);
    SendScintilla(SCI_GOTOPOS, long(end));
    styleInserted(start, end);
    updateColours();
    settleLines();
}

long HtmlEditor::caretByte() const
{
    return SendScintilla(SCI_GETCURRENTPOS);
}

void HtmlEditor::insertAfterCaret(const QString &text)
{
    prepareTypingStyle();
    const long at = caretByte();
    const QByteArray bytes = text.toUtf8();
    SendScintilla(SCI_BEGINUNDOACTION);
    SendScintilla(SCI_INSERTTEXT, static_cast<uintptr_t>(at), bytes.constData());
    SendScintilla(SCI_ENDUNDOACTION);
    styleInserted(int(at), int(at + bytes.size()));
    SendScintilla(SCI_SETEMPTYSELECTION, at);
    updateColours();
}

void HtmlEditor::replaceBytes(long from, long to, const QString &text, int caretBack)
{
    SendScintilla(SCI_SETSEL, from, to);
    setSelText(text);
    if (caretBack > 0)
        SendScintilla(SCI_GOTOPOS,
                      SendScintilla(SCI_POSITIONRELATIVE, caretByte(), long(-caretBack)));
}

void HtmlEditor::replaceRanges(const QList<Replacement> &replacements)
{
    if (replacements.isEmpty())
        return;
    // Where the caret and anchor go once the text before them changed.
    auto follow = [&replacements](qsizetype pos) {
        qsizetype shift = 0;
        for (const Replacement &r : replacements) {
            if (r.start >= pos)
                break;
            if (r.start + r.length > pos)
                return r.start + shift; // inside a replaced range: its start
            shift += r.text.size() - r.length;
        }
        return pos + shift;
    };
    const qsizetype caret = follow(toChars(int(SendScintilla(SCI_GETCURRENTPOS))));
    const qsizetype anchor = follow(toChars(int(SendScintilla(SCI_GETANCHOR))));
    const long firstLine = SendScintilla(SCI_GETFIRSTVISIBLELINE);
    const long xOffset = SendScintilla(SCI_GETXOFFSET);
    SendScintilla(SCI_BEGINUNDOACTION);
    // From the end, so the positions before each one still hold.
    for (auto it = replacements.crbegin(); it != replacements.crend(); ++it) {
        select(it->start, it->length);
        setSelText(it->text);
    }
    SendScintilla(SCI_ENDUNDOACTION);
    SendScintilla(SCI_SETSEL, long(toBytes(anchor)), long(toBytes(caret)));
    SendScintilla(SCI_SETFIRSTVISIBLELINE, firstLine);
    SendScintilla(SCI_SETXOFFSET, xOffset);
}

// The style byte at a byte position: the editor answers with a signed
// char, so styles past 127 come back negative.
int HtmlEditor::styleAt(long bytePos) const
{
    return int(SendScintilla(SCI_GETSTYLEAT, bytePos)) & 0xFF;
}

int HtmlEditor::styleFor(qint64 colourNumber)
{
    const auto it = m_styleOfColour.constFind(colourNumber);
    if (it != m_styleOfColour.constEnd())
        return it.value();
    if (m_nextStyle == kFirstReserved)
        m_nextStyle = kLastReserved + 1;
    int style = -1;
    if (m_nextStyle <= kLastStyle) {
        style = m_nextStyle++;
    } else {
        if (m_freeStyles.isEmpty())
            reclaimStyles();
        if (m_freeStyles.isEmpty()) {
            // Every style colours some text: the nearest colour stands in
            // rather than repainting text that has a style already.
            return nearestStyle(colourNumber);
        }
        style = m_freeStyles.takeLast();
    }
    m_styleOfColour.insert(colourNumber, style);
    m_colourOfStyle.insert(style, colourNumber);
    applyStyleFont(style);
    SendScintilla(SCI_STYLESETFORE, long(style), long(colourNumber & 0xFFFFFF));
    return style;
}

// Styles whose colour no character carries any more are given back.
void HtmlEditor::reclaimStyles()
{
    std::array<bool, kLastStyle + 1> used{};
    used[0] = true;
    if (m_typingAnchor >= 0)
        used[std::size_t(m_typingStyle)] = true;
    // The style bytes in slices, read one call each.
    const long length = SendScintilla(SCI_GETLENGTH);
    constexpr long Slice = 1 << 20;
    QByteArray styled;
    for (long from = 0; from < length; from += Slice) {
        const long to = qMin(length, from + Slice);
        styled.resize(2 * (to - from) + 2);
        SendScintilla(SCI_GETSTYLEDTEXT, from, to, styled.data());
        const auto *cells = reinterpret_cast<const unsigned char *>(styled.constData());
        for (long i = 0; i < to - from; ++i)
            used[cells[2 * i + 1]] = true;
    }
    for (auto it = m_colourOfStyle.begin(); it != m_colourOfStyle.end();) {
        if (used[std::size_t(it.key())]) {
            ++it;
            continue;
        }
        m_styleOfColour.remove(it.value());
        m_freeStyles << it.key();
        it = m_colourOfStyle.erase(it);
    }
}

int HtmlEditor::nearestStyle(qint64 colourNumber) const
{
    int best = 0;
    qint64 bestDistance = -1;
    for (auto it = m_colourOfStyle.cbegin(); it != m_colourOfStyle.cend(); ++it) {
        qint64 distance = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            const qint64 d = ((colourNumber >> shift) & 0xFF) - ((it.value() >> shift) & 0xFF);
            distance += d * d;
        }
        if (bestDistance < 0 || distance < bestDistance) {
            best = it.key();
            bestDistance = distance;
        }
    }
    return best;
}

void HtmlEditor::applyStyleFont(int style)
{
    const QByteArray family = m_fontFamily.toUtf8();
    SendScintilla(SCI_STYLESETFONT, long(style), family.constData());
    SendScintilla(SCI_STYLESETSIZEFRACTIONAL, long(style), long(qRound(m_fontSize * 100)));
    // The paper follows the default style, which the editor greys while it
    // is disabled.
    SendScintilla(SCI_STYLESETBACK, long(style),
                  SendScintilla(SCI_STYLEGETBACK, long(STYLE_DEFAULT)));
}

void HtmlEditor::setTextFont(const QString &family, double points)
{
    m_fontFamily = family;
    // Sizes beyond these bounds overflow the editor's size arithmetic.
    const settings::Setting &size = settings::setting(settings::FontSize);
    m_fontSize = points > 0 ? std::clamp(points, size.min, size.max)
                            : numbers::leadingNumber(size.defaultText);
    applyStyleFont(STYLE_DEFAULT);
    for (auto it = m_colourOfStyle.cbegin(); it != m_colourOfStyle.cend(); ++it)
        applyStyleFont(it.key());
    SendScintilla(SCI_STYLESETFORE, 0L, 0L);
}

qint64 HtmlEditor::colorAt(qsizetype pos) const
{
    const_cast<HtmlEditor *>(this)->updateColours();
    const int style = styleAt(toBytes(pos));
    return m_colourOfStyle.value(style, 0);
}

qint64 HtmlEditor::selColor() const
{
    const_cast<HtmlEditor *>(this)->updateColours();
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    const long end = SendScintilla(SCI_GETSELECTIONEND);
    if (start == end && m_typingAnchor == start)
        return m_colourOfStyle.value(m_typingStyle, 0);
    const long at = start == end ? qMax(0L, start - 1) : start;
    return m_colourOfStyle.value(styleAt(at), 0);
}

void HtmlEditor::setSelColor(qint64 colourNumber)
{
    const int style = styleFor(colourNumber);
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    const long end = SendScintilla(SCI_GETSELECTIONEND);
    if (end > start) {
        SendScintilla(SCI_STARTSTYLING, start);
        SendScintilla(SCI_SETSTYLING, end - start, long(style));
    }
    m_typingStyle = style;
    m_typingAnchor = int(start);
}

void HtmlEditor::colorRange(qsizetype start, qsizetype length, qint64 colourNumber)
{
    if (length <= 0)
        return;
    const int style = styleFor(colourNumber);
    const int from = toBytes(start);
    const int to = toBytes(start + length);
    SendScintilla(SCI_STARTSTYLING, long(from));
    SendScintilla(SCI_SETSTYLING, long(to - from), long(style));
}

// Text typed or inserted takes the colour chosen last at this caret, or else
// the colour of the character before the caret.
void HtmlEditor::prepareTypingStyle()
{
    const long start = SendScintilla(SCI_GETSELECTIONSTART);
    if (m_typingAnchor == start)
        return;
    const long at = start > 0 ? start - 1 : 0;
    m_typingStyle = SendScintilla(SCI_GETLENGTH) > 0 ? styleAt(at) : 0;
    m_typingAnchor = int(start);
}

void HtmlEditor::styleInserted(int fromByte, int toByte)
{
    if (toByte > fromByte) {
        SendScintilla(SCI_STARTSTYLING, long(fromByte));
        SendScintilla(SCI_SETSTYLING, long(toByte - fromByte), long(m_typingStyle));
    }
    m_typingAnchor = toByte;
}

QString HtmlEditor::textRange(qsizetype start, qsizetype length) const
{
    if (length <= 0)
        return QString();
    const int from = toBytes(start);
    const int to = toBytes(start + length);
    return bytesText(from, to);
}

void HtmlEditor::resetStyles()
{
    m_styleOfColour.clear();
    m_colourOfStyle.clear();
    m_freeStyles.clear();
    m_styleOfColour.insert(0, 0);
    m_colourOfStyle.insert(0, 0);
    m_nextStyle = 1;
    m_typingAnchor = -1;
}

qsizetype HtmlEditor::findText(const QString &needle, qsizetype start, qsizetype end,
                               bool matchCase)
{
    if (needle.isEmpty())
        return -1;
    const long length = SendScintilla(SCI_GETLENGTH);
    const long from = toBytes(start);
    const long to = end < 0 ? length : toBytes(end);
    if (from > to)
        return -1;
    // The text is read in slices, not copied whole, and matched as QString
    // matches: letters of every script in any case (the editor's own search
    // folds only ASCII). A match may run over a slice's end: the last
    // needle.size() - 1 characters of a slice stay in front of the next.
    const QStringMatcher matcher(needle, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
    constexpr long Slice = 1 << 16;
    QString carried;
    qsizetype carriedAt = toChars(int(from)); // character index of the slice's text
    for (long pos = from; pos < to;) {
        long sliceEnd = qMin(to, pos + Slice);
        // End on a whole character: not inside a UTF-8 sequence.
        while (sliceEnd < to && sliceEnd > pos + 1 &&
               (SendScintilla(SCI_GETCHARAT, sliceEnd) & 0xC0) == 0x80)
            --sliceEnd;
        const QString text = carried + bytesText(pos, sliceEnd);
        const qsizetype found = matcher.indexIn(text, 0);
        if (found >= 0) {
            const qsizetype at = carriedAt + found;
            select(at, needle.size());
            return at;
        }
        const qsizetype keep = qMin<qsizetype>(needle.size() - 1, text.size());
        carriedAt += text.size() - keep;
        carried = text.right(keep);
        pos = sliceEnd;
    }
    return -1;
}

void HtmlEditor::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    const bool inserts =
        !text.isEmpty() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
        (text[0].isPrint() || text == QLatin1String("\r") || text == QLatin1String("\t"));
    if (!inserts || isReadOnly()) {
        QsciScintilla::keyPressEvent(event);
        updateColours();
        settleLines();
        return;
    }
    const QString typedText = text == QLatin1String("\r") ? QStringLiteral("\n") : text;
    emit aboutToType(typedText);
    prepareTypingStyle();
    const int start = int(SendScintilla(SCI_GETSELECTIONSTART));
    QsciScintilla::keyPressEvent(event);
    const int end = int(SendScintilla(SCI_GETCURRENTPOS));
    styleInserted(start, end);
    updateColours();
    settleLines();
    emit typed(typedText);
}

void HtmlEditor::inputMethodEvent(QInputMethodEvent *event)
{
    const QString committed = event->commitString();
    if (committed.isEmpty()) {
        QsciScintilla::inputMethodEvent(event);
        return;
    }
    emit aboutToType(committed);
    prepareTypingStyle();
    const int start = int(SendScintilla(SCI_GETSELECTIONSTART));
    QsciScintilla::inputMethodEvent(event);
    styleInserted(start, int(SendScintilla(SCI_GETCURRENTPOS)));
    updateColours();
    settleLines();
    emit typed(committed);
}

void HtmlEditor::changeEvent(QEvent *event)
{
    QsciScintilla::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        for (auto it = m_colourOfStyle.cbegin(); it != m_colourOfStyle.cend(); ++it)
            applyStyleFont(it.key());
    }
}

bool HtmlEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == viewport() && event->type() == QEvent::MouseMove)
        emit mouseMoved();
    return QsciScintilla::eventFilter(watched, event);
}
