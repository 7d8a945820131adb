// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The preview beside the source: a refresh button over a browser view that
// shows a served copy of the document. The copy's start tags carry their
// positions, so the pane can outline the element under the caret and say
// which element a click landed on.

#include "preview/elementmap.h"
#include "preview/previewrules.h"

#include <optional>
#include <QPointer>
#include <QPointF>
#include <QWidget>

class QThread;
class QTimer;
class QToolButton;
class QWebEnginePage;
class QWebEngineView;

class PreviewPane : public QWidget
{
    Q_OBJECT
public:
    explicit PreviewPane(QWidget *parent = nullptr);
    ~PreviewPane() override;

    // Shows `text` as the page `root.page` of `root.folder`. A document
    // follows the caret and answers clicks; another page (the manual) only
    // shows. Showing the same page again keeps its scroll position.
    void showDocument(const QString &text, const previewrules::Root &root);
    void showPage(const QString &text, const previewrules::Root &root);
    // Shows an address of the web.
    void showAddress(const QUrl &url);

    // Scrolls the element holding `caret` into view and outlines it for a
    // moment (the nearest shown one outwards; nothing for the body).
    void followCaret(qsizetype caret);

    QWebEngineView *view();
    bool hasView() const { return m_view; }
    QToolButton *refreshButton() const { return m_refresh; }

signals:
    void refreshRequested();
    // A click in the document's copy landed in the element starting there.
    void elementClicked(qsizetype start);
    // The caret's element was scrolled to and outlined (its start), for
    // those who wait for it.
    void caretShown(qsizetype start);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void display(const QString &text, const previewrules::Root &root, bool document);
    void onLoadFinished(bool ok);
    void runFollow();
    void mapClick(const QPoint &pos);
    QWebEnginePage *documentPage();

    struct Copy; // what a worker makes of the text

    QToolButton *m_refresh = nullptr;
    QWebEngineView *m_view = nullptr;
    QWebEnginePage *m_documentPage = nullptr;
    QWebEnginePage *m_webPage = nullptr;
    QString m_host;
    elementmap::Map m_map;
    bool m_followsCaret = false;
    bool m_loading = false;
    std::optional<QPointF> m_restoreScroll;
    std::optional<qsizetype> m_pendingCaret;
    QTimer *m_caretTimer = nullptr;
    QPoint m_pressedAt;
    quint64 m_copies = 0; // the latest copy asked for
    QList<QPointer<QThread>> m_workers;
};
