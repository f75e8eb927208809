#pragma once

#include "shell/ScreenFlow.h"

#include <memory>
#include <vector>

class PersistentScreen;

// The persistent screens of the program, created once, the login screen first: being the
// first, it is the main window. The screens live as long as this object.
class ProgramScreens {
public:
    explicit ProgramScreens(ScreenFlow::EndProgram endProgram = {});
    ~ProgramScreens();
    ProgramScreens(const ProgramScreens&) = delete;
    ProgramScreens& operator=(const ProgramScreens&) = delete;

    const ScreenFlow& flow() const { return flow_; }

    // Shows the login screen, the only window shown at start.
    void start();

private:
    template <class ScreenClass> void create(Screen id);
    void connectExpiryList();

    ScreenFlow flow_;
    std::vector<std::unique_ptr<PersistentScreen>> screens_;
};
