// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour field of every window: up to three parts in a row, each left
// out when it has no object name. A combo offers the sixteen colour names
// and keeps typed text verbatim; a patch shows the colour, its "#RRGGBB" as
// tool tip; a button opens the colour dialog, and without a button a
// choosable patch opens it when clicked. A chosen colour shows in the patch
// and its "#RRGGBB" becomes the field's text.

#include <optional>
#include <QColor>
#include <QWidget>

class DialogService;
class QAbstractButton;
class QComboBox;
class QPushButton;

namespace formkit {

QColor toQColor(qint64 colourNumber);
qint64 colourNumber(const QColor &colour);

} // namespace formkit

class ColourField : public QWidget
{
    Q_OBJECT
public:
    struct Parts
    {
        const char *combo = nullptr;
        const char *patch = nullptr; // the field takes its object name too
        const char *button = nullptr;
        QString buttonCaption = {};
    };

    // caption: the accessible name of the combo and the patch.
    ColourField(const QString &caption, const Parts &parts, QWidget *parent = nullptr);

    // Makes the field choosable. The dialog opens on *lastColour where the
    // window's fields share one memory (and then updates it), else on the
    // field's own colour.
    void setDialog(DialogService &dialogs, qint64 *lastColour = nullptr);

    QComboBox *combo() const { return m_combo; }
    QAbstractButton *patch() const { return m_patch; }
    QPushButton *button() const { return m_button; }

    // The colour the patch shows; nothing for none.
    std::optional<qint64> shownColour() const { return m_colour; }
    qint64 colour() const { return m_colour.value_or(0); }
    // Shows a colour without making it the field's text.
    void showColour(std::optional<qint64> colour);
    // Shows the colour and makes its "#RRGGBB" the text.
    void setColour(qint64 colour);

    // What the field holds: the combo's text, else the text set or chosen
    // last ("" before any).
    QString text() const;
    // The text exactly as given; the patch shows it when it is "#RRGGBB"
    // and keeps its colour otherwise.
    void setText(const QString &text);

    // The colour dialog; what the button (or the patch) does. False when
    // cancelled or the field has no dialog.
    bool choose();

signals:
    void colourChosen(qint64 colour);
    // The text or the colour shown changed, by any road.
    void changed();

private:
    DialogService *m_dialogs = nullptr;
    qint64 *m_lastColour = nullptr;
    QComboBox *m_combo = nullptr;
    QAbstractButton *m_patch = nullptr;
    QPushButton *m_button = nullptr;
    std::optional<qint64> m_colour;
    QString m_text;
};
