// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/browser.h"

#include "platform/dialogservice.h"
#include "platform/launcher.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

namespace browser {

bool noneChosen(const QString &program)
{
    return program.isEmpty() || program == QLatin1String("None");
}

bool open(DialogService &dialogs, QWidget *parent, const QString &program, const QUrl &url)
{
    if (noneChosen(program)) {
        if (QDesktopServices::openUrl(url))
            return true;
        dialogs.message(parent,
                        QStringLiteral("You Need To Pick A Browser!") + u'\n' +
                            QCoreApplication::translate(
                                "browser", "This desktop has no default web browser "
                                           "either. Choose one in View > Settings, "
                                           "\"Browser/Editor Settings\", \"HTML Browser\"."));
        return false;
    }
    const QString argument = url.isLocalFile() ? url.toLocalFile() : url.toString();
    if (launcher::start(program, {argument}))
        return true;
    dialogs.message(parent, QStringLiteral("Unable to start browser") + u'\n' + program);
    return false;
}

} // namespace browser
