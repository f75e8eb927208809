#pragma once

#include "rules/MemberImport.h"
#include "shell/ScreenKinds.h"

#include <QList>

class HintLine;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollArea;
class QTableWidget;

// Members read from a CSV file that a spreadsheet program saved: the separator and the
// character set found in the file (and changeable), a preview of the first rows, each column
// given to a member field, every row checked with the editor's rules and the good ones appended
// to Soci.pro all together or not at all. The refused rows are listed and can be saved.
class TfrmImportaSoci : public FixedDialog {
    Q_OBJECT
public:
    explicit TfrmImportaSoci(QWidget* opener);

    static constexpr int PreviewRows = 10;

    QLabel* lblIstruzioni;
    QLineEdit* txtFile;
    QComboBox *cboSeparatore, *cboCodifica;
    QTableWidget* grdAnteprima;
    QScrollArea* panColonne;
    QList<QComboBox*> cboCampi; // cboCampo01, ... one per column of the file
    QListWidget* lstScartate;
    QPushButton *btnScegli, *btnImporta, *btnSalvaResoconto, *btnGuida, *btnChiudi;
    QLabel* panInfo;

private:
    void buildFileChoice();
    void buildPreview();
    void buildOutcome();
    void addHints();

    void chooseFile();
    void readFile(); // with the separator and character set shown
    void showPreview();
    void showColumns();
    void orderTabs();
    void fieldChosen(QComboBox* chosen);
    QWidget* firstColumnOr(QWidget* otherwise) const; // the first column's field choice
    std::vector<int> chosenFields() const;
    void importMembers();
    void showRefusals(const QStringList& refusals);
    void saveReport();

    HintLine* hints_;
    QString csvPath_;
    QByteArray csvBytes_;
    CsvTable table_;
    QString report_;
};
