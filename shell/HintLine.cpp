#include "shell/HintLine.h"

#include "shell/Fonts.h"
#include "shell/ScreenKinds.h"

#include <QChildEvent>
#include <QLabel>
#include <QMouseEvent>

namespace {
const char* const hintProperty = "hint";
const char* const backgroundProperty = "background";
// Set by text links, which are labels that take the mouse.
const char* const textLinkProperty = "textLink";
} // namespace

HintLine::HintLine(QLabel* panInfo, QWidget* window)
    : QObject(panInfo), panInfo_(panInfo), window_(window) {
    watch(window_);
}

void HintLine::addHint(QWidget* control, const QString& hint) {
    control->setProperty(hintProperty, hint);
}

void HintLine::addKeyToHint(QWidget* control, const QString& keyName) {
    const QString hint = control->property(hintProperty).toString();
    addHint(control, hint + QStringLiteral(" (") + keyName + QLatin1Char(')'));
}

void HintLine::addBackground(QWidget* decoration) {
    decoration->setProperty(backgroundProperty, true);
}

// Every widget of the screen reports the mouse moving over it, also those made later.
void HintLine::watch(QWidget* widget) {
    widget->installEventFilter(this);
    widget->setMouseTracking(true);
    const auto children = widget->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* child : children)
        watch(child);
}

bool HintLine::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ChildAdded: {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType() && watched->isWidgetType())
            watch(static_cast<QWidget*>(child));
        break;
    }
    case QEvent::MouseMove:
        followMouseAt(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        break;
    default:
        break;
    }
    return false;
}

// Decided by the widget under the mouse, so a move that reaches a parent decides the same.
void HintLine::followMouseAt(const QPoint& globalPosition) {
    QWidget* under = window_->childAt(window_->mapFromGlobal(globalPosition));
    if (!under)
        under = window_;
    const QVariant hint = under->property(hintProperty);
    if (hint.isValid())
        panInfo_->setText(hint.toString());
    else if (isBackground(under))
        panInfo_->clear();
}

bool HintLine::isBackground(const QWidget* widget) const {
    if (widget == window_ || widget->objectName() == QStringLiteral("panContainer") ||
        widget->property(backgroundProperty).toBool())
        return true;
    // A plain label takes no mouse input; the hint line itself counts as a control.
    return qobject_cast<const QLabel*>(widget) && widget != panInfo_ &&
           !widget->property(textLinkProperty).toBool();
}

HintLine* addHintLine(QWidget* panel, QWidget* window, const QString& initialText) {
    return addHintLine(panel, window, initialText,
                       QRect(0, panel->height() - 30, panel->width(), 30));
}

HintLine* addHintLine(QWidget* panel, QWidget* window, const QString& initialText,
                      const QRect& where) {
    auto* panInfo = new QLabel(initialText, panel);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setFont(Fonts::hintLine());
    panInfo->setGeometry(where);
    panInfo->setIndent(12);
    panInfo->setStyleSheet(QStringLiteral("QLabel { background-color: #1F4E9A; color: white; }"));
    return new HintLine(panInfo, window);
}

HintLine* addHintLine(PersistentScreen* screen, const QString& initialText) {
    return addHintLine(screen->container(), screen, initialText);
}
