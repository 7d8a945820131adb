// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Font Wizard: wraps the document's selection in a FONT element with the
// face, size and colour chosen.

#include "builders/marqueelogic.h"
#include "widgets/builderdialog.h"

class ColourField;
class ContrastBadge;
class QComboBox;

class FontWizard : public BuilderDialog
{
    Q_OBJECT
public:
    explicit FontWizard(BuilderHost &host);

    marquee::FontOptions options() const;
    void setOptions(const marquee::FontOptions &options);
    // What OK writes with the fields as they are.
    QString fragment() const;

    // Reads the document's selection now and wraps it.
    void accept() override;
    void reject() override;

private:
    qint64 m_lastColour = 0;
    QComboBox *m_face = nullptr;
    QComboBox *m_size = nullptr;
    ColourField *m_color = nullptr;
    ContrastBadge *m_contrast = nullptr; // the colour against the page's background
    qint64 m_pageBackground = 0;
};
