#include "program/guide/ScreenGrabs.h"

#include "members/TfrmAnagrafica.h"
#include "program/ProgramScreens.h"
#include "receipts/TfrmLogo.h"
#include "receipts/TfrmRicevute.h"
#include "shell/ScreenKinds.h"
#include "storage/MemberRecord.h"
#include "storage/ProgramFolder.h"
#include "storage/ReceiptRecord.h"
#include "storage/RecordFile.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"
#include "ui/MessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <stdexcept>

namespace {

constexpr int kSampleYear = 2026;

struct SampleMember {
    const char16_t* name;
    const char16_t* card;
    const char16_t* city;
    const char16_t* province;
    const char16_t* expiry;
    const char16_t* role;
};

const SampleMember kMembers[] = {
    {u"Rossi Maria", u"101", u"Lerici", u"SP", u"31/12/2026", u"Presidente"},
    {u"Bianchi Giovanni", u"102", u"La Spezia", u"SP", u"31/03/2026", u"Segretario"},
    {u"Esposito Chiara", u"103", u"Sarzana", u"SP", u"30/06/2026", u"Istruttrice di vela"},
    {u"Ferrari Luca", u"104", u"Lerici", u"SP", u"28/02/2026", u"Socio"},
    {u"Colombo Giulia", u"105", u"Portovenere", u"SP", u"31/12/2026", u"Socia"},
};

struct SampleReceipt {
    const char16_t* date;
    const char16_t* payer;
    const char16_t* item;
    const char16_t* amount;
    bool unsettled;
};

const SampleReceipt kReceipts[] = {
    {u"12/01/2026", u"Rossi Maria", u"Quota associativa 2026", u"120,00", false},
    {u"20/01/2026", u"Bianchi Giovanni", u"Quota associativa 2026", u"120,00", false},
    {u"03/02/2026", u"Esposito Chiara", u"Corso di vela, primo livello", u"280,00", false},
    {u"17/02/2026", u"Ferrari Luca", u"Posto barca, primo trimestre", u"350,00", true},
    {u"02/03/2026", u"Colombo Giulia", u"Quota associativa 2026", u"120,00", false},
    {u"09/03/2026", u"Ferrari Luca", u"Noleggio deriva, due giornate", u"90,00", false},
};

const char16_t* const kAssociation[] = {u"Circolo Velico Golfo dei Poeti", u"Via del Porto, 12",
                                        u"19032 Lerici (SP)", u"C.F. 91012345678"};

void writeMembers() {
    RecordFile<MemberRecord> archive;
    archive.openOrCreate(membersArchivePath());
    for (const SampleMember& sample : kMembers) {
        MemberRecord member;
        member.Dipendente = QString::fromUtf16(sample.name);
        member.Cittadinanza = QString::fromUtf16(sample.card);
        member.Stipendio = QStringLiteral("120,00");
        member.Citta = QString::fromUtf16(sample.city);
        member.Prov = QString::fromUtf16(sample.province);
        member.Familiari = QString::fromUtf16(sample.role);
        member.DataSca = QString::fromUtf16(sample.expiry);
        member.Preavviso = QStringLiteral("30");
        archive.append(member);
    }
}

void writeReceipts() {
    RecordFile<ReceiptRecord> file;
    file.openOrCreate(receiptsArchivePath(kSampleYear));
    int number = 1;
    for (const SampleReceipt& sample : kReceipts) {
        ReceiptRecord receipt;
        receipt.NumRic = QString::number(number++);
        receipt.Data = QString::fromUtf16(sample.date);
        for (int line = 0; line < int(std::size(kAssociation)); ++line)
            receipt.LavRigo[line] = QString::fromUtf16(kAssociation[line]);
        receipt.CliRigo[0] = QString::fromUtf16(sample.payer);
        receipt.Descrizione[0] = QString::fromUtf16(sample.item);
        receipt.Importo[0] = QString::fromUtf16(sample.amount);
        receipt.Totale = QString::fromUtf16(sample.amount);
        receipt.DaSaldare = sample.unsettled ? QStringLiteral("Sì") : QStringLiteral("No");
        file.append(receipt);
    }
}

// Lets the screens finish what showing them started (layouts, on-show steps, painting).
void settle() {
    for (int round = 0; round < 3; ++round)
        QApplication::processEvents();
}

template <class T> T* controlOf(const QWidget* screen, const QString& name) {
    T* found = screen->findChild<T*>(name);
    if (!found)
        throw std::runtime_error("no control named " + name.toStdString());
    return found;
}

void click(const QWidget* screen, const QString& button) {
    controlOf<QAbstractButton>(screen, button)->click();
}

void pressKey(QWidget* widget, Qt::Key key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

// Types into a box as a user does, so that the screen answers each key.
void typeInto(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    for (QChar c : text)
        pressKey(box, Qt::Key(c.toUpper().unicode()), QString(c));
}

class Grabber {
public:
    explicit Grabber(QHash<QString, QImage>& pictures) : pictures_(pictures) {
        // A message that no step waits for means a screen refused a step: the grabs stop
        // with its text, instead of waiting for an answer that never comes.
        setMessageHandlerForTests(stopOnMessages());
        // Each dialog that a screen opens is grabbed under the name waiting for it, then closed.
        setDialogDriverForTests([this](QDialog& dialog) {
            dialog.show();
            settle();
            store(dialog);
            dialog.reject();
        });
    }
    ~Grabber() {
        setDialogDriverForTests({});
        setMessageHandlerForTests({});
    }
    Grabber(const Grabber&) = delete;
    Grabber& operator=(const Grabber&) = delete;

    PersistentScreen& screen(Screen id) { return screens_.flow().screen<PersistentScreen>(id); }

    void start() {
        screens_.start();
        settle();
    }
    void moveTo(Screen id, Screen from) {
        screens_.flow().moveTo(id, &screen(from));
        settle();
    }
    void grab(const QString& name, QWidget& window) {
        pictures_.insert(name, window.grab().toImage());
        requireGrabbed(name);
    }
    void grab(const QString& name, Screen id) { grab(name, screen(id)); }

    // The dialog that the action opens through the dialog runner.
    template <class Action> void grabDialog(const QString& name, Action action) {
        awaited_ = name;
        action();
        requireGrabbed(name);
    }
    // The message box that the action shows, grabbed from its own event loop.
    template <class Action> void grabMessage(const QString& name, Action action) {
        awaited_ = name;
        setMessageHandlerForTests({});
        QTimer::singleShot(0, [this] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                settle();
                store(*box);
                box->close();
            }
        });
        action();
        setMessageHandlerForTests(stopOnMessages());
        requireGrabbed(name);
    }

private:
    MessageHandler stopOnMessages() {
        return [this](MessageKind, const QString& text) {
            unexpectedMessage_ = text;
            return true;
        };
    }
    void store(QWidget& window) {
        if (!awaited_.isEmpty())
            pictures_.insert(awaited_, window.grab().toImage());
        awaited_.clear();
    }
    void requireGrabbed(const QString& name) const {
        if (!unexpectedMessage_.isEmpty())
            throw std::runtime_error("before " + name.toStdString() +
                                     ", a screen said: " + unexpectedMessage_.toStdString());
        if (!pictures_.contains(name))
            throw std::runtime_error("the window " + name.toStdString() + " did not open");
    }

    QHash<QString, QImage>& pictures_;
    ProgramScreens screens_{[] {}};
    QString awaited_;
    QString unexpectedMessage_;
};

void grabLoginAndMenu(Grabber& grabber) {
    grabber.start();
    PersistentScreen& login = grabber.screen(Screen::Password);
    grabber.grab(QStringLiteral("accesso"), login);
    controlOf<QLineEdit>(&login, QStringLiteral("txtPassword"))->setText(QStringLiteral("vela"));
    grabber.grabMessage(QStringLiteral("password_errata"),
                        [&] { click(&login, QStringLiteral("cmdOK")); });
    controlOf<QLineEdit>(&login, QStringLiteral("txtPassword"))->clear();
    grabber.moveTo(Screen::CambiaPassword, Screen::Password);
    grabber.grab(QStringLiteral("cambia_password"), Screen::CambiaPassword);
    grabber.moveTo(Screen::Avvio, Screen::CambiaPassword);
    grabber.grab(QStringLiteral("menu_principale"), Screen::Avvio);
    // A move of the keyboard frames the picture it reaches.
    PersistentScreen& menu = grabber.screen(Screen::Avvio);
    auto* members = controlOf<QWidget>(&menu, QStringLiteral("imgSoci"));
    members->setFocus();
    pressKey(members, Qt::Key_Right);
    settle();
    grabber.grab(QStringLiteral("menu_tastiera"), menu);
}

void grabMembers(Grabber& grabber) {
    grabber.moveTo(Screen::Anagrafica, Screen::Avvio);
    auto& members = dynamic_cast<TfrmAnagrafica&>(grabber.screen(Screen::Anagrafica));
    members.showStoredMember(1);
    settle();
    grabber.grab(QStringLiteral("archivio_soci"), members);
    grabber.grabDialog(QStringLiteral("esporta_soci"),
                       [&] { click(&members, QStringLiteral("btnEsporta")); });
    grabber.moveTo(Screen::Avvio, Screen::Anagrafica);
}

void grabReceipts(Grabber& grabber) {
    grabber.moveTo(Screen::MenuRicevute, Screen::Avvio);
    PersistentScreen& menu = grabber.screen(Screen::MenuRicevute);
    grabber.grab(QStringLiteral("menu_ricevute"), menu);
    grabber.grabDialog(QStringLiteral("logo"), [&] { openLogoWindow(&menu); });

    auto& editor = dynamic_cast<TfrmRicevute&>(grabber.screen(Screen::Ricevute));
    editor.setYear(QString::number(kSampleYear));
    grabber.moveTo(Screen::Ricevute, Screen::MenuRicevute);
    editor.showStoredReceipt(3);
    settle();
    grabber.grab(QStringLiteral("ricevuta"), editor);
    grabber.grabDialog(QStringLiteral("anteprima_ricevuta"),
                       [&] { click(&editor, QStringLiteral("cmdAnteprima")); });
    grabber.grabDialog(QStringLiteral("esporta_ricevute"),
                       [&] { click(&editor, QStringLiteral("cmdEsporta")); });
    grabber.moveTo(Screen::Statistiche, Screen::Ricevute);
    PersistentScreen& statistics = grabber.screen(Screen::Statistiche);
    typeInto(controlOf<QLineEdit>(&statistics, QStringLiteral("txtAnno")),
             QString::number(kSampleYear));
    click(&statistics, QStringLiteral("btnApri"));
    settle();
    grabber.grab(QStringLiteral("statistiche"), statistics);
    grabber.moveTo(Screen::Avvio, Screen::Statistiche);
}

void grabIncome(Grabber& grabber) {
    grabber.moveTo(Screen::MenuRiepLavoro, Screen::Avvio);
    PersistentScreen& period = grabber.screen(Screen::MenuRiepLavoro);
    typeInto(controlOf<QLineEdit>(&period, QStringLiteral("txtAnno")),
             QString::number(kSampleYear));
    // From the first of January to the end of March.
    const std::pair<const char16_t*, int> choices[] = {{u"txtGiornoInizio", 0},
                                                       {u"txtMeseInizio", 0},
                                                       {u"txtGiornoFine", 30},
                                                       {u"txtMeseFine", 2}};
    for (const auto& [name, index] : choices) {
        auto* box = controlOf<QComboBox>(&period, QString::fromUtf16(name));
        box->setEditText(box->itemText(index));
    }
    settle();
    grabber.grab(QStringLiteral("periodo_incassi"), period);
    grabber.grabDialog(QStringLiteral("riepilogo_incassi"),
                       [&] { click(&period, QStringLiteral("btnVisualizza")); });
}

} // namespace

void writeSampleAssociation(const QString& folder) {
    setProgramFolderForTests(folder);
    writeMembers();
    writeReceipts();
}

QHash<QString, QImage> grabScreens(const QString& sampleFolder) {
    writeSampleAssociation(sampleFolder);
    setClockForTests(QDateTime(QDate(kSampleYear, 3, 16), QTime(9, 30)));
    QHash<QString, QImage> pictures;
    {
        Grabber grabber(pictures);
        grabLoginAndMenu(grabber);
        grabMembers(grabber);
        grabReceipts(grabber);
        grabIncome(grabber);
    }
    setClockForTests(QDateTime());
    setProgramFolderForTests(QString());
    return pictures;
}
