// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// QuickStart with style sheets: a page skeleton whose margins, background,
// fonts and link colours go into a style sheet in its HEAD.

#include "generators/quickstartlogic.h"
#include "widgets/builderdialog.h"

#include <array>

class ColourField;
class ContrastBadge;
class FileField;
class QCheckBox;
class QComboBox;
class QLineEdit;

class QuickStartStyleDialog : public BuilderDialog
{
    Q_OBJECT
public:
    explicit QuickStartStyleDialog(BuilderHost &host);

    quickstart::StylePageOptions options() const;
    void setOptions(const quickstart::StylePageOptions &options);

    void accept() override;

private:
    // Font rows: 0 is the body, 1 to 7 the element rows.
    static constexpr int FontRows = 8;
    // Link colour rows: link, visited, hover.
    enum LinkRow { Link, Visited, Hover, LinkRows };

    QWidget *buildFontsBox();
    QWidget *buildLinksBox();
    void chooseFont(int row);
    static void useGroup(QCheckBox *check);
    // The body text's and each link colour's contrast against the background.
    void showContrast();

    qint64 m_lastColour = 0; // the link and background colour dialogs open on it
    std::array<stylelogic::FontChoice, FontRows> m_fonts{};
    std::array<qint64, FontRows> m_fontColours{}; // the rows' colours as numbers

    QLineEdit *m_title = nullptr;
    QComboBox *m_leftMargin = nullptr;
    QComboBox *m_leftUnit = nullptr;
    QComboBox *m_rightMargin = nullptr;
    QComboBox *m_rightUnit = nullptr;
    QCheckBox *m_backgroundCheck = nullptr;
    ColourField *m_background = nullptr;
    FileField *m_image = nullptr;
    std::array<QCheckBox *, FontRows> m_fontChecks{};
    std::array<QLineEdit *, FontRows - 1> m_selectors{};
    std::array<QCheckBox *, LinkRows> m_linkChecks{};
    std::array<ColourField *, LinkRows> m_linkColours{};
    ContrastBadge *m_bodyContrast = nullptr;
    std::array<ContrastBadge *, LinkRows> m_linkContrast{};
};
