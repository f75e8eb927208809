#include "members/PhotoBox.h"

QImage placeholderPhoto() {
    return drawingAtPhotoSize(QStringLiteral(":/pictures/foto_gruppo.svg"));
}

QImage drawingAtPhotoSize(const QString& svgResource) {
    return drawingOnWhite(svgResource, PhotoBox::DesignSize);
}

PhotoBox::PhotoBox(const QString& objectName, QWidget* parent)
    : PictureBox(objectName, placeholderPhoto(), parent) {}
