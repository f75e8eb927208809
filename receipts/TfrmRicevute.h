#pragma once

#include "shell/ScreenKinds.h"
#include "storage/ReceiptRecord.h"

#include <QList>
#include <array>

class HintLine;
class PriceListBox;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
enum class NavigationButton;

// The receipt editor of one year's file: one receipt at a time is written, numbered, saved,
// browsed and duplicated. The position of the receipt on screen is empty until it is stored.
class TfrmRicevute : public PersistentScreen {
    Q_OBJECT
public:
    explicit TfrmRicevute(ScreenFlow& screenFlow);

    // The year whose file the editor works on from its next showing: four digits.
    void setYear(const QString& year);
    QString filePath() const { return filePath_; }

    // The receipt stored at a 1-based position replaces the one on screen; false when the file
    // could not be read (the user has been told).
    bool showStoredReceipt(qint64 position);
    // The five payer lines, for a member chosen in the members archive.
    void setPayerLines(const std::array<QString, ReceiptRecord::HeaderLines>& lines);

    QString position() const;

    QLineEdit *txtNumRic, *txtData;
    std::array<QLineEdit*, ReceiptRecord::HeaderLines> txtLavRigo, txtCliRigo;
    std::array<QLineEdit*, ReceiptRecord::ItemRows> txtDescrizione, txtImporto;
    QLabel *txtTotale, *lblPosizione, *lblBollo;
    QCheckBox* chkDaSaldare;
    PriceListBox* lstRecords;
    QPushButton *cmdNuovo, *cmdDuplica, *cmdSalva, *cmdTrova, *cmdAnteprima, *cmdStampa, *cmdPrimo,
        *cmdIndietro, *cmdAvanti, *cmdUltimo, *cmdEsporta, *cmdDaSaldare, *cmdGuida, *cmdEsci;
    QPushButton *impCliente, *impData, *impNumerazione, *btnTotale, *btnAggiungiVoce, *btnFocus;

protected:
    void onShow() override;
    void closeStep() override;

private:
    void buildToolbar(QWidget* panel);
    void buildHeader(QWidget* panel);
    void buildItems(QWidget* panel);
    void buildPriceList(QWidget* panel);
    void addDecorations(QWidget* panel);
    void chainKeys();
    void addHints();
    void addBackgroundPanel(QWidget* parent, const QString& name, const QRect& where);
    QLineEdit* addBox(QWidget* panel, const QString& name, int capacity, const QRect& where);
    QPushButton* addCommand(QWidget* panel, const QString& name, const QString& text,
                            const QRect& where);

    void newReceipt();
    void duplicateReceipt();
    void saveReceipt();
    void storeReceiptOnScreen(bool checkNumber);
    void computeTotal();
    void navigate(NavigationButton button);
    void addSelectedPriceItem();
    void showReceipt(const ReceiptRecord& receipt, qint64 position);
    ReceiptRecord receiptOnScreen() const;
    QStringList amounts() const;
    void showTotal(const QString& total);
    void resetTotal();
    void setPosition(const QString& position);
    std::optional<qint64> receiptCount(); // nothing when the file cannot be opened

    HintLine* hints_;
    QString filePath_;
};
