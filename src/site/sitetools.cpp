// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/sitetools.h"

#include "platform/paths.h"
#include "platform/safefile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace site {

bool copyIntoFolder(const QString &sourcePath, const QString &folder, QString *error)
{
    const QFileInfo source(sourcePath);
    const QString destination = paths::join(folder, source.fileName());
    const QFileInfo target(destination);
    // A file copied onto itself is already there.
    if (source.isFile() && target.exists() &&
        target.canonicalFilePath() == source.canonicalFilePath())
        return true;
    return safefile::copy(sourcePath, destination, error);
}

QStringList pictureNames(const QStringList &fileNames)
{
    QStringList out;
    for (const QString &name : fileNames) {
        if (name.contains(QLatin1String(".bmp"), Qt::CaseInsensitive) ||
            name.contains(QLatin1String(".gif"), Qt::CaseInsensitive) ||
            name.contains(QLatin1String(".jpg"), Qt::CaseInsensitive))
            out << name;
    }
    return out;
}

bool ThumbnailStrip::next()
{
    // The left edge in hundreds of twips against 11 - 11 * count.
    if (m_left / 100 > 11 - 11 * m_count) {
        m_left -= Pitch;
        return true;
    }
    return false;
}

bool ThumbnailStrip::previous()
{
    if (m_left < 0) {
        m_left += Pitch;
        return true;
    }
    return false;
}

bool isWebImageName(const QString &fileName)
{
    return fileName.contains(QLatin1String(".gif"), Qt::CaseInsensitive) ||
           fileName.contains(QLatin1String(".bmp"), Qt::CaseInsensitive) ||
           fileName.contains(QLatin1String(".jpg"), Qt::CaseInsensitive);
}

bool isMediaName(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".MID"), Qt::CaseInsensitive) ||
           fileName.endsWith(QLatin1String(".WAV"), Qt::CaseInsensitive) ||
           fileName.endsWith(QLatin1String(".AVI"), Qt::CaseInsensitive);
}

QString sizeText(qint64 bytes)
{
    return QString::number(bytes) + QCoreApplication::translate("site", " Bytes");
}

QString pictureText(const QSize &pixels, qint64 bytes)
{
    auto tr = [](const char *text) { return QCoreApplication::translate("site", text); };
    constexpr double KB = 1024.0;
    const QString size = bytes < KB ? tr("%1 bytes").arg(bytes)
                         : bytes < KB * KB
                             ? tr("%1 KB").arg(QString::number(double(bytes) / KB, 'f', 1))
                             : tr("%1 MB").arg(QString::number(double(bytes) / KB / KB, 'f', 1));
    if (!pixels.isValid())
        return size;
    return tr("%1 × %2 pixels, %3").arg(pixels.width()).arg(pixels.height()).arg(size);
}

QString widthText(int pixels)
{
    return QCoreApplication::translate("site", "Width: ") + QString::number(pixels);
}

QString heightText(int pixels)
{
    return QCoreApplication::translate("site", "Height: ") + QString::number(pixels);
}

int scrollRange(int imageExtent, int viewportExtent)
{
    return imageExtent > viewportExtent ? imageExtent - viewportExtent : 0;
}

} // namespace site
