#include "ui/Picture.h"

#include <QMouseEvent>
#include <QPainter>

Picture::Picture(const QString& objectName, const QString& svgPath, QWidget* parent)
    : QWidget(parent), renderer_(svgPath) {
    setObjectName(objectName);
    const QSize designSize = renderer_.defaultSize();
    if (designSize.isValid())
        resize(designSize);
}

void Picture::makeClickable() {
    setCursor(Qt::PointingHandCursor);
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QSizeF size = renderer_.defaultSize();
    size.scale(QSizeF(width(), height()), Qt::KeepAspectRatio);
    const QPointF topLeft((width() - size.width()) / 2, (height() - size.height()) / 2);
    renderer_.render(&painter, QRectF(topLeft, size));
}

void Picture::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

void Picture::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QWidget::mouseReleaseEvent(event);
    if (click)
        Q_EMIT clicked();
}
