// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/previewpane.h"

#include "preview/previewengine.h"

#include <memory>
#include <QApplication>
#include <QMouseEvent>
#include <QStyle>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

struct PreviewPane::Copy
{
    elementmap::Map map;
    QByteArray html;
};

namespace {

const char ScrollScript[] = "lorimel-scroll";

// The program's own scripts run in their own world: page scripts cannot
// reach them, and switching page scripts off does not stop them.
constexpr quint32 ProgramWorld = QWebEngineScript::ApplicationWorld;

// Scrolls the first shown element of the chain into view (to the middle
// when it was out of sight) and outlines it with a box laid over the page,
// gone after a moment; the element itself is not touched. The body and the
// root are not outlined.
const char FollowScript[] = R"js(
(function (chain) {
    if (window.lmOutline) {
        window.lmOutline.remove();
        clearTimeout(window.lmOutlineTimer);
        window.lmOutline = null;
    }
    for (var i = 0; i < chain.length; ++i) {
        var el = document.querySelector('[data-lmpos="' + chain[i] + '"]');
        if (!el || !el.getClientRects().length)
            continue;
        if (el === document.body || el === document.documentElement)
            return -1;
        var r = el.getBoundingClientRect();
        var away = r.bottom < 0 || r.top > window.innerHeight;
        el.scrollIntoView({block: away ? 'center' : 'nearest', inline: 'nearest'});
        r = el.getBoundingClientRect();
        var box = document.createElement('div');
        box.style.cssText = 'position:absolute;pointer-events:none;z-index:2147483647;' +
            'box-sizing:border-box;border:2px solid #e66100;border-radius:2px;margin:0;' +
            'left:' + (r.left + window.scrollX - 2) + 'px;top:' + (r.top + window.scrollY - 2) +
            'px;width:' + (r.width + 4) + 'px;height:' + (r.height + 4) + 'px';
        document.documentElement.appendChild(box);
        window.lmOutline = box;
        window.lmOutlineTimer = setTimeout(function () {
            box.remove();
            if (window.lmOutline === box)
                window.lmOutline = null;
        }, 1500);
        return chain[i];
    }
    return -1;
})
)js";

// The position of the element under a point, from its start tag's mark.
const char ClickScript[] = R"js(
(function (x, y) {
    var el = document.elementFromPoint(x, y);
    while (el && !el.hasAttribute('data-lmpos'))
        el = el.parentElement;
    return el ? parseInt(el.getAttribute('data-lmpos'), 10) : -1;
})
)js";

// A previewed page: no new windows, no console noise, no permissions, no
// dialogs (a page could open them one after another for ever), and a
// document page goes nowhere but its own address.
class PreviewPage : public QWebEnginePage
{
public:
    PreviewPage(QWebEngineProfile *profile, const QString &host, QObject *parent)
        : QWebEnginePage(profile, parent), m_host(host)
    {
        connect(this, &QWebEnginePage::featurePermissionRequested, this,
                [this](const QUrl &origin, Feature feature) {
                    setFeaturePermission(origin, feature, PermissionDeniedByUser);
                });
    }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool isMainFrame) override
    {
        return m_host.isEmpty() || previewrules::mayNavigate(url, m_host, isMainFrame);
    }
    QWebEnginePage *createWindow(WebWindowType) override { return nullptr; }
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &, int,
                                  const QString &) override
    {
    }
    void javaScriptAlert(const QUrl &, const QString &) override {}
    bool javaScriptConfirm(const QUrl &, const QString &) override { return false; }
    bool javaScriptPrompt(const QUrl &, const QString &, const QString &, QString *) override
    {
        return false;
    }

private:
    QString m_host; // empty for a page of the web
};

QString numberList(const QVector<qsizetype> &numbers)
{
    QStringList parts;
    parts.reserve(numbers.size());
    for (qsizetype n : numbers)
        parts << QString::number(n);
    return QLatin1Char('[') + parts.join(u',') + QLatin1Char(']');
}

} // namespace

PreviewPane::PreviewPane(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PreviewPane"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_refresh = new QToolButton(this);
    m_refresh->setObjectName(QStringLiteral("Command1"));
    m_refresh->setText(tr("Refresh Preview"));
    m_refresh->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    m_refresh->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_refresh->setAutoRaise(true);
    m_refresh->setToolTip(tr("Refresh the preview (F5)"));
    m_refresh->setAccessibleName(m_refresh->text());
    connect(m_refresh, &QToolButton::clicked, this, &PreviewPane::refreshRequested);
    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(2, 0, 2, 0);
    bar->addWidget(m_refresh);
    bar->addStretch(1);
    layout->addLayout(bar);

    m_caretTimer = new QTimer(this);
    m_caretTimer->setSingleShot(true);
    m_caretTimer->setInterval(60);
    connect(m_caretTimer, &QTimer::timeout, this, &PreviewPane::runFollow);
}

PreviewPane::~PreviewPane()
{
    for (const QPointer<QThread> &worker : std::as_const(m_workers)) {
        if (worker)
            worker->wait();
    }
    if (!m_host.isEmpty())
        previewengine::withdraw(m_host);
}

QWebEnginePage *PreviewPane::documentPage()
{
    if (!m_documentPage) {
        m_host = previewengine::newHost();
        m_documentPage = new PreviewPage(previewengine::pageProfile(), m_host, this);
        connect(m_documentPage, &QWebEnginePage::loadFinished, this, &PreviewPane::onLoadFinished);
    }
    return m_documentPage;
}

QWebEngineView *PreviewPane::view()
{
    if (!m_view) {
        m_view = new QWebEngineView(this);
        m_view->setObjectName(QStringLiteral("WebBrowser1"));
        m_view->setAccessibleName(tr("Preview"));
        m_view->setPage(documentPage());
        m_view->installEventFilter(this);
        for (QObject *child : m_view->children())
            child->installEventFilter(this);
        static_cast<QVBoxLayout *>(layout())->addWidget(m_view, 1);
        m_view->show();
    }
    return m_view;
}

void PreviewPane::showDocument(const QString &text, const previewrules::Root &root)
{
    display(text, root, true);
}

void PreviewPane::showPage(const QString &text, const previewrules::Root &root)
{
    display(text, root, false);
}

void PreviewPane::display(const QString &text, const previewrules::Root &root, bool document)
{
    QWebEnginePage *page = documentPage();
    if (view()->page() != page)
        m_view->setPage(page);
    QUrl url;
    url.setScheme(previewrules::scheme());
    url.setHost(m_host);
    url.setPath(QLatin1Char('/') + root.page);

    // Showing the same page again keeps the place the reader was at.
    if (page->url() == url && m_followsCaret == document) {
        if (!m_loading || !m_restoreScroll)
            m_restoreScroll = page->scrollPosition();
    } else {
        m_restoreScroll.reset();
    }
    const QList<QWebEngineScript> old = page->scripts().find(QLatin1String(ScrollScript));
    for (const QWebEngineScript &script : old)
        page->scripts().remove(script);
    if (m_restoreScroll) {
        QWebEngineScript scroll;
        scroll.setName(QLatin1String(ScrollScript));
        scroll.setWorldId(ProgramWorld);
        scroll.setInjectionPoint(QWebEngineScript::DocumentReady);
        scroll.setRunsOnSubFrames(false);
        scroll.setSourceCode(QStringLiteral("window.scrollTo(%1, %2);")
                                 .arg(m_restoreScroll->x())
                                 .arg(m_restoreScroll->y()));
        page->scripts().insert(scroll);
    }

    m_followsCaret = document;
    m_loading = true;
    // The copy of a large page takes a moment: it is made beside the
    // interface, and only the latest one is shown.
    const quint64 ticket = ++m_copies;
    auto copy = std::make_shared<Copy>();
    QThread *worker = QThread::create([copy, text] {
        copy->map = elementmap::scan(text);
        // The byte-order mark outranks any charset the page declares: the
        // copy is UTF-8 whatever the file is.
        copy->html =
            QByteArray("\xEF\xBB\xBF") +
            elementmap::instrument(text, copy->map, previewrules::contentPolicyHead()).toUtf8();
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &QThread::finished, this, [this, copy, ticket, root, url] {
        if (ticket != m_copies)
            return;
        m_map = std::move(copy->map);
        previewengine::publish(m_host, {root.folder, root.page, copy->html});
        m_documentPage->load(url);
    });
    m_workers.removeAll(nullptr);
    m_workers << worker;
    worker->start();
}

void PreviewPane::showAddress(const QUrl &url)
{
    if (!m_webPage)
        m_webPage = new PreviewPage(previewengine::webProfile(), QString(), this);
    m_followsCaret = false;
    view()->setPage(m_webPage);
    m_webPage->load(url);
}

void PreviewPane::onLoadFinished(bool)
{
    m_loading = false;
    if (m_restoreScroll) {
        // Pictures may have grown the page since it was ready.
        m_documentPage->runJavaScript(QStringLiteral("window.scrollTo(%1, %2);")
                                          .arg(m_restoreScroll->x())
                                          .arg(m_restoreScroll->y()),
                                      ProgramWorld);
        m_restoreScroll.reset();
    }
    if (m_pendingCaret)
        runFollow();
}

void PreviewPane::followCaret(qsizetype caret)
{
    if (!m_followsCaret)
        return;
    m_pendingCaret = caret;
    if (!m_loading)
        m_caretTimer->start();
}

void PreviewPane::runFollow()
{
    if (m_loading || !m_pendingCaret || !m_followsCaret || !m_view ||
        m_view->page() != m_documentPage)
        return;
    const QVector<qsizetype> chain = elementmap::chainAt(m_map, *m_pendingCaret);
    m_pendingCaret.reset();
    if (chain.isEmpty())
        return;
    QPointer<PreviewPane> self(this);
    m_documentPage->runJavaScript(QLatin1String(FollowScript) + QLatin1Char('(') +
                                      numberList(chain) + QLatin1Char(')'),
                                  ProgramWorld, [self](const QVariant &shown) {
                                      if (self && shown.toLongLong() >= 0)
                                          emit self->caretShown(shown.toLongLong());
                                  });
}

void PreviewPane::mapClick(const QPoint &pos)
{
    if (m_loading || !m_followsCaret || m_view->page() != m_documentPage)
        return;
    const qreal zoom = m_documentPage->zoomFactor();
    QPointer<PreviewPane> self(this);
    m_documentPage->runJavaScript(
        QLatin1String(ClickScript) +
            QStringLiteral("(%1, %2)").arg(pos.x() / zoom).arg(pos.y() / zoom),
        ProgramWorld, [self](const QVariant &start) {
            bool ok = false;
            const qlonglong at = start.toLongLong(&ok);
            if (self && ok && at >= 0)
                emit self->elementClicked(at);
        });
}

bool PreviewPane::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view) {
        // The engine's drawing surface is made when the first page shows.
        if (event->type() == QEvent::ChildAdded)
            static_cast<QChildEvent *>(event)->child()->installEventFilter(this);
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            const QPoint pos = mouse->position().toPoint();
            if (event->type() == QEvent::MouseButtonPress)
                m_pressedAt = pos;
            else if ((pos - m_pressedAt).manhattanLength() < QApplication::startDragDistance())
                mapClick(pos);
        }
    }
    return QWidget::eventFilter(watched, event);
}
