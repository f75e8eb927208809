#include "app/HintLine.h"

#include "app/EventHook.h"
#include "app/Fonts.h"
#include "app/ScreenKinds.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

HintLine::HintLine(QLabel* panInfo, QWidget* window)
    : QObject(panInfo), panInfo_(panInfo), window_(window) {
    // The mouse entering any widget of the screen decides, whatever that widget is: plain
    // labels, for instance, are made by each screen long after this line.
    qApp->installEventFilter(this);
}

HintLine::~HintLine() {
    qApp->removeEventFilter(this);
}

void HintLine::addHint(QWidget* control, const QString& hint) {
    control->setProperty("hint", hint);
}

void HintLine::addBackground(QWidget* decoration) {
    decoration->setProperty("background", true);
}

namespace {
// Where the mouse was last seen by the program, in screen coordinates.
std::optional<QPoint>& lastMousePosition() {
    static std::optional<QPoint> position;
    return position;
}

void noteMousePosition(const QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        lastMousePosition() = static_cast<const QMouseEvent*>(event)->globalPosition().toPoint();
        break;
    default:
        break;
    }
}
} // namespace

bool HintLine::eventFilter(QObject* watched, QEvent* event) {
    noteMousePosition(event);
    if (watched == window_ && event->type() == QEvent::Show)
        mouseAtShow_ = lastMousePosition().value_or(QCursor::pos());
    if (event->type() != QEvent::Enter || !watched->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(watched);
    if (widget->window() != window_)
        return false;
    // A window shown under a resting mouse: the mouse has not moved yet.
    const QPoint position = static_cast<QEnterEvent*>(event)->globalPosition().toPoint();
    lastMousePosition() = position;
    if (mouseAtShow_ == position)
        return false;
    mouseAtShow_.reset();
    const QVariant hint = widget->property("hint");
    if (hint.isValid())
        panInfo_->setText(hint.toString());
    else if (isBackground(widget))
        panInfo_->clear();
    return false;
}

bool HintLine::isBackground(const QWidget* widget) const {
    if (widget == window_ || widget->objectName() == QStringLiteral("panContainer") ||
        widget->property("background").toBool())
        return true;
    // A plain label takes no mouse input; a text link does.
    return qobject_cast<const QLabel*>(widget) && !widget->property("textLink").toBool();
}

HintLine* addHintLine(PersistentScreen* screen, const QString& initialText) {
    QWidget* panel = screen->container();
    auto* panInfo = new QLabel(initialText, panel);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setFont(Fonts::hintLine());
    panInfo->setGeometry(0, panel->height() - 30, panel->width(), 30);
    panInfo->setIndent(12);
    panInfo->setStyleSheet(QStringLiteral("QLabel { background-color: #1F4E9A; color: white; }"));
    panInfo->setProperty("background", true);
    return new HintLine(panInfo, screen);
}
