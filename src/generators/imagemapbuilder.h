// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Image Map Builder: the user opens an image, marks rectangles on it
// (left button: top-left corner, right button: bottom-right corner of the
// current grid row), gives each a link, and OK writes the MAP and the IMG
// tag that uses it.
//
// Object names: Form30; mnuOpenItem ("Open Web Image"); Picture1 (the
// image box), HScroll1, VScroll1; Grid1 (X1, Y1, X2, Y2, link address),
// Text1 (cell editor, "Link Address"), SpinButton1; Text2 ("Map Name:");
// Command1 ("&OK"), Command2 ("&Cancel").

#include "generators/imagemapbuilderlogic.h"
#include "widgets/builderdialog.h"

#include <optional>
#include <QImage>

class ListGrid;
class QLineEdit;
class QScrollBar;

// The image inside its clipping box, scrolled by two scroll bars, with the
// recorded rectangles drawn over it. Positions are image pixels.
class ImageMapView : public QWidget
{
    Q_OBJECT
public:
    explicit ImageMapView(QWidget *parent = nullptr);

    void setImage(const QImage &image);
    const QImage &image() const { return m_image; }
    QScrollBar *horizontalBar() const { return m_hBar; }
    QScrollBar *verticalBar() const { return m_vBar; }
    QWidget *box() const { return m_box; }

    // One grid row's corners in image pixels; a corner not given yet is
    // empty.
    struct Marks
    {
        std::optional<double> x1, y1, x2, y2;
    };
    // The rectangles to draw, and which of them is the current row's.
    void setAreas(const QList<Marks> &areas, int current);

signals:
    // A button pressed on the image, at image pixel (x, y).
    void pressed(Qt::MouseButton button, double x, double y);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateRanges();
    void paintBox();

    QImage m_image;
    QList<Marks> m_areas;
    int m_current = -1;
    QWidget *m_box = nullptr;
    QScrollBar *m_hBar = nullptr;
    QScrollBar *m_vBar = nullptr;
};

class ImageMapBuilder : public BuilderDialog
{
    Q_OBJECT
public:
    explicit ImageMapBuilder(BuilderHost &host);

    imagemap::ImageMapOptions options() const;
    void setOptions(const imagemap::ImageMapOptions &options);

    // "Open Web Image": the file dialog, then the image. False when
    // cancelled or the file is no readable picture.
    bool openImage();
    // Loads a picture file into the view; false when it cannot be read.
    bool loadImage(const QString &path);

    void accept() override;

private:
    void recordCorner(Qt::MouseButton button, double x, double y);
    void refreshAreas();

    QString m_imageName;
    QSize m_imageSize;
    ImageMapView *m_view = nullptr;
    ListGrid *m_grid = nullptr;
    QLineEdit *m_mapName = nullptr;
};
