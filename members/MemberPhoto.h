#pragma once

#include <QImage>
#include <QString>

class PhotoBox;
class QWidget;

// The photo file of the member at a position: <program folder>/Schedario/Socio_<position>.jpg.
QString memberPhotoPath(const QString& position);

// Reads the photo of the position into the box; any failure shows the placeholder, silently.
void LoadMemberPhoto(PhotoBox& box, const QString& position);
// Writes the picture of the box as the photo of the position, replacing the old one as a
// whole. False when it was not written; the box then shows the placeholder.
bool StoreMemberPhoto(PhotoBox& box, const QString& position);
// The warning the member editor shows when a saved card's photo could not be written.
QString photoNotStoredMessage();

// btnCaricaFoto: a JPEG or bitmap picture chosen by the user goes into the box.
void loadPhotoFromDisk(QWidget* opener, PhotoBox& box);
// btnSalvaFoto: a copy of the box's picture goes to a file chosen by the user.
void savePhotoCopy(QWidget* opener, PhotoBox& box);
// The same for any picture (the webcam window saves its captured frame so); a copy that cannot
// be written is reported and the picture stays where it is.
void savePictureCopy(QWidget* opener, const QImage& picture);
// btnZoomFoto: the picture full screen.
void zoomPhoto(QWidget* opener, const QImage& picture);
// btnAcquisisciFoto: the webcam window, which may put its captured picture into the box.
void capturePhoto(QWidget* opener, PhotoBox& box);
