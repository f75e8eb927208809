#include "tests/app/AppTests.h"
#include "tests/support/ScreenTest.h"
#include "ui/Application.h"
#include "ui/Camera.h"
#include "ui/FileDialogs.h"
#include "ui/Printing.h"
#include "ui/Shell.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

namespace {
// An object whose handler fails the way a screen's handler could.
class FailingObject : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User)
            throw std::runtime_error("disco pieno");
        return QObject::event(event);
    }
};
} // namespace

class TestSeams : public QObject {
    Q_OBJECT
    ScreenTest t;

private Q_SLOTS:
    void init() { t.setUpSeams(); }
    void cleanup() { t.tearDownSeams(); }

    void shellTargetsBecomeAddresses_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QUrl>("url");
        QTest::newRow("quoted file path with blanks")
            << QStringLiteral("\"/media/chiavetta/Velarno nuovo/Guida.pdf\"")
            << QUrl::fromLocalFile(QStringLiteral("/media/chiavetta/Velarno nuovo/Guida.pdf"));
        QTest::newRow("quoted mailto")
            << QStringLiteral(
                   "\"mailto:info@velarno.it?subject=Software Velarno&body=Salve, grazie\"")
            << QUrl(QStringLiteral(
                   "mailto:info@velarno.it?subject=Software%20Velarno&body=Salve,%20grazie"));
        QTest::newRow("bare web address") << QStringLiteral("https://www.velarno.it")
                                          << QUrl(QStringLiteral("https://www.velarno.it"));
        QTest::newRow("web address without scheme")
            << QStringLiteral("www.velarno.it") << QUrl(QStringLiteral("https://www.velarno.it"));
    }
    void shellTargetsBecomeAddresses() {
        QFETCH(QString, target);
        QFETCH(QUrl, url);
        QCOMPARE(urlForShellTarget(target), url);
    }

    void escapedFailureIsReportedAndTheProgramGoesOn() {
        FailingObject failing;
        QEvent event(QEvent::User);
        QCOMPARE(QApplication::sendEvent(&failing, &event), false);
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(t.messages[0].kind, MessageKind::Error);
        QVERIFY(t.messages[0].text.contains(QStringLiteral("disco pieno")));
        QEvent again(QEvent::User);
        QApplication::sendEvent(&failing, &again);
        QCOMPARE(t.messages.size(), 2);
    }

    void printoutsAreCapturedAsPdf() {
        QTemporaryDir pdfFolder;
        setPrintCaptureForTests(PrintCapture{true, pdfFolder.path()});
        QPrinter printer;
        QVERIFY(choosePrinter(nullptr, printer));
        printPages(printer, [](QPrinter& target) {
            QPainter painter(&target);
            painter.drawText(100, 100, QStringLiteral("Ricevuta n. 1"));
        });
        const QStringList captured = capturedPrintoutsForTests();
        QCOMPARE(captured.size(), 1);
        QFile pdf(captured.first());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(4) == "%PDF");

        setPrintCaptureForTests(PrintCapture{false, pdfFolder.path()});
        QVERIFY(!choosePrinter(nullptr, printer));
    }

    void dialogsAndCameraAnswerAsTheTestSays() {
        QList<UserRequest::Kind> asked;
        setUserRequestHandlerForTests([&](const UserRequest& request) -> std::optional<QString> {
            asked.append(request.kind);
            if (request.kind == UserRequest::Kind::Text)
                return std::nullopt; // cancelled
            return QStringLiteral("/tmp/foto.jpg");
        });
        QCOMPARE(askOpenFileName(nullptr, QString(), QString(), QString()),
                 QStringLiteral("/tmp/foto.jpg"));
        QCOMPARE(askSaveFileName(nullptr, QString(), QString(), QString()),
                 QStringLiteral("/tmp/foto.jpg"));
        QVERIFY(!askText(nullptr, QString(), QString(), QStringLiteral("1")).has_value());
        QCOMPARE(asked,
                 (QList<UserRequest::Kind>{UserRequest::Kind::OpenFile, UserRequest::Kind::SaveFile,
                                           UserRequest::Kind::Text}));

        setCameraFactoryForTests([] { return std::unique_ptr<CameraSource>(); });
        QVERIFY(!openDefaultCamera());
    }
};

QObject* newSeamTests() {
    return new TestSeams;
}

#include "tst_seams.moc"
