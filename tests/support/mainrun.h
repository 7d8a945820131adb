// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window as the program starts it, with a settings folder of its
// own, plain document windows and no tips; settings may be stored first.

#include "kernel/settingsstore.h"
#include "shell/mainwindow.h"
#include "shell/startup.h"
#include "support/scripteddialogs.h"

#include <QTemporaryDir>

#include <memory>

struct MainRun
{
    QTemporaryDir dir;
    SettingsStore store{dir.path()};
    ScriptedDialogs dialogs;
    std::unique_ptr<Startup> startup;
    std::unique_ptr<MainWindow> main;

    MainRun()
    {
        store.save("LM3", "Extras", "UseIE", "No");
        store.save("Lorimel3", "Startup", "ShowStart", "no");
    }
    MainWindow *start()
    {
        startup = std::make_unique<Startup>(store, dialogs, QString());
        startup->runNow();
        main.reset(startup->mainWindow());
        return main.get();
    }
};
