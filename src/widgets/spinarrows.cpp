// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/spinarrows.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *arrow(Qt::ArrowType type, const char *name, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setArrowType(type);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus); // the pair takes the focus as one
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    return button;
}

class SpinArrowsAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit SpinArrowsAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::SpinBox) {}

    SpinArrows *arrows() const { return static_cast<SpinArrows *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return arrows()->valueText();
        return QAccessibleWidget::text(t);
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    // The arrows themselves are one control here.
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    QStringList actionNames() const override { return {increaseAction(), decreaseAction()}; }
    void doAction(const QString &name) override
    {
        if (name == increaseAction())
            arrows()->stepUp();
        else if (name == decreaseAction())
            arrows()->stepDown();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    QVariant currentValue() const override
    {
        bool ok = false;
        const double value = arrows()->valueText().remove(u'%').toDouble(&ok);
        return ok ? QVariant(value) : QVariant();
    }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return QVariant(); }
    QVariant minimumValue() const override { return QVariant(); }
    QVariant minimumStepSize() const override { return 1; }
};

QAccessibleInterface *spinArrowsAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("SpinArrows") && object && object->isWidgetType())
        return new SpinArrowsAccessible(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

SpinArrows::SpinArrows(QWidget *parent)
    : QWidget(parent), m_up(arrow(Qt::UpArrow, "SpinUp", this)),
      m_down(arrow(Qt::DownArrow, "SpinDown", this))
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(spinArrowsAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::StrongFocus);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2); // room for the focus frame
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, &SpinArrows::stepUp);
    connect(m_down, &QToolButton::clicked, this, &SpinArrows::stepDown);
}

void SpinArrows::stepUp()
{
    emit spinUp();
    announceValue();
}

void SpinArrows::stepDown()
{
    emit spinDown();
    announceValue();
}

void SpinArrows::announceValue()
{
    if (!QAccessible::isActive() || !m_value)
        return;
    QAccessibleValueChangeEvent event(this, valueText());
    QAccessible::updateAccessibility(&event);
}

void SpinArrows::setCaption(const QString &caption)
{
    setAccessibleName(caption);
    m_up->setAccessibleName(caption + tr(" up"));
    m_down->setAccessibleName(caption + tr(" down"));
}

void SpinArrows::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Plus:
        stepUp();
        break;
    case Qt::Key_Down:
    case Qt::Key_Minus:
        stepDown();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void SpinArrows::paintEvent(QPaintEvent *)
{
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}
