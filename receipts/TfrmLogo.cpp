#include "receipts/TfrmLogo.h"

#include "shell/Controls.h"
#include "shell/Fonts.h"
#include "storage/ProgramFolder.h"
#include "storage/StorageError.h"
#include "storage/WholeFileWriter.h"
#include "ui/DialogRunner.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBox.h"
#include "ui/Picture.h"
#include "ui/PictureFile.h"

#include <QBuffer>
#include <QImageWriter>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr QSize logoDesignSize{297, 184};
constexpr int logoLeft = 20;
constexpr int logoTop = 20;
constexpr int sideLeft = logoLeft + logoDesignSize.width() + 24;
constexpr int sideWidth = 260;

QByteArray bitmapBytes(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!QImageWriter(&buffer, "bmp").write(picture))
        throw StorageError(StorageError::Kind::WriteFailed,
                           QStringLiteral("the logo cannot be encoded as a bitmap"));
    return bytes;
}

QString logoNotStoredMessage() {
    return QStringLiteral("Attenzione: non è stato possibile salvare il logo nel file Logo.bmp.\n\r"
                          "\n\rAccertarsi di possedere i privilegi di scrittura nella cartella di "
                          "installazione del programma.");
}

QLabel* addSmallCaption(QWidget* parent, const QString& name, const QString& text,
                        const QRect& where) {
    QLabel* caption = addLabel(parent, name, text, where);
    caption->setFont(Fonts::font(Fonts::Family::verdana(), 9, false));
    return caption;
}

} // namespace

QImage defaultLogo() {
    return drawingOnWhite(QStringLiteral(":/pictures/logo_predefinito.svg"), logoDesignSize);
}

QImage emptyLogo() {
    QImage logo(2, 2, QImage::Format_ARGB32);
    logo.fill(QColor(255, 255, 255, 0));
    return logo;
}

QImage decodedLogo(const QString& path) {
    const QImage picture = readJpegOrBitmap(path);
    return picture.isNull() ? defaultLogo() : picture;
}

QImage associationLogo() {
    return decodedLogo(logoPath());
}

void storeAssociationLogo(const QImage& logo) {
    replaceWholeFile(logoPath(), bitmapBytes(logo));
}

TfrmLogo::TfrmLogo(QWidget* opener)
    : FixedDialog(opener, QStringLiteral("TfrmLogo"),
                  QStringLiteral(" Impostazione logo Associazione"), QSize(620, 262)) {
    imgLogo =
        new PictureBox(QStringLiteral("imgLogo"), defaultLogo(), this, PictureBox::Look::Framed);
    imgLogo->move(logoLeft, logoTop);
    buildSmallPictures();

    addInstruction(
        this, QStringLiteral("imgIstruzioni"),
        QStringLiteral("Scegliere il logo dell'Associazione con il pulsante Sfoglia: "
                       "un'immagine in formato JPEG o Bitmap di 297 x 184 pixel. Le immagini "
                       "di altre dimensioni vengono adattate."),
        QRect(sideLeft, logoTop, sideWidth, 118));

    btnSfoglia = addButton(this, QStringLiteral("btnSfoglia"), QStringLiteral("Sfoglia..."),
                           QRect(sideLeft, 150, 130, 34));
    btnApplica = addButton(this, QStringLiteral("btnApplica"), QStringLiteral("Applica e chiudi"),
                           QRect(sideLeft, 210, 160, 34));
    btnAnnulla = addButton(this, QStringLiteral("btnAnnulla"), QStringLiteral("Annulla"),
                           QRect(sideLeft + 170, 210, 90, 34));
    connect(btnSfoglia, &QPushButton::clicked, this, &TfrmLogo::browse);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmLogo::apply);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

// Under the logo box: the euro sign at the left brings the default logo back, the cross at
// the right removes the logo.
void TfrmLogo::buildSmallPictures() {
    const int top = logoTop + logoDesignSize.height() + 8;
    const int right = logoLeft + logoDesignSize.width();
    imgEuro =
        new Picture(QStringLiteral("imgEuro"), QStringLiteral(":/pictures/logo_euro.svg"), this);
    imgEuro->setGeometry(logoLeft, top, 28, 28);
    addSmallCaption(this, QStringLiteral("lblEuro"), QStringLiteral("Logo predefinito"),
                    QRect(logoLeft + 34, top + 2, 125, 24));
    btnCancLogo = new Picture(QStringLiteral("btnCancLogo"),
                              QStringLiteral(":/pictures/cancella_allegato.svg"), this);
    btnCancLogo->setGeometry(right - 28, top, 28, 28);
    QLabel* remove =
        addSmallCaption(this, QStringLiteral("lblCancLogo"), QStringLiteral("Nessun logo"),
                        QRect(right - 134, top + 2, 100, 24));
    remove->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (Picture* picture : {imgEuro, btnCancLogo})
        picture->makeClickable();
    connect(imgEuro, &Picture::clicked, this, [this] { imgLogo->setPicture(defaultLogo()); });
    connect(btnCancLogo, &Picture::clicked, this, [this] { imgLogo->setPicture(emptyLogo()); });
    addHiddenPicture(this, QStringLiteral("imgTemp"), defaultLogo());
    addHiddenPicture(this, QStringLiteral("imgBianco"), emptyLogo());
}

void TfrmLogo::showEvent(QShowEvent* event) {
    FixedDialog::showEvent(event);
    if (!event->spontaneous())
        imgLogo->setPicture(associationLogo());
}

void TfrmLogo::browse() {
    // Qt reads the patterns from the brackets, separated by blanks.
    const std::optional<QString> path = askOpenFileName(
        this, QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o Bitmap."),
        QString(), QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"));
    if (path)
        imgLogo->setPicture(decodedLogo(*path));
}

void TfrmLogo::apply() {
    try {
        storeAssociationLogo(imgLogo->picture());
    } catch (const std::exception&) {
        // The old Logo.bmp is whole; the window stays open so the user may retry or cancel.
        showMessage(this, MessageKind::Warning, logoNotStoredMessage());
        return;
    }
    accept();
}

void openLogoWindow(QWidget* opener) {
    run_dialog<TfrmLogo>(opener);
}
