#include "receipts/PriceListBox.h"

#include "rules/ListOrder.h"
#include "shell/Fonts.h"
#include "storage/PriceListFile.h"
#include "storage/ProgramFolder.h"

#include <QStyledItemDelegate>

namespace {

// Every line is at least the line width wide, so the box scrolls across that width.
class LineWidthDelegate : public QStyledItemDelegate {
public:
    LineWidthDelegate(int lineWidth, QObject* parent)
        : QStyledItemDelegate(parent), lineWidth_(lineWidth) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setWidth(qMax(size.width(), lineWidth_));
        return size;
    }

private:
    int lineWidth_;
};

} // namespace

PriceListBox::PriceListBox(const QString& objectName, int lineWidth, QWidget* parent)
    : QListWidget(parent) {
    setObjectName(objectName);
    setFont(Fonts::priceList());
    QPalette colours = palette();
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setItemDelegate(new LineWidthDelegate(lineWidth, this));
}

bool PriceListBox::reload() {
    std::optional<QStringList> fileLines = readPriceListFile(priceListPath());
    if (!fileLines)
        return false;
    setLines(std::move(*fileLines));
    return true;
}

void PriceListBox::setLines(QStringList lines) {
    sortListTexts(lines);
    clear();
    addItems(lines);
}

void PriceListBox::addLine(const QString& line) {
    insertItem(int(listInsertPosition(lines(), line)), line);
}

void PriceListBox::removeSelectedLine() {
    const QList<QListWidgetItem*> selected = selectedItems();
    if (selected.isEmpty())
        return;
    delete takeItem(row(selected.first()));
    // Nothing selected afterwards, so a second press cannot remove the next line unseen.
    clearSelection();
    setCurrentRow(-1);
}

QStringList PriceListBox::lines() const {
    QStringList texts;
    texts.reserve(count());
    for (int i = 0; i < count(); ++i)
        texts.append(item(i)->text());
    return texts;
}

std::optional<QString> PriceListBox::selectedLine() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return selected.first()->text();
}
