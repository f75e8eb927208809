#include "shell/ScreenKinds.h"

#include <QAbstractButton>
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

void paintScreenBackground(QWidget* window) {
    QPainter painter(window);
    QLinearGradient background(0, 0, 0, window->height());
    background.setColorAt(0, QColor(0x1F, 0x4E, 0x9A));
    background.setColorAt(1, Qt::white);
    painter.fillRect(window->rect(), background);
}

QPoint centredContainerPosition(const QSize& window) {
    const QSize container = PersistentScreen::ContainerSize;
    return QPoint(qMax(0, (window.width() - container.width()) / 2),
                  qMax(0, (window.height() - container.height()) / 2));
}

void PersistentScreen::paintEvent(QPaintEvent*) {
    paintScreenBackground(this);
}

void PersistentScreen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (kind_ == Kind::Maximized)
        panContainer_->move(centredContainerPosition(size()));
    else
        panContainer_->setGeometry(rect());
}

FixedDialog::FixedDialog(QWidget* opener, const QString& objectName, const QString& caption,
                         QSize size)
    : QDialog(opener, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      openerWindow_(opener ? opener->window() : nullptr) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setFixedSize(size);
    if (openerWindow_)
        openerWindow_->installEventFilter(this);
}

QAbstractButton* FixedDialog::wayOut() const {
    // Cancelling first: "Chiudi" saves in some windows that also have "Annulla".
    for (const QString& name :
         {QStringLiteral("btnAnnulla"), QStringLiteral("btnClose"), QStringLiteral("btnChiudi"),
          QStringLiteral("cmdEsci"), QStringLiteral("btnEsci")}) {
        const auto buttons = findChildren<QAbstractButton*>(name);
        for (QAbstractButton* button : buttons)
            if (button->isVisibleTo(this) && button->isEnabled())
                return button;
    }
    return nullptr;
}

void FixedDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        if (QAbstractButton* button = wayOut())
            button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FixedDialog::closeEvent(QCloseEvent* event) {
    QAbstractButton* button = leaving_ ? nullptr : wayOut();
    if (button) {
        leaving_ = true; // a way out that closes the window itself ends here
        button->click();
        leaving_ = false;
    } else if (isVisible()) {
        reject();
    }
    event->setAccepted(!isVisible()); // a way out that asked and was refused keeps it open
}

void FixedDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // A minimised modal window would leave its opener blocked: they go and come back together.
    if (event->type() == QEvent::WindowStateChange && isMinimized() && openerWindow_ &&
        !openerWindow_->isMinimized())
        openerWindow_->showMinimized();
}

bool FixedDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == openerWindow_ && isVisible() && isMinimized()) {
        const bool openerBack =
            (event->type() == QEvent::WindowStateChange && !openerWindow_->isMinimized()) ||
            event->type() == QEvent::WindowActivate;
        if (openerBack)
            comeBackWithOpener();
    }
    return QDialog::eventFilter(watched, event);
}

void FixedDialog::comeBackWithOpener() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}
