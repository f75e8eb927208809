#pragma once

#include "shell/ScreenFlow.h"

#include <functional>
#include <memory>
#include <vector>

class PersistentScreen;
class TfrmAvvio;

// The persistent screens of the program, each created the first time it is shown or asked
// for; the login screen comes first and, being the first, is the main window. The screens
// live as long as this object.
class ProgramScreens {
public:
    explicit ProgramScreens(ScreenFlow::EndProgram endProgram = {});
    ~ProgramScreens();
    ProgramScreens(const ProgramScreens&) = delete;
    ProgramScreens& operator=(const ProgramScreens&) = delete;

    ScreenFlow& flow() { return flow_; }

    // Shows the login screen, the only window shown at start.
    void start();

private:
    template <class ScreenClass>
    void addScreen(Screen id, std::function<void(ScreenClass&)> prepare = {});
    void connectExpiryList(TfrmAvvio& mainMenu);

    ScreenFlow flow_;
    std::vector<std::unique_ptr<PersistentScreen>> screens_;
};
