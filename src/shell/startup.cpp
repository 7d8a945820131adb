// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/startup.h"

#include "kernel/settingsstore.h"
#include "platform/dialogservice.h"
#include "shell/mainwindow.h"
#include "shell/splash.h"
#include "shell/startupstate.h"

#include <QFontDatabase>
#include <QTimer>

Startup::Startup(SettingsStore &settings, DialogService &dialogs, QString commandLineFile,
                 QObject *parent)
    : QObject(parent), m_settings(settings), m_dialogs(dialogs), m_file(std::move(commandLineFile))
{
}

Startup::~Startup()
{
    delete m_splash;
}

void Startup::start()
{
    m_splash = new SplashWindow;
    m_splash->show();
    // The steps follow one another through the event loop so the splash is
    // painted first; no fixed delays.
    QTimer::singleShot(0, this, [this] {
        buildFontList();
        QTimer::singleShot(0, this, &Startup::loadMainWindow);
    });
}

void Startup::runNow()
{
    buildFontList();
    loadMainWindow();
}

void Startup::buildFontList()
{
    m_fonts = startupstate::fontList(m_settings, QFontDatabase::families());
}

void Startup::loadMainWindow()
{
    if (m_splash)
        m_splash->hide();
    std::optional<bool> previewWindows = startupstate::storedPreviewAnswer(m_settings);
    if (!previewWindows && m_previewAnswer)
        previewWindows = m_previewAnswer;
    if (!previewWindows) {
        const auto answer = m_dialogs.message(
            nullptr, tr("Is Internet Explorer 4.0 or higher installed on your system?"),
            tr("Important"), DialogService::Buttons::YesNo, DialogService::Icon::Question);
        previewWindows = answer == DialogService::Answer::Yes;
        startupstate::storePreviewAnswer(m_settings, *previewWindows);
    }
    m_main = new MainWindow(m_settings, m_dialogs, *previewWindows);
    m_main->setAttribute(Qt::WA_DeleteOnClose);
    delete m_splash;
    m_splash = nullptr;
    m_main->load(m_fonts, m_file);
    for (const QString &problem : m_settings.takeProblems()) {
        m_dialogs.message(m_main, problem, tr("Settings"), DialogService::Buttons::Ok,
                          DialogService::Icon::Warning);
    }
    if (!m_settings.sync() && m_main) {
        m_dialogs.message(
            m_main, m_settings.lastError() + QStringLiteral("\nPreferences will not be kept."),
            tr("Settings"), DialogService::Buttons::Ok, DialogService::Icon::Warning);
    }
    emit finished();
}
