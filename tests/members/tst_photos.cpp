#include "members/MemberAttachments.h"
#include "members/MemberPhoto.h"
#include "members/PhotoBox.h"
#include "members/TfrmAllegaCartella.h"
#include "members/TfrmWebCam.h"
#include "members/TfrmZoom.h"
#include "storage/WholeFileWriter.h"
#include "tests/support/NoFileWrites.h"
#include "tests/support/ScreenTest.h"
#include "tests/support/TextFit.h"
#include "ui/Camera.h"
#include "ui/DialogRunner.h"
#include "ui/FileDialogs.h"
#include "ui/Picture.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <functional>
#include <optional>

namespace {

// What the fake camera was told, kept beyond the window that owns the camera.
struct CameraLog {
    bool startSucceeds = true;
    bool running = false;
    int starts = 0;
};

class FakeCamera : public CameraSource {
public:
    explicit FakeCamera(std::shared_ptr<CameraLog> log) : log_(std::move(log)) {}
    bool start() override {
        ++log_->starts;
        log_->running = log_->startSucceeds;
        return log_->startSucceeds;
    }
    void stop() override { log_->running = false; }

    // A frame as a real camera delivers it: from a thread of its own.
    void deliverFromOwnThread(const QImage& frame) {
        std::unique_ptr<QThread> thread(
            QThread::create([this, frame] { Q_EMIT frameReady(frame); }));
        thread->start();
        thread->wait();
    }

private:
    std::shared_ptr<CameraLog> log_;
};

QImage solidPicture(const QColor& colour, QSize size = QSize(640, 480)) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

// Left half red, right half blue: a picture whose proportions and sides can be told apart.
QImage twoColourPicture() {
    QImage picture = solidPicture(Qt::red, QSize(200, 100));
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = picture.width() / 2; x < picture.width(); ++x)
            picture.setPixelColor(x, y, Qt::blue);
    }
    return picture;
}

// The mean difference per colour channel, 0 to 255; JPEG stays within a few units.
double meanDifference(const QImage& a, const QImage& b) {
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    if (left.size() != right.size())
        return 255;
    double total = 0;
    for (int y = 0; y < left.height(); ++y) {
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = left.pixel(x, y);
            const QRgb q = right.pixel(x, y);
            total +=
                qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    }
    return total / (3.0 * left.width() * left.height());
}

QByteArray imageFormatOf(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.format();
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton);
}

// Pixels that JPEG cannot squeeze much: a photo of some kilobytes even when small.
QImage noisyPicture(QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    quint32 seed = 12345;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            picture.setPixel(x, y, seed >> 8);
        }
    }
    return picture;
}

QByteArray encoded(const QImage& picture, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format);
    return bytes;
}

const QByteArray svgPicture =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"30\">"
    "<rect width=\"40\" height=\"30\" fill=\"red\"/></svg>";
#ifdef Q_OS_LINUX
// Whether a shared library of this name is loaded in this process, from its memory map.
bool libraryLoaded(const QByteArray& name) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
}
#endif

MemberAttachments attachmentsOf(std::array<QString, 3> files, std::array<QString, 3> descriptions) {
    MemberAttachments attachments;
    attachments.files = std::move(files);
    attachments.descriptions = std::move(descriptions);
    return attachments;
}

} // namespace

using MakeDialog = std::function<QDialog*(QWidget*)>;
Q_DECLARE_METATYPE(MakeDialog)

class TestPhotos : public QObject {
    Q_OBJECT
    ScreenTest t;
    std::unique_ptr<QWidget> opener;
    std::unique_ptr<QTemporaryDir> userFolder; // where the user's own files are
    QList<UserRequest> requests;
    QList<std::optional<QString>> answers;

    QString photosPath() const { return t.programFolder() + QStringLiteral("/Schedario"); }
    QString attachmentsPath() const {
        return t.programFolder() + QStringLiteral("/Documenti_Allegati");
    }
    QString userFile(const QString& name) const { return userFolder->filePath(name); }

    // The file dialogs answer in turn with these paths (nothing: cancelled).
    void answerFileDialogs(QList<std::optional<QString>> paths) { answers = std::move(paths); }

    template <class Window> void driveDialog(std::function<void(Window&)> drive) {
        setDialogDriverForTests([drive](QDialog& dialog) { drive(dynamic_cast<Window&>(dialog)); });
    }

private Q_SLOTS:
    void init() {
        t.setUpSeams();
        opener = std::make_unique<QWidget>();
        userFolder = std::make_unique<QTemporaryDir>();
        requests.clear();
        answers.clear();
        setUserRequestHandlerForTests([this](const UserRequest& request) {
            requests.append(request);
            return answers.isEmpty() ? std::nullopt : answers.takeFirst();
        });
        setCameraFactoryForTests([] { return std::unique_ptr<CameraSource>(); });
    }
    void cleanup() {
        t.tearDownSeams();
        opener.reset();
        userFolder.reset();
    }

    // Photos in the Schedario folder

    void storedPhotoIsReadBack_data() {
        QTest::addColumn<bool>("placeholder");
        QTest::newRow("photo") << false;
        QTest::newRow("placeholder is stored like any photo") << true;
    }
    void storedPhotoIsReadBack() {
        QFETCH(bool, placeholder);
        PhotoBox box(QStringLiteral("imgFoto"), opener.get());
        QVERIFY(box.showsPlaceholder());
        QCOMPARE(box.picture().size(), QSize(366, 274));
        if (!placeholder)
            box.setPicture(twoColourPicture());
        const QImage shown = box.picture();
        QVERIFY(!QFileInfo::exists(photosPath()));

        QVERIFY(StoreMemberPhoto(box, QStringLiteral(" 8 ")));
        const QString file = photosPath() + QStringLiteral("/Socio_8.jpg");
        QCOMPARE(memberPhotoPath(QStringLiteral("8")), file);
        QCOMPARE(imageFormatOf(file), QByteArray("jpeg"));
        QCOMPARE(QImageReader(file).size(), shown.size()); // at the picture's size, not the box's
        QCOMPARE(box.picture(), shown);
        QCOMPARE(box.showsPlaceholder(), placeholder);

        PhotoBox shownAgain(QStringLiteral("imgFoto"), opener.get());
        LoadMemberPhoto(shownAgain, QStringLiteral("8"));
        QVERIFY(!shownAgain.showsPlaceholder());
        QVERIFY2(meanDifference(shownAgain.picture(), shown) < 4,
                 qPrintable(QString::number(meanDifference(shownAgain.picture(), shown))));
        QVERIFY(t.messages.isEmpty());
    }

    void bitmapFromDiskIsStoredAsJpeg() {
        const QImage bitmap = twoColourPicture();
        QVERIFY(bitmap.save(userFile(QStringLiteral("ritratto.bmp")), "BMP"));
        answerFileDialogs({std::nullopt, userFile(QStringLiteral("ritratto.bmp"))});
        PhotoBox box(QStringLiteral("imgFoto"), opener.get());
        box.setPicture(solidPicture(Qt::green));

        loadPhotoFromDisk(opener.get(), box); // cancelled
        QCOMPARE(box.picture(), solidPicture(Qt::green));
        loadPhotoFromDisk(opener.get(), box);
        QCOMPARE(box.picture().convertToFormat(QImage::Format_RGB32), bitmap);
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests[1].kind, UserRequest::Kind::OpenFile);
        QCOMPARE(requests[1].caption,
                 QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."));
        QCOMPARE(requests[1].filterOrInitial,
                 QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"));

        QVERIFY(StoreMemberPhoto(box, QStringLiteral("3")));
        const QString file = photosPath() + QStringLiteral("/Socio_3.jpg");
        QCOMPARE(imageFormatOf(file), QByteArray("jpeg"));
        QVERIFY(meanDifference(QImage(file), bitmap) < 4);
    }

    void unreadablePictureGivesThePlaceholder_data() {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("told"); // a stored photo that cannot be shown
        QTest::newRow("missing, no Schedario folder") << false << QByteArray() << false;
        QTest::newRow("empty file") << true << QByteArray() << false;
        QTest::newRow("not a picture")
            << true << QByteArray("Ricevuta n. 12 del 03/02/2025") << true;
        QTest::newRow("SVG named .jpg") << true << svgPicture << true;
        QTest::newRow("PNG named .jpg") << true << encoded(twoColourPicture(), "PNG") << true;
    }
    void unreadablePictureGivesThePlaceholder() {
        QFETCH(bool, exists);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, told);
        const QString file = photosPath() + QStringLiteral("/Socio_5.jpg");
        if (exists)
            writeFile(file, bytes);

        PhotoBox box(QStringLiteral("imgFoto"), opener.get());
        box.setPicture(solidPicture(Qt::green));
        LoadMemberPhoto(box, QStringLiteral("5"));
        QVERIFY(box.showsPlaceholder());
        QVERIFY(QFileInfo(photosPath()).isDir()); // made by the first read
        QCOMPARE(t.messages.size(), told ? 1 : 0);
        if (told) {
            QCOMPARE(t.messages[0].kind, MessageKind::Warning);
            QCOMPARE(t.messages[0].text,
                     QStringLiteral("Attenzione: non è stato possibile mostrare la foto della "
                                    "scheda (file Socio_5.jpg nella cartella Schedario).\n\r\n\r"
                                    "Il file della foto resta com'è: salvando la scheda senza "
                                    "cambiarne la foto non verrà sostituito."));
        }
        t.messages.clear();

        PhotoBox fromDisk(QStringLiteral("imgFoto"), opener.get());
        fromDisk.setPicture(solidPicture(Qt::green));
        answerFileDialogs({file});
        loadPhotoFromDisk(opener.get(), fromDisk);
        QVERIFY(fromDisk.showsPlaceholder());
        QVERIFY(t.messages.isEmpty());
    }

    // Either offered format is decoded whatever the name says.
    void jpegAndBitmapAreReadWhateverTheirName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("bitmap named .jpg") << QStringLiteral("ritratto.jpg") << QByteArray("BMP");
        QTest::newRow("JPEG named .bmp") << QStringLiteral("ritratto.bmp") << QByteArray("JPEG");
    }
    void jpegAndBitmapAreReadWhateverTheirName() {
        QFETCH(QString, name);
        QFETCH(QByteArray, format);
        writeFile(userFile(name), encoded(twoColourPicture(), format.constData()));
        answerFileDialogs({userFile(name)});
        PhotoBox box(QStringLiteral("imgFoto"), opener.get());
        loadPhotoFromDisk(opener.get(), box);
        QVERIFY(!box.showsPlaceholder());
        QVERIFY(meanDifference(box.picture(), twoColourPicture()) < 4);
    }

    // Saving the card never puts the placeholder over a photo that only could not be shown;
    // once the user changes the picture, it is written as usual.
    void storedPhotoThatCannotBeShownIsKept() {
        const QString file = photosPath() + QStringLiteral("/Socio_6.jpg");
        writeFile(file, svgPicture);
        PhotoBox box(QStringLiteral("imgFoto"), opener.get());
        LoadMemberPhoto(box, QStringLiteral("6"));
        QVERIFY(box.showsPlaceholder());
        QCOMPARE(t.messages.size(), 1);

        QVERIFY(StoreMemberPhoto(box, QStringLiteral("6")));
        QCOMPARE(contentsOf(file), svgPicture);
        QVERIFY(StoreMemberPhoto(box, QStringLiteral("6"))); // saved twice, still kept
        QCOMPARE(contentsOf(file), svgPicture);
        box.showPlaceholder(); // "Cancella"
        QVERIFY(StoreMemberPhoto(box, QStringLiteral("6")));
        QCOMPARE(imageFormatOf(file), QByteArray("jpeg"));
        QCOMPARE(t.messages.size(), 1);
    }

    // 8160 x 6120 pixels, far more than the toolkit decodes at full size by default.
    void phonePhotoOfFiftyMegapixelsShows() {
        const QString file = photosPath() + QStringLiteral("/Socio_7.jpg");
        {
            QImage photo(8160, 6120, QImage::Format_RGB888);
            photo.fill(QColor(0x20, 0x80, 0xC0));
            QDir().mkpath(photosPath());
            QVERIFY(photo.save(file, "JPEG"));
        }
        const QByteArray stored = contentsOf(file);
        PhotoBox box(QStringLiteral("imgFoto"), opener.get());
        LoadMemberPhoto(box, QStringLiteral("7"));
        QVERIFY(!box.showsPlaceholder());
        QCOMPARE(box.picture().size(), QSize(4096, 3072));
        QVERIFY(meanDifference(box.picture(),
                               solidPicture(QColor(0x20, 0x80, 0xC0), QSize(4096, 3072))) < 4);
        QVERIFY(t.messages.isEmpty());

        // Kept at its own size: the reduced copy shown is not written over it.
        QVERIFY(StoreMemberPhoto(box, QStringLiteral("7")));
        QCOMPARE(contentsOf(file), stored);
    }

    // Every byte count a filling disk may leave: the old photo is whole each time.
    void photoOnAFullDiskKeepsTheOldOne() {
        PhotoBox box(QStringLiteral("imgFoto"), opener.get());
        box.setPicture(solidPicture(Qt::green, QSize(40, 30)));
        QVERIFY(StoreMemberPhoto(box, QStringLiteral("4")));
        const QString file = photosPath() + QStringLiteral("/Socio_4.jpg");
        const QByteArray old = contentsOf(file);
        box.setPicture(twoColourPicture());
        QVERIFY(StoreMemberPhoto(box, QStringLiteral("9")));
        const qint64 newSize = QFileInfo(photosPath() + QStringLiteral("/Socio_9.jpg")).size();
        for (qint64 room = 0; room < newSize; ++room) {
            box.setPicture(twoColourPicture());
            WholeFileWriter::setByteLimitForTests(room);
            const bool stored = StoreMemberPhoto(box, QStringLiteral("4"));
            WholeFileWriter::setByteLimitForTests(-1);
            QVERIFY(!stored);
            QVERIFY(box.showsPlaceholder());
            QCOMPARE(contentsOf(file), old);
        }
        QCOMPARE(QDir(photosPath()).entryList(QDir::Files),
                 (QStringList{QStringLiteral("Socio_4.jpg"), QStringLiteral("Socio_9.jpg")}));
    }

    // The system's own file size limit, reached half-way through the photo and its copy.
    void photoOverTheSizeLimitKeepsTheOldOne() {
        PhotoBox box(QStringLiteral("imgFoto"), opener.get());
        box.setPicture(solidPicture(Qt::green));
        QVERIFY(StoreMemberPhoto(box, QStringLiteral("4")));
        const QString file = photosPath() + QStringLiteral("/Socio_4.jpg");
        const QByteArray old = contentsOf(file);
        const QString copy = userFile(QStringLiteral("Foto.jpg"));
        writeFile(copy, old);
        const QImage large = noisyPicture(QSize(160, 120));
        QVERIFY(encoded(large, "JPEG").size() > 8192);
        answerFileDialogs({copy});
        box.setPicture(large);
        bool stored = true;
        {
            NoFileWrites diskFull(4096);
            savePhotoCopy(opener.get(), box);
            stored = StoreMemberPhoto(box, QStringLiteral("4"));
        }
        QVERIFY(!stored);
        QCOMPARE(contentsOf(file), old);
        QCOMPARE(contentsOf(copy), old);
        QCOMPARE(t.messages.size(), 1);
        QVERIFY(t.messages[0].text.startsWith(
            QStringLiteral("Attenzione: non è stato possibile salvare la foto nel file ") +
            QDir::toNativeSeparators(copy)));
    }

    void failedStoreShowsThePlaceholder_data() {
        QTest::addColumn<bool>("schedarioIsAFile");
        QTest::addColumn<QString>("position");
        QTest::newRow("Schedario is a file") << true << QStringLiteral("8");
        QTest::newRow("no position") << false << QStringLiteral("  ");
        QTest::newRow("not a position") << false << QStringLiteral("../Soci");
    }
    void failedStoreShowsThePlaceholder() {
        QFETCH(bool, schedarioIsAFile);
        QFETCH(QString, position);
        if (schedarioIsAFile)
            t.writeProgramFile(QStringLiteral("Schedario"), "non una cartella");
        PhotoBox box(QStringLiteral("imgFoto"), opener.get());
        box.setPicture(twoColourPicture());

        QVERIFY(!StoreMemberPhoto(box, position));
        QVERIFY(box.showsPlaceholder());
        QCOMPARE(QDir(t.programFolder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 schedarioIsAFile ? QStringList{QStringLiteral("Schedario")} : QStringList());
        QVERIFY(t.messages.isEmpty()); // the member editor tells the user
        QVERIFY(photoNotStoredMessage().startsWith(QStringLiteral("Attenzione:")));
    }

    // A copy of the photo chosen by the user

    void photoCopy_data() {
        QTest::addColumn<QString>("answer"); // empty: the dialog is cancelled
        QTest::addColumn<bool>("written");
        QTest::newRow("jpg name") << QStringLiteral("copia.jpg") << true;
        QTest::newRow("name without extension is JPEG") << QStringLiteral("copia") << true;
        QTest::newRow("folder that does not exist") << QStringLiteral("manca/copia.jpg") << false;
        QTest::newRow("cancelled") << QString() << false;
    }
    void photoCopy() {
        QFETCH(QString, answer);
        QFETCH(bool, written);
        const QString path = userFile(answer);
        answerFileDialogs({answer.isEmpty() ? std::nullopt : std::optional<QString>(path)});
        PhotoBox box(QStringLiteral("imgFoto"), opener.get());
        box.setPicture(twoColourPicture());

        savePhotoCopy(opener.get(), box);
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0].kind, UserRequest::Kind::SaveFile);
        QCOMPARE(
            requests[0].caption,
            QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."));
        QCOMPARE(requests[0].filterOrInitial, QStringLiteral("File Jpeg (*.jpg)"));
        QCOMPARE(QFileInfo(requests[0].folderOrLabel).fileName(), QStringLiteral("Foto.jpg"));
        QCOMPARE(box.picture(), twoColourPicture()); // also when the copy failed
        if (written) {
            QCOMPARE(imageFormatOf(path), QByteArray("jpeg"));
            QVERIFY(meanDifference(QImage(path, "JPEG"), twoColourPicture()) < 4);
        }
        const bool failed = !answer.isEmpty() && !written;
        QCOMPARE(t.messages.size(), failed ? 1 : 0);
        if (failed) {
            QCOMPARE(t.messages[0].kind, MessageKind::Warning);
            QVERIFY(t.messages[0].text.startsWith(
                QStringLiteral("Attenzione: non è stato possibile salvare la foto nel file ") +
                QDir::toNativeSeparators(path) + QLatin1Char('.')));
        }
        if (!written)
            QVERIFY(QDir(userFolder->path()).isEmpty());
    }

    // The webcam window

    void webcamShowsFramesAndImportsTheCapture() {
        auto log = std::make_shared<CameraLog>();
        FakeCamera* camera = nullptr;
        setCameraFactoryForTests([&] {
            auto made = std::make_unique<FakeCamera>(log);
            camera = made.get();
            return made;
        });
        const QImage first = solidPicture(Qt::red), second = solidPicture(Qt::blue),
                     third = solidPicture(Qt::green);
        PhotoBox box(QStringLiteral("imgFoto"), opener.get());
        driveDialog<TfrmWebCam>([&](TfrmWebCam& webcam) {
            const QImage drawing = webcam.imgCamera->picture();
            click(webcam.btnAccendi);
            QVERIFY(log->running);
            camera->deliverFromOwnThread(first);
            QCOMPARE(webcam.imgCamera->picture(), drawing); // handed over, not drawn from there
            QTRY_COMPARE(webcam.imgCamera->picture(), first);
            camera->deliverFromOwnThread(second);
            QTRY_COMPARE(webcam.imgCamera->picture(), second);
            click(webcam.btnCattura);
            QCOMPARE(webcam.imgTarget->picture(), second);
            camera->deliverFromOwnThread(third);
            QTRY_COMPARE(webcam.imgCamera->picture(), third);
            QCOMPARE(webcam.imgTarget->picture(), second);
            QCOMPARE(box.picture(), placeholderPhoto()); // nothing reaches the card before import
            click(webcam.btnImportaFoto);
            QVERIFY(!log->running);
            QVERIFY(!webcam.isVisible());
        });
        capturePhoto(opener.get(), box);
        QCOMPARE(box.picture(), second);
        QVERIFY(!box.showsPlaceholder());
    }

    void webcamSwitchedOffShowsNoFramesAndCancelLeavesTheCard() {
        auto log = std::make_shared<CameraLog>();
        FakeCamera* camera = nullptr;
        setCameraFactoryForTests([&] {
            auto made = std::make_unique<FakeCamera>(log);
            camera = made.get();
            return made;
        });
        PhotoBox box(QStringLiteral("imgFoto"), opener.get());
        box.setPicture(twoColourPicture());
        driveDialog<TfrmWebCam>([&](TfrmWebCam& webcam) {
            click(webcam.btnAccendi);
            camera->deliverFromOwnThread(solidPicture(Qt::red));
            QTRY_COMPARE(webcam.imgCamera->picture(), solidPicture(Qt::red));
            click(webcam.btnSpegni);
            QVERIFY(!log->running);
            camera->deliverFromOwnThread(solidPicture(Qt::blue));
            QCoreApplication::processEvents();
            QCOMPARE(webcam.imgCamera->picture(), solidPicture(Qt::red));
            click(webcam.btnAccendi);
            QVERIFY(log->running);
            click(webcam.btnCattura);
            click(webcam.btnClose);
            QVERIFY(!log->running);
            QVERIFY(!webcam.isVisible());
        });
        capturePhoto(opener.get(), box);
        QCOMPARE(log->starts, 2);
        QCOMPARE(box.picture(), twoColourPicture());
    }

    void withoutCameraCaptureCopiesTheDrawing_data() {
        QTest::addColumn<bool>("hasCamera");
        QTest::addColumn<QString>("warning");
        QTest::newRow("no camera")
            << false
            << QStringLiteral("Impossibile avviare la webcam: nessuna webcam disponibile.");
        QTest::newRow("camera that does not start")
            << true
            << QStringLiteral(
                   "Impossibile avviare la webcam: la webcam non risponde o è già in uso.");
    }
    void withoutCameraCaptureCopiesTheDrawing() {
        QFETCH(bool, hasCamera);
        QFETCH(QString, warning);
        auto log = std::make_shared<CameraLog>();
        log->startSucceeds = false;
        FakeCamera* camera = nullptr;
        if (hasCamera) {
            setCameraFactoryForTests([&] {
                auto made = std::make_unique<FakeCamera>(log);
                camera = made.get();
                return made;
            });
        }
        QImage drawing;
        PhotoBox box(QStringLiteral("imgFoto"), opener.get());
        driveDialog<TfrmWebCam>([&](TfrmWebCam& webcam) {
            drawing = webcam.imgCamera->picture();
            click(webcam.btnAccendi);
            QCOMPARE(t.messages.size(), 1);
            QCOMPARE(t.messages[0].kind, MessageKind::Warning);
            QCOMPARE(t.messages[0].text, warning);
            if (camera)
                camera->deliverFromOwnThread(solidPicture(Qt::red));
            QCoreApplication::processEvents();
            QCOMPARE(webcam.imgCamera->picture(), drawing);
            click(webcam.btnCattura);
            QCOMPARE(webcam.imgTarget->picture(), drawing);
            click(webcam.btnImportaFoto);
        });
        capturePhoto(opener.get(), box);
        QCOMPARE(box.picture(), drawing);
        QVERIFY(!log->running);
    }

    void webcamRunsTheCameraOfAModule() {
        setCameraFactoryForTests(loadCameraModule(QStringLiteral(VELARNO_FAKE_CAMERA_FOLDER)));
        PhotoBox box(QStringLiteral("imgFoto"), opener.get());
        driveDialog<TfrmWebCam>([&](TfrmWebCam& webcam) {
            click(webcam.btnAccendi);
            QTRY_COMPARE(webcam.imgCamera->picture(), solidPicture(Qt::red));
            click(webcam.btnSpegni);
            click(webcam.btnAccendi); // starts again only if it was really switched off
            QVERIFY(t.messages.isEmpty());
            click(webcam.btnCattura);
            click(webcam.btnImportaFoto);
        });
        capturePhoto(opener.get(), box);
        QCOMPARE(box.picture(), solidPicture(Qt::red));
    }

    void multimediaIsLoadedOnlyWithTheCameraModule() {
        QVERIFY(!loadCameraModule(userFolder->path()));
#ifdef Q_OS_LINUX
        QVERIFY(!libraryLoaded("libQt6Multimedia"));
#endif
        QVERIFY(loadCameraModule(QStringLiteral(VELARNO_PROGRAM_FOLDER)));
#ifdef Q_OS_LINUX
        QVERIFY(libraryLoaded("libQt6Multimedia"));
#endif
    }

    void importWithoutCaptureTakesThePhotoCameraDrawing() {
        QImage cameraDrawing;
        PhotoBox box(QStringLiteral("imgFoto"), opener.get());
        driveDialog<TfrmWebCam>([&](TfrmWebCam& webcam) {
            cameraDrawing = webcam.imgTarget->picture();
            QCOMPARE(cameraDrawing.size(), QSize(366, 274));
            QVERIFY(cameraDrawing != webcam.imgCamera->picture());
            click(webcam.btnImportaFoto);
        });
        capturePhoto(opener.get(), box);
        QCOMPARE(box.picture(), cameraDrawing);
    }

    void webcamSavesTheCapturedPicture() {
        auto log = std::make_shared<CameraLog>();
        FakeCamera* camera = nullptr;
        setCameraFactoryForTests([&] {
            auto made = std::make_unique<FakeCamera>(log);
            camera = made.get();
            return made;
        });
        const QString saved = userFile(QStringLiteral("scatto.jpg"));
        const QString failing = userFile(QStringLiteral("manca/scatto.jpg"));
        answerFileDialogs({saved, failing});
        const QImage frame = solidPicture(QColor(0x33, 0x99, 0xCC));
        PhotoBox box(QStringLiteral("imgFoto"), opener.get());
        driveDialog<TfrmWebCam>([&](TfrmWebCam& webcam) {
            click(webcam.btnAccendi);
            camera->deliverFromOwnThread(frame);
            QTRY_COMPARE(webcam.imgCamera->picture(), frame);
            click(webcam.btnCattura);
            click(webcam.btnSalvaFotogramma);
            QCOMPARE(imageFormatOf(saved), QByteArray("jpeg"));
            QVERIFY(meanDifference(QImage(saved), frame) < 4);
            QVERIFY(t.messages.isEmpty());
            click(webcam.btnSalvaFotogramma);
            QCOMPARE(t.messages.size(), 1);
            QCOMPARE(t.messages[0].kind, MessageKind::Warning);
            QVERIFY(t.messages[0].text.contains(QDir::toNativeSeparators(failing)));
            QCOMPARE(webcam.imgTarget->picture(), frame); // the capture is not lost
            click(webcam.btnClose);
        });
        capturePhoto(opener.get(), box);
        QCOMPARE(requests.size(), 2);
        QCOMPARE(
            requests[0].caption,
            QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."));
        QVERIFY(box.showsPlaceholder());
    }

    // Full screen

    void zoomFillsTheScreenAndClosesOnAClick_data() {
        QTest::addColumn<QString>("clicked");
        QTest::newRow("picture") << QStringLiteral("imgFoto");
        QTest::newRow("container") << QStringLiteral("panContainer");
    }
    void zoomFillsTheScreenAndClosesOnAClick() {
        QFETCH(QString, clicked);
        const QImage small = solidPicture(Qt::red, QSize(30, 20));
        driveDialog<TfrmZoom>([&](TfrmZoom& zoom) {
            QVERIFY(QTest::qWaitForWindowExposed(&zoom));
            QCOMPARE(zoom.windowTitle(),
                     QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
            QCOMPARE(zoom.imgFoto->picture(), small);
            const QSize area = zoom.screen()->geometry().size() - QSize(60, 90);
            QCOMPARE(zoom.imgFoto->size(), area);
            // Enlarged to the full width of the area, keeping its proportions.
            const QImage drawn = zoom.imgFoto->grab().toImage();
            QCOMPARE(drawn.pixelColor(2, area.height() / 2), QColor(Qt::red));
            QCOMPARE(drawn.pixelColor(area.width() - 3, area.height() / 2), QColor(Qt::red));
            click(control<QWidget>(&zoom, clicked));
            QVERIFY(!zoom.isVisible());
        });
        zoomPhoto(opener.get(), small);
    }

    // Attachments

    void attachedFileIsCopiedAndApplied() {
        const QString source = userFile(QStringLiteral("Carta d'identità.pdf"));
        writeFile(source, "%PDF-1.4 carta");
        answerFileDialogs({source});
        const MemberAttachments current = attachmentsOf(
            {QStringLiteral("Modulo iscrizione.pdf"), QString(),
             QStringLiteral("  Certificato medico.pdf ")},
            {QStringLiteral("Modulo firmato"), QString(), QStringLiteral(" Certificato 2025")});
        std::optional<MemberAttachments> applied;
        driveDialog<TfrmAllegaCartella>([&](TfrmAllegaCartella& window) {
            QCOMPARE(window.txtFile[2]->text(), QStringLiteral("Certificato medico.pdf"));
            QCOMPARE(window.txtDesc[2]->text(), QStringLiteral("Certificato 2025"));
            QVERIFY(!window.btnApri[1]->isEnabled());
            click(window.btnSfoglia[1]);
            QCOMPARE(window.txtFile[1]->text(), QStringLiteral("Carta d'identità.pdf"));
            QVERIFY(window.btnApri[1]->isEnabled());
            click(window.btnApri[1]);
            window.txtDesc[1]->setFocus();
            typeText(window.txtDesc[1], QStringLiteral("Fronte e retro "));
            click(window.btnApplica);
            QVERIFY(!window.isVisible());
        });
        editAttachments(opener.get(), current,
                        [&](const MemberAttachments& attachments) { applied = attachments; });

        const QString copy = attachmentsPath() + QStringLiteral("/Carta d'identità.pdf");
        QCOMPARE(contentsOf(copy), QByteArray("%PDF-1.4 carta"));
        QCOMPARE(t.shellTargets,
                 QStringList{QLatin1Char('"') + QDir::toNativeSeparators(copy) + QLatin1Char('"')});
        QCOMPARE(requests.size(), 1);
        QCOMPARE(requests[0].caption, QStringLiteral("Selezionare il file da allegare:"));
        QCOMPARE(requests[0].filterOrInitial, QStringLiteral("Tutti i file (*.*)"));
        QVERIFY(applied);
        QCOMPARE(*applied,
                 attachmentsOf({QStringLiteral("Modulo iscrizione.pdf"),
                                QStringLiteral("Carta d'identità.pdf"),
                                QStringLiteral("Certificato medico.pdf")},
                               {QStringLiteral("Modulo firmato"), QStringLiteral("Fronte e retro"),
                                QStringLiteral("Certificato 2025")}));
        QVERIFY(t.messages.isEmpty());
    }

    // "Annulla" hands nothing back, but a copy already made stays in the folder.
    void existingFileIsReplacedOnlyAfterYes_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("Yes") << true;
        QTest::newRow("No") << false;
    }
    void existingFileIsReplacedOnlyAfterYes() {
        QFETCH(bool, yes);
        const QString existing = attachmentsPath() + QStringLiteral("/Domanda.pdf");
        writeFile(existing, "domanda del socio precedente");
        writeFile(userFile(QStringLiteral("Domanda.pdf")), "domanda nuova");
        answerFileDialogs({userFile(QStringLiteral("Domanda.pdf"))});
        t.questionAnswer = yes;
        bool applied = false;
        driveDialog<TfrmAllegaCartella>([&](TfrmAllegaCartella& window) {
            click(window.btnSfoglia[0]);
            QCOMPARE(window.txtFile[0]->text(), QStringLiteral("Domanda.pdf"));
            click(window.btnAnnulla);
            QVERIFY(!window.isVisible());
        });
        editAttachments(opener.get(), MemberAttachments(),
                        [&](const MemberAttachments&) { applied = true; });

        QVERIFY(!applied);
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(t.messages[0].kind, MessageKind::Question);
        QCOMPARE(t.messages[0].text,
                 QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un "
                                "file con lo stesso nome.\r\n\r\nSi vuole sovrascrivere il file "
                                "esistente?"));
        QCOMPARE(contentsOf(existing),
                 yes ? QByteArray("domanda nuova") : QByteArray("domanda del socio precedente"));
    }

    // Choosing the very file of the folder must not destroy it by copying it onto itself.
    void fileOfTheFolderItselfIsKept() {
        const QString existing = attachmentsPath() + QStringLiteral("/Domanda.pdf");
        writeFile(existing, "domanda");
        answerFileDialogs({existing});
        driveDialog<TfrmAllegaCartella>([&](TfrmAllegaCartella& window) {
            click(window.btnSfoglia[2]);
            QCOMPARE(window.txtFile[2]->text(), QStringLiteral("Domanda.pdf"));
            click(window.btnAnnulla);
        });
        editAttachments(opener.get(), MemberAttachments(), [](const MemberAttachments&) {});
        QCOMPARE(contentsOf(existing), QByteArray("domanda"));
        QVERIFY(t.messages.isEmpty());
    }

    void failedCopyIsReportedAndLeavesTheSlot_data() {
        QTest::addColumn<bool>("folderIsAFile");
        QTest::addColumn<bool>("sourceExists");
        QTest::newRow("attachments folder cannot be made") << true << true;
        QTest::newRow("file that cannot be read") << false << false;
    }
    void failedCopyIsReportedAndLeavesTheSlot() {
        QFETCH(bool, folderIsAFile);
        QFETCH(bool, sourceExists);
        if (folderIsAFile)
            t.writeProgramFile(QStringLiteral("Documenti_Allegati"), "non una cartella");
        if (sourceExists)
            writeFile(userFile(QStringLiteral("Nuovo.pdf")), "nuovo");
        answerFileDialogs({userFile(QStringLiteral("Nuovo.pdf"))});
        driveDialog<TfrmAllegaCartella>([&](TfrmAllegaCartella& window) {
            click(window.btnSfoglia[0]);
            QCOMPARE(window.txtFile[0]->text(), QStringLiteral("Vecchio.pdf"));
            click(window.btnAnnulla);
        });
        editAttachments(opener.get(),
                        attachmentsOf({QStringLiteral("Vecchio.pdf"), QString(), QString()}, {}),
                        [](const MemberAttachments&) {});
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(t.messages[0].kind, MessageKind::Warning);
        QVERIFY(t.messages[0].text.startsWith(
            QStringLiteral("Attenzione: non è stato possibile copiare il file \"Nuovo.pdf\"")));
        QVERIFY(!QFileInfo::exists(attachmentsPath() + QStringLiteral("/Nuovo.pdf")));
    }

    // A full disk in the middle of the copy: the file of that name stays whole.
    void attachmentOverTheSizeLimitKeepsTheOldFile() {
        const QString existing = attachmentsPath() + QStringLiteral("/Domanda.pdf");
        const QByteArray old(9528, 'v');
        writeFile(existing, old);
        writeFile(userFile(QStringLiteral("Domanda.pdf")), QByteArray(10000, 'n'));
        answerFileDialogs({userFile(QStringLiteral("Domanda.pdf"))});
        t.questionAnswer = true;
        driveDialog<TfrmAllegaCartella>([&](TfrmAllegaCartella& window) {
            {
                NoFileWrites diskFull(4096);
                click(window.btnSfoglia[0]);
            }
            QCOMPARE(window.txtFile[0]->text(), QString());
            click(window.btnAnnulla);
        });
        editAttachments(opener.get(), MemberAttachments(), [](const MemberAttachments&) {});
        QCOMPARE(contentsOf(existing), old);
        QCOMPARE(QDir(attachmentsPath()).entryList(QDir::Files),
                 QStringList{QStringLiteral("Domanda.pdf")});
        QCOMPARE(t.messages.size(), 2); // the question, then the warning
        QVERIFY(t.messages[1].text.startsWith(
            QStringLiteral("Attenzione: non è stato possibile copiare il file \"Domanda.pdf\"")));
    }

    // A stored name reaching outside the attachments folder is neither opened nor copied to.
    void nameOutsideTheFolderIsRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("parent folders") << QStringLiteral("../../file");
        QTest::newRow("Windows parent folders") << QStringLiteral("..\\..\\x");
        QTest::newRow("parent folder itself") << QStringLiteral("..");
        QTest::newRow("absolute path") << QStringLiteral("/etc/passwd");
        QTest::newRow("drive letter") << QStringLiteral("C:x.pdf");
        QTest::newRow("UNC path") << QStringLiteral("\\\\server\\share\\x.pdf");
    }
    void nameOutsideTheFolderIsRefused() {
        QFETCH(QString, name);
        driveDialog<TfrmAllegaCartella>([&](TfrmAllegaCartella& window) {
            QVERIFY(window.btnApri[0]->isEnabled());
            click(window.btnApri[0]);
            click(window.btnAnnulla);
        });
        editAttachments(opener.get(), attachmentsOf({name, QString(), QString()}, {}),
                        [](const MemberAttachments&) {});
        QVERIFY(t.shellTargets.isEmpty());
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(t.messages[0].kind, MessageKind::Warning);
        QCOMPARE(t.messages[0].text,
                 QStringLiteral("Attenzione: il nome \"") + name +
                     QStringLiteral("\" non indica un file della cartella dei documenti allegati, "
                                    "quindi il file non è stato aperto né copiato.\n\r\n\rIl nome "
                                    "di un file allegato non può contenere cartelle, unità o i "
                                    "caratteri \\ / :"));
    }

    // On this system a backslash may be part of a file's own name; it would name a folder on
    // another, so such a file is not attached.
    void fileWhoseNameHoldsABackslashIsNotAttached() {
        const QString source = userFile(QStringLiteral("..\\Soci.pro"));
        writeFile(source, "non un allegato");
        answerFileDialogs({source});
        driveDialog<TfrmAllegaCartella>([&](TfrmAllegaCartella& window) {
            click(window.btnSfoglia[0]);
            QCOMPARE(window.txtFile[0]->text(), QString());
            click(window.btnAnnulla);
        });
        editAttachments(opener.get(), MemberAttachments(), [](const MemberAttachments&) {});
        QCOMPARE(t.messages.size(), 1);
        QVERIFY(!QFileInfo::exists(attachmentsPath() + QStringLiteral("/..\\Soci.pro")));
    }

    // "Apri" follows the name; emptying a slot keeps its description and the file.
    void openFollowsTheNameAndEmptyingFreesTheSlot() {
        writeFile(attachmentsPath() + QStringLiteral("/Verbale.pdf"), "verbale");
        const MemberAttachments current =
            attachmentsOf({QStringLiteral("Verbale.pdf"), QStringLiteral("   "), QString()},
                          {QStringLiteral("Verbale assemblea"), QString(), QString()});
        std::optional<MemberAttachments> applied;
        driveDialog<TfrmAllegaCartella>([&](TfrmAllegaCartella& window) {
            QCOMPARE(window.btnApri[0]->isEnabled(), true);
            QCOMPARE(window.btnApri[1]->isEnabled(), false);
            QCOMPARE(window.btnApri[2]->isEnabled(), false);
            click(window.imgCancella[0]);
            QCOMPARE(window.txtFile[0]->text(), QString());
            QVERIFY(!window.btnApri[0]->isEnabled());
            QCOMPARE(window.txtDesc[0]->text(), QStringLiteral("Verbale assemblea"));
            click(window.btnApplica);
        });
        editAttachments(opener.get(), current,
                        [&](const MemberAttachments& attachments) { applied = attachments; });
        QVERIFY(applied);
        QCOMPARE(*applied,
                 attachmentsOf({QString(), QString(), QString()},
                               {QStringLiteral("Verbale assemblea"), QString(), QString()}));
        QVERIFY(QFileInfo::exists(attachmentsPath() + QStringLiteral("/Verbale.pdf")));
    }

    void applyNeedsTheMemberEditorMarker_data() {
        QTest::addColumn<QString>("marker");
        QTest::addColumn<bool>("applies");
        QTest::newRow("member editor") << QStringLiteral("anagrafica") << true;
        QTest::newRow("with blanks") << QStringLiteral(" anagrafica ") << true;
        QTest::newRow("receipt editor") << QStringLiteral("ricevute") << false;
        QTest::newRow("other letter case") << QStringLiteral("Anagrafica") << false;
        QTest::newRow("none") << QString() << false;
    }
    void applyNeedsTheMemberEditorMarker() {
        QFETCH(QString, marker);
        QFETCH(bool, applies);
        std::optional<MemberAttachments> applied;
        bool stayedOpen = false;
        driveDialog<TfrmAllegaCartella>([&](TfrmAllegaCartella& window) {
            click(window.btnApplica);
            stayedOpen = window.isVisible();
            if (stayedOpen)
                click(window.btnAnnulla);
        });
        run_dialog<TfrmAllegaCartella>(opener.get(), [&](TfrmAllegaCartella& window) {
            window.setReturnTo(marker, [&](const MemberAttachments& a) { applied = a; });
            window.setAttachments(attachmentsOf({QStringLiteral("Statuto.pdf")}, {}));
        });
        QCOMPARE(applied.has_value(), applies);
        QCOMPARE(stayedOpen, !applies);
    }

    // Texts

    void textsFitTheirControls_data() {
        QTest::addColumn<MakeDialog>("make");
        QTest::newRow("webcam") << MakeDialog(
            [](QWidget* opener) { return new TfrmWebCam(opener); });
        QTest::newRow("attachments") << MakeDialog([](QWidget* opener) {
            auto* window = new TfrmAllegaCartella(opener);
            window->setAttachments(attachmentsOf(
                {QStringLiteral("Carta d'identità fronte e retro - Rossi Maria.pdf"),
                 QStringLiteral("Modulo_iscrizione_2025_firmato.pdf"),
                 QStringLiteral("Certificato medico agonistico.jpg")},
                {QStringLiteral("Documento d'identità valido fino al 12/03/2031"),
                 QStringLiteral("Domanda di iscrizione firmata dal socio e dal presidente"),
                 QStringLiteral("Certificato medico per attività sportiva agonistica")}));
            return static_cast<QDialog*>(window);
        });
    }
    void textsFitTheirControls() {
        QFETCH(MakeDialog, make);
        const std::unique_ptr<QDialog> window(make(opener.get()));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        checkTextsFit(window.get());
    }
};

QTEST_MAIN(TestPhotos)

#include "tst_photos.moc"
