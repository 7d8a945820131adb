// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/importcommands.h"

#include "editor/documentwindow.h"
#include "editor/htmleditor.h"
#include "editor/workbench.h"
#include "import/importconvert.h"
#include "kernel/appstate.h"
#include "platform/dialogservice.h"
#include "platform/textfile.h"

#include <QApplication>
#include <QCoreApplication>

namespace importcommands {

namespace {

QString askFile(Workbench &workbench, const QString &filter)
{
    return workbench.dialogs().openFileName(workbench.mainWidget(),
                                            QCoreApplication::translate("importcommands", "Import"),
                                            workbench.state().siteFilePath, filter);
}

const char kTextFilter[] = "Rich Text Files (*.rtf)|*.rtf|Text Files (*.txt)|*.txt|All Files (*)|*";
const char kTableFilter[] = "Text and Tab Files (*.txt)|*.txt|Tab-separated Files (*.tsv)|*.tsv|"
                            "All Files (*)|*";

// Replaces the selection directly (no undo record), then colours the
// whole document.
void replaceSelection(Workbench &workbench, HtmlEditor &editor, const QString &text)
{
    editor.setSelColor(0);
    editor.setSelText(editor.isCrLf() ? text
                                      : textfile::adaptLineEnds(text, textfile::LineEnds::Lf));
    workbench.state().colourLength = 0;
    workbench.smartcolor();
}

struct WaitCursor
{
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

// Reads and converts under the wait cursor.
template <typename Convert> importer::Result convert(Convert &&run)
{
    WaitCursor wait;
    return run();
}

// A file that gave nothing to import: the user is told, as Open does, and
// no document changes. False when there is nothing to put in.
bool usable(Workbench &workbench, const QString &path, const importer::Result &result)
{
    if (!result.refused)
        return true;
    workbench.dialogs().message(
        workbench.mainWidget(),
        QCoreApplication::translate("importcommands", "Cannot open %1\n%2").arg(path, result.error),
        QCoreApplication::translate("importcommands", "Import"), DialogService::Buttons::Ok,
        DialogService::Icon::Warning);
    return false;
}

// A damaged file whose readable part was imported: the user is told what
// was wrong, after the text is in.
void reportDamage(Workbench &workbench, const QString &path, const importer::Result &result)
{
    if (result.ok)
        return;
    workbench.dialogs().message(
        workbench.mainWidget(),
        QCoreApplication::translate("importcommands",
                                    "%1 is damaged: %2\nWhat could be read was imported.")
            .arg(path, result.error),
        QCoreApplication::translate("importcommands", "Import"), DialogService::Buttons::Ok,
        DialogService::Icon::Warning);
}

} // namespace

void importToNewFile(Workbench &workbench)
{
    const QString path = askFile(workbench, QLatin1String(kTextFilter));
    if (path.isEmpty())
        return;
    // Read before the window is made: a file that gives nothing opens none.
    // On a damaged file the window keeps what could be read.
    const importer::Result result = convert([&] { return importer::importNewFile(path); });
    if (!usable(workbench, path, result))
        return;
    DocumentWindow *doc = workbench.newDocument();
    if (!doc)
        return;
    {
        WaitCursor wait;
        doc->editor()->setDocumentText(result.html);
        workbench.state().colourLength = 0;
        workbench.smartcolor();
    }
    reportDamage(workbench, path, result);
}

void importToCurrentDocument(Workbench &workbench)
{
    HtmlEditor *editor = workbench.activeEditor();
    if (!editor)
        return;
    const QString path = askFile(workbench, QLatin1String(kTextFilter));
    if (path.isEmpty())
        return;
    importer::Result result = convert([&] { return importer::importIntoDocument(path); });
    // Nothing at all to put in (the wrong kind of file, or a damaged one
    // with nothing readable) is refused with its reason.
    result.refused = result.refused || (!result.ok && result.html.isEmpty());
    if (!usable(workbench, path, result))
        return;
    {
        WaitCursor wait;
        if (importer::fileKind(path) == importer::FileKind::RichText)
            workbench.insertFragment(result.html);
        else
            replaceSelection(workbench, *editor, result.html);
    }
    reportDamage(workbench, path, result);
}

void importTable(Workbench &workbench)
{
    HtmlEditor *editor = workbench.activeEditor();
    if (!editor)
        return;
    const QString path = askFile(workbench, QLatin1String(kTableFilter));
    if (path.isEmpty())
        return;
    const importer::Result result = convert([&] { return importer::importTableFile(path); });
    if (!usable(workbench, path, result) || !result.ok)
        return;
    WaitCursor wait;
    replaceSelection(workbench, *editor, result.html);
}

} // namespace importcommands
