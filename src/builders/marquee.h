// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Marquees: a line of moving text. Three pages of fields (text, movement,
// size and placement); OK reads all of them.

#include "builders/marqueelogic.h"
#include "widgets/builderdialog.h"

class ColourField;
class QComboBox;
class QLineEdit;

class MarqueeBuilder : public BuilderDialog
{
    Q_OBJECT
public:
    explicit MarqueeBuilder(BuilderHost &host);

    marquee::MarqueeOptions options() const;
    void setOptions(const marquee::MarqueeOptions &options);
    // What OK writes with the fields as they are.
    QString fragment() const;

    void accept() override;
    void reject() override;

private:
    qint64 m_lastColour = 0;
    QLineEdit *m_message = nullptr;
    ColourField *m_backgroundColor = nullptr;
    ColourField *m_textColor = nullptr;
    QComboBox *m_textSize = nullptr;
    QComboBox *m_behavior = nullptr;
    QComboBox *m_direction = nullptr;
    QComboBox *m_loop = nullptr;
    QComboBox *m_scrollAmount = nullptr;
    QComboBox *m_scrollDelay = nullptr;
    QComboBox *m_alignment = nullptr;
    QLineEdit *m_height = nullptr;
    QLineEdit *m_hspace = nullptr;
    QLineEdit *m_vspace = nullptr;
    QLineEdit *m_width = nullptr;
};
