#include "ui/PictureFile.h"

#include <QFile>
#include <QImageReader>

QImage readJpegOrBitmap(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    for (const char* format : {"jpeg", "bmp"}) {
        QImageReader reader(&file, format);
        reader.setAutoDetectImageFormat(false);
        if (!reader.canRead())
            continue;
        reader.setAutoTransform(true);
        const QSize size = reader.size();
        if (size.width() > largestPictureSide || size.height() > largestPictureSide)
            reader.setScaledSize(
                size.scaled(largestPictureSide, largestPictureSide, Qt::KeepAspectRatio));
        return reader.read();
    }
    return QImage();
}
