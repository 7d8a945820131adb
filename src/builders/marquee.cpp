// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/marquee.h"

#include "widgets/colourfield.h"
#include "widgets/formkit.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace marquee;

namespace {

QFormLayout *formPage(QTabWidget *tabs, const QString &caption)
{
    auto *page = new QWidget;
    auto *form = new QFormLayout(page);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    tabs->addTab(page, caption);
    return form;
}

void addRow(QFormLayout *form, const QString &caption, QWidget *field, QWidget *focus = nullptr)
{
    form->addRow(formkit::captionLabel(caption, focus ? focus : field), field);
}

} // namespace

MarqueeBuilder::MarqueeBuilder(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(tr("Marquees"));
    const MarqueeOptions defaults;
    using formkit::editableCombo;
    using formkit::lineEdit;

    auto *tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("TabStrip1"));

    QFormLayout *text = formPage(tabs, tr("&Text Attributes"));
    m_message = lineEdit("Text1", defaults.message);
    m_backgroundColor =
        new ColourField(tr("Background Color"), {"Combo3", nullptr, "Command1", tr("Set Color")});
    m_textColor =
        new ColourField(tr("Text Color"), {"Combo8", nullptr, "Command2", tr("Set Color")});
    for (ColourField *field : {m_backgroundColor, m_textColor})
        field->setDialog(host.dialogs(), &m_lastColour);
    m_textSize = editableCombo("Combo9", textSizeItems(), defaults.textSize);
    addRow(text, tr("Your Message"), m_message);
    addRow(text, tr("Background Color"), m_backgroundColor, m_backgroundColor->combo());
    addRow(text, tr("Text Color"), m_textColor, m_textColor->combo());
    addRow(text, tr("Text Size"), m_textSize);

    QFormLayout *movement = formPage(tabs, tr("&Movement"));
    m_behavior = editableCombo("Combo2", behaviorItems(), defaults.behavior);
    m_direction = editableCombo("Combo4", directionItems(), defaults.direction);
    m_loop = editableCombo("Combo5", loopItems(), defaults.loop);
    m_scrollAmount = editableCombo("Combo6", scrollAmountItems(), defaults.scrollAmount);
    m_scrollDelay = editableCombo("Combo7", scrollDelayItems(), defaults.scrollDelay);
    addRow(movement, tr("Behavior"), m_behavior);
    addRow(movement, tr("Direction"), m_direction);
    addRow(movement, tr("Loop"), m_loop);
    addRow(movement, tr("Scroll Amount (In Pixels)"), m_scrollAmount);
    addRow(movement, tr("Scroll Delay (Milliseconds)"), m_scrollDelay);

    QFormLayout *placement = formPage(tabs, tr("&Size and Placement"));
    m_alignment = editableCombo("Combo1", alignmentItems(), defaults.alignment);
    m_height = lineEdit("Text2", defaults.height);
    m_hspace = lineEdit("Text3", defaults.hspace);
    m_vspace = lineEdit("Text7", defaults.vspace);
    m_width = lineEdit("Text8", defaults.width);
    using htmlvalues::FieldKind;
    formkit::restrictTo(m_loop, FieldKind::Loop);
    formkit::restrictTo(m_scrollAmount, FieldKind::Whole);
    formkit::restrictTo(m_scrollDelay, FieldKind::Whole);
    formkit::restrictTo(m_height, FieldKind::Length);
    formkit::restrictTo(m_width, FieldKind::Length);
    formkit::restrictTo(m_hspace, FieldKind::Whole);
    formkit::restrictTo(m_vspace, FieldKind::Whole);
    addRow(placement, tr("Alignment"), m_alignment);
    addRow(placement, tr("Height (In Pixels)"), m_height);
    addRow(placement, tr("Hspace (In Pixels)"), m_hspace);
    addRow(placement, tr("VSpace (In Pixels)"), m_vspace);
    addRow(placement, tr("Width (In Pixels)"), m_width);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(formkit::okCancelRow(this, "Command3", "Command4"));
    m_message->setFocus();
    resize(460, 250);
}

MarqueeOptions MarqueeBuilder::options() const
{
    MarqueeOptions o;
    o.message = m_message->text();
    o.backgroundColor = m_backgroundColor->text();
    o.textColor = m_textColor->text();
    o.textSize = m_textSize->currentText();
    o.behavior = m_behavior->currentText();
    o.direction = m_direction->currentText();
    o.loop = m_loop->currentText();
    o.scrollAmount = m_scrollAmount->currentText();
    o.scrollDelay = m_scrollDelay->currentText();
    o.alignment = m_alignment->currentText();
    o.height = m_height->text();
    o.hspace = m_hspace->text();
    o.vspace = m_vspace->text();
    o.width = m_width->text();
    return o;
}

void MarqueeBuilder::setOptions(const MarqueeOptions &o)
{
    m_message->setText(o.message);
    m_backgroundColor->setText(o.backgroundColor);
    m_textColor->setText(o.textColor);
    m_textSize->setEditText(o.textSize);
    m_behavior->setEditText(o.behavior);
    m_direction->setEditText(o.direction);
    m_loop->setEditText(o.loop);
    m_scrollAmount->setEditText(o.scrollAmount);
    m_scrollDelay->setEditText(o.scrollDelay);
    m_alignment->setEditText(o.alignment);
    m_height->setText(o.height);
    m_hspace->setText(o.hspace);
    m_vspace->setText(o.vspace);
    m_width->setText(o.width);
}

QString MarqueeBuilder::fragment() const
{
    return buildMarquee(options());
}

void MarqueeBuilder::accept()
{
    finishOk(fragment());
}

void MarqueeBuilder::reject()
{
    finishCancel();
    host().focusDocument();
}
