// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/quickstartstyle.h"

#include "generators/generatorkit.h"
#include "kernel/colour.h"
#include "platform/dialogservice.h"
#include "widgets/colourfield.h"
#include "widgets/contrastbadge.h"
#include "widgets/formkit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace quickstart;

QuickStartStyleDialog::QuickStartStyleDialog(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("QuickStart: With Style Sheets"));
    const StylePageOptions defaults;
    m_fonts[0] = defaults.body;
    for (std::size_t i = 1; i < FontRows; ++i)
        m_fonts[i] = defaults.elements[i - 1].font;

    m_title = formkit::lineEdit("Text1", defaults.title);
    const int inches = int(stylelogic::unitItems().indexOf(defaults.leftUnit));
    m_leftMargin = formkit::editableCombo("Combo1", marginItems(), defaults.leftMargin);
    m_leftUnit = formkit::listCombo("Combo3", stylelogic::unitItems(), inches);
    m_rightMargin = formkit::editableCombo("Combo4", marginItems(), defaults.rightMargin);
    m_rightUnit = formkit::listCombo("Combo2", stylelogic::unitItems(), inches);
    formkit::restrictTo(m_leftMargin, htmlvalues::FieldKind::SignedDecimal);
    formkit::restrictTo(m_rightMargin, htmlvalues::FieldKind::SignedDecimal);
    for (QComboBox *margin : {m_leftMargin, m_rightMargin})
        margin->setMinimumContentsLength(6);
    for (QComboBox *unit : {m_leftUnit, m_rightUnit})
        unit->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    formkit::setCaption(m_leftUnit, tr("Left Margin Unit"));
    formkit::setCaption(m_rightUnit, tr("Right Margin Unit"));

    m_backgroundCheck = formkit::checkBox("Check11", tr("Background Color"));
    m_backgroundCheck->setEnabled(false);
    m_background = new ColourField(tr("Background Color"),
                                   {nullptr, "Picture1", "Command11", tr("Set Color")});
    formkit::setCaption(m_background->button(), tr("Set Background Color"));
    m_background->setColour(defaults.backgroundColour);
    m_background->setDialog(host.dialogs(), &m_lastColour);
    connect(m_background, &ColourField::colourChosen, this,
            [this] { useGroup(m_backgroundCheck); });

    m_image = new FileField("Text3", "Command13", tr("Find"), tr("All Files (*.*)|*.*"), host);
    formkit::setCaption(m_image->button(), tr("Find Background Image"));
    m_image->showPictureSize();

    auto *page = new QGridLayout;
    page->setColumnStretch(1, 1);
    page->setColumnStretch(4, 1);
    page->addWidget(formkit::captionLabel(tr("Title of HTML Page"), m_title), 0, 0);
    page->addWidget(m_title, 0, 1, 1, 5);
    page->addWidget(formkit::captionLabel(tr("Left Margin"), m_leftMargin), 1, 0);
    page->addWidget(m_leftMargin, 1, 1);
    page->addWidget(m_leftUnit, 1, 2);
    page->addWidget(formkit::captionLabel(tr("Right Margin"), m_rightMargin), 1, 3);
    page->addWidget(m_rightMargin, 1, 4);
    page->addWidget(m_rightUnit, 1, 5);
    page->addWidget(m_backgroundCheck, 2, 0);
    page->addWidget(m_background, 2, 1, 1, 2, Qt::AlignLeft);
    page->addWidget(formkit::captionLabel(tr("Background Image"), m_image->edit()), 3, 0);
    page->addWidget(m_image, 3, 1, 1, 5);

    auto *groups = new QHBoxLayout;
    groups->addWidget(buildFontsBox(), 3);
    groups->addWidget(buildLinksBox(), 2, Qt::AlignTop);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(page);
    layout->addLayout(groups, 1);
    layout->addLayout(formkit::okCancelRow(this, "Command14", "Command15"));

    connect(m_background, &ColourField::changed, this, &QuickStartStyleDialog::showContrast);
    for (QCheckBox *check : {m_backgroundCheck, m_fontChecks[0], m_linkChecks[Link],
                             m_linkChecks[Visited], m_linkChecks[Hover]})
        connect(check, &QCheckBox::toggled, this, &QuickStartStyleDialog::showContrast);
    for (ColourField *field : m_linkColours)
        connect(field, &ColourField::changed, this, &QuickStartStyleDialog::showContrast);
    showContrast();
}

void QuickStartStyleDialog::showContrast()
{
    // What is not set stays the browser's: black text on white, links in
    // their own colours (no figure for those).
    const qint64 black = colour::fromRgb(0x000000);
    const qint64 background =
        m_backgroundCheck->isChecked() ? m_background->colour() : colour::fromRgb(0xFFFFFF);
    const std::optional<qint64> body =
        m_fontChecks[0]->isChecked() ? colour::fromText(m_fonts[0].colour) : std::nullopt;
    m_bodyContrast->setColours(body.value_or(black), background);
    for (std::size_t i = 0; i < LinkRows; ++i) {
        m_linkContrast[i]->setColours(m_linkChecks[i]->isChecked()
                                          ? colour::fromText(m_linkColours[i]->text())
                                          : std::nullopt,
                                      background);
    }
}

QWidget *QuickStartStyleDialog::buildFontsBox()
{
    auto *box = new QGroupBox(tr("Fonts"));
    auto *grid = new QGridLayout(box);
    grid->setColumnStretch(1, 1);
    const StylePageOptions defaults;
    for (int i = 0; i < FontRows; ++i) {
        const QByteArray check = "Check" + QByteArray::number(i + 1);
        const QByteArray button = "Command" + QByteArray::number(i + 1);
        QString rowName = tr("Body Text");
        if (i == 0) {
            m_fontChecks[0] = formkit::checkBox(check.constData(), rowName);
            grid->addWidget(m_fontChecks[0], i, 0, 1, 2);
        } else {
            rowName = tr("Element %1").arg(i);
            QCheckBox *use = formkit::checkBox(check.constData(), QString());
            formkit::setCaption(use, rowName);
            m_fontChecks[std::size_t(i)] = use;
            QLineEdit *selector = formkit::lineEdit(("Custom" + QByteArray::number(i)).constData(),
                                                    defaults.elements[std::size_t(i - 1)].selector);
            formkit::setCaption(selector, rowName + tr(" Selector"));
            m_selectors[std::size_t(i - 1)] = selector;
            grid->addWidget(use, i, 0);
            grid->addWidget(selector, i, 1);
        }
        m_fontChecks[std::size_t(i)]->setEnabled(false);
        QPushButton *setFont = formkit::button(button.constData(), tr("Set Font"));
        formkit::setCaption(setFont, tr("Set Font for ") + rowName);
        connect(setFont, &QPushButton::clicked, this, [this, i] { chooseFont(i); });
        grid->addWidget(setFont, i, 2);
    }
    m_bodyContrast = new ContrastBadge("Contrast1", tr("Body Text against the background"));
    grid->addWidget(m_bodyContrast, 0, 3);
    return box;
}

QWidget *QuickStartStyleDialog::buildLinksBox()
{
    auto *box = new QGroupBox(tr("Links"));
    auto *grid = new QGridLayout(box);
    grid->setColumnStretch(0, 1);
    struct LinkRow
    {
        const char *check, *button, *caption;
    };
    const LinkRow linkRows[LinkRows] = {{"Check9", "Command9", QT_TR_NOOP("Link Color")},
                                        {"Check10", "Command10", QT_TR_NOOP("Visited Link Color")},
                                        {"Check12", "Command12", QT_TR_NOOP("Hover Link Color")}};
    for (int i = 0; i < LinkRows; ++i) {
        const QString caption = tr(linkRows[i].caption);
        QCheckBox *check = formkit::checkBox(linkRows[i].check, caption);
        check->setEnabled(false);
        m_linkChecks[std::size_t(i)] = check;
        auto *colour =
            new ColourField(caption, {nullptr, nullptr, linkRows[i].button, tr("Set Color")});
        formkit::setCaption(colour->button(), tr("Set ") + caption);
        colour->setDialog(host().dialogs(), &m_lastColour);
        connect(colour, &ColourField::colourChosen, this, [check] { useGroup(check); });
        m_linkColours[std::size_t(i)] = colour;
        grid->addWidget(check, i, 0);
        grid->addWidget(colour, i, 1);
        auto *contrast = new ContrastBadge(("Contrast" + QByteArray::number(i + 2)).constData(),
                                           tr("%1 against the background").arg(caption));
        m_linkContrast[std::size_t(i)] = contrast;
        grid->addWidget(contrast, i, 2);
    }
    return box;
}

void QuickStartStyleDialog::useGroup(QCheckBox *check)
{
    check->setEnabled(true);
    check->setChecked(true);
}

void QuickStartStyleDialog::chooseFont(int row)
{
    const std::size_t i = std::size_t(row);
    const std::optional<QFont> font =
        host().dialogs().font(this, generatorkit::toQFont(m_fonts[i]));
    if (!font)
        return;
    // The font dialog has no colour of its own; the row's colour follows
    // in the colour dialog, and cancelling that keeps the row's colour.
    QString colour = m_fonts[i].colour;
    if (const std::optional<qint64> chosen = host().dialogs().colour(this, m_fontColours[i])) {
        m_fontColours[i] = *chosen;
        colour = colour::html(*chosen);
    }
    m_fonts[i] = generatorkit::fromQFont(*font, colour);
    m_fontChecks[i]->setToolTip(generatorkit::describeFont(m_fonts[i]) + QStringLiteral(", ") +
                                colour);
    useGroup(m_fontChecks[i]);
    showContrast();
}

StylePageOptions QuickStartStyleDialog::options() const
{
    StylePageOptions o;
    o.title = m_title->text();
    o.leftMargin = m_leftMargin->currentText();
    o.leftUnit = m_leftUnit->currentText();
    o.rightMargin = m_rightMargin->currentText();
    o.rightUnit = m_rightUnit->currentText();
    o.backgroundChecked = m_backgroundCheck->isChecked();
    o.backgroundColour = m_background->colour();
    o.backgroundImage = m_image->text();
    o.bodyChecked = m_fontChecks[0]->isChecked();
    o.body = m_fonts[0];
    for (std::size_t i = 1; i < FontRows; ++i) {
        ElementRow &row = o.elements[i - 1];
        row.selector = m_selectors[i - 1]->text();
        row.checked = m_fontChecks[i]->isChecked();
        row.font = m_fonts[i];
    }
    o.linkChecked = m_linkChecks[Link]->isChecked();
    o.linkColour = m_linkColours[Link]->text();
    o.visitedChecked = m_linkChecks[Visited]->isChecked();
    o.visitedColour = m_linkColours[Visited]->text();
    o.hoverChecked = m_linkChecks[Hover]->isChecked();
    o.hoverColour = m_linkColours[Hover]->text();
    return o;
}

void QuickStartStyleDialog::setOptions(const StylePageOptions &o)
{
    // A group given as checked is usable, as if its button had been used.
    auto setGroup = [](QCheckBox *check, bool on) {
        if (on)
            check->setEnabled(true);
        check->setChecked(on);
    };
    m_title->setText(o.title);
    m_leftMargin->setEditText(o.leftMargin);
    m_leftUnit->setCurrentIndex(int(stylelogic::unitItems().indexOf(o.leftUnit)));
    m_rightMargin->setEditText(o.rightMargin);
    m_rightUnit->setCurrentIndex(int(stylelogic::unitItems().indexOf(o.rightUnit)));
    setGroup(m_backgroundCheck, o.backgroundChecked);
    m_background->setColour(o.backgroundColour);
    m_image->setText(o.backgroundImage);
    setGroup(m_fontChecks[0], o.bodyChecked);
    m_fonts[0] = o.body;
    for (std::size_t i = 1; i < FontRows; ++i) {
        const ElementRow &row = o.elements[i - 1];
        m_selectors[i - 1]->setText(row.selector);
        setGroup(m_fontChecks[i], row.checked);
        m_fonts[i] = row.font;
    }
    for (std::size_t i = 0; i < FontRows; ++i)
        m_fontColours[i] = colour::fromHtml(m_fonts[i].colour).value_or(0);
    setGroup(m_linkChecks[Link], o.linkChecked);
    m_linkColours[Link]->setText(o.linkColour);
    setGroup(m_linkChecks[Visited], o.visitedChecked);
    m_linkColours[Visited]->setText(o.visitedColour);
    setGroup(m_linkChecks[Hover], o.hoverChecked);
    m_linkColours[Hover]->setText(o.hoverColour);
    showContrast();
}

void QuickStartStyleDialog::accept()
{
    finishOk(buildStylePage(options()));
}
