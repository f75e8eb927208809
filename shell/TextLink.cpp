#include "shell/TextLink.h"

#include "shell/EventHook.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

const QColor darkBlue(0x00, 0x00, 0x8B);
const QColor orange(0xFF, 0xA5, 0x00);

void paintLink(QLabel* link, const QColor& color) {
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, color);
    link->setPalette(palette);
}

void actAsLink(QWidget* widget, QLabel* link, const std::function<void()>& action) {
    widget->setCursor(Qt::PointingHandCursor);
    hookEvents(widget, [widget, link, action](QEvent* event) {
        if (event->type() == QEvent::MouseButtonPress) {
            paintLink(link, orange);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            paintLink(link, darkBlue);
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (widget->rect().contains(mouse->position().toPoint()))
                action();
            return true;
        }
        return false;
    });
}

} // namespace

void makeTextLink(QLabel* link, QWidget* picture, std::function<void()> action) {
    QFont font = link->font();
    font.setUnderline(true);
    link->setFont(font);
    link->setProperty("textLink", true);
    paintLink(link, darkBlue);
    actAsLink(link, link, action);
    if (picture)
        actAsLink(picture, link, action);
}
