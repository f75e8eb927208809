#pragma once

#include <QDialog>
#include <functional>
#include <memory>

// Runs a dialog modally: exec(), or, in tests, hands the live dialog to the test's driver,
// which acts on it and closes it. Returns the dialog's result code.
int execDialog(QDialog& dialog);

using DialogDriver = std::function<void(QDialog& dialog)>;
void setDialogDriverForTests(DialogDriver driver);

// Creates a dialog owned by the opener, lets the opener write into it, runs it modally
// and destroys it once it has closed: every opening starts from the design values.
template <class Dialog, class Prepare> int run_dialog(QWidget* opener, Prepare&& prepare) {
    std::unique_ptr<Dialog> dialog(new Dialog(opener));
    prepare(*dialog);
    return execDialog(*dialog);
}

template <class Dialog> int run_dialog(QWidget* opener) {
    return run_dialog<Dialog>(opener, [](Dialog&) {});
}
