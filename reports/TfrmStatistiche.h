#pragma once

#include "rules/IncomeStatistics.h"
#include "shell/ScreenKinds.h"

#include <array>

class Chart;
class HintLine;
class Picture;
class QLabel;
class QLineEdit;
class QPushButton;

// The chart of a year's income, month by month. Each visit starts on the year panel panAvvio;
// "Apri" sums the year's receipts and shows the chart panel panContainer until the screen is
// left.
class TfrmStatistiche : public PersistentScreen {
    Q_OBJECT
public:
    explicit TfrmStatistiche(ScreenFlow& screenFlow);

    // The year panel.
    QWidget* panAvvio;
    QLineEdit* txtAnno;
    QPushButton* btnApri;
    Picture* imgGuida;
    Picture* imgEsci;

    // The chart panel.
    QLabel* lblTitolo;
    Chart* ChartStats;
    QPushButton* btnTorta;
    QPushButton* btnBarre;
    QPushButton* btnStampa;
    QPushButton* btnEsci;
    Picture* cmdGuida;

    // Hidden state: the path of the year's file and the twelve monthly sums as text.
    QLabel* lblFile;
    std::array<QLabel*, MonthlyIncome::Months> memMesi;

protected:
    void onShow() override;
    void closeStep() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildYearPanel();
    void buildChartPanel();
    void buildState();
    void setUpChart();
    void addHints();
    void openYear();
    void sumYear(const QString& year);
    void showSums(const MonthlyIncome& income);
    void printChart();
    void showStatisticsHelp();

    HintLine* hints_;
    QString year_; // the year the chart shows
};
