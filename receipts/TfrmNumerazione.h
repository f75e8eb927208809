#pragma once

#include "shell/ScreenKinds.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

// Sets the number from which the automatic numbering of receipts starts. Its only effect is the
// value written to Ricevute.ini: the receipt editor reads it at its next New.
class TfrmNumerazione : public FixedDialog {
    Q_OBJECT
public:
    explicit TfrmNumerazione(QWidget* opener);

    // "ricevute": the window reads and writes the receipts' start value.
    void setReturnTo(const QString& marker) { returnTo_ = marker; }
    QString returnTo() const { return returnTo_; }

    QGroupBox* grpNumerazione;
    QLineEdit* txtInizio;
    QWidget* effInizio;
    QPushButton* btnApplica;
    QPushButton* btnAnnulla;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildInstructions();
    void buildStartBox();
    void buildButtons();
    bool servesReceipts() const;
    void putStoredStart();
    void settleStart();
    void applyAndClose();

    QString returnTo_;
};

// The receipt editor's impNumerazione.
void openNumbering(QWidget* opener);
