#include "editor/documentwindow.h"

#include "editor/htmleditor.h"
#include "kernel/appstate.h"
#include "platform/dialogservice.h"
#include "platform/numbers.h"
#include "platform/paths.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QSlider>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {

constexpr int twips(int value)
{
    return value / numbers::TwipsPerPixel;
}

// The preview never opens other windows: links aimed at a new window do
// nothing.
class PreviewPage : public QWebEnginePage
{
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    QWebEnginePage *createWindow(WebWindowType) override { return nullptr; }
};

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

    if (kind == Kind::Preview) {
        m_slider = new QSlider(Qt::Horizontal, this);
        m_slider->setObjectName(QStringLiteral("Slider1"));
        m_slider->setAccessibleName(QStringLiteral("Splitter"));
        m_refresh = new QPushButton(QStringLiteral(">"), this);
        m_refresh->setObjectName(QStringLiteral("Command1"));
        m_refresh->setToolTip(QStringLiteral("Refresh the preview"));
        connect(m_refresh, &QPushButton::clicked, this, &DocumentWindow::refreshPreview);
        connect(m_slider, &QSlider::sliderReleased, this,
                [this] { layoutPreview(m_slider->value()); });
    }

    connect(m_editor, &HtmlEditor::aboutToType, this, &DocumentWindow::onAboutToType);
    connect(m_editor, &HtmlEditor::typed, this, &DocumentWindow::onTyped);
    // The change signal comes just before the text changes; the length is
    // read once the change is done.
    connect(m_editor, &HtmlEditor::textChanging, this, [this] {
        if (m_saved)
            setSaved(false);
    });
    connect(
        m_editor, &HtmlEditor::textChanging, this,
        [this] { emit lengthChanged(m_editor->characterLength()); }, Qt::QueuedConnection);
    connect(m_editor, &HtmlEditor::mouseMoved, this,
            [this] { emit hintRequested(QStringLiteral("Edit Your HTML Document")); });
    connect(m_editor, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { emit popupRequested(m_editor->mapToGlobal(pos)); });
    resize(640, 420);
}

void DocumentWindow::setSaved(bool saved)
{
    m_saved = saved;
    setWindowModified(!saved);
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
}

// Typing colours: a "<" starts a tag in the Other colour, the ">" that ends
// it is in that colour too and what follows is black again. A comment's
// colour runs on across line breaks; other colours stop at a line start.
void DocumentWindow::onAboutToType(const QString &text)
{
    if (m_state.colouringOff)
        return;
    m_state.undo.valid = false;
    HtmlEditor *e = m_editor;
    if (e->characterLength() == 0)
        e->setSelColor(0);
    const qsizetype caret = e->selStart();
    if (caret == 0)
        return;
    const long before =
        e->SendScintilla(QsciScintillaBase::SCI_GETCHARAT, long(e->toBytes(caret)) - 1);
    if (before == '>')
        e->setSelColor(0);
    if (before == '\n' && e->selColor() != m_state.colors[CommentsColor])
        e->setSelColor(0);
    if (text == QLatin1String("<")) {
        e->setSelColor(m_state.colors[OtherColor]);
    } else if (text == QLatin1String(">")) {
        e->setSelColor(m_state.colors[OtherColor]);
        m_blackAfterTyping = true;
    }
}

void DocumentWindow::onTyped(const QString &)
{
    if (m_blackAfterTyping) {
        m_blackAfterTyping = false;
        m_editor->setSelColor(0);
    }
}

bool DocumentWindow::loadFile(const QString &path, QString *error)
{
    const textfile::Loaded loaded = textfile::load(path);
    if (!loaded.ok) {
        if (error)
            *error = loaded.error;
        return false;
    }
    m_encoding = loaded.encoding;
    m_editor->setCrLf(textfile::detectLineEnds(loaded.text) == textfile::LineEnds::CrLf);
    m_editor->setDocumentText(loaded.text);
    return true;
}

bool DocumentWindow::saveFile(const QString &path, QString *error)
{
    const QString text = m_editor->documentText();
    textfile::Encoding encoding = m_encoding;
    if (textfile::firstUnrepresentable(text, encoding) >= 0) {
        const auto answer = m_dialogs.message(
            this,
            QStringLiteral("This document holds characters that %1 cannot represent.\n"
                           "Save it as UTF-8 instead?")
                .arg(textfile::encodingName(encoding)),
            QStringLiteral("Save"), DialogService::Buttons::YesNo, DialogService::Icon::Question);
        if (answer != DialogService::Answer::Yes) {
            if (error)
                *error = QStringLiteral("The document was not saved.");
            return false;
        }
        // A file that began with a byte-order mark keeps one.
        encoding = encoding == textfile::Encoding::Windows1252Bom ? textfile::Encoding::Utf8Bom
                                                                  : textfile::Encoding::Utf8;
    }
    if (!textfile::save(path, text, encoding, error))
        return false;
    m_encoding = encoding;
    return true;
}

QString DocumentWindow::cannotSaveMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("Cannot Save File\n%1: %2").arg(path, reason);
}

QString DocumentWindow::previewPath() const
{
    return paths::join(m_state.siteFilePath, paths::previewFileName());
}

void DocumentWindow::ensurePreview()
{
    if (m_preview || m_kind != Kind::Preview)
        return;
    m_preview = new QWebEngineView(this);
    m_preview->setObjectName(QStringLiteral("WebBrowser1"));
    m_preview->setPage(new PreviewPage(m_preview));
    m_preview->setAccessibleName(QStringLiteral("Preview"));
    layoutPreview(m_editor->width());
}

void DocumentWindow::showInPreview(const QUrl &url)
{
    if (m_kind != Kind::Preview)
        return;
    ensurePreview();
    m_preview->load(url);
    m_preview->show();
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

void DocumentWindow::refreshPreview()
{
    if (m_editor->characterLength() == 0)
        return;
    if (!writePreviewFile()) {
        m_dialogs.message(this, QStringLiteral("Trouble with IE"));
        return;
    }
    showInPreview(QUrl::fromLocalFile(previewPath()));
}

void DocumentWindow::layoutPreview(int editorWidth)
{
    if (m_kind != Kind::Preview)
        return;
    const int w = width();
    const int h = height();
    const int gap = twips(190);
    const int top = twips(300);
    editorWidth = qBound(0, editorWidth, w);
    const int editorHeight = h >= twips(800) ? h - twips(750) : m_editor->height();
    m_editor->setGeometry(0, top, editorWidth, editorHeight);
    m_refresh->setGeometry(editorWidth, top, gap, gap + 4);
    if (m_preview) {
        m_preview->setGeometry(editorWidth + gap, top, qMax(0, w - editorWidth - twips(280)),
                               editorHeight);
    }
}

void DocumentWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (isMinimized())
        return;
    const int w = width();
    const int h = height();
    if (m_kind == Kind::Plain) {
        m_editor->setGeometry(0, 0, qMax(0, w - twips(190)), qMax(0, h - twips(450)));
        return;
    }
    m_slider->setGeometry(0, 0, w, twips(300));
    m_slider->setRange(0, w);
    const int editorWidth = w / 2 - twips(190);
    m_slider->setValue(editorWidth);
    layoutPreview(editorWidth);
}

void DocumentWindow::closeEvent(QCloseEvent *event)
{
    if (!m_saved) {
        const auto answer = m_dialogs.message(
            this, QStringLiteral("Do you want to save your document"),
            QStringLiteral("You have not saved your file"), DialogService::Buttons::YesNoCancel);
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
                path = m_dialogs.saveFileName(this, QStringLiteral("Save As"), m_state.siteFilePath,
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
