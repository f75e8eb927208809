#pragma once

#include "shell/ScreenKinds.h"

class PriceListBox;
class QLineEdit;
class QPushButton;

// The price list window: items are added and removed in the list, which is written to
// Listino_Prezzi.lst only by "Salva e chiudi".
class TfrmListaPresc : public FixedDialog {
    Q_OBJECT
public:
    explicit TfrmListaPresc(QWidget* opener);

    QLineEdit* txtProdotto;
    QLineEdit* txtPrezzo;
    PriceListBox* lstRecords;
    QPushButton* btnTrova;
    QPushButton* btnElimina;
    QPushButton* btnStampa;
    QPushButton* btnAnnulla;
    QPushButton* btnChiudi;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildHeading();
    void buildInput();
    void buildButtons();
    void addItem();
    void deleteItem();
    void saveAndClose();
};

// The receipts menu's btnListino.
void openPriceList(QWidget* opener);
