#pragma once

#include "storage/ReceiptRecord.h"

#include <QString>
#include <optional>

// Why a receipt cannot be saved, with the box that gets the focus.
struct ReceiptProblem {
    QString box; // name of the edit box
    QString message;
};

// The first mandatory field left empty, in order: number, date, first description,
// association name, payer name. Nothing when the receipt can be saved.
std::optional<ReceiptProblem> receiptSaveProblem(const ReceiptRecord& receipt);

// The flag as stored: "Sì" for an unsettled receipt, "No" otherwise.
QString unsettledFlag(bool unsettled);
// Ticked for "Sì", unticked for "No", nothing for anything else (the box keeps its state).
std::optional<bool> unsettledFromFlag(const QString& flag);
