// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/vrmlbuilder.h"

#include "platform/dialogservice.h"
#include "platform/textfile.h"
#include "widgets/colourfield.h"
#include "widgets/formkit.h"
#include "widgets/listgrid.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace vrml;

namespace {

const char WorldFilter[] = QT_TRANSLATE_NOOP("VrmlBuilder", "VRML 2.0 Files(*.wrl)|*.wrl");

} // namespace

VrmlBuilder::VrmlBuilder(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("VRML"));
    setWindowTitle(tr("VRML Builder"));

    // "VRML Text".
    auto *textPage = new QWidget;
    m_text = formkit::lineEdit("Text1");
    m_text->setMinimumWidth(280);
    // Each choice starts from the colour shown.
    m_colour =
        new ColourField(tr("Text Color"), {nullptr, "Picture1", "Command1", tr("&Text Color")});
    m_colour->setColour(VrmlOptions().textColour);
    m_colour->setDialog(host.dialogs());
    auto *textGrid = new QGridLayout(textPage);
    textGrid->addWidget(formkit::captionLabel(tr("Text String"), m_text), 0, 0);
    textGrid->addWidget(m_text, 0, 1, 1, 2);
    textGrid->addWidget(m_colour, 1, 0, 1, 2, Qt::AlignLeft);
    textGrid->setColumnStretch(2, 1);
    textGrid->setRowStretch(2, 1);

    // "VRML Sitemap".
    auto *sitePage = new QWidget;
    m_spheres = formkit::option("Option1", tr("Spheres"), true);
    m_cubes = formkit::option("Option2", tr("Cubes"));
    auto *shapes = new QHBoxLayout;
    shapes->addWidget(m_spheres);
    shapes->addWidget(m_cubes);
    shapes->addStretch(1);
    ListGrid::Options grid;
    grid.columns = {{tr("Caption"), 1500}, {tr("URL"), 2500}};
    grid.addArrow = ListGrid::AddArrow::Down;
    grid.caption = tr("Sites");
    grid.editorCaption = tr("Cell Text");
    grid.gridName = "URLGrid";
    grid.editorName = "Text2";
    m_grid = new ListGrid(grid);
    auto *siteLayout = new QVBoxLayout(sitePage);
    siteLayout->addLayout(shapes);
    siteLayout->addWidget(m_grid, 1);

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("TabStrip1"));
    m_tabs->addTab(textPage, tr("VRML Text"));
    m_tabs->addTab(sitePage, tr("VRML Sitemap"));

    QPushButton *save = formkit::button("Command2", tr("&Save File"));
    QPushButton *exit = formkit::button("Command3", tr("E&xit"));
    connect(save, &QPushButton::clicked, this, &VrmlBuilder::saveFile);
    connect(exit, &QPushButton::clicked, this, &VrmlBuilder::finishCancel);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save);
    buttons->addWidget(exit);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);
    resize(440, 300);
    m_text->setFocus();
}

VrmlOptions VrmlBuilder::options() const
{
    VrmlOptions o;
    o.mode = m_tabs->currentIndex() == 1 ? Mode::Sitemap : Mode::Text;
    o.text = m_text->text();
    o.textColour = m_colour->colour();
    o.shape = m_cubes->isChecked() ? Shape::Cubes : Shape::Spheres;
    o.sites.clear();
    for (const QStringList &row : m_grid->rows())
        o.sites.append({row.value(0), row.value(1)});
    return o;
}

void VrmlBuilder::setOptions(const VrmlOptions &o)
{
    m_tabs->setCurrentIndex(o.mode == Mode::Sitemap ? 1 : 0);
    m_text->setText(o.text);
    m_colour->setColour(o.textColour);
    (o.shape == Shape::Cubes ? m_cubes : m_spheres)->setChecked(true);
    QList<QStringList> rows;
    for (const Site &site : o.sites)
        rows.append({site.caption, site.url});
    m_grid->setRows(rows);
}

bool VrmlBuilder::saveFile()
{
    const QString world = buildVrmlWorld(options());
    const QString path =
        host().dialogs().saveFileName(this, tr("Save File"), host().siteFolder(), tr(WorldFilter));
    QString error;
    if (path.isEmpty() || !textfile::save(path, world, textfile::Encoding::Utf8, &error)) {
        host().dialogs().message(this, tr("Cannot save file!") +
                                           (error.isEmpty() ? QString() : u'\n' + error));
        return false;
    }
    return true;
}
