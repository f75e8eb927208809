#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <functional>
#include <stdexcept>

class PersistentScreen;
class QWidget;

// The persistent screens: each created once, when it is first needed, then only shown and
// hidden.
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
// never needs the class of the screen it leads to; whoever creates the screens registers them,
// made already or as a maker that the flow calls the first time the screen is asked for.
class ScreenFlow {
public:
    using EndProgram = std::function<void()>;
    // Makes the screen and returns it; the maker's owner keeps it alive.
    using ScreenMaker = std::function<PersistentScreen*()>;
    // endProgram ends the event loop; by default the application quits.
    explicit ScreenFlow(EndProgram endProgram = {});

    void add(Screen id, PersistentScreen* screen);
    void addMaker(Screen id, ScreenMaker maker);

    // The registered screen of that id, of the class the caller expects; a missing screen or
    // one of another class is a programming error (std::logic_error).
    template <class T> T& screen(Screen id) {
        T* typed = qobject_cast<T*>(widget(id));
        if (!typed)
            throw std::logic_error("screen of another class registered under this id");
        return *typed;
    }

    // Shows the target (running its on-show step), then hides the current screen.
    void moveTo(Screen target, QWidget* current);

    // Ends the event loop and the program.
    void terminate() const;

private:
    QWidget* widget(Screen id);

    QHash<Screen, QPointer<PersistentScreen>> screens_;
    QHash<Screen, ScreenMaker> makers_;
    EndProgram endProgram_;
};
