#pragma once

#include "shell/ScreenKinds.h"
#include "ui/PictureBox.h"

#include <QImage>

class Picture;
class QPushButton;

// The association's logo, Logo.bmp in the program folder, printed on every receipt.

// The built-in logo used while there is no Logo.bmp: a blue euro sign, 297 x 184, on white.
QImage defaultLogo();
// The logo that prints as nothing: 2 x 2, white and transparent.
QImage emptyLogo();
// The picture of a JPEG or bitmap file; the default logo when it cannot be read or decoded.
QImage decodedLogo(const QString& path);
// The logo of the receipts, read afresh from Logo.bmp at every call.
QImage associationLogo();
// Writes the picture as Logo.bmp, in bitmap format at its own pixel size, replacing the old
// file as a whole: a failure leaves the old file and raises StorageError::WriteFailed.
void storeAssociationLogo(const QImage& logo);

// Chooses the logo from a picture file, goes back to the default or removes it. Nothing is
// written before "Applica e chiudi".
class TfrmLogo : public FixedDialog {
    Q_OBJECT
public:
    explicit TfrmLogo(QWidget* opener);

    PictureBox* imgLogo;
    Picture* imgEuro;
    Picture* btnCancLogo;
    QPushButton* btnSfoglia;
    QPushButton* btnApplica;
    QPushButton* btnAnnulla;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildSmallPictures();
    void browse();
    void apply();
};

// The receipts menu's link "Imposta logo Ditta".
void openLogoWindow(QWidget* opener);
