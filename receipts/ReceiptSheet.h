#pragma once

#include "storage/ReceiptRecord.h"
#include "ui/Report.h"

#include <QImage>

// The receipt sheet repDuplice: the receipt twice on one landscape A4 sheet, copy A (for the
// payer) on the left, copy B (for the association) 140 mm to the right.

// The template, its placeholders in place.
Report receiptSheetTemplate();

// The sheet of a receipt: every text of both copies replaced, also by an empty one, and the
// logo in both copies. Texts print as they stand: nothing inside them is evaluated.
Report receiptSheet(const ReceiptRecord& receipt, const QImage& logo);
