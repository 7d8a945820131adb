// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/colourfield.h"

#include "kernel/colour.h"
#include "platform/dialogservice.h"
#include "widgets/formkit.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionFocusRect>

namespace formkit {

QColor toQColor(qint64 colourNumber)
{
    return QColor(colour::red(colourNumber), colour::green(colourNumber),
                  colour::blue(colourNumber));
}

qint64 colourNumber(const QColor &c)
{
    return colour::number(c.red(), c.green(), c.blue());
}

} // namespace formkit

namespace {

// A sunken patch of the colour, or of the window's background for none.
class Patch : public QAbstractButton
{
public:
    explicit Patch(QWidget *parent) : QAbstractButton(parent)
    {
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        setFocusPolicy(Qt::NoFocus);
    }
    void display(std::optional<qint64> colour)
    {
        m_colour = colour;
        setToolTip(colour ? colour::html(*colour) : QString());
        update();
    }
    QSize sizeHint() const override { return {44, 22}; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(palette().color(QPalette::Mid));
        p.setBrush(m_colour ? formkit::toQColor(*m_colour) : palette().color(QPalette::Window));
        const int inset = focusPolicy() == Qt::NoFocus ? 0 : 2;
        p.drawRect(rect().adjusted(inset, inset, -1 - inset, -1 - inset));
        if (hasFocus()) {
            QStyleOptionFocusRect option;
            option.initFrom(this);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
        }
    }

private:
    std::optional<qint64> m_colour;
};

} // namespace

ColourField::ColourField(const QString &caption, const Parts &parts, QWidget *parent)
    : QWidget(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    if (parts.combo) {
        m_combo = formkit::editableCombo(parts.combo, colour::names(), QString(), this);
        formkit::setCaption(m_combo, caption);
        connect(m_combo, &QComboBox::editTextChanged, this, &ColourField::changed);
        row->addWidget(m_combo, 1);
        setFocusProxy(m_combo);
    }
    if (parts.patch) {
        setObjectName(QLatin1String(parts.patch));
        m_patch = new Patch(this);
        m_patch->setObjectName(objectName());
        formkit::setCaption(m_patch, caption);
        row->addWidget(m_patch);
        if (!parts.combo && !parts.button)
            setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
    if (parts.button) {
        m_button = formkit::button(parts.button, parts.buttonCaption, this);
        row->insertWidget(parts.combo ? 1 : 0, m_button);
        connect(m_button, &QPushButton::clicked, this, &ColourField::choose);
    }
}

void ColourField::setDialog(DialogService &dialogs, qint64 *lastColour)
{
    m_dialogs = &dialogs;
    m_lastColour = lastColour;
    if (m_patch && !m_button) {
        m_patch->setFocusPolicy(Qt::StrongFocus);
        m_patch->setCursor(Qt::PointingHandCursor);
        setFocusProxy(m_patch);
        connect(m_patch, &QAbstractButton::clicked, this, &ColourField::choose);
    }
}

void ColourField::showColour(std::optional<qint64> colour)
{
    m_colour = colour;
    if (m_patch)
        static_cast<Patch *>(m_patch)->display(colour);
    emit changed();
}

void ColourField::setColour(qint64 colour)
{
    showColour(colour);
    setText(colour::html(colour));
}

QString ColourField::text() const
{
    return m_combo ? m_combo->currentText() : m_text;
}

void ColourField::setText(const QString &text)
{
    m_text = text;
    if (m_combo)
        m_combo->setEditText(text);
    if (const std::optional<qint64> colour = colour::fromHtml(text))
        showColour(*colour);
    else
        emit changed();
}

bool ColourField::choose()
{
    if (!m_dialogs)
        return false;
    const std::optional<qint64> chosen =
        m_dialogs->colour(window(), m_lastColour ? *m_lastColour : colour());
    if (!chosen)
        return false;
    if (m_lastColour)
        *m_lastColour = *chosen;
    setColour(*chosen);
    emit colourChosen(*chosen);
    return true;
}
