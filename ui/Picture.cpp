#include "ui/Picture.h"

#include <QKeyEvent>
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

void Picture::answerKeyboard() {
    setFocusPolicy(Qt::StrongFocus);
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QSizeF size = renderer_.defaultSize();
    size.scale(QSizeF(width(), height()), Qt::KeepAspectRatio);
    const QPointF topLeft((width() - size.width()) / 2, (height() - size.height()) / 2);
    renderer_.render(&painter, QRectF(topLeft, size));
    // As the style does for buttons: no frame for a user who only clicks.
    if (hasFocus() && window()->testAttribute(Qt::WA_KeyboardFocusChange)) {
        painter.setPen(QPen(QColor(0x1F, 0x4E, 0x9A), 3, Qt::DashLine));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 8, 8);
    }
}

void Picture::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool press = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (focusPolicy() == Qt::NoFocus || !press || (event->modifiers() & ~Qt::KeypadModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    Q_EMIT clicked();
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
