// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/printing.h"

#include "editor/htmleditor.h"
#include "platform/paths.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <Qsci/qsciprinter.h>
#include <QStandardPaths>

namespace printing {

bool printDocument(HtmlEditor &editor, QsciPrinter &printer)
{
    printer.setFullPage(false);
    printer.setPageMargins(QMarginsF(1, 1, 1, 1), QPageLayout::Inch);
    printer.setWrapMode(QsciScintilla::WrapWord);
    printer.setMagnification(0);
    // The editor prints its line-number margin with the text; the page gets
    // the text alone.
    const int margin = editor.marginWidth(0);
    editor.setMarginWidth(0, 0);
    const bool ok = printer.printRange(&editor) > 0;
    editor.setMarginWidth(0, margin);
    return ok;
}

QString pdfPathFor(const QString &caption)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    QString name = QFileInfo(caption).completeBaseName();
    if (name.isEmpty())
        name = QStringLiteral("document");
    return paths::freeFileName(folder, name, QStringLiteral(".pdf"));
}

} // namespace printing
