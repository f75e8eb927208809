#pragma once

#include "members/MemberListDialog.h"
#include "storage/ReceiptRecord.h"

#include <QList>
#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

using PayerLines = std::array<QString, ReceiptRecord::HeaderLines>;
using PayerLinesFill = std::function<void(const PayerLines& payerLines)>;

// The member search: up to ten criteria on the panel panAvvio, then the members found in the
// summary list on panContainer. Where a chosen member goes depends on who opened the search.
class TfrmTrovaAnagrafica : public MemberListDialog {
    Q_OBJECT
public:
    explicit TfrmTrovaAnagrafica(QWidget* opener);

    // The return-to marker: "anagrafica" opens a chosen member in the member editor (through
    // setMemberOpener), "ricevute" fills the payer lines of the receipt being edited.
    QString returnTo;
    void setPayerLinesFill(PayerLinesFill fill) { fillPayerLines_ = std::move(fill); }

    QWidget* panAvvio;
    QLineEdit *txtDipendente, *txtCittadinanza, *txtLuogo, *txtDataNasc, *txtCodFisc,
        *txtPartitaIva, *txtCitta, *txtQualifiche, *txtFamiliari, *txtNote;
    QLabel *lblAttendere, *lblTrovate;
    QPushButton *btnCerca, *btnAnnulla;

protected:
    void buildList() override;
    void openEntry(const ListEntry& entry) override;
    void done(int result) override;

private:
    struct Criterion {
        QLineEdit* box;
        FieldSpec field;
    };

    void buildCriteria();
    QLineEdit* addCriterion(const QString& field, const QString& caption, FieldSpec searched);
    void search();
    void fillPayerLinesFrom(qint64 position);

    QList<Criterion> criteria_;
    PayerLinesFill fillPayerLines_;
};

// The member search opened from the member editor: a chosen member is opened in it.
void findMemberToEdit(QWidget* editor, const MemberOpener& openMember);

// The member search opened from the receipt editor: a chosen member's name, address,
// telephone and tax code fill the receipt's payer lines.
void findMemberAsPayer(QWidget* opener, const PayerLinesFill& fillPayerLines);
