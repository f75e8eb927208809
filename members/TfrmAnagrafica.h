#pragma once

#include "members/MemberAttachments.h"
#include "shell/ScreenKinds.h"
#include "storage/MemberRecord.h"

#include <QList>

class HintLine;
class PhotoBox;
class QLabel;
class QLineEdit;
class QPushButton;
enum class NavigationButton;

// The member editor: one card of Soci.pro at a time, filled in, saved, browsed, duplicated,
// checked. The position of the card on screen is empty until it is stored.
class TfrmAnagrafica : public PersistentScreen {
    Q_OBJECT
public:
    explicit TfrmAnagrafica(ScreenFlow& screenFlow);

    // The member stored at a 1-based position, with its photo, replaces the card on screen;
    // false when the archive could not be read (the user has been told).
    bool showStoredMember(qint64 position);

    QString position() const;
    MemberAttachments attachments() const;
    void setAttachments(const MemberAttachments& attachments);

    QLineEdit *txtDipendente, *txtCittadinanza, *txtStipendio, *txtLuogo, *txtDataNasc, *txtCodFisc,
        *txtPartitaIva, *txtIndirizzo, *txtCitta, *txtProv, *txtCap, *txtQualifiche, *txtFamiliari,
        *txtIban, *txtNote, *txtDataSca, *txtPreavviso, *txtRecapito, *txtEmail;
    QLabel* lblPosizione;
    PhotoBox* imgFoto;
    QPushButton *cmdPrimo, *cmdIndietro, *cmdAvanti, *cmdUltimo;
    QPushButton *btnNuovo, *btnDuplica, *btnSalva, *btnTrova, *btnScadenze, *btnScaduti,
        *btnAnteprima, *btnStampa, *btnEsporta, *btnAllegati, *btnGuida, *btnEsci, *btnLibroSoci,
        *btnImportaSoci;
    QPushButton *btnCodFisc, *btnPartitaIva, *btnIban, *btnEmail, *delDataSca;
    QPushButton *btnCaricaFoto, *btnAcquisisciFoto, *btnSalvaFoto, *btnCancFoto, *btnZoomFoto;
    QPushButton* btnFocus;

protected:
    void onShow() override;
    void closeStep() override;

private:
    struct Field {
        QLineEdit* box;
        QString MemberRecord::*text;
    };

    void buildFields(QWidget* panel);
    QLineEdit* addField(QWidget* panel, const QString& field, const QString& caption,
                        QString MemberRecord::*text, int capacity, const QRect& box);
    void buildPhoto(QWidget* panel);
    void buildNavigation(QWidget* panel);
    void buildActions(QWidget* panel);
    void addDecorations(QWidget* panel);
    void addHints();
    QPushButton* addCommand(QWidget* panel, const QString& name, const QString& text,
                            const QRect& where, void (TfrmAnagrafica::*action)());

    void newCard();
    void duplicateCard();
    void saveCard();
    void navigate(NavigationButton button);
    void showCard(const MemberRecord& card, const QString& position);
    MemberRecord cardOnScreen() const;
    void setPosition(const QString& position);
    void openDatePicker();
    void openAttachments();
    void writeEmail();

    QList<Field> fields_;
    QList<QLabel*> attachmentLabels_; // lblFile01-03, then lblDesc01-03, never shown
    HintLine* hints_;
};
