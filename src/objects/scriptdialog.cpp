// SPDX-License-Identifier: GPL-3.0-or-later
#include "objects/scriptdialog.h"

#include "widgets/formkit.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace scripts;

ScriptDialog::ScriptDialog(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form27"));
    setWindowTitle(tr("Insert Script"));

    m_vbScript = formkit::option("Option1", tr("VB Script"), true);
    m_javaScript = formkit::option("Option2", tr("JavaScript"));
    auto *languages = new QGroupBox(tr("Language"));
    auto *column = new QVBoxLayout(languages);
    // Sized to their captions: a click beside a caption is no choice.
    column->addWidget(m_vbScript, 0, Qt::AlignLeft);
    column->addWidget(m_javaScript, 0, Qt::AlignLeft);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(languages);
    layout->addLayout(formkit::okCancelRow(this, "Command1", "Command2"));
    setMinimumWidth(280);
    m_vbScript->setFocus();
}

Language ScriptDialog::options() const
{
    return m_javaScript->isChecked() ? Language::JavaScript : Language::VBScript;
}

void ScriptDialog::setOptions(Language language)
{
    (language == Language::JavaScript ? m_javaScript : m_vbScript)->setChecked(true);
}

void ScriptDialog::accept()
{
    finishOk(buildScriptBlock(options()));
}
