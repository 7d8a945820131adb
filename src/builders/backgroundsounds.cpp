// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/backgroundsounds.h"

#include "widgets/formkit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace graphics;

BackgroundSoundsBuilder::BackgroundSoundsBuilder(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form6"));
    setWindowTitle(tr("Background Sounds"));
    const SoundOptions defaults;

    m_bgsound = formkit::option("Option1", QStringLiteral("<BGSOUND>"), !defaults.embed);
    m_embed = formkit::option("Option2", QStringLiteral("<EMBED>"), defaults.embed);
    m_source = new FileField("Text1", "Command1", tr("Find"), soundFileFilter(), host);
    m_source->setText(defaults.source);
    m_loop = formkit::editableCombo("Combo1", loopItems(), defaults.loop);
    formkit::restrictTo(m_loop, htmlvalues::FieldKind::Loop);

    auto *tags = new QHBoxLayout;
    tags->addWidget(m_bgsound);
    tags->addWidget(m_embed);
    tags->addStretch(1);

    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(tags);
    form->addRow(formkit::captionLabel(tr("Source"), m_source->edit()), m_source);
    form->addRow(formkit::captionLabel(tr("Loop"), m_loop), m_loop);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(formkit::okCancelRow(this, "Command2", "Command3"));
    m_source->setFocus();
    resize(420, 150);
}

BackgroundSoundsBuilder *BackgroundSoundsBuilder::open(BuilderHost &host, const QString &fileName)
{
    BackgroundSoundsBuilder *builder = showBuilder<BackgroundSoundsBuilder>(host);
    if (!fileName.isEmpty())
        builder->m_source->setText(fileName);
    return builder;
}

SoundOptions BackgroundSoundsBuilder::options() const
{
    SoundOptions o;
    o.embed = m_embed->isChecked();
    o.source = m_source->text();
    o.loop = m_loop->currentText();
    return o;
}

void BackgroundSoundsBuilder::setOptions(const SoundOptions &o)
{
    m_embed->setChecked(o.embed);
    m_bgsound->setChecked(!o.embed);
    m_source->setText(o.source);
    m_loop->setEditText(o.loop);
}

QString BackgroundSoundsBuilder::fragment() const
{
    return buildSound(options());
}

void BackgroundSoundsBuilder::accept()
{
    finishOk(fragment());
}
