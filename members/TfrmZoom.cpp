#include "members/TfrmZoom.h"

#include "members/PhotoBox.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace {
// The room the picture leaves to the screen's edges.
constexpr QSize screenMargins{60, 90};

QSize screenSizeOf(const QWidget* widget) {
    const QScreen* screen = widget ? widget->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize(1024, 768);
}
} // namespace

TfrmZoom::TfrmZoom(QWidget* opener)
    : FixedDialog(opener, QStringLiteral("TfrmZoom"),
                  QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"),
                  screenSizeOf(opener)) {
    // A maximized dialog: its size follows the screen instead of a design size.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setWindowState(Qt::WindowMaximized);
    setStyleSheet(QStringLiteral("TfrmZoom { background: #1C2530; }"));

    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    imgFoto = new PhotoBox(QStringLiteral("imgFoto"), panContainer);
    for (QWidget* clickable : {panContainer, static_cast<QWidget*>(imgFoto)}) {
        clickable->installEventFilter(this);
        clickable->setCursor(Qt::PointingHandCursor);
    }
}

void TfrmZoom::setPicture(const QImage& picture) {
    imgFoto->setPicture(picture);
}

void TfrmZoom::showEvent(QShowEvent* event) {
    FixedDialog::showEvent(event);
    placePicture();
}

void TfrmZoom::resizeEvent(QResizeEvent* event) {
    FixedDialog::resizeEvent(event);
    placePicture();
}

// The screen less its margins, centred; never larger than the window itself.
void TfrmZoom::placePicture() {
    const QSize area = (screenSizeOf(this) - screenMargins).boundedTo(size());
    panContainer->setGeometry(
        QRect(QPoint((width() - area.width()) / 2, (height() - area.height()) / 2), area));
    imgFoto->setGeometry(panContainer->rect());
}

bool TfrmZoom::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        accept();
        return true;
    }
    return FixedDialog::eventFilter(watched, event);
}
