#pragma once

#include "receipts/TfrmRicevute.h"
#include "shell/ScreenFlow.h"
#include "storage/ProgramFolder.h"
#include "storage/ReceiptRecord.h"
#include "tests/support/ScreenTest.h"

#include <QDateTime>
#include <QList>
#include <memory>

// A receipt of 15/03/2027 from the association to one payer, for one item of 25,00.
ReceiptRecord sampleReceipt(const QString& number, const QString& payer,
                            const QString& item = QStringLiteral("Quota sociale"),
                            const QString& flag = QStringLiteral("No"));

// Appends the receipts to the file of that year in the program folder.
void writeReceipts(int year, const QList<ReceiptRecord>& receipts);
ReceiptRecord storedReceipt(int year, qint64 position);

// The receipt editor over a fresh program folder, with the main menu it returns to.
class ReceiptEditorFixture {
protected:
    ScreenTest t;
    std::unique_ptr<ScreenFlow> flow;
    std::unique_ptr<PersistentScreen> menu;
    std::unique_ptr<TfrmRicevute> editor;

    void setUpScreens(const QDateTime& now); // from init()
    void tearDownScreens();                  // from cleanup()
    // Shows the editor on that year's file, as "Apri" of the receipts menu does.
    void openEditor(const QString& year = QStringLiteral("2027"));
    static QString yearFile() { return receiptsArchivePath(2027); } // what openEditor() opens
};
