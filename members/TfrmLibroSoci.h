#pragma once

#include "shell/ScreenKinds.h"
#include "ui/Report.h"

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
struct MembersRegister;

// The register of members on a date, ordered by card number: printed, or written to a
// spreadsheet file.
class TfrmLibroSoci : public FixedDialog {
    Q_OBJECT
public:
    explicit TfrmLibroSoci(QWidget* opener);

    QLabel* lblIstruzioni;
    QLineEdit* txtData;
    QPushButton *btnStampa, *btnEsporta, *btnChiudi;

    // The printout of the register on the typed date; nothing when the date is not one or the
    // archive or the association's lines could not be read (the user has been told).
    std::optional<Report> registerReport();

private:
    // The register on the typed date; false when the date is not one or the archive could not
    // be read (the user has been told).
    bool readRegister(MembersRegister& found);
    void printRegister();
    void exportRegister();
};
