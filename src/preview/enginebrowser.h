// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Inside the browser engine's module: the preview's browser view. The
// document's copy is served from memory under an address of its own; the
// program's scripts, in a world of their own, outline elements and find
// the element under a click.

#include "preview/previewbrowser.h"

#include <optional>
#include <QPointF>

class QWebEnginePage;
class QWebEngineView;

class EngineBrowser : public PreviewBrowser
{
public:
    explicit EngineBrowser(QWidget *parent);
    ~EngineBrowser() override;

    void showDocument(const QString &root, const QString &page, const QByteArray &html) override;
    void showAddress(const QUrl &url) override;
    void outline(const QVector<qsizetype> &chain, std::function<void(qsizetype)> shown) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onLoadFinished();
    void mapClick(const QPoint &pos);
    bool showsDocument() const;

    QWebEngineView *m_view = nullptr;
    QWebEnginePage *m_documentPage = nullptr;
    QWebEnginePage *m_webPage = nullptr;
    QString m_host;
    bool m_loading = false;
    std::optional<QPointF> m_restoreScroll;
    QPoint m_pressedAt;
};
