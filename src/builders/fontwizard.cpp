// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/fontwizard.h"

#include "kernel/appstate.h"
#include "kernel/colour.h"
#include "kernel/tagreader.h"
#include "widgets/colourfield.h"
#include "widgets/contrastbadge.h"
#include "widgets/formkit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace marquee;

FontWizard::FontWizard(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(tr("Font Wizard"));

    m_face = formkit::editableCombo("Combo2", host.state().fontList);
    m_face->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_face->setMinimumContentsLength(20);
    m_size = formkit::editableCombo("Combo1", textSizeItems());
    m_color = new ColourField(tr("Font Color"), {"Combo3", nullptr, "Command1", tr("Choose")});
    m_color->setDialog(host.dialogs(), &m_lastColour);
    // The page's own background, else the browser's white.
    m_pageBackground = colour::fromText(tagreader::bodyBackground(host.documentText()))
                           .value_or(colour::fromRgb(0xFFFFFF));
    m_contrast = new ContrastBadge("Contrast1", tr("Font Color against the page background"));
    connect(m_color, &ColourField::changed, this, [this] {
        m_contrast->setColours(colour::fromText(m_color->text()), m_pageBackground);
    });

    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(formkit::captionLabel(tr("Font Name"), m_face), m_face);
    form->addRow(formkit::captionLabel(tr("Font Size"), m_size), m_size);
    form->addRow(formkit::captionLabel(tr("Font Color"), m_color->combo()), m_color);
    form->addRow(QString(), m_contrast);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(formkit::okCancelRow(this, "Command2", "Command3"));
    m_face->setFocus();
    resize(380, 160);
}

FontOptions FontWizard::options() const
{
    FontOptions o;
    o.face = m_face->currentText();
    o.size = m_size->currentText();
    o.color = m_color->text();
    return o;
}

void FontWizard::setOptions(const FontOptions &o)
{
    m_face->setEditText(o.face);
    m_size->setEditText(o.size);
    m_color->setText(o.color);
}

QString FontWizard::fragment() const
{
    return buildFont(options(), host().selectedText());
}

void FontWizard::accept()
{
    finishOk(fragment());
}

void FontWizard::reject()
{
    finishCancel();
    host().focusDocument();
}
