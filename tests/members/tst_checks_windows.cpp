#include "members/TfrmCodFisc.h"
#include "members/TfrmIban.h"
#include "members/TfrmPartitaIva.h"
#include "shell/Fonts.h"
#include "tests/support/ScreenTest.h"
#include "tests/support/TextFit.h"
#include "ui/DialogRunner.h"

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

namespace {

using Open = std::function<void(QWidget* opener, const QString& text)>;

struct Window {
    QString name;
    QString boxName;
    Open open;
};

const Window taxCodeWindow{QStringLiteral("TfrmCodFisc"), QStringLiteral("txtCodFisc"),
                           checkTaxCode};
const Window vatNumberWindow{QStringLiteral("TfrmPartitaIva"), QStringLiteral("txtPartitaIva"),
                             checkVatNumber};
const Window ibanWindow{QStringLiteral("TfrmIban"), QStringLiteral("txtIban"), checkIban};

QLineEdit* codeBox(QDialog& dialog) {
    for (const Window* window : {&taxCodeWindow, &vatNumberWindow, &ibanWindow})
        if (window->name == dialog.objectName())
            return control<QLineEdit>(&dialog, window->boxName);
    return control<QLineEdit>(&dialog, QStringLiteral("a code box"));
}

// Enter in the box moves to "Controlla", and Enter there presses it.
void checkWithEnter(QDialog& dialog) {
    QLineEdit* box = codeBox(dialog);
    auto* btnControlla = control<QPushButton>(&dialog, QStringLiteral("btnControlla"));
    QVERIFY(box->hasFocus());
    QTest::keyClick(box, Qt::Key_Return);
    QVERIFY(btnControlla->hasFocus());
    QTest::keyClick(btnControlla, Qt::Key_Return);
}

const QString taxCodeLengthMessage = QStringLiteral(
    "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString vatLengthMessage =
    QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString ibanLengthMessage =
    QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");

QString vatValidMessage(const QString& office) {
    return QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato "
                          "rilasciato dall'Ufficio IVA del Comune di ") +
           office + QLatin1Char('.');
}

} // namespace

Q_DECLARE_METATYPE(Window)
Q_DECLARE_METATYPE(MessageKind)

class TestCheckWindows : public QObject {
    Q_OBJECT
    ScreenTest t;
    std::unique_ptr<QWidget> opener;

    // Runs the window opened with the text; the driver acts on the live window once it is
    // active with its box focused.
    void drive(const Open& open, const QString& text, const std::function<void(QDialog&)>& act) {
        bool driven = false;
        setDialogDriverForTests([&](QDialog& dialog) {
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            driven = true;
            act(dialog);
        });
        open(opener.get(), text);
        QVERIFY(driven);
    }

private Q_SLOTS:
    void init() {
        t.setUpSeams();
        opener = std::make_unique<QWidget>();
    }
    void cleanup() {
        t.tearDownSeams();
        opener.reset();
    }

    void windowsHaveTheirDesign_data() {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("instruction");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QFont>("boxFont");
        const QFont courier = Fonts::font(Fonts::Family::courierNew(), 20, true);
        QTest::newRow("tax code")
            << taxCodeWindow << QStringLiteral(" Controllo codice fiscale")
            << QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo.")
            << 16 << courier;
        QTest::newRow("VAT number") << vatNumberWindow << QStringLiteral(" Controllo partita IVA")
                                    << QStringLiteral("Immettere il numero di partita IVA e "
                                                      "premere il pulsante di controllo.")
                                    << 11 << Fonts::dataField();
        QTest::newRow("IBAN") << ibanWindow << QStringLiteral(" Controllo IBAN")
                              << QStringLiteral(
                                     "Immettere l'IBAN e premere il pulsante di controllo.")
                              << 27 << courier;
    }
    void windowsHaveTheirDesign() {
        QFETCH(Window, window);
        QFETCH(QString, caption);
        QFETCH(QString, instruction);
        QFETCH(int, maxLength);
        QFETCH(QFont, boxFont);
        drive(window.open, QString(), [&](QDialog& dialog) {
            QCOMPARE(dialog.objectName(), window.name);
            QCOMPARE(dialog.windowTitle(), caption);
            QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
            QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
            QCOMPARE(control<QLabel>(&dialog, QStringLiteral("lblIstruzioni"))->text(),
                     instruction);
            QLineEdit* box = control<QLineEdit>(&dialog, window.boxName);
            QCOMPARE(box->maxLength(), maxLength);
            QCOMPARE(box->font(), boxFont);
            QCOMPARE(QFontInfo(box->font()).pointSize(), boxFont.pointSize());
            QCOMPARE(control<QPushButton>(&dialog, QStringLiteral("btnControlla"))->text(),
                     QStringLiteral("Controlla"));
            QCOMPARE(control<QPushButton>(&dialog, QStringLiteral("btnChiudi"))->text(),
                     QStringLiteral("Chiudi"));
            checkTextsFit(&dialog);
            // Escape does what "Chiudi" does.
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QVERIFY(!dialog.isVisible());
        });
        QVERIFY(t.messages.isEmpty());
    }

    void typingRewritesTheBox_data() {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("tax code in capitals")
            << taxCodeWindow << QStringLiteral("  rssmra80a01h501u")
            << QStringLiteral("RSSMRA80A01H501U");
        QTest::newRow("only a-z change")
            << taxCodeWindow << QStringLiteral("àbc") << QStringLiteral("àBC");
        QTest::newRow("tax code stops at 16")
            << taxCodeWindow << QStringLiteral("rssmra80a01h501uxyz")
            << QStringLiteral("RSSMRA80A01H501U");
        QTest::newRow("IBAN in capitals")
            << ibanWindow << QStringLiteral("it60x0542811101000000123456 ")
            << QStringLiteral("IT60X0542811101000000123456");
        QTest::newRow("IBAN stops at 27")
            << ibanWindow << QStringLiteral("it60x05428111010000001234567890")
            << QStringLiteral("IT60X0542811101000000123456");
        QTest::newRow("VAT number takes digits only")
            << vatNumberWindow << QStringLiteral("0a0.0-0 0e0,0058+8")
            << QStringLiteral("00000000588");
        QTest::newRow("VAT number stops at 11")
            << vatNumberWindow << QStringLiteral("0000000058899") << QStringLiteral("00000000588");
    }
    void typingRewritesTheBox() {
        QFETCH(Window, window);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        drive(window.open, QString(), [&](QDialog& dialog) {
            QLineEdit* box = codeBox(dialog);
            typeText(box, typed);
            QCOMPARE(box->text(), shown);
            QTest::keyClick(box, Qt::Key_Backspace);
            QCOMPARE(box->text(), shown.chopped(1));
            QTest::mouseClick(control<QPushButton>(&dialog, QStringLiteral("btnChiudi")),
                              Qt::LeftButton);
        });
    }

    void checkReportsAndCloses_data() {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("given"); // the opener's text
        QTest::addColumn<QString>("shown"); // what the box holds
        QTest::addColumn<MessageKind>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("closes");
        const auto info = MessageKind::Information;
        const auto warning = MessageKind::Warning;
        const QString taxValid = QStringLiteral("Il codice fiscale digitato è VALIDO.");
        const QString taxWrong = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");
        QTest::newRow("tax code valid")
            << taxCodeWindow << QStringLiteral(" rssmra80a01h501u ")
            << QStringLiteral("RSSMRA80A01H501U") << info << taxValid << true;
        QTest::newRow("tax code wrong")
            << taxCodeWindow << QStringLiteral("RSSMRA80A01H501X")
            << QStringLiteral("RSSMRA80A01H501X") << warning << taxWrong << true;
        QTest::newRow("tax code, fifteen zeros and I")
            << taxCodeWindow << QStringLiteral("000000000000000I")
            << QStringLiteral("000000000000000I") << info << taxValid << true;
        QTest::newRow("tax code with a hyphen")
            << taxCodeWindow << QStringLiteral("0-0000000000000I")
            << QStringLiteral("0-0000000000000I") << warning << taxWrong << true;
        QTest::newRow("tax code of 15")
            << taxCodeWindow << QStringLiteral("RSSMRA80A01H501")
            << QStringLiteral("RSSMRA80A01H501") << warning << taxCodeLengthMessage << false;
        QTest::newRow("tax code empty")
            << taxCodeWindow << QString() << QString() << warning << taxCodeLengthMessage << false;

        const QString vatWrong = QStringLiteral(
            "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è quindi "
            "possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.");
        QTest::newRow("VAT number of Roma 1")
            << vatNumberWindow << QStringLiteral("00000000588") << QStringLiteral("00000000588")
            << info << vatValidMessage(QStringLiteral("Roma 1")) << true;
        QTest::newRow("VAT number of office 120")
            << vatNumberWindow << QStringLiteral("00000001206") << QStringLiteral("00000001206")
            << info << vatValidMessage(QStringLiteral("Bologna 2")) << true;
        QTest::newRow("VAT number of Forlì")
            << vatNumberWindow << QStringLiteral("00000000406") << QStringLiteral("00000000406")
            << info << vatValidMessage(QStringLiteral("Forlì")) << true;
        QTest::newRow("VAT number of no known office")
            << vatNumberWindow << QStringLiteral("00000000000") << QStringLiteral("00000000000")
            << info
            << QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nIl codice "
                              "000 dell'Ufficio IVA che lo ha rilasciato non corrisponde ad "
                              "alcun ufficio conosciuto.")
            << true;
        QTest::newRow("VAT number wrong")
            << vatNumberWindow << QStringLiteral("00000000589") << QStringLiteral("00000000589")
            << warning << vatWrong << true;
        QTest::newRow("VAT number with a letter from the editor")
            << vatNumberWindow << QStringLiteral("0000000058A") << QStringLiteral("0000000058A")
            << warning << vatWrong << true;
        QTest::newRow("VAT number of 10")
            << vatNumberWindow << QStringLiteral("0000000058") << QStringLiteral("0000000058")
            << warning << vatLengthMessage << false;
        QTest::newRow("VAT number empty")
            << vatNumberWindow << QString() << QString() << warning << vatLengthMessage << false;

        const QString ibanValid = QStringLiteral("L'IBAN digitato è VALIDO.");
        const QString ibanWrong = QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!");
        QTest::newRow("IBAN valid")
            << ibanWindow << QStringLiteral("it60x0542811101000000123456")
            << QStringLiteral("IT60X0542811101000000123456") << info << ibanValid << true;
        QTest::newRow("IBAN wrong")
            << ibanWindow << QStringLiteral("IT61X0542811101000000123456")
            << QStringLiteral("IT61X0542811101000000123456") << warning << ibanWrong << true;
        QTest::newRow("IBAN with a hyphen")
            << ibanWindow << QStringLiteral("IT60-0542811101000000123456")
            << QStringLiteral("IT60-0542811101000000123456") << warning << ibanWrong << true;
        QTest::newRow("IBAN of 21 with six blanks")
            << ibanWindow << QStringLiteral("CH93  0076 2011 6238 5295 7")
            << QStringLiteral("CH93  0076 2011 6238 5295 7") << info << ibanValid << true;
        QTest::newRow("IBAN in groups")
            << ibanWindow << QStringLiteral("IT60 X054 2811 1010 0000 0123 456")
            << QStringLiteral("IT60 X054 2811 1010 0000 0123 456") << warning << ibanLengthMessage
            << false;
        QTest::newRow("IBAN empty")
            << ibanWindow << QString() << QString() << warning << ibanLengthMessage << false;
    }
    void checkReportsAndCloses() {
        QFETCH(Window, window);
        QFETCH(QString, given);
        QFETCH(QString, shown);
        QFETCH(MessageKind, kind);
        QFETCH(QString, message);
        QFETCH(bool, closes);
        drive(window.open, given, [&](QDialog& dialog) {
            QLineEdit* box = codeBox(dialog);
            QCOMPARE(box->text(), shown);
            checkWithEnter(dialog);
            QCOMPARE(t.messages.size(), 1);
            QCOMPARE(t.messages[0].kind, kind);
            QCOMPARE(t.messages[0].text, message);
            QCOMPARE(!dialog.isVisible(), closes);
            if (closes)
                return;
            // Open for correction, the focus back in the box.
            QVERIFY(box->hasFocus());
            QCOMPARE(box->text(), shown);
            QTest::mouseClick(control<QPushButton>(&dialog, QStringLiteral("btnChiudi")),
                              Qt::LeftButton);
            QCOMPARE(t.messages.size(), 1);
        });
    }

    void editorTaxCodeOpensItsWindow_data() {
        QTest::addColumn<QString>("editorText");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("shown");
        QTest::newRow("tax code") << QStringLiteral(" rssmra80a01h501u ")
                                  << QStringLiteral("TfrmCodFisc")
                                  << QStringLiteral("RSSMRA80A01H501U");
        QTest::newRow("empty") << QStringLiteral("   ") << QStringLiteral("TfrmCodFisc")
                               << QString();
        QTest::newRow("11 digits")
            << QStringLiteral(" 00000000588 ") << QStringLiteral("TfrmPartitaIva")
            << QStringLiteral("00000000588");
        QTest::newRow("digits and a letter")
            << QStringLiteral("0000000058A") << QStringLiteral("TfrmCodFisc")
            << QStringLiteral("0000000058A");
    }
    void editorTaxCodeOpensItsWindow() {
        QFETCH(QString, editorText);
        QFETCH(QString, window);
        QFETCH(QString, shown);
        drive(checkEditorTaxCode, editorText, [&](QDialog& dialog) {
            QCOMPARE(dialog.objectName(), window);
            QCOMPARE(codeBox(dialog)->text(), shown);
            QTest::mouseClick(control<QPushButton>(&dialog, QStringLiteral("btnChiudi")),
                              Qt::LeftButton);
        });
    }

    // A tax code of 16 digits goes to the VAT number check whole: cut to 11 digits it could
    // pass as a right VAT number. It is refused by its length, and once shortened the box
    // keeps to 11 digits again.
    void sixteenDigitsAreRefusedNotCut() {
        drive(checkEditorTaxCode, QStringLiteral("0000000058812345"), [&](QDialog& dialog) {
            QCOMPARE(dialog.objectName(), QStringLiteral("TfrmPartitaIva"));
            QLineEdit* box = codeBox(dialog);
            QCOMPARE(box->text(), QStringLiteral("0000000058812345"));
            QTest::keyClick(box, Qt::Key_Right); // off the selection the opening made
            QTest::keyClick(box, Qt::Key_7);
            QCOMPARE(box->text(), QStringLiteral("0000000058812345"));
            checkWithEnter(dialog);
            QCOMPARE(t.messages.size(), 1);
            QCOMPARE(t.messages[0].text, vatLengthMessage);
            QVERIFY(dialog.isVisible());
            QVERIFY(box->hasFocus());
            QCOMPARE(box->selectedText(), box->text()); // the refusal selects it, to type over
            QTest::keyClick(box, Qt::Key_Right);
            for (int i = 0; i < 5; ++i)
                QTest::keyClick(box, Qt::Key_Backspace);
            typeText(box, QStringLiteral("7"));
            QCOMPARE(box->text(), QStringLiteral("00000000588"));
            QCOMPARE(box->maxLength(), 11);
            checkWithEnter(dialog);
            QCOMPARE(t.messages.size(), 2);
            QCOMPARE(t.messages[1].text, vatValidMessage(QStringLiteral("Roma 1")));
            QVERIFY(!dialog.isVisible());
        });
    }

    // What is typed in a check stays there: the editor's box keeps its text.
    void checkLeavesTheEditorAsItWas() {
        QLineEdit editorBox(opener.get());
        editorBox.setText(QStringLiteral("RSSMRA80A01H501U"));
        drive(checkEditorTaxCode, editorBox.text(), [&](QDialog& dialog) {
            QLineEdit* box = codeBox(dialog);
            box->selectAll();
            typeText(box, QStringLiteral("000000000000000i"));
            checkWithEnter(dialog);
        });
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(t.messages[0].kind, MessageKind::Information);
        QCOMPARE(editorBox.text(), QStringLiteral("RSSMRA80A01H501U"));
    }
};

QTEST_MAIN(TestCheckWindows)

#include "tst_checks_windows.moc"
