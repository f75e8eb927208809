#include "receipts/TfrmControlloNumeri.h"
#include "receipts/TfrmMenuRicevute.h"
#include "receipts/TfrmRicevute.h"
#include "rules/ReceiptNumbering.h"
#include "shell/ScreenFlow.h"
#include "storage/ProgramFolder.h"
#include "tests/receipts/ReceiptFixtures.h"
#include "tests/support/MainMenuPlaceholder.h"
#include "tests/support/ScreenTest.h"
#include "tests/support/TextFit.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

namespace {

void storeNumbers(int year, const QStringList& numbers) {
    QList<ReceiptRecord> receipts;
    for (const QString& number : numbers)
        receipts.append(sampleReceipt(number, QStringLiteral("Pagatore ") + number));
    writeReceipts(year, receipts);
}

} // namespace

class TestNumberingCheck : public QObject {
    Q_OBJECT
    ScreenTest t;
    std::unique_ptr<ScreenFlow> flow;
    std::unique_ptr<PersistentScreen> mainMenu;
    std::unique_ptr<TfrmMenuRicevute> menu;
    std::unique_ptr<TfrmRicevute> editor;

    void showMenu() {
        flow->moveTo(Screen::Avvio, nullptr);
        flow->moveTo(Screen::MenuRicevute, mainMenu.get());
        QVERIFY(QTest::qWaitForWindowActive(menu.get()));
    }
    QString notice() const {
        return control<QLabel>(menu.get(), QStringLiteral("lblNumerazione"))->text();
    }

private Q_SLOTS:
    void init() {
        t.setUpSeams();
        setClockForTests(QDateTime(QDate(2027, 5, 2), QTime(9, 0)));
        flow = std::make_unique<ScreenFlow>([] {});
        mainMenu = mainMenuPlaceholder(*flow);
        menu = std::make_unique<TfrmMenuRicevute>(*flow);
        editor = std::make_unique<TfrmRicevute>(*flow);
        flow->add(Screen::Avvio, mainMenu.get());
        flow->add(Screen::MenuRicevute, menu.get());
        flow->add(Screen::Ricevute, editor.get());
    }
    void cleanup() {
        t.tearDownSeams();
        editor.reset();
        menu.reset();
        mainMenu.reset();
        flow.reset();
    }

    void summaryNamesGapsAndRepeats_data() {
        QTest::addColumn<QStringList>("numbers");
        QTest::addColumn<QString>("summary");
        QTest::newRow("in order") << QStringList{u"1"_qs, u"2"_qs, u"3"_qs}
                                  << u"Numerazione regolare: nessun numero mancante o ripetuto."_qs;
        QTest::newRow("raised start counts from the lowest")
            << QStringList{u"100"_qs, u"101"_qs}
            << u"Numerazione regolare: nessun numero mancante o ripetuto."_qs;
        QTest::newRow("gaps and a repeat, in any order")
            << QStringList{u"16"_qs, u"11"_qs, u"40"_qs, u"13"_qs, u"14"_qs, u"40"_qs, u"17"_qs}
            << u"Numeri mancanti: 12, 15, 18, 19, 20, 21, 22, 23, 24, 25 e altri 14. "
               u"Numeri usati più volte: 40 (2)"_qs;
        QTest::newRow("blanks around a number and a number that is not one")
            << QStringList{u" 1 "_qs, u"1"_qs, u"1"_qs, u"2/A"_qs, u"3"_qs}
            << u"Numeri mancanti: 2. Numeri usati più volte: 1 (3). "
               u"Ricevute senza un numero valido: 1"_qs;
        QTest::newRow("a huge gap is not spelt out")
            << QStringList{u"1"_qs, u"999999999999999999"_qs}
            << u"Numeri mancanti: 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 e altri "
               u"999999999999999987"_qs;
        QTest::newRow("no receipts")
            << QStringList{} << u"Nessuna ricevuta in archivio per l'anno scelto."_qs;
    }
    void summaryNamesGapsAndRepeats() {
        QFETCH(QStringList, numbers);
        QFETCH(QString, summary);
        storeNumbers(2027, numbers);
        QCOMPARE(numberingSummary(checkReceiptNumbers(receiptsArchivePath(2027))), summary);
    }

    // The menu tells, for the year in its box, without creating a year's file.
    void menuTellsTheChosenYear() {
        storeNumbers(2026, {u"1"_qs, u"3"_qs, u"3"_qs});
        showMenu();
        QCOMPARE(notice(), u"Nessuna ricevuta in archivio per l'anno scelto."_qs);
        QVERIFY(!QFile::exists(receiptsArchivePath(2027)));
        auto* list = control<QPushButton>(menu.get(), QStringLiteral("btnControlloNumeri"));
        QVERIFY(!list->isEnabled());

        menu->txtAnnoPreventivi->clear();
        typeText(menu->txtAnnoPreventivi, u"202"_qs);
        QCOMPARE(notice(), QString());
        typeText(menu->txtAnnoPreventivi, u"6"_qs);
        QCOMPARE(notice(), u"Numeri mancanti: 2. Numeri usati più volte: 3 (2)"_qs);
        QVERIFY(list->isEnabled());
        checkTextsFit(menu.get());
    }

    // The list shows the receipts around the gap and those sharing a number, by number; a
    // double-click opens the chosen one in the editor of that year.
    void listOpensAReceiptInTheEditor() {
        storeNumbers(2026, {u"5"_qs, u"1"_qs, u"2"_qs, u"5"_qs, u"3"_qs});
        showMenu();
        menu->txtAnnoPreventivi->setText(u"2026"_qs);
        setDialogDriverForTests([](QDialog& dialog) {
            auto& list = dynamic_cast<TfrmControlloNumeri&>(dialog);
            QVERIFY(QTest::qWaitForWindowActive(&list));
            checkTextsFit(&list);
            QStringList numbers;
            for (const QString& line : list.model().lines())
                numbers << line.mid(8, 14).trimmed();
            QCOMPARE(numbers, (QStringList{u"3"_qs, u"5"_qs, u"5"_qs}));
            const QRect where = list.lstRecords->visualRect(list.model().index(2));
            QTest::mouseClick(list.lstRecords->viewport(), Qt::LeftButton, {}, where.center());
            QTest::mouseDClick(list.lstRecords->viewport(), Qt::LeftButton, {}, where.center());
        });
        QTest::mouseClick(control<QPushButton>(menu.get(), QStringLiteral("btnControlloNumeri")),
                          Qt::LeftButton);
        QVERIFY(editor->isVisible());
        QVERIFY(!menu->isVisible());
        QCOMPARE(editor->filePath(), receiptsArchivePath(2026));
        QCOMPARE(editor->position(), u"4"_qs);
        QCOMPARE(editor->txtNumRic->text(), u"5"_qs);
    }
};

QTEST_MAIN(TestNumberingCheck)
#include "tst_numbering_check.moc"
