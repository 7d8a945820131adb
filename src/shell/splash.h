// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QIcon>
#include <QWidget>

// The program's icon, drawn like the splash.
QIcon programIcon();
// The icon drawn at one size, for the desktop's icon theme.
QPixmap programIconPixmap(int size);

// The window shown while the program starts.
class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    explicit SplashWindow(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
