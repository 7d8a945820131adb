// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/framebuilder.h"

#include "widgets/formkit.h"
#include "widgets/spinarrows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace framebuilder;

namespace {

const QSize pictureSize(120, 90);
constexpr double firstArea = 0.4; // share of the first area of a split, in the drawings

const char *const layoutShapes[LayoutCount] = {
    "two columns",
    "two rows",
    "one row above two columns",
    "two columns above one row",
    "one column beside two rows",
    "two rows beside one column",
};

QString layoutName(int layout)
{
    return QCoreApplication::translate("FrameLayoutPicture", "Layout %1: %2")
        .arg(layout)
        .arg(QLatin1String(layoutShapes[layout - 1]));
}

// The frames of a layout in the unit square, frame 1 first.
QList<QRectF> frameAreas(int layout)
{
    const double a = firstArea;
    const double b = 1.0 - a;
    switch (layout) {
    case 1:
        return {{0, 0, a, 1}, {a, 0, b, 1}};
    case 2:
        return {{0, 0, 1, a}, {0, a, 1, b}};
    case 3:
        return {{0, 0, 1, a}, {0, a, a, b}, {a, a, b, b}};
    case 4:
        return {{0, 0, a, a}, {a, 0, b, a}, {0, a, 1, b}};
    case 5:
        return {{0, 0, a, 1}, {a, 0, b, a}, {a, a, b, b}};
    case 6:
        return {{0, 0, a, a}, {0, a, a, b}, {a, 0, b, 1}};
    default:
        return {};
    }
}

// A page split into the layout's frames, each pane numbered.
void paintLayout(QPainter &painter, const QRect &rect, int layout, const QColor &background)
{
    painter.fillRect(rect, background);
    const QRectF page = QRectF(rect).adjusted(10, 10, -10, -10);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(9, int(page.height() / 5)));
    painter.setFont(font);
    const QList<QRectF> areas = frameAreas(layout);
    for (int k = 0; k < areas.size(); ++k) {
        const QRectF &unit = areas[k];
        const QRectF pane(page.x() + unit.x() * page.width(), page.y() + unit.y() * page.height(),
                          unit.width() * page.width(), unit.height() * page.height());
        painter.setPen(QPen(QColor(64, 64, 64), 2));
        painter.setBrush(Qt::white);
        painter.drawRect(pane);
        painter.setPen(QColor(64, 64, 64));
        painter.drawText(pane, Qt::AlignCenter, QString::number(k + 1));
    }
}

// The object names of each frame's name, source, scroll bars, border and
// resizable controls in the two-frame and the three-frame windows.
struct FrameNames
{
    const char *name;
    const char *source;
    const char *scrollBars;
    const char *frameBorder;
    const char *resizable;
};
const FrameNames twoFrameNames[2] = {
    {"Text1", "Text2", "Check1", "Check2", "Check3"},
    {"Text3", "Text4", "Check4", "Check5", "Check6"},
};
const FrameNames threeFrameNames[3] = {
    {"Text1", "Text2", "Check1", "Check2", "Check3"},
    {"Text4", "Text3", "Check6", "Check5", "Check4"},
    {"Text6", "Text5", "Check9", "Check8", "Check7"},
};

} // namespace

// The pictures.

FrameLayoutPicture::FrameLayoutPicture(int layout, QWidget *parent)
    : QAbstractButton(parent), m_layout(layout)
{
    setObjectName(QStringLiteral("Picture%1").arg(layout));
    setCheckable(true);
    setAutoExclusive(true);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(layoutName(layout));
    setToolTip(layoutName(layout));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QColor FrameLayoutPicture::chosenColour()
{
    return QColor(128, 128, 255);
}

QColor FrameLayoutPicture::otherColour()
{
    return QColor(192, 192, 192);
}

QSize FrameLayoutPicture::sizeHint() const
{
    return pictureSize;
}

void FrameLayoutPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintLayout(painter, rect(), m_layout, isChecked() ? chosenColour() : otherColour());
    if (hasFocus()) {
        // A dotted ring in the margin, visible on either background.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

// Step 1.

FrameBuilder::FrameBuilder(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(tr("Frame Builder: Part1"));

    auto *heading = new QLabel(tr("Choose Your Frame Format"));
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.25);
    heading->setFont(headingFont);
    heading->setAlignment(Qt::AlignCenter);

    auto *pictures = new QGridLayout;
    pictures->setSpacing(12);
    for (int layout = 1; layout <= LayoutCount; ++layout) {
        auto *picture = new FrameLayoutPicture(layout);
        connect(picture, &QAbstractButton::clicked, this, [this, layout] { chooseLayout(layout); });
        pictures->addWidget(picture, (layout - 1) / 3, (layout - 1) % 3);
        m_pictures << picture;
    }

    // Enter goes on to the next step.
    QDialogButtonBox *buttons =
        formkit::buttonRow(this,
                           {{"Command1", tr("&Next"), QDialogButtonBox::AcceptRole},
                            {"Command2", tr("&Cancel"), QDialogButtonBox::RejectRole}},
                           "Command1");

    auto *window = new QVBoxLayout(this);
    window->addWidget(heading);
    window->addSpacing(6);
    window->addLayout(pictures);
    window->addSpacing(6);
    window->addWidget(buttons);
    window->setSizeConstraint(QLayout::SetFixedSize);

    chooseLayout(1);
}

void FrameBuilder::chooseLayout(int layout)
{
    if (!isLayout(layout))
        return;
    m_layout = layout;
    m_pictures[layout - 1]->setChecked(true);
    for (FrameLayoutPicture *picture : std::as_const(m_pictures))
        picture->update();
}

void FrameBuilder::accept()
{
    // The next step holds the main window before this one lets it go.
    if (!FrameBuilderStep2::open(host(), m_layout))
        return;
    finishCancel();
}

// Step 2.

FrameBuilderStep2::FrameBuilderStep2(BuilderHost &host, int layout)
    : BuilderDialog(host), m_layout(isLayout(layout) ? layout : 1)
{
    setObjectName(stepWindowName(m_layout));
    setWindowTitle(tr("Frame Builder: Step 2"));

    auto *diagram = new QLabel;
    QPixmap picture(pictureSize);
    {
        QPainter painter(&picture);
        paintLayout(painter, picture.rect(), m_layout, FrameLayoutPicture::chosenColour());
    }
    diagram->setPixmap(picture);
    diagram->setAccessibleName(layoutName(m_layout));
    diagram->setToolTip(layoutName(m_layout));

    auto *sizes = new QVBoxLayout;
    sizes->addWidget(sizeRow(m_size1, 1));
    if (frameCount(m_layout) == 3)
        sizes->addWidget(sizeRow(m_size2, 2));
    sizes->addStretch(1);

    auto *top = new QHBoxLayout;
    top->addWidget(diagram, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addLayout(sizes, 1);

    auto *frames = new QHBoxLayout;
    for (int k = 1; k <= frameCount(m_layout); ++k)
        frames->addWidget(frameGroup(k), 1);

    // Finish is the step's OK; Cancel leaves the builder from here too.
    QDialogButtonBox *buttons =
        formkit::buttonRow(this,
                           {{"Command1", tr("&Back"), QDialogButtonBox::ActionRole},
                            {"Command2", tr("&Finish"), QDialogButtonBox::AcceptRole},
                            {"Command3", tr("&Cancel"), QDialogButtonBox::RejectRole}},
                           "Command2");
    connect(buttons->findChild<QPushButton *>(QStringLiteral("Command1")), &QPushButton::clicked,
            this, &FrameBuilderStep2::back);

    auto *window = new QVBoxLayout(this);
    window->addLayout(top);
    window->addLayout(frames);
    window->addWidget(buttons);
    window->setSizeConstraint(QLayout::SetFixedSize);
}

FrameBuilderStep2 *FrameBuilderStep2::open(BuilderHost &host, int layout)
{
    if (!isLayout(layout))
        return nullptr;
    auto *step = new FrameBuilderStep2(host, layout);
    step->show();
    step->raise();
    step->activateWindow();
    return step;
}

QWidget *FrameBuilderStep2::sizeRow(QComboBox *&combo, int which)
{
    auto *row = new QWidget;
    const QString caption = sizeCaption(m_layout, which);
    combo = formkit::editableCombo(which == 1 ? "Combo1" : "Combo2", sizeItems());
    combo->setMinimumContentsLength(8);
    formkit::restrictTo(combo, htmlvalues::FieldKind::Length);
    auto *arrows = new SpinArrows;
    arrows->setObjectName(which == 1 ? QStringLiteral("SpinButton1")
                                     : QStringLiteral("SpinButton2"));
    arrows->setCaption(caption);
    QComboBox *target = combo;
    arrows->setValueSource([target] { return target->currentText(); });
    connect(arrows, &SpinArrows::spinUp, this,
            [target] { target->setEditText(spinSize(target->currentText(), true)); });
    connect(arrows, &SpinArrows::spinDown, this,
            [target] { target->setEditText(spinSize(target->currentText(), false)); });

    auto *grid = new QGridLayout(row);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(formkit::captionLabel(caption, combo), 0, 0, 1, 2);
    grid->addWidget(combo, 1, 0);
    grid->addWidget(arrows, 1, 1);
    grid->setColumnStretch(2, 1);
    return row;
}

QWidget *FrameBuilderStep2::frameGroup(int frame)
{
    const FrameNames &names =
        frameCount(m_layout) == 2 ? twoFrameNames[frame - 1] : threeFrameNames[frame - 1];
    const FrameFields defaults = initialFrame(frame);

    FrameControls controls;
    controls.name = formkit::lineEdit(names.name, defaults.name);
    controls.source = formkit::lineEdit(names.source, defaults.source);
    controls.scrollBars = formkit::checkBox(names.scrollBars, tr("Scroll Bars"));
    controls.frameBorder = formkit::checkBox(names.frameBorder, tr("Frame Border"));
    controls.resizable = formkit::checkBox(names.resizable, tr("Resizable Frame"));
    // The same captions repeat in every frame's box; tell them apart.
    const QString which = tr("Frame %1").arg(frame);
    for (QWidget *w :
         {static_cast<QWidget *>(controls.name), static_cast<QWidget *>(controls.source),
          static_cast<QWidget *>(controls.scrollBars), static_cast<QWidget *>(controls.frameBorder),
          static_cast<QWidget *>(controls.resizable)})
        w->setAccessibleDescription(which);

    auto *group = new QGroupBox(which);
    auto *form = new QFormLayout(group);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(formkit::captionLabel(tr("Frame Name"), controls.name), controls.name);
    form->addRow(formkit::captionLabel(tr("Source"), controls.source), controls.source);
    // Check boxes only as wide as their captions: a click beside one does
    // not look like it should toggle it.
    auto *checks = new QVBoxLayout;
    for (QCheckBox *box : {controls.scrollBars, controls.frameBorder, controls.resizable})
        checks->addWidget(box, 0, Qt::AlignLeft);
    form->addRow(checks);
    m_frames << controls;
    return group;
}

FrameOptions FrameBuilderStep2::options() const
{
    FrameOptions options;
    options.layout = m_layout;
    options.size1 = m_size1->currentText();
    options.size2 = m_size2 ? m_size2->currentText() : QString();
    for (int k = 0; k < m_frames.size(); ++k) {
        const FrameControls &c = m_frames[k];
        FrameFields &f = options.frames[k];
        f.name = c.name->text();
        f.source = c.source->text();
        f.scrollBars = c.scrollBars->isChecked();
        f.frameBorder = c.frameBorder->isChecked();
        f.resizable = c.resizable->isChecked();
    }
    return options;
}

void FrameBuilderStep2::setOptions(const FrameOptions &options)
{
    m_size1->setEditText(options.size1);
    if (m_size2)
        m_size2->setEditText(options.size2);
    for (int k = 0; k < m_frames.size(); ++k) {
        const FrameControls &c = m_frames[k];
        const FrameFields f = options.frames.value(k);
        c.name->setText(f.name);
        c.source->setText(f.source);
        c.scrollBars->setChecked(f.scrollBars);
        c.frameBorder->setChecked(f.frameBorder);
        c.resizable->setChecked(f.resizable);
    }
}

void FrameBuilderStep2::accept()
{
    finishOk(buildFrameset(options()));
}

void FrameBuilderStep2::back()
{
    showBuilder<FrameBuilder>(host());
    finishCancel();
}
