// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The control browser's options: how the OBJECT tag is written. Every
// change takes effect at once (the browser builds its tags from these
// options and the preview follows); OK stores them, Cancel reads the stored
// ones back.
//
// Object names: frmOptions; fraDefault (optClassID, optProgID), fraTag
// (optObject, optInsert), fraCase (optCaps, optLower, optMixed), fraLines
// (optSingle, optMulti), txtWidth, txtHeight, chkCode, txtCode, txtPreview,
// cmdOK, cmdCancel.

#include "objects/objecttaglogic.h"

#include <QDialog>

class BuilderHost;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class SettingsStore;

class ObjectOptionsDialog : public QDialog
{
    Q_OBJECT
public:
    // Reads the stored options.
    ObjectOptionsDialog(BuilderHost &host, SettingsStore &store, QWidget *parent);

    const objecttag::ObjectTagOptions &options() const { return m_options; }
    // Sets the options and the controls showing them.
    void setOptions(const objecttag::ObjectTagOptions &options);

    // What the preview shows the tag of: the browser's table and its
    // chosen row (-1: none chosen).
    void setPreviewSource(const QList<objecttag::Control> &table, int chosen);
    QString previewText() const;

    // OK: stores the options and hides. Cancel (and Escape): reads the
    // stored options back and hides.
    void accept() override;
    void reject() override;

signals:
    void optionsChanged();

private:
    void loadControls();
    void readControls();
    void updatePreview();

    BuilderHost &m_host;
    SettingsStore &m_store;
    objecttag::ObjectTagOptions m_options;
    QList<objecttag::Control> m_table;
    int m_chosen = -1;
    bool m_loading = false;

    QRadioButton *m_classId = nullptr;
    QRadioButton *m_progId = nullptr;
    QRadioButton *m_object = nullptr;
    QRadioButton *m_insert = nullptr;
    QRadioButton *m_caps = nullptr;
    QRadioButton *m_lower = nullptr;
    QRadioButton *m_mixed = nullptr;
    QRadioButton *m_single = nullptr;
    QRadioButton *m_multi = nullptr;
    QLineEdit *m_width = nullptr;
    QLineEdit *m_height = nullptr;
    QCheckBox *m_inclCode = nullptr;
    QLineEdit *m_code = nullptr;
    QPlainTextEdit *m_preview = nullptr;
};
