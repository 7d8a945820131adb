#include "help/helpcommands.h"

#include "editor/documentwindow.h"
#include "editor/workbench.h"
#include "help/manual.h"
#include "kernel/appstate.h"
#include "platform/dialogservice.h"
#include "platform/launcher.h"
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

// The external browser, or empty after telling the user to choose one.
QString browser(Workbench &workbench)
{
    const QString path = workbench.state().browser;
    if (path.isEmpty() || path == QLatin1String("None")) {
        workbench.dialogs().message(
            workbench.mainWidget(),
            QCoreApplication::translate("helpcommands", "You Need To Pick A Browser!"));
        return QString();
    }
    return path;
}

void cannotWrite(Workbench &workbench, const QString &path, const QString &error)
{
    workbench.dialogs().message(
        workbench.mainWidget(),
        QCoreApplication::translate("helpcommands", "The preview file %1 cannot be written.\n%2")
            .arg(path, error));
}

void startBrowser(Workbench &workbench, const QString &program, const QString &page)
{
    if (!launcher::start(program, {page})) {
        workbench.dialogs().message(
            workbench.mainWidget(),
            QCoreApplication::translate("helpcommands", "Unable to start browser") + u'\n' +
                program);
    }
}

} // namespace

QString referenceAddress()
{
    return QStringLiteral("https://www.w3.org/MarkUp/");
}

void showManual(DocumentWindow &window)
{
    window.showPageInPreview(manual::text());
}

void onlineManual(Workbench &workbench)
{
    if (workbench.state().previewWindows) {
        if (DocumentWindow *window = previewWindow(workbench))
            showManual(*window);
        return;
    }
    const QString program = browser(workbench);
    if (program.isEmpty())
        return;
    // The external browser needs a file.
    const QString path = paths::join(workbench.siteFolder(), paths::previewFileName());
    QString error;
    if (!manual::write(path, &error)) {
        cannotWrite(workbench, path, error);
        return;
    }
    startBrowser(workbench, program, path);
}

void htmlReference(Workbench &workbench)
{
    if (workbench.state().previewWindows) {
        if (DocumentWindow *window = previewWindow(workbench))
            window->showAddressInPreview(QUrl(referenceAddress()));
        return;
    }
    const QString program = browser(workbench);
    if (!program.isEmpty())
        startBrowser(workbench, program, referenceAddress());
}

} // namespace helpcommands
