// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Inline Style Sheets: wraps the selected text in a DIV whose style carries
// the positioning, size, alignment, font and colours chosen here.

#include "generators/inlinestylelogic.h"
#include "widgets/builderdialog.h"

class ColourField;
class QCheckBox;
class QLabel;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QTabWidget;

class InlineStyleDialog : public BuilderDialog
{
    Q_OBJECT
public:
    explicit InlineStyleDialog(BuilderHost &host);

    inlinestyle::DivOptions options() const;
    void setOptions(const inlinestyle::DivOptions &options);

    void accept() override;
    void reject() override;

private:
    QWidget *buildFontPage();
    QWidget *buildPositionPage();
    void chooseFont();
    void showFont();
    static void useBox(QCheckBox *check);

    qint64 m_lastColour = 0;
    stylelogic::FontChoice m_font;

    QTabWidget *m_tabs = nullptr;
    QLineEdit *m_id = nullptr;
    QComboBox *m_alignment = nullptr;
    QCheckBox *m_fontCheck = nullptr;
    QCheckBox *m_colourCheck = nullptr;
    QCheckBox *m_backgroundCheck = nullptr;
    QLabel *m_fontName = nullptr; // what the font dialog gave
    ColourField *m_fontColour = nullptr;
    ColourField *m_backgroundColour = nullptr;
    QRadioButton *m_relative = nullptr;
    QRadioButton *m_absolute = nullptr;
    struct LengthRow
    {
        QComboBox *value = nullptr;
        QComboBox *unit = nullptr;
    };
    LengthRow m_left, m_top, m_width, m_height;
    QComboBox *m_zIndex = nullptr;
};
