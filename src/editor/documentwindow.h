#pragma once
// One document: the HTML source editor, and in the preview kind a live
// preview beside it refreshed by its ">" button.

#include "platform/textfile.h"

#include <QPointer>
#include <QWidget>

struct AppState;
class DialogService;
class HtmlEditor;
class QPushButton;
class QSlider;
class QWebEngineView;

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

    // The preview file in the web-site folder.
    QString previewPath() const;
    // Writes the text to the preview file; false (with the reason) when it
    // cannot be written.
    bool writePreviewFile(QString *error = nullptr) const;
    // The ">" button: writes the text to the preview file and shows it.
    void refreshPreview();
    // Shows a file or address in the preview (preview kind only).
    void showInPreview(const QUrl &url);
    QWebEngineView *previewView() const { return m_preview; }

signals:
    void lengthChanged(qsizetype length);
    void hintRequested(const QString &hint);
    void popupRequested(const QPoint &globalPos);
    void siteListRefreshRequested();
    // Emitted once, when a close has been accepted.
    void closing(DocumentWindow *window);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void onAboutToType(const QString &text);
    void onTyped(const QString &text);
    void layoutPreview(int editorWidth);
    void ensurePreview();

    Kind m_kind;
    AppState &m_state;
    DialogService &m_dialogs;
    HtmlEditor *m_editor = nullptr;
    QSlider *m_slider = nullptr;         // Slider1
    QPushButton *m_refresh = nullptr;    // Command1
    QWebEngineView *m_preview = nullptr; // WebBrowser1, made on first use
    QString m_caption;
    bool m_saved = true;
    bool m_blackAfterTyping = false;
    textfile::Encoding m_encoding = textfile::Encoding::Utf8;
};
