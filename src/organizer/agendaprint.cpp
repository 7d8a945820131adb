// SPDX-License-Identifier: GPL-3.0-or-later
#include "organizer/agendaprint.h"

#include "platform/paths.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextDocument>

namespace agendaprint {

bool print(QPrinter &printer, const QString &heading, const QString &agenda)
{
    printer.setFullPage(false);
    printer.setPageMargins(QMarginsF(1, 1, 1, 1), QPageLayout::Inch);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&printer);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(12);
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    document.setPlainText(heading + QStringLiteral("\n\n") + agenda);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    document.setPageSize(page.size());
    const int pages = document.pageCount();
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !printer.newPage())
            return false;
        painter.save();
        painter.translate(0, -i * page.height());
        document.drawContents(&painter, QRectF(0, i * page.height(), page.width(), page.height()));
        painter.restore();
    }
    return painter.end();
}

QString pdfPath(const QString &folder, const QString &stem)
{
    QString where = folder;
    if (where.isEmpty()) {
        where = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (where.isEmpty() || !QFileInfo(where).isDir())
            where = QDir::homePath();
    }
    return paths::freeFileName(where, stem, QStringLiteral(".pdf"));
}

} // namespace agendaprint
