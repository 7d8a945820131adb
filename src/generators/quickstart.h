// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// QuickStart: the skeleton of a whole page, BODY attributes included,
// written at the caret in one step.

#include "generators/quickstartlogic.h"
#include "widgets/builderdialog.h"

#include <array>

class ColourField;
class ContrastBadge;
class FileField;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

class QuickStartDialog : public BuilderDialog
{
    Q_OBJECT
public:
    explicit QuickStartDialog(BuilderHost &host);

    quickstart::PageOptions options() const;
    void setOptions(const quickstart::PageOptions &options);

    void accept() override;
    void reject() override;

private:
    // The six colour rows, in the order they are shown.
    enum Row { Text, Link, Visited, Active, Hover, Background, RowCount };
    void showPreview(int row, qint64 colour);
    void imageChanged(const QString &text);
    // Each text colour's contrast against the background.
    void showContrast();

    qint64 m_lastColour = 0; // the colour dialog opens on the colour taken last
    QComboBox *m_documentType = nullptr;
    QLineEdit *m_title = nullptr;
    QLineEdit *m_leftMargin = nullptr;
    QLineEdit *m_topMargin = nullptr;
    std::array<ColourField *, RowCount> m_colours{};
    std::array<QLabel *, Background> m_samples{};
    std::array<ContrastBadge *, Background> m_contrast{};
    ColourField *m_backgroundBox = nullptr;
    FileField *m_image = nullptr;
    QCheckBox *m_watermark = nullptr;
};
