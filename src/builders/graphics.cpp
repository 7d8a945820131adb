// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/graphics.h"

#include "platform/dialogservice.h"
#include "widgets/colourfield.h"
#include "widgets/formkit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace graphics;

namespace {

// The map-name box: white while it can be typed into, grey when not.
const QColor mapNameEnabled(255, 255, 255);
const QColor mapNameDisabled(192, 192, 192);

} // namespace

GraphicsBuilder::GraphicsBuilder(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(tr("Graphics"));

    auto *tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("TabStrip1"));
    tabs->addTab(buildImagePage(), tr("Image URL, and Positioning"));
    tabs->addTab(buildFilterPage(), tr("Microsoft Visual Filters"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(formkit::okCancelRow(this, "Command3", "Command4"));
    m_url->setFocus();
    resize(520, 330);
}

GraphicsBuilder *GraphicsBuilder::open(BuilderHost &host, const QString &fileName)
{
    GraphicsBuilder *builder = showBuilder<GraphicsBuilder>(host);
    if (!fileName.isEmpty()) {
        builder->m_url->setText(fileName);
        builder->fillSize(fileName);
    }
    return builder;
}

QWidget *GraphicsBuilder::buildImagePage()
{
    const GraphicsOptions defaults;
    using formkit::captionLabel;
    using formkit::editableCombo;
    using formkit::lineEdit;

    m_mediaType = editableCombo("Combo2", mediaTypeItems(), defaults.mediaType);
    m_url = new FileField("Text1", "Command1", tr("Find"), fileFilter(), host());
    connect(m_url, &FileField::fileChosen, this, &GraphicsBuilder::fillSize);
    m_height = lineEdit("Text2");
    m_width = lineEdit("Text3");
    m_hspace = lineEdit("Text4");
    m_vspace = lineEdit("Text5");
    m_border = editableCombo("Combo3", borderItems(), defaults.border);
    m_alignment = editableCombo("Combo1", alignmentItems(), defaults.alignment);
    m_description = lineEdit("Text7");
    m_imageMap = formkit::checkBox("Check1", tr("Image Map"), defaults.imageMap);
    m_mapName = lineEdit("Text8");
    formkit::setCaption(m_mapName, tr("Map Name"));
    using htmlvalues::FieldKind;
    formkit::restrictTo(m_mediaType, FieldKind::Word);
    formkit::restrictTo(m_height, FieldKind::Length);
    formkit::restrictTo(m_width, FieldKind::Length);
    formkit::restrictTo(m_hspace, FieldKind::Whole);
    formkit::restrictTo(m_vspace, FieldKind::Whole);
    formkit::restrictTo(m_border, FieldKind::Whole);
    connect(m_imageMap, &QCheckBox::toggled, this, &GraphicsBuilder::imageMapToggled);
    imageMapToggled(defaults.imageMap);

    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->addWidget(captionLabel(tr("Media Type"), m_mediaType), 0, 0);
    grid->addWidget(m_mediaType, 0, 1);
    grid->addWidget(captionLabel(tr("URL"), m_url->edit()), 1, 0);
    grid->addWidget(m_url, 1, 1, 1, 3);
    grid->addWidget(captionLabel(tr("Height"), m_height), 2, 0);
    grid->addWidget(m_height, 2, 1);
    grid->addWidget(captionLabel(tr("Width"), m_width), 2, 2);
    grid->addWidget(m_width, 2, 3);
    grid->addWidget(captionLabel(tr("HSPACE"), m_hspace), 3, 0);
    grid->addWidget(m_hspace, 3, 1);
    grid->addWidget(captionLabel(tr("VSPACE"), m_vspace), 3, 2);
    grid->addWidget(m_vspace, 3, 3);
    grid->addWidget(captionLabel(tr("Border"), m_border), 4, 0);
    grid->addWidget(m_border, 4, 1);
    grid->addWidget(captionLabel(tr("Alignment"), m_alignment), 4, 2);
    grid->addWidget(m_alignment, 4, 3);
    grid->addWidget(captionLabel(tr("Description"), m_description), 5, 0);
    grid->addWidget(m_description, 5, 1, 1, 3);
    grid->addWidget(m_imageMap, 6, 0);
    grid->addWidget(m_mapName, 6, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(7, 1);
    return page;
}

QWidget *GraphicsBuilder::buildFilterPage()
{
    const GraphicsOptions defaults;
    m_filterType = formkit::editableCombo("Combo4", filterItems(), defaults.filterType);
    m_filterValue = formkit::lineEdit("Text6");
    formkit::restrictTo(m_filterValue, htmlvalues::FieldKind::Whole);
    m_filterColor =
        new ColourField(tr("Filter Color"), {nullptr, "Label12", "Command2", tr("Set")});
    formkit::setCaption(m_filterColor->button(), tr("Set Filter Color"));
    m_filterColor->setDialog(host().dialogs(), &m_lastColour);

    auto *colourRow = new QHBoxLayout;
    colourRow->addWidget(m_filterColor);
    colourRow->addWidget(new QLabel(tr("Needed For Mask Filter")));
    colourRow->addStretch(1);

    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->addWidget(formkit::captionLabel(tr("Filter Type"), m_filterType), 0, 0);
    grid->addWidget(m_filterType, 0, 1);
    grid->addWidget(formkit::captionLabel(tr("Strength"), m_filterValue), 1, 0);
    grid->addWidget(m_filterValue, 1, 1);
    grid->addWidget(new QLabel(tr("Needed For: Alpha Filter - Opacity\n"
                                  "Blur Filter - Pixel Displacement")),
                    2, 1);
    grid->addWidget(new QLabel(tr("Filter Color")), 3, 0);
    grid->addLayout(colourRow, 3, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);
    return page;
}

GraphicsOptions GraphicsBuilder::options() const
{
    GraphicsOptions o;
    o.mediaType = m_mediaType->currentText();
    o.url = m_url->text();
    o.height = m_height->text();
    o.width = m_width->text();
    o.hspace = m_hspace->text();
    o.vspace = m_vspace->text();
    o.border = m_border->currentText();
    o.alignment = m_alignment->currentText();
    o.description = m_description->text();
    o.imageMap = m_imageMap->isChecked();
    o.mapName = m_mapName->text();
    o.filterType = m_filterType->currentText();
    o.filterValue = m_filterValue->text();
    o.filterColor = m_filterColor->text();
    return o;
}

void GraphicsBuilder::setOptions(const GraphicsOptions &o)
{
    m_mediaType->setEditText(o.mediaType);
    m_url->setText(o.url);
    m_height->setText(o.height);
    m_width->setText(o.width);
    m_hspace->setText(o.hspace);
    m_vspace->setText(o.vspace);
    m_border->setEditText(o.border);
    m_alignment->setEditText(o.alignment);
    m_description->setText(o.description);
    m_imageMap->setChecked(o.imageMap);
    imageMapToggled(o.imageMap);
    m_mapName->setText(o.mapName);
    m_filterType->setEditText(o.filterType);
    m_filterValue->setText(o.filterValue);
    m_filterColor->setText(o.filterColor);
}

QString GraphicsBuilder::fragment() const
{
    return buildGraphics(options());
}

void GraphicsBuilder::accept()
{
    // A field to mend comes before the question about ALT.
    if (!fieldsFinished())
        return;
    if (m_description->text().isEmpty()) {
        const std::optional<QString> description = host().dialogs().input(
            this,
            tr("This image has no ALT text: people who cannot see it get nothing in its "
               "place.\nDescribe the image, or leave the box empty to go on without ALT text:"),
            windowTitle(), QString());
        if (!description) {
            m_description->setFocus();
            return;
        }
        m_description->setText(*description);
    }
    finishOk(fragment());
}

void GraphicsBuilder::fillSize(const QString &name)
{
    if (const std::optional<QSize> size = formkit::pictureSize(host(), name)) {
        m_width->setText(QString::number(size->width()));
        m_height->setText(QString::number(size->height()));
    }
}

void GraphicsBuilder::imageMapToggled(bool on)
{
    m_mapName->setEnabled(on);
    QPalette palette = m_mapName->palette();
    palette.setColor(QPalette::Base, on ? mapNameEnabled : mapNameDisabled);
    m_mapName->setPalette(palette);
}
