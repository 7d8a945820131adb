// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/filecommands.h"

#include "editor/documentwindow.h"
#include "editor/htmleditor.h"
#include "editor/workbench.h"
#include "kernel/appstate.h"
#include "platform/browser.h"
#include "platform/dialogservice.h"

#include <QUrl>

#include <QCoreApplication>

#include <algorithm>
#include <QDir>

namespace filecommands {

namespace {

const char kOpenFilter[] =
    "HTML Files (*.htm;*.html)|*.htm;*.html|Text Files (*.txt)|*.txt|All Files (*.*)|*.*";
const char kSaveFilter[] = "HTML Files (*.htm)|*.htm|Text Files (*.txt)|*.txt";

bool saveTo(Workbench &workbench, DocumentWindow &doc, const QString &path, bool report)
{
    QString error;
    if (!doc.saveFile(path, &error)) {
        if (report) {
            workbench.dialogs().message(workbench.mainWidget(),
                                        DocumentWindow::cannotSaveMessage(path, error));
        }
        return false;
    }
    doc.setCaption(path);
    doc.setSaved(true);
    return true;
}

} // namespace

void newDocument(Workbench &workbench)
{
    DocumentWindow *doc = workbench.newDocument();
    if (!doc)
        return;
    AppState &state = workbench.state();
    ++state.newDocumentNumber;
    // "New" marks a document never saved: a name, not a caption to translate.
    doc->setCaption(QStringLiteral("New %1").arg(state.newDocumentNumber));
}

void open(Workbench &workbench)
{
    const QString path = workbench.dialogs().openFileName(
        workbench.mainWidget(), QCoreApplication::translate("filecommands", "Open"),
        workbench.state().siteFilePath, QLatin1String(kOpenFilter));
    if (path.isEmpty())
        return;
    workbench.openFile(path);
}

bool save(Workbench &workbench, DocumentWindow &doc)
{
    if (!doc.caption().startsWith(QLatin1String("New")))
        return saveTo(workbench, doc, doc.caption(), true);
    const QString path = workbench.dialogs().saveFileName(
        workbench.mainWidget(), QCoreApplication::translate("filecommands", "Save"),
        workbench.state().siteFilePath, QLatin1String(kSaveFilter));
    if (path.isEmpty())
        return false;
    // A failed save must not pass as done: the user is told.
    return saveTo(workbench, doc, path, true);
}

bool saveAs(Workbench &workbench, DocumentWindow &doc)
{
    const QString path = workbench.dialogs().saveFileName(
        workbench.mainWidget(), QCoreApplication::translate("filecommands", "Save As"),
        workbench.state().siteFilePath, QLatin1String(kSaveFilter));
    if (path.isEmpty())
        return false;
    return saveTo(workbench, doc, path, true);
}

void externalPreview(Workbench &workbench, DocumentWindow &doc)
{
    DialogService &dialogs = workbench.dialogs();
    if (doc.editor()->characterLength() == 0) {
        dialogs.message(workbench.mainWidget(),
                        QCoreApplication::translate("filecommands", "There is nothing to show!"));
        return;
    }
    const QString path = doc.previewPath();
    QString error;
    if (!doc.writePreviewFile(&error)) {
        dialogs.message(workbench.mainWidget(),
                        QCoreApplication::translate("filecommands",
                                                    "The preview file %1 cannot be written.\n%2")
                            .arg(path, error));
        return;
    }
    browser::open(dialogs, workbench.mainWidget(), workbench.state().browser,
                  QUrl::fromLocalFile(path));
}

DocumentWindow *documentFor(Workbench &workbench, const QString &path)
{
    const QString wanted = QDir::cleanPath(path);
    for (DocumentWindow *doc : workbench.documentWindows()) {
        if (QDir::cleanPath(doc->caption()) == wanted)
            return doc;
    }
    return nullptr;
}

bool showAt(Workbench &workbench, const QString &path, int line, const QString &select)
{
    if (DocumentWindow *doc = documentFor(workbench, path))
        workbench.activateDocument(doc);
    else if (!workbench.openFile(path))
        return false;
    HtmlEditor *editor = workbench.activeEditor();
    if (!editor)
        return false;
    const long index = std::max(0, line - 1);
    const qsizetype start =
        editor->toChars(int(editor->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, index)));
    const qsizetype end =
        editor->toChars(int(editor->SendScintilla(QsciScintilla::SCI_GETLINEENDPOSITION, index)));
    if (select.isEmpty() || editor->findText(select, start, end, true) < 0)
        editor->setSelStart(start);
    editor->ensureCursorVisible();
    editor->setFocus();
    return true;
}

} // namespace filecommands
