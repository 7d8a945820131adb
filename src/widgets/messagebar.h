// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A strip across the top of a document window that tells the user about
// the document (changed on disk, a charset that does not match ...) and
// offers a few answers as buttons. Several bars can stand one above the
// other; each one closes itself when one of its buttons is pressed.

#include <QWidget>

#include <functional>

class QHBoxLayout;
class QPushButton;
class QLabel;

class MessageBar : public QWidget
{
    Q_OBJECT
public:
    explicit MessageBar(QWidget *parent = nullptr);

    // Shows the text with no buttons yet; the close button is always there.
    void setText(const QString &text);
    QString text() const;

    // A button that runs the action and closes the bar. The caption may hold
    // a mnemonic ("&Reload"); its object name lets tests press it.
    QPushButton *addAction(const QString &caption, const QString &objectName,
                           std::function<void()> action);

    // Closes the bar, as its close button does.
    void dismiss();

signals:
    void closed();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *m_label = nullptr;
    QHBoxLayout *m_buttons = nullptr;
};
