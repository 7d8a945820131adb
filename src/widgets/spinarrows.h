#pragma once
// A pair of up and down arrows without a value of their own: the owner
// decides what a step means and shows the result elsewhere.

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

    QToolButton *upButton() const { return m_up; }
    QToolButton *downButton() const { return m_down; }

signals:
    void spinUp();
    void spinDown();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QToolButton *m_up;
    QToolButton *m_down;
};
