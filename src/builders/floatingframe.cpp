// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/floatingframe.h"

#include "widgets/formkit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace links;

FloatingFrame::FloatingFrame(BuilderHost &host)
    : BuilderDialog(host), m_alignment(formkit::editableCombo("Combo1", frameAlignmentItems())),
      m_name(formkit::lineEdit("Text1")), m_source(formkit::lineEdit("Text2")),
      m_height(formkit::lineEdit("Text3")), m_width(formkit::lineEdit("Text4")),
      m_marginHeight(formkit::lineEdit("Text5")), m_marginWidth(formkit::lineEdit("Text6")),
      m_frameBorder(formkit::checkBox("Check1", tr("Frame Border"))),
      m_scrollBars(formkit::checkBox("Check2", tr("Scroll Bars")))
{
    setObjectName(QStringLiteral("Form20"));
    using htmlvalues::FieldKind;
    formkit::restrictTo(m_height, FieldKind::Length);
    formkit::restrictTo(m_width, FieldKind::Length);
    formkit::restrictTo(m_marginHeight, FieldKind::Whole);
    formkit::restrictTo(m_marginWidth, FieldKind::Whole);
    setWindowTitle(tr("Floating Frame"));

    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    auto row = [form](const QString &caption, QWidget *control) {
        form->addRow(formkit::captionLabel(caption, control), control);
    };
    row(tr("Alignment"), m_alignment);
    row(tr("Name"), m_name);
    row(tr("HTML File"), m_source);
    row(tr("Height (In Pixels)"), m_height);
    row(tr("Width (in Pixels)"), m_width);
    row(tr("Margin Height (In Pixels)"), m_marginHeight);
    row(tr("Margin Width (In Pixels)"), m_marginWidth);
    auto *checks = new QHBoxLayout;
    checks->addWidget(m_frameBorder);
    checks->addWidget(m_scrollBars);
    checks->addStretch(1);
    form->addRow(QString(), checks);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(formkit::okCancelRow(this, "Command1", "Command2"));
    setOptions(FloatingFrameOptions());
    resize(400, sizeHint().height());
}

FloatingFrameOptions FloatingFrame::options() const
{
    FloatingFrameOptions o;
    o.alignment = m_alignment->currentText();
    o.name = m_name->text();
    o.source = m_source->text();
    o.height = m_height->text();
    o.width = m_width->text();
    o.marginHeight = m_marginHeight->text();
    o.marginWidth = m_marginWidth->text();
    o.frameBorder = m_frameBorder->isChecked();
    o.scrollBars = m_scrollBars->isChecked();
    return o;
}

void FloatingFrame::setOptions(const FloatingFrameOptions &o)
{
    m_alignment->setEditText(o.alignment);
    m_name->setText(o.name);
    m_source->setText(o.source);
    m_height->setText(o.height);
    m_width->setText(o.width);
    m_marginHeight->setText(o.marginHeight);
    m_marginWidth->setText(o.marginWidth);
    m_frameBorder->setChecked(o.frameBorder);
    m_scrollBars->setChecked(o.scrollBars);
}

QString FloatingFrame::fragment() const
{
    return buildFloatingFrame(options());
}

void FloatingFrame::accept()
{
    finishOk(fragment());
}
