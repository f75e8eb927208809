#include "tests/receipts/ReceiptFixtures.h"

#include "storage/ProgramFolder.h"
#include "storage/RecordFile.h"
#include "tests/support/MainMenuPlaceholder.h"
#include "ui/Clock.h"

ReceiptRecord sampleReceipt(const QString& number, const QString& payer, const QString& item,
                            const QString& flag) {
    ReceiptRecord stored;
    stored.NumRic = number;
    stored.Data = QStringLiteral("15/03/2027");
    stored.LavRigo[0] = QStringLiteral("Circolo Nautico Velarno");
    stored.CliRigo[0] = payer;
    stored.Descrizione[0] = item;
    stored.Importo[0] = QStringLiteral("25,00");
    stored.Totale = QStringLiteral("25,00");
    stored.DaSaldare = flag;
    return stored;
}

void writeReceipts(int year, const QList<ReceiptRecord>& receipts) {
    RecordFile<ReceiptRecord> file;
    file.openOrCreate(receiptsArchivePath(year));
    for (const ReceiptRecord& stored : receipts)
        file.append(stored);
}

ReceiptRecord storedReceipt(int year, qint64 position) {
    RecordFile<ReceiptRecord> file;
    file.openOrCreate(receiptsArchivePath(year));
    file.seek(position - 1);
    return file.read();
}

void ReceiptEditorFixture::setUpScreens(const QDateTime& now) {
    t.setUpSeams();
    setClockForTests(now);
    flow = std::make_unique<ScreenFlow>([] {});
    menu = mainMenuPlaceholder(*flow);
    flow->add(Screen::Avvio, menu.get());
}

void ReceiptEditorFixture::tearDownScreens() {
    t.tearDownSeams();
    editor.reset();
    menu.reset();
    flow.reset();
}

void ReceiptEditorFixture::openEditor(const QString& year) {
    editor = std::make_unique<TfrmRicevute>(*flow);
    flow->add(Screen::Ricevute, editor.get());
    editor->setYear(year);
    flow->moveTo(Screen::Ricevute, nullptr);
    QVERIFY(QTest::qWaitForWindowActive(editor.get()));
}
