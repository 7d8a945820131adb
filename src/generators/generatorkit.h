#pragma once
// Pieces the page-generator dialogs share. Colour patches: ColourBox only
// shows a colour, ColourSwatch is also a button that opens a colour dialog.
// Both show the colour's "#RRGGBB" as tool tip.

#include "generators/stylelogic.h"

#include <optional>
#include <QAbstractButton>
#include <QFont>
#include <QFrame>

namespace generatorkit {

// What the font dialog opens on for a font row (size 12 when none is set).
QFont toQFont(const stylelogic::FontChoice &choice);
// A font chosen in the font dialog, with the given colour.
stylelogic::FontChoice fromQFont(const QFont &font, const QString &colour);
// The colour number of an "#RRGGBB" value; nullopt for anything else.
std::optional<qint64> colourOfHtml(const QString &value);
// "Arial, 12 pt, bold" for showing a chosen font.
QString describeFont(const stylelogic::FontChoice &choice);

} // namespace generatorkit

class ColourBox : public QFrame
{
    Q_OBJECT
public:
    ColourBox(const char *objectName, const QString &caption, qint64 colour,
              QWidget *parent = nullptr);

    qint64 colour() const { return m_colour; }
    void setColour(qint64 colour);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qint64 m_colour = 0;
};

class ColourSwatch : public QAbstractButton
{
    Q_OBJECT
public:
    ColourSwatch(const char *objectName, const QString &caption, qint64 colour,
                 QWidget *parent = nullptr);

    qint64 colour() const { return m_colour; }
    void setColour(qint64 colour);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qint64 m_colour = 0;
};
