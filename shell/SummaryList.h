#pragma once

#include "rules/ListScan.h"
#include "shell/ScreenKinds.h"

#include <QAbstractListModel>
#include <QStringList>
#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

// The lines of a summary list, sorted by the list order or kept in the order they came.
class SummaryListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum class Order { Sorted, AsRead };
    explicit SummaryListModel(Order order, QObject* parent = nullptr);

    void setLines(ListLines lines);
    void clear();
    const ListLines& listLines() const { return lines_; }
    QStringList lines() const { return lines_.texts(); } // every line decoded
    ListEntry entry(int row) const { return lines_[row]; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    Order order_;
    ListLines lines_; // in the order shown
};

// What a summary list screen shows and does; the screens differ only in their records, lines,
// printed title and what a chosen line opens.
struct SummaryListKind {
    QString objectName;
    QString caption;
    QString printedTitle;
    SummaryListModel::Order order;
    bool opensRecords; // a double-click opens the line's record
};

// A summary list window: the list, find in list, print, and the double-click on a line.
class SummaryListDialog : public FixedDialog {
    Q_OBJECT
public:
    SummaryListDialog(QWidget* opener, const SummaryListKind& kind);

    QWidget* panContainer; // the list and its controls, the whole window
    QListView* lstRecords;
    QLineEdit* txtTrova;
    QPushButton *btnTrova, *btnStampa, *btnChiudi;
    QLabel *lblRigo01, *lblRigo02, *lblRigo03;

    SummaryListModel& model() { return *model_; }
    int selectedRow() const; // -1 when no line is selected
    void selectRow(int row);

protected:
    // Runs a scan of an archive; a long one shows a progress window whose "Annulla" stops it.
    ListScan scanWithProgress(const QString& progressLabel,
                              const std::function<ListScan(const ScanProgress&)>& scan);
    // Builds the list, or shows the search criteria, each time the window is shown.
    virtual void buildList() = 0;
    // Shows the entries and tells how many records were skipped because they could not be read
    // or hold data that is not valid.
    void showEntries(ListLines lines, int skippedRecords);
    // Opens the record of a chosen line; the window then closes.
    virtual void openEntry(const ListEntry& entry);
    virtual QString printedTitle() const;
    void done(int result) override;
    void showEvent(QShowEvent* event) override;

private:
    void findInList();
    void printList();
    void openSelected();

    SummaryListKind kind_;
    SummaryListModel* model_;
    QString lastFindKey_;
};

// The selected line of a list view, -1 when none; selecting a line scrolls it into view.
int selectedListRow(const QListView* list);
void selectListRow(QListView* list, int row);
// The find button of a list: the typed key looked for from the first line, or after the
// selected line when it is the last find's key, which it then becomes.
void findInListView(QListView* list, const SummaryListModel& model, const QString& typed,
                    QString& lastFindKey);

// The warning shown after a list, a search or a summary that left records out.
QString skippedRecordsMessage(int skippedRecords);
