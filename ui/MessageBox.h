#pragma once

#include <QString>
#include <functional>

class QWidget;

// The five kinds of message box of the program.
enum class MessageKind {
    Plain,       // no icon, OK
    Warning,     // validation messages; OK and Cancel do the same
    Error,       // file access failures; OK and Cancel do the same
    Information, // success and notices; OK and Cancel do the same
    Question,    // Yes / No
};

void showMessage(QWidget* parent, MessageKind kind, const QString& text);

// True when the user answered Yes.
bool askQuestion(QWidget* parent, const QString& text);

// Tests see every message instead of a modal box; the return value answers a question.
using MessageHandler = std::function<bool(MessageKind kind, const QString& text)>;
void setMessageHandlerForTests(MessageHandler handler);
