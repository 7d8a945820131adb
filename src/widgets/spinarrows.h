// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A pair of up and down arrows without a value of their own: the owner
// decides what a step means and shows the result elsewhere. Assistive tools
// meet them as one spin box whose value is the one the owner shows.

#include <functional>
#include <QWidget>

class QToolButton;

class SpinArrows : public QWidget
{
    Q_OBJECT
public:
    explicit SpinArrows(QWidget *parent = nullptr);

    // Also names the arrows "<caption> up" and "<caption> down" for
    // assistive tools.
    void setCaption(const QString &caption);

    // Where the value the arrows change is read, for assistive tools.
    void setValueSource(std::function<QString()> value) { m_value = std::move(value); }
    QString valueText() const { return m_value ? m_value() : QString(); }
    // What the arrows do, from the keyboard or an assistive tool.
    void stepUp();
    void stepDown();

    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

signals:
    void spinUp();
    void spinDown();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void announceValue();

    QToolButton *m_up;
    QToolButton *m_down;
    std::function<QString()> m_value;
};
