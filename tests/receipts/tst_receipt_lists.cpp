#include "members/TfrmTrovaAnagrafica.h"
#include "receipts/TfrmDaSaldare.h"
#include "receipts/TfrmRicevute.h"
#include "receipts/TfrmTrovaRicevute.h"
#include "storage/MemberRecord.h"
#include "storage/ProgramFolder.h"
#include "tests/receipts/ReceiptFixtures.h"
#include "tests/support/MemberArchive.h"
#include "tests/support/TextFit.h"
#include "ui/Application.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

namespace {

QStringList texts(std::initializer_list<const char*> list) {
    QStringList result;
    for (const char* text : list)
        result.append(QString::fromUtf8(text));
    return result;
}

QStringList numbersListed(SummaryListDialog& list) {
    QStringList numbers;
    for (const QString& line : list.model().lines())
        numbers.append(line.mid(8, 14).trimmed());
    return numbers;
}

// A real double-click on a line of the list.
void doubleClickRow(SummaryListDialog& list, int row) {
    const QRect where = list.lstRecords->visualRect(list.model().index(row));
    QTest::mouseClick(list.lstRecords->viewport(), Qt::LeftButton, {}, where.center());
    QTest::mouseDClick(list.lstRecords->viewport(), Qt::LeftButton, {}, where.center());
}

} // namespace

class TestReceiptLists : public QObject, ReceiptEditorFixture {
    Q_OBJECT

    // Presses an editor button that opens a window, and lets the test act on that window.
    template <class Window>
    void runFromEditor(QPushButton* button, const std::function<void(Window&)>& act) {
        bool ran = false;
        setDialogDriverForTests([&](QDialog& dialog) {
            auto* window = qobject_cast<Window*>(&dialog);
            QVERIFY(window);
            ran = true;
            QTRY_COMPARE(QApplication::activeWindow(), window);
            act(*window);
        });
        button->click(); // a mouse click would leave the editor the active window
        setDialogDriverForTests({});
        QVERIFY(ran);
    }
    void runSearch(const std::function<void(TfrmTrovaRicevute&)>& act) {
        runFromEditor<TfrmTrovaRicevute>(editor->cmdTrova, act);
    }
    void runUnsettled(const std::function<void(TfrmDaSaldare&)>& act) {
        runFromEditor<TfrmDaSaldare>(editor->cmdDaSaldare, act);
    }
    static void search(TfrmTrovaRicevute& window) {
        QTest::mouseClick(window.btnCerca, Qt::LeftButton);
    }

private Q_SLOTS:
    void init() { setUpScreens(QDateTime(QDate(2027, 3, 20), QTime(10, 0))); }
    void cleanup() { tearDownScreens(); }

    void criteriaPanelFirst() {
        writeReceipts(2027, {sampleReceipt(QStringLiteral("1"), QStringLiteral("Rossi"),
                                           QStringLiteral("Quota"))});
        openEditor();
        runSearch([](TfrmTrovaRicevute& window) {
            QCOMPARE(window.windowTitle(), QStringLiteral(" Trova ricevute in archivio"));
            checkTextsFit(&window);
            QVERIFY(window.panAvvio->isVisible());
            QVERIFY(!window.panContainer->isVisible());
            QVERIFY(!window.lblAttendere->isVisible());
            QVERIFY(window.txtNumRic->hasFocus());
            QVERIFY(control<QWidget>(&window, QStringLiteral("effNumRic"))->isVisible());
            QTest::keyClick(window.txtNumRic, Qt::Key_Return);
            QVERIFY(window.txtData->hasFocus());
            window.txtDescrizione[3]->setFocus();
            QVERIFY(control<QWidget>(&window, QStringLiteral("effDescrizione04"))->isVisible());
            QTest::keyClick(window.txtDescrizione[3], Qt::Key_Return); // the ring closes
            QVERIFY(window.txtNumRic->hasFocus());
            QTest::mousePress(window.btnCerca, Qt::LeftButton);
            QVERIFY(window.lblAttendere->isVisible());
            QTest::mouseRelease(window.btnCerca, Qt::LeftButton);
            QVERIFY(window.panContainer->isVisible());
            QVERIFY(!window.panAvvio->isVisible());
            checkTextsFit(&window);
            window.reject();
            QVERIFY(!window.lblAttendere->isVisible());
        });
    }

    void searchByCriteria_data() {
        QTest::addColumn<QStringList>("boxesAndTexts"); // box name, text typed, ...
        QTest::addColumn<QStringList>("numbers");
        QTest::newRow("nothing typed: all, in file order")
            << QStringList() << texts({"10", "9", "11", "12"});
        QTest::newRow("blanks only take no part")
            << texts({"txtCliRigo01", "   "}) << texts({"10", "9", "11", "12"});
        QTest::newRow("one criterion")
            << texts({"txtCliRigo01", "rossi"}) << texts({"10", "9", "12"});
        QTest::newRow("two criteria")
            << texts({"txtCliRigo01", "rossi", "txtDescrizione01", "quota"}) << texts({"10", "12"});
        QTest::newRow("number as text") << texts({"txtNumRic", "1"}) << texts({"10", "11", "12"});
        QTest::newRow("own row only") << texts({"txtDescrizione02", "quota"}) << texts({"9"});
        QTest::newRow("nothing found") << texts({"txtData", "1/3/2027"}) << QStringList();
    }
    void searchByCriteria() {
        QFETCH(QStringList, boxesAndTexts);
        QFETCH(QStringList, numbers);
        ReceiptRecord boat = sampleReceipt(QStringLiteral("9"), QStringLiteral("Rossi Anna"),
                                           QStringLiteral("Noleggio barca"));
        boat.Descrizione[1] = QStringLiteral("Quota sociale");
        writeReceipts(2027, {sampleReceipt(QStringLiteral("10"), QStringLiteral("Rossi Mario"),
                                           QStringLiteral("Quota sociale")),
                             boat,
                             sampleReceipt(QStringLiteral("11"), QStringLiteral("Bianchi Luca"),
                                           QStringLiteral("Quota sociale")),
                             sampleReceipt(QStringLiteral("12"), QStringLiteral("ROSSI SRL"),
                                           QStringLiteral("QUOTA ANNUALE"))});
        openEditor();
        runSearch([&](TfrmTrovaRicevute& window) {
            for (int i = 0; i + 1 < boxesAndTexts.size(); i += 2) {
                QLineEdit* box = control<QLineEdit>(&window, boxesAndTexts[i]);
                box->setFocus();
                typeText(box, boxesAndTexts[i + 1]);
            }
            search(window);
            QCOMPARE(numbersListed(window), numbers);
            QCOMPARE(
                window.lblTrovate->text(),
                QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(numbers.size()));
            QVERIFY(window.txtTrova->hasFocus());
            if (numbers.isEmpty()) {
                QTest::mouseClick(window.btnTrova, Qt::LeftButton);
                QCOMPARE(t.messages.last().text, QStringLiteral("Ricerca non applicabile: la "
                                                                "lista non contiene nessuna "
                                                                "voce."));
            } else {
                QVERIFY(window.model().lines().first().contains(QStringLiteral("  Pagatore: ")));
            }
            window.reject();
        });
        QCOMPARE(t.messages.size(), numbers.isEmpty() ? 1 : 0);
    }

    void yearWithoutFileFindsNothing() {
        openEditor();
        QVERIFY(QFile::remove(yearFile()));
        runSearch([](TfrmTrovaRicevute& window) {
            search(window);
            QCOMPARE(window.lblTrovate->text(),
                     QStringLiteral("Il presente riepilogo contiene 0 schede."));
            window.reject();
        });
        QVERIFY(QFile::exists(yearFile()));
        QVERIFY(t.messages.isEmpty());
    }

    // Identical lines: each double-click loads the receipt of its own line, not the last one
    // of the file that gives the same line.
    void doubleClickLoadsTheClickedReceipt_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("row");
        QTest::newRow("search, first") << "TfrmTrovaRicevute" << 0;
        QTest::newRow("search, second") << "TfrmTrovaRicevute" << 1;
        QTest::newRow("unsettled, first") << "TfrmDaSaldare" << 0;
        QTest::newRow("unsettled, second") << "TfrmDaSaldare" << 1;
    }
    void doubleClickLoadsTheClickedReceipt() {
        QFETCH(QString, window);
        QFETCH(int, row);
        QList<ReceiptRecord> twins;
        for (const char* town : {"Cervia", "Cesenatico"}) {
            ReceiptRecord twin =
                sampleReceipt(QStringLiteral("5"), QStringLiteral("Rossi Mario"),
                              QStringLiteral("Quota sociale"), QStringLiteral("Sì"));
            twin.CliRigo[2] = QString::fromUtf8(town);
            twin.LavRigo[1] = QString::fromUtf8(town);
            twins.append(twin);
        }
        twins[0].Descrizione[1] = QStringLiteral("Tessera");
        twins[0].Importo[1] = QStringLiteral("5,00");
        writeReceipts(2027, {sampleReceipt(QStringLiteral("4"), QStringLiteral("Verdi"),
                                           QStringLiteral("Quota sociale")),
                             twins[0], twins[1]});
        openEditor();
        editor->chkDaSaldare->setChecked(false);
        const auto act = [row](SummaryListDialog& list) {
            if (auto* search = qobject_cast<TfrmTrovaRicevute*>(&list)) {
                search->txtCliRigo[0]->setText(QStringLiteral("rossi"));
                QTest::mouseClick(search->btnCerca, Qt::LeftButton);
            }
            QCOMPARE(list.model().rowCount(), 2);
            QCOMPARE(list.model().lines()[0], list.model().lines()[1]);
            doubleClickRow(list, row);
            QVERIFY(!list.isVisible());
        };
        if (window == QStringLiteral("TfrmDaSaldare"))
            runUnsettled(act);
        else
            runSearch(act);
        const ReceiptRecord& chosen = twins[row];
        QCOMPARE(editor->position(), QString::number(row + 2));
        QCOMPARE(editor->txtCliRigo[2]->text(), chosen.CliRigo[2]);
        QCOMPARE(editor->txtLavRigo[1]->text(), chosen.LavRigo[1]);
        QCOMPARE(editor->txtDescrizione[1]->text(), chosen.Descrizione[1]);
        QCOMPARE(editor->txtImporto[1]->text(), chosen.Importo[1]);
        QCOMPARE(editor->txtNumRic->text(), QStringLiteral("5"));
        QCOMPARE(editor->txtData->text(), QStringLiteral("15/03/2027"));
        QCOMPARE(editor->txtTotale->text(), QStringLiteral("25,00"));
        QVERIFY(editor->chkDaSaldare->isChecked());
        QVERIFY(t.messages.isEmpty());
    }

    // Sorted by text, so 10 before 9; a receipt settled and saved in the editor leaves the list
    // at its next opening.
    void unsettledListIsSortedAndFollowsTheFile() {
        ReceiptRecord longPayer = sampleReceipt(
            QStringLiteral("10"), QStringLiteral("Associazione Sportiva Dilettantistica Velarno"),
            QStringLiteral("Quota sociale"), QStringLiteral("Sì"));
        writeReceipts(2027, {sampleReceipt(QStringLiteral("9"), QStringLiteral("Rossi"),
                                           QStringLiteral("Quota"), QStringLiteral("Sì")),
                             sampleReceipt(QStringLiteral("11"), QStringLiteral("Bianchi"),
                                           QStringLiteral("Quota"), QStringLiteral("No")),
                             longPayer});
        openEditor();
        runUnsettled([](TfrmDaSaldare& list) {
            QCOMPARE(list.windowTitle(), QStringLiteral(" Riepilogo conti non ancora saldati"));
            checkTextsFit(&list);
            QCOMPARE(numbersListed(list), (texts({"10", "9"})));
            QVERIFY(list.model().lines().first().contains(
                QStringLiteral("  Cliente: Associazione Sportiva Dilettan  Servizio: ")));
            QVERIFY(list.txtTrova->hasFocus());
            doubleClickRow(list, 0);
        });
        QCOMPARE(editor->txtCliRigo[0]->text(), longPayer.CliRigo[0]); // whole in the editor
        QVERIFY(editor->chkDaSaldare->isChecked());
        editor->chkDaSaldare->setChecked(false);
        QTest::mouseClick(editor->cmdSalva, Qt::LeftButton);
        runUnsettled([](TfrmDaSaldare& list) {
            QCOMPARE(numbersListed(list), (texts({"9"})));
            QTest::mouseClick(list.btnChiudi, Qt::LeftButton);
        });
        QCOMPARE(editor->position(), QStringLiteral("3"));
    }

    // Records that cannot be listed are told of once, after the list is shown.
    void skippedRecordsAreToldOnce() {
        ReceiptRecord noDate = sampleReceipt(QStringLiteral("2"), QStringLiteral("Rossi"),
                                             QStringLiteral("Quota"), QStringLiteral("Sì"));
        noDate.Data = QStringLiteral("32/03/2027");
        writeReceipts(2027, {sampleReceipt(QStringLiteral("1"), QStringLiteral("Rossi"),
                                           QStringLiteral("Quota"), QStringLiteral("Sì")),
                             noDate});
        QFile file(yearFile());
        QVERIFY(file.open(QIODevice::Append));
        file.write(QByteArray(100, 'x')); // a write that never ended
        file.close();
        openEditor();
        runUnsettled([](TfrmDaSaldare& list) {
            QCOMPARE(numbersListed(list), (texts({"1"})));
            list.reject();
        });
        runSearch([](TfrmTrovaRicevute& window) {
            search(window);
            QCOMPARE(numbersListed(window), (texts({"1"})));
            window.reject();
        });
        QCOMPARE(t.messages.size(), 2);
        for (const ScreenTest::Message& message : t.messages) {
            QCOMPARE(message.kind, MessageKind::Warning);
            QCOMPARE(message.text, skippedRecordsMessage(1)); // the incomplete record is none
        }
    }

    // The search reports the failure and keeps its criteria; the list tells the user it is not
    // whole.
    void unreadableFileIsReported() {
        openEditor();
        QVERIFY(QFile::remove(yearFile()));
        QVERIFY(QDir(t.programFolder()).mkdir(QStringLiteral("2027.ric")));
        runSearch([this](TfrmTrovaRicevute& window) {
            window.txtCliRigo[0]->setText(QStringLiteral("rossi"));
            search(window);
            QCOMPARE(t.messages.size(), 1);
            QCOMPARE(t.messages[0].kind, MessageKind::Plain);
            QVERIFY(t.messages[0].text.startsWith(
                QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.")));
            QVERIFY(window.panAvvio->isVisible());
            QVERIFY(!window.lblAttendere->isVisible());
            QCOMPARE(window.txtCliRigo[0]->text(), QStringLiteral("rossi"));
            window.reject();
        });
        runUnsettled([this](TfrmDaSaldare& list) {
            QCOMPARE(list.model().rowCount(), 0);
            QCOMPARE(t.messages.size(), 2);
            QCOMPARE(t.messages[1].kind, MessageKind::Error);
            list.reject();
        });
    }

    // The green arrow opens the member search; the member chosen there fills the five payer
    // lines and nothing else of the receipt.
    void payerComesFromTheMembersArchive() {
        MemberRecord member;
        member.Dipendente = QStringLiteral("Rossi Mario");
        member.Indirizzo = QStringLiteral("Via del Porto 12");
        member.Cap = QStringLiteral("48015");
        member.Citta = QStringLiteral("Cervia");
        member.Prov = QStringLiteral("RA");
        member.Recapito = QStringLiteral("0544 123456");
        member.CodFisc = QStringLiteral("RSSMRA80A01C553X");
        MemberRecord other;
        other.Dipendente = QStringLiteral("Bianchi Luca");
        writeArchive({other, member});
        openEditor();
        editor->txtDescrizione[0]->setText(QStringLiteral("Quota sociale"));
        runFromEditor<TfrmTrovaAnagrafica>(editor->impCliente, [](TfrmTrovaAnagrafica& search) {
            QCOMPARE(search.windowTitle(), QStringLiteral(" Trova soci in archivio"));
            search.txtDipendente->setFocus();
            typeText(search.txtDipendente, QStringLiteral("ross"));
            QTest::mouseClick(search.btnCerca, Qt::LeftButton);
            QCOMPARE(search.model().rowCount(), 1);
            doubleClickRow(search, 0);
            QVERIFY(!search.isVisible());
        });
        const QStringList expected{
            QStringLiteral("Rossi Mario"), QStringLiteral("Via del Porto 12"),
            QStringLiteral("48015 Cervia RA"), QStringLiteral("Tel. 0544 123456"),
            QStringLiteral("Codice fiscale: RSSMRA80A01C553X")};
        for (int line = 0; line < ReceiptRecord::HeaderLines; ++line)
            QCOMPARE(editor->txtCliRigo[line]->text(), expected[line]);
        QCOMPARE(editor->txtDescrizione[0]->text(), QStringLiteral("Quota sociale"));
        QCOMPARE(editor->txtNumRic->text(), QStringLiteral("1"));
        QCOMPARE(editor->position(), QString());
    }
};

int main(int argc, char** argv) {
    Application application(argc, argv);
    TestReceiptLists tests;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_receipt_lists.moc"
