#include "members/MemberPhoto.h"

#include "members/PhotoBox.h"
#include "members/TfrmWebCam.h"
#include "members/TfrmZoom.h"
#include "storage/ProgramFolder.h"
#include "storage/StorageError.h"
#include "storage/TextCodec.h"
#include "storage/WholeFileWriter.h"
#include "ui/DialogRunner.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBox.h"
#include "ui/PictureFile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QStandardPaths>

namespace {

constexpr int jpegQuality = 90;

// Positions are written by the program itself; anything else names no photo.
bool isPosition(const QString& position) {
    const QString trimmed = trimBlanks(position);
    if (trimmed.isEmpty())
        return false;
    for (QChar c : trimmed) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

QString photoNotShownMessage(const QString& path) {
    return QStringLiteral(
               "Attenzione: non è stato possibile mostrare la foto della scheda (file ") +
           QFileInfo(path).fileName() +
           QStringLiteral(" nella cartella Schedario).\n\r\n\rIl file della foto resta com'è: "
                          "salvando la scheda senza cambiarne la foto non verrà sostituito.");
}

// JPEG keeps no transparency: transparent parts become white, not black.
QImage opaque(const QImage& picture) {
    if (!picture.hasAlphaChannel())
        return picture;
    QImage flattened(picture.size(), QImage::Format_RGB32);
    flattened.fill(Qt::white);
    QPainter(&flattened).drawImage(0, 0, picture);
    return flattened;
}

// The whole file or nothing: an interrupted write leaves any old file as it was.
bool writePicture(const QImage& picture, const QString& path, const QByteArray& format) {
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(jpegQuality);
    if (!writer.write(opaque(picture)))
        return false;
    try {
        replaceWholeFile(path, encoded);
        return true;
    } catch (const StorageError&) {
        return false;
    }
}

// Encoded by the extension of the name; a name without a known one gets the dialog's JPEG.
QByteArray formatForPath(const QString& path) {
    const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
    if (!suffix.isEmpty() && QImageWriter::supportedImageFormats().contains(suffix))
        return suffix;
    return QByteArrayLiteral("jpg");
}

QString proposedCopyPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("Foto.jpg"));
}

QString copyNotSavedMessage(const QString& path) {
    return QStringLiteral("Attenzione: non è stato possibile salvare la foto nel file ") +
           QDir::toNativeSeparators(path) +
           QStringLiteral(".\n\r\n\rAccertarsi di possedere i privilegi di scrittura nella "
                          "cartella scelta.");
}

} // namespace

QString memberPhotoPath(const QString& position) {
    return photosFolder() + QStringLiteral("/Socio_") + trimBlanks(position) +
           QStringLiteral(".jpg");
}

void LoadMemberPhoto(PhotoBox& box, const QString& position) {
    QDir().mkpath(photosFolder());
    const QString path = isPosition(position) ? memberPhotoPath(position) : QString();
    box.setPicture(path.isEmpty() ? QImage() : readJpegOrBitmap(path));
    const bool isStoredPhoto = !box.showsPlaceholder() || QFileInfo(path).size() > 0;
    box.rememberStoredFile(isStoredPhoto ? path : QString());
    if (isStoredPhoto && box.showsPlaceholder())
        showMessage(&box, MessageKind::Warning, photoNotShownMessage(path));
}

bool StoreMemberPhoto(PhotoBox& box, const QString& position) {
    if (isPosition(position) && box.showsStoredFile(memberPhotoPath(position)))
        return true;
    const bool stored = isPosition(position) && QDir().mkpath(photosFolder()) &&
                        writePicture(box.picture(), memberPhotoPath(position), "jpg");
    if (!stored)
        box.showPlaceholder();
    return stored;
}

QString photoNotStoredMessage() {
    return QStringLiteral(
        "Attenzione: la scheda è stata salvata in archivio, ma non è stato possibile salvarne "
        "la foto nella cartella Schedario.\n\r\n\rAccertarsi di possedere i privilegi di "
        "scrittura nella cartella di installazione del programma.");
}

void loadPhotoFromDisk(QWidget* opener, PhotoBox& box) {
    // Qt reads the patterns from the brackets, separated by blanks.
    const std::optional<QString> path = askOpenFileName(
        opener, QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."),
        QString(), QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"));
    if (path)
        box.setPicture(readJpegOrBitmap(*path));
}

void savePictureCopy(QWidget* opener, const QImage& picture) {
    const std::optional<QString> path = askSaveFileName(
        opener, QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."),
        proposedCopyPath(), QStringLiteral("File Jpeg (*.jpg)"));
    if (path && !writePicture(picture, *path, formatForPath(*path)))
        showMessage(opener, MessageKind::Warning, copyNotSavedMessage(*path));
}

void savePhotoCopy(QWidget* opener, PhotoBox& box) {
    savePictureCopy(opener, box.picture());
}

void zoomPhoto(QWidget* opener, const QImage& picture) {
    run_dialog<TfrmZoom>(opener, [&](TfrmZoom& zoom) { zoom.setPicture(picture); });
}

void capturePhoto(QWidget* opener, PhotoBox& box) {
    run_dialog<TfrmWebCam>(opener, [&](TfrmWebCam& webcam) { webcam.setPhotoBox(&box); });
}
