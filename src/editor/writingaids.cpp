// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/writingaids.h"

#include "editor/htmleditor.h"
#include "editor/markupnav.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QScrollBar>
#include <QTimer>

namespace {

using Sci = QsciScintillaBase;

// Typed characters after which completion may have something to offer.
bool mayComplete(const QString &text)
{
    if (text.size() != 1)
        return false;
    const QChar c = text[0];
    return c.isLetterOrNumber() || QStringView(u"<&/!-=\"' ").contains(c);
}

// How long the caret must rest after an edit before its tags are marked:
// typing is never slowed by the search, however far the match lies.
constexpr int MatchAfterTyping = 150;
constexpr int VisibleRows = 10;

} // namespace

WritingAids::WritingAids(HtmlEditor &editor, SettingsSource settings)
    : QObject(&editor), m_editor(editor), m_settings(std::move(settings)),
      m_list(new QListWidget(&editor)), m_pause(new QTimer(this)), m_matchTimer(new QTimer(this))
{
    setObjectName(QStringLiteral("WritingAids"));
    m_list->setObjectName(QStringLiteral("CompletionList"));
    m_list->setAccessibleName(tr("Completions"));
    m_list->setAccessibleDescription(
        tr("Enter or Tab writes the chosen entry, Escape closes the list"));
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setUniformItemSizes(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->hide();
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { take(m_list->row(item)); });
    connect(m_list, &QListWidget::currentRowChanged, this, &WritingAids::tellCurrentItem);

    m_pause->setSingleShot(true);
    m_pause->setInterval(Pause);
    connect(m_pause, &QTimer::timeout, this, [this] { showList(); });
    m_matchTimer->setSingleShot(true);
    connect(m_matchTimer, &QTimer::timeout, this, &WritingAids::markMatch);

    m_editor.SendScintilla(Sci::SCI_INDICSETSTYLE, MatchingTagIndicator, Sci::INDIC_ROUNDBOX);
    m_editor.SendScintilla(Sci::SCI_INDICSETFORE, MatchingTagIndicator, 0xC08040L);
    m_editor.SendScintilla(Sci::SCI_INDICSETALPHA, MatchingTagIndicator, 70L);
    m_editor.SendScintilla(Sci::SCI_INDICSETUNDER, MatchingTagIndicator, 1L);

    connect(&m_editor, &HtmlEditor::typed, this, &WritingAids::typed);
    connect(&m_editor, &HtmlEditor::textChanging, this, [this] { m_edited = true; });
    connect(&m_editor, &QsciScintilla::cursorPositionChanged, this, &WritingAids::caretMoved);
    connect(&m_editor, &QsciScintilla::selectionChanged, this, &WritingAids::caretMoved);
    m_editor.installEventFilter(this);
}

WritingAids *WritingAids::of(HtmlEditor &editor)
{
    return editor.findChild<WritingAids *>(QStringLiteral("WritingAids"),
                                           Qt::FindDirectChildrenOnly);
}

void WritingAids::typed(const QString &text)
{
    const Settings settings = m_settings();
    const long caret = m_editor.caretByte();
    if (settings.autoClose && text == QLatin1String(">")) {
        if (const auto endTag = markupnav::endTagToAdd(m_editor.markup(), caret))
            m_editor.insertAfterCaret(QString::fromUtf8(*endTag));
    } else if (settings.autoClose && text == QLatin1String("/") && caret >= 2) {
        const markupnav::Text &markup = m_editor.markup();
        const QByteArrayView around = markup.bytes(caret - 2, qMin(markup.size(), caret + 1));
        const char next = around.size() > 2 ? around[2] : ' ';
        const bool wordFollows = QChar::fromLatin1(next).isLetterOrNumber() || next == '>';
        if (around.startsWith("</") && !wordFollows) {
            const QByteArray name = markupnav::openElementAt(markup, caret - 2);
            if (!name.isEmpty())
                m_editor.replaceBytes(caret, caret, QString::fromUtf8(name + '>'));
        }
    }
    if (m_list->isVisible())
        showList();
    else if (mayComplete(text))
        m_pause->start();
    else
        m_pause->stop();
}

void WritingAids::caretMoved()
{
    // The list follows the word at the caret, or goes.
    if (m_list->isVisible())
        showList();
    // An edit takes the marks away at once; they come back once the caret
    // rests.
    if (m_edited)
        clearMatch();
    m_matchTimer->start(m_edited ? MatchAfterTyping : 0);
    m_edited = false;
}

bool WritingAids::complete()
{
    m_pause->stop();
    return showList();
}

// Fills the list for the caret and shows it; hides it when nothing fits.
bool WritingAids::showList()
{
    if (m_editor.SendScintilla(Sci::SCI_GETSELECTIONEMPTY) == 0 || m_editor.isReadOnly()) {
        hideList();
        return false;
    }
    const markupnav::Text &markup = m_editor.markup();
    m_context = completion::contextAt(markup, m_editor.caretByte());
    m_entries = completion::entries(m_context, m_settings().tagCase);
    if (m_entries.isEmpty()) {
        hideList();
        return false;
    }
    const QString current = m_list->currentItem() ? m_list->currentItem()->text() : QString();
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    const QColor grey = m_list->palette().color(QPalette::Disabled, QPalette::Text);
    for (const completion::Entry &entry : std::as_const(m_entries)) {
        auto *item = new QListWidgetItem(entry.label, m_list);
        if (entry.obsolete) {
            item->setForeground(grey);
            QFont font = item->font();
            font.setItalic(true);
            item->setFont(font);
            item->setToolTip(tr("Obsolete in HTML 5"));
            item->setData(Qt::AccessibleTextRole, tr("%1, obsolete in HTML 5").arg(entry.label));
        } else {
            item->setData(Qt::AccessibleTextRole, entry.label);
        }
    }
    const QList<QListWidgetItem *> same = m_list->findItems(current, Qt::MatchExactly);
    m_list->setCurrentRow(same.isEmpty() ? 0 : m_list->row(same.first()));
    m_list->setUpdatesEnabled(true);
    placeList();
    m_list->show();
    m_list->raise();
    tellCurrentItem();
    return true;
}

void WritingAids::placeList()
{
    const long from = long(m_context.from);
    const int x = int(m_editor.SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0UL, from));
    const int y = int(m_editor.SendScintilla(Sci::SCI_POINTYFROMPOSITION, 0UL, from));
    const int lineHeight = int(m_editor.SendScintilla(Sci::SCI_TEXTHEIGHT, 0UL));
    const QPoint below = m_editor.viewport()->mapTo(&m_editor, QPoint(x, y + lineHeight));
    int width = 0;
    for (int row = 0; row < qMin(m_list->count(), 200); ++row)
        width = qMax(width, m_list->fontMetrics().horizontalAdvance(m_list->item(row)->text()));
    width = qBound(120,
                   width + 2 * m_list->frameWidth() +
                       m_list->verticalScrollBar()->sizeHint().width() + 12,
                   qMax(120, m_editor.width() / 2));
    const int rowHeight = qMax(m_list->sizeHintForRow(0), m_list->fontMetrics().height());
    const int height = rowHeight * qMin(m_list->count(), VisibleRows) + 2 * m_list->frameWidth();
    QPoint at = below;
    if (at.y() + height > m_editor.height() && below.y() - lineHeight - height >= 0)
        at.setY(below.y() - lineHeight - height);
    at.setX(qBound(0, at.x(), qMax(0, m_editor.width() - width)));
    m_list->setGeometry(QRect(at, QSize(width, height)));
}

void WritingAids::take(int row)
{
    if (row < 0 || row >= m_entries.size())
        return;
    const completion::Entry entry = m_entries[row];
    const completion::Kind kind = m_context.kind;
    hideList();
    m_editor.replaceBytes(long(m_context.from), long(m_context.to), entry.insert, entry.caretBack);
    // An attribute with a fixed set of values offers them at once.
    if (kind == completion::Kind::Attribute && entry.caretBack > 0)
        showList();
}

void WritingAids::hideList()
{
    m_list->hide();
    m_list->clear();
    m_entries.clear();
}

// Screen readers hear the entry chosen, though the focus stays in the text.
void WritingAids::tellCurrentItem()
{
    const int row = m_list->currentRow();
    if (!QAccessible::isActive() || row < 0 || !m_list->isVisible())
        return;
    QAccessibleEvent focus(m_list, QAccessible::Focus);
    focus.setChild(row);
    QAccessible::updateAccessibility(&focus);
}

bool WritingAids::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_editor || !m_list->isVisible())
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut) {
        hideList();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const int rows = m_list->count();
    const int row = m_list->currentRow();
    switch (key->key()) {
    case Qt::Key_Up:
        m_list->setCurrentRow(qMax(0, row - 1));
        return true;
    case Qt::Key_Down:
        m_list->setCurrentRow(qMin(rows - 1, row + 1));
        return true;
    case Qt::Key_PageUp:
        m_list->setCurrentRow(qMax(0, row - VisibleRows));
        return true;
    case Qt::Key_PageDown:
        m_list->setCurrentRow(qMin(rows - 1, row + VisibleRows));
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
        take(row);
        return true;
    case Qt::Key_Escape:
        hideList();
        return true;
    default:
        return false;
    }
}

// Marks the tag at the caret and the one it matches; nothing when the
// markup does not pair them.
void WritingAids::markMatch()
{
    clearMatch();
    if (m_editor.SendScintilla(Sci::SCI_GETSELECTIONEMPTY) == 0)
        return;
    const auto match = markupnav::matchAt(m_editor.markup(), m_editor.caretByte());
    if (!match)
        return;
    for (const markupnav::Range &tag : {match->open, match->close}) {
        m_editor.SendScintilla(Sci::SCI_INDICATORFILLRANGE, long(tag.start),
                               long(tag.end - tag.start));
    }
    m_marked = true;
}

// The marks move with the text, so all of it is cleared.
void WritingAids::clearMatch()
{
    m_editor.SendScintilla(Sci::SCI_SETINDICATORCURRENT, MatchingTagIndicator);
    if (m_marked)
        m_editor.SendScintilla(Sci::SCI_INDICATORCLEARRANGE, 0UL,
                               m_editor.SendScintilla(Sci::SCI_GETLENGTH));
    m_marked = false;
}

bool WritingAids::closeElement()
{
    const long from = m_editor.SendScintilla(Sci::SCI_GETSELECTIONSTART);
    const long to = m_editor.SendScintilla(Sci::SCI_GETSELECTIONEND);
    const QByteArray name = markupnav::openElementAt(m_editor.markup(), from);
    if (name.isEmpty())
        return false;
    m_editor.replaceBytes(from, to, QString::fromUtf8("</" + name + '>'));
    return true;
}

bool WritingAids::goToMatchingTag()
{
    const long caret = m_editor.caretByte();
    const auto match = markupnav::matchAt(m_editor.markup(), caret);
    if (!match)
        return false;
    const bool inOpen = caret >= match->open.start && caret <= match->open.end;
    m_editor.SendScintilla(Sci::SCI_GOTOPOS, long(inOpen ? match->close.start : match->open.start));
    return true;
}

bool WritingAids::selectElement()
{
    const long from = m_editor.SendScintilla(Sci::SCI_GETSELECTIONSTART);
    const long to = m_editor.SendScintilla(Sci::SCI_GETSELECTIONEND);
    const auto element = markupnav::elementAround(m_editor.markup(), from, to);
    if (!element)
        return false;
    m_editor.SendScintilla(Sci::SCI_SETSEL, long(element->start), long(element->end));
    m_editor.SendScintilla(Sci::SCI_SCROLLRANGE, long(element->end), long(element->start));
    return true;
}

void WritingAids::foldHere(bool fold)
{
    m_editor.markup(); // the fold levels up to date
    const long line = m_editor.SendScintilla(Sci::SCI_LINEFROMPOSITION, m_editor.caretByte());
    const bool head =
        m_editor.SendScintilla(Sci::SCI_GETFOLDLEVEL, line) & Sci::SC_FOLDLEVELHEADERFLAG;
    // Unfolding a head that is open already, or folding a line that heads
    // nothing, acts on the fold around it.
    const bool open = m_editor.SendScintilla(Sci::SCI_GETFOLDEXPANDED, line);
    const long target =
        head && (fold ? open : !open) ? line : m_editor.SendScintilla(Sci::SCI_GETFOLDPARENT, line);
    if (target < 0)
        return;
    m_editor.SendScintilla(Sci::SCI_FOLDLINE, target,
                           long(fold ? Sci::SC_FOLDACTION_CONTRACT : Sci::SC_FOLDACTION_EXPAND));
    if (fold && target != line)
        m_editor.SendScintilla(Sci::SCI_GOTOLINE, target);
}

void WritingAids::foldEverything(bool fold)
{
    m_editor.markup();
    m_editor.SendScintilla(Sci::SCI_FOLDALL,
                           long(fold ? Sci::SC_FOLDACTION_CONTRACT : Sci::SC_FOLDACTION_EXPAND));
    if (!fold)
        return;
    // The caret goes to the head of the fold that hides it.
    long line = m_editor.SendScintilla(Sci::SCI_LINEFROMPOSITION, m_editor.caretByte());
    while (line > 0 && !m_editor.SendScintilla(Sci::SCI_GETLINEVISIBLE, line))
        line = m_editor.SendScintilla(Sci::SCI_GETFOLDPARENT, line);
    if (line >= 0)
        m_editor.SendScintilla(Sci::SCI_GOTOLINE, line);
}
