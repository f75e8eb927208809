#pragma once

#include "shell/ScreenKinds.h"

#include <optional>

class QLineEdit;
class QPushButton;

// The login screen, the program's main window: only a correct password leads on.
class TfrmPassword : public PersistentScreen {
    Q_OBJECT
public:
    explicit TfrmPassword(ScreenFlow& screenFlow);

    // Back from the change of password: an empty field, ready for a new attempt.
    void clearPassword();

    QLineEdit* txtPassword;
    QPushButton* cmdOK;
    QPushButton* cmdEsci;
    QPushButton* btnCambiaPassword;

protected:
    void onShow() override;
    void closeStep() override;

private:
    void updateOkButton();
    void submit();
};

// The stored password; when the store cannot be read, both password screens say so and
// nothing comes back.
std::optional<QString> readStoredPasswordFor(QWidget* screen);
