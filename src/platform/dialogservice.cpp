// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/dialogservice.h"

#include "platform/filefilter.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrintPreviewDialog>
#include <QPushButton>

DialogService::Answer WidgetDialogService::message(QWidget *parent, const QString &text,
                                                   const QString &title, Buttons buttons, Icon icon)
{
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? defaultTitle() : title);
    box.setText(text);
    switch (icon) {
    case Icon::None:
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        // Closing a Yes/No box with Escape counts as the safe answer.
        return buttons == Buttons::Ok      ? Answer::Ok
               : buttons == Buttons::YesNo ? Answer::No
                                           : Answer::Cancel;
    }
}

std::optional<QString> WidgetDialogService::input(QWidget *parent, const QString &prompt,
                                                  const QString &title, const QString &defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title.isEmpty() ? defaultTitle() : title,
                                               prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString WidgetDialogService::openFileName(QWidget *parent, const QString &title,
                                          const QString &folder, const QString &barFilter)
{
    if (!filefilter::isExecutables(barFilter))
        return QFileDialog::getOpenFileName(parent, title, folder, filefilter::toQt(barFilter));
    // Programs have no extension here: the dialog shows files that can run.
    QFileDialog dialog(parent, title, folder, filefilter::toQt(barFilter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFilter(QDir::AllDirs | QDir::Files | QDir::Executable | QDir::NoDot);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().first();
}

QString WidgetDialogService::saveFileName(QWidget *parent, const QString &title,
                                          const QString &folder, const QString &barFilter)
{
    return QFileDialog::getSaveFileName(parent, title, folder, filefilter::toQt(barFilter));
}

QString WidgetDialogService::folderName(QWidget *parent, const QString &title,
                                        const QString &folder)
{
    return QFileDialog::getExistingDirectory(parent, title, folder);
}

std::optional<qint64> WidgetDialogService::colour(QWidget *parent, qint64 initial)
{
    const QColor start(int(initial & 0xFF), int((initial >> 8) & 0xFF),
                       int((initial >> 16) & 0xFF));
    const QColor chosen = QColorDialog::getColor(start, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return qint64(chosen.red()) | (qint64(chosen.green()) << 8) | (qint64(chosen.blue()) << 16);
}

std::optional<QFont> WidgetDialogService::font(QWidget *parent, const QFont &initial)
{
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return std::nullopt;
    return chosen;
}

int WidgetDialogService::choose(QWidget *parent, const QString &text, const QString &title,
                                const QStringList &buttons)
{
    QMessageBox box(parent);
    box.setWindowTitle(title.isEmpty() ? defaultTitle() : title);
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    QList<QAbstractButton *> added;
    for (qsizetype i = 0; i < buttons.size(); ++i)
        added << box.addButton(buttons.at(i), i + 1 == buttons.size() ? QMessageBox::RejectRole
                                                                      : QMessageBox::AcceptRole);
    if (!added.isEmpty())
        box.setEscapeButton(added.last());
    box.exec();
    const qsizetype pressed = added.indexOf(box.clickedButton());
    return int(pressed < 0 ? added.size() - 1 : pressed);
}

bool WidgetDialogService::choosePrinter(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    return dialog.exec() == QDialog::Accepted;
}

void WidgetDialogService::printPreview(QWidget *parent, QPrinter &printer,
                                       const std::function<void(QPrinter *)> &paint)
{
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    dialog.exec();
}
