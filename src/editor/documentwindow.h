// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One document: the HTML source editor, and in the preview kind a live
// preview beside it that refreshes a moment after typing stops, with its
// refresh button and F5. The preview follows the caret, and a click in it
// moves the caret.

#include "platform/textfile.h"

#include <QPointer>
#include <QWidget>

struct AppState;
class DialogService;
class HtmlEditor;
class MessageBar;
class PreviewPane;
class QSplitter;
class QTimer;
class QWebEngineView;
namespace previewrules {
struct Root;
}

class DocumentWindow : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { Preview, Plain }; // object names Form16, Form26

    DocumentWindow(Kind kind, AppState &state, DialogService &dialogs, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    HtmlEditor *editor() const { return m_editor; }

    // Saved flag: true when the text has no unsaved changes. The window
    // title shows the usual "*" while it is false.
    bool isSaved() const { return m_saved; }
    void setSaved(bool saved);

    // "New 1" or the full path of the file; the window title shows it too,
    // but the title is never read back as the path.
    QString caption() const { return m_caption; }
    void setCaption(const QString &caption);

    textfile::Encoding encoding() const { return m_encoding; }

    // Loads a file as the document's text; on failure the text is unchanged.
    // Pipes, devices and files that look binary are refused.
    bool loadFile(const QString &path, QString *error = nullptr);
    // Saves the text keeping the file's encoding and line ends. When the
    // text holds characters that encoding cannot represent, asks before
    // saving as UTF-8; false when the user declines or writing fails.
    bool saveFile(const QString &path, QString *error = nullptr);

    // "Cannot Save File", and on the next line the path and why.
    static QString cannotSaveMessage(const QString &path, const QString &reason);

    // The preview file in the web-site folder, for the external browser.
    QString previewPath() const;
    // Writes the text to the preview file; false (with the reason) when it
    // cannot be written.
    bool writePreviewFile(QString *error = nullptr) const;
    // Shows the text in the preview, served from memory: nothing is
    // written. An empty document leaves the preview as it is.
    void refreshPreview();
    // Shows another page (the manual) in the preview, rooted where the
    // document is.
    void showPageInPreview(const QString &html);
    // Shows an address of the web in the preview.
    void showAddressInPreview(const QUrl &url);
    // Preview kind only; the view is made when it first shows something.
    PreviewPane *previewPane() const { return m_pane; }
    QWebEngineView *previewView() const;

    // A new message bar above the text (below any bars already shown); the
    // caller adds its buttons. The bar closes itself when answered.
    MessageBar *addMessageBar(const QString &text);
    QList<MessageBar *> messageBars() const;

signals:
    void lengthChanged(qsizetype length);
    void hintRequested(const QString &hint);
    void popupRequested(const QPoint &globalPos);
    void siteListRefreshRequested();
    // Something the user should read once, for the status bar.
    void statusMessage(const QString &text);
    // Emitted once, when a close has been accepted.
    void closing(DocumentWindow *window);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void onAboutToType();
    void buildPreview();
    void tellScriptsOff();
    void onTextChanging();
    void onCaretMoved();
    void placeCaretAt(qsizetype start);
    previewrules::Root previewRoot() const;

    Kind m_kind;
    AppState &m_state;
    DialogService &m_dialogs;
    HtmlEditor *m_editor = nullptr;
    QSplitter *m_splitter = nullptr; // Slider1: source beside preview
    PreviewPane *m_pane = nullptr;   // Command1 over WebBrowser1
    QTimer *m_liveTimer = nullptr;
    bool m_caretMovedByEdit = false;
    QString m_caption;
    bool m_saved = true;
    textfile::Encoding m_encoding = textfile::Encoding::Utf8;
};
