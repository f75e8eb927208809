#include "members/PhotoBox.h"

QImage placeholderPhoto() {
    return drawingAtPhotoSize(QStringLiteral(":/pictures/foto_gruppo.svg"));
}

QImage drawingAtPhotoSize(const QString& svgResource) {
    return drawingOnWhite(svgResource, PhotoBox::DesignSize);
}

PhotoBox::PhotoBox(const QString& objectName, QWidget* parent)
    : PictureBox(objectName, placeholderPhoto(), parent) {}

void PhotoBox::rememberStoredFile(const QString& path) {
    storedFile_ = path;
    storedFileChanges_ = pictureChanges();
}

bool PhotoBox::showsStoredFile(const QString& path) const {
    return !path.isEmpty() && storedFile_ == path && storedFileChanges_ == pictureChanges();
}
