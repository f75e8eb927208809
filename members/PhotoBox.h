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

    // The photo file the shown picture was read from, for as long as the picture is unchanged:
    // a photo shown reduced, or one that could not be shown at all, is then left as it is.
    void rememberStoredFile(const QString& path);
    bool showsStoredFile(const QString& path) const;

private:
    QString storedFile_;
    int storedFileChanges_ = -1;
};
