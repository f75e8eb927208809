#pragma once

#include "rules/ReceiptLists.h"
#include "shell/SummaryList.h"

#include <functional>

// Where a chosen receipt goes: the receipt editor shows the record at that 1-based position.
using ReceiptLoader = std::function<void(qint64 position)>;

// A summary list of the receipts of a year's file; a double-click loads the receipt of the
// chosen line into the receipt editor.
class ReceiptListDialog : public SummaryListDialog {
    Q_OBJECT
public:
    ReceiptListDialog(QWidget* opener, const SummaryListKind& kind);

    void setReceiptsFile(const QString& path, ReceiptLoader load);

protected:
    const QString& receiptsFile() const { return path_; }
    static QString receiptsProgressLabel() {
        return QStringLiteral("Lettura dell'archivio delle ricevute in corso...");
    }
    void openEntry(const ListEntry& entry) override;

private:
    QString path_;
    ReceiptLoader load_;
};
