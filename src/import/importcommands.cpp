#include "import/importcommands.h"

#include "editor/documentwindow.h"
#include "editor/htmleditor.h"
#include "editor/workbench.h"
#include "import/importconvert.h"
#include "kernel/appstate.h"
#include "platform/dialogservice.h"
#include "platform/textfile.h"

#include <QApplication>

namespace importcommands {

namespace {

QString askFile(Workbench &workbench, const QString &filter)
{
    return workbench.dialogs().openFileName(workbench.mainWidget(), QStringLiteral("Import"),
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
    workbench.state().textLength = 0;
    workbench.smartcolor();
}

struct WaitCursor
{
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

void importToNewFile(Workbench &workbench)
{
    const QString path = askFile(workbench, QLatin1String(kTextFilter));
    if (path.isEmpty())
        return;
    DocumentWindow *doc = workbench.newDocument();
    if (!doc)
        return;
    WaitCursor wait;
    // On a damaged file the window keeps what could be read.
    const importer::Result result = importer::importNewFile(path);
    doc->editor()->setDocumentText(result.html);
    workbench.state().textLength = 0;
    workbench.smartcolor();
}

void importToCurrentDocument(Workbench &workbench)
{
    HtmlEditor *editor = workbench.activeEditor();
    if (!editor)
        return;
    const QString path = askFile(workbench, QLatin1String(kTextFilter));
    if (path.isEmpty() || importer::fileKind(path) == importer::FileKind::Other)
        return;
    WaitCursor wait;
    const importer::Result result = importer::importIntoDocument(path);
    if (!result.ok)
        return;
    if (importer::fileKind(path) == importer::FileKind::RichText)
        workbench.portableColor(result.html);
    else
        replaceSelection(workbench, *editor, result.html);
}

void importTable(Workbench &workbench)
{
    HtmlEditor *editor = workbench.activeEditor();
    if (!editor)
        return;
    const QString path = askFile(workbench, QLatin1String(kTableFilter));
    if (path.isEmpty())
        return;
    WaitCursor wait;
    const importer::Result result = importer::importTableFile(path);
    if (result.ok)
        replaceSelection(workbench, *editor, result.html);
}

} // namespace importcommands
