// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/inlinestyle.h"

#include "generators/generatorkit.h"
#include "platform/dialogservice.h"
#include "widgets/colourfield.h"
#include "widgets/formkit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace inlinestyle;

namespace {

const int Pixels = 3; // "(px) pixels" in the unit list

} // namespace

InlineStyleDialog::InlineStyleDialog(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form22"));
    setWindowTitle(tr("Inline Style Sheets"));

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("TabStrip1"));
    m_tabs->addTab(buildFontPage(), tr("Font Properties"));
    m_tabs->addTab(buildPositionPage(), tr("Positioning"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(formkit::okCancelRow(this, "Command2", "Command3"));
}

QWidget *InlineStyleDialog::buildFontPage()
{
    auto *page = new QWidget;
    m_id = formkit::lineEdit("Text1");
    m_alignment = formkit::editableCombo("Combo10", alignmentItems());

    // Each group: its button, a swatch where it has a colour, and a box
    // without caption that says whether the group is written.
    auto groupBox = [](const char *name, const QString &caption) {
        QCheckBox *check = formkit::checkBox(name, QString());
        formkit::setCaption(check, tr("Use ") + caption);
        check->setToolTip(tr("Write the ") + caption);
        check->setEnabled(false);
        return check;
    };
    QPushButton *fontButton = formkit::button("Command4", tr("&Set Font Properties"));
    m_fontCheck = groupBox("Check1", tr("font properties"));
    m_fontName = new QLabel;
    m_fontName->setObjectName(QStringLiteral("Label1"));
    m_fontColour =
        new ColourField(tr("Font Color"), {nullptr, "Picture1", "Command1", tr("&Font Color")});
    m_fontColour->showColour(0);
    m_fontColour->setText(QStringLiteral("#000000"));
    m_colourCheck = groupBox("Check3", tr("font color"));
    m_backgroundColour = new ColourField(
        tr("Background Color"), {nullptr, "Picture2", "Command5", tr("&Background Color")});
    m_backgroundColour->showColour(0xFFFFFF);
    m_backgroundCheck = groupBox("Check2", tr("background color"));
    for (ColourField *field : {m_fontColour, m_backgroundColour})
        field->setDialog(host().dialogs(), &m_lastColour);
    connect(fontButton, &QPushButton::clicked, this, &InlineStyleDialog::chooseFont);
    connect(m_fontColour, &ColourField::colourChosen, this, [this] { useBox(m_colourCheck); });
    connect(m_backgroundColour, &ColourField::colourChosen, this,
            [this] { useBox(m_backgroundCheck); });

    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(formkit::captionLabel(tr("Identification Name"), m_id), m_id);
    form->addRow(formkit::captionLabel(tr("Text Alignment"), m_alignment), m_alignment);

    auto *groups = new QGridLayout;
    groups->setColumnStretch(3, 1);
    groups->addWidget(fontButton, 0, 0);
    groups->addWidget(m_fontCheck, 0, 2);
    groups->addWidget(m_fontName, 0, 3);
    groups->addWidget(m_fontColour, 1, 0, 1, 2, Qt::AlignLeft);
    groups->addWidget(m_colourCheck, 1, 2);
    groups->addWidget(m_backgroundColour, 2, 0, 1, 2, Qt::AlignLeft);
    groups->addWidget(m_backgroundCheck, 2, 2);

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addSpacing(6);
    layout->addLayout(groups);
    layout->addStretch(1);
    return page;
}

QWidget *InlineStyleDialog::buildPositionPage()
{
    auto *page = new QWidget;
    m_relative = formkit::option("Option1", tr("Relative Positioning"), true);
    m_absolute = formkit::option("Option2", tr("Absolute Positioning"));

    auto *grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    int r = 0;
    auto lengthRow = [&](LengthRow &row, const char *valueName, const char *unitName,
                         const QString &caption) {
        row.value = formkit::editableCombo(valueName, numberItems());
        formkit::restrictTo(row.value, htmlvalues::FieldKind::SignedDecimal);
        row.unit = formkit::listCombo(unitName, stylelogic::unitItems(), Pixels);
        formkit::setCaption(row.unit, caption.trimmed() + tr(" Unit"));
        grid->addWidget(formkit::captionLabel(caption, row.value), r, 0);
        grid->addWidget(row.value, r, 1);
        grid->addWidget(row.unit, r, 2);
        ++r;
    };
    lengthRow(m_left, "Combo2", "Combo3", tr("Left Position "));
    lengthRow(m_top, "Combo1", "Combo4", tr("Top Position"));
    lengthRow(m_width, "Combo5", "Combo7", tr("Width"));
    lengthRow(m_height, "Combo6", "Combo8", tr("Height"));
    m_zIndex = formkit::editableCombo("Combo9", zIndexItems());
    formkit::restrictTo(m_zIndex, htmlvalues::FieldKind::Integer);
    grid->addWidget(formkit::captionLabel(tr("Z-Index"), m_zIndex), r, 0);
    grid->addWidget(m_zIndex, r, 1);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_relative);
    layout->addWidget(m_absolute);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addStretch(1);
    return page;
}

void InlineStyleDialog::useBox(QCheckBox *check)
{
    check->setEnabled(true);
    check->setChecked(true);
}

void InlineStyleDialog::chooseFont()
{
    const std::optional<QFont> font = host().dialogs().font(this, generatorkit::toQFont(m_font));
    if (!font)
        return;
    // The font dialog has no colour; the font colour stays as "Font Color"
    // set it and is written with the font.
    m_font = generatorkit::fromQFont(*font, m_fontColour->text());
    showFont();
    useBox(m_fontCheck);
    useBox(m_colourCheck);
}

void InlineStyleDialog::showFont()
{
    m_fontName->setText(generatorkit::describeFont(m_font));
}

DivOptions InlineStyleDialog::options() const
{
    DivOptions o;
    o.id = m_id->text();
    o.alignment = m_alignment->currentText();
    o.fontChecked = m_fontCheck->isChecked();
    o.font = m_font;
    o.colourChecked = m_colourCheck->isChecked();
    o.fontColour = m_fontColour->text();
    o.backgroundChecked = m_backgroundCheck->isChecked();
    o.backgroundColour = m_backgroundColour->text();
    o.absolute = m_absolute->isChecked();
    auto length = [](const LengthRow &row) {
        return Length{row.value->currentText(), row.unit->currentText()};
    };
    o.left = length(m_left);
    o.top = length(m_top);
    o.width = length(m_width);
    o.height = length(m_height);
    o.zIndex = m_zIndex->currentText();
    return o;
}

void InlineStyleDialog::setOptions(const DivOptions &o)
{
    auto setBox = [](QCheckBox *check, bool on) {
        if (on)
            check->setEnabled(true);
        check->setChecked(on);
    };
    m_id->setText(o.id);
    m_alignment->setEditText(o.alignment);
    m_font = o.font;
    showFont();
    setBox(m_fontCheck, o.fontChecked);
    m_fontColour->setText(o.fontColour);
    setBox(m_colourCheck, o.colourChecked);
    m_backgroundColour->setText(o.backgroundColour);
    setBox(m_backgroundCheck, o.backgroundChecked);
    (o.absolute ? m_absolute : m_relative)->setChecked(true);
    auto setLength = [](const LengthRow &row, const Length &l) {
        row.value->setEditText(l.value);
        row.unit->setCurrentIndex(int(stylelogic::unitItems().indexOf(l.unit)));
    };
    setLength(m_left, o.left);
    setLength(m_top, o.top);
    setLength(m_width, o.width);
    setLength(m_height, o.height);
    m_zIndex->setEditText(o.zIndex);
}

void InlineStyleDialog::accept()
{
    finishOk(buildDiv(options(), host().selectedText()));
}

void InlineStyleDialog::reject()
{
    BuilderDialog::reject();
    host().focusDocument();
}
