#pragma once

#include "shell/ScreenKinds.h"

#include <utility>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

// The backup copies made when the program ends, newest first, with what each holds; the chosen
// one is put back after a question, once what is there now has been copied too.
class TfrmRipristino : public FixedDialog {
    Q_OBJECT
public:
    explicit TfrmRipristino(QWidget* opener);

    QLabel* lblIstruzioni;
    QTreeWidget* lstCopie;
    QPushButton *btnRipristina, *btnChiudi;

private:
    void fillList();
    void restoreChosen();
};

// When the program ends: a copy of its files goes to the folder Backup; a failure is told.
void backUpAtEnd(QWidget* parent);

// "Soci: 120. Ricevute 2025: 300, 2026: 41"
QString backupContentsText(qint64 members, const std::vector<std::pair<int, qint64>>& receipts);
