// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/imagemapbuilder.h"

#include "platform/dialogservice.h"
#include "platform/numbers.h"
#include "widgets/formkit.h"
#include "widgets/listgrid.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

using namespace imagemap;

namespace {

const char PictureFilter[] = QT_TRANSLATE_NOOP(
    "ImageMapBuilder",
    "Picture Files (*.BMP;*.GIF;*.JPG)|*.BMP;*.GIF;*.JPG| Bitmap Files (*.BMP)|*.BMP");

std::optional<double> cellNumber(const QString &text)
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    const double value = numbers::leadingNumber(text);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

ImageMapView::ImageMapView(QWidget *parent)
    : QWidget(parent), m_box(new QWidget(this)), m_hBar(new QScrollBar(Qt::Horizontal, this)),
      m_vBar(new QScrollBar(Qt::Vertical, this))
{
    m_box->setObjectName(QStringLiteral("Picture1"));
    m_box->setAccessibleName(tr("Image"));
    m_box->setMinimumSize(320, 220);
    m_box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_box->setCursor(Qt::CrossCursor);
    m_box->setAttribute(Qt::WA_OpaquePaintEvent);
    m_box->installEventFilter(this);
    m_hBar->setObjectName(QStringLiteral("HScroll1"));
    m_hBar->setAccessibleName(tr("Scroll image across"));
    m_vBar->setObjectName(QStringLiteral("VScroll1"));
    m_vBar->setAccessibleName(tr("Scroll image up and down"));
    for (QScrollBar *bar : {m_hBar, m_vBar}) {
        bar->setRange(0, 0);
        connect(bar, &QScrollBar::valueChanged, m_box, qOverload<>(&QWidget::update));
    }

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(m_box, 0, 0);
    grid->addWidget(m_vBar, 0, 1);
    grid->addWidget(m_hBar, 1, 0);
}

void ImageMapView::setImage(const QImage &image)
{
    m_image = image;
    m_hBar->setMinimum(0);
    m_vBar->setMinimum(0);
    m_hBar->setValue(0);
    m_vBar->setValue(0);
    updateRanges();
    m_box->update();
}

void ImageMapView::setAreas(const QList<Marks> &areas, int current)
{
    m_areas = areas;
    m_current = current;
    m_box->update();
}

void ImageMapView::updateRanges()
{
    // Each bar reaches as far as the image is larger than the box.
    m_hBar->setMaximum(std::max(0, m_image.width() - m_box->width()));
    m_vBar->setMaximum(std::max(0, m_image.height() - m_box->height()));
    m_hBar->setPageStep(std::max(1, m_box->width()));
    m_vBar->setPageStep(std::max(1, m_box->height()));
}

bool ImageMapView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_box)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint:
        paintBox();
        return true;
    case QEvent::Resize:
        updateRanges();
        break;
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (m_image.isNull())
            break;
        // Measured from the image's own corner, wherever it is scrolled to.
        const int x = int(std::floor(mouse->position().x())) + m_hBar->value();
        const int y = int(std::floor(mouse->position().y())) + m_vBar->value();
        if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height())
            break;
        if (mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton) {
            emit pressed(mouse->button(), x, y);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void ImageMapView::paintBox()
{
    QPainter painter(m_box);
    painter.fillRect(m_box->rect(), palette().color(QPalette::Dark));
    const QPoint origin(-m_hBar->value(), -m_vBar->value());
    if (!m_image.isNull())
        painter.drawImage(origin, m_image);
    for (int i = 0; i < m_areas.size(); ++i) {
        const Marks &a = m_areas[i];
        const QColor colour = i == m_current ? QColor(255, 0, 0) : QColor(0, 120, 255);
        painter.setPen(QPen(colour, 2));
        painter.setBrush(Qt::NoBrush);
        if (a.x1 && a.y1 && a.x2 && a.y2) {
            const QRectF rect(QPointF(*a.x1, *a.y1), QPointF(*a.x2, *a.y2));
            painter.drawRect(rect.normalized().translated(origin));
            painter.fillRect(rect.normalized().translated(origin),
                             QColor(colour.red(), colour.green(), colour.blue(), 40));
            continue;
        }
        // A single corner so far: a small cross where it is.
        for (auto [x, y] : {std::pair{a.x1, a.y1}, std::pair{a.x2, a.y2}}) {
            if (!x || !y)
                continue;
            const QPointF p = QPointF(*x, *y) + origin;
            painter.drawLine(p - QPointF(5, 0), p + QPointF(5, 0));
            painter.drawLine(p - QPointF(0, 5), p + QPointF(0, 5));
        }
    }
}

ImageMapBuilder::ImageMapBuilder(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form30"));
    setWindowTitle(tr("Image Map Builder"));

    auto *menu = new QMenuBar(this);
    QAction *openImage = menu->addAction(tr("Open Web Image"));
    openImage->setObjectName(QStringLiteral("mnuOpenItem"));
    openImage->setShortcut(QKeySequence::Open);
    addAction(openImage);
    connect(openImage, &QAction::triggered, this, &ImageMapBuilder::openImage);
    // The bar's button for items that do not fit needs a name too.
    if (auto *more = menu->findChild<QWidget *>(QStringLiteral("qt_menubar_ext_button")))
        more->setAccessibleName(tr("More menu items"));

    m_view = new ImageMapView;
    connect(m_view, &ImageMapView::pressed, this, &ImageMapBuilder::recordCorner);

    ListGrid::Options grid;
    grid.columns = {{QStringLiteral("X1"), 900},
                    {QStringLiteral("Y1"), 900},
                    {QStringLiteral("X2"), 900},
                    {QStringLiteral("Y2"), 900},
                    {tr("Link Address"), 2300}};
    grid.addArrow = ListGrid::AddArrow::Down;
    grid.caption = tr("Areas");
    grid.editorCaption = tr("Link Address");
    m_grid = new ListGrid(grid);
    m_grid->setMaximumHeight(170);
    connect(m_grid->table(), &QTableWidget::itemChanged, this, &ImageMapBuilder::refreshAreas);
    connect(m_grid, &ListGrid::rowsChanged, this, &ImageMapBuilder::refreshAreas);
    connect(m_grid, &ListGrid::cellChosen, this, &ImageMapBuilder::refreshAreas);
    // A click on a cell starts editing its link address right away.
    m_grid->setCurrentCell(0, 4);

    m_mapName = formkit::lineEdit("Text2");
    m_mapName->setMinimumWidth(180);
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(formkit::captionLabel(tr("Map Name:"), m_mapName));
    nameRow->addWidget(m_mapName, 1);

    QHBoxLayout *buttons = formkit::okCancelRow(this, "Command1", "Command2");
    buttons->insertLayout(0, nameRow, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(menu);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_grid);
    layout->addLayout(buttons);
    resize(560, 520);
    refreshAreas();
}

ImageMapOptions ImageMapBuilder::options() const
{
    ImageMapOptions o;
    o.mapName = m_mapName->text();
    o.imageName = m_imageName;
    if (m_imageSize.isValid()) {
        o.width = QString::number(m_imageSize.width());
        o.height = QString::number(m_imageSize.height());
    }
    o.areas.clear();
    for (const QStringList &row : m_grid->rows())
        o.areas.append({row.value(0), row.value(1), row.value(2), row.value(3), row.value(4)});
    return o;
}

void ImageMapBuilder::setOptions(const ImageMapOptions &o)
{
    m_mapName->setText(o.mapName);
    m_imageName = o.imageName;
    m_imageSize = QSize(o.width.toInt(), o.height.toInt());
    if (m_imageSize.isEmpty())
        m_imageSize = QSize();
    QList<QStringList> rows;
    for (const Area &a : o.areas)
        rows.append({a.x1, a.y1, a.x2, a.y2, a.link});
    m_grid->setRows(rows);
    refreshAreas();
}

bool ImageMapBuilder::openImage()
{
    const QString path = host().dialogs().openFileName(this, tr("Open Web Image"),
                                                       host().siteFolder(), tr(PictureFilter));
    if (path.isEmpty())
        return false;
    if (!loadImage(path)) {
        host().dialogs().message(this, tr("Cannot open picture file!"));
        return false;
    }
    return true;
}

bool ImageMapBuilder::loadImage(const QString &path)
{
    QImageReader reader(path);
    // Coordinates are the file's own pixels, so no rotation from metadata.
    reader.setAutoTransform(false);
    // The size the IMG tag gives, from the header like every builder reads it.
    const QSize size = reader.size();
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    m_view->setImage(image);
    m_imageName = QFileInfo(path).fileName();
    m_imageSize = size.isValid() ? size : image.size();
    return true;
}

void ImageMapBuilder::recordCorner(Qt::MouseButton button, double x, double y)
{
    const int row = std::max(0, m_grid->currentRow());
    const int column = button == Qt::LeftButton ? 0 : 2;
    m_grid->setText(row, column, coordinateText(x));
    m_grid->setText(row, column + 1, coordinateText(y));
}

void ImageMapBuilder::refreshAreas()
{
    QList<ImageMapView::Marks> marks;
    for (const QStringList &row : m_grid->rows()) {
        marks.append({cellNumber(row.value(0)), cellNumber(row.value(1)), cellNumber(row.value(2)),
                      cellNumber(row.value(3))});
    }
    m_view->setAreas(marks, m_grid->currentRow());
}

void ImageMapBuilder::accept()
{
    finishOk(buildImageMap(options()));
}
