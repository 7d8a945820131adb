// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/helpcommands.h"

#include "editor/documentwindow.h"
#include "editor/workbench.h"
#include "help/manual.h"
#include "kernel/appstate.h"
#include "platform/browser.h"
#include "platform/dialogservice.h"
#include "platform/paths.h"

#include <QCoreApplication>
#include <QUrl>

namespace helpcommands {

namespace {

// The preview window to show something in: the active one, or a new one
// when no document is open.
DocumentWindow *previewWindow(Workbench &workbench)
{
    if (workbench.documentCount() == 0) {
        // Numbered like any new document.
        if (DocumentWindow *window = workbench.newDocument()) {
            AppState &state = workbench.state();
            ++state.newDocumentNumber;
            window->setCaption(QStringLiteral("New %1").arg(state.newDocumentNumber));
        }
    }
    return workbench.activeDocumentWindow();
}

// The chosen browser, else the desktop's default one.
void openInBrowser(Workbench &workbench, const QUrl &url)
{
    browser::open(workbench.dialogs(), workbench.mainWidget(), workbench.state().browser, url);
}

void cannotWrite(Workbench &workbench, const QString &path, const QString &error)
{
    workbench.dialogs().message(
        workbench.mainWidget(),
        QCoreApplication::translate("helpcommands", "The preview file %1 cannot be written.\n%2")
            .arg(path, error));
}

} // namespace

QString referenceAddress()
{
    return QStringLiteral("https://www.w3.org/MarkUp/");
}

void showManual(DocumentWindow &window)
{
    window.showManualInPreview(manual::text());
}

void onlineManual(Workbench &workbench)
{
    if (workbench.state().previewWindows) {
        if (DocumentWindow *window = previewWindow(workbench))
            showManual(*window);
        return;
    }
    // The external browser needs a file.
    const QString path = paths::join(workbench.siteFolder(), paths::previewFileName());
    QString error;
    if (!manual::write(path, &error)) {
        cannotWrite(workbench, path, error);
        return;
    }
    openInBrowser(workbench, QUrl::fromLocalFile(path));
}

void htmlReference(Workbench &workbench)
{
    if (workbench.state().previewWindows) {
        if (DocumentWindow *window = previewWindow(workbench))
            window->showAddressInPreview(QUrl(referenceAddress()));
        return;
    }
    openInBrowser(workbench, QUrl(referenceAddress()));
}

} // namespace helpcommands
