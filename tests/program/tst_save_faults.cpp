#include "members/MemberPhoto.h"
#include "members/PhotoBox.h"
#include "members/TfrmAllegaCartella.h"
#include "program/ProgramScreens.h"
#include "receipts/TfrmRicevute.h"
#include "rules/PasswordStore.h"
#include "shell/ErrorMessages.h"
#include "shell/ScreenKinds.h"
#include "storage/FileFaults.h"
#include "storage/MemberRecord.h"
#include "storage/ProgramFolder.h"
#include "storage/ReceiptRecord.h"
#include "storage/RecordFile.h"
#include "tests/support/MemberArchive.h"
#include "tests/support/ScreenTest.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"
#include "ui/FileDialogs.h"
#include "ui/Picture.h"

#include <QBuffer>
#include <QDialog>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>

using FileFaults::Error;
using FileFaults::Operation;

namespace {

enum class SavePath {
    MemberCard,  // a stored member changed and saved; its photo stays
    MemberPhoto, // the same with a new photo
    Attachment,
    Receipt,
    Numbering,
    PriceList,
    Logo,
    Password,
    MembersExport,
    ReceiptsExport,
};

enum class Outcome {
    NotSaved,       // the screen's failure message; every file as it was
    Saved,          // the success message; the files as a save without faults leaves them
    PhotoNotStored, // the card saved, its old photo kept, and the user told so
};

using Folder = QMap<QString, QByteArray>; // every file under the program folder, by path

const QList<SavePath> savePaths = {
    SavePath::MemberCard,    SavePath::MemberPhoto,   SavePath::Attachment, SavePath::Receipt,
    SavePath::Numbering,     SavePath::PriceList,     SavePath::Logo,       SavePath::Password,
    SavePath::MembersExport, SavePath::ReceiptsExport};

const QList<QPair<Operation, const char*>> operations = {
    {Operation::Open, "open"},   {Operation::Read, "read"}, {Operation::Write, "write"},
    {Operation::Flush, "flush"}, {Operation::Lock, "lock"}, {Operation::Rename, "rename"}};

const QList<QPair<Error, const char*>> errors = {{Error::NoSpace, "no space"},
                                                 {Error::IoError, "I/O error"},
                                                 {Error::AccessDenied, "access denied"},
                                                 {Error::Busy, "busy"}};

const char* pathName(SavePath path) {
    static const char* const names[] = {
        "member card", "member photo", "attachment",      "receipt",        "numbering",
        "price list",  "logo",         "password change", "members export", "receipts export"};
    return names[int(path)];
}

QByteArray encodedPicture(const QColor& colour, const char* format) {
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format);
    return bytes;
}

const QString exportQuestion = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
    "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");

// The attached file has the name of the one already in the folder, and the user overwrites it.
const QString sameNameQuestion =
    QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo "
                   "stesso nome.\r\n\r\nSi vuole sovrascrivere il file esistente?");

} // namespace

Q_DECLARE_METATYPE(SavePath)
Q_DECLARE_METATYPE(Operation)
Q_DECLARE_METATYPE(Error)
Q_DECLARE_METATYPE(Outcome)

// Every save of every screen, with the Nth open, read, write, flush, lock or rename failing as a
// disk fails: the screen says so in its own words, and no file changes.
class TestSaveFaults : public QObject {
    Q_OBJECT
    ScreenTest t;
    std::unique_ptr<ProgramScreens> screens;
    QTemporaryDir userFolder; // where the user's own files come from
    QMap<SavePath, Folder> savedFolders;
    bool dialogAccepted = false;

    template <class ScreenClass = PersistentScreen> ScreenClass& screen(Screen id) const {
        return screens->flow().screen<ScreenClass>(id);
    }
    void goTo(Screen id) {
        screens->flow().moveTo(id, nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(&screen(id)));
    }
    template <class T = QPushButton> static void click(const QWidget& window, const char* name) {
        QTest::mouseClick(control<T>(&window, QString::fromLatin1(name)), Qt::LeftButton);
    }
    static void setText(const QWidget& window, const char* name, const QString& text) {
        control<QLineEdit>(&window, QString::fromLatin1(name))->setText(text);
    }

    // The next dialog opened is handed here; whatever the save did, it is closed afterwards.
    void driveNextDialog(const std::function<void(QDialog&)>& drive) {
        setDialogDriverForTests([this, drive](QDialog& dialog) {
            dialog.show();
            drive(dialog);
            dialogAccepted = dialog.result() == QDialog::Accepted;
            if (dialog.isVisible())
                dialog.reject();
        });
    }

    void makeFolder() const {
        MemberRecord member;
        member.Dipendente = QStringLiteral("Rossi Mario");
        member.Stipendio = QStringLiteral("25,00");
        member.DataSca = QStringLiteral("31/12/2027");
        member.File[0] = QStringLiteral("scheda.pdf");
        writeArchive({member});
        QDir(t.programFolder()).mkpath(QStringLiteral("Schedario"));
        QDir(t.programFolder()).mkpath(QStringLiteral("Documenti_Allegati"));
        t.writeProgramFile(QStringLiteral("Schedario/Socio_1.jpg"),
                           encodedPicture(Qt::green, "JPEG"));
        t.writeProgramFile(QStringLiteral("Documenti_Allegati/scheda.pdf"), "old document");

        ReceiptRecord receipt;
        receipt.NumRic = QStringLiteral("5");
        receipt.Data = QStringLiteral("01/03/2027");
        receipt.LavRigo[0] = QStringLiteral("Circolo Nautico Velarno");
        receipt.CliRigo[0] = QStringLiteral("Bianchi Anna");
        receipt.Descrizione[0] = QStringLiteral("Quota sociale");
        receipt.Importo[0] = QStringLiteral("25,00");
        receipt.Totale = QStringLiteral("25,00");
        receipt.DaSaldare = QStringLiteral("No");
        RecordFile<ReceiptRecord> year;
        year.openOrCreate(receiptsArchivePath(2027));
        year.append(receipt);
        year.close();

        t.writeProgramFile(QStringLiteral("Ricevute.ini"),
                           "[Numerazione Ricevute]\r\nInizio=5\r\n[Dati Associazione]\r\n"
                           "Rigo 1=Circolo Nautico Velarno\r\n");
        t.writeProgramFile(QStringLiteral("Listino_Prezzi.lst"),
                           "Quota sociale                                       \x80 25,00\r\n");
        t.writeProgramFile(QStringLiteral("Logo.bmp"), encodedPicture(Qt::red, "BMP"));
        t.writeProgramFile(QStringLiteral("Soci.xls"), "old members export");
        t.writeProgramFile(QStringLiteral("Riepilogo_Ricevute.xls"), "old receipts export");
        storePassword(QStringLiteral("VELARNO"));
    }

    Folder folderNow() const {
        Folder files;
        const QDir root(t.programFolder());
        QDirIterator found(t.programFolder(), QDir::Files | QDir::Hidden | QDir::System,
                           QDirIterator::Subdirectories);
        while (found.hasNext()) {
            QFile file(found.next());
            if (file.open(QIODevice::ReadOnly))
                files.insert(root.relativeFilePath(file.fileName()), file.readAll());
        }
        return files;
    }

    static void compareFolders(const Folder& actual, const Folder& expected) {
        QCOMPARE(actual.keys(), expected.keys());
        for (auto file = expected.begin(); file != expected.end(); ++file)
            QVERIFY2(actual.value(file.key()) == file.value(), qPrintable(file.key()));
    }

    // The folder as the next copy of the program finds it, once it has opened the archives.
    Folder folderReopened() const {
        for (const QString& archive : {membersArchivePath(), receiptsArchivePath(2027)}) {
            RawRecordFile file(archive == membersArchivePath() ? MemberRecord::Size
                                                               : ReceiptRecord::Size);
            file.openOrCreate(archive);
        }
        return folderNow();
    }

    // Prepares the screen, arms the faults right before the save and presses save.
    void save(SavePath path, const std::function<void()>& armFaults) {
        dialogAccepted = false;
        switch (path) {
        case SavePath::MemberCard:
        case SavePath::MemberPhoto: {
            goTo(Screen::Anagrafica);
            const QWidget& editor = screen(Screen::Anagrafica);
            click(editor, "cmdPrimo");
            setText(editor, "txtDipendente", QStringLiteral("Rossi Maria"));
            if (path == SavePath::MemberPhoto) {
                QImage blue(40, 30, QImage::Format_RGB32);
                blue.fill(Qt::blue);
                control<PhotoBox>(&editor, QStringLiteral("imgFoto"))->setPicture(blue);
            }
            armFaults();
            click(editor, "btnSalva");
            break;
        }
        case SavePath::Attachment: {
            goTo(Screen::Anagrafica);
            click(screen(Screen::Anagrafica), "cmdPrimo");
            const QString source = userFolder.filePath(QStringLiteral("scheda.pdf"));
            setUserRequestHandlerForTests([source](const UserRequest&) { return source; });
            driveNextDialog([armFaults](QDialog& window) {
                armFaults();
                click(window, "btnSfoglia02");
            });
            click(screen(Screen::Anagrafica), "btnAllegati");
            break;
        }
        case SavePath::Receipt:
        case SavePath::Numbering:
        case SavePath::ReceiptsExport: {
            screen<TfrmRicevute>(Screen::Ricevute).setYear(QStringLiteral("2027"));
            goTo(Screen::Ricevute);
            const QWidget& editor = screen(Screen::Ricevute);
            if (path == SavePath::Receipt) {
                setText(editor, "txtCliRigo01", QStringLiteral("Verdi Luca"));
                setText(editor, "txtDescrizione01", QStringLiteral("Quota sociale"));
                armFaults();
                click(editor, "cmdSalva");
            } else if (path == SavePath::Numbering) {
                driveNextDialog([armFaults](QDialog& window) {
                    setText(window, "txtInizio", QStringLiteral("150"));
                    armFaults();
                    click(window, "btnApplica");
                });
                click(editor, "impNumerazione");
            } else {
                driveNextDialog([armFaults](QDialog& window) {
                    armFaults();
                    click(window, "cmdEsporta");
                });
                click(editor, "cmdEsporta");
            }
            break;
        }
        case SavePath::PriceList:
        case SavePath::Logo: {
            goTo(Screen::MenuRicevute);
            const QWidget& menu = screen(Screen::MenuRicevute);
            if (path == SavePath::PriceList) {
                driveNextDialog([armFaults](QDialog& window) {
                    setText(window, "txtProdotto", QStringLiteral("Tessera"));
                    setText(window, "txtPrezzo", QStringLiteral("5,00"));
                    click(window, "btnTrova");
                    armFaults();
                    click(window, "btnChiudi");
                });
                click<Picture>(menu, "btnListino");
            } else {
                driveNextDialog([armFaults](QDialog& window) {
                    click<Picture>(window, "btnCancLogo");
                    armFaults();
                    click(window, "btnApplica");
                });
                click<Picture>(menu, "imgEmail");
            }
            break;
        }
        case SavePath::Password: {
            goTo(Screen::CambiaPassword);
            const QWidget& change = screen(Screen::CambiaPassword);
            setText(change, "txtPasswordOld", QStringLiteral("velarno"));
            setText(change, "txtPasswordNew", QStringLiteral("MARE"));
            setText(change, "txtConferma", QStringLiteral("MARE"));
            armFaults();
            click(change, "cmdOK");
            break;
        }
        case SavePath::MembersExport:
            goTo(Screen::Anagrafica);
            driveNextDialog([armFaults](QDialog& window) {
                armFaults();
                click(window, "cmdEsporta");
            });
            click(screen(Screen::Anagrafica), "btnEsporta");
            break;
        }
    }

    // What the user is told, from the save on, for each outcome.
    static QStringList messagesFor(SavePath path, Outcome outcome) {
        const QString overwritten =
            QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in "
                           "archivio.");
        const QString cannotExport =
            QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                           "Accertarsi che il file di Excel non sia già aperto.");
        const QString exported =
            QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\nSi "
                           "vuole aprire il file di Excel?");
        const bool saved = outcome == Outcome::Saved;
        switch (path) {
        case SavePath::MemberCard:
        case SavePath::MemberPhoto:
            if (outcome == Outcome::PhotoNotStored)
                return {photoNotStoredMessage(), overwritten};
            return {saved ? overwritten : archiveAccessMessage()};
        case SavePath::Attachment:
            if (saved)
                return {sameNameQuestion};
            return {sameNameQuestion,
                    QStringLiteral("Attenzione: non è stato possibile copiare il file "
                                   "\"scheda.pdf\" nella cartella dei documenti allegati, quindi "
                                   "il file non è stato allegato.\n\r\n\rAccertarsi che il file "
                                   "sia leggibile e di possedere i privilegi di scrittura nella "
                                   "cartella di installazione del programma.")};
        case SavePath::Receipt:
            return {saved ? QStringLiteral("La scheda corrente è stata inserita in archivio.")
                          : archiveAccessMessage()};
        case SavePath::Numbering:
            return saved ? QStringList() : QStringList{archiveAccessMessage()};
        case SavePath::PriceList:
            return saved ? QStringList()
                         : QStringList{QStringLiteral(
                               "Attenzione: il sistema non permette di aggiornare i dati.\n\r\n\r"
                               "Accertarsi che il database non sia già aperto.")};
        case SavePath::Logo:
            return saved ? QStringList()
                         : QStringList{QStringLiteral(
                               "Attenzione: non è stato possibile salvare il logo nel file "
                               "Logo.bmp.\n\r\n\rAccertarsi di possedere i privilegi di "
                               "scrittura nella cartella di installazione del programma.")};
        case SavePath::Password:
            return {saved ? QStringLiteral("Modifica della password completata con successo.")
                          : QStringLiteral("Attenzione: si è verificato un errore durante la "
                                           "procedura di modifica della password. Si consiglia di "
                                           "reinstallare il software.")};
        case SavePath::MembersExport:
        case SavePath::ReceiptsExport:
            return {exportQuestion, saved ? exported : cannotExport};
        }
        return {};
    }

    static bool isDialog(SavePath path) {
        return path == SavePath::Numbering || path == SavePath::PriceList || path == SavePath::Logo;
    }

    QStringList messageTextsFrom(qsizetype first) const {
        QStringList texts;
        for (qsizetype i = first; i < t.messages.size(); ++i)
            texts.append(t.messages[i].text);
        return texts;
    }

    // Counts the calls a save makes, with no fault; returns the folder it leaves.
    QMap<Operation, int> dryRun(SavePath path) {
        t.setUpSeams();
        setClockForTests(QDateTime(QDate(2027, 3, 15), QTime(10, 0)));
        t.questionAnswers = {true, false}; // export, then do not open the file
        makeFolder();
        save(path, [] { FileFaults::armForTests(Operation::Open, 0, Error::IoError); });
        QMap<Operation, int> calls;
        for (const auto& [operation, name] : operations)
            calls.insert(operation, FileFaults::callsCountedForTests(operation));
        FileFaults::disarmForTests();
        savedFolders.insert(path, folderReopened());
        t.tearDownSeams();
        return calls;
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(userFolder.isValid());
        QFile source(userFolder.filePath(QStringLiteral("scheda.pdf")));
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write("new document");
        screens = std::make_unique<ProgramScreens>();
    }
    void cleanupTestCase() { screens.reset(); }
    void init() {
        t.setUpSeams();
        setClockForTests(QDateTime(QDate(2027, 3, 15), QTime(10, 0)));
        t.questionAnswers = {true, false};
        makeFolder();
    }
    void cleanup() {
        FileFaults::disarmForTests();
        t.tearDownSeams();
    }

    // One row per save, operation, call (the first and the last the save makes, counted by a
    // run without faults) and error.
    void failedCallLeavesEveryFileWhole_data() {
        QTest::addColumn<SavePath>("path");
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<int>("call");
        QTest::addColumn<Error>("error");
        QTest::addColumn<Outcome>("outcome");
        QMap<Operation, int> cardCalls; // the member record's own calls, before the photo's
        for (SavePath path : savePaths) {
            const QMap<Operation, int> calls = dryRun(path);
            QVERIFY2(calls.value(Operation::Open) > 0, pathName(path));
            if (path == SavePath::MemberCard)
                cardCalls = calls;
            for (const auto& [operation, operationName] : operations) {
                const int last = calls.value(operation);
                const QList<int> firstAndLast =
                    last > 1 ? QList<int>{1, last} : QList<int>(last, 1);
                for (int call : firstAndLast) {
                    for (const auto& [error, errorName] : errors) {
                        Outcome outcome = Outcome::NotSaved;
                        const bool memberSave =
                            path == SavePath::MemberCard || path == SavePath::MemberPhoto;
                        // fcntl() answers so for a lock another copy holds: waited for, then
                        // taken.
                        if (operation == Operation::Lock && error == Error::AccessDenied)
                            outcome = Outcome::Saved;
                        // The overwrite is on disk once its intent is being removed.
                        else if (memberSave &&
                                 (operation == Operation::Rename ||
                                  operation == Operation::Flush) &&
                                 call == cardCalls.value(operation))
                            outcome = Outcome::Saved;
                        else if (path == SavePath::MemberPhoto && call > cardCalls.value(operation))
                            outcome = Outcome::PhotoNotStored;
                        QTest::addRow("%s, %s %d of %d, %s", pathName(path), operationName, call,
                                      last, errorName)
                            << path << operation << call << error << outcome;
                    }
                }
            }
        }
    }
    void failedCallLeavesEveryFileWhole() {
        QFETCH(SavePath, path);
        QFETCH(Operation, operation);
        QFETCH(int, call);
        QFETCH(Error, error);
        QFETCH(Outcome, outcome);
        const Folder before = folderNow();
        qsizetype firstMessage = 0;
        save(path, [&] {
            firstMessage = t.messages.size();
            FileFaults::armForTests(operation, call, error);
        });
        const int made = FileFaults::callsCountedForTests(operation);
        FileFaults::disarmForTests();
        QVERIFY2(made >= call, "the save stopped before the failing call");

        QCOMPARE(messageTextsFrom(firstMessage), messagesFor(path, outcome));
        if (isDialog(path))
            QCOMPARE(dialogAccepted, outcome == Outcome::Saved);
        switch (outcome) {
        case Outcome::NotSaved:
            compareFolders(folderNow(), before);
            if (!QTest::currentTestFailed())
                compareFolders(folderReopened(), before); // nothing left to complete it later
            break;
        case Outcome::Saved:
            compareFolders(folderReopened(), savedFolders.value(path));
            break;
        case Outcome::PhotoNotStored: {
            Folder expected = savedFolders.value(path);
            const QString photo = QStringLiteral("Schedario/Socio_1.jpg");
            expected.insert(photo, before.value(photo));
            compareFolders(folderNow(), expected);
            break;
        }
        }
    }
};

QTEST_MAIN(TestSaveFaults)
#include "tst_save_faults.moc"
