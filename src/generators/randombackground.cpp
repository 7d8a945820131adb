// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/randombackground.h"

#include "widgets/colourfield.h"
#include "widgets/formkit.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace randomscripts;

RandomBackgroundDialog::RandomBackgroundDialog(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form39"));
    setWindowTitle(tr("Random Background Coloring"));
    const BackgroundOptions defaults;

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    for (int i = 0; i < int(m_swatches.size()); ++i) {
        const QString caption = tr("Color %1").arg(i + 1);
        const QByteArray name = "Picture1_" + QByteArray::number(i);
        auto *swatch = new ColourField(caption, {nullptr, name.constData()});
        swatch->patch()->setFixedSize(64, 44);
        swatch->setColour(defaults.colours[std::size_t(i)]);
        swatch->setDialog(host.dialogs(), &m_lastColour);
        m_swatches[std::size_t(i)] = swatch;
        grid->addWidget(formkit::captionLabel(caption, swatch), 0, i, Qt::AlignCenter);
        grid->addWidget(swatch, 1, i, Qt::AlignCenter);
    }
    auto *hint = new QLabel(tr("Click a color to change it."));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(4);
    layout->addWidget(hint);
    layout->addSpacing(8);
    layout->addLayout(formkit::okCancelRow(this, "Command1", "Command2"));
}

BackgroundOptions RandomBackgroundDialog::options() const
{
    BackgroundOptions o;
    for (std::size_t i = 0; i < m_swatches.size(); ++i)
        o.colours[i] = m_swatches[i]->colour();
    return o;
}

void RandomBackgroundDialog::setOptions(const BackgroundOptions &o)
{
    for (std::size_t i = 0; i < m_swatches.size(); ++i)
        m_swatches[i]->setColour(o.colours[i]);
}

void RandomBackgroundDialog::accept()
{
    finishOk(buildBackgroundScript(options()));
}
