#pragma once

#include "members/CheckWindow.h"

// Tells whether an IBAN of 27 characters, the length of the Italian one, has correct check
// digits.
class TfrmIban : public CheckWindow {
    Q_OBJECT
public:
    explicit TfrmIban(QWidget* opener);

    QLineEdit* txtIban;

protected:
    void check() override;
};

// Runs the IBAN check with the IBAN, trimmed and in capitals, in its box.
void checkIban(QWidget* opener, const QString& iban);
