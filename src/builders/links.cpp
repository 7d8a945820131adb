// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/links.h"

#include "builders/formbuilderslogic.h"
#include "widgets/formkit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace links;

namespace {

QFormLayout *pageForm(QWidget *page)
{
    auto *form = new QFormLayout(page);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return form;
}

} // namespace

Links::Links(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(tr("Links"));

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("TabStrip1"));
    m_tabs->addTab(buildLinkPage(), tr("&Link"));
    m_tabs->setTabToolTip(0, tr("Creates Links to Other Pages"));
    m_tabs->addTab(buildReferencePage(), tr("&Named Reference"));
    m_tabs->setTabToolTip(1, tr("Creates a named reference which can be linked to"));
    m_tabs->addTab(buildEmailPage(), tr("&E-mail"));
    m_tabs->setTabToolTip(2, tr("Creates a link to an E-mail address"));

    // Every caption starts as the text the anchor will replace.
    const QString selected = host.selectedText();
    m_linkCaption->setText(selected);
    m_referenceText->setText(selected);
    m_emailCaption->setText(selected);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(formkit::okCancelRow(this, "Command1", "Command2"));
    resize(440, sizeHint().height());
    m_url->setFocus();
}

QWidget *Links::buildLinkPage()
{
    auto *page = new QWidget;
    m_url = formkit::lineEdit("Text1");
    m_linkCaption = formkit::lineEdit("Text2");
    m_target = formkit::editableCombo("Combo1", formbuilders::targetItems());
    m_toolTip = formkit::lineEdit("Text7");
    QFormLayout *form = pageForm(page);
    form->addRow(formkit::captionLabel(tr("URL"), m_url), m_url);
    form->addRow(formkit::captionLabel(tr("Link Caption"), m_linkCaption), m_linkCaption);
    form->addRow(formkit::captionLabel(tr("Target"), m_target), m_target);
    form->addRow(formkit::captionLabel(tr("Tool-Tip Text"), m_toolTip), m_toolTip);
    return page;
}

QWidget *Links::buildReferencePage()
{
    auto *page = new QWidget;
    m_referenceName = formkit::lineEdit("Text3");
    m_referenceText = formkit::lineEdit("Text4");
    QFormLayout *form = pageForm(page);
    form->addRow(formkit::captionLabel(tr("Reference Text"), m_referenceName), m_referenceName);
    form->addRow(formkit::captionLabel(tr("Text Displayed"), m_referenceText), m_referenceText);
    return page;
}

QWidget *Links::buildEmailPage()
{
    auto *page = new QWidget;
    m_address = formkit::lineEdit("Text6");
    m_emailCaption = formkit::lineEdit("Text5");
    QFormLayout *form = pageForm(page);
    form->addRow(formkit::captionLabel(tr("E-mail address"), m_address), m_address);
    form->addRow(formkit::captionLabel(tr("Link Caption"), m_emailCaption), m_emailCaption);
    return page;
}

Links *Links::open(BuilderHost &host, const QString &fileName)
{
    Links *links = showBuilder<Links>(host);
    if (!fileName.isEmpty())
        links->setAddress(fileName);
    return links;
}

void Links::setAddress(const QString &fileName)
{
    m_url->setText(fileName);
    m_referenceName->setText(fileName);
    m_address->setText(fileName);
}

LinksOptions Links::options() const
{
    LinksOptions o;
    o.page = LinkPage(m_tabs->currentIndex());
    o.url = m_url->text();
    o.linkCaption = m_linkCaption->text();
    o.target = m_target->currentText();
    o.toolTip = m_toolTip->text();
    o.referenceName = m_referenceName->text();
    o.referenceText = m_referenceText->text();
    o.address = m_address->text();
    o.emailCaption = m_emailCaption->text();
    return o;
}

void Links::setOptions(const LinksOptions &o)
{
    m_tabs->setCurrentIndex(int(o.page));
    m_url->setText(o.url);
    m_linkCaption->setText(o.linkCaption);
    m_target->setEditText(o.target);
    m_toolTip->setText(o.toolTip);
    m_referenceName->setText(o.referenceName);
    m_referenceText->setText(o.referenceText);
    m_address->setText(o.address);
    m_emailCaption->setText(o.emailCaption);
}

QString Links::fragment() const
{
    return buildLinks(options());
}

void Links::accept()
{
    finishOk(fragment());
}
