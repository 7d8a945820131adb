// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/splash.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 64})
        icon.addPixmap(programIconPixmap(size));
    return icon;
}

QPixmap programIconPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, size);
    g.setColorAt(0, QColor(0x33, 0x00, 0xCC));
    g.setColorAt(1, QColor(0xFF, 0x00, 0x00));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    QFont f;
    f.setBold(true);
    f.setPixelSize(size * 3 / 4);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QStringLiteral("L"));
    p.end();
    return pixmap;
}

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Start"));
    setFixedSize(320, 240);
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - rect().center());
    }
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0x33, 0x00, 0xCC));
    g.setColorAt(1, QColor(0xFF, 0x00, 0x00));
    p.fillRect(rect(), g);
    p.setPen(Qt::white);
    QFont title = font();
    title.setPointSize(26);
    title.setBold(true);
    p.setFont(title);
    p.drawText(rect().adjusted(0, 40, 0, -120), Qt::AlignCenter, tr("Lorimel 3.0"));
    QFont sub = font();
    sub.setPointSize(12);
    p.setFont(sub);
    p.drawText(rect().adjusted(0, 120, 0, -60), Qt::AlignCenter, tr("HTML Authoring System"));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
