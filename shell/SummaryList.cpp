#include "shell/SummaryList.h"

#include "rules/FindInList.h"
#include "rules/ListOrder.h"
#include "shell/Controls.h"
#include "shell/EditBoxes.h"
#include "shell/Fonts.h"
#include "shell/WorkProgress.h"
#include "ui/ListReport.h"
#include "ui/MessageBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>
#include <exception>
#include <memory>

namespace {
// Long lines scroll into view.
constexpr int lineWidth = 1600;
} // namespace

SummaryListModel::SummaryListModel(Order order, QObject* parent)
    : QAbstractListModel(parent), order_(order) {}

void SummaryListModel::setLines(ListLines lines) {
    beginResetModel();
    lines_ = std::move(lines);
    if (order_ == Order::Sorted)
        lines_ = std::move(lines_).reordered(listOrder(lines_));
    endResetModel();
}

void SummaryListModel::clear() {
    setLines({});
}

int SummaryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(lines_.size());
}

QVariant SummaryListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return lines_.text(index.row());
    case Qt::SizeHintRole:
        return QSize(lineWidth, QFontMetrics(Fonts::listLine()).height() + 2);
    default:
        return {};
    }
}

SummaryListDialog::SummaryListDialog(QWidget* opener, const SummaryListKind& kind)
    : FixedDialog(opener, kind.objectName, kind.caption, QSize(862, 560)), kind_(kind),
      model_(new SummaryListModel(kind.order, this)) {
    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    panContainer->setGeometry(rect());
    lstRecords = new QListView(panContainer);
    lstRecords->setObjectName(QStringLiteral("lstRecords"));
    lstRecords->setGeometry(16, 16, 830, 370);
    lstRecords->setFont(Fonts::listLine());
    lstRecords->setUniformItemSizes(true); // a hundred thousand lines open without a pause
    lstRecords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lstRecords->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstRecords->setStyleSheet(QStringLiteral("QListView { color: black; }"));
    lstRecords->setModel(model_);

    lblRigo01 = addLabel(panContainer, QStringLiteral("lblRigo01"),
                         QStringLiteral("Immettere una o più parole consecutive presenti nella "
                                        "scheda in elenco da cercare e premere il pulsante Trova."),
                         QRect(16, 394, 830, 40));
    lblRigo02 = addLabel(panContainer, QStringLiteral("lblRigo02"),
                         QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa "
                                        "chiave di ricerca, fare di nuovo clic su Trova."),
                         QRect(16, 434, 830, 40));
    lblRigo03 = addLabel(panContainer, QStringLiteral("lblRigo03"),
                         QStringLiteral("Per richiamare i dati di una scheda, selezionarla con un "
                                        "doppio clic."),
                         QRect(16, 474, 830, 22));
    for (QLabel* label : {lblRigo01, lblRigo02, lblRigo03}) {
        label->setFont(Fonts::font(Fonts::Family::verdana(), 9, false));
        label->setWordWrap(true);
    }
    lblRigo03->setStyleSheet(QStringLiteral("color: red;"));
    lblRigo03->setVisible(kind.opensRecords);

    txtTrova = addEditBox(panContainer, QStringLiteral("txtTrova"), QRect(16, 508, 300, 32),
                          Fonts::dataField());
    addFocusFrame(txtTrova);
    btnTrova = addButton(panContainer, QStringLiteral("btnTrova"), QStringLiteral("Trova"),
                         QRect(326, 508, 110, 32));
    btnStampa = addButton(panContainer, QStringLiteral("btnStampa"), QStringLiteral("Stampa"),
                          QRect(616, 508, 110, 32));
    btnChiudi = addButton(panContainer, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"),
                          QRect(736, 508, 110, 32));
    onEnter(txtTrova, [this] { focusBox(btnTrova); });
    connect(btnTrova, &QPushButton::clicked, this, &SummaryListDialog::findInList);
    connect(btnStampa, &QPushButton::clicked, this, &SummaryListDialog::printList);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    if (kind.opensRecords)
        connect(lstRecords, &QListView::doubleClicked, this, &SummaryListDialog::openSelected);
}

int SummaryListDialog::selectedRow() const {
    return selectedListRow(lstRecords);
}

void SummaryListDialog::selectRow(int row) {
    selectListRow(lstRecords, row);
}

ListScan
SummaryListDialog::scanWithProgress(const QString& progressLabel,
                                    const std::function<ListScan(const ScanProgress&)>& scan) {
    WorkProgress progress(this, progressLabel, QStringLiteral("prgLettura"));
    return scan(progress.scanProgress());
}

void SummaryListDialog::showEntries(ListLines lines, int skippedRecords) {
    model_->setLines(std::move(lines));
    focusBox(txtTrova);
    if (skippedRecords > 0)
        showMessage(this, MessageKind::Warning, skippedRecordsMessage(skippedRecords));
}

void SummaryListDialog::openEntry(const ListEntry&) {}

QString SummaryListDialog::printedTitle() const {
    return kind_.printedTitle;
}

void SummaryListDialog::showEvent(QShowEvent* event) {
    FixedDialog::showEvent(event);
    if (event->spontaneous())
        return;
    lastFindKey_.clear();
    txtTrova->clear();
    focusBox(txtTrova);
    buildList();
}

void SummaryListDialog::done(int result) {
    model_->clear();
    FixedDialog::done(result);
}

void SummaryListDialog::findInList() {
    findInListView(lstRecords, *model_, txtTrova->text(), lastFindKey_);
}

void SummaryListDialog::printList() {
    printListReport(this, printedTitle(), model_->lines());
}

// The entry remembers its record: the clicked line opens exactly that record.
void SummaryListDialog::openSelected() {
    const int row = selectedRow();
    if (row >= 0)
        openEntry(model_->entry(row));
    accept();
}

QString skippedRecordsMessage(int skippedRecords) {
    return skippedRecords == 1
               ? QStringLiteral("Attenzione: una registrazione dell'archivio non è stata "
                                "considerata perché illeggibile o con dati non validi.")
               : QStringLiteral("Attenzione: %1 registrazioni dell'archivio non sono state "
                                "considerate perché illeggibili o con dati non validi.")
                     .arg(skippedRecords);
}

int selectedListRow(const QListView* list) {
    const QModelIndex current = list->currentIndex();
    return list->selectionModel()->isSelected(current) ? current.row() : -1;
}

void selectListRow(QListView* list, int row) {
    const QModelIndex index = list->model()->index(row, 0);
    list->setCurrentIndex(index);
    list->scrollTo(index);
}

void findInListView(QListView* list, const SummaryListModel& model, const QString& typed,
                    QString& lastFindKey) {
    if (model.rowCount() == 0) {
        showMessage(list->window(), MessageKind::Plain,
                    QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    if (selectedListRow(list) < 0)
        selectListRow(list, 0);
    const QString key = findKey(typed);
    if (const auto found =
            findInList(model.listLines(), selectedListRow(list), key, key == lastFindKey))
        selectListRow(list, *found);
    lastFindKey = key;
}
