// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the site's tool windows that need no widgets: copying a file
// into the site (file retriever), the pictures of the thumbnail browser and
// the stepping of its strip, and what the properties window shows.

#include "platform/launcher.h"

#include <QCoreApplication>
#include <QSize>
#include <QString>
#include <QStringList>

namespace site {

namespace text {
inline QString fileCopied()
{
    return QCoreApplication::translate("site", "File Copied!");
}
inline QString cannotCopy()
{
    return QCoreApplication::translate("site", "Cannot Copy File!");
}
inline QString replaceSiteFile(const QString &name)
{
    return QCoreApplication::translate("site", "The website directory already holds a file "
                                               "named %1.\nReplace it?")
        .arg(name);
}
inline QString noDocumentOpen()
{
    return QCoreApplication::translate("site", "No Document Open");
}
inline QString notWebImage()
{
    return QCoreApplication::translate("site", "Not A Web Image");
}
inline QString noMediaPlayer()
{
    return launcher::notInstalledMessage(launcher::Tool::MediaPlayer);
}
} // namespace text

// Copies sourcePath into folder under the same name, replacing a file of
// that name, by the one safe write: a failed copy leaves the old file
// whole. False, with the reason in *error, when the source cannot be read
// (or is not a regular file) or the destination cannot be written.
bool copyIntoFolder(const QString &sourcePath, const QString &folder, QString *error = nullptr);

// The thumbnail browser's pictures: the names that contain ".bmp", ".gif"
// or ".jpg" in any letter case, in the order given.
QStringList pictureNames(const QStringList &fileNames);

// The thumbnail strip, in twips: thumbnail i is 1000 x 1000 at
// (100 + 1100 i, 100), and the viewport shows one at a time.
class ThumbnailStrip
{
public:
    static constexpr int Size = 1000;
    static constexpr int Pitch = 1100;
    static constexpr int Margin = 100;

    explicit ThumbnailStrip(int count = 0) : m_count(count) {}

    int count() const { return m_count; }
    // The strip's left edge in the viewport: 0, -1100, -2200 ...
    int left() const { return m_left; }
    // The index of the thumbnail in view.
    int current() const { return -m_left / Pitch; }
    // Wide enough for every thumbnail and a margin on each side.
    int width() const { return Margin + Pitch * m_count; }
    static int thumbnailLeft(int index) { return Margin + Pitch * index; }

    // Thumbnails kept decoded: the one in view and this many on either
    // side, a few screens' worth; the rest are let go and decoded again
    // should they come back.
    static constexpr int KeptAround = 8;
    static bool keeps(int index, int current)
    {
        return index >= current - KeptAround && index <= current + KeptAround;
    }

    // Spin up: one picture on, unless at the last. True when it moved.
    bool next();
    // Spin down: one picture back, unless at the first.
    bool previous();

private:
    int m_count = 0;
    int m_left = 0;
};

// Properties window: a picture is previewed when its name contains ".gif",
// ".bmp" or ".jpg" in any letter case; "Play File" is offered for names
// ending in ".MID", ".WAV" or ".AVI" in any letter case.
bool isWebImageName(const QString &fileName);
bool isMediaName(const QString &fileName);
// "1234 Bytes".
QString sizeText(qint64 bytes);
// What the thumbnail browser shows under a picture: "640 × 480 pixels,
// 12.5 KB" (bytes below 1 KB, MB from 1 MB); the file size alone when the
// pixel size is not known.
QString pictureText(const QSize &pixels, qint64 bytes);
QString widthText(int pixels);
QString heightText(int pixels);
// The range of a preview scroll bar: 0 when the image fits and the bar
// stays hidden, else how far the image reaches beyond the viewport.
int scrollRange(int imageExtent, int viewportExtent);

} // namespace site
