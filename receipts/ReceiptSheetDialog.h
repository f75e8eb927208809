#pragma once

#include "shell/ScreenKinds.h"
#include "storage/ReceiptRecord.h"

#include <QImage>

class QPushButton;
class Report;

// What the two receipt sheet dialogs say and what their confirm button does.
struct ReceiptSheetDialogTexts {
    QString objectName;
    QString caption;
    QString title;
    QString whatItDoes;
    QString howToGoOn;
    QString confirm;
};

// The receipt editor's print and preview dialogs: the receipt the editor hands over, both
// copies, with the logo read when the dialog is shown.
class ReceiptSheetDialog : public FixedDialog {
    Q_OBJECT
public:
    QPushButton* btnAnnulla;
    QPushButton* btnStampa;

    // The receipt as the editor shows it, whether saved or not.
    void setReceipt(const ReceiptRecord& receipt) { receipt_ = receipt; }

protected:
    ReceiptSheetDialog(QWidget* opener, const ReceiptSheetDialogTexts& texts);

    void showEvent(QShowEvent* event) override;
    // Prints or previews the filled sheet.
    virtual void output(const Report& sheet) = 0;

private:
    void buildInstructions(const ReceiptSheetDialogTexts& texts);
    void fillAndOutput();

    ReceiptRecord receipt_;
    QImage logo_;
};
