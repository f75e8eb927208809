#pragma once

#include "members/CheckWindow.h"

// Tells whether a VAT number has the right check digit and, when it has, names the VAT office
// that issued it.
class TfrmPartitaIva : public CheckWindow {
    Q_OBJECT
public:
    explicit TfrmPartitaIva(QWidget* opener);

    QLineEdit* txtPartitaIva;

protected:
    void check() override;
};

// Runs the VAT number check with the number, trimmed, in its box.
void checkVatNumber(QWidget* opener, const QString& number);
