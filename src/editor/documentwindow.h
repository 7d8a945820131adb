// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One document: the HTML source editor, and in the preview kind a live
// preview beside it that refreshes a moment after typing stops, with its
// refresh button and F5. The preview follows the caret, and a click in it
// moves the caret.

#include "platform/filestamp.h"
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
    void setEncoding(textfile::Encoding encoding) { m_encoding = encoding; }

    // The file as it was when this window last read or wrote it; a
    // different stamp on disk means another program changed it.
    filestamp::Stamp diskStamp() const { return m_diskStamp; }
    void setDiskStamp(const filestamp::Stamp &stamp) { m_diskStamp = stamp; }

    // Loads a file as the document's text; on failure the text is unchanged.
    // Pipes, devices and files that look binary are refused.
    bool loadFile(const QString &path, QString *error = nullptr);
    // Saves the text keeping the file's encoding and line ends. When the
    // text holds characters that encoding cannot represent, asks whether
    // to write them as numeric character references or to save as UTF-8,
    // and asks before writing over the document's own file when another
    // program changed it since; false when the user declines or writing
    // fails.
    bool saveFile(const QString &path, QString *error = nullptr);

    // After a load and a save: a bar when the charset the page declares is
    // not the encoding it is stored in, offering "Save as declared" and
    // "Fix the declaration".
    void checkCharset();
    MessageBar *charsetBar() const;

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
    // Shows the program's manual in the preview.
    void showManualInPreview(const QString &html);
    // Shows an address of the web in the preview.
    void showAddressInPreview(const QUrl &url);
    // Preview kind only.
    PreviewPane *previewPane() const { return m_pane; }

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
    // The saved flag or the caption was set.
    void stateChanged();
    // The document asks to be saved as the Save command saves it.
    void saveRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void onAboutToType();
    bool confirmOverwrite(const QString &path);
    void buildPreview();
    void tellScriptsOff();
    void onTextChanging();
    void onCaretMoved();
    void placeCaretAt(qsizetype start);
    previewrules::Root previewRoot() const;
    bool settleUnrepresentable(QString *text, textfile::Encoding *encoding, QString *error);
    void saveAsDeclared(textfile::Encoding encoding);
    void fixDeclaration();

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
    filestamp::Stamp m_diskStamp;
    QPointer<MessageBar> m_charsetBar;
    int m_saves = 0; // successful saves, to tell whether one happened
};
