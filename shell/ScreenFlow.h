#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <functional>
#include <stdexcept>

class PersistentScreen;
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

// Leads from one persistent screen to another. It knows the screens by their ids, so a screen
// never needs the class of the screen it leads to; whoever creates the screens registers them.
class ScreenFlow {
public:
    using EndProgram = std::function<void()>;
    // endProgram ends the event loop; by default the application quits.
    explicit ScreenFlow(EndProgram endProgram = {});

    void add(Screen id, PersistentScreen* screen);

    // The registered screen of that id, of the class the caller expects; a missing screen or
    // one of another class is a programming error (std::logic_error).
    template <class T> T& screen(Screen id) const {
        T* typed = qobject_cast<T*>(widget(id));
        if (!typed)
            throw std::logic_error("screen of another class registered under this id");
        return *typed;
    }

    // Shows the target (running its on-show step), then hides the current screen.
    void moveTo(Screen target, QWidget* current) const;

    // Ends the event loop and the program.
    void terminate() const;

private:
    QWidget* widget(Screen id) const;

    QHash<Screen, QPointer<PersistentScreen>> screens_;
    EndProgram endProgram_;
};
