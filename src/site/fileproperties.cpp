// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/fileproperties.h"

#include "platform/dialogservice.h"
#include "platform/launcher.h"
#include "platform/paths.h"
#include "site/sitefiles.h"
#include "site/sitetools.h"
#include "widgets/formkit.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLocale>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QUrl>

namespace {

// The preview viewport, in pixels (3600 x 2400 twips).
constexpr int ViewportWidth = 240;
constexpr int ViewportHeight = 160;

QLabel *valueLabel(const char *objectName, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(objectName));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

FileProperties::FileProperties(BuilderHost &host, const QString &path)
    : BuilderDialog(host), m_path(path)
{
    setObjectName(QStringLiteral("propform"));
    setWindowTitle(tr("Properties"));
    const QFileInfo info(path);

    auto *attributes = new QGroupBox(tr("File Attributes"), this);
    auto *nameValue = valueLabel("Label4", attributes);
    auto *sizeValue = valueLabel("Label5", attributes);
    auto *dateValue = valueLabel("Label6", attributes);
    nameValue->setText(info.fileName());
    if (info.exists()) {
        sizeValue->setText(site::sizeText(info.size()));
        dateValue->setText(QLocale().toString(info.lastModified(), QLocale::ShortFormat));
    }
    auto *attributeGrid = new QGridLayout(attributes);
    const char *captions[] = {QT_TR_NOOP("File Name:"), QT_TR_NOOP("File Size:"),
                              QT_TR_NOOP("File Created:")};
    QLabel *values[] = {nameValue, sizeValue, dateValue};
    // Each value is read out by its caption's relation and then by what it
    // says: "File Name: index.htm".
    for (int row = 0; row < 3; ++row) {
        auto *caption = new QLabel(tr(captions[row]), attributes);
        caption->setBuddy(values[row]);
        attributeGrid->addWidget(caption, row, 0);
        attributeGrid->addWidget(values[row], row, 1);
    }
    attributeGrid->setColumnStretch(1, 1);

    m_viewport = new QWidget(this);
    m_viewport->setObjectName(QStringLiteral("Picture1"));
    m_viewport->setFixedSize(ViewportWidth, ViewportHeight);
    m_viewport->setAutoFillBackground(true);
    m_viewport->setBackgroundRole(QPalette::Base);
    m_image = new QLabel(m_viewport);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->hide();
    // The pane says why it is empty until a picture fills it.
    m_noPicture = new QLabel(tr("No picture to show:\nthis file is not an image"), m_viewport);
    m_noPicture->setObjectName(QStringLiteral("NoPicture"));
    m_noPicture->setAlignment(Qt::AlignCenter);
    m_noPicture->setWordWrap(true);
    m_noPicture->setEnabled(false);
    m_noPicture->setGeometry(0, 0, ViewportWidth, ViewportHeight);

    m_hScroll = new QScrollBar(Qt::Horizontal, this);
    m_hScroll->setObjectName(QStringLiteral("HScroll1"));
    formkit::setCaption(m_hScroll, tr("Scroll the picture sideways"));
    m_hScroll->hide();
    m_vScroll = new QScrollBar(Qt::Vertical, this);
    m_vScroll->setObjectName(QStringLiteral("VScroll1"));
    formkit::setCaption(m_vScroll, tr("Scroll the picture up and down"));
    m_vScroll->hide();
    // Dragging moves the picture at once.
    connect(m_hScroll, &QScrollBar::valueChanged, this, &FileProperties::scrollTo);
    connect(m_vScroll, &QScrollBar::valueChanged, this, &FileProperties::scrollTo);

    m_width = valueLabel("Label7", this);
    m_height = valueLabel("Label8", this);
    m_notice = valueLabel("Label9", this);

    m_play = formkit::button("cmdPlaySound", tr("Play File"));
    m_play->setEnabled(site::isMediaName(info.fileName()));
    m_ok = formkit::button("Command1", tr("&OK"));
    m_ok->setDefault(true);

    auto *preview = new QGridLayout;
    preview->setSpacing(0);
    preview->addWidget(m_viewport, 0, 0);
    preview->addWidget(m_vScroll, 0, 1);
    preview->addWidget(m_hScroll, 1, 0);
    preview->setRowMinimumHeight(1, m_hScroll->sizeHint().height());
    preview->setColumnMinimumWidth(1, m_vScroll->sizeHint().width());

    auto *facts = new QVBoxLayout;
    facts->addWidget(m_width);
    facts->addWidget(m_height);
    facts->addWidget(m_notice);
    facts->addStretch(1);
    facts->addWidget(m_play);
    facts->addWidget(m_ok);

    auto *lower = new QHBoxLayout;
    lower->addLayout(preview);
    lower->addSpacing(12);
    lower->addLayout(facts, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(attributes);
    layout->addLayout(lower);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    attributes->setMinimumWidth(420);

    connect(m_play, &QPushButton::clicked, this, &FileProperties::playFile);
    connect(m_ok, &QPushButton::clicked, this, &FileProperties::reject);

    if (site::isWebImageName(info.fileName()))
        showPicture();
    else
        m_notice->setText(site::text::notWebImage());
    m_ok->setFocus();
}

FileProperties *FileProperties::open(BuilderHost &host, const QString &path)
{
    if (path.isEmpty()) {
        host.dialogs().message(host.mainWidget(), site::text::noFileSelected());
        return nullptr;
    }
    const QString full = path.contains(u'/') ? path : paths::join(host.siteFolder(), path);
    // Each file gets a window of its own content: never a kept one.
    auto *window = new FileProperties(host, full);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

bool FileProperties::startMediaPlayer(const QString &path)
{
    const QString player = launcher::findTool(launcher::Tool::MediaPlayer);
    if (!player.isEmpty())
        return launcher::start(player, {path});
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void FileProperties::playFile()
{
    if (!m_player || !m_player(m_path))
        host().dialogs().message(this, site::text::noMediaPlayer());
}

void FileProperties::showPicture()
{
    QImageReader reader(m_path);
    reader.setAutoTransform(false);
    const QImage picture = reader.read();
    if (picture.isNull()) {
        // Named like a picture but not one the platform can decode.
        m_notice->setText(site::text::notWebImage());
        return;
    }
    m_noPicture->hide();
    m_image->setPixmap(QPixmap::fromImage(picture));
    m_image->resize(picture.size());
    m_image->move(0, 0);
    m_image->show();
    const int across = site::scrollRange(picture.width(), ViewportWidth);
    const int down = site::scrollRange(picture.height(), ViewportHeight);
    m_hScroll->setRange(0, across);
    m_hScroll->setPageStep(ViewportWidth);
    m_hScroll->setVisible(across > 0);
    m_vScroll->setRange(0, down);
    m_vScroll->setPageStep(ViewportHeight);
    m_vScroll->setVisible(down > 0);
    m_width->setText(site::widthText(picture.width()));
    m_height->setText(site::heightText(picture.height()));
}

void FileProperties::scrollTo()
{
    m_image->move(-m_hScroll->value(), -m_vScroll->value());
}
