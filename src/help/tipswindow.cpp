// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/tipswindow.h"

#include "help/tips.h"
#include "kernel/builderids.h"
#include "kernel/settingscatalog.h"
#include "kernel/settingsstore.h"
#include "platform/dialogservice.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QVBoxLayout>

TipsWindow::TipsWindow(Context context, bool fromStartup, QWidget *parent)
    : QDialog(parent), m_context(std::move(context))
{
    setObjectName(QStringLiteral("Didyouknow"));
    setWindowTitle(tr("Did You Know?"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *heading = new QLabel(tr("Did You Know..."), this);
    heading->setObjectName(QStringLiteral("Label1"));
    QFont big = heading->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    heading->setFont(big);

    m_tip = new QLabel(this);
    m_tip->setObjectName(QStringLiteral("Label2"));
    m_tip->setWordWrap(true);
    m_tip->setMinimumSize(360, 70);
    m_tip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_tip->setFrameShape(QFrame::StyledPanel);
    m_tip->setMargin(10);
    m_tip->setAccessibleName(tr("Tip"));

    m_showAtStartup = new QCheckBox(tr("Show me at startup"), this);
    m_showAtStartup->setObjectName(QStringLiteral("Check1"));
    const QString stored = settings::text(m_context.settings, settings::ShowTips);
    m_showAtStartup->setChecked(stored != QLatin1String("no"));
    // Written at every click, so the choice holds even if the program ends
    // without closing this window.
    connect(m_showAtStartup, &QCheckBox::clicked, this, [this](bool on) {
        settings::write(m_context.settings, settings::ShowTips,
                        on ? QStringLiteral("yes") : QStringLiteral("no"));
        if (!m_context.settings.sync(SettingsStore::mainApp())) {
            m_context.dialogs.message(this, m_context.settings.lastError(), windowTitle(),
                                      DialogService::Buttons::Ok, DialogService::Icon::Warning);
        }
    });

    auto *next = new QPushButton(tr("&Next Tip"), this);
    next->setObjectName(QStringLiteral("Command2"));
    connect(next, &QPushButton::clicked, this, &TipsWindow::nextTip);
    auto *quickstart = new QPushButton(tr("&Create A New Webpage Using Quickstart"), this);
    quickstart->setObjectName(QStringLiteral("Command3"));
    auto *quickstartStyle =
        new QPushButton(tr("Create A New Webpage Using Quickstart with &Style"), this);
    quickstartStyle->setObjectName(QStringLiteral("Command4"));
    auto *open = new QPushButton(tr("&Open an Existing Webpage"), this);
    open->setObjectName(QStringLiteral("Command5"));
    connect(open, &QPushButton::clicked, this, &TipsWindow::openExistingPage);
    connect(quickstart, &QPushButton::clicked, this,
            [this] { openQuickStart(builderid::QuickStart); });
    connect(quickstartStyle, &QPushButton::clicked, this,
            [this] { openQuickStart(builderid::QuickStartStyle); });
    // From the menu the page buttons are off: only at start-up is there
    // an untouched first document to fill.
    quickstart->setEnabled(fromStartup);
    quickstartStyle->setEnabled(fromStartup);
    open->setEnabled(fromStartup);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(next);
    buttons->addStretch();
    auto *top = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(heading);
    left->addWidget(m_tip, 1);
    left->addWidget(m_showAtStartup);
    top->addLayout(left, 1);
    top->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    if (!fromStartup) {
        // Say why the buttons below are off, and where their commands are.
        auto *why = new QLabel(
            tr("These three start your first page, so they work when Lorimel starts. Now use "
               "File > New or File > Open, or Tools > N - Z > Quickstart."),
            this);
        why->setObjectName(QStringLiteral("StartupOnly"));
        why->setWordWrap(true);
        layout->addWidget(why);
    }
    layout->addWidget(quickstart);
    layout->addWidget(quickstartStyle);
    layout->addWidget(open);

    nextTip();
}

void TipsWindow::nextTip()
{
    m_index = tips::randomTipIndex(*QRandomGenerator::global());
    m_tip->setText(tips::tipList().at(m_index));
}

void TipsWindow::openQuickStart(const char *id)
{
    close();
    if (m_context.openBuilder)
        m_context.openBuilder(QLatin1String(id));
}

void TipsWindow::openExistingPage()
{
    const QString path = m_context.dialogs.openFileName(
        this, tr("Open"), m_context.siteFolder,
        QStringLiteral("HTML Files (*.HTM;*.HTML)|*.HTM;*.HTML|Text Files (*.TXT)|*.TXT"));
    if (path.isEmpty())
        return;
    close();
    if (m_context.openIntoActiveDocument)
        m_context.openIntoActiveDocument(path);
}
