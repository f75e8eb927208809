#include "ui/PictureBox.h"

#include <QPainter>
#include <QSvgRenderer>

QImage drawingOnWhite(const QString& svgResource, const QSize& size) {
    QImage drawing(size, QImage::Format_RGB32);
    drawing.fill(Qt::white);
    QSvgRenderer renderer(svgResource);
    QPainter painter(&drawing);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(drawing.rect()));
    return drawing;
}

PictureBox::PictureBox(const QString& objectName, const QImage& placeholder, QWidget* parent,
                       Look look)
    : QWidget(parent), placeholder_(placeholder), look_(look) {
    setObjectName(objectName);
    resize(placeholder.size());
    showPlaceholder();
}

void PictureBox::setPicture(const QImage& picture) {
    if (picture.isNull()) {
        showPlaceholder();
        return;
    }
    picture_ = picture;
    showsPlaceholder_ = false;
    ++pictureChanges_;
    update();
}

void PictureBox::showPlaceholder() {
    picture_ = placeholder_;
    showsPlaceholder_ = true;
    ++pictureChanges_;
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (look_ == Look::Framed)
        painter.fillRect(rect(), Qt::white);
    QSizeF drawn = picture_.size();
    drawn.scale(size(), Qt::KeepAspectRatio);
    const QPointF topLeft((width() - drawn.width()) / 2, (height() - drawn.height()) / 2);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(topLeft, drawn), picture_);
    if (look_ == Look::Framed) {
        painter.setPen(QColor(0x9D, 0xB3, 0xD6));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
