#pragma once

#include <QDialog>
#include <QString>
#include <optional>

class Picture;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class SummaryListModel;
struct IncomeSummary;

// What the income menu asks of a summary.
struct IncomeSummaryRequest {
    QString payerFilter; // as typed
    QString path;        // the year's receipt file
    QString startDate;   // "dd/mm/yyyy"
    QString endDate;
};

// The income summary: the receipts of a period, optionally of one payer, with their total;
// found in, printed, built each time it is shown.
class TfrmRiepLavoro : public QDialog {
    Q_OBJECT
public:
    explicit TfrmRiepLavoro(QWidget* opener);

    // The request, and where the find key of the previous summary is kept: it lasts for the
    // whole run, from one summary to the next.
    void setRequest(const IncomeSummaryRequest& request, QString* lastFindKey);

    QWidget* panContainer;
    QLabel* titTipologia;
    QLabel* lblIntervallo;
    QLabel* lblTotCosti;
    QListView* lstRecords;
    QLabel* lblRigo01;
    QLabel* lblRigo02;
    QLineEdit* txtTrova;
    QPushButton* btnTrova;
    QPushButton* btnStampa;
    QPushButton* btnEsci;
    Picture* imgGuida;

    SummaryListModel& model() const { return *model_; }
    int selectedRow() const; // -1 when no line is selected
    void selectRow(int row);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void done(int result) override;

private:
    void buildHeading();
    void buildFooter();
    void buildSummary();
    std::optional<IncomeSummary> readSummary();
    void findInList();
    void printSummary();

    SummaryListModel* model_;
    IncomeSummaryRequest request_;
    QString ownFindKey_;
    QString* lastFindKey_ = &ownFindKey_;
};
