#pragma once

#include "shell/ScreenKinds.h"

enum class PeriodField;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The income menu: the year, the period of days and the payer of an income summary.
class TfrmMenuRiepLavoro : public PersistentScreen {
    Q_OBJECT
public:
    explicit TfrmMenuRiepLavoro(ScreenFlow& screenFlow);

    QLineEdit* txtAnno;
    QLineEdit* txtCliente;
    QComboBox* txtGiornoInizio;
    QComboBox* txtMeseInizio;
    QComboBox* txtGiornoFine;
    QComboBox* txtMeseFine;
    QLabel* lblAnnoInizio;
    QLabel* lblAnnoFine;
    QLabel* lblAttendere;
    QPushButton* btnVisualizza;
    QPushButton* btnEsci;

    // What the income summary reads: the dates of the period and the year's receipt file.
    QLabel* lblDataInizio;
    QLabel* lblDataFine;
    QLabel* lblFile;

protected:
    void onShow() override;
    void closeStep() override;

private:
    void buildHeading();
    void buildPayerPanel();
    void buildPeriodPanel();
    void buildButtons();
    void buildState();
    QWidget* buildDateGroup(QWidget* parent, const QString& name, const QString& title,
                            const QRect& where, QComboBox*& day, QComboBox*& month, QLabel*& year);
    void copyYear();
    QWidget* boxOf(PeriodField field) const;
    void showSummary();
    void openSummary();

    // The find key of the previous summary: it lasts from one summary to the next.
    QString lastFindKey_;
};
