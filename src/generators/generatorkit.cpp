#include "generators/generatorkit.h"

#include "kernel/htmlvalues.h"
#include "widgets/formkit.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {

QColor toColor(qint64 colour)
{
    return QColor(htmlvalues::redOf(colour), htmlvalues::greenOf(colour),
                  htmlvalues::blueOf(colour));
}

// A sunken patch of the colour inside rect.
void paintPatch(QWidget *widget, const QRect &rect, qint64 colour)
{
    QPainter p(widget);
    p.setPen(widget->palette().color(QPalette::Mid));
    p.setBrush(toColor(colour));
    p.drawRect(rect.adjusted(0, 0, -1, -1));
}

const QSize PatchSize(44, 22);

} // namespace

namespace generatorkit {

QFont toQFont(const stylelogic::FontChoice &choice)
{
    QFont font;
    if (!choice.family.isEmpty())
        font.setFamily(choice.family);
    font.setPointSizeF(choice.size > 0 ? double(choice.size) : 12.0);
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    font.setUnderline(choice.underline);
    font.setStrikeOut(choice.strikeOut);
    return font;
}

stylelogic::FontChoice fromQFont(const QFont &font, const QString &colour)
{
    stylelogic::FontChoice choice;
    choice.family = font.family();
    // A font given in pixels has no point size; it writes none.
    choice.size = font.pointSizeF() > 0 ? float(font.pointSizeF()) : 0.0f;
    choice.bold = font.bold();
    choice.italic = font.italic();
    choice.underline = font.underline();
    choice.strikeOut = font.strikeOut();
    choice.colour = colour;
    return choice;
}

std::optional<qint64> colourOfHtml(const QString &value)
{
    if (value.size() != 7 || value.at(0) != u'#')
        return std::nullopt;
    bool ok = false;
    const uint rgb = QStringView(value).mid(1).toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return htmlvalues::colourNumber(int(rgb >> 16) & 0xFF, int(rgb >> 8) & 0xFF, int(rgb & 0xFF));
}

QString describeFont(const stylelogic::FontChoice &choice)
{
    QStringList parts;
    if (!choice.family.isEmpty())
        parts << choice.family;
    if (choice.size != 0)
        parts << stylelogic::pointSize(choice.size) + QStringLiteral(" pt");
    if (choice.bold)
        parts << QStringLiteral("bold");
    if (choice.italic)
        parts << QStringLiteral("italic");
    if (choice.underline)
        parts << QStringLiteral("underlined");
    if (choice.strikeOut)
        parts << QStringLiteral("struck through");
    return parts.join(QStringLiteral(", "));
}

} // namespace generatorkit

ColourBox::ColourBox(const char *objectName, const QString &caption, qint64 colour, QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QLatin1String(objectName));
    formkit::setCaption(this, caption);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setColour(colour);
}

void ColourBox::setColour(qint64 colour)
{
    m_colour = colour;
    setToolTip(htmlvalues::htmlColor(colour));
    update();
}

QSize ColourBox::sizeHint() const
{
    return PatchSize;
}

void ColourBox::paintEvent(QPaintEvent *)
{
    paintPatch(this, rect(), m_colour);
}

ColourSwatch::ColourSwatch(const char *objectName, const QString &caption, qint64 colour,
                           QWidget *parent)
    : QAbstractButton(parent)
{
    setObjectName(QLatin1String(objectName));
    formkit::setCaption(this, caption);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setColour(colour);
}

void ColourSwatch::setColour(qint64 colour)
{
    m_colour = colour;
    setToolTip(htmlvalues::htmlColor(colour));
    update();
}

QSize ColourSwatch::sizeHint() const
{
    return PatchSize;
}

void ColourSwatch::paintEvent(QPaintEvent *)
{
    paintPatch(this, rect().adjusted(2, 2, -2, -2), m_colour);
    if (hasFocus()) {
        QPainter p(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}
