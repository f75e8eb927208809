#include "members/TfrmWebCam.h"

#include "members/MemberPhoto.h"
#include "members/PhotoBox.h"
#include "shell/Controls.h"
#include "ui/Camera.h"
#include "ui/MessageBox.h"

#include <QFrame>
#include <QPushButton>

namespace {
constexpr int margin = 20;
constexpr int gap = 20;
constexpr int buttonHeight = 34;
constexpr int boxWidth = PhotoBox::DesignSize.width();
constexpr int left = margin;
constexpr int right = margin + boxWidth + gap;
constexpr int row1 = margin + PhotoBox::DesignSize.height() + 16;
constexpr int row2 = row1 + buttonHeight + 10;
constexpr int closeRow = row2 + buttonHeight + 16;
constexpr QSize windowSize{right + boxWidth + margin, closeRow + buttonHeight + margin};

// A thin frame around a picture box.
void addFrameAround(QWidget* box, const QString& name) {
    auto* frame = new QFrame(box->parentWidget());
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::Box);
    frame->setStyleSheet(QStringLiteral("QFrame { border: 2px solid #87CEEB; }"));
    frame->setGeometry(box->geometry().adjusted(-3, -3, 3, 3));
    frame->stackUnder(box);
}
} // namespace

TfrmWebCam::TfrmWebCam(QWidget* opener)
    : FixedDialog(opener, QStringLiteral("TfrmWebCam"), QStringLiteral(" Cattura foto con webcam"),
                  windowSize),
      camCamera(openDefaultCamera()) {
    const int halfWidth = (boxWidth - 10) / 2;

    imgCamera = new PhotoBox(QStringLiteral("imgCamera"), this);
    imgCamera->move(left, margin);
    imgCamera->setPicture(drawingAtPhotoSize(QStringLiteral(":/pictures/webcam.svg")));
    addFrameAround(imgCamera, QStringLiteral("shpCamera"));
    imgTarget = new PhotoBox(QStringLiteral("imgTarget"), this);
    imgTarget->move(right, margin);
    imgTarget->setPicture(drawingAtPhotoSize(QStringLiteral(":/pictures/fotocamera.svg")));
    addFrameAround(imgTarget, QStringLiteral("shpTarget"));

    btnAccendi = addButton(this, QStringLiteral("btnAccendi"), QStringLiteral("Accendi webcam"),
                           QRect(left, row1, halfWidth, buttonHeight));
    btnSpegni = addButton(this, QStringLiteral("btnSpegni"), QStringLiteral("Spegni webcam"),
                          QRect(left + boxWidth - halfWidth, row1, halfWidth, buttonHeight));
    btnCattura = addButton(this, QStringLiteral("btnCattura"), QStringLiteral("Cattura foto"),
                           QRect(left, row2, boxWidth, buttonHeight));
    btnSalvaFotogramma =
        addButton(this, QStringLiteral("btnSalvaFotogramma"), QStringLiteral("Salva foto su disco"),
                  QRect(right, row1, boxWidth, buttonHeight));
    btnImportaFoto =
        addButton(this, QStringLiteral("btnImportaFoto"), QStringLiteral("Importa foto in scheda"),
                  QRect(right, row2, boxWidth, buttonHeight));
    btnClose = addButton(this, QStringLiteral("btnClose"), QStringLiteral("Annulla"),
                         QRect(right + boxWidth - 120, closeRow, 120, buttonHeight));

    if (camCamera) {
        camCamera->setObjectName(QStringLiteral("camCamera"));
        // Frames come from the camera's own thread; the picture is touched here only.
        connect(camCamera.get(), &CameraSource::frameReady, this, &TfrmWebCam::showFrame,
                Qt::QueuedConnection);
    }
    connect(btnAccendi, &QPushButton::clicked, this, &TfrmWebCam::switchOn);
    connect(btnSpegni, &QPushButton::clicked, this, &TfrmWebCam::switchOff);
    connect(btnCattura, &QPushButton::clicked, this,
            [this] { imgTarget->setPicture(imgCamera->picture()); });
    connect(btnSalvaFotogramma, &QPushButton::clicked, this,
            [this] { savePictureCopy(this, imgTarget->picture()); });
    connect(btnImportaFoto, &QPushButton::clicked, this, &TfrmWebCam::importIntoCard);
    connect(btnClose, &QPushButton::clicked, this, [this] {
        switchOff();
        reject();
    });
}

// However the window goes, the camera does not stay on.
TfrmWebCam::~TfrmWebCam() {
    switchOff();
}

void TfrmWebCam::setPhotoBox(PhotoBox* box) {
    photoBox_ = box;
}

// Without a camera, or with one that does not start, the live view keeps its drawing and the
// user is told why nothing moves.
void TfrmWebCam::switchOn() {
    if (cameraOn_)
        return;
    if (!camCamera) {
        showMessage(this, MessageKind::Warning,
                    QStringLiteral("Impossibile avviare la webcam: nessuna webcam disponibile."));
        return;
    }
    cameraOn_ = camCamera->start();
    if (!cameraOn_)
        showMessage(this, MessageKind::Warning,
                    QStringLiteral("Impossibile avviare la webcam: la webcam non risponde o è "
                                   "già in uso."));
}

void TfrmWebCam::switchOff() {
    if (camCamera)
        camCamera->stop();
    cameraOn_ = false;
}

// A frame still on its way when the camera was switched off is not shown.
void TfrmWebCam::showFrame(const QImage& frame) {
    if (cameraOn_ && !frame.isNull())
        imgCamera->setPicture(frame);
}

void TfrmWebCam::importIntoCard() {
    switchOff();
    if (photoBox_)
        photoBox_->setPicture(imgTarget->picture());
    accept();
}
