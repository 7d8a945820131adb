// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up: the splash window builds the font list and asks the preview
// question once, then the main window loads.

#include <optional>
#include <QObject>
#include <QPointer>

class DialogService;
class MainWindow;
class SettingsStore;
class SplashWindow;

class Startup : public QObject
{
    Q_OBJECT
public:
    Startup(SettingsStore &settings, DialogService &dialogs, QString commandLineFile,
            QObject *parent = nullptr);
    ~Startup() override;

    // Shows the splash and runs the steps from the event loop.
    void start();
    // Runs every step at once (tests).
    void runNow();
    // Answers the first-run preview question for this run only, without
    // asking and without storing the answer (screenshots of a fresh start).
    void answerPreviewQuestion(bool previewWindows) { m_previewAnswer = previewWindows; }
    MainWindow *mainWindow() const { return m_main; }

signals:
    void finished();

private:
    void buildFontList();
    void loadMainWindow();

    SettingsStore &m_settings;
    DialogService &m_dialogs;
    QString m_file;
    QStringList m_fonts;
    SplashWindow *m_splash = nullptr;
    QPointer<MainWindow> m_main;
    std::optional<bool> m_previewAnswer;
};
