#pragma once

#include "members/CheckWindow.h"

// Tells whether a personal tax code carries the right check character.
class TfrmCodFisc : public CheckWindow {
    Q_OBJECT
public:
    explicit TfrmCodFisc(QWidget* opener);

    QLineEdit* txtCodFisc;

protected:
    void check() override;
};

// Runs the tax code check with the code, trimmed and in capitals, in its box.
void checkTaxCode(QWidget* opener, const QString& code);

// What the member editor's tax code button runs for the text of its box: the VAT number check
// for a code made only of digits, the tax code check otherwise (an empty code too).
void checkEditorTaxCode(QWidget* opener, const QString& editorText);
