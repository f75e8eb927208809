#include "shell/ScreenFlow.h"

#include "shell/ScreenKinds.h"

#include <QCoreApplication>

ScreenFlow::ScreenFlow(EndProgram endProgram) : endProgram_(std::move(endProgram)) {
    if (!endProgram_)
        endProgram_ = [] { QCoreApplication::quit(); };
}

void ScreenFlow::add(Screen id, PersistentScreen* screen) {
    screens_.insert(id, screen);
}

void ScreenFlow::addMaker(Screen id, ScreenMaker maker) {
    makers_.insert(id, std::move(maker));
}

QWidget* ScreenFlow::widget(Screen id) {
    if (!screens_.contains(id) && makers_.contains(id))
        screens_.insert(id, makers_.take(id)());
    QWidget* found = screens_.value(id);
    if (!found)
        throw std::logic_error("no screen registered under this id");
    return found;
}

void ScreenFlow::moveTo(Screen target, QWidget* current) {
    auto& next = screen<PersistentScreen>(target);
    next.showScreen();
    if (current && current != &next)
        current->hide();
}

void ScreenFlow::terminate() const {
    endProgram_();
}
