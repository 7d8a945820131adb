// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two texts side by side as a unified difference: removed lines red,
// added lines green.

#include <QDialog>

class QPlainTextEdit;

class CompareView : public QDialog
{
    Q_OBJECT
public:
    CompareView(const QString &nameA, const QString &textA, const QString &nameB,
                const QString &textB, QWidget *parent = nullptr);

    QString differenceText() const;

private:
    QPlainTextEdit *m_text = nullptr;
};
