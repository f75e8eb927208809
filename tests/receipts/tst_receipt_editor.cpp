#include "receipts/PriceListBox.h"
#include "receipts/TfrmRicevute.h"
#include "rules/PriceList.h"
#include "rules/ReceiptSettings.h"
#include "storage/NativeFile.h"
#include "storage/ProgramFolder.h"
#include "storage/TextCodec.h"
#include "tests/receipts/ReceiptFixtures.h"
#include "tests/support/TextFit.h"
#include "ui/Application.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <cerrno>

namespace {

ReceiptRecord receipt(int number, const QString& flag = QStringLiteral("No")) {
    return sampleReceipt(QString::number(number), QStringLiteral("Cliente %1").arg(number),
                         QStringLiteral("Quota sociale"), flag);
}

} // namespace

class TestReceiptEditor : public QObject, ReceiptEditorFixture {
    Q_OBJECT

    qint64 fileSize() const { return QFileInfo(yearFile()).size(); }
    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    QString lastMessage() const {
        return t.messages.isEmpty() ? QString() : t.messages.last().text;
    }
    void fillMandatory() {
        editor->txtLavRigo[0]->setText(QStringLiteral("Circolo Nautico Velarno"));
        editor->txtCliRigo[0]->setText(QStringLiteral("Rossi Mario"));
        editor->txtDescrizione[0]->setText(QStringLiteral("Quota sociale 2027"));
    }

private Q_SLOTS:
    void init() { setUpScreens(QDateTime(QDate(2027, 3, 15), QTime(10, 0))); }
    void cleanup() { tearDownScreens(); }

    void textsFit() {
        openEditor();
        checkTextsFit(editor.get());
        // The total of fifteen characters, as long as the stored field.
        for (const QString& total :
             {QStringLiteral("123456789013,74"), QStringLiteral("999999999999999")}) {
            editor->txtTotale->setText(total);
            checkTextsFit(editor.get());
        }
    }

    void newYearStartsAtOne() {
        openEditor();
        QVERIFY(QFile::exists(yearFile()));
        QCOMPARE(fileSize(), 0);
        QCOMPARE(editor->txtNumRic->text(), QStringLiteral("1"));
        QCOMPARE(editor->txtData->text(), QStringLiteral("15/03/2027"));
        QCOMPARE(editor->position(), QString());
        QCOMPARE(editor->txtTotale->text(), QStringLiteral("---"));
        QVERIFY(editor->txtCliRigo[0]->hasFocus());
        QCOMPARE(editor->windowTitle(), QStringLiteral(" Velarno - Emissione ricevute anno 2027"));
    }

    void numberCountsFromTheStartValue() {
        storeNumberingStart(QStringLiteral("10"));
        writeReceipts(2027, {receipt(10), receipt(11), receipt(12)});
        openEditor();
        QCOMPARE(editor->txtNumRic->text(), QStringLiteral("13"));
        fillMandatory();
        editor->txtNumRic->setText(QStringLiteral("13-bis"));
        click(editor->cmdSalva);
        click(editor->cmdNuovo);
        QCOMPARE(editor->txtNumRic->text(), QStringLiteral("14"));
    }

    void startValueThatIsNotAWholeNumberIsReported() {
        storeNumberingStart(QStringLiteral("dieci"));
        openEditor();
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(t.messages[0].kind, MessageKind::Error);
        QVERIFY(lastMessage().startsWith(
            QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.")));
    }

    void saveAppendsThenOverwritesInPlace() {
        writeReceipts(2027, {receipt(1), receipt(2)});
        openEditor();
        fillMandatory();
        editor->txtImporto[2]->setText(QStringLiteral("12,50"));
        click(editor->cmdSalva);
        QCOMPARE(lastMessage(), QStringLiteral("La scheda corrente è stata inserita in archivio."));
        QCOMPARE(editor->position(), QStringLiteral("3"));
        QCOMPARE(fileSize(), 3 * ReceiptRecord::Size);
        QCOMPARE(editor->txtTotale->text(), QStringLiteral("12,50"));
        QCOMPARE(storedReceipt(2027, 3).Totale, QStringLiteral("12,50"));
        QCOMPARE(storedReceipt(2027, 3).Importo[0], QString());

        editor->chkDaSaldare->setChecked(true);
        click(editor->cmdSalva);
        QCOMPARE(lastMessage(), QStringLiteral("Le modifiche apportate alla scheda corrente sono "
                                               "state salvate in archivio."));
        QCOMPARE(fileSize(), 3 * ReceiptRecord::Size);
        QCOMPARE(storedReceipt(2027, 3).DaSaldare, QStringLiteral("Sì"));
        QCOMPARE(storedReceipt(2027, 2), receipt(2));
    }

    // Another copy of the program on the shared folder may have stored the number meanwhile.
    void usedNumberOffersTheFirstFreeOne_data() {
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<QString>("storedNumber"); // empty: nothing stored

        QTest::newRow("take the free number") << QList<bool>{true} << QStringLiteral("4");
        QTest::newRow("keep the typed number") << QList<bool>{false, true} << QStringLiteral("2");
        QTest::newRow("cancel the save") << QList<bool>{false, false} << QString();
    }
    void usedNumberOffersTheFirstFreeOne() {
        QFETCH(QList<bool>, answers);
        QFETCH(QString, storedNumber);
        writeReceipts(2027, {receipt(1), receipt(2), receipt(3)});
        openEditor();
        fillMandatory();
        editor->txtNumRic->setText(QStringLiteral("2"));
        t.questionAnswers = answers;

        click(editor->cmdSalva);

        QCOMPARE(t.messages[0].kind, MessageKind::Question);
        QCOMPARE(t.messages[0].text,
                 QStringLiteral("Il numero 2 è già stato usato da un'altra ricevuta dello stesso "
                                "anno.\n\r\n\rUsare il primo numero libero, 4?"));
        if (answers.size() > 1)
            QCOMPARE(t.messages[1].text,
                     QStringLiteral("Salvare comunque la ricevuta con il numero 2, già usato da "
                                    "un'altra ricevuta dello stesso anno?\n\r\n\rRispondendo No "
                                    "la ricevuta non viene salvata."));
        if (storedNumber.isEmpty()) {
            QCOMPARE(t.messages.size(), 2);
            QCOMPARE(fileSize(), 3 * ReceiptRecord::Size);
            QCOMPARE(editor->position(), QString());
            QCOMPARE(QApplication::focusWidget(), editor->txtNumRic);
            return;
        }
        QCOMPARE(t.messages.size(), answers.size() + 1);
        QCOMPARE(lastMessage(), QStringLiteral("La scheda corrente è stata inserita in archivio."));
        QCOMPARE(fileSize(), 4 * ReceiptRecord::Size);
        QCOMPARE(storedReceipt(2027, 4).NumRic, storedNumber);
        QCOMPARE(editor->txtNumRic->text(), storedNumber);

        // Its own stored number is no new clash, also when the user kept a used one.
        t.messages.clear();
        click(editor->cmdSalva);
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(lastMessage(), QStringLiteral("Le modifiche apportate alla scheda corrente sono "
                                               "state salvate in archivio."));
    }

    void folderWithoutLocksIsToldOnce() {
        NativeFile::refuseLocksForTests(ENOLCK);
        openEditor();
        fillMandatory();

        click(editor->cmdSalva);
        click(editor->cmdSalva);

        QCOMPARE(t.messages.size(), 3);
        QCOMPARE(t.messages[0].kind, MessageKind::Warning);
        QCOMPARE(t.messages[0].text,
                 QStringLiteral("Attenzione: il file system della cartella del programma non "
                                "consente di bloccare gli archivi durante il salvataggio (succede "
                                "su alcune cartelle condivise in rete).\n\r\n\rLe schede vengono "
                                "salvate ugualmente, ma il programma non deve essere usato da due "
                                "computer contemporaneamente su questa cartella."));
        QCOMPARE(t.messages[1].text,
                 QStringLiteral("La scheda corrente è stata inserita in archivio."));
        QCOMPARE(t.messages[2].text, QStringLiteral("Le modifiche apportate alla scheda corrente "
                                                    "sono state salvate in archivio."));
        QCOMPARE(fileSize(), ReceiptRecord::Size);
    }

    void mandatoryFieldsInOrder_data() {
        QTest::addColumn<QStringList>("emptied");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("message");
        const QString needed = QStringLiteral("Attenzione: per salvare la ricevuta è necessario ");
        QTest::newRow("everything empty")
            << QStringList{QStringLiteral("txtNumRic"), QStringLiteral("txtData"),
                           QStringLiteral("txtDescrizione01"), QStringLiteral("txtLavRigo01"),
                           QStringLiteral("txtCliRigo01")}
            << QStringLiteral("txtNumRic")
            << needed + QStringLiteral("indicare il numero progressivo assegnato al documento.");
        QTest::newRow("date and payer")
            << QStringList{QStringLiteral("txtData"), QStringLiteral("txtCliRigo01")}
            << QStringLiteral("txtData")
            << needed + QStringLiteral("indicare la data di emissione.");
        QTest::newRow("first description, though the second is filled")
            << QStringList{QStringLiteral("txtDescrizione01")} << QStringLiteral("txtDescrizione01")
            << needed + QStringLiteral(
                            "compilare il primo campo della descrizione dei servizi forniti.");
        QTest::newRow("association")
            << QStringList{QStringLiteral("txtLavRigo01")} << QStringLiteral("txtLavRigo01")
            << needed + QStringLiteral("indicare la denominazione dell'associazione.");
        QTest::newRow("payer") << QStringList{QStringLiteral("txtCliRigo01")}
                               << QStringLiteral("txtCliRigo01")
                               << needed + QStringLiteral("indicare il nome del cliente.");
    }
    void mandatoryFieldsInOrder() {
        QFETCH(QStringList, emptied);
        QFETCH(QString, focused);
        QFETCH(QString, message);
        openEditor();
        fillMandatory();
        editor->txtDescrizione[1]->setText(QStringLiteral("Corso di vela"));
        for (const QString& name : emptied)
            control<QLineEdit>(editor.get(), name)->setText(QStringLiteral("  "));
        click(editor->cmdSalva);
        QCOMPARE(t.messages.last().kind, MessageKind::Warning);
        QCOMPARE(lastMessage(), message);
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
        QCOMPARE(fileSize(), 0);
    }

    void duplicateEmptiesTheNumber() {
        writeReceipts(2027, {receipt(1)});
        openEditor();
        click(editor->cmdDuplica);
        QCOMPARE(t.messages.last().kind, MessageKind::Warning);
        click(editor->cmdPrimo);
        click(editor->cmdDuplica);
        QCOMPARE(editor->txtNumRic->text(), QString());
        QCOMPARE(editor->txtData->text(), QStringLiteral("15/03/2027"));
        QCOMPARE(editor->txtCliRigo[0]->text(), QStringLiteral("Cliente 1"));
        QCOMPARE(editor->position(), QString());
        QVERIFY(lastMessage().startsWith(QStringLiteral("E' ora possibile apportare")));
        click(editor->cmdSalva);
        QCOMPARE(QApplication::focusWidget(), editor->txtNumRic);
        QCOMPARE(fileSize(), ReceiptRecord::Size);
    }

    void storedFlagTicksTheBox() {
        writeReceipts(2027, {receipt(1, QStringLiteral("Sì")), receipt(2, QStringLiteral("No")),
                             receipt(3, QStringLiteral("?"))});
        openEditor();
        click(editor->cmdPrimo);
        QVERIFY(editor->chkDaSaldare->isChecked());
        click(editor->cmdAvanti);
        QVERIFY(!editor->chkDaSaldare->isChecked());
        editor->chkDaSaldare->setChecked(true);
        click(editor->cmdAvanti); // any other word leaves the box as it was
        QVERIFY(editor->chkDaSaldare->isChecked());
        QCOMPARE(editor->txtTotale->text(), QStringLiteral("25,00"));
        click(editor->cmdAvanti); // the last: nothing happens
        QCOMPARE(editor->position(), QStringLiteral("3"));
    }

    void emptyYearNavigation() {
        openEditor();
        click(editor->cmdAvanti);
        QCOMPARE(lastMessage(), QStringLiteral("L'archivio non contiene nessuna scheda."));
        QCOMPARE(editor->txtNumRic->text(), QStringLiteral("1"));
    }

    void associationLinesSurviveARestart() {
        openEditor();
        editor->txtLavRigo[0]->setText(QStringLiteral("  Polisportiva Aurora "));
        editor->txtLavRigo[4]->setText(QStringLiteral("C.F. 91234567890"));
        click(editor->cmdEsci);
        QVERIFY(menu->isVisible());
        QVERIFY(!editor->isVisible());
        editor.reset();
        openEditor();
        QCOMPARE(editor->txtLavRigo[0]->text(), QStringLiteral("Polisportiva Aurora"));
        QCOMPARE(editor->txtLavRigo[4]->text(), QStringLiteral("C.F. 91234567890"));
    }

    void savedReceiptHasTheRecordLayout() {
        openEditor();
        fillMandatory();
        editor->txtImporto[13]->setText(QStringLiteral("7,50"));
        editor->txtDescrizione[13]->setText(QStringLiteral("Noleggio è €"));
        editor->chkDaSaldare->setChecked(true);
        click(editor->cmdSalva);
        QFile file(yearFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), ReceiptRecord::Size);
        const auto field = [&](int offset) { return bytes.mid(offset + 1, quint8(bytes[offset])); };
        QCOMPARE(field(0), QByteArray("1"));
        QCOMPARE(field(21), QByteArray("15/03/2027"));
        QCOMPARE(field(32), QByteArray("Circolo Nautico Velarno"));
        QCOMPARE(field(637), QByteArray("Rossi Mario"));
        QCOMPARE(field(1242), QByteArray("Quota sociale 2027"));
        QCOMPARE(field(2139), QByteArray("Noleggio \xE8 \x80"));
        QCOMPARE(field(2195), QByteArray("7,50"));
        QCOMPARE(field(2208), QByteArray("7,50"));
        QCOMPARE(bytes.mid(2224, 3), QByteArray("\x02S\xEC"));
    }

    void amountBoxKeys() {
        openEditor();
        QLineEdit* amount = editor->txtImporto[2];
        amount->setFocus();
        editor->txtTotale->setText(QStringLiteral("9,00"));
        typeText(amount, QStringLiteral("1.5"));
        QCOMPARE(amount->text(), QStringLiteral("15"));
        QCOMPARE(editor->txtTotale->text(), QStringLiteral("---"));
        editor->txtTotale->setText(QStringLiteral("9,00"));
        QTest::keyClick(amount, Qt::Key_Left); // the text stays, the total goes
        QCOMPARE(editor->txtTotale->text(), QStringLiteral("---"));
        QTest::keyClick(amount, Qt::Key_Return);
        QVERIFY(editor->txtDescrizione[3]->hasFocus());
        QCOMPARE(amount->text(), QStringLiteral("15,00"));
        editor->txtImporto[13]->setFocus();
        QTest::keyClick(editor->txtImporto[13], Qt::Key_Return);
        QVERIFY(editor->txtLavRigo[0]->hasFocus());
    }

    // Enter selects the next box's text, so typing replaces what it shows, as after Tab.
    void typingAfterEnterReplacesTheBox() {
        openEditor();
        editor->txtDescrizione[2]->setText(QStringLiteral("Quota sociale"));
        editor->txtImporto[2]->setText(QStringLiteral("0,00"));
        editor->txtImporto[1]->setFocus();
        QTest::keyClick(editor->txtImporto[1], Qt::Key_Return);
        typeText(editor->txtDescrizione[2], QStringLiteral("Corso di nuoto"));
        QTest::keyClick(editor->txtDescrizione[2], Qt::Key_Return);
        typeText(editor->txtImporto[2], QStringLiteral("35,5"));
        QTest::keyClick(editor->txtImporto[2], Qt::Key_Return);
        QCOMPARE(editor->txtDescrizione[2]->text(), QStringLiteral("Corso di nuoto"));
        QCOMPARE(editor->txtImporto[2]->text(), QStringLiteral("35,50"));

        editor->txtData->setText(QStringLiteral("10/12/2026"));
        editor->txtNumRic->setFocus();
        QTest::keyClick(editor->txtNumRic, Qt::Key_Return);
        QVERIFY(editor->txtData->hasFocus());
        QCOMPARE(editor->txtData->selectedText(), QStringLiteral("10/12/2026"));
    }

    // A box without the focus shows the beginning of a long text, not its end.
    void boxesShowTheBeginningOfLongTexts() {
        openEditor();
        const QString longText = QStringLiteral(
            "Quota sociale ridotta per under 18, comprensiva di assicurazione e tessera");
        editor->txtLavRigo[0]->setText(longText);
        QCOMPARE(editor->txtLavRigo[0]->cursorPosition(), 0);
        editor->txtDescrizione[0]->setFocus();
        typeText(editor->txtDescrizione[0], longText);
        QVERIFY(editor->txtDescrizione[0]->cursorPosition() > 0);
        QTest::keyClick(editor->txtDescrizione[0], Qt::Key_Return);
        QCOMPARE(editor->txtDescrizione[0]->cursorPosition(), 0);
    }

    void decorationsHaveTheirNames() {
        openEditor();
        for (const char* name :
             {"bkgData", "bkgNumRic", "sfoDaSaldare", "sfoNumRic", "shpContainer", "shpPulsanti02",
              "shpPulsanti03", "shpPulsanti04", "shpPulsanti05", "shpRecord", "shpSfondo"})
            QVERIFY2(control<QFrame>(editor.get(), QString::fromLatin1(name))->isVisible(), name);
        auto* panInfo = control<QLabel>(editor.get(), QStringLiteral("panInfo"));
        QTest::mouseMove(editor->windowHandle(),
                         editor->cmdSalva->mapTo(editor.get(), QPoint(5, 5)));
        QVERIFY(!panInfo->text().isEmpty());
        QTest::mouseMove(editor->windowHandle(),
                         editor->cmdNuovo->mapTo(editor.get(), QPoint(-1, 5)));
        QCOMPARE(panInfo->text(), QString());
    }

    void totalOfTheAmounts() {
        openEditor();
        editor->txtImporto[0]->setText(QStringLiteral("0,10"));
        editor->txtImporto[5]->setText(QStringLiteral("0,20"));
        click(editor->btnTotale);
        QCOMPARE(editor->txtTotale->text(), QStringLiteral("0,30"));
    }

    // A reminder only: the total above the threshold shows it, and any change of the total
    // takes it away again.
    void stampReminderFollowsTheTotal() {
        openEditor();
        const auto* lblBollo = control<QLabel>(editor.get(), QStringLiteral("lblBollo"));
        editor->txtImporto[0]->setText(QStringLiteral("77,47"));
        click(editor->btnTotale);
        QVERIFY(!lblBollo->isVisible());
        editor->txtImporto[1]->setText(QStringLiteral("0,01"));
        click(editor->btnTotale);
        QVERIFY(lblBollo->isVisible());
        checkTextsFit(editor.get());
        QTest::keyClick(editor->txtImporto[1], Qt::Key_5);
        QVERIFY(!lblBollo->isVisible());
    }

    void datePickerAndToday() {
        openEditor();
        setDialogDriverForTests([](QDialog& dialog) {
            control<QCalendarWidget>(&dialog, QStringLiteral("calAppuntamenti"))
                ->setSelectedDate(QDate(2027, 1, 6));
            QTest::mouseClick(control<QPushButton>(&dialog, QStringLiteral("btnImportaData")),
                              Qt::LeftButton);
        });
        editor->txtData->setFocus();
        QTest::keyClick(editor->txtData, Qt::Key_A);
        QCOMPARE(editor->txtData->text(), QStringLiteral("06/01/2027"));
        QTest::keyClick(editor->txtData, Qt::Key_Backspace);
        QCOMPARE(editor->txtData->text(), QString());
        click(editor->impData);
        QCOMPARE(editor->txtData->text(), QStringLiteral("15/03/2027"));
    }

    // The box is narrower than a stored line: the price shows at its right edge all the same.
    void priceListShowsEachPrice() {
        t.writeProgramFile(
            QStringLiteral("Listino_Prezzi.lst"),
            toWindows1252(priceListLine(QStringLiteral("Quota sociale ridotta per under 18 anni"),
                                        QStringLiteral("15,00"))) +
                "\r\n");
        openEditor();
        PriceListBox* list = editor->lstRecords;
        const QString shown = static_cast<QStyledItemDelegate*>(list->itemDelegate())
                                  ->displayText(list->item(0)->text(), QLocale());
        QVERIFY2(shown.startsWith(QStringLiteral("Quota sociale")), qPrintable(shown));
        QVERIFY2(shown.endsWith(QStringLiteral("€ 15,00")), qPrintable(shown));
        QVERIFY(QFontMetrics(list->font()).horizontalAdvance(shown) < list->viewport()->width());
        QVERIFY(!list->horizontalScrollBar()->isVisible());
        QCOMPARE(list->item(0)->text(), // the item keeps the stored line
                 priceListLine(QStringLiteral("Quota sociale ridotta per under 18 anni"),
                               QStringLiteral("15,00"))
                     .trimmed());
    }

    void priceListItemGoesToTheFirstFreeRow() {
        t.writeProgramFile(
            QStringLiteral("Listino_Prezzi.lst"),
            priceListLine(QStringLiteral("Quota sociale"), QStringLiteral("25,00")).toLatin1() +
                "\r\n");
        openEditor();
        QCOMPARE(editor->lstRecords->count(), 1);
        click(editor->btnAggiungiVoce);
        QVERIFY(lastMessage().startsWith(QStringLiteral("Attenzione: selezionare una voce")));
        editor->lstRecords->setCurrentRow(0);
        editor->txtImporto[0]->setText(QStringLiteral("3,00"));
        editor->txtTotale->setText(QStringLiteral("3,00"));
        click(editor->btnAggiungiVoce);
        QCOMPARE(editor->txtDescrizione[1]->text(), QStringLiteral("Quota sociale"));
        QCOMPARE(editor->txtImporto[1]->text(), QStringLiteral("25,00"));
        QCOMPARE(editor->txtTotale->text(), QStringLiteral("---"));

        for (QLineEdit* description : editor->txtDescrizione)
            description->setText(QStringLiteral("pieno"));
        editor->txtTotale->setText(QStringLiteral("1,00"));
        click(editor->btnAggiungiVoce); // a full receipt: only the total changes
        QCOMPARE(editor->txtDescrizione[13]->text(), QStringLiteral("pieno"));
        QCOMPARE(editor->txtTotale->text(), QStringLiteral("---"));
    }
};

int main(int argc, char** argv) {
    Application application(argc, argv);
    TestReceiptEditor tests;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_receipt_editor.moc"
