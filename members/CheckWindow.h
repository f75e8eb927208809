#pragma once

#include "shell/ScreenKinds.h"
#include "ui/MessageBox.h"

#include <QFont>

class QLabel;
class QLineEdit;
class QPushButton;

// The form shared by the checks of tax code, VAT number and IBAN: an instruction, one box for
// the code, "Controlla" and "Chiudi". A check only reports; it never writes anything back.
class CheckWindow : public FixedDialog {
    Q_OBJECT
public:
    // The opener's text goes into the box trimmed, in capitals for the codes, and whole. A text
    // longer than the box takes (a tax code of 16 digits handed to the VAT number check) stays as
    // it is, so that the check refuses its length instead of judging a cut-off number; the box then
    // takes no more characters than that, and fewer as they are deleted, down to its own limit.
    void putCode(const QString& text);

    QLabel* lblIstruzioni;
    QPushButton* btnControlla;
    QPushButton* btnChiudi;

protected:
    struct Design {
        QString objectName;
        QString caption;
        QString instruction;
        QString boxName;
        int maxChars;
        QFont boxFont;
        // Trimmed and with a-z in capitals while typing (the tax code and the IBAN).
        bool codeInCapitals;
    };
    CheckWindow(QWidget* opener, const Design& design);

    QLineEdit* codeBox() const { return codeBox_; }

    // What btnControlla does.
    virtual void check() = 0;
    // The length message: the window stays open with the focus back in the box.
    void refuseLength(const QString& message);
    // The outcome of a completed check, after which the window closes.
    void reportAndClose(MessageKind kind, const QString& message);

    void showEvent(QShowEvent* event) override;

private:
    void shrinkLimitTowardsDesign();

    QLineEdit* codeBox_;
    int maxChars_;
    bool codeInCapitals_;
};
