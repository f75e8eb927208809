#include "members/PhotoBox.h"

#include "members/MemberPhoto.h"

#include <QPainter>

PhotoBox::PhotoBox(const QString& objectName, QWidget* parent) : QWidget(parent) {
    setObjectName(objectName);
    resize(DesignSize);
    showPlaceholder();
}

void PhotoBox::setPicture(const QImage& picture) {
    if (picture.isNull()) {
        showPlaceholder();
        return;
    }
    picture_ = picture;
    showsPlaceholder_ = false;
    update();
}

void PhotoBox::showPlaceholder() {
    picture_ = placeholderPhoto();
    showsPlaceholder_ = true;
    update();
}

void PhotoBox::paintEvent(QPaintEvent*) {
    QSizeF drawn = picture_.size();
    drawn.scale(size(), Qt::KeepAspectRatio);
    const QPointF topLeft((width() - drawn.width()) / 2, (height() - drawn.height()) / 2);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(topLeft, drawn), picture_);
}
