// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The preview beside the source: a refresh button over a browser view that
// shows a served copy of the document. The copy's start tags carry their
// positions, so the pane can outline the element under the caret and say
// which element a click landed on. The browser engine is loaded when the
// first copy or web address is to be shown; the program's own manual needs
// no engine and shows in a text view of its own.

#include "preview/elementmap.h"
#include "preview/previewrules.h"

#include <optional>
#include <QPointer>
#include <QWidget>

class PreviewBrowser;
class QLabel;
class QStackedLayout;
class QTextBrowser;
class QThread;
class QTimer;
class QToolButton;

class PreviewPane : public QWidget
{
    Q_OBJECT
public:
    explicit PreviewPane(QWidget *parent = nullptr);
    ~PreviewPane() override;

    // Shows `text` as the page `root.page` of `root.folder`; the view then
    // follows the caret and answers clicks.
    void showDocument(const QString &text, const previewrules::Root &root);
    // Shows the program's manual. Showing it again keeps its scroll
    // position.
    void showManual(const QString &html);
    // Shows an address of the web.
    void showAddress(const QUrl &url);

    // Scrolls the element holding `caret` into view and outlines it for a
    // moment (the nearest shown one outwards; nothing for the body).
    void followCaret(qsizetype caret);

    // The browser view, made (and the engine loaded) on the first call;
    // null when the engine cannot be loaded, the pane then saying why.
    PreviewBrowser *browser();
    bool hasBrowser() const { return m_browser; }
    QTextBrowser *manualView() const { return m_manual; }
    QToolButton *refreshButton() const { return m_refresh; }

signals:
    void refreshRequested();
    // A click in the document's copy landed in the element starting there.
    void elementClicked(qsizetype start);
    // The caret's element was scrolled to and outlined (its start), for
    // those who wait for it.
    void caretShown(qsizetype start);

private:
    void runFollow();
    void onLoaded();
    void bringForward(QWidget *view);

    struct Copy; // what a worker makes of the text

    QToolButton *m_refresh = nullptr;
    QStackedLayout *m_views = nullptr;
    PreviewBrowser *m_browser = nullptr;
    QTextBrowser *m_manual = nullptr;
    QLabel *m_problem = nullptr; // why there is no browser
    QString m_manualHtml;
    elementmap::Map m_map;
    bool m_followsCaret = false;
    bool m_loading = false; // a copy is being made or loaded
    std::optional<qsizetype> m_pendingCaret;
    QTimer *m_caretTimer = nullptr;
    quint64 m_copies = 0;    // the latest copy asked for
    quint64 m_shownCopy = 0; // the latest one handed to the browser
    QList<QPointer<QThread>> m_workers;
};
