#include "receipts/PriceListBox.h"

#include "rules/ListOrder.h"
#include "rules/PriceList.h"
#include "shell/Fonts.h"
#include "storage/PriceListFile.h"
#include "storage/ProgramFolder.h"

#include <QStyle>
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

    QString displayText(const QVariant& value, const QLocale&) const override {
        return shownPriceLine(value.toString());
    }

private:
    int lineWidth_;
};

// Shows each line in as many columns of the fixed-width font as the box has room for.
class FittedLineDelegate : public QStyledItemDelegate {
public:
    explicit FittedLineDelegate(QListWidget* box) : QStyledItemDelegate(box), box_(box) {}

    QString displayText(const QVariant& value, const QLocale&) const override {
        const int columnWidth = QFontMetrics(box_->font()).horizontalAdvance(u'M');
        const int margins = 2 * box_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 2;
        return fittedPriceLine(value.toString(),
                               (box_->viewport()->width() - margins) / columnWidth);
    }

private:
    QListWidget* box_;
};

} // namespace

PriceListBox::PriceListBox(const QString& objectName, int lineWidth, QWidget* parent)
    : QListWidget(parent) {
    setUpBox(objectName);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setItemDelegate(new LineWidthDelegate(lineWidth, this));
}

PriceListBox::PriceListBox(const QString& objectName, FittedLines, QWidget* parent)
    : QListWidget(parent) {
    setUpBox(objectName);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setItemDelegate(new FittedLineDelegate(this));
}

void PriceListBox::setUpBox(const QString& objectName) {
    setObjectName(objectName);
    setFont(Fonts::priceList());
    QPalette colours = palette();
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
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
