#pragma once

#include <functional>

class QWidget;

// The persistent screens: created once at start-up, then only shown and hidden.
enum class Screen {
    Password,
    CambiaPassword,
    Avvio,
    Anagrafica,
    MenuRicevute,
    Ricevute,
    Statistiche,
    MenuRiepLavoro,
};

namespace ScreenFlow {

void registerScreen(Screen id, QWidget* screen);
QWidget* screen(Screen id);
template <class T> T* screenAs(Screen id) {
    return static_cast<T*>(screen(id));
}

// Shows the target (running its on-show step), then hides the current screen.
void moveTo(Screen target, QWidget* current);

// Ends the event loop and the program.
void terminate();

// Tests see the end of the program instead of it; they also forget the registered screens.
void setTerminateHandlerForTests(std::function<void()> handler);
void forgetScreensForTests();

} // namespace ScreenFlow
