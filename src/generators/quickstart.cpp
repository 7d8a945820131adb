// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/quickstart.h"

#include "generators/generatorkit.h"
#include "kernel/colour.h"
#include "widgets/colourfield.h"
#include "widgets/contrastbadge.h"
#include "widgets/formkit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace quickstart;

namespace {

struct RowInfo
{
    const char *caption;
    const char *combo;
    const char *button;
    const char *sample;
    qint64 start; // the sample's first colour; -1 = the window's text colour
};

// Text, link, visited, active, hover, background.
const RowInfo Rows[] = {
    {QT_TRANSLATE_NOOP("QuickStartDialog", "Text Color"), "Combo1", "Command1", "Label1", -1},
    {QT_TRANSLATE_NOOP("QuickStartDialog", "Link Color"), "Combo2", "Command2", "Label2", 0xFF0000},
    {QT_TRANSLATE_NOOP("QuickStartDialog", "Visited Link Color"), "Combo3", "Command3", "Label3",
     0xC000C0},
    {QT_TRANSLATE_NOOP("QuickStartDialog", "Active Link Color"), "Combo5", "Command5", "Label5",
     0xFF0000},
    {QT_TRANSLATE_NOOP("QuickStartDialog", "Hover Link Color"), "Combo6", "Command6", "Label6",
     0xFF0000},
    {QT_TRANSLATE_NOOP("QuickStartDialog", "Background Color"), "Combo4", "Command4", "Picture1",
     0xFFFFFF},
};

} // namespace

QuickStartDialog::QuickStartDialog(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(tr(" QuickStart"));
    const PageOptions defaults;

    m_documentType = formkit::editableCombo("Combo7", documentTypes(), defaults.documentType);
    m_documentType->setMinimumContentsLength(52);
    m_documentType->lineEdit()->setCursorPosition(0);
    m_title = formkit::lineEdit("Text1");
    m_leftMargin = formkit::lineEdit("Text2");
    m_topMargin = formkit::lineEdit("Text3");
    formkit::restrictTo(m_leftMargin, htmlvalues::FieldKind::Whole);
    formkit::restrictTo(m_topMargin, htmlvalues::FieldKind::Whole);

    auto *grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    int r = 0;
    // Fields without a preview reach under the previews' column.
    auto addRow = [&](const QString &caption, QWidget *field, QWidget *buddy, int span = 2) {
        grid->addWidget(formkit::captionLabel(caption, buddy), r, 0);
        grid->addWidget(field, r, 1, 1, span);
        ++r;
    };
    addRow(tr("Document Type"), m_documentType, m_documentType);
    addRow(tr("Title"), m_title, m_title);
    addRow(tr("Left Margin (In Pixels)"), m_leftMargin, m_leftMargin);
    addRow(tr("Top Margin (In Pixels)"), m_topMargin, m_topMargin);

    for (int i = 0; i < RowCount; ++i) {
        const RowInfo &row = Rows[i];
        auto *field =
            new ColourField(tr(row.caption), {row.combo, nullptr, row.button, tr("Set Color")});
        field->setDialog(host.dialogs(), &m_lastColour);
        m_colours[std::size_t(i)] = field;
        formkit::setCaption(field->button(), tr("Set ") + tr(row.caption));
        QWidget *preview = nullptr;
        connect(field, &ColourField::changed, this, &QuickStartDialog::showContrast);
        if (i == Background) {
            m_backgroundBox = new ColourField(tr(row.caption), {nullptr, row.sample});
            preview = m_backgroundBox;
        } else {
            auto *sample = new QLabel(tr("Aa Bb Cc"));
            sample->setObjectName(QLatin1String(row.sample));
            QFont font = sample->font();
            font.setBold(true);
            sample->setFont(font);
            m_samples[std::size_t(i)] = sample;
            preview = sample;
            auto *contrast =
                new ContrastBadge(("Contrast" + QByteArray::number(i + 1)).constData(),
                                  tr("%1 against the background").arg(QLatin1String(row.caption)));
            m_contrast[std::size_t(i)] = contrast;
            grid->addWidget(contrast, r, 3);
        }
        grid->addWidget(preview, r, 2);
        addRow(tr(row.caption), field, field->combo(), 1);
        if (row.start >= 0)
            showPreview(i, row.start);

        connect(field->combo(), &QComboBox::editTextChanged, this, [this, i](const QString &t) {
            if (const std::optional<qint64> colour = previewColour(t))
                showPreview(i, *colour);
        });
        connect(field, &ColourField::colourChosen, this,
                [this, i](qint64 colour) { showPreview(i, colour); });
    }

    m_image = new FileField("Text4", "Command7", tr("Find"), tr("All Files (*.*)|*.*"), host);
    formkit::setCaption(m_image->button(), tr("Find Background Image"));
    addRow(tr("Background Image"), m_image, m_image->edit());
    m_watermark = formkit::checkBox("Check1", tr("Watermark"));
    m_watermark->setEnabled(false);
    grid->addWidget(m_watermark, r++, 1);
    connect(m_image->edit(), &QLineEdit::textChanged, this, &QuickStartDialog::imageChanged);
    m_image->showPictureSize();
    showContrast();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(formkit::okCancelRow(this, "Command8", "Command9"));
}

void QuickStartDialog::showPreview(int row, qint64 colour)
{
    if (row == Background) {
        m_backgroundBox->showColour(colour);
        return;
    }
    QLabel *sample = m_samples[std::size_t(row)];
    QPalette palette = sample->palette();
    palette.setColor(QPalette::WindowText, formkit::toQColor(colour));
    sample->setPalette(palette);
}

void QuickStartDialog::imageChanged(const QString &text)
{
    // The check mark stays; only the box's use follows the image.
    m_watermark->setEnabled(!text.isEmpty());
}

void QuickStartDialog::showContrast()
{
    // Without colours of its own a page is black on white; a link without
    // one keeps the browser's colour, and no figure is shown for it.
    const qint64 background =
        colour::fromText(m_colours[Background]->text()).value_or(colour::fromRgb(0xFFFFFF));
    for (int i = Text; i < Background; ++i) {
        std::optional<qint64> text = colour::fromText(m_colours[std::size_t(i)]->text());
        if (i == Text && !text)
            text = colour::fromRgb(0x000000);
        m_contrast[std::size_t(i)]->setColours(text, background);
    }
}

PageOptions QuickStartDialog::options() const
{
    PageOptions o;
    o.documentType = m_documentType->currentText();
    o.title = m_title->text();
    o.leftMargin = m_leftMargin->text();
    o.topMargin = m_topMargin->text();
    o.textColour = m_colours[Text]->text();
    o.linkColour = m_colours[Link]->text();
    o.visitedColour = m_colours[Visited]->text();
    o.activeColour = m_colours[Active]->text();
    o.hoverColour = m_colours[Hover]->text();
    o.backgroundColour = m_colours[Background]->text();
    o.backgroundImage = m_image->text();
    o.watermark = m_watermark->isEnabled() && m_watermark->isChecked();
    return o;
}

void QuickStartDialog::setOptions(const PageOptions &o)
{
    m_documentType->setEditText(o.documentType);
    m_title->setText(o.title);
    m_leftMargin->setText(o.leftMargin);
    m_topMargin->setText(o.topMargin);
    m_colours[Text]->setText(o.textColour);
    m_colours[Link]->setText(o.linkColour);
    m_colours[Visited]->setText(o.visitedColour);
    m_colours[Active]->setText(o.activeColour);
    m_colours[Hover]->setText(o.hoverColour);
    m_colours[Background]->setText(o.backgroundColour);
    m_image->setText(o.backgroundImage);
    m_watermark->setChecked(o.watermark);
}

void QuickStartDialog::accept()
{
    finishOk(buildPage(options()));
}

void QuickStartDialog::reject()
{
    BuilderDialog::reject();
    host().focusDocument();
}
