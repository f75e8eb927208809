#include "ui/DialogRunner.h"

namespace {
DialogDriver& testDriver() {
    static DialogDriver driver;
    return driver;
}
} // namespace

int execDialog(QDialog& dialog) {
    if (!testDriver())
        return dialog.exec();
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    testDriver()(dialog);
    if (dialog.isVisible())
        dialog.done(QDialog::Rejected); // a driver that forgot to close must not leak a window
    return dialog.result();
}

void setDialogDriverForTests(DialogDriver driver) {
    testDriver() = std::move(driver);
}
