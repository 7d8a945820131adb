// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Offered at start-up when copies of unsaved text were left by a program
// that ended without saving: per document Recover (opens it with that text,
// unsaved), Compare (with the file on disk) and Discard.

#include "recovery/snapshotstore.h"

#include <functional>
#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

class RecoveryWindow : public QDialog
{
    Q_OBJECT
public:
    // recover opens a document with the text; it is handed the copy's
    // description and the text.
    using Recover = std::function<void(const snapshots::Info &, const QString &)>;
    RecoveryWindow(const QString &folder, const QList<snapshots::Info> &copies, Recover recover,
                   QWidget *parent = nullptr);

    int count() const;
    // The row's copy, as the buttons act on the chosen row.
    void choose(int row);
    void recoverChosen();
    void compareChosen();
    void discardChosen();

private:
    void addRow(const snapshots::Info &info);
    void removeChosen();
    void updateButtons();
    int chosen() const;

    QString m_folder;
    QList<snapshots::Info> m_copies;
    Recover m_recover;
    QTreeWidget *m_list = nullptr;
    QLabel *m_note = nullptr;
    QPushButton *m_recoverButton = nullptr;
    QPushButton *m_compareButton = nullptr;
    QPushButton *m_discardButton = nullptr;
};
