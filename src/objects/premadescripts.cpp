// SPDX-License-Identifier: GPL-3.0-or-later
#include "objects/premadescripts.h"

#include "widgets/formkit.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace scripts;

PremadeScriptsDialog::PremadeScriptsDialog(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form28"));
    setWindowTitle(tr("Premade Scripts"));

    auto *vbGroup = new QGroupBox(tr("VBScript"));
    auto *jsGroup = new QGroupBox(tr("JavaScript"));
    auto *vbColumn = new QVBoxLayout(vbGroup);
    auto *jsColumn = new QVBoxLayout(jsGroup);
    // One choice across both groups.
    auto *choice = new QButtonGroup(this);
    const QList<PremadeScript> &entries = premadeScripts();
    for (int i = 0; i < entries.size(); ++i) {
        const QByteArray name = "Option" + QByteArray::number(i + 1);
        QRadioButton *button =
            formkit::option(name.constData(), tr(entries[i].caption.toUtf8().constData()), i == 0);
        choice->addButton(button, i);
        (entries[i].group == Language::VBScript ? vbColumn : jsColumn)
            ->addWidget(button, 0, Qt::AlignLeft);
        m_entries << button;
    }
    vbColumn->addStretch(1);
    jsColumn->addStretch(1);

    auto *groups = new QHBoxLayout;
    groups->addWidget(vbGroup);
    groups->addWidget(jsGroup);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(formkit::okCancelRow(this, "Command1", "Command2"));
    m_entries.first()->setFocus();
}

int PremadeScriptsDialog::options() const
{
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i]->isChecked())
            return i;
    }
    return -1;
}

void PremadeScriptsDialog::setOptions(int entry)
{
    if (entry >= 0 && entry < m_entries.size())
        m_entries[entry]->setChecked(true);
}

void PremadeScriptsDialog::accept()
{
    const int entry = options();
    if (entry < 0) {
        finishCancel();
        return;
    }
    const PremadeScript &script = premadeScripts()[entry];
    if (!script.builder.isEmpty()) {
        BuilderHost &road = host();
        finishCancel();
        road.openBuilder(script.builder);
        return;
    }
    const QString text = buildPremadeScript(script);
    if (text.isEmpty())
        finishCancel();
    else
        finishOk(text);
}
