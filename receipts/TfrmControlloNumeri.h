#pragma once

#include "receipts/TfrmDaSaldare.h"
#include "rules/ReceiptNumbering.h"

#include <QObject>

class QLabel;
class QPushButton;
class QWidget;

// The receipts whose numbers are missing around them, shared or not numbers at all, ordered by
// number; a double-click opens the receipt in the receipt editor.
class TfrmControlloNumeri : public ReceiptListDialog {
    Q_OBJECT
public:
    explicit TfrmControlloNumeri(QWidget* opener);

protected:
    void buildList() override;
};

// The receipts menu's line on the numbering of the chosen year, and its button that lists the
// receipts concerned. A chosen receipt is handed to open.
class NumberingNotice : public QObject {
    Q_OBJECT
public:
    NumberingNotice(QWidget* panel, const QRect& where, ReceiptLoader open);

    // The year's file is read when the year has four digits; nothing is created.
    void showYear(const QString& year);

    QLabel* lblNumerazione;
    QPushButton* btnControlloNumeri;

private:
    void listConcerned();

    QString path_;
    ReceiptLoader open_;
};
