#include "members/TfrmAnagrafica.h"
#include "members/TfrmImportaSoci.h"
#include "storage/MemberRecord.h"
#include "storage/ProgramFolder.h"
#include "storage/RecordFile.h"
#include "tests/members/MemberFixtures.h"
#include "tests/support/MemberArchive.h"
#include "tests/support/NoFileWrites.h"
#include "tests/support/TextFit.h"
#include "ui/DialogRunner.h"
#include "ui/FileDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <functional>

namespace {

MemberRecord member(const QString& name) {
    MemberRecord record;
    record.Dipendente = name;
    record.Stipendio = QStringLiteral("20,00");
    record.DataSca = QStringLiteral("31/12/2026");
    record.Preavviso = QStringLiteral("0");
    return record;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<MemberRecord> archiveMembers() {
    RecordFile<MemberRecord> archive;
    archive.openOrCreate(membersArchivePath());
    QList<MemberRecord> members;
    while (!archive.atEnd())
        members << archive.read();
    return members;
}

QStringList listTexts(const QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

// Presses a key in whatever has the keyboard focus.
void press(Qt::Key key) {
    QTest::keyClick(QApplication::focusWidget(), key);
}

// Three good rows, one without a name, one with a date that does not exist.
const QByteArray mixedRows = "Cognome e nome;Quota;Scadenza;Colore\r\n"
                             "Rossi Mario;25;31/12/2026;rosso\r\n"
                             ";10;;verde\r\n"
                             "Bianchi Anna;7,5;;blu\r\n"
                             "Verdi Luca;;31/02/2026;giallo\r\n"
                             "Neri Carla;1,23456;01/03/2027;nero\r\n";

} // namespace

class TestImportWindow : public QObject, MemberEditorFixture {
    Q_OBJECT
    QString reportPath;
    QList<UserRequest> requests;

    // The import window from the member editor's button, with the CSV file already chosen by
    // pressing Enter on the focused file button; drive acts on it, then it is closed.
    void runImport(const QByteArray& csv, const std::function<void(TfrmImportaSoci&)>& drive) {
        const QString csvPath = t.programFolder() + QStringLiteral("/soci.csv");
        QFile file(csvPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(csv);
        file.close();
        setUserRequestHandlerForTests([this, csvPath](const UserRequest& request) {
            requests << request;
            return request.kind == UserRequest::Kind::OpenFile ? csvPath : reportPath;
        });
        bool driven = false;
        setDialogDriverForTests([&](QDialog& dialog) {
            driven = true;
            auto* window = qobject_cast<TfrmImportaSoci*>(&dialog);
            QVERIFY(window);
            QVERIFY(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
            QCOMPARE(QApplication::focusWidget(), window->btnScegli);
            press(Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), window->btnImporta);
            drive(*window);
            window->reject();
        });
        QTest::mouseClick(editor->btnImportaSoci, Qt::LeftButton);
        QVERIFY(driven);
    }

private Q_SLOTS:
    void init() {
        showEditor(QDateTime(QDate(2026, 3, 16), QTime(9, 0)));
        writeArchive({member(u"Gialli Ugo"_qs), member(u"Blu Ada"_qs)});
        reportPath = t.programFolder() + QStringLiteral("/resoconto.txt");
        requests.clear();
    }
    void cleanup() { closeEditor(); }

    // The separator and the character set are found and shown; the preview and the columns'
    // fields follow, and choosing another separator reads the file again.
    void formatIsFoundAndShown_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("encoding");
        QTest::newRow("Windows-1252 with semicolons")
            << QByteArray("Cognome e nome;Citt\xE0\r\nRossi Niccol\xF2;Forl\xEC\r\n")
            << u"Punto e virgola ( ; )"_qs << u"Windows-1252"_qs;
        QTest::newRow("UTF-8 with commas")
            << QByteArray("Cognome e nome,Citt\xC3\xA0\nRossi Niccol\xC3\xB2,Forl\xC3\xAC\n")
            << u"Virgola ( , )"_qs << u"UTF-8"_qs;
    }
    void formatIsFoundAndShown() {
        QFETCH(QByteArray, csv);
        QFETCH(QString, separator);
        QFETCH(QString, encoding);
        runImport(csv, [&](TfrmImportaSoci& window) {
            QCOMPARE(window.txtFile->text(),
                     QDir::toNativeSeparators(t.programFolder() + u"/soci.csv"_qs));
            QCOMPARE(requests.first().filterOrInitial, u"File CSV (*.csv *.txt)"_qs);
            QCOMPARE(window.cboSeparatore->currentText(), separator);
            QCOMPARE(window.cboCodifica->currentText(), encoding);
            QCOMPARE(window.grdAnteprima->horizontalHeaderItem(1)->text(), u"Città"_qs);
            QCOMPARE(window.grdAnteprima->item(0, 0)->text(), u"Rossi Niccolò"_qs);
            QCOMPARE(window.grdAnteprima->item(0, 1)->text(), u"Forlì"_qs);
            QCOMPARE(window.cboCampi.size(), 2);
            QCOMPARE(control<QComboBox>(&window, u"cboCampo01"_qs)->currentText(),
                     u"Cognome e nome"_qs);
            QCOMPARE(control<QComboBox>(&window, u"cboCampo02"_qs)->currentText(), u"Città"_qs);
            checkTextsFit(&window);

            window.cboSeparatore->setFocus();
            press(window.cboSeparatore->currentIndex() == 0 ? Qt::Key_Down : Qt::Key_Up);
            QCOMPARE(window.grdAnteprima->columnCount(), 1);
            QCOMPARE(window.cboCampi.size(), 1);
        });
    }

    // Good rows are appended after the question that counts them, fee normalised; the refused
    // ones are listed with their line and reason, and the saved report holds them.
    void goodRowsAreAppendedAndRefusedOnesReported() {
        runImport(mixedRows, [&](TfrmImportaSoci& window) {
            press(Qt::Key_Return);
            const QStringList refusals{
                u"Riga 3: manca il cognome e nome del socio"_qs,
                u"Riga 5: la data di scadenza 31/02/2026 non esiste (gg/mm/aaaa)"_qs};
            QCOMPARE(listTexts(window.lstScartate), refusals);
            QCOMPARE(t.messages.size(), 2);
            QCOMPARE(t.messages[0].kind, MessageKind::Question);
            QCOMPARE(t.messages[0].text,
                     u"Soci da aggiungere all'archivio: 3.\r\nRighe scartate: 2.\r\n\r\n"
                     u"Si vuole procedere con l'importazione?"_qs);
            QCOMPARE(t.messages[1].kind, MessageKind::Information);
            QCOMPARE(t.messages[1].text,
                     u"Soci aggiunti all'archivio: 3 (schede da 3 a 5).\r\nRighe scartate: 2."_qs);

            window.btnSalvaResoconto->setFocus();
            press(Qt::Key_Return);
            QCOMPARE(requests.last().kind, UserRequest::Kind::SaveFile);
            QCOMPARE(fileBytes(reportPath),
                     QByteArray("Importazione soci dal file soci.csv\r\n"
                                "Soci aggiunti all'archivio: 3\r\n"
                                "Righe scartate: 2\r\n"
                                "Riga 3: manca il cognome e nome del socio\r\n"
                                "Riga 5: la data di scadenza 31/02/2026 non esiste (gg/mm/aaaa)"
                                "\r\n"));
        });
        const QList<MemberRecord> members = archiveMembers();
        QCOMPARE(members.size(), 5);
        QCOMPARE(members[2].Dipendente, u"Rossi Mario"_qs);
        QCOMPARE(members[2].Stipendio, u"25,00"_qs);
        QCOMPARE(members[2].DataSca, u"31/12/2026"_qs);
        QCOMPARE(members[3].Dipendente, u"Bianchi Anna"_qs);
        QCOMPARE(members[3].Stipendio, u"7,50"_qs);
        QCOMPARE(members[3].DataSca, QString());
        QCOMPARE(members[3].Preavviso, u"0"_qs);
        QCOMPARE(members[4].Stipendio, u"1,2346"_qs);
        QCOMPARE(members[4].Note, QString()); // the colour column was not taken
    }

    // Columns chosen by the user from the keyboard: the colours go into the notes, the fee
    // column is left out, and a field taken by a second column leaves the first.
    void fieldsChosenByTheUserAreUsed() {
        runImport(mixedRows, [&](TfrmImportaSoci& window) {
            QComboBox* colour = control<QComboBox>(&window, u"cboCampo04"_qs);
            QCOMPARE(colour->currentText(), u"(non importare)"_qs);
            colour->setFocus();
            QTest::keyClicks(colour, u"Note"_qs);
            QCOMPARE(colour->currentText(), u"Note"_qs);
            QComboBox* fee = control<QComboBox>(&window, u"cboCampo02"_qs);
            fee->setFocus();
            QTest::keyClicks(fee, u"Tessera"_qs);
            QComboBox* expiry = control<QComboBox>(&window, u"cboCampo03"_qs);
            expiry->setFocus();
            QTest::keyClicks(expiry, u"Tessera"_qs);
            QCOMPARE(fee->currentText(), u"(non importare)"_qs);
            QCOMPARE(expiry->currentText(), u"Tessera n."_qs);
            press(Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), colour);
            press(Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), window.btnImporta);
            press(Qt::Key_Return);
            // Without the expiry column no date can be refused.
            QCOMPARE(listTexts(window.lstScartate),
                     QStringList{u"Riga 3: manca il cognome e nome del socio"_qs});
        });
        const QList<MemberRecord> members = archiveMembers();
        QCOMPARE(members.size(), 6);
        QCOMPARE(members[2].Note, u"rosso"_qs);
        QCOMPARE(members[2].Stipendio, u"0,00"_qs);
        QCOMPARE(members[2].Cittadinanza, u"31/12/2026"_qs);
        QCOMPARE(members[2].DataSca, QString());
        QCOMPARE(members[5].Note, u"nero"_qs);
    }

    // A disk that fills up in the middle of the second new member: the archive stays byte for
    // byte as it was, its incomplete last record included, and the user is told so.
    void aFailedAppendLeavesTheArchiveAsItWas() {
        const QByteArray before = fileBytes(membersArchivePath()) + QByteArray(100, 'x');
        t.writeProgramFile(QStringLiteral("Soci.pro"), before);
        runImport(mixedRows, [&](TfrmImportaSoci&) {
            NoFileWrites diskFull(rlim_t(2 * MemberRecord::Size + MemberRecord::Size * 3 / 2));
            press(Qt::Key_Return);
        });
        QCOMPARE(fileBytes(membersArchivePath()), before);
        QCOMPARE(t.messages.size(), 2);
        QCOMPARE(t.messages[1].kind, MessageKind::Error);
        QCOMPARE(t.messages[1].text,
                 u"Attenzione: il sistema non permette di scrivere nell'archivio dei soci."
                 u"\n\r\n\rL'importazione è stata annullata: nessun socio è stato aggiunto e "
                 u"l'archivio è rimasto com'era."_qs);
    }

    void answeringNoAppendsNothing() {
        const QByteArray before = fileBytes(membersArchivePath());
        t.questionAnswer = false;
        runImport(mixedRows, [&](TfrmImportaSoci& window) {
            press(Qt::Key_Return);
            QCOMPARE(window.lstScartate->count(), 2);
        });
        QCOMPARE(fileBytes(membersArchivePath()), before);
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(t.messages[0].kind, MessageKind::Question);
    }

    // Without a column for the name every row would be refused: the user is asked for it.
    void aNameColumnIsNeeded() {
        runImport("Tessera;Quota\r\n12;10\r\n", [&](TfrmImportaSoci& window) {
            press(Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), window.cboCampi.first());
        });
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(t.messages[0].kind, MessageKind::Warning);
        QCOMPARE(archiveMembers().size(), 2);
    }
};

QTEST_MAIN(TestImportWindow)
#include "tst_import_window.moc"
