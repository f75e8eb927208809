#pragma once

#include "shell/ScreenKinds.h"

class QLineEdit;
class QPushButton;

// Changes the password: asks the old one and the new one twice.
class TfrmCambiaPassword : public PersistentScreen {
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(ScreenFlow& screenFlow);

    QLineEdit* txtPasswordOld;
    QLineEdit* txtPasswordNew;
    QLineEdit* txtConferma;
    QPushButton* cmdOK;
    QPushButton* cmdEsci;

protected:
    void onShow() override;
    void closeStep() override;

private:
    void updateOkButton();
    void submit();
    void restartNewPassword(const QString& message);
};
