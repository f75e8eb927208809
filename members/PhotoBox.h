#pragma once

#include "ui/PictureBox.h"

// The photo of a card without one of its own: a drawing of a group of members, 366 x 274.
QImage placeholderPhoto();
// A picture of the program (an SVG resource) drawn at the size of a photo box, on white.
QImage drawingAtPhotoSize(const QString& svgResource);

// A picture box of the photo's size whose placeholder is the placeholder photo.
class PhotoBox : public PictureBox {
    Q_OBJECT
public:
    static constexpr QSize DesignSize{366, 274};

    PhotoBox(const QString& objectName, QWidget* parent);
};
