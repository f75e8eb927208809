#include "tests/shell/ShellTests.h"
#include "tests/support/ScreenTest.h"
#include "ui/Application.h"
#include "ui/Printing.h"
#include "ui/Shell.h"
#include "ui/Translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>

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
QStringList buttonTexts(const QWidget* dialog) {
    QStringList texts;
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        if (!button->text().isEmpty())
            texts.append(button->text());
    texts.sort();
    return texts;
}

QString labelText(const QWidget* dialog, const QString& name) {
    const auto* label = dialog->findChild<QLabel*>(name);
    return label ? label->text() : QString();
}
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

    // The real boxes, answered through their own buttons.
    void messageBoxButtonsAreItalian_data() {
        QTest::addColumn<MessageKind>("kind");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QMessageBox::StandardButton>("pressed");
        QTest::addColumn<bool>("answer");
        QTest::newRow("plain") << MessageKind::Plain << QStringList{QStringLiteral("OK")}
                               << QMessageBox::Ok << false;
        QTest::newRow("warning") << MessageKind::Warning
                                 << QStringList{QStringLiteral("Annulla"), QStringLiteral("OK")}
                                 << QMessageBox::Cancel << false;
        QTest::newRow("question, yes")
            << MessageKind::Question << QStringList{QStringLiteral("No"), QStringLiteral("Sì")}
            << QMessageBox::Yes << true;
        QTest::newRow("question, no")
            << MessageKind::Question << QStringList{QStringLiteral("No"), QStringLiteral("Sì")}
            << QMessageBox::No << false;
    }
    void messageBoxButtonsAreItalian() {
        QFETCH(MessageKind, kind);
        QFETCH(QStringList, buttons);
        QFETCH(QMessageBox::StandardButton, pressed);
        QFETCH(bool, answer);
        setMessageHandlerForTests(nullptr);
        // The headless platform's note about the box's size, not a fault of the box.
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
        QStringList shown;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shown = buttonTexts(box);
            box->button(pressed)->click();
        });
        const bool answered = kind == MessageKind::Question
                                  ? askQuestion(nullptr, QStringLiteral("Continuare?"))
                                  : (showMessage(nullptr, kind, QStringLiteral("Fatto.")), false);
        QCOMPARE(shown, buttons);
        QCOMPARE(answered, answer);
    }

    // The catalogs are read from the program folder first, so a copied folder stays Italian.
    void toolkitDialogsSpeakItalian_data() {
        QTest::addColumn<bool>("copiedIntoProgramFolder");
        QTest::addColumn<QString>("programFolder"); // empty: the test's own program folder
        QTest::newRow("catalogs in the program folder") << true << QString();
        QTest::newRow("catalogs only in the toolkit's folder") << false << QString();
        QTest::newRow("folder laid out by the build")
            << true << QStringLiteral(VELARNO_PROGRAM_FOLDER);
    }
    void toolkitDialogsSpeakItalian() {
        QFETCH(bool, copiedIntoProgramFolder);
        QFETCH(QString, programFolder);
        if (programFolder.isEmpty()) {
            programFolder = t.programFolder();
            if (copiedIntoProgramFolder) {
                QVERIFY(QDir().mkpath(translationsFolder(programFolder)));
                for (const QString& name :
                     {QStringLiteral("qtbase_it.qm"), QStringLiteral("qtmultimedia_it.qm")})
                    QVERIFY(
                        QFile::copy(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                        QLatin1Char('/') + name,
                                    translationsFolder(programFolder) + QLatin1Char('/') + name));
            }
        }
        const QList<QTranslator*> translators = installToolkitTranslations(programFolder);
        const auto removeTranslators = qScopeGuard([&] { qDeleteAll(translators); });
        QCOMPARE(translators.size(), 2);
        const QString expectedFolder = copiedIntoProgramFolder
                                           ? translationsFolder(programFolder)
                                           : QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        for (const QTranslator* translator : translators)
            QCOMPARE(QFileInfo(translator->filePath()).absolutePath(),
                     QFileInfo(expectedFolder).absoluteFilePath());

        QFileDialog files;
        files.setOption(QFileDialog::DontUseNativeDialog);
        QCOMPARE(labelText(&files, QStringLiteral("lookInLabel")), QStringLiteral("Cerca in:"));
        QCOMPARE(labelText(&files, QStringLiteral("fileNameLabel")),
                 QStringLiteral("&Nome del file:"));
        QCOMPARE(buttonTexts(files.findChild<QDialogButtonBox*>()),
                 (QStringList{QStringLiteral("&Apri"), QStringLiteral("Annulla")}));

        QPrinter printer;
        QPrintDialog print(&printer);
        QCOMPARE(print.windowTitle(), QStringLiteral("Stampa"));
        const QStringList printButtons = buttonTexts(&print);
        for (const QString& text :
             {QStringLiteral("Stam&pa"), QStringLiteral("Annulla"), QStringLiteral("&Opzioni >>")})
            QVERIFY2(printButtons.contains(text), qPrintable(printButtons.join(u'|')));
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
