// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/enginebrowser.h"

#include "preview/previewengine.h"
#include "preview/previewrules.h"

#include <QApplication>
#include <QMouseEvent>
#include <QQuickWindow>
#include <QVBoxLayout>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

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

class Engine : public PreviewEngine
{
public:
    PreviewBrowser *newBrowser(QWidget *parent) override { return new EngineBrowser(parent); }
    bool scriptsEnabled() const override { return previewengine::scriptsEnabled(); }
    void allowScriptsWithoutSandbox() override { previewengine::allowScriptsWithoutSandbox(); }
};

} // namespace

EngineBrowser::EngineBrowser(QWidget *parent) : PreviewBrowser(parent)
{
    m_host = previewengine::newHost();
    m_documentPage = new PreviewPage(previewengine::pageProfile(), m_host, this);
    connect(m_documentPage, &QWebEnginePage::loadFinished, this, [this] { onLoadFinished(); });
    m_view = new QWebEngineView(this);
    m_view->setObjectName(QStringLiteral("WebBrowser1"));
    m_view->setAccessibleName(QCoreApplication::translate("PreviewPane", "Preview"));
    m_view->setPage(m_documentPage);
    m_view->installEventFilter(this);
    for (QObject *child : m_view->children())
        child->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    setFocusProxy(m_view);
}

EngineBrowser::~EngineBrowser()
{
    previewengine::withdraw(m_host);
}

bool EngineBrowser::showsDocument() const
{
    return m_view->page() == m_documentPage;
}

void EngineBrowser::showDocument(const QString &root, const QString &page, const QByteArray &html)
{
    QUrl url;
    url.setScheme(previewrules::scheme());
    url.setHost(m_host);
    url.setPath(QLatin1Char('/') + page);

    // Showing the same page again keeps the place the reader was at; while
    // it loads, the place is the one from before.
    if (showsDocument() && m_documentPage->url() == url) {
        if (!m_loading || !m_restoreScroll)
            m_restoreScroll = m_documentPage->scrollPosition();
    } else {
        m_restoreScroll.reset();
        m_view->setPage(m_documentPage);
    }
    QWebEngineScriptCollection &scripts = m_documentPage->scripts();
    for (const QWebEngineScript &script : scripts.find(QLatin1String(ScrollScript)))
        scripts.remove(script);
    if (m_restoreScroll) {
        QWebEngineScript scroll;
        scroll.setName(QLatin1String(ScrollScript));
        scroll.setWorldId(ProgramWorld);
        scroll.setInjectionPoint(QWebEngineScript::DocumentReady);
        scroll.setRunsOnSubFrames(false);
        scroll.setSourceCode(QStringLiteral("window.scrollTo(%1, %2);")
                                 .arg(m_restoreScroll->x())
                                 .arg(m_restoreScroll->y()));
        scripts.insert(scroll);
    }
    m_loading = true;
    previewengine::publish(m_host, {root, page, html});
    m_documentPage->load(url);
}

void EngineBrowser::showAddress(const QUrl &url)
{
    if (!m_webPage)
        m_webPage = new PreviewPage(previewengine::webProfile(), QString(), this);
    m_view->setPage(m_webPage);
    m_webPage->load(url);
}

void EngineBrowser::onLoadFinished()
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
    if (loaded)
        loaded();
}

void EngineBrowser::outline(const QVector<qsizetype> &chain, std::function<void(qsizetype)> shown)
{
    if (!showsDocument())
        return;
    m_documentPage->runJavaScript(
        QLatin1String(FollowScript) + QLatin1Char('(') + numberList(chain) + QLatin1Char(')'),
        ProgramWorld, [shown](const QVariant &result) { shown(result.toLongLong()); });
}

void EngineBrowser::mapClick(const QPoint &pos)
{
    if (m_loading || !showsDocument())
        return;
    const qreal zoom = m_documentPage->zoomFactor();
    QPointer<EngineBrowser> self(this);
    m_documentPage->runJavaScript(
        QLatin1String(ClickScript) +
            QStringLiteral("(%1, %2)").arg(pos.x() / zoom).arg(pos.y() / zoom),
        ProgramWorld, [self](const QVariant &start) {
            bool ok = false;
            const qlonglong at = start.toLongLong(&ok);
            if (self && ok && at >= 0 && self->clicked)
                self->clicked(at);
        });
}

bool EngineBrowser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view) {
        // The engine's drawing surface is made when the first page shows.
        if (event->type() == QEvent::ChildAdded)
            static_cast<QChildEvent *>(event)->child()->installEventFilter(this);
        return PreviewBrowser::eventFilter(watched, event);
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
    return PreviewBrowser::eventFilter(watched, event);
}

// What the program looks up once the module is loaded. Nothing of the
// engine has been made yet: the scheme can still be registered.
extern "C" Q_DECL_EXPORT PreviewEngine *lorimelPreviewEngine()
{
    static Engine *engine = [] {
        // The engine's views draw with OpenGL; the engine would choose it
        // itself had it been loaded before the application started.
        const auto api = QQuickWindow::graphicsApi();
        if (api != QSGRendererInterface::OpenGL && api != QSGRendererInterface::Vulkan)
            QQuickWindow::setGraphicsApi(QSGRendererInterface::OpenGL);
        previewengine::registerScheme();
        return new Engine;
    }();
    return engine;
}
