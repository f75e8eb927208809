#include "shell/ScreenKinds.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

PersistentScreen::PersistentScreen(ScreenFlow& flow, const QString& objectName,
                                   const QString& caption, Kind kind)
    : flow_(flow), kind_(kind), panContainer_(new QWidget(this)) {
    setObjectName(objectName);
    setWindowTitle(caption);
    panContainer_->setObjectName(QStringLiteral("panContainer"));
    if (kind_ == Kind::Maximized) {
        panContainer_->setFixedSize(ContainerSize);
        setMinimumSize(ContainerSize);
    }
}

void PersistentScreen::showScreen() {
    if (kind_ == Kind::Maximized) {
        showMaximized();
    } else {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
        show();
    }
    activateWindow();
}

void PersistentScreen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) // a restore from the task bar is not a new visit
        onShow();
}

void PersistentScreen::closeEvent(QCloseEvent* event) {
    closeStep();
    event->accept();
}

void PersistentScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient background(0, 0, 0, height());
    background.setColorAt(0, QColor(0x1F, 0x4E, 0x9A));
    background.setColorAt(1, Qt::white);
    painter.fillRect(rect(), background);
}

void PersistentScreen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (kind_ == Kind::Maximized)
        // On a screen smaller than the container its top left corner stays visible.
        panContainer_->move(qMax(0, (width() - ContainerSize.width()) / 2),
                            qMax(0, (height() - ContainerSize.height()) / 2));
    else
        panContainer_->setGeometry(rect());
}

FixedDialog::FixedDialog(QWidget* opener, const QString& objectName, const QString& caption,
                         QSize size)
    : QDialog(opener, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setFixedSize(size);
}

void FixedDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FixedDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
}
