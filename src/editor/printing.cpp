#include "editor/printing.h"

#include "editor/htmleditor.h"

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
    return printer.printRange(&editor) > 0;
}

QString pdfPathFor(const QString &caption)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    QString name = QFileInfo(caption).completeBaseName();
    if (name.isEmpty())
        name = QStringLiteral("document");
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

} // namespace printing
