// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/spellhighlighter.h"

#include "check/spellservice.h"
#include "editor/htmleditor.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QMenu>
#include <QTimer>

namespace {

constexpr quint32 Unchecked = 0xFFFFFFFFu;
// How long one slice of the idle check may take, and how long typing must
// pause before the lines off screen are checked again.
constexpr qint64 IdleSliceMs = 8;
constexpr int IdleAfterEditMs = 300;
// The page's LANG is read again a moment after its start changes.
constexpr int LanguageDelayMs = 400;
constexpr long HeadBytes = 64 * 1024;
// A line longer than this (a page written without line breaks) is followed
// but not checked: checking it whole would hold up the editor.
constexpr long LongLineBytes = 256 * 1024;
constexpr long MarkColour = 0x2020E0; // red, as 0x00BBGGRR

} // namespace

SpellHighlighter::SpellHighlighter(HtmlEditor &editor, SpellService &service)
    : QObject(&editor), m_editor(editor), m_service(service)
{
    setObjectName(QStringLiteral("SpellHighlighter"));
    m_editor.SendScintilla(QsciScintillaBase::SCI_INDICSETFORE, long(Indicator), MarkColour);

    m_visibleTimer = new QTimer(this);
    m_visibleTimer->setSingleShot(true);
    m_visibleTimer->setInterval(0);
    connect(m_visibleTimer, &QTimer::timeout, this, &SpellHighlighter::checkVisible);
    m_idleTimer = new QTimer(this);
    m_idleTimer->setSingleShot(true);
    connect(m_idleTimer, &QTimer::timeout, this, [this] {
        if (isLive() && checkOn(IdleSliceMs))
            m_idleTimer->start(0);
    });
    m_languageTimer = new QTimer(this);
    m_languageTimer->setSingleShot(true);
    m_languageTimer->setInterval(LanguageDelayMs);
    connect(m_languageTimer, &QTimer::timeout, this, &SpellHighlighter::chooseDictionary);

    connect(&m_editor, &HtmlEditor::linesEdited, this, &SpellHighlighter::onLinesEdited);
    connect(&m_editor, &HtmlEditor::typed, this, [this] {
        m_typedLine = int(
            m_editor.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION,
                                   m_editor.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS)));
    });
    connect(&m_editor, &QsciScintilla::cursorPositionChanged, this,
            &SpellHighlighter::onCaretMoved);
    connect(&m_editor, &QsciScintillaBase::SCN_UPDATEUI, this, [this](int updated) {
        if (updated & QsciScintillaBase::SC_UPDATE_V_SCROLL)
            m_visibleTimer->start();
    });
    m_editor.viewport()->installEventFilter(this);

    connect(&m_service, &SpellService::dictionaryLoaded, this, [this](const QString &name) {
        if (name == m_dictionaryName)
            chooseDictionary();
    });
    connect(&m_service, &SpellService::wordsChanged, this, &SpellHighlighter::restart);
    connect(&m_service, &SpellService::optionsChanged, this, &SpellHighlighter::chooseDictionary);
    chooseDictionary();
}

SpellHighlighter *SpellHighlighter::of(HtmlEditor *editor)
{
    return editor ? editor->findChild<SpellHighlighter *>(QString(), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

bool SpellHighlighter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show)
        m_visibleTimer->start();
    return QObject::eventFilter(watched, event);
}

bool SpellHighlighter::isLive() const
{
    return m_service.isLive() && m_dictionary;
}

int SpellHighlighter::lineCount() const
{
    return int(m_editor.SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT));
}

// The dictionary for the page's LANG (or the settings' or the locale's).
void SpellHighlighter::chooseDictionary()
{
    const long length = m_editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    const long head = qMin(length, HeadBytes);
    const auto *bytes = reinterpret_cast<const char *>(
        m_editor.SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER, 0L, head));
    const QString language =
        bytes ? spelltext::pageLanguage(QByteArrayView(bytes, head)) : QString();
    const QString name = m_service.dictionaryFor(language);
    spelling::Dictionary *dictionary = name.isEmpty() ? nullptr : m_service.dictionary(name);
    if (name == m_dictionaryName && dictionary == m_dictionary && !m_stale && isLive())
        return;
    m_dictionaryName = name;
    m_dictionary = dictionary;
    restart();
}

void SpellHighlighter::restart()
{
    m_visibleTimer->stop();
    m_idleTimer->stop();
    m_editor.SendScintilla(QsciScintillaBase::SCI_INDICSETSTYLE, long(Indicator),
                           long(m_service.isLive() ? QsciScintillaBase::INDIC_SQUIGGLEPIXMAP
                                                   : QsciScintillaBase::INDIC_HIDDEN));
    if (!isLive()) {
        // Nothing follows the text until the Spelling dialog asks.
        clearMarks();
        m_stale = true;
        m_checkedWith.clear();
        m_endState.clear();
        return;
    }
    resetLines();
    m_visibleTimer->start();
    m_idleTimer->start(0);
}

void SpellHighlighter::resetLines()
{
    const int lines = lineCount();
    m_checkedWith.fill(Unchecked, lines);
    m_endState.fill(0, lines);
    m_next = 0;
    m_nextState = spelltext::State();
    m_knownLine = -1;
    m_stale = false;
}

void SpellHighlighter::uncheck(int line)
{
    if (line < 0 || line >= m_checkedWith.size())
        return;
    m_checkedWith[line] = Unchecked;
    if (line < m_next) {
        m_next = line;
        m_nextState =
            line == 0 ? spelltext::State() : spelltext::State::unpacked(m_endState[line - 1]);
    }
    if (line < m_knownLine)
        m_knownLine = -1;
}

void SpellHighlighter::onLinesEdited(int first, int last, int delta)
{
    if (m_editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, long(first)) < HeadBytes)
        m_languageTimer->start();
    if (m_stale)
        return;
    const int oldCount = int(m_checkedWith.size());
    first = qBound(0, first, qMax(0, oldCount - 1));
    last = qBound(first, last, qMax(0, oldCount - 1));
    const int removed = last - first;
    const int added = removed + delta;
    if (added < 0 || oldCount + delta != lineCount()) {
        resetLines(); // lost track: everything again
    } else {
        // The lines after first were replaced by the edit's own.
        m_checkedWith.remove(first + 1, removed);
        m_checkedWith.insert(first + 1, added, Unchecked);
        m_endState.remove(first + 1, removed);
        m_endState.insert(first + 1, added, 0);
        uncheck(first);
    }
    if (m_heldLine > first)
        m_heldLine = m_heldLine > last ? m_heldLine + delta : -1;
    if (isLive()) {
        m_visibleTimer->start();
        m_idleTimer->start(IdleAfterEditMs);
    }
}

// A held word (the one being typed) is marked once the caret leaves it.
void SpellHighlighter::onCaretMoved()
{
    if (m_heldLine < 0 || m_editor.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS) == m_heldEnd)
        return;
    uncheck(m_heldLine);
    m_heldLine = -1;
    m_typedLine = -1;
    if (isLive())
        m_visibleTimer->start();
}

spelltext::State SpellHighlighter::scanLine(int line, spelltext::State state) const
{
    const long from = m_editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, long(line));
    const long to =
        line + 1 < lineCount()
            ? m_editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, long(line + 1))
            : m_editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    if (to > from) {
        const auto *bytes = reinterpret_cast<const char *>(
            m_editor.SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER, from, to - from));
        spelltext::scan(bytes, to - from, state);
    }
    return state;
}

spelltext::State SpellHighlighter::checkLine(int line, spelltext::State state)
{
    const long from = m_editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, long(line));
    const long to =
        line + 1 < lineCount()
            ? m_editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, long(line + 1))
            : m_editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    const spelltext::State start = state;
    QList<spelltext::Word> words;
    if (to > from) {
        const auto *bytes = reinterpret_cast<const char *>(
            m_editor.SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER, from, to - from));
        spelltext::scan(bytes, to - from, state, from,
                        to - from <= LongLineBytes ? &words : nullptr);
    }
    m_editor.SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, long(Indicator));
    m_editor.SendScintilla(QsciScintillaBase::SCI_INDICATORCLEARRANGE, from, to - from);
    const long caret = m_editor.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    for (const spelltext::Word &word : std::as_const(words)) {
        if (m_service.isCorrect(*m_dictionary, word.text))
            continue;
        // The word still being typed waits until the caret leaves it.
        if (line == m_typedLine && word.start + word.length == caret) {
            m_heldLine = line;
            m_heldEnd = caret;
            continue;
        }
        m_editor.SendScintilla(QsciScintillaBase::SCI_INDICATORFILLRANGE, long(word.start),
                               long(word.length));
    }
    m_checkedWith[line] = start.packed();
    m_endState[line] = state.packed();
    return state;
}

// The state where a line starts: known before m_next, else followed from
// m_next (or from the top of the screen, when that was known last) by a
// quick scan that skips the lines already checked from the right state.
spelltext::State SpellHighlighter::stateAt(int line)
{
    if (line <= m_next) {
        return line == m_next ? m_nextState
               : line == 0    ? spelltext::State()
                              : spelltext::State::unpacked(m_endState[line - 1]);
    }
    int at = m_next;
    spelltext::State state = m_nextState;
    if (m_knownLine >= m_next && m_knownLine <= line) {
        at = m_knownLine;
        state = m_knownState;
    }
    for (; at < line; ++at) {
        state = m_checkedWith[at] == state.packed() ? spelltext::State::unpacked(m_endState[at])
                                                    : scanLine(at, state);
    }
    m_knownLine = line;
    m_knownState = state;
    return state;
}

void SpellHighlighter::checkVisible()
{
    if (!isLive())
        return;
    const int count = lineCount();
    if (m_stale || m_checkedWith.size() != count)
        resetLines();
    const long top = m_editor.SendScintilla(QsciScintillaBase::SCI_GETFIRSTVISIBLELINE);
    const long shown = m_editor.SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN);
    const int first = qBound(
        0, int(m_editor.SendScintilla(QsciScintillaBase::SCI_DOCLINEFROMVISIBLE, top)), count - 1);
    const int last = qBound(
        first,
        int(m_editor.SendScintilla(QsciScintillaBase::SCI_DOCLINEFROMVISIBLE, top + shown)) + 1,
        count - 1);
    spelltext::State state = stateAt(first);
    for (int line = first; line <= last; ++line) {
        state = m_checkedWith[line] == state.packed() ? spelltext::State::unpacked(m_endState[line])
                                                      : checkLine(line, state);
    }
}

bool SpellHighlighter::checkOn(qint64 budgetMs)
{
    const int count = lineCount();
    if (m_stale || m_checkedWith.size() != count)
        resetLines();
    QElapsedTimer clock;
    clock.start();
    while (m_next < count) {
        m_nextState = m_checkedWith[m_next] == m_nextState.packed()
                          ? spelltext::State::unpacked(m_endState[m_next])
                          : checkLine(m_next, m_nextState);
        ++m_next;
        if (budgetMs >= 0 && clock.elapsed() >= budgetMs)
            break;
    }
    return m_next < count;
}

void SpellHighlighter::clearMarks()
{
    m_editor.SendScintilla(QsciScintillaBase::SCI_SETINDICATORCURRENT, long(Indicator));
    m_editor.SendScintilla(QsciScintillaBase::SCI_INDICATORCLEARRANGE, 0L,
                           m_editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH));
}

bool SpellHighlighter::prepare()
{
    if (!m_dictionary && !m_dictionaryName.isEmpty())
        m_dictionary = m_service.loadNow(m_dictionaryName);
    if (!m_dictionary)
        return false;
    if (m_stale || m_checkedWith.size() != lineCount())
        resetLines();
    if (m_heldLine >= 0) {
        uncheck(m_heldLine);
        m_heldLine = -1;
    }
    m_typedLine = -1;
    return true;
}

void SpellHighlighter::checkAll()
{
    if (prepare())
        checkOn(-1);
}

SpellHighlighter::Range SpellHighlighter::misspellingAt(long position) const
{
    for (const long at : {position, position - 1}) {
        if (at < 0 ||
            !m_editor.SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, long(Indicator), at))
            continue;
        const long start =
            m_editor.SendScintilla(QsciScintillaBase::SCI_INDICATORSTART, long(Indicator), at);
        const long end =
            m_editor.SendScintilla(QsciScintillaBase::SCI_INDICATOREND, long(Indicator), at);
        return {start, end - start};
    }
    return {};
}

SpellHighlighter::Range SpellHighlighter::nextMisspelling(long position)
{
    if (!prepare())
        return {};
    const long length = m_editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    long at = qBound(0L, position, length);
    for (;;) {
        // Marks before the line m_next are right; look there first.
        const long limit =
            m_next >= lineCount()
                ? length
                : m_editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, long(m_next));
        while (at < limit) {
            if (m_editor.SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, long(Indicator),
                                       at)) {
                const Range found = misspellingAt(at);
                if (found.start >= position)
                    return found;
                at = found.start + found.length;
                continue;
            }
            const long next =
                m_editor.SendScintilla(QsciScintillaBase::SCI_INDICATOREND, long(Indicator), at);
            if (next <= at)
                break;
            at = next;
        }
        if (m_next >= lineCount())
            return {};
        // Everything before limit was searched; the lines after it are
        // marked now, a slice at a time.
        at = qMin(at, limit);
        checkOn(50);
    }
}

QList<SpellHighlighter::Range> SpellHighlighter::misspellingsOf(const QString &word)
{
    QList<Range> found;
    checkAll();
    if (!m_dictionary)
        return found;
    const long length = m_editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
    for (long at = 0; at < length;) {
        const Range r = nextMisspelling(at);
        if (!r.isValid())
            break;
        if (textOf(r) == word)
            found.prepend(r);
        at = r.start + r.length;
    }
    return found;
}

QString SpellHighlighter::textOf(Range range) const
{
    if (!range.isValid() || range.length <= 0)
        return QString();
    const auto *bytes = reinterpret_cast<const char *>(
        m_editor.SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER, range.start, range.length));
    return bytes ? QString::fromUtf8(bytes, range.length) : QString();
}

QStringList SpellHighlighter::suggestions(const QString &word)
{
    return m_dictionary ? m_dictionary->suggestions(word, 8) : QStringList();
}

void SpellHighlighter::replace(Range range, const QString &text)
{
    m_editor.SendScintilla(QsciScintillaBase::SCI_SETSEL, range.start, range.start + range.length);
    m_editor.setSelText(text);
}

bool SpellHighlighter::fillMenu(QMenu &menu, const QPoint &viewportPoint)
{
    if (!isLive())
        return false;
    const long position = m_editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMPOINTCLOSE,
                                                 long(viewportPoint.x()), long(viewportPoint.y()));
    if (position < 0)
        return false;
    const Range range = misspellingAt(position);
    if (!range.isValid())
        return false;
    const QString word = textOf(range);
    const QStringList list = suggestions(word);
    for (const QString &suggestion : list) {
        QAction *a = menu.addAction(suggestion);
        a->setObjectName(QStringLiteral("mnuSuggestionItem"));
        connect(a, &QAction::triggered, this, [this, range, word, suggestion] {
            if (textOf(range) == word)
                replace(range, suggestion);
        });
    }
    if (list.isEmpty())
        menu.addAction(tr("(No Suggestions)"))->setEnabled(false);
    menu.addSeparator();
    QAction *add = menu.addAction(tr("Add to Dictionary"));
    add->setObjectName(QStringLiteral("mnuAddWordItem"));
    connect(add, &QAction::triggered, this, [this, word] {
        QString error;
        if (!m_service.addWord(word, &error))
            emit addFailed(error);
    });
    QAction *ignore = menu.addAction(tr("Ignore All"));
    ignore->setObjectName(QStringLiteral("mnuIgnoreAllItem"));
    connect(ignore, &QAction::triggered, this, [this, word] { m_service.ignoreWord(word); });
    menu.addSeparator();
    return true;
}
