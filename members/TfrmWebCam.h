#pragma once

#include "shell/ScreenKinds.h"

#include <QPointer>
#include <memory>

class CameraSource;
class PhotoBox;
class QPushButton;

// Takes the member's photo with the computer's webcam: a live view, a captured picture, and
// the ways to save it to disk or put it into the member editor's photo box.
class TfrmWebCam : public FixedDialog {
    Q_OBJECT
public:
    explicit TfrmWebCam(QWidget* opener);
    ~TfrmWebCam() override;

    // The member editor's photo box, which "Importa foto in scheda" fills.
    void setPhotoBox(PhotoBox* box);

    PhotoBox* imgCamera;
    PhotoBox* imgTarget;
    QPushButton* btnAccendi;
    QPushButton* btnSpegni;
    QPushButton* btnCattura;
    QPushButton* btnSalvaFotogramma;
    QPushButton* btnImportaFoto;
    QPushButton* btnClose;

private:
    void switchOn();
    void switchOff();
    void showFrame(const QImage& frame);
    void importIntoCard();

    std::unique_ptr<CameraSource> camCamera;
    bool cameraOn_ = false;
    QPointer<PhotoBox> photoBox_;
};
