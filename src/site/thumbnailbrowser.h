// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Thumbnail Browser (object name Form32): the pictures of the web-site folder as a
// strip of small stretched squares (Picture1) seen through a viewport
// (Picture2) one at a time, stepped with the spin arrows (SpinButton1).
// Label3 names the picture in view and lblPictureSize gives its pixel size
// and file size; "&Insert Image" (Command1) hands that name to the Graphics
// dialog, "&Exit" (Command2) closes.
//
// Pictures are decoded in worker threads, straight to thumbnail size, and
// only when their square comes into view (with its neighbours), so a folder
// of thousands of large pictures opens at once and holds thumbnails only,
// and only those near the one in view (ThumbnailStrip::keeps).
// A picture that cannot be decoded stays an empty square.

#include "site/sitetools.h"
#include "widgets/builderdialog.h"

#include <QHash>
#include <QImage>
#include <QSet>
#include <QStringList>
#include <QThreadPool>

#include <atomic>

class QLabel;
class QPushButton;
class SpinArrows;
class ThumbnailStripView;

// Decodes pictures to thumbnails in its own threads.
class ThumbnailLoader : public QObject
{
    Q_OBJECT
public:
    explicit ThumbnailLoader(const QSize &size, QObject *parent = nullptr);
    // Drops the waiting requests and waits for the running ones.
    ~ThumbnailLoader() override;

    // Asks once per index; higher priorities are decoded first.
    void request(int index, const QString &path, int priority);
    bool wasRequested(int index) const { return m_requested.contains(index); }
    // The picture in view: requests that the strip no longer keeps are
    // forgotten, and skipped if they have not started.
    void setCurrent(int index);
    // Waits until every request so far is decoded (for tests and measuring).
    void waitForDone() { m_pool.waitForDone(); }

signals:
    // A null image when the picture cannot be decoded; pixels is the size
    // the file declares (invalid when it declares none), bytes its length.
    void loaded(int index, const QImage &image, const QSize &pixelSize, qint64 bytes);

private:
    QSize m_size;
    QThreadPool m_pool;
    QSet<int> m_requested;
    std::atomic<int> m_current{0};
};

class ThumbnailBrowser : public BuilderDialog
{
    Q_OBJECT
public:
    explicit ThumbnailBrowser(BuilderHost &host);

    QStringList pictures() const { return m_pictures; }
    int current() const { return m_strip.current(); }
    QString currentName() const;
    // What lblPictureSize shows for a picture once it is loaded.
    QString pictureText(int index) const { return m_pictureTexts.value(index); }
    const site::ThumbnailStrip &strip() const { return m_strip; }
    ThumbnailLoader *loader() const { return m_loader; }
    // The decoded thumbnails kept; undecodable ones are null images.
    const QHash<int, QImage> &thumbnails() const { return m_thumbnails; }

    void nextPicture();
    void previousPicture();
    void insertImage();

private:
    friend class ThumbnailStripView;
    void showCurrent();
    void thumbnailLoaded(int index, const QImage &image, const QSize &pixelSize, qint64 bytes);
    // Decodes what the viewport shows and its neighbours.
    void requestAround(int index);
    QString picturePath(int index) const;

    QString m_folder;
    QStringList m_pictures;
    site::ThumbnailStrip m_strip;
    QHash<int, QImage> m_thumbnails;
    QHash<int, QString> m_pictureTexts;
    ThumbnailLoader *m_loader = nullptr;
    QWidget *m_viewport = nullptr;
    ThumbnailStripView *m_stripView = nullptr;
    QLabel *m_name = nullptr;
    QLabel *m_pictureText = nullptr;
    SpinArrows *m_spin = nullptr;
    QPushButton *m_insert = nullptr;
    QPushButton *m_exit = nullptr;
};
