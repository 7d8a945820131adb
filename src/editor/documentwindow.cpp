// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/documentwindow.h"

#include "editor/htmleditor.h"
#include "editor/writingaids.h"
#include "kernel/appstate.h"
#include "kernel/keytable.h"
#include "platform/dialogservice.h"
#include "platform/numbers.h"
#include "platform/paths.h"
#include "preview/previewmodule.h"
#include "preview/previewpane.h"
#include "preview/previewrules.h"
#include "widgets/messagebar.h"

#include <QAction>
#include <QCloseEvent>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// How long typing must pause before the preview follows it.
constexpr int LiveRefreshDelay = 300;

} // namespace

DocumentWindow::DocumentWindow(Kind kind, AppState &state, DialogService &dialogs, QWidget *parent)
    : QWidget(parent), m_kind(kind), m_state(state), m_dialogs(dialogs)
{
    setObjectName(kind == Kind::Preview ? QStringLiteral("Form16") : QStringLiteral("Form26"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_editor = new HtmlEditor(this);
    m_editor->setObjectName(QStringLiteral("Text1"));
    m_editor->setTextFont(QStringLiteral("Arial"), numbers::leadingNumber(state.fontSizeText));
    m_editor->setContextMenuPolicy(Qt::CustomContextMenu);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (kind == Kind::Preview)
        buildPreview();
    else
        layout->addWidget(m_editor);

    // With SmartColor on, the lines an edit touches take the colours a
    // SmartColor run would give them, as the edit happens.
    m_editor->setLiveColours([this](HtmlEditor::CategoryColours *colours) {
        if (m_state.colouringOff)
            return false;
        *colours = m_state.colors;
        return true;
    });
    new WritingAids(*m_editor, [this] {
        return WritingAids::Settings{m_state.autoClose, m_state.upperCaseTags
                                                            ? completion::LetterCase::Upper
                                                            : completion::LetterCase::Lower};
    });
    connect(m_editor, &HtmlEditor::aboutToType, this, &DocumentWindow::onAboutToType);
    // The change signal comes just before the text changes; the length is
    // read once the change is done.
    connect(m_editor, &HtmlEditor::textChanging, this, [this] {
        if (m_saved)
            setSaved(false);
    });
    connect(
        m_editor, &HtmlEditor::textChanging, this,
        [this] { emit lengthChanged(m_editor->characterLength()); }, Qt::QueuedConnection);
    connect(m_editor, &HtmlEditor::textChanging, this, &DocumentWindow::onTextChanging);
    connect(m_editor, &QsciScintilla::cursorPositionChanged, this, &DocumentWindow::onCaretMoved);
    connect(m_editor, &HtmlEditor::mouseMoved, this,
            [this] { emit hintRequested(tr("Edit Your HTML Document")); });
    connect(m_editor, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { emit popupRequested(m_editor->mapToGlobal(pos)); });
    resize(640, 420);
}

void DocumentWindow::setSaved(bool saved)
{
    m_saved = saved;
    setWindowModified(!saved);
    emit stateChanged();
}

void DocumentWindow::setCaption(const QString &caption)
{
    m_caption = caption;
    // "[*]" marks where the title shows the unsaved mark; one that is part
    // of the path is written doubled to show as itself.
    QString title = caption;
    title.replace(QStringLiteral("[*]"), QStringLiteral("[[*]]"));
    setWindowTitle(title + QStringLiteral("[*]"));
    m_editor->setAccessibleName(caption);
    emit stateChanged();
}

// A typed key ends the undo record while SmartColor is on; the colours
// themselves follow every edit (see the constructor).
void DocumentWindow::onAboutToType()
{
    if (!m_state.colouringOff)
        m_state.undo.valid = false;
}

bool DocumentWindow::loadFile(const QString &path, QString *error)
{
    // The text goes straight into the editor, part by part; the old text is
    // kept aside only in case the file changes while it is being read.
    const QString previous = m_editor->characterLength() > 0 ? m_editor->documentText() : QString();
    bool begun = false;
    const textfile::TextInfo info = textfile::readText(
        path,
        [&](qsizetype size) {
            begun = true;
            m_editor->beginDocument(size);
        },
        [&](QByteArrayView piece) { m_editor->appendDocument(piece); });
    if (!info.ok) {
        if (begun)
            m_editor->setDocumentText(previous);
        if (error)
            *error = info.error;
        return false;
    }
    m_editor->endDocument();
    m_diskStamp = filestamp::of(path);
    m_encoding = info.encoding;
    m_editor->setCrLf(info.lineEnds == textfile::LineEnds::CrLf);
    checkCharset();
    return true;
}

bool DocumentWindow::saveFile(const QString &path, QString *error)
{
    if (!confirmOverwrite(path)) {
        if (error)
            *error = tr("The document was not saved.");
        return false;
    }
    QString text = m_editor->documentText();
    textfile::Encoding encoding = m_encoding;
    if (!settleUnrepresentable(&text, &encoding, error))
        return false;
    if (!textfile::save(path, text, encoding, error))
        return false;
    m_encoding = encoding;
    m_diskStamp = filestamp::of(path);
    ++m_saves;
    checkCharset();
    return true;
}

// Another program's change to this document's file is not overwritten
// unasked.
bool DocumentWindow::confirmOverwrite(const QString &path)
{
    if (path != m_caption || !m_diskStamp.exists)
        return true;
    const filestamp::Stamp now = filestamp::of(path);
    if (!now.exists || now == m_diskStamp)
        return true;
    return m_dialogs.message(this,
                             tr("%1 has been changed by another program since it was opened "
                                "or last saved here.\nSave over it?")
                                 .arg(path),
                             tr("Save"), DialogService::Buttons::YesNo,
                             DialogService::Icon::Question) == DialogService::Answer::Yes;
}

QString DocumentWindow::cannotSaveMessage(const QString &path, const QString &reason)
{
    return tr("Cannot Save File\n%1: %2").arg(path, reason);
}

QString DocumentWindow::previewPath() const
{
    return paths::join(m_state.siteFilePath, paths::previewFileName());
}

bool DocumentWindow::writePreviewFile(QString *error) const
{
    const QString text = m_editor->documentText();
    // The preview copy is written as the document's own bytes would be; a
    // text its encoding cannot hold goes out as UTF-8.
    const textfile::Encoding encoding = textfile::firstUnrepresentable(text, m_encoding) >= 0
                                            ? textfile::Encoding::Utf8
                                            : m_encoding;
    return textfile::save(previewPath(), text, encoding, error);
}

void DocumentWindow::buildPreview()
{
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("Slider1"));
    m_splitter->setAccessibleName(tr("Splitter"));
    m_splitter->setChildrenCollapsible(false);
    m_pane = new PreviewPane(m_splitter);
    m_splitter->addWidget(m_editor);
    m_splitter->addWidget(m_pane);
    m_splitter->setStretchFactor(0, 1);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({1000, 1000});
    layout()->addWidget(m_splitter);
    connect(m_pane, &PreviewPane::refreshRequested, this, &DocumentWindow::refreshPreview);
    connect(m_pane, &PreviewPane::elementClicked, this, &DocumentWindow::placeCaretAt);

    auto *refresh = new QAction(tr("Refresh Preview"), this);
    refresh->setObjectName(QStringLiteral("RefreshPreview"));
    refresh->setShortcuts(QKeySequence::listFromString(keytable::keysOf(refresh->objectName()),
                                                       QKeySequence::PortableText));
    refresh->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(refresh, &QAction::triggered, this, &DocumentWindow::refreshPreview);
    addAction(refresh);

    m_liveTimer = new QTimer(this);
    m_liveTimer->setSingleShot(true);
    m_liveTimer->setInterval(LiveRefreshDelay);
    connect(m_liveTimer, &QTimer::timeout, this, &DocumentWindow::refreshPreview);
}

// Said once a run, when the browser engine first shows something: scripts
// are off because the engine runs without its sandbox.
void DocumentWindow::tellScriptsOff()
{
    if (previewmodule::takeScriptsOffNotice()) {
        emit statusMessage(tr("Scripts in previewed pages are switched off: the browser "
                              "engine cannot use its sandbox here (for example when run as "
                              "root)."));
    }
}

previewrules::Root DocumentWindow::previewRoot() const
{
    const bool named = !m_caption.isEmpty() && !m_caption.startsWith(QLatin1String("New"));
    return previewrules::rootFor(named ? previewrules::resolvedPath(m_caption) : QString(),
                                 previewrules::resolvedPath(m_state.siteFilePath));
}

void DocumentWindow::refreshPreview()
{
    if (!m_pane || m_editor->characterLength() == 0)
        return;
    m_liveTimer->stop();
    m_pane->showDocument(m_editor->documentText(), previewRoot());
    tellScriptsOff();
}

void DocumentWindow::showManualInPreview(const QString &html)
{
    if (m_pane)
        m_pane->showManual(html);
}

void DocumentWindow::showAddressInPreview(const QUrl &url)
{
    if (!m_pane)
        return;
    m_pane->showAddress(url);
    tellScriptsOff();
}

void DocumentWindow::onTextChanging()
{
    m_caretMovedByEdit = true;
    if (m_liveTimer && m_state.livePreview)
        m_liveTimer->start();
}

// Moves of the caret made by typing are not followed: the preview would
// flash its outline at every key.
void DocumentWindow::onCaretMoved()
{
    if (m_caretMovedByEdit) {
        m_caretMovedByEdit = false;
        return;
    }
    if (m_pane)
        m_pane->followCaret(m_editor->selStart());
}

// A click in the preview: the caret goes to that element's start tag, when
// the text still has one there.
void DocumentWindow::placeCaretAt(qsizetype start)
{
    if (start >= m_editor->characterLength() || m_editor->textRange(start, 1) != QLatin1String("<"))
        return;
    m_editor->setSelStart(start);
    m_editor->ensureCursorVisible();
    m_editor->setFocus(Qt::MouseFocusReason);
}

void DocumentWindow::closeEvent(QCloseEvent *event)
{
    if (!m_saved) {
        const auto answer = m_dialogs.message(this, tr("Do you want to save your document"),
                                              tr("You have not saved your file"),
                                              DialogService::Buttons::YesNoCancel);
        if (answer == DialogService::Answer::Cancel) {
            event->ignore();
            m_state.closeCancelled = true;
            return;
        }
        if (answer == DialogService::Answer::Yes) {
            // A document with a file is saved to it; only a new one asks
            // for a name.
            QString path = caption();
            if (path.startsWith(QLatin1String("New"))) {
                path = m_dialogs.saveFileName(this, tr("Save As"), m_state.siteFilePath,
                                              QStringLiteral("HTML Files (*.htm)|*.htm"));
            }
            // Keeping the window open when no file was written: closing it
            // would throw the text away after the user asked to save it.
            QString error;
            if (path.isEmpty()) {
                event->ignore();
                m_state.closeCancelled = true;
                return;
            }
            if (!saveFile(path, &error)) {
                m_dialogs.message(this, cannotSaveMessage(path, error));
                event->ignore();
                m_state.closeCancelled = true;
                return;
            }
            setCaption(path);
            setSaved(true);
        }
        emit siteListRefreshRequested();
    }
    event->accept();
    emit closing(this);
}

MessageBar *DocumentWindow::addMessageBar(const QString &text)
{
    auto *bar = new MessageBar(this);
    bar->setText(text);
    auto *box = static_cast<QVBoxLayout *>(layout());
    box->insertWidget(messageBars().size(), bar);
    return bar;
}

QList<MessageBar *> DocumentWindow::messageBars() const
{
    return findChildren<MessageBar *>(QString(), Qt::FindDirectChildrenOnly);
}
