// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/thumbnailbrowser.h"

#include "platform/dialogservice.h"
#include "platform/numbers.h"
#include "platform/paths.h"
#include "site/sitefiles.h"
#include "widgets/formkit.h"
#include "widgets/spinarrows.h"

#include <cmath>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPaintEvent>
#include <QPushButton>

namespace {

int pixels(int twips)
{
    return int(std::lround(double(twips) / numbers::TwipsPerPixel));
}

QSize thumbnailSize()
{
    const int side = pixels(site::ThumbnailStrip::Size);
    return QSize(side, side);
}

} // namespace

// The strip: paints only the squares the viewport exposes and asks for
// those to be decoded.
class ThumbnailStripView : public QWidget
{
public:
    ThumbnailStripView(ThumbnailBrowser &browser, QWidget *parent)
        : QWidget(parent), m_browser(browser)
    {
        setObjectName(QStringLiteral("Picture1"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), palette().base());
        const int count = m_browser.m_pictures.size();
        if (count == 0)
            return;
        const int pitch = site::ThumbnailStrip::Pitch;
        // The squares whose column the exposed rectangle reaches.
        const int firstTwips = event->rect().left() * numbers::TwipsPerPixel;
        const int lastTwips = (event->rect().right() + 1) * numbers::TwipsPerPixel;
        const int first = std::max(0, (firstTwips - site::ThumbnailStrip::Margin) / pitch - 1);
        const int last = std::min(count - 1, lastTwips / pitch + 1);
        const QSize size = thumbnailSize();
        for (int i = first; i <= last; ++i) {
            const QRect square(QPoint(pixels(site::ThumbnailStrip::thumbnailLeft(i)),
                                      pixels(site::ThumbnailStrip::Margin)),
                               size);
            if (!square.intersects(event->rect()))
                continue;
            const auto found = m_browser.m_thumbnails.constFind(i);
            if (found != m_browser.m_thumbnails.constEnd() && !found->isNull()) {
                painter.drawImage(square, *found);
            } else {
                painter.setPen(palette().color(QPalette::Mid));
                painter.drawRect(square.adjusted(0, 0, -1, -1));
                if (found == m_browser.m_thumbnails.constEnd())
                    m_browser.requestAround(i);
            }
        }
    }

private:
    ThumbnailBrowser &m_browser;
};

ThumbnailLoader::ThumbnailLoader(const QSize &size, QObject *parent) : QObject(parent), m_size(size)
{
    m_pool.setMaxThreadCount(std::max(1, std::min(2, QThread::idealThreadCount())));
}

ThumbnailLoader::~ThumbnailLoader()
{
    m_pool.clear();
    m_pool.waitForDone();
}

void ThumbnailLoader::request(int index, const QString &path, int priority)
{
    if (m_requested.contains(index))
        return;
    m_requested.insert(index);
    const QSize size = m_size;
    m_pool.start(
        [this, index, path, size] {
            if (!site::ThumbnailStrip::keeps(index, m_current.load()))
                return; // passed by before its turn came
            QImageReader reader(path);
            // The header's size, as a browser shows the picture.
            reader.setAutoTransform(true);
            QSize pixelSize = reader.size();
            if (reader.transformation() & QImageIOHandler::TransformationRotate90)
                pixelSize.transpose();
            // Decoded straight to the square (JPEG scales while decoding),
            // stretched like the strip shows it.
            reader.setScaledSize(size);
            QImage image = reader.read();
            if (!image.isNull() && image.size() != size)
                image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            emit loaded(index, image, pixelSize, QFileInfo(path).size());
        },
        priority);
}

void ThumbnailLoader::setCurrent(int index)
{
    m_current.store(index);
    for (auto it = m_requested.begin(); it != m_requested.end();) {
        if (site::ThumbnailStrip::keeps(*it, index))
            ++it;
        else
            it = m_requested.erase(it);
    }
}

ThumbnailBrowser::ThumbnailBrowser(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form32"));
    setWindowTitle(tr("Thumbnail Browser"));

    m_folder = host.siteFolder().isEmpty() ? QDir::homePath() : host.siteFolder();
    m_pictures = site::pictureNames(site::listFiles(m_folder));
    m_strip = site::ThumbnailStrip(int(m_pictures.size()));

    m_loader = new ThumbnailLoader(thumbnailSize(), this);
    connect(m_loader, &ThumbnailLoader::loaded, this, &ThumbnailBrowser::thumbnailLoaded);

    // One square and its margins.
    const int view = pixels(site::ThumbnailStrip::Margin * 2 + site::ThumbnailStrip::Size);
    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    auto *frameLayout = new QHBoxLayout(frame);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    m_viewport = new QWidget(frame);
    m_viewport->setObjectName(QStringLiteral("Picture2"));
    m_viewport->setFixedSize(view, view);
    frameLayout->addWidget(m_viewport);
    m_stripView = new ThumbnailStripView(*this, m_viewport);
    m_stripView->setGeometry(0, 0, std::max(view, pixels(m_strip.width())), view);

    m_spin = new SpinArrows(this);
    m_spin->setObjectName(QStringLiteral("SpinButton1"));
    m_spin->setCaption(tr("Picture"));
    m_spin->setFixedWidth(28);

    m_name = new QLabel(this);
    m_name->setObjectName(QStringLiteral("Label3"));
    m_name->setAlignment(Qt::AlignCenter);
    m_name->setMinimumWidth(pixels(4000));
    m_pictureText = new QLabel(this);
    m_pictureText->setObjectName(QStringLiteral("lblPictureSize"));
    m_pictureText->setAlignment(Qt::AlignCenter);
    m_name->setMaximumWidth(pixels(6000));
    m_name->setWordWrap(true);

    m_insert = formkit::button("Command1", tr("&Insert Image"));
    m_exit = formkit::button("Command2", tr("&Exit"));

    auto *grid = new QGridLayout(this);
    auto *pictureRow = new QHBoxLayout;
    pictureRow->addStretch(1);
    pictureRow->addWidget(frame);
    pictureRow->addWidget(m_spin);
    pictureRow->addStretch(1);
    grid->addLayout(pictureRow, 0, 0, 1, 2);
    grid->addWidget(m_name, 1, 0, 1, 2);
    grid->addWidget(m_pictureText, 2, 0, 1, 2);
    grid->addWidget(m_insert, 3, 0);
    grid->addWidget(m_exit, 3, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    m_spin->setValueSource([this] { return m_name->text(); });
    connect(m_spin, &SpinArrows::spinUp, this, &ThumbnailBrowser::nextPicture);
    connect(m_spin, &SpinArrows::spinDown, this, &ThumbnailBrowser::previousPicture);
    connect(m_insert, &QPushButton::clicked, this, &ThumbnailBrowser::insertImage);
    connect(m_exit, &QPushButton::clicked, this, &ThumbnailBrowser::reject);

    showCurrent();
    m_spin->setFocus();
}

QString ThumbnailBrowser::currentName() const
{
    const int i = m_strip.current();
    return i < m_pictures.size() ? m_pictures.at(i) : QString();
}

void ThumbnailBrowser::nextPicture()
{
    if (m_strip.next())
        showCurrent();
}

void ThumbnailBrowser::previousPicture()
{
    if (m_strip.previous())
        showCurrent();
}

void ThumbnailBrowser::insertImage()
{
    if (!host().hasDocument()) {
        host().dialogs().message(this, site::text::noDocumentOpen());
        return;
    }
    BuilderHost &h = host();
    const QString name = currentName();
    finishCancel();
    h.openBuilderFor(FileRole::Image, name);
}

void ThumbnailBrowser::showCurrent()
{
    m_stripView->move(-pixels(-m_strip.left()), 0);
    // An empty strip says what it shows and where it looked.
    m_name->setText(m_pictures.isEmpty()
                        ? tr("No pictures to show: the web-site folder %1 holds no .bmp, .gif "
                             "or .jpg file.")
                              .arg(QDir::toNativeSeparators(m_folder))
                        : currentName());
    m_insert->setEnabled(!m_pictures.isEmpty());
    const int current = m_strip.current();
    m_loader->setCurrent(current);
    const auto passed = [current](const auto &it) {
        return !site::ThumbnailStrip::keeps(it.key(), current);
    };
    m_thumbnails.removeIf(passed);
    m_pictureTexts.removeIf(passed);
    m_pictureText->setText(pictureText(current));
    if (!m_pictures.isEmpty())
        requestAround(current);
}

void ThumbnailBrowser::thumbnailLoaded(int index, const QImage &image, const QSize &pixelSize,
                                       qint64 bytes)
{
    if (!site::ThumbnailStrip::keeps(index, m_strip.current()))
        return;
    m_thumbnails.insert(index, image);
    m_pictureTexts.insert(index, site::pictureText(pixelSize, bytes));
    if (index == m_strip.current())
        m_pictureText->setText(m_pictureTexts.value(index));
    const QRect square(QPoint(pixels(site::ThumbnailStrip::thumbnailLeft(index)),
                              pixels(site::ThumbnailStrip::Margin)),
                       thumbnailSize());
    m_stripView->update(square.adjusted(-1, -1, 1, 1));
}

void ThumbnailBrowser::requestAround(int index)
{
    // The one in view first, then the next and the previous ones, so a
    // step shows a finished square.
    const int count = int(m_pictures.size());
    const int order[] = {index, index + 1, index - 1};
    int priority = 3;
    for (int i : order) {
        if (i >= 0 && i < count && !m_loader->wasRequested(i))
            m_loader->request(i, picturePath(i), priority);
        --priority;
    }
}

QString ThumbnailBrowser::picturePath(int index) const
{
    return paths::join(m_folder, m_pictures.at(index));
}
