#pragma once

#include <QWidget>
#include <memory>
#include <vector>

// The persistent screens of the program, created once, the login screen first: being the
// first, it is the main window.
class ProgramScreens {
public:
    ProgramScreens();
    ~ProgramScreens();
    ProgramScreens(const ProgramScreens&) = delete;
    ProgramScreens& operator=(const ProgramScreens&) = delete;

    // Shows the login screen, the only window shown at start.
    void start();

private:
    std::vector<std::unique_ptr<QWidget>> screens_;
};
