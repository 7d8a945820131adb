// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Special Effects: four decorations, one per tab; OK writes the one whose
// tab is showing.

#include "generators/effectslogic.h"
#include "widgets/builderdialog.h"

#include <array>

class ColourField;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QTabWidget;

class SpecialEffectsDialog : public BuilderDialog
{
    Q_OBJECT
public:
    enum Page { ThreeD, Sloped, Divider, GradientText };

    explicit SpecialEffectsDialog(BuilderHost &host);

    effects::ThreeDTextOptions threeDOptions() const;
    effects::SlopedTextOptions slopedOptions() const;
    effects::DividerOptions dividerOptions() const;
    effects::GradientTextOptions gradientTextOptions() const;
    void setThreeDOptions(const effects::ThreeDTextOptions &options);
    void setSlopedOptions(const effects::SlopedTextOptions &options);
    void setDividerOptions(const effects::DividerOptions &options);
    void setGradientTextOptions(const effects::GradientTextOptions &options);

    Page page() const;
    void setPage(Page page);

    // OK: the visible tab's effect, or its message with the dialog kept open.
    void accept() override;

private:
    // Three component boxes and their swatch.
    struct ColourRow
    {
        std::array<QLineEdit *, 3> boxes{};
        ColourField *swatch = nullptr;
    };

    QWidget *buildThreeDPage();
    QWidget *buildSlopedPage();
    QWidget *buildDividerPage();
    QWidget *buildGradientTextPage();
    // Adds the "Color 1" and "Color 2" rows to a page's grid.
    void addColourRows(QGridLayout *grid, std::array<ColourRow, 2> &rows,
                       const std::array<std::array<const char *, 3>, 2> &names, const char *swatch1,
                       const char *swatch2);
    void componentEdited(ColourRow &row, QLineEdit *box);
    void stepsEdited();

    qint64 m_lastColour = 0; // the colour dialog holds the colour chosen last

    QTabWidget *m_tabs = nullptr;
    // 3-D text.
    QLineEdit *m_threeDText = nullptr;
    QComboBox *m_threeDFont = nullptr;
    QComboBox *m_threeDSize = nullptr;
    ColourField *m_backSwatch = nullptr;
    ColourField *m_frontSwatch = nullptr;
    // Sloped text.
    QLineEdit *m_slopedText = nullptr;
    QComboBox *m_smallest = nullptr;
    QComboBox *m_largest = nullptr;
    // Gradient divider.
    std::array<ColourRow, 2> m_dividerColours;
    QLineEdit *m_dividerHeight = nullptr;
    QLineEdit *m_steps = nullptr;
    // Gradient text.
    std::array<ColourRow, 2> m_textColours;
    QComboBox *m_textHeight = nullptr;
    QLineEdit *m_gradientText = nullptr;
};
