#pragma once

#include "rules/Spreadsheet.h"
#include "shell/ScreenKinds.h"

class QLabel;
class QPushButton;
class QTableView;
class SpreadsheetRowsModel;

// The window of an export, shared by the members and the receipts: the archive's rows in a grid,
// some of whose columns can be corrected, written to a spreadsheet file of the program folder.
// A correction changes only what is exported, never the archive.
class SpreadsheetExportWindow : public FixedDialog {
    Q_OBJECT
public:
    QTableView* grdRecords;
    QPushButton *cmdEsporta, *cmdGuida, *cmdEsci;
    QLabel* panInfo;

    // The grid's header gives a column's name under this role: "colNum" for the position.
    static constexpr int ColumnNameRole = Qt::UserRole;

protected:
    struct Topic {
        QString title;
        QString text;
    };
    SpreadsheetExportWindow(QWidget* opener, const QString& objectName, const QString& caption,
                            const SpreadsheetLayout& layout, const Topic& help);

    // Fills the rows from the archive; the rows read before an error stay, unreported.
    virtual void loadRows(SpreadsheetTable& rows) = 0;

    void showEvent(QShowEvent* event) override;

private:
    void buildGrid();
    void buildButtons(const Topic& help);
    void buildHintLine();
    void widenColumnsToTheirTexts();
    void exportFile();
    SpreadsheetOutcome writeWithProgress(const QString& path);

    SpreadsheetLayout layout_;
    SpreadsheetRowsModel* rows_;
};
