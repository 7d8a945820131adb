// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/messagebar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

MessageBar::MessageBar(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    setAccessibleName(tr("Message"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 3, 3);
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("messageText"));
    m_label->setWordWrap(true);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(m_label, 1);
    m_buttons = new QHBoxLayout;
    layout->addLayout(m_buttons);
    auto *close = new QToolButton(this);
    close->setObjectName(QStringLiteral("messageClose"));
    close->setText(QStringLiteral("\u00d7"));
    close->setToolTip(tr("Close this message (Escape)"));
    close->setAccessibleName(tr("Close Message"));
    connect(close, &QToolButton::clicked, this, &MessageBar::dismiss);
    layout->addWidget(close);
}

void MessageBar::setText(const QString &text)
{
    m_label->setText(text);
    setAccessibleDescription(text);
}

QString MessageBar::text() const
{
    return m_label->text();
}

QPushButton *MessageBar::addAction(const QString &caption, const QString &objectName,
                                   std::function<void()> action)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    connect(button, &QPushButton::clicked, this, [this, action] {
        // Closed first: the action may open a dialog or replace the text.
        dismiss();
        if (action)
            action();
    });
    m_buttons->addWidget(button);
    return button;
}

void MessageBar::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        dismiss();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MessageBar::dismiss()
{
    // Taken out of its window at once, so the window no longer counts it.
    hide();
    setParent(nullptr);
    emit closed();
    deleteLater();
}
