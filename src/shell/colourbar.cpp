// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/colourbar.h"

#include "platform/numbers.h"

#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

namespace {

// A spectrum with lighter and darker rows, for picking a colour by clicking.
QPixmap spectrumImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int x = 0; x < width; ++x) {
        const double hue = double(x) / width;
        for (int y = 0; y < height; ++y) {
            const double t = double(y) / (height - 1);
            QColor c = QColor::fromHsvF(hue, 1.0, 1.0);
            if (t < 0.5)
                c = QColor::fromHsvF(hue, t * 2, 1.0);
            else
                c = QColor::fromHsvF(hue, 1.0, 1.0 - (t - 0.5) * 2);
            image.setPixelColor(x, y, c);
        }
    }
    // The last stretch is a grey ramp from white to black.
    const int greyStart = width * 9 / 10;
    for (int x = greyStart; x < width; ++x) {
        const int v = 255 - (x - greyStart) * 255 / qMax(1, width - greyStart - 1);
        for (int y = 0; y < height; ++y)
            image.setPixelColor(x, y, QColor(v, v, v));
    }
    return QPixmap::fromImage(image);
}

} // namespace

ColourBar::ColourBar(QWidget *parent) : QToolBar(tr("Color Bar"), parent)
{
    setObjectName(QStringLiteral("Picture14"));
    setMovable(false);
    m_spectrum = new QLabel(this);
    m_spectrum->setObjectName(QStringLiteral("ColorPalette"));
    m_spectrum->setPixmap(spectrumImage(600, 18));
    m_spectrum->setToolTip(tr("Click a colour to insert its value"));
    m_spectrum->setAccessibleName(tr("Colour bar: click a colour to insert its value"));
    m_spectrum->installEventFilter(this);
    addWidget(m_spectrum);
    auto *button = new QToolButton(this);
    button->setObjectName(QStringLiteral("Command83"));
    button->setText(tr("Color..."));
    button->setToolTip(tr("Choose a colour and insert its value"));
    connect(button, &QToolButton::clicked, this, &ColourBar::dialogRequested);
    addWidget(button);
}

std::optional<QColor> ColourBar::colourAt(const QPoint &pos) const
{
    // Only the spectrum's first 9000 twips are colours.
    if (pos.x() >= 9000 / numbers::TwipsPerPixel || m_spectrum->pixmap().isNull())
        return std::nullopt;
    const QImage image = m_spectrum->pixmap().toImage();
    if (!image.valid(pos))
        return std::nullopt;
    return image.pixelColor(pos);
}

bool ColourBar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_spectrum && event->type() == QEvent::MouseButtonPress) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            if (const std::optional<QColor> colour = colourAt(mouse->position().toPoint()))
                emit colourPicked(*colour);
        }
        return true;
    }
    return QToolBar::eventFilter(watched, event);
}
