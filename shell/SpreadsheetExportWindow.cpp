#include "shell/SpreadsheetExportWindow.h"

#include "shell/Controls.h"
#include "shell/Fonts.h"
#include "shell/HintLine.h"
#include "shell/TfrmGuida.h"
#include "shell/WorkProgress.h"
#include "storage/ProgramFolder.h"
#include "storage/StorageError.h"
#include "ui/MessageBox.h"
#include "ui/Shell.h"

#include <QAbstractTableModel>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <algorithm>

namespace {

constexpr QSize windowSize{980, 640};
constexpr int margin = 12;
constexpr int buttonsTop = 550;
constexpr int buttonHeight = 40;
// A column holding long texts (notes, addresses) shows their beginning.
constexpr int widestColumn = 360;

const QString exportQuestion = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di "
    "schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString openQuestion = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di "
    "Excel?");
const QString cannotExport =
    QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi "
                   "che il file di Excel non sia già aperto.");

// The spreadsheet program's green sheet with its white cross, drawn for the export button.
QIcon spreadsheetIcon() {
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1D, 0x6F, 0x42));
    painter.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
    painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10, 9), QPointF(22, 23));
    painter.drawLine(QPointF(22, 9), QPointF(10, 23));
    return QIcon(picture);
}

} // namespace

// The grid's rows: the position "N." first, then the exported cells.
class SpreadsheetRowsModel : public QAbstractTableModel {
public:
    static constexpr int numberColumn = 0;

    SpreadsheetRowsModel(const SpreadsheetLayout& layout, QObject* parent)
        : QAbstractTableModel(parent), columns_(layout.columns), rows_(layout.columns.size()) {}

    const SpreadsheetTable& rows() const { return rows_; }

    template <class Load> void reload(Load&& load) {
        beginResetModel();
        rows_.clear();
        load(rows_);
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(rows_.rowCount());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(columns_.size()) + 1;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
            return {};
        if (index.column() == numberColumn)
            return QString::number(index.row() + 1);
        return rows_.cell(index.row(), index.column() - 1);
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == SpreadsheetExportWindow::ColumnNameRole &&
            section == numberColumn)
            return QStringLiteral("colNum");
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return QAbstractTableModel::headerData(section, orientation, role);
        return section == numberColumn ? QStringLiteral("N.") : columns_[section - 1].header;
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags flags = QAbstractTableModel::flags(index);
        if (index.isValid() && index.column() != numberColumn &&
            columns_[index.column() - 1].editableInGrid)
            flags |= Qt::ItemIsEditable;
        return flags;
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
            return false;
        rows_.setCell(index.row(), index.column() - 1, value.toString());
        Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
        return true;
    }

private:
    QList<SpreadsheetColumn> columns_;
    SpreadsheetTable rows_;
};

SpreadsheetExportWindow::SpreadsheetExportWindow(QWidget* opener, const QString& objectName,
                                                 const QString& caption,
                                                 const SpreadsheetLayout& layout, const Topic& help)
    : FixedDialog(opener, objectName, caption, windowSize), layout_(layout),
      rows_(new SpreadsheetRowsModel(layout, this)) {
    buildGrid();
    buildButtons(help);
    buildHintLine();
}

void SpreadsheetExportWindow::buildGrid() {
    grdRecords = new QTableView(this);
    grdRecords->setObjectName(QStringLiteral("grdRecords"));
    grdRecords->setGeometry(margin, margin, windowSize.width() - 2 * margin,
                            buttonsTop - 2 * margin);
    grdRecords->setFont(Fonts::font(Fonts::Family::verdana(), 10, false));
    grdRecords->setModel(rows_);
    grdRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRecords->setEditTriggers(QAbstractItemView::DoubleClicked |
                                QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed);
    grdRecords->setAlternatingRowColors(true);
    grdRecords->setWordWrap(false);
    grdRecords->verticalHeader()->hide();
    // Fixed row heights keep a grid of a hundred thousand rows as quick as a short one.
    grdRecords->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRecords->verticalHeader()->setResizeContentsPrecision(200);
    grdRecords->verticalHeader()->setDefaultSectionSize(grdRecords->fontMetrics().height() + 8);

    QHeaderView* header = grdRecords->horizontalHeader();
    header->setHighlightSections(false);
    const QFontMetrics headerText(header->font());
    header->resizeSection(SpreadsheetRowsModel::numberColumn,
                          headerText.horizontalAdvance(QStringLiteral("000000")) + 20);
    for (int column = 0; column < layout_.columns.size(); ++column) {
        const SpreadsheetColumn& sheetColumn = layout_.columns[column];
        // As wide as in the spreadsheet, scaled down, and never narrower than the header.
        header->resizeSection(
            column + 1,
            qMax(sheetColumn.width * 3 / 5, headerText.horizontalAdvance(sheetColumn.header) + 24));
    }
}

void SpreadsheetExportWindow::buildButtons(const Topic& help) {
    const int right = windowSize.width() - margin;
    cmdEsporta = addButton(this, QStringLiteral("cmdEsporta"), QStringLiteral("Esporta archivio"),
                           QRect(margin, buttonsTop, 220, buttonHeight));
    cmdEsporta->setIcon(spreadsheetIcon());
    cmdEsporta->setIconSize(QSize(24, 24));
    cmdGuida = addButton(this, QStringLiteral("cmdGuida"), QStringLiteral("Guida"),
                         QRect(right - 248, buttonsTop, 120, buttonHeight));
    cmdEsci = addButton(this, QStringLiteral("cmdEsci"), QStringLiteral("Esci"),
                        QRect(right - 120, buttonsTop, 120, buttonHeight));
    connect(cmdEsporta, &QPushButton::clicked, this, &SpreadsheetExportWindow::exportFile);
    connect(cmdGuida, &QPushButton::clicked, this,
            [this, help] { showHelp(this, help.title, help.text); });
    connect(cmdEsci, &QPushButton::clicked, this, &QDialog::accept);
}

void SpreadsheetExportWindow::buildHintLine() {
    HintLine* hints =
        addHintLine(this, this, QStringLiteral("Esportazione archivio in Microsoft Excel."));
    panInfo = hints->panInfo();
    hints->addHint(cmdEsporta, QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
    hints->addHint(cmdGuida,
                   QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    hints->addHint(cmdEsci, QStringLiteral("Esci da questo ambiente di lavoro."));
}

void SpreadsheetExportWindow::showEvent(QShowEvent* event) {
    FixedDialog::showEvent(event);
    if (event->spontaneous())
        return;
    rows_->reload([this](SpreadsheetTable& rows) { loadRows(rows); });
    widenColumnsToTheirTexts();
    grdRecords->setFocus(Qt::OtherFocusReason);
}

// Measured on the first rows only, so a large archive opens as quickly as a small one.
void SpreadsheetExportWindow::widenColumnsToTheirTexts() {
    QHeaderView* header = grdRecords->horizontalHeader();
    for (int column = 0; column < header->count(); ++column) {
        const int designWidth = header->sectionSize(column);
        grdRecords->resizeColumnToContents(column);
        header->resizeSection(
            column, std::max(designWidth, std::min(header->sectionSize(column), widestColumn)));
    }
}

void SpreadsheetExportWindow::exportFile() {
    // A cell being corrected is taken into the rows before they are written.
    cmdEsporta->setFocus(Qt::OtherFocusReason);
    if (!askQuestion(this, exportQuestion))
        return;
    const QString path = programFile(layout_.fileName);
    try {
        if (writeWithProgress(path) == SpreadsheetOutcome::Cancelled)
            return; // the previous file, if any, is still whole
    } catch (const StorageError&) {
        showMessage(this, MessageKind::Plain, cannotExport);
        return;
    }
    if (askQuestion(this, openQuestion))
        open_with_shell(QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"'));
}

SpreadsheetOutcome SpreadsheetExportWindow::writeWithProgress(const QString& path) {
    const SpreadsheetTable& rows = rows_->rows();
    WorkProgress progress(this, QStringLiteral("Esportazione dei dati in Excel in corso..."),
                          QStringLiteral("prgEsportazione"));
    return writeSpreadsheet(path, layout_, rows, [&](qsizetype rowsWritten) {
        return progress.report(rowsWritten, rows.rowCount());
    });
}
