#include "tests/shell/ShellTests.h"
#include "tests/support/ScreenTest.h"
#include "ui/Application.h"
#include "ui/Printing.h"
#include "ui/Shell.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
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
        // An Italian sentence first, the technical detail below it.
        QCOMPARE(t.messages[0].text,
                 QStringLiteral("Si è verificato un errore imprevisto: l'operazione non è stata "
                                "completata.\n\r\n\rDettagli: disco pieno"));
        QEvent again(QEvent::User);
        QApplication::sendEvent(&failing, &again);
        QCOMPARE(t.messages.size(), 2);
    }

    void printerRendersPages() {
        QTemporaryDir pdfFolder;
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFolder.filePath(QStringLiteral("ricevuta.pdf")));
        printPages(printer, [](QPrinter& target) {
            QPainter painter(&target);
            painter.drawText(100, 100, QStringLiteral("Ricevuta n. 1"));
            target.newPage();
            painter.drawText(100, 100, QStringLiteral("Ricevuta n. 2"));
        });
        QFile pdf(printer.outputFileName());
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QString bytes = QString::fromLatin1(pdf.readAll());
        QVERIFY(bytes.startsWith(QStringLiteral("%PDF")));
        static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
        int pages = 0;
        for (auto match = page.globalMatch(bytes); match.hasNext(); match.next())
            ++pages;
        QCOMPARE(pages, 2);
    }
};

QObject* newSeamTests() {
    return new TestSeams;
}

#include "tst_seams.moc"
