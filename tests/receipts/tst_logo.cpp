#include "receipts/TfrmLogo.h"
#include "storage/ProgramFolder.h"
#include "tests/receipts/PriceListTests.h"
#include "tests/support/NoFileWrites.h"
#include "tests/support/ScreenTest.h"
#include "tests/support/TextFit.h"
#include "ui/DialogRunner.h"
#include "ui/FileDialogs.h"
#include "ui/Picture.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <functional>

namespace {

QImage solidPicture(const QColor& colour, QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

QImage opaque(const QImage& picture) {
    return picture.convertToFormat(QImage::Format_RGB32);
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The format the file really holds, whatever its name says.
QByteArray formatOf(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.format();
}

QByteArray bitmapOf(const QImage& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    return bytes;
}

void click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton);
}

} // namespace

class TestLogo : public QObject {
    Q_OBJECT
    ScreenTest t;
    std::unique_ptr<QWidget> opener;
    std::unique_ptr<QTemporaryDir> userFolder;
    QList<UserRequest> requests;
    std::optional<QString> answer;

    QString userFile(const QString& name) const { return userFolder->filePath(name); }

    int runLogoWindow(std::function<void(TfrmLogo&)> drive) {
        int result = -1;
        setDialogDriverForTests([drive, &result](QDialog& dialog) {
            auto& window = dynamic_cast<TfrmLogo&>(dialog);
            drive(window);
            result = window.isVisible() ? -1 : window.result();
        });
        openLogoWindow(opener.get());
        return result;
    }

private Q_SLOTS:
    void init() {
        t.setUpSeams();
        opener = std::make_unique<QWidget>();
        userFolder = std::make_unique<QTemporaryDir>();
        requests.clear();
        answer.reset();
        setUserRequestHandlerForTests([this](const UserRequest& request) {
            requests.append(request);
            return answer;
        });
    }
    void cleanup() {
        t.tearDownSeams();
        opener.reset();
        userFolder.reset();
    }

    // What "Applica e chiudi" writes, starting without Logo.bmp.
    void applyWritesTheLogoBoxAsBitmap_data() {
        QTest::addColumn<QString>("chosen");  // file given to "Sfoglia...", empty: none
        QTest::addColumn<QString>("clicked"); // small picture clicked afterwards, if any
        QTest::addColumn<QString>("stored");  // "default", "empty" or "chosen"
        QTest::newRow("nothing chosen: the default logo")
            << QString() << QString() << QStringLiteral("default");
        QTest::newRow("logo removed")
            << QString() << QStringLiteral("btnCancLogo") << QStringLiteral("empty");
        QTest::newRow("JPEG becomes a bitmap")
            << QStringLiteral("logo.jpg") << QString() << QStringLiteral("chosen");
        QTest::newRow("bitmap") << QStringLiteral("logo.bmp") << QString()
                                << QStringLiteral("chosen");
        QTest::newRow("default brought back")
            << QStringLiteral("logo.jpg") << QStringLiteral("imgEuro") << QStringLiteral("default");
        QTest::newRow("removed, then default again")
            << QString() << QStringLiteral("btnCancLogo imgEuro") << QStringLiteral("default");
        QTest::newRow("file that is no picture")
            << QStringLiteral("rotto.jpg") << QString() << QStringLiteral("default");
    }
    void applyWritesTheLogoBoxAsBitmap() {
        QFETCH(QString, chosen);
        QFETCH(QString, clicked);
        QFETCH(QString, stored);
        QVERIFY(solidPicture(Qt::darkGreen, QSize(400, 120))
                    .save(userFile(QStringLiteral("logo.jpg")), "JPEG"));
        QVERIFY(solidPicture(Qt::red, QSize(60, 30)).save(userFile(QStringLiteral("logo.bmp"))));
        QFile broken(userFile(QStringLiteral("rotto.jpg")));
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("non è una foto") > 0);
        broken.close();

        const int result = runLogoWindow([&](TfrmLogo& window) {
            QCOMPARE(opaque(window.imgLogo->picture()), defaultLogo());
            if (!chosen.isEmpty()) {
                answer = userFile(chosen);
                click(window.btnSfoglia);
            }
            for (const QString& name : clicked.split(u' ', Qt::SkipEmptyParts))
                click(control<Picture>(&window, name));
            QVERIFY(!QFile::exists(logoPath())); // nothing written before applying
            click(window.btnApplica);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QVERIFY(t.messages.isEmpty());
        QCOMPARE(formatOf(logoPath()), QByteArray("bmp"));
        const QImage written = opaque(QImage(logoPath()));
        if (stored == QStringLiteral("default")) {
            QCOMPARE(written, defaultLogo());
        } else if (stored == QStringLiteral("empty")) {
            QCOMPARE(written, solidPicture(Qt::white, QSize(2, 2)));
        } else {
            QCOMPARE(written, opaque(QImage(userFile(chosen))));
        }
        if (!chosen.isEmpty()) {
            QCOMPARE(requests.size(), 1);
            QCOMPARE(requests[0].kind, UserRequest::Kind::OpenFile);
            QCOMPARE(requests[0].caption,
                     QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o Bitmap."));
            QCOMPARE(requests[0].filterOrInitial,
                     QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"));
        }
    }

    void windowShowsTheStoredLogoAndCancelKeepsIt() {
        const QImage stored = solidPicture(Qt::blue, QSize(90, 40));
        t.writeProgramFile(QStringLiteral("Logo.bmp"), bitmapOf(stored));
        const QByteArray before = contentsOf(logoPath());
        QVERIFY(solidPicture(Qt::yellow, QSize(30, 30))
                    .save(userFile(QStringLiteral("nuovo.jpg")), "JPEG"));
        const int result = runLogoWindow([&](TfrmLogo& window) {
            QCOMPARE(opaque(window.imgLogo->picture()), stored);
            // The built-in pictures, kept unseen.
            for (const char* name : {"imgTemp", "imgBianco"}) {
                auto* picture = control<QLabel>(&window, QString::fromLatin1(name));
                QVERIFY2(!picture->isVisible() && !picture->pixmap().isNull(), name);
            }
            QCOMPARE(control<QLabel>(&window, QStringLiteral("imgTemp"))->pixmap().size(),
                     QSize(297, 184));
            click(window.btnSfoglia); // cancelled: nothing changes
            QCOMPARE(opaque(window.imgLogo->picture()), stored);
            answer = userFile(QStringLiteral("nuovo.jpg"));
            click(window.btnSfoglia);
            QCOMPARE(window.imgLogo->picture().size(), QSize(30, 30));
            click(window.btnAnnulla);
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(contentsOf(logoPath()), before);
    }

    void receiptsReadTheLogoAfresh() {
        QCOMPARE(opaque(associationLogo()), defaultLogo());
        QCOMPARE(defaultLogo().size(), QSize(297, 184));
        t.writeProgramFile(QStringLiteral("Logo.bmp"), "BM non è un bitmap");
        QCOMPARE(opaque(associationLogo()), defaultLogo());
        const QImage red = solidPicture(Qt::red, QSize(20, 10));
        t.writeProgramFile(QStringLiteral("Logo.bmp"), bitmapOf(red));
        QCOMPARE(opaque(associationLogo()), red);
        storeAssociationLogo(emptyLogo());
        QCOMPARE(associationLogo().size(), QSize(2, 2));
    }

    // A logo that cannot be written is said, and the old one stays.
    void failedWriteWarnsAndKeepsTheOldLogo() {
        t.writeProgramFile(QStringLiteral("Logo.bmp"),
                           bitmapOf(solidPicture(Qt::blue, QSize(90, 40))));
        const QByteArray before = contentsOf(logoPath());
        const int result = runLogoWindow([&](TfrmLogo& window) {
            click(window.btnCancLogo);
            {
                NoFileWrites diskFull;
                click(window.btnApplica);
            }
            QCOMPARE(t.messages.size(), 1);
            QCOMPARE(t.messages[0].kind, MessageKind::Warning);
            QCOMPARE(t.messages[0].text,
                     QStringLiteral("Attenzione: non è stato possibile salvare il logo nel file "
                                    "Logo.bmp.\n\r\n\rAccertarsi di possedere i privilegi di "
                                    "scrittura nella cartella di installazione del programma."));
            QVERIFY(window.isVisible());
            QCOMPARE(window.imgLogo->picture().size(), QSize(2, 2));
            QCOMPARE(contentsOf(logoPath()), before);
            click(window.btnApplica);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(QImage(logoPath()).size(), QSize(2, 2));
    }

    void windowAsDesigned() {
        runLogoWindow([](TfrmLogo& window) {
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QCOMPARE(window.windowTitle(), QStringLiteral(" Impostazione logo Associazione"));
            QCOMPARE(window.imgLogo->size(), QSize(297, 184));
            QCOMPARE(window.btnSfoglia->text(), QStringLiteral("Sfoglia..."));
            QCOMPARE(window.btnApplica->text(), QStringLiteral("Applica e chiudi"));
            QCOMPARE(window.btnAnnulla->text(), QStringLiteral("Annulla"));
            checkTextsFit(&window);
            click(window.btnAnnulla);
        });
    }
};

QObject* newLogoTests() {
    return new TestLogo;
}

#include "tst_logo.moc"
