#include "members/TfrmAnagrafica.h"
#include "members/TfrmLibroSoci.h"
#include "rules/MembersRegister.h"
#include "storage/MemberRecord.h"
#include "storage/ProgramFolder.h"
#include "storage/RecordFile.h"
#include "tests/members/MemberFixtures.h"
#include "tests/support/MainMenuPlaceholder.h"
#include "tests/support/PdfText.h"
#include "tests/support/TextFit.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"
#include "ui/Printing.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>

namespace {

MemberRecord member(const QString& card, const QString& name, const QString& expiry) {
    MemberRecord record;
    record.Dipendente = name;
    record.Cittadinanza = card;
    record.DataNasc = QStringLiteral("01/02/1980");
    record.Luogo = QStringLiteral("Roma");
    record.CodFisc = QStringLiteral("RSSMRA80B01H501U");
    record.Indirizzo = QStringLiteral("Via Po 3");
    record.Cap = QStringLiteral("00185");
    record.Citta = QStringLiteral("Roma");
    record.Prov = QStringLiteral("RM");
    record.Familiari = QStringLiteral("Consigliere");
    record.DataSca = expiry;
    return record;
}

} // namespace

class TestMembersRegister : public QObject, MemberEditorFixture {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> pdfs;
    std::unique_ptr<PersistentScreen> mainMenu;

    // The register window from the member editor, on a date typed in its box.
    void runRegister(const QString& date, const std::function<void(TfrmLibroSoci&)>& drive) {
        setDialogDriverForTests([&](QDialog& dialog) {
            auto* window = qobject_cast<TfrmLibroSoci*>(&dialog);
            QVERIFY(window);
            QVERIFY(QTest::qWaitForWindowActive(window));
            if (!date.isEmpty()) {
                window->txtData->selectAll();
                typeText(window->txtData, date);
            }
            drive(*window);
            window->reject();
        });
        QTest::mouseClick(editor->btnLibroSoci, Qt::LeftButton);
    }

private Q_SLOTS:
    void init() {
        showEditor(QDateTime(QDate(2026, 6, 30), QTime(10, 0)));
        pdfs = std::make_unique<QTemporaryDir>();
        setPrintCaptureForTests(PrintCapture{true, pdfs->path()});
        mainMenu = mainMenuPlaceholder(*flow);
        flow->add(Screen::Avvio, mainMenu.get());
        writeArchive({member(u"10"_qs, u"Bianchi Anna"_qs, u"31/12/2026"_qs),
                      member(u"2"_qs, u"Rossi Mario"_qs, QString()),
                      member(u""_qs, u"Senza Tessera"_qs, u"30/06/2026"_qs),
                      member(u"A7"_qs, u"Verdi Luca"_qs, u"29/06/2026"_qs),
                      member(u"9"_qs, u"Neri Carla"_qs, u"non so"_qs)});
        t.writeProgramFile(QStringLiteral("Ricevute.ini"),
                           "[Dati Associazione]\r\nRigo 1=Circolo Velarno\r\nRigo 2=\r\n"
                           "Rigo 3=Via Roma 1\r\n");
    }
    void cleanup() {
        setPrintCaptureForTests(std::nullopt);
        closeEditor();
        mainMenu.reset();
        pdfs.reset();
    }

    void membersOnADate_data() {
        QTest::addColumn<QString>("expiry");
        QTest::addColumn<bool>("member");
        QTest::newRow("no expiry") << QString() << true;
        QTest::newRow("expires that day") << u"30/06/2026"_qs << true;
        QTest::newRow("expired the day before") << u"29/06/2026"_qs << false;
        QTest::newRow("not a date") << u"31/02/2026"_qs << true;
    }
    void membersOnADate() {
        QFETCH(QString, expiry);
        QFETCH(bool, member);
        QCOMPARE(isMemberOn(expiry, QDate(2026, 6, 30)), member);
    }

    // Ordered by card number, as numbers first; the title names the association and the date.
    void printoutListsTheMembersByCard() {
        runRegister(u"30062026"_qs, [](TfrmLibroSoci& window) {
            checkTextsFit(&window);
            window.btnStampa->click();
        });
        QCOMPARE(t.messages.size(), 0);
        const QStringList printouts = capturedPrintoutsForTests();
        QCOMPARE(printouts.size(), 1);
        const PdfText text = readPdfText(printouts.first());
        QVERIFY(
            !text.find(u"Circolo Velarno - Via Roma 1 - Libro soci al 30/06/2026"_qs).isEmpty());
        QStringList names;
        for (const QString& name : {u"Rossi Mario"_qs, u"Neri Carla"_qs, u"Bianchi Anna"_qs,
                                    u"Senza Tessera"_qs, u"Verdi Luca"_qs}) {
            const QList<PdfWord> found = text.find(name);
            if (!found.isEmpty())
                names << name;
        }
        QCOMPARE(names, (QStringList{u"Rossi Mario"_qs, u"Neri Carla"_qs, u"Bianchi Anna"_qs,
                                     u"Senza Tessera"_qs}));
        const auto top = [&](const QString& name) { return text.find(name).first().box.top(); };
        QVERIFY(top(u"Rossi Mario"_qs) < top(u"Neri Carla"_qs));
        QVERIFY(top(u"Neri Carla"_qs) < top(u"Bianchi Anna"_qs));
        QVERIFY(top(u"Bianchi Anna"_qs) < top(u"Senza Tessera"_qs));
        QVERIFY(!text.find(u"Via Po 3, 00185 Roma (RM)"_qs).isEmpty());
        QVERIFY(!text.find(u"Tessera n."_qs).isEmpty());
    }

    // The longest name and role the card holds are printed whole, on more lines of the row
    // within their columns.
    void longestNameAndRoleArePrintedWhole() {
        const auto filledTo = [](const QString& words, int capacity) {
            QString text = words;
            while (text.size() + 1 + words.size() <= capacity)
                text += QLatin1Char(' ') + words;
            return text.leftJustified(capacity, QLatin1Char('x'));
        };
        MemberRecord longest = member(u"11"_qs, filledTo(u"Anna Maria"_qs, 50), QString());
        longest.Familiari = filledTo(u"Istruttrice di vela"_qs, 250);
        QVERIFY(QFile::remove(membersArchivePath()));
        writeArchive({longest});
        runRegister(QString(), [](TfrmLibroSoci& window) { window.btnStampa->click(); });
        const QStringList printouts = capturedPrintoutsForTests();
        QCOMPARE(printouts.size(), 1);
        const PdfText text = readPdfText(printouts.first());
        // The words printed between the left edges of a heading and of the next one.
        const auto column = [&](const QString& heading, const QString& next) {
            const qreal left = text.find(heading).first().box.left() - 0.5;
            const qreal right = text.find(next).first().box.left() - 0.5;
            QStringList words;
            for (const QList<PdfWord>& line : text.lines())
                for (const PdfWord& word : line)
                    if (word.box.left() >= left && word.box.right() <= right)
                        words << word.text;
            return words;
        };
        QCOMPARE(column(u"Nome e cognome"_qs, u"Nato il"_qs).join(QLatin1Char(' ')),
                 u"Nome e cognome "_qs + longest.Dipendente);
        QCOMPARE(column(u"Incarico"_qs, u"Scadenza"_qs).join(QLatin1Char(' ')),
                 u"Incarico "_qs + longest.Familiari);
    }

    void exportWritesTheSameRows() {
        t.questionAnswer = false;
        runRegister(QString(), [](TfrmLibroSoci& window) { window.btnEsporta->click(); });
        QFile file(programFile(u"Libro_Soci.xls"_qs));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const qsizetype rossi = bytes.indexOf("Rossi Mario");
        const qsizetype bianchi = bytes.indexOf("Bianchi Anna");
        QVERIFY(rossi > 0 && bianchi > rossi);
        QVERIFY(!bytes.contains("Verdi Luca"));
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(t.messages[0].kind, MessageKind::Question);
        QVERIFY(t.shellTargets.isEmpty());
    }

    void aDateThatIsNoneIsRefused() {
        runRegister(u"31022026"_qs, [](TfrmLibroSoci& window) {
            window.btnStampa->click();
            QCOMPARE(window.focusWidget(), window.txtData);
        });
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(t.messages[0].kind, MessageKind::Warning);
        QVERIFY(capturedPrintoutsForTests().isEmpty());
    }
};

QTEST_MAIN(TestMembersRegister)
#include "tst_members_register.moc"
