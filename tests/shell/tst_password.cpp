#include "rules/PasswordStore.h"
#include "shell/ScreenFlow.h"
#include "shell/TfrmAvvio.h"
#include "shell/TfrmCambiaPassword.h"
#include "shell/TfrmPassword.h"
#include "tests/shell/ShellTests.h"
#include "tests/support/NoFileWrites.h"
#include "tests/support/ScreenTest.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

namespace {

QByteArray storeHolding(const QString& scrambled) {
    return "; initial store\r\n[Accesso]\r\nValore=" + scrambled.toLatin1() + "\r\n";
}

const QString wrongPassword = QStringLiteral("Attenzione: password errata.");

} // namespace

class TestPassword : public QObject {
    Q_OBJECT
    ScreenTest t;
    int terminations = 0;
    std::unique_ptr<ScreenFlow> flow;
    std::unique_ptr<TfrmPassword> login;
    std::unique_ptr<TfrmAvvio> menu;
    std::unique_ptr<TfrmCambiaPassword> change;

    void storePlain(const QString& password) {
        t.writeProgramFile(QStringLiteral("unins000.dll"), storeHolding(ScrambleText(password)));
    }
    QString lastMessage() const {
        return t.messages.isEmpty() ? QString() : t.messages.last().text;
    }
    bool onMainMenu() const { return menu->isVisible() && !login->isVisible(); }
    void openChangeScreen() {
        QTest::mouseClick(login->btnCambiaPassword, Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(change.get()));
    }
    void fillChange(const QString& oldPassword, const QString& newPassword,
                    const QString& confirm) {
        typeText(change->txtPasswordOld, oldPassword);
        typeText(change->txtPasswordNew, newPassword);
        typeText(change->txtConferma, confirm);
    }

private Q_SLOTS:
    void init() {
        t.setUpSeams();
        terminations = 0;
        flow = std::make_unique<ScreenFlow>([this] { ++terminations; });
        login = std::make_unique<TfrmPassword>(*flow);
        menu = std::make_unique<TfrmAvvio>(*flow);
        change = std::make_unique<TfrmCambiaPassword>(*flow);
        flow->add(Screen::Password, login.get());
        flow->add(Screen::Avvio, menu.get());
        flow->add(Screen::CambiaPassword, change.get());
        flow->moveTo(Screen::Password, nullptr);
        QVERIFY(QTest::qWaitForWindowActive(login.get()));
    }
    void cleanup() {
        t.tearDownSeams();
        change.reset();
        menu.reset();
        login.reset();
        flow.reset();
    }

    void loginAcceptsPassword_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("lower case for upper")
            << QStringLiteral("VELARNO") << QStringLiteral("velarno") << true;
        QTest::newRow("mixed case, blanks around")
            << QStringLiteral("VELARNO") << QStringLiteral("  VeLaRnO ") << true;
        QTest::newRow("accented letter keeps its case")
            << QStringLiteral("CITTÀ") << QStringLiteral("città") << false;
        QTest::newRow("accented letter as set")
            << QStringLiteral("CITTÀ") << QStringLiteral("cittÀ") << true;
        QTest::newRow("different word")
            << QStringLiteral("VELARNO") << QStringLiteral("velarn") << false;
    }
    void loginAcceptsPassword() {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        storePlain(stored);
        typeText(login->txtPassword, typed);
        QTest::keyClick(login->txtPassword, Qt::Key_Return);
        QCOMPARE(onMainMenu(), accepted);
        if (!accepted) {
            QCOMPARE(lastMessage(), wrongPassword);
            QCOMPARE(t.messages.last().kind, MessageKind::Plain);
            QCOMPARE(login->txtPassword->text(), QString());
            QVERIFY(login->txtPassword->hasFocus());
        }
    }

    void blankPasswordCannotBeSubmitted() {
        storePlain(QString());
        typeText(login->txtPassword, QStringLiteral("   "));
        QVERIFY(!login->cmdOK->isEnabled());
        QTest::keyClick(login->txtPassword, Qt::Key_Return);
        QVERIFY(t.messages.isEmpty());
        QVERIFY(!onMainMenu());
        typeText(login->txtPassword, QStringLiteral("x"));
        QVERIFY(login->cmdOK->isEnabled());
    }

    void missingStoreRejectsEveryPassword() {
        typeText(login->txtPassword, QStringLiteral("velarno"));
        QTest::mouseClick(login->cmdOK, Qt::LeftButton);
        QCOMPARE(lastMessage(), wrongPassword);
        QVERIFY(!onMainMenu());
    }

    void corruptStoreIsReported() {
        t.writeProgramFile(QStringLiteral("unins000.dll"), storeHolding(QStringLiteral("41XZ")));
        typeText(login->txtPassword, QStringLiteral("velarno"));
        QTest::mouseClick(login->cmdOK, Qt::LeftButton);
        QVERIFY(
            lastMessage().startsWith(QStringLiteral("Attenzione: si è verificato un errore durante "
                                                    "la procedura di lettura della password.")));
        QVERIFY(login->isVisible());
    }

    void changeStoresNewPasswordAndReturnsToLogin() {
        storePlain(QStringLiteral("VELARNO"));
        openChangeScreen();
        QVERIFY(!login->isVisible());
        QVERIFY(!change->cmdOK->isEnabled());
        fillChange(QStringLiteral(" velarno"), QStringLiteral("Segreta "),
                   QStringLiteral("Segreta"));
        QVERIFY(change->cmdOK->isEnabled());
        QTest::mouseClick(change->cmdOK, Qt::LeftButton);

        QCOMPARE(lastMessage(), QStringLiteral("Modifica della password completata con successo."));
        QCOMPARE(readStoredPassword(), QStringLiteral("SEGRETA"));
        QVERIFY(QTest::qWaitForWindowActive(login.get()));
        QVERIFY(!change->isVisible());
        QCOMPARE(login->txtPassword->text(), QString());
        QVERIFY(login->txtPassword->hasFocus());
        QCOMPARE(terminations, 0);

        const QByteArray store = [this] {
            QFile file(t.programFolder() + QStringLiteral("/unins000.dll"));
            file.open(QIODevice::ReadOnly);
            return file.readAll();
        }();
        QVERIFY2(store.startsWith("; initial store\r\n[Accesso]\r\n"), store.constData());
    }

    void changeRefusesBadInput_data() {
        QTest::addColumn<QString>("oldPassword");
        QTest::addColumn<QString>("newPassword");
        QTest::addColumn<QString>("confirm");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focused");
        QTest::newRow("wrong old password")
            << QStringLiteral("sbagliata") << QStringLiteral("nuova") << QStringLiteral("nuova")
            << QStringLiteral("Attenzione: vecchia password errata.")
            << QStringLiteral("txtPasswordOld");
        QTest::newRow("confirmation in another case")
            << QStringLiteral("velarno") << QStringLiteral("Nuova") << QStringLiteral("nuova")
            << QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                              "E' necessario reinserire entrambi i valori.")
            << QStringLiteral("txtPasswordNew");
        const QString tooLong(256, u'a');
        QTest::newRow("longer than 255")
            << QStringLiteral("velarno") << tooLong << tooLong
            << QStringLiteral("Attenzione: la nuova password non può superare i 255 caratteri.")
            << QStringLiteral("txtPasswordNew");
        QTest::newRow("character beyond Latin-1")
            << QStringLiteral("velarno") << QStringLiteral("ΩMEGA") << QStringLiteral("ΩMEGA")
            << QStringLiteral(
                   "Attenzione: la nuova password contiene caratteri che non possono essere "
                   "memorizzati. Usare lettere, cifre e simboli dell'alfabeto latino.")
            << QStringLiteral("txtPasswordNew");
    }
    void changeRefusesBadInput() {
        QFETCH(QString, oldPassword);
        QFETCH(QString, newPassword);
        QFETCH(QString, confirm);
        QFETCH(QString, message);
        QFETCH(QString, focused);
        storePlain(QStringLiteral("VELARNO"));
        openChangeScreen();
        fillChange(oldPassword, newPassword, confirm);
        QTest::mouseClick(change->cmdOK, Qt::LeftButton);
        QCOMPARE(lastMessage(), message);
        QVERIFY(change->isVisible());
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
        QCOMPARE(control<QLineEdit>(change.get(), focused)->text(), QString());
        QCOMPARE(readStoredPassword(), QStringLiteral("VELARNO"));
    }

    void changeThatCannotBeWrittenKeepsOldPassword() {
        storePlain(QStringLiteral("VELARNO"));
        openChangeScreen();
        fillChange(QStringLiteral("velarno"), QStringLiteral("nuova"), QStringLiteral("nuova"));
        {
            NoFileWrites noWrites;
            QTest::mouseClick(change->cmdOK, Qt::LeftButton);
        }
        QVERIFY2(
            lastMessage().startsWith(QStringLiteral("Attenzione: si è verificato un errore durante "
                                                    "la procedura di modifica della password.")),
            qPrintable(lastMessage()));
        QVERIFY(change->isVisible());
        QCOMPARE(readStoredPassword(), QStringLiteral("VELARNO"));
    }

    void changeScreenEntersInARingAndStartsEmpty() {
        openChangeScreen();
        typeText(change->txtPasswordOld, QStringLiteral("abc"));
        QTest::keyClick(change->txtPasswordOld, Qt::Key_Return);
        QVERIFY(change->txtPasswordNew->hasFocus());
        QTest::keyClick(change->txtPasswordNew, Qt::Key_Enter);
        QVERIFY(change->txtConferma->hasFocus());
        QTest::keyClick(change->txtConferma, Qt::Key_Return);
        QVERIFY(change->txtPasswordOld->hasFocus());
        QVERIFY(t.messages.isEmpty());
        QVERIFY(control<QWidget>(change.get(), QStringLiteral("effPasswordOld"))->isVisible());
        QVERIFY(!control<QWidget>(change.get(), QStringLiteral("effPasswordNew"))->isVisible());

        QTest::mouseClick(change->cmdEsci, Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(login.get()));
        openChangeScreen();
        QCOMPARE(change->txtPasswordOld->text(), QString());
        QVERIFY(change->txtPasswordOld->hasFocus());
    }
};

QObject* newPasswordTests() {
    return new TestPassword;
}

#include "tst_password.moc"
