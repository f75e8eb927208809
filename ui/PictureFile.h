#pragma once

#include <QImage>
#include <QString>

// The most pixels a picture needs on a side: the full-screen view and the printed card never
// show more, and a larger phone photo would exceed what the toolkit agrees to decode.
constexpr int largestPictureSide = 4096;

// A picture file decoded as JPEG or as bitmap, the two formats the program offers, never as
// whatever other format its content claims to be; turned upright as the camera took it and,
// when a side is longer than largestPictureSide, scaled down while it is decoded.
// Null when the file is neither or cannot be read.
QImage readJpegOrBitmap(const QString& path);
