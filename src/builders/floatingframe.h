// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Floating Frame: an IFRAME with its alignment, name, source, sizes,
// margins, border and scroll bars.

#include "builders/linkslogic.h"
#include "widgets/builderdialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

class FloatingFrame : public BuilderDialog
{
    Q_OBJECT
public:
    explicit FloatingFrame(BuilderHost &host);

    links::FloatingFrameOptions options() const;
    void setOptions(const links::FloatingFrameOptions &options);
    // What OK writes with the fields as they are.
    QString fragment() const;

    void accept() override;

private:
    QComboBox *m_alignment;
    QLineEdit *m_name;
    QLineEdit *m_source;
    QLineEdit *m_height;
    QLineEdit *m_width;
    QLineEdit *m_marginHeight;
    QLineEdit *m_marginWidth;
    QCheckBox *m_frameBorder;
    QCheckBox *m_scrollBars;
};
