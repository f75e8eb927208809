#include "members/TfrmAnagrafica.h"
#include "program/ProgramScreens.h"
#include "receipts/TfrmRicevute.h"
#include "shell/ScreenKinds.h"
#include "storage/MemberRecord.h"
#include "storage/ProgramFolder.h"
#include "storage/ReceiptRecord.h"
#include "tests/receipts/ReceiptFixtures.h"
#include "tests/support/MemberArchive.h"
#include "tests/support/ScreenTest.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"
#include "ui/Picture.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Q_DECLARE_METATYPE(Screen)

namespace {

void writeMembers(int count) {
    QList<MemberRecord> members;
    for (int number = 1; number <= count; ++number) {
        MemberRecord card;
        card.Dipendente = QStringLiteral("Socio numero %1").arg(number);
        card.Stipendio = QStringLiteral("25,00");
        card.DataSca = QStringLiteral("31/12/2027");
        card.Preavviso = QStringLiteral("15");
        members.append(card);
    }
    writeArchive(members);
}

void writeReceipts(int count) {
    QList<ReceiptRecord> receipts;
    for (int number = 1; number <= count; ++number)
        receipts.append(
            sampleReceipt(QString::number(number), QStringLiteral("Socio numero %1").arg(number)));
    writeReceipts(2027, receipts);
}

// Presses each key of the sequence where the focus is at that moment, as a user does.
void pressKeys(const QKeySequence& keys) {
    for (int i = 0; i < keys.count(); ++i) {
        QWidget* focused = QApplication::focusWidget();
        QVERIFY2(focused, "nothing has the focus");
        QTest::keyClick(focused, keys[i].key(), keys[i].keyboardModifiers());
    }
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
    ScreenTest t;
    std::unique_ptr<ProgramScreens> screens;
    QStringList openedDialogs;

    PersistentScreen* screen(Screen id) const {
        return &screens->flow().screen<PersistentScreen>(id);
    }
    QList<PersistentScreen*> visibleScreens() const {
        QList<PersistentScreen*> visible;
        for (Screen id : {Screen::Password, Screen::Avvio, Screen::Anagrafica, Screen::MenuRicevute,
                          Screen::Ricevute, Screen::MenuRiepLavoro}) {
            if (screen(id)->isVisible())
                visible.append(screen(id));
        }
        return visible;
    }
    void goTo(Screen id) {
        screens->flow().moveTo(id, visibleScreens().value(0));
        QVERIFY(QTest::qWaitForWindowActive(screen(id)));
    }
    Picture* menuPicture(const QString& name) const {
        return control<Picture>(screen(Screen::Avvio), name);
    }

    // An editor on the second of three stored records, the focus in one of its boxes.
    struct Editor {
        PersistentScreen* window;
        QLineEdit* box;
        std::function<QString()> position;
        std::function<qint64()> storedCount;
    };
    Editor openEditor(Screen id) {
        if (id == Screen::Anagrafica) {
            writeMembers(3);
            goTo(id);
            auto& members = screens->flow().screen<TfrmAnagrafica>(id);
            members.showStoredMember(2);
            return {&members, members.txtDipendente, [&members] { return members.position(); },
                    [] { return QFileInfo(membersArchivePath()).size() / MemberRecord::Size; }};
        }
        writeReceipts(3);
        auto& receipts = screens->flow().screen<TfrmRicevute>(id);
        receipts.setYear(QStringLiteral("2027"));
        goTo(id);
        receipts.showStoredReceipt(2);
        return {&receipts, receipts.txtCliRigo[0], [&receipts] { return receipts.position(); },
                [] { return QFileInfo(receiptsArchivePath(2027)).size() / ReceiptRecord::Size; }};
    }

private Q_SLOTS:
    void init() {
        t.setUpSeams();
        setClockForTests(QDateTime(QDate(2027, 3, 15), QTime(10, 0)));
        openedDialogs.clear();
        setDialogDriverForTests(
            [this](QDialog& dialog) { openedDialogs.append(dialog.objectName()); });
        screens = std::make_unique<ProgramScreens>();
        screens->start();
        goTo(Screen::Avvio);
    }
    void cleanup() {
        t.tearDownSeams();
        screens.reset();
    }

    void mainMenuArrowsAndTabMoveBetweenThePictures_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("to");
        QTest::newRow("right to the next area")
            << u"imgSoci"_qs << QKeySequence(Qt::Key_Right) << u"imgRicevute"_qs;
        QTest::newRow("left back")
            << u"appRicevute"_qs << QKeySequence(Qt::Key_Left) << u"appSoci"_qs;
        QTest::newRow("down the area")
            << u"imgIncassi"_qs << QKeySequence(Qt::Key_Down, Qt::Key_Down) << u"btnIncassi"_qs;
        QTest::newRow("down to the nearest tool")
            << u"btnSoci"_qs << QKeySequence(Qt::Key_Down) << u"imgGuida"_qs;
        QTest::newRow("down from the last area")
            << u"btnIncassi"_qs << QKeySequence(Qt::Key_Down) << u"imgEsci"_qs;
        QTest::newRow("along the tools")
            << u"imgSito"_qs << QKeySequence(Qt::Key_Right) << u"imgEsci"_qs;
        QTest::newRow("up from the tools")
            << u"imgInfo"_qs << QKeySequence(Qt::Key_Up) << u"btnSoci"_qs;
        QTest::newRow("nothing beyond the edge")
            << u"imgIncassi"_qs << QKeySequence(Qt::Key_Right, Qt::Key_Up) << u"imgIncassi"_qs;
        QTest::newRow("tab through an area")
            << u"imgSoci"_qs << QKeySequence(Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab)
            << u"imgRicevute"_qs;
        QTest::newRow("tab back") << u"imgRicevute"_qs << QKeySequence(Qt::SHIFT | Qt::Key_Backtab)
                                  << u"btnSoci"_qs;
    }
    void mainMenuArrowsAndTabMoveBetweenThePictures() {
        QFETCH(QString, from);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, to);
        menuPicture(from)->setFocus();
        pressKeys(keys);
        QCOMPARE(QApplication::focusWidget()->objectName(), to);
    }

    // Nothing is framed for a user of the mouse; a keyboard move frames the focused picture.
    void mainMenuFramesThePictureReachedByKeyboard() {
        Picture* members = menuPicture(u"imgSoci"_qs);
        QVERIFY(members->hasFocus()); // where the keyboard starts
        const QImage unframed = members->grab().toImage();
        pressKeys(QKeySequence(Qt::Key_Right, Qt::Key_Left));
        QVERIFY(members->hasFocus());
        QVERIFY(members->grab().toImage() != unframed);
        pressKeys(QKeySequence(Qt::Key_Right));
        QCOMPARE(members->grab().toImage(), unframed);
    }

    void mainMenuEnterOpensWhatAClickOpens_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<Screen>("to");
        QTest::addColumn<QStringList>("dialogs");
        QTest::newRow("enter on the first picture")
            << QKeySequence(Qt::Key_Return) << Screen::Anagrafica << QStringList();
        QTest::newRow("space on the receipts bar")
            << QKeySequence(Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Space)
            << Screen::MenuRicevute << QStringList();
        QTest::newRow("keypad enter on the income card")
            << QKeySequence(QKeyCombination(Qt::Key_Right), QKeyCombination(Qt::Key_Right),
                            QKeyCombination(Qt::Key_Down), Qt::KeypadModifier | Qt::Key_Enter)
            << Screen::MenuRiepLavoro << QStringList();
        QTest::newRow("enter on the help picture")
            << QKeySequence(Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return)
            << Screen::Avvio << QStringList{u"TfrmGuida"_qs};
    }
    void mainMenuEnterOpensWhatAClickOpens() {
        QFETCH(QKeySequence, keys);
        QFETCH(Screen, to);
        QFETCH(QStringList, dialogs);
        pressKeys(keys);
        QCOMPARE(visibleScreens(), QList<PersistentScreen*>{screen(to)});
        QCOMPARE(openedDialogs, dialogs);
    }

    void editorKeysWorkFromABox_data() {
        QTest::addColumn<Screen>("editor");
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("position");
        QTest::addColumn<qint64>("stored");
        QTest::addColumn<QStringList>("dialogs");
        QTest::addColumn<int>("cursor"); // -1: wherever the command leaves it
        const QList<QPair<const char*, Screen>> editors{{"members", Screen::Anagrafica},
                                                        {"receipts", Screen::Ricevute}};
        for (const auto& [name, editor] : editors) {
            const bool members = editor == Screen::Anagrafica;
            const auto row = [name = name](const char* what) -> QTestData& {
                return QTest::addRow("%s: %s", name, what);
            };
            // A receipt's duplicate needs a number: 9, typed where the duplicate puts the focus.
            row("duplicate and save") << editor << QKeySequence(u"Ctrl+D, 9, Ctrl+S"_qs) << u"4"_qs
                                      << qint64(4) << QStringList() << -1;
            row("next") << editor << QKeySequence(Qt::Key_PageDown) << u"3"_qs << qint64(3)
                        << QStringList() << -1;
            row("previous") << editor << QKeySequence(Qt::Key_PageUp) << u"1"_qs << qint64(3)
                            << QStringList() << -1;
            row("last") << editor << QKeySequence(Qt::CTRL | Qt::Key_End) << u"3"_qs << qint64(3)
                        << QStringList() << -1;
            row("first") << editor << QKeySequence(Qt::CTRL | Qt::Key_Home) << u"1"_qs << qint64(3)
                         << QStringList() << -1;
            row("new") << editor << QKeySequence(Qt::CTRL | Qt::Key_N) << QString() << qint64(3)
                       << QStringList() << -1;
            row("help") << editor << QKeySequence(Qt::Key_F1) << u"2"_qs << qint64(3)
                        << QStringList{u"TfrmGuida"_qs} << -1;
            row("find") << editor << QKeySequence(Qt::CTRL | Qt::Key_F) << u"2"_qs << qint64(3)
                        << QStringList{members ? u"TfrmTrovaAnagrafica"_qs
                                               : u"TfrmTrovaRicevute"_qs}
                        << -1;
            row("print") << editor << QKeySequence(Qt::CTRL | Qt::Key_P) << u"2"_qs << qint64(3)
                         << QStringList{members ? u"TfrmStampaAna"_qs : u"TfrmStampaRicevuta"_qs}
                         << -1;
            // Without Ctrl, Home and End stay the box's own.
            row("home in the box") << editor << QKeySequence(Qt::Key_Home) << u"2"_qs << qint64(3)
                                   << QStringList() << 0;
            row("end in the box") << editor << QKeySequence(Qt::Key_End) << u"2"_qs << qint64(3)
                                  << QStringList() << 14;
        }
    }
    void editorKeysWorkFromABox() {
        QFETCH(Screen, editor);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, position);
        QFETCH(qint64, stored);
        QFETCH(QStringList, dialogs);
        QFETCH(int, cursor);
        const Editor opened = openEditor(editor);
        QCOMPARE(opened.position(), u"2"_qs);
        opened.box->setFocus();
        opened.box->setCursorPosition(3);
        pressKeys(keys);
        QCOMPARE(opened.position(), position);
        QCOMPARE(opened.storedCount(), stored);
        QCOMPARE(openedDialogs, dialogs);
        if (cursor >= 0) {
            QVERIFY(opened.box->hasFocus());
            QCOMPARE(opened.box->cursorPosition(), cursor);
        }
    }

    void editorHintsNameTheKeys_data() {
        QTest::addColumn<Screen>("editor");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("hint");
        QTest::newRow("members save") << Screen::Anagrafica << u"btnSalva"_qs
                                      << u"Salva la scheda corrente in archivio. (Ctrl+S)"_qs;
        QTest::newRow("members next")
            << Screen::Anagrafica << u"cmdAvanti"_qs
            << u"Visualizza la scheda successiva in archivio. (Pag Giù)"_qs;
        QTest::newRow("members help")
            << Screen::Anagrafica << u"btnGuida"_qs
            << u"Visualizza la pagina della guida sensibile al contesto. (F1)"_qs;
        QTest::newRow("members without a key")
            << Screen::Anagrafica << u"btnEsporta"_qs
            << u"Esporta l'archivio in un foglio di Microsoft Excel."_qs;
        QTest::newRow("receipts first")
            << Screen::Ricevute << u"cmdPrimo"_qs
            << u"Visualizza la prima ricevuta in archivio. (Ctrl+Inizio)"_qs;
        QTest::newRow("receipts duplicate")
            << Screen::Ricevute << u"cmdDuplica"_qs
            << u"Prepara la schermata per la registrazione di una nuova ricevuta duplicando i "
               "dati correnti. (Ctrl+D)"_qs;
        QTest::newRow("receipts print")
            << Screen::Ricevute << u"cmdStampa"_qs << u"Stampa la ricevuta. (Ctrl+P)"_qs;
    }
    void editorHintsNameTheKeys() {
        QFETCH(Screen, editor);
        QFETCH(QString, button);
        QFETCH(QString, hint);
        const Editor opened = openEditor(editor);
        auto* target = control<QPushButton>(opened.window, button);
        QTest::mouseMove(opened.window->windowHandle(),
                         target->mapTo(opened.window, target->rect().center()));
        QCOMPARE(control<QLabel>(opened.window, u"panInfo"_qs)->text(), hint);
    }
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
