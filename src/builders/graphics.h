// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Graphics: one image, movie or VRML world with its size, spacing,
// alignment, an image map reference and a visual filter. The site pane and
// the thumbnail browser open it with a file name for the URL box.

#include "builders/graphicslogic.h"
#include "widgets/builderdialog.h"

class FileField;
class ColourField;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

class GraphicsBuilder : public BuilderDialog
{
    Q_OBJECT
public:
    explicit GraphicsBuilder(BuilderHost &host);

    // fileName, when given, goes into the URL box.
    static GraphicsBuilder *open(BuilderHost &host, const QString &fileName = QString());

    graphics::GraphicsOptions options() const;
    void setOptions(const graphics::GraphicsOptions &options);
    // What OK writes with the fields as they are.
    QString fragment() const;

    void accept() override;

private:
    QWidget *buildImagePage();
    QWidget *buildFilterPage();
    void imageMapToggled(bool on);
    // Width and height from the picture the URL names.
    void fillSize(const QString &name);

    qint64 m_lastColour = 0;
    QComboBox *m_mediaType = nullptr;
    FileField *m_url = nullptr;
    QLineEdit *m_height = nullptr;
    QLineEdit *m_width = nullptr;
    QLineEdit *m_hspace = nullptr;
    QLineEdit *m_vspace = nullptr;
    QComboBox *m_border = nullptr;
    QComboBox *m_alignment = nullptr;
    QLineEdit *m_description = nullptr;
    QCheckBox *m_imageMap = nullptr;
    QLineEdit *m_mapName = nullptr;
    QComboBox *m_filterType = nullptr;
    QLineEdit *m_filterValue = nullptr;
    ColourField *m_filterColor = nullptr;
};
