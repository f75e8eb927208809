#include "app/ScreenFlow.h"

#include "app/ScreenKinds.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>

namespace {

QHash<Screen, QPointer<QWidget>>& registry() {
    static QHash<Screen, QPointer<QWidget>> screens;
    return screens;
}

std::function<void()>& terminateHandler() {
    static std::function<void()> handler;
    return handler;
}

} // namespace

namespace ScreenFlow {

void registerScreen(Screen id, QWidget* screen) {
    registry().insert(id, screen);
}

QWidget* screen(Screen id) {
    return registry().value(id);
}

void moveTo(Screen target, QWidget* current) {
    QWidget* next = screen(target);
    if (auto* persistent = qobject_cast<PersistentScreen*>(next))
        persistent->showScreen();
    else if (next)
        next->show();
    if (current && current != next)
        current->hide();
}

void terminate() {
    if (terminateHandler()) {
        terminateHandler()();
        return;
    }
    QCoreApplication::quit();
}

void setTerminateHandlerForTests(std::function<void()> handler) {
    terminateHandler() = std::move(handler);
}

void forgetScreensForTests() {
    registry().clear();
}

} // namespace ScreenFlow
