#pragma once

#include "receipts/ReceiptListDialog.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

// Finds receipts of the year by up to ten criteria. The criteria panel panAvvio comes first;
// a search replaces it with the list of the receipts found, in file order, for the rest of the
// window's life.
class TfrmTrovaRicevute : public ReceiptListDialog {
    Q_OBJECT
public:
    explicit TfrmTrovaRicevute(QWidget* opener);

    QWidget* panAvvio;
    QLineEdit *txtNumRic, *txtData;
    std::array<QLineEdit*, 4> txtCliRigo, txtDescrizione;
    QPushButton *btnCerca, *btnAnnulla;
    QLabel *lblAttendere, *lblTrovate;

protected:
    void buildList() override;
    void done(int result) override;

private:
    void buildCriteria();
    QLineEdit* addCriterion(const QString& name, const QString& caption, int row);
    void placeCount();
    ReceiptCriteria criteria() const;
    void search();

    bool searched_ = false;
};

// The receipt editor's cmdTrova.
void findReceipt(QWidget* editor, const QString& path, const ReceiptLoader& load);
