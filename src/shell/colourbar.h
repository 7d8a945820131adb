// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colour bar (Picture14): a spectrum to click on, and a button for the
// colour dialog. What the colour becomes in the document is the main
// window's business.

#include <optional>
#include <QColor>
#include <QToolBar>

class QLabel;

class ColourBar : public QToolBar
{
    Q_OBJECT
public:
    explicit ColourBar(QWidget *parent = nullptr);

    QLabel *spectrum() const { return m_spectrum; }
    // The colour under a point of the spectrum; nothing beyond its colours.
    std::optional<QColor> colourAt(const QPoint &pos) const;

signals:
    void colourPicked(const QColor &colour);
    void dialogRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_spectrum = nullptr;
};
