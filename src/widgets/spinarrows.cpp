#include "widgets/spinarrows.h"

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

} // namespace

SpinArrows::SpinArrows(QWidget *parent)
    : QWidget(parent), m_up(arrow(Qt::UpArrow, "SpinUp", this)),
      m_down(arrow(Qt::DownArrow, "SpinDown", this))
{
    setFocusPolicy(Qt::StrongFocus);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2); // room for the focus frame
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    connect(m_up, &QToolButton::clicked, this, &SpinArrows::spinUp);
    connect(m_down, &QToolButton::clicked, this, &SpinArrows::spinDown);
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
        emit spinUp();
        break;
    case Qt::Key_Down:
    case Qt::Key_Minus:
        emit spinDown();
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
