#include "members/MemberPhoto.h"
#include "members/PhotoBox.h"
#include "members/TfrmAnagrafica.h"
#include "storage/ProgramFolder.h"
#include "tests/members/MemberFixtures.h"
#include "tests/support/TextFit.h"
#include "ui/Application.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"
#include "ui/Shell.h"

#include <QCalendarWidget>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

MemberRecord member(int number) {
    MemberRecord card;
    card.Dipendente = QStringLiteral("Socio numero %1").arg(number);
    card.Stipendio = QStringLiteral("25,00");
    card.DataSca = QStringLiteral("31/12/2026");
    card.Preavviso = QStringLiteral("15");
    card.File[0] = QStringLiteral("tessera_%1.pdf").arg(number);
    card.Desc[0] = QStringLiteral("Tessera firmata");
    return card;
}

void writeArchive(int count) {
    QList<MemberRecord> members;
    for (int number = 1; number <= count; ++number)
        members.append(member(number));
    writeArchive(members);
}

QImage redPicture() {
    QImage picture(200, 150, QImage::Format_RGB32);
    picture.fill(Qt::red);
    return picture;
}

} // namespace

class TestEditor : public QObject, MemberEditorFixture {
    Q_OBJECT

    void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    QString lastMessage() const {
        return t.messages.isEmpty() ? QString() : t.messages.last().text;
    }
    // A card that passes every check of a save.
    void fillValidCard() {
        editor->txtDipendente->setText(QStringLiteral("Rossi Mario"));
        editor->txtDataSca->setText(QStringLiteral("31/12/2026"));
    }

private Q_SLOTS:
    void init() { showEditor(QDateTime(QDate(2026, 12, 10), QTime(9, 0))); }
    void cleanup() { closeEditor(); }

    void textsFit() { checkTextsFit(editor.get()); }

    void newCardAtEveryShow() {
        QCOMPARE(editor->txtStipendio->text(), QStringLiteral("0,00"));
        QCOMPARE(editor->txtPreavviso->text(), QStringLiteral("0"));
        QCOMPARE(editor->position(), QString());
        QVERIFY(editor->txtDipendente->hasFocus());
        QVERIFY(editor->imgFoto->showsPlaceholder());
        editor->txtDipendente->setText(QStringLiteral("Bianchi"));
        editor->hide();
        flow->moveTo(Screen::Anagrafica, nullptr);
        QCOMPARE(editor->txtDipendente->text(), QString());
    }

    void enterFollowsTheFieldOrder() {
        const QList<QLineEdit*> chain{
            editor->txtDipendente, editor->txtCittadinanza, editor->txtStipendio,
            editor->txtLuogo,      editor->txtDataNasc,     editor->txtCodFisc,
            editor->txtPartitaIva, editor->txtIndirizzo,    editor->txtCitta,
            editor->txtProv,       editor->txtCap,          editor->txtQualifiche,
            editor->txtFamiliari,  editor->txtIban,         editor->txtNote,
            editor->txtDataSca};
        for (int i = 0; i + 1 < chain.size(); ++i) {
            chain[i]->setFocus();
            QTest::keyClick(chain[i], Qt::Key_Return);
            QVERIFY2(chain[i + 1]->hasFocus(), qPrintable(chain[i]->objectName()));
        }
        editor->txtEmail->setFocus();
        QTest::keyClick(editor->txtEmail, Qt::Key_Return);
        QVERIFY(editor->txtDipendente->hasFocus());
        QVERIFY(control<QWidget>(editor.get(), QStringLiteral("effDipendente"))->isVisible());
    }

    void feeIsNormalisedWhenLeft() {
        editor->txtStipendio->setFocus();
        editor->txtStipendio->clear();
        typeText(editor->txtStipendio, QStringLiteral("12.5a"));
        QCOMPARE(editor->txtStipendio->text(), QStringLiteral("125"));
        QTest::keyClick(editor->txtStipendio, Qt::Key_Return);
        QCOMPARE(editor->txtStipendio->text(), QStringLiteral("125,00"));
    }

    // Enter selects the next box's text, so typing replaces what it shows, as after Tab.
    void typingAfterEnterReplacesTheBox_data() {
        QTest::addColumn<QString>("previous");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("text") << QStringLiteral("txtDipendente")
                              << QStringLiteral("txtCittadinanza") << QStringLiteral("Italiana")
                              << QStringLiteral("Francese") << QStringLiteral("Francese");
        QTest::newRow("amount") << QStringLiteral("txtCittadinanza")
                                << QStringLiteral("txtStipendio") << QStringLiteral("0,00")
                                << QStringLiteral("35,5") << QStringLiteral("35,50");
        QTest::newRow("number") << QStringLiteral("txtProv") << QStringLiteral("txtCap")
                                << QStringLiteral("00100") << QStringLiteral("20121")
                                << QStringLiteral("20121");
    }
    void typingAfterEnterReplacesTheBox() {
        QFETCH(QString, previous);
        QFETCH(QString, box);
        QFETCH(QString, shown);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        auto* from = control<QLineEdit>(editor.get(), previous);
        auto* into = control<QLineEdit>(editor.get(), box);
        into->setText(shown);
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Return);
        QVERIFY(into->hasFocus());
        typeText(into, typed);
        QTest::keyClick(into, Qt::Key_Return);
        QCOMPARE(into->text(), kept);
    }

    // The named panels frame their controls and empty the hint line; the two unseen pictures
    // hold their pictures.
    void decorationsHaveTheirNames() {
        for (const char* name :
             {"bkgDataPag", "bkgDataSca", "bkgSfondo01", "bkgSfondo02", "bkgTimbro", "shpFoto",
              "shpInfo", "shpNuovo", "shpRecord", "shpSezione01"}) {
            auto* panel = control<QFrame>(editor.get(), QString::fromLatin1(name));
            QVERIFY2(panel->isVisible(), name);
        }
        QVERIFY(control<QFrame>(editor.get(), QStringLiteral("shpFoto"))
                    ->geometry()
                    .contains(editor->imgFoto->geometry()));
        for (const char* name : {"imgDecoro", "imgBianco"})
            QVERIFY2(!control<QLabel>(editor.get(), QString::fromLatin1(name))->isVisible(), name);
        QVERIFY(!control<QLabel>(editor.get(), QStringLiteral("imgBianco"))->pixmap().isNull());

        auto* panInfo = control<QLabel>(editor.get(), QStringLiteral("panInfo"));
        QTest::mouseMove(editor->windowHandle(),
                         editor->btnSalva->mapTo(editor.get(), QPoint(5, 5)));
        QVERIFY(!panInfo->text().isEmpty());
        QTest::mouseMove(editor->windowHandle(),
                         editor->imgFoto->mapTo(editor.get(), QPoint(-2, -2)));
        QCOMPARE(panInfo->text(), QString());
    }

    void codesAreTypedInCapitals() {
        fillValidCard();
        typeText(editor->txtCodFisc, QStringLiteral("rssmra80a01h501u"));
        typeText(editor->txtIban, QStringLiteral("it60x0542811101000000123456"));
        typeText(editor->txtProv, QStringLiteral("rm"));
        click(editor->btnSalva);
        const MemberRecord stored = storedMember(1);
        QCOMPARE(stored.CodFisc, QStringLiteral("RSSMRA80A01H501U"));
        QCOMPARE(stored.Iban, QStringLiteral("IT60X0542811101000000123456"));
        QCOMPARE(stored.Prov, QStringLiteral("RM"));
    }

    void saveChecksInOrder_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("fee");
        QTest::addColumn<QString>("expiry");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("kind");
        const QString needed =
            QStringLiteral("Attenzione: per salvare la scheda è necessario indicare ");
        QTest::newRow("no name, nothing else")
            << QString() << QString() << QString()
            << needed + QStringLiteral("cognome e nome del socio.")
            << QStringLiteral("txtDipendente") << int(MessageKind::Warning);
        QTest::newRow("no expiry date")
            << QStringLiteral("Rossi") << QStringLiteral("10") << QString()
            << needed + QStringLiteral("la data di scadenza dell'abbonamento.")
            << QStringLiteral("txtDataSca") << int(MessageKind::Warning);
        QTest::newRow("expiry date that does not exist")
            << QStringLiteral("Rossi") << QStringLiteral("10") << QStringLiteral("31/02/2026")
            << QStringLiteral("Attenzione: la data di scadenza 31/02/2026 non esiste.\n\r\n\rPer "
                              "poter salvare la scheda è necessario indicare una data valida nel "
                              "formato gg/mm/aaaa.")
            << QStringLiteral("txtDataSca") << int(MessageKind::Plain);
    }
    void saveChecksInOrder() {
        QFETCH(QString, name);
        QFETCH(QString, fee);
        QFETCH(QString, expiry);
        QFETCH(QString, message);
        QFETCH(QString, focused);
        QFETCH(int, kind);
        editor->txtDipendente->setText(name);
        editor->txtStipendio->setText(fee);
        editor->txtDataSca->setText(expiry);
        click(editor->btnSalva);
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(lastMessage(), message);
        QCOMPARE(int(t.messages.last().kind), kind);
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
        QCOMPARE(storedMemberCount(), 0);
    }

    // The fee box is never empty when saved: leaving it turns an empty text into 0,00.
    void emptyFeeBecomesZeroBeforeTheChecks() {
        fillValidCard();
        editor->txtStipendio->setFocus();
        editor->txtStipendio->clear();
        editor->txtPreavviso->clear();
        click(editor->btnSalva);
        const MemberRecord stored = storedMember(1);
        QCOMPARE(stored.Stipendio, QStringLiteral("0,00"));
        QCOMPARE(stored.Preavviso, QStringLiteral("0"));
    }

    void saveAppendsThenOverwritesInPlace() {
        writeArchive(7);
        fillValidCard();
        editor->imgFoto->setPicture(redPicture());
        click(editor->btnSalva);
        QCOMPARE(lastMessage(), QStringLiteral("La scheda corrente è stata inserita in archivio."));
        QCOMPARE(editor->position(), QStringLiteral("8"));
        QCOMPARE(storedMemberCount(), 8);
        QVERIFY(QFile::exists(programFolder() + QStringLiteral("/Schedario/Socio_8.jpg")));

        editor->txtNote->setText(QStringLiteral("Quota versata"));
        click(editor->btnSalva);
        QCOMPARE(lastMessage(), QStringLiteral("Le modifiche apportate alla scheda corrente sono "
                                               "state salvate in archivio."));
        QCOMPARE(storedMemberCount(), 8);
        QCOMPARE(storedMember(8).Note, QStringLiteral("Quota versata"));
        QCOMPARE(storedMember(7), member(7));
    }

    void savedCardHasTheRecordLayout() {
        editor->txtDipendente->setText(QStringLiteral("  Nicolò Ferri "));
        editor->txtStipendio->setText(QStringLiteral("12,50"));
        editor->txtDataSca->setText(QStringLiteral("01/03/2027"));
        editor->txtEmail->setText(QStringLiteral("n.ferri@esempio.it"));
        editor->setAttachments({{QStringLiteral("a.pdf"), QString(), QString()},
                                {QStringLiteral("Modulo"), QString(), QString()}});
        click(editor->btnSalva);
        QFile file(membersArchivePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), MemberRecord::Size);
        const auto field = [&](int offset, int capacity) {
            return bytes.mid(offset + 1, qMin(int(quint8(bytes[offset])), capacity));
        };
        QCOMPARE(field(0, 50), QByteArray("Nicol\xF2 Ferri"));
        QCOMPARE(field(102, 12), QByteArray("12,50"));
        QCOMPARE(field(1043, 10), QByteArray("01/03/2027"));
        QCOMPARE(field(1054, 3), QByteArray("0"));
        QCOMPARE(field(1109, 50), QByteArray("n.ferri@esempio.it"));
        QCOMPARE(field(1160, 250), QByteArray("a.pdf"));
        QCOMPARE(field(1913, 250), QByteArray("Modulo"));
        for (int offset : {51, 115, 166, 177, 194, 206, 327, 378, 381, 392, 513, 764, 792, 1058,
                           1411, 1662, 2164, 2415})
            QCOMPARE(quint8(bytes[offset]), quint8(0));
    }

    void duplicateAppendsWithoutAttachmentsAndPhoto() {
        writeArchive(3);
        QVERIFY(editor->showStoredMember(3));
        QCOMPARE(editor->attachments().files[0], QStringLiteral("tessera_3.pdf"));
        click(editor->btnDuplica);
        QVERIFY(lastMessage().startsWith(QStringLiteral("E' ora possibile apportare")));
        QCOMPARE(editor->position(), QString());
        QVERIFY(editor->imgFoto->showsPlaceholder());
        click(editor->btnSalva);
        QCOMPARE(editor->position(), QStringLiteral("4"));
        MemberRecord expected = member(3);
        expected.File = {};
        expected.Desc = {};
        QCOMPARE(storedMember(4), expected);
        QImage stored(memberPhotoPath(QStringLiteral("4")));
        QCOMPARE(stored.size(), placeholderPhoto().size());
    }

    void duplicateNeedsAStoredCard() {
        click(editor->btnDuplica);
        QCOMPARE(t.messages.last().kind, MessageKind::Warning);
        QCOMPARE(lastMessage(), QStringLiteral("Attenzione: la duplicazione di una scheda può "
                                               "avvenire soltanto dopo che questa è stata inserita "
                                               "in archivio."));
    }

    void navigation_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("start"); // empty: an unsaved card
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("shown"); // position afterwards
        QTest::addColumn<bool>("reportsEmpty");
        QTest::newRow("first") << 3 << QStringLiteral("2") << QStringLiteral("cmdPrimo")
                               << QStringLiteral("1") << false;
        QTest::newRow("last") << 3 << QStringLiteral("1") << QStringLiteral("cmdUltimo")
                              << QStringLiteral("3") << false;
        QTest::newRow("next from unsaved")
            << 3 << QString() << QStringLiteral("cmdAvanti") << QStringLiteral("1") << false;
        QTest::newRow("previous from unsaved")
            << 3 << QString() << QStringLiteral("cmdIndietro") << QStringLiteral("1") << false;
        QTest::newRow("previous from 3")
            << 3 << QStringLiteral("3") << QStringLiteral("cmdIndietro") << QStringLiteral("2")
            << false;
        QTest::newRow("previous on 1") << 3 << QStringLiteral("1") << QStringLiteral("cmdIndietro")
                                       << QStringLiteral("1") << false;
        QTest::newRow("next on the last") << 3 << QStringLiteral("3") << QStringLiteral("cmdAvanti")
                                          << QStringLiteral("3") << false;
        QTest::newRow("next, empty archive")
            << 0 << QString() << QStringLiteral("cmdAvanti") << QString() << true;
        QTest::newRow("first, empty archive")
            << 0 << QString() << QStringLiteral("cmdPrimo") << QString() << true;
        QTest::newRow("previous, empty archive")
            << 0 << QString() << QStringLiteral("cmdIndietro") << QString() << true;
    }
    void navigation() {
        QFETCH(int, records);
        QFETCH(QString, start);
        QFETCH(QString, button);
        QFETCH(QString, shown);
        QFETCH(bool, reportsEmpty);
        writeArchive(records);
        if (!start.isEmpty())
            QVERIFY(editor->showStoredMember(start.toInt()));
        editor->txtNote->setText(QStringLiteral("modifica non salvata"));
        click(control<QPushButton>(editor.get(), button));
        QCOMPARE(editor->position(), shown);
        QCOMPARE(t.messages.size(), reportsEmpty ? 1 : 0);
        if (reportsEmpty)
            QCOMPARE(lastMessage(), QStringLiteral("L'archivio non contiene nessuna scheda."));
        const bool moved = !shown.isEmpty() && shown != start;
        if (moved)
            QCOMPARE(editor->txtDipendente->text(), QStringLiteral("Socio numero ") + shown);
        QCOMPARE(editor->txtNote->text() == QStringLiteral("modifica non salvata"), !moved);
    }

    void unreadableArchiveIsReported() {
        QVERIFY(QDir(programFolder()).mkdir(QStringLiteral("Soci.pro"))); // a folder, not a file
        click(editor->cmdPrimo);
        QCOMPARE(t.messages.last().kind, MessageKind::Error);
        QVERIFY(lastMessage().startsWith(
            QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.")));
        fillValidCard();
        click(editor->btnSalva);
        QCOMPARE(t.messages.last().kind, MessageKind::Error);
        QCOMPARE(editor->position(), QString());
    }

    void photoThatCannotBeStoredIsReported() {
        t.writeProgramFile(QStringLiteral("Schedario"), "not a folder");
        fillValidCard();
        click(editor->btnSalva);
        QCOMPARE(storedMemberCount(), 1);
        QCOMPARE(t.messages.size(), 2);
        QCOMPARE(t.messages[0].kind, MessageKind::Warning);
        QCOMPARE(t.messages[0].text, photoNotStoredMessage());
        QCOMPARE(t.messages[1].text,
                 QStringLiteral("La scheda corrente è stata inserita in archivio."));
    }

    void storedPhotoComesBackWithItsCard() {
        writeArchive(2);
        QVERIFY(editor->showStoredMember(2));
        editor->imgFoto->setPicture(redPicture());
        click(editor->btnSalva);
        click(editor->cmdPrimo);
        QVERIFY(editor->imgFoto->showsPlaceholder());
        click(editor->cmdAvanti);
        QCOMPARE(editor->imgFoto->picture().size(), redPicture().size());
        click(editor->btnCancFoto); // not saved: the file keeps the photo
        click(editor->cmdPrimo);
        click(editor->cmdAvanti);
        QVERIFY(!editor->imgFoto->showsPlaceholder());
    }

    void datePickerFillsTheExpiryDate() {
        setDialogDriverForTests([](QDialog& dialog) {
            control<QCalendarWidget>(&dialog, QStringLiteral("calAppuntamenti"))
                ->setSelectedDate(QDate(2027, 1, 31));
            QTest::mouseClick(control<QPushButton>(&dialog, QStringLiteral("btnImportaData")),
                              Qt::LeftButton);
        });
        editor->txtDataSca->setFocus();
        QTest::keyClick(editor->txtDataSca, Qt::Key_Return);
        QCOMPARE(editor->txtDataSca->text(), QStringLiteral("31/01/2027"));
        // Back in the box with the date selected, as after Tab.
        QVERIFY(editor->txtDataSca->hasFocus());
        QCOMPARE(editor->txtDataSca->selectedText(), QStringLiteral("31/01/2027"));
        click(editor->delDataSca);
        QCOMPARE(editor->txtDataSca->text(), QString());
    }

    void checkButtonsOpenTheirWindows_data() {
        QTest::addColumn<QString>("taxCode");
        QTest::addColumn<QString>("window");
        QTest::newRow("personal tax code")
            << QStringLiteral("rssmra80a01h501u") << QStringLiteral("TfrmCodFisc");
        QTest::newRow("empty") << QString() << QStringLiteral("TfrmCodFisc");
        QTest::newRow("digits only")
            << QStringLiteral("00000000588") << QStringLiteral("TfrmPartitaIva");
    }
    void checkButtonsOpenTheirWindows() {
        QFETCH(QString, taxCode);
        QFETCH(QString, window);
        QStringList opened;
        setDialogDriverForTests([&](QDialog& dialog) {
            opened.append(dialog.objectName());
            dialog.reject();
        });
        typeText(editor->txtCodFisc, taxCode);
        click(editor->btnCodFisc);
        click(editor->btnIban);
        click(editor->btnPartitaIva);
        QCOMPARE(opened, (QStringList{window, QStringLiteral("TfrmIban"),
                                      QStringLiteral("TfrmPartitaIva")}));
    }

    // The stored address is only ever the recipient: no field of its own reaches the mail program.
    void emailButtonWritesToTheMember_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("recipient");
        QTest::newRow("address") << QStringLiteral(" anna.verdi@esempio.it ")
                                 << QStringLiteral("\"mailto:anna.verdi@esempio.it\"")
                                 << QStringLiteral("anna.verdi@esempio.it");
        QTest::newRow("none") << QString() << QStringLiteral("\"mailto:\"") << QString();
        QTest::newRow("fields after the address")
            << QStringLiteral("socio@esempio.it?attach=/etc/passwd&body=ciao")
            << QStringLiteral("\"mailto:socio@esempio.it%3Fattach=/etc/passwd&body=ciao\"")
            << QStringLiteral("socio@esempio.it?attach=/etc/passwd&body=ciao");
        QTest::newRow("fragment, percent and blank")
            << QStringLiteral("a b%20c@esempio.it#x")
            << QStringLiteral("\"mailto:a%20b%2520c@esempio.it%23x\"")
            << QStringLiteral("a b%20c@esempio.it#x");
    }
    void emailButtonWritesToTheMember() {
        QFETCH(QString, stored);
        QFETCH(QString, target);
        QFETCH(QString, recipient);
        editor->txtEmail->setText(stored);
        click(editor->btnEmail);
        QCOMPARE(t.shellTargets, QStringList{target});
        const QUrl handedOver = urlForShellTarget(target);
        QCOMPARE(handedOver.scheme(), QStringLiteral("mailto"));
        QCOMPARE(handedOver.path(QUrl::FullyDecoded), recipient);
        QVERIFY(!handedOver.hasQuery());
        QVERIFY(!handedOver.hasFragment());
    }

    void attachmentsAreAppliedToTheCard() {
        setDialogDriverForTests([](QDialog& dialog) {
            control<QLineEdit>(&dialog, QStringLiteral("txtDesc02"))
                ->setText(QStringLiteral("Certificato medico"));
            QTest::mouseClick(control<QPushButton>(&dialog, QStringLiteral("btnApplica")),
                              Qt::LeftButton);
        });
        click(editor->btnAllegati);
        QCOMPARE(editor->attachments().descriptions[1], QStringLiteral("Certificato medico"));
        QCOMPARE(control<QLabel>(editor.get(), QStringLiteral("lblDesc02"))->text(),
                 QStringLiteral("Certificato medico"));
    }

    void exitShowsTheMainMenu() {
        bool shown = false;
        struct Menu : PersistentScreen {
            Menu(ScreenFlow& flow, bool& shown)
                : PersistentScreen(flow, QStringLiteral("TfrmAvvio"), QString(), Kind::Compact),
                  shown_(shown) {}
            void onShow() override { shown_ = true; }
            bool& shown_;
        } menu(*flow, shown);
        flow->add(Screen::Avvio, &menu);
        click(editor->btnEsci);
        QVERIFY(shown);
        QVERIFY(!editor->isVisible());
    }
};

int main(int argc, char** argv) {
    Application application(argc, argv);
    TestEditor tests;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_editor.moc"
