#include "rules/Spreadsheet.h"
#include "storage/TextCodec.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

// No text of a cell may open or close a tag or a line of the file.
bool isSafeCell(const QByteArray& bytes) {
    for (char c : bytes) {
        if (c == '<' || c == '>' || static_cast<unsigned char>(c) < 32)
            return false;
    }
    return true;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Any texts (lines of cells split at tabs, read as UTF-8) become cells that hold no markup or
// line break, and a members export of them has one table row per line plus the headings.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir folder;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const SpreadsheetLayout layout = membersSpreadsheet();
    SpreadsheetTable rows(int(layout.columns.size()));
    for (const QString& line : text.split(u'\n')) {
        const QStringList cells = line.split(u'\t');
        for (const QString& cell : cells) {
            if (!isSafeCell(spreadsheetCellBytes(cell)))
                std::abort();
        }
        rows.appendRow(cells);
    }
    const QString path = folder.filePath(QStringLiteral("Soci.xls"));
    if (writeSpreadsheet(path, layout, rows) != SpreadsheetOutcome::Written)
        std::abort();
    if (fileBytes(path).count("<tr>") != rows.rowCount() + 1)
        std::abort();
    return 0;
}
