#pragma once

#include "shell/ScreenKinds.h"

class NumberingNotice;
class Picture;
class QLabel;
class QLineEdit;
class QPushButton;

// The receipts menu: the year whose receipts are opened, the price list, the income charts, the
// association's logo and the help. Its return-to marker says which screen its closing shows:
// "avvio" the main menu, "ricevute" the receipt editor, "statistiche" the statistics.
class TfrmMenuRicevute : public PersistentScreen {
    Q_OBJECT
public:
    explicit TfrmMenuRicevute(ScreenFlow& screenFlow);

    // Closes the menu towards the screen the marker names.
    void closeTowards(const QString& marker);
    QString returnTo() const { return returnTo_; }

    QLineEdit* txtAnnoPreventivi;
    QPushButton* btnApriPreventivi;
    Picture* btnListino;
    Picture* btnGrafici;
    QLabel* lnkWeb;
    Picture* imgEmail;
    Picture* imgGuida;
    Picture* imgEsci;
    NumberingNotice* numbering; // the numbering of the chosen year

protected:
    void onShow() override;
    void closeStep() override;

private:
    void buildHeading();
    void buildYearPanel();
    void buildTools();
    void buildDock();
    void openYear();
    void openReceipt(qint64 position);

    QString returnTo_;
};
