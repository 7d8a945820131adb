// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Java Applet: the APPLET tag from a file name, its folder URL, a name,
// an alternate text, the alignment and four sizes.

#include "objects/appletlogic.h"
#include "widgets/builderdialog.h"

class QComboBox;
class QLineEdit;

class AppletDialog : public BuilderDialog
{
    Q_OBJECT
public:
    explicit AppletDialog(BuilderHost &host);

    applet::AppletOptions options() const;
    void setOptions(const applet::AppletOptions &options);
    // What OK writes with the fields as they are.
    QString fragment() const;

    void accept() override;

private:
    QLineEdit *m_fileName = nullptr;
    QLineEdit *m_urlDirectory = nullptr;
    QLineEdit *m_name = nullptr;
    QLineEdit *m_alternateText = nullptr;
    QComboBox *m_alignment = nullptr;
    QComboBox *m_width = nullptr;
    QComboBox *m_height = nullptr;
    QComboBox *m_hspace = nullptr;
    QComboBox *m_vspace = nullptr;
};
