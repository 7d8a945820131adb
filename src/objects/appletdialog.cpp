// SPDX-License-Identifier: GPL-3.0-or-later
#include "objects/appletdialog.h"

#include "widgets/formkit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace applet;

AppletDialog::AppletDialog(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form41"));
    setWindowTitle(tr("Java Applet"));
    const AppletOptions defaults;

    m_fileName = formkit::lineEdit("Text1");
    m_urlDirectory = formkit::lineEdit("Text2");
    m_name = formkit::lineEdit("Text3");
    m_alternateText = formkit::lineEdit("Text4");
    m_alignment = formkit::editableCombo("Combo1", alignmentItems(), defaults.alignment);
    m_width = formkit::editableCombo("Combo2", sizeItems(), defaults.width);
    m_height = formkit::editableCombo("Combo3", sizeItems(), defaults.height);
    m_hspace = formkit::editableCombo("Combo4", sizeItems(), defaults.hspace);
    m_vspace = formkit::editableCombo("Combo5", sizeItems(), defaults.vspace);
    using htmlvalues::FieldKind;
    formkit::restrictTo(m_width, FieldKind::Length);
    formkit::restrictTo(m_height, FieldKind::Length);
    formkit::restrictTo(m_hspace, FieldKind::Whole);
    formkit::restrictTo(m_vspace, FieldKind::Whole);
    m_fileName->setMinimumWidth(260);

    auto *texts = new QGridLayout;
    int row = 0;
    for (auto [caption, edit] : {std::pair{QT_TR_NOOP("Filename of Applet"), m_fileName},
                                 std::pair{QT_TR_NOOP("URL Directory of Applet"), m_urlDirectory},
                                 std::pair{QT_TR_NOOP("Name Used In HTML Code"), m_name},
                                 std::pair{QT_TR_NOOP("Alternate Text"), m_alternateText}}) {
        texts->addWidget(formkit::captionLabel(tr(caption), edit), row, 0);
        texts->addWidget(edit, row, 1, 1, 3);
        ++row;
    }
    texts->addWidget(formkit::captionLabel(tr("Alignment"), m_alignment), row, 0);
    texts->addWidget(m_alignment, row, 1);
    ++row;
    texts->addWidget(formkit::captionLabel(tr("Width"), m_width), row, 0);
    texts->addWidget(m_width, row, 1);
    texts->addWidget(formkit::captionLabel(tr("Height"), m_height), row, 2);
    texts->addWidget(m_height, row, 3);
    ++row;
    texts->addWidget(formkit::captionLabel(tr("HSpace"), m_hspace), row, 0);
    texts->addWidget(m_hspace, row, 1);
    texts->addWidget(formkit::captionLabel(tr("VSpace"), m_vspace), row, 2);
    texts->addWidget(m_vspace, row, 3);
    texts->setColumnStretch(1, 1);
    texts->setColumnStretch(3, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(texts);
    layout->addStretch(1);
    layout->addLayout(formkit::okCancelRow(this, "Command1", "Command2"));
    m_fileName->setFocus();
}

AppletOptions AppletDialog::options() const
{
    AppletOptions o;
    o.fileName = m_fileName->text();
    o.urlDirectory = m_urlDirectory->text();
    o.name = m_name->text();
    o.alternateText = m_alternateText->text();
    o.alignment = m_alignment->currentText();
    o.width = m_width->currentText();
    o.height = m_height->currentText();
    o.hspace = m_hspace->currentText();
    o.vspace = m_vspace->currentText();
    return o;
}

void AppletDialog::setOptions(const AppletOptions &o)
{
    m_fileName->setText(o.fileName);
    m_urlDirectory->setText(o.urlDirectory);
    m_name->setText(o.name);
    m_alternateText->setText(o.alternateText);
    m_alignment->setEditText(o.alignment);
    m_width->setEditText(o.width);
    m_height->setEditText(o.height);
    m_hspace->setEditText(o.hspace);
    m_vspace->setEditText(o.vspace);
}

QString AppletDialog::fragment() const
{
    return buildAppletTag(options());
}

void AppletDialog::accept()
{
    finishOk(fragment());
}
