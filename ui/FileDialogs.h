#pragma once

#include <QString>
#include <functional>
#include <optional>

class QWidget;

// What the program asks the user for through a standard dialog.
struct UserRequest {
    enum class Kind { OpenFile, SaveFile, Text };
    Kind kind;
    QString caption;
    QString folderOrLabel;   // start folder of a file dialog, prompt of an input box
    QString filterOrInitial; // file filter, or the input box's initial text
};

// Each returns the answer, or nothing when the user cancelled.
std::optional<QString> askOpenFileName(QWidget* parent, const QString& caption,
                                       const QString& folder, const QString& filter);
std::optional<QString> askSaveFileName(QWidget* parent, const QString& caption,
                                       const QString& folder, const QString& filter);
std::optional<QString> askText(QWidget* parent, const QString& caption, const QString& label,
                               const QString& initial);

using UserRequestHandler = std::function<std::optional<QString>(const UserRequest& request)>;
void setUserRequestHandlerForTests(UserRequestHandler handler);
