#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// Asks the operating system to open a document, a web address or a "mailto:" address with
// the program registered for it. File paths and "mailto:" targets arrive wrapped in double
// quotes, web addresses bare. Nothing that comes back is reported.
void open_with_shell(const QString& target);
// Opens the e-mail program on a new message: the mailto: address, fully encoded.
void openNewMessage(const QUrl& mailto);

// The address handed to the desktop for a shell target.
QUrl urlForShellTarget(const QString& target);

using ShellHandler = std::function<void(const QString& target)>;
void setShellHandlerForTests(ShellHandler handler);
