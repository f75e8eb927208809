#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <vector>

struct MemberRecord;
struct ReceiptRecord;

// The spreadsheet files written by the exports: one HTML table wrapped in the markup by which
// Microsoft Excel recognises a worksheet, Windows-1252, without a single line break.

struct SpreadsheetColumn {
    QString header;
    int width = 0;               // the width attribute of the header cell
    bool editableInGrid = false; // the export window lets the user correct it before writing
    // Codes, amounts and dates: their cells also carry the text format that LibreOffice Calc
    // reads, since Calc ignores the table's x:str and would turn "00100" into 100. A cell that
    // Calc would take for a formula ("=", "+", "-", "@" first) carries it in every column.
    bool keepsText = false;
};

struct SpreadsheetLayout {
    QString fileName; // in the program folder
    QString worksheetName;
    QList<SpreadsheetColumn> columns;
};

// Soci.xls: 18 fields of every member, in this order.
SpreadsheetLayout membersSpreadsheet();
QStringList memberCells(const MemberRecord& member);

// Riepilogo_Ricevute.xls: number, date, payer lines, descriptions, total and unsettled flag.
SpreadsheetLayout receiptsSpreadsheet();
QStringList receiptCells(const ReceiptRecord& receipt);

// The rows to export, one text per cell. A row read from an archive shares the record's texts
// (no copy), so the grid of a large archive opens quickly.
class SpreadsheetTable {
public:
    explicit SpreadsheetTable(int columnCount) : columnCount_(columnCount) {}

    void appendRow(const QStringList& cells); // one text per column, trimmed here
    void reserveRows(qsizetype count) { cells_.reserve(std::size_t(count) * columnCount_); }
    void clear() { cells_.clear(); }

    qsizetype rowCount() const { return qsizetype(cells_.size()) / columnCount_; }
    int columnCount() const { return columnCount_; }
    const QString& cell(qsizetype row, int column) const { return cells_[cellIndex(row, column)]; }
    // A correction, kept as typed; the file gets it trimmed.
    void setCell(qsizetype row, int column, const QString& text) {
        cells_[cellIndex(row, column)] = text;
    }

private:
    std::size_t cellIndex(qsizetype row, int column) const {
        Q_ASSERT(row >= 0 && row < rowCount() && column >= 0 && column < columnCount_);
        return std::size_t(row) * columnCount_ + column;
    }

    int columnCount_;
    std::vector<QString> cells_; // row by row
};

// One row per record of an archive, in file order, appended to the rows; a missing file is
// created empty. False when the file could not be read to its end: the rows read so far stay.
bool appendMemberRows(const QString& archivePath, SpreadsheetTable& rows);
bool appendReceiptRows(const QString& yearFilePath, SpreadsheetTable& rows);

// A cell's text as the file holds it: trimmed, "&", "<" and ">" escaped, every other character
// one Windows-1252 byte, or a numeric character reference (&#NNNN;) when the code page lacks it
// or its code is below 32, so that no line break reaches the file.
QByteArray spreadsheetCellBytes(QStringView text);

// Called as the rows go out; false cancels the export.
using SpreadsheetProgress = std::function<bool(qsizetype rowsWritten)>;
enum class SpreadsheetOutcome { Written, Cancelled };

// Writes the whole file, replacing an existing one only once every byte is written: a failure
// (StorageError::WriteFailed) or a cancel leaves the previous file whole.
SpreadsheetOutcome writeSpreadsheet(const QString& path, const SpreadsheetLayout& layout,
                                    const SpreadsheetTable& rows,
                                    const SpreadsheetProgress& progress = {});
