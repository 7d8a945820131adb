// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/previewpane.h"

#include "preview/previewbrowser.h"
#include "preview/previewmodule.h"

#include <memory>
#include <QLabel>
#include <QStackedLayout>
#include <QStyle>
#include <QTextBrowser>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

struct PreviewPane::Copy
{
    elementmap::Map map;
    QByteArray html;
};

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
    m_views = new QStackedLayout;
    layout->addLayout(m_views, 1);

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
    // The browser goes while the pane it reports to is still whole.
    if (m_browser) {
        m_browser->loaded = nullptr;
        m_browser->clicked = nullptr;
        delete m_browser;
    }
}

PreviewBrowser *PreviewPane::browser()
{
    if (m_browser)
        return m_browser;
    QString error;
    PreviewEngine *engine = previewmodule::engine(&error);
    if (!engine) {
        if (!m_problem) {
            m_problem = new QLabel(this);
            m_problem->setObjectName(QStringLiteral("PreviewProblem"));
            m_problem->setWordWrap(true);
            m_problem->setAlignment(Qt::AlignCenter);
            m_problem->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                               Qt::TextSelectableByKeyboard);
            m_problem->setFocusPolicy(Qt::StrongFocus);
            m_views->addWidget(m_problem);
        }
        m_problem->setText(tr("The preview cannot be shown.\n%1").arg(error));
        m_problem->setAccessibleName(m_problem->text());
        qWarning("%s", qPrintable(error));
        bringForward(m_problem);
        return nullptr;
    }
    m_browser = engine->newBrowser(this);
    m_browser->loaded = [this] { onLoaded(); };
    m_browser->clicked = [this](qsizetype start) {
        if (m_followsCaret && !m_loading)
            emit elementClicked(start);
    };
    m_views->addWidget(m_browser);
    return m_browser;
}

void PreviewPane::bringForward(QWidget *view)
{
    m_views->setCurrentWidget(view);
}

void PreviewPane::showDocument(const QString &text, const previewrules::Root &root)
{
    PreviewBrowser *view = browser();
    if (!view)
        return;
    bringForward(view);
    m_followsCaret = true;
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
    connect(worker, &QThread::finished, this, [this, copy, ticket, root] {
        if (ticket != m_copies)
            return;
        m_map = std::move(copy->map);
        m_shownCopy = ticket;
        m_browser->showDocument(root.folder, root.page, copy->html);
    });
    m_workers.removeAll(nullptr);
    m_workers << worker;
    worker->start();
}

void PreviewPane::showManual(const QString &html)
{
    // A copy still being made is not wanted any more.
    ++m_copies;
    m_followsCaret = false;
    m_loading = false;
    if (!m_manual) {
        m_manual = new QTextBrowser(this);
        m_manual->setObjectName(QStringLiteral("ManualView"));
        m_manual->setAccessibleName(tr("Manual"));
        // The manual links only to its own sections.
        m_manual->setOpenLinks(false);
        connect(m_manual, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) {
            if (url.scheme().isEmpty() && url.path().isEmpty() && url.hasFragment())
                m_manual->scrollToAnchor(url.fragment());
        });
        m_views->addWidget(m_manual);
    }
    if (html != m_manualHtml) {
        m_manualHtml = html;
        m_manual->setHtml(html);
    }
    bringForward(m_manual);
}

void PreviewPane::showAddress(const QUrl &url)
{
    ++m_copies;
    m_followsCaret = false;
    m_loading = false;
    if (PreviewBrowser *view = browser()) {
        view->showAddress(url);
        bringForward(view);
    }
}

void PreviewPane::onLoaded()
{
    if (m_shownCopy != m_copies)
        return; // a newer copy is on its way
    m_loading = false;
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
    if (m_loading || !m_pendingCaret || !m_followsCaret || !m_browser)
        return;
    const QVector<qsizetype> chain = elementmap::chainAt(m_map, *m_pendingCaret);
    m_pendingCaret.reset();
    if (chain.isEmpty())
        return;
    QPointer<PreviewPane> self(this);
    m_browser->outline(chain, [self](qsizetype shown) {
        if (self && shown >= 0)
            emit self->caretShown(shown);
    });
}
