#pragma once

#include <QApplication>
#include <exception>

// The application object: an exception that escapes an event handler is shown to the user
// and the program goes on.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

// The general error report, shown for any failure that no screen caught.
void reportUnexpectedError(const std::exception* error);
