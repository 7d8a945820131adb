// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/effectsdialog.h"

#include "kernel/appstate.h"
#include "platform/dialogservice.h"
#include "widgets/colourfield.h"
#include "widgets/formkit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>
#include <tuple>

using namespace effects;

namespace {

// The from and to colours of the two gradient pages, whose options share
// the member names red1 ... blue2: each field with its row and box.
template <class Options> std::array<std::tuple<QString Options::*, int, int>, 6> colourFields()
{
    return {{{&Options::red1, 0, 0},
             {&Options::green1, 0, 1},
             {&Options::blue1, 0, 2},
             {&Options::red2, 1, 0},
             {&Options::green2, 1, 1},
             {&Options::blue2, 1, 2}}};
}

template <class Rows, class Options> void readColours(const Rows &c, Options &o)
{
    for (const auto &[field, row, box] : colourFields<Options>())
        o.*field = c[std::size_t(row)].boxes[std::size_t(box)]->text();
}

template <class Rows, class Options> void writeColours(const Rows &c, const Options &o)
{
    for (const auto &[field, row, box] : colourFields<Options>())
        c[std::size_t(row)].boxes[std::size_t(box)]->setText(o.*field);
}

// Component boxes hold at most a few digits.
QLineEdit *componentBox(const char *name, const QString &text, const QString &caption)
{
    QLineEdit *box = formkit::lineEdit(name, text);
    formkit::setCaption(box, caption);
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    return box;
}

} // namespace

SpecialEffectsDialog::SpecialEffectsDialog(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("CStuff"));
    setWindowTitle(tr("Cool Stuff!!!"));

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("TabStrip1"));
    m_tabs->setUsesScrollButtons(false); // all four tabs in sight
    m_tabs->addTab(buildThreeDPage(), tr("3D Text (IE)"));
    m_tabs->addTab(buildSlopedPage(), tr("Sloped Text"));
    m_tabs->addTab(buildDividerPage(), tr("Gradient Divider"));
    m_tabs->addTab(buildGradientTextPage(), tr("Gradient Text"));
    m_tabs->setTabToolTip(ThreeD, tr("Creates 3-Dimensional Text"));
    m_tabs->setTabToolTip(Sloped, tr("Create Wavy-like Text"));
    m_tabs->setTabToolTip(Divider, tr("Create Colorful Gradients (No ActiveX or Java Required)"));
    m_tabs->setTabToolTip(GradientText, tr("Creates a line of text with gradient coloring"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(formkit::okCancelRow(this, "Command1", "Command2"));
}

QWidget *SpecialEffectsDialog::buildThreeDPage()
{
    auto *page = new QWidget;
    const ThreeDTextOptions defaults;
    m_threeDText = formkit::lineEdit("Text17", defaults.text);
    m_threeDFont = formkit::editableCombo("Combo4", host().state().fontList, defaults.font);
    m_threeDSize = formkit::editableCombo("Combo5", threeDSizeItems(), defaults.size);
    m_threeDSize->setMinimumContentsLength(6);
    m_backSwatch = new ColourField(tr("Back Color"), {nullptr, "Label22"});
    m_backSwatch->setColour(defaults.backColour);
    m_frontSwatch = new ColourField(tr("Front Color"), {nullptr, "Label23"});
    m_frontSwatch->setColour(defaults.frontColour);
    for (ColourField *swatch : {m_backSwatch, m_frontSwatch})
        swatch->setDialog(host().dialogs(), &m_lastColour);

    auto *grid = new QGridLayout(page);
    grid->setColumnStretch(1, 1);
    grid->addWidget(formkit::captionLabel(tr("Text Displayed:"), m_threeDText), 0, 0);
    grid->addWidget(m_threeDText, 0, 1, 1, 3);
    grid->addWidget(formkit::captionLabel(tr("Font"), m_threeDFont), 1, 0);
    grid->addWidget(m_threeDFont, 1, 1, 1, 3);
    grid->addWidget(formkit::captionLabel(tr("Font Size"), m_threeDSize), 2, 0);
    grid->addWidget(m_threeDSize, 2, 1, Qt::AlignLeft);
    grid->addWidget(formkit::captionLabel(tr("Back Color"), m_backSwatch), 3, 0);
    grid->addWidget(m_backSwatch, 3, 1, Qt::AlignLeft);
    grid->addWidget(formkit::captionLabel(tr("Front Color"), m_frontSwatch), 4, 0);
    grid->addWidget(m_frontSwatch, 4, 1, Qt::AlignLeft);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget *SpecialEffectsDialog::buildSlopedPage()
{
    auto *page = new QWidget;
    const SlopedTextOptions defaults;
    m_slopedText = formkit::lineEdit("Text1", host().selectedText());
    m_smallest = formkit::editableCombo("Combo1", htmlSizeItems(), defaults.smallest);
    m_largest = formkit::editableCombo("Combo2", htmlSizeItems(), defaults.largest);

    auto *grid = new QGridLayout(page);
    grid->setColumnStretch(2, 1);
    grid->addWidget(formkit::captionLabel(tr("Text Displayed"), m_slopedText), 0, 0);
    grid->addWidget(m_slopedText, 0, 1, 1, 2);
    grid->addWidget(formkit::captionLabel(tr("Smallest Font"), m_smallest), 1, 0);
    grid->addWidget(m_smallest, 1, 1);
    grid->addWidget(formkit::captionLabel(tr("Largest Font"), m_largest), 2, 0);
    grid->addWidget(m_largest, 2, 1);
    grid->setRowStretch(3, 1);
    return page;
}

void SpecialEffectsDialog::addColourRows(QGridLayout *grid, std::array<ColourRow, 2> &rows,
                                         const std::array<std::array<const char *, 3>, 2> &names,
                                         const char *swatch1, const char *swatch2)
{
    const QString parts[3] = {tr("Red"), tr("Green"), tr("Blue")};
    for (int c = 0; c < 3; ++c)
        grid->addWidget(new QLabel(parts[c]), 0, c + 1, Qt::AlignCenter);
    const QStringList starts[2] = {{"0", "0", "0"}, {"255", "255", "255"}};
    for (int r = 0; r < 2; ++r) {
        ColourRow &row = rows[std::size_t(r)];
        const QString caption = tr("Color %1").arg(r + 1);
        for (int c = 0; c < 3; ++c) {
            QLineEdit *box = componentBox(names[std::size_t(r)][std::size_t(c)], starts[r][c],
                                          caption + QLatin1Char(' ') + parts[c]);
            row.boxes[std::size_t(c)] = box;
            grid->addWidget(box, r + 1, c + 1);
            connect(box, &QLineEdit::textChanged, this,
                    [this, &row, box] { componentEdited(row, box); });
        }
        row.swatch = new ColourField(caption, {nullptr, r == 0 ? swatch1 : swatch2});
        row.swatch->showColour(r == 0 ? 0 : 0xFFFFFF);
        auto *label = new QLabel(caption);
        label->setBuddy(row.boxes[0]);
        grid->addWidget(label, r + 1, 0);
        grid->addWidget(row.swatch, r + 1, 4);
    }
}

QWidget *SpecialEffectsDialog::buildDividerPage()
{
    auto *page = new QWidget;
    const DividerOptions defaults;
    auto *grid = new QGridLayout(page);
    addColourRows(grid, m_dividerColours,
                  {{{"Text4", "Text5", "Text6"}, {"Text7", "Text8", "Text9"}}}, "Picture1",
                  "Picture2");
    m_dividerHeight = formkit::lineEdit("Text2", defaults.height);
    m_steps = formkit::lineEdit("Text3", defaults.steps);
    connect(m_steps, &QLineEdit::textChanged, this, &SpecialEffectsDialog::stepsEdited);
    grid->addWidget(formkit::captionLabel(tr("Height (In Pixels)"), m_dividerHeight), 3, 0);
    grid->addWidget(m_dividerHeight, 3, 1, 1, 2);
    grid->addWidget(formkit::captionLabel(tr("Steps"), m_steps), 4, 0);
    grid->addWidget(m_steps, 4, 1, 1, 2);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(5, 1);
    return page;
}

QWidget *SpecialEffectsDialog::buildGradientTextPage()
{
    auto *page = new QWidget;
    const GradientTextOptions defaults;
    auto *grid = new QGridLayout(page);
    addColourRows(grid, m_textColours,
                  {{{"Text15", "Text14", "Text13"}, {"Text12", "Text11", "Text10"}}}, "Picture3",
                  "Picture4");
    m_textHeight = formkit::editableCombo("Combo3", htmlSizeItems(), defaults.height);
    m_gradientText = formkit::lineEdit("Text16", defaults.text);
    grid->addWidget(formkit::captionLabel(tr("Height"), m_textHeight), 3, 0);
    grid->addWidget(m_textHeight, 3, 1, 1, 2);
    grid->addWidget(formkit::captionLabel(tr("Text"), m_gradientText), 4, 0);
    grid->addWidget(m_gradientText, 4, 1, 1, 5);
    grid->setColumnStretch(5, 1);
    grid->setRowStretch(5, 1);
    return page;
}

void SpecialEffectsDialog::componentEdited(ColourRow &row, QLineEdit *box)
{
    if (const std::optional<QString> corrected = correctedComponent(box->text())) {
        box->setText(*corrected); // comes back here with the corrected text
        return;
    }
    if (!row.swatch)
        return; // still being built
    if (const std::optional<qint64> colour =
            swatchColour(row.boxes[0]->text(), row.boxes[1]->text(), row.boxes[2]->text()))
        row.swatch->showColour(*colour);
}

void SpecialEffectsDialog::stepsEdited()
{
    if (!stepsNeedsOne(m_steps->text()))
        return;
    // Typing replaces the "1".
    m_steps->setText(QStringLiteral("1"));
    m_steps->selectAll();
}

ThreeDTextOptions SpecialEffectsDialog::threeDOptions() const
{
    ThreeDTextOptions o;
    o.text = m_threeDText->text();
    o.font = m_threeDFont->currentText();
    o.size = m_threeDSize->currentText();
    o.backColour = m_backSwatch->colour();
    o.frontColour = m_frontSwatch->colour();
    return o;
}

SlopedTextOptions SpecialEffectsDialog::slopedOptions() const
{
    return {m_slopedText->text(), m_smallest->currentText(), m_largest->currentText()};
}

DividerOptions SpecialEffectsDialog::dividerOptions() const
{
    DividerOptions o;
    readColours(m_dividerColours, o);
    o.height = m_dividerHeight->text();
    o.steps = m_steps->text();
    return o;
}

GradientTextOptions SpecialEffectsDialog::gradientTextOptions() const
{
    GradientTextOptions o;
    readColours(m_textColours, o);
    o.height = m_textHeight->currentText();
    o.text = m_gradientText->text();
    return o;
}

void SpecialEffectsDialog::setThreeDOptions(const ThreeDTextOptions &o)
{
    m_threeDText->setText(o.text);
    m_threeDFont->setEditText(o.font);
    m_threeDSize->setEditText(o.size);
    m_backSwatch->setColour(o.backColour);
    m_frontSwatch->setColour(o.frontColour);
}

void SpecialEffectsDialog::setSlopedOptions(const SlopedTextOptions &o)
{
    m_slopedText->setText(o.text);
    m_smallest->setEditText(o.smallest);
    m_largest->setEditText(o.largest);
}

void SpecialEffectsDialog::setDividerOptions(const DividerOptions &o)
{
    writeColours(m_dividerColours, o);
    m_dividerHeight->setText(o.height);
    m_steps->setText(o.steps);
}

void SpecialEffectsDialog::setGradientTextOptions(const GradientTextOptions &o)
{
    writeColours(m_textColours, o);
    m_textHeight->setEditText(o.height);
    m_gradientText->setText(o.text);
}

SpecialEffectsDialog::Page SpecialEffectsDialog::page() const
{
    return Page(m_tabs->currentIndex());
}

void SpecialEffectsDialog::setPage(Page page)
{
    m_tabs->setCurrentIndex(page);
}

void SpecialEffectsDialog::accept()
{
    QString problem;
    QString html;
    switch (page()) {
    case ThreeD:
        problem = threeDTextProblem(threeDOptions());
        if (problem.isEmpty())
            html = threeDText(threeDOptions());
        break;
    case Sloped:
        problem = slopedTextProblem(slopedOptions());
        if (problem.isEmpty())
            html = slopedText(slopedOptions());
        break;
    case Divider:
        problem = dividerProblem(dividerOptions());
        if (problem.isEmpty())
            html = gradientDivider(dividerOptions());
        break;
    case GradientText:
        problem = gradientTextProblem(gradientTextOptions());
        if (problem.isEmpty())
            html = gradientText(gradientTextOptions());
        break;
    }
    if (!problem.isEmpty()) {
        host().dialogs().message(this, problem);
        return;
    }
    finishOk(html);
}
