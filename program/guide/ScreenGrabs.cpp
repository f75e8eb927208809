#include "program/guide/ScreenGrabs.h"

#include "members/TfrmAnagrafica.h"
#include "members/TfrmImportaSoci.h"
#include "members/TfrmLibroSoci.h"
#include "program/ProgramScreens.h"
#include "receipts/TfrmLogo.h"
#include "receipts/TfrmRicevute.h"
#include "rules/ReceiptSettings.h"
#include "shell/ScreenKinds.h"
#include "storage/Backup.h"
#include "storage/MemberRecord.h"
#include "storage/ProgramFolder.h"
#include "storage/ReceiptRecord.h"
#include "storage/RecordFile.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBox.h"
#include "ui/PrintPreview.h"
#include "ui/Report.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>
#include <stdexcept>
#include <utility>

namespace {

constexpr int kSampleYear = 2026;

struct SampleMember {
    const char16_t* name;
    const char16_t* card;
    const char16_t* birthDate;
    const char16_t* birthPlace;
    const char16_t* address;
    const char16_t* city;
    const char16_t* province;
    const char16_t* expiry;
    const char16_t* role;
    const char16_t* email;
};

// On the guide's date, 16/03/2026, Bianchi is inside his notice and Ferrari has expired.
const SampleMember kMembers[] = {
    {u"Rossi Maria", u"101", u"14/05/1968", u"La Spezia", u"Via Mazzini, 8", u"Lerici", u"SP",
     u"31/12/2026", u"Presidente", u"maria.rossi@example.it"},
    {u"Bianchi Giovanni", u"102", u"02/11/1975", u"Genova", u"Via Chiodo, 21", u"La Spezia", u"SP",
     u"31/03/2026", u"Segretario", u"g.bianchi@example.it"},
    {u"Esposito Chiara", u"103", u"23/07/1990", u"Napoli", u"Piazza Matteotti, 3", u"Sarzana",
     u"SP", u"30/06/2026", u"Istruttrice di vela", u"chiara.esposito@example.it"},
    {u"Ferrari Luca", u"104", u"09/01/1982", u"Sarzana", u"Via Biaggini, 45", u"Lerici", u"SP",
     u"28/02/2026", u"Socio", u""},
    {u"Colombo Giulia", u"105", u"30/09/1998", u"Milano", u"Via Capellini, 16", u"Portovenere",
     u"SP", u"31/12/2026", u"Socia", u"giulia.colombo@example.it"},
};

struct SampleReceipt {
    const char16_t* number;
    const char16_t* date;
    const char16_t* payer;
    const char16_t* item;
    const char16_t* amount;
    bool unsettled;
};

const SampleReceipt kReceipts[] = {
    {u"1", u"12/01/2026", u"Rossi Maria", u"Quota associativa 2026", u"120,00", false},
    {u"2", u"20/01/2026", u"Bianchi Giovanni", u"Quota associativa 2026", u"120,00", false},
    {u"3", u"03/02/2026", u"Esposito Chiara", u"Corso di vela, primo livello", u"280,00", false},
    {u"4", u"17/02/2026", u"Ferrari Luca", u"Posto barca, primo trimestre", u"350,00", true},
    {u"5", u"02/03/2026", u"Colombo Giulia", u"Quota associativa 2026", u"120,00", false},
    {u"6", u"09/03/2026", u"Ferrari Luca", u"Noleggio deriva, due giornate", u"90,00", false},
};

// The year before, written partly by hand: number 4 was skipped and 6 used twice.
constexpr int kLastYear = kSampleYear - 1;
const SampleReceipt kLastYearReceipts[] = {
    {u"1", u"10/01/2025", u"Rossi Maria", u"Quota associativa 2025", u"110,00", false},
    {u"2", u"18/01/2025", u"Bianchi Giovanni", u"Quota associativa 2025", u"110,00", false},
    {u"3", u"05/02/2025", u"Esposito Chiara", u"Corso di vela, primo livello", u"260,00", false},
    {u"5", u"12/03/2025", u"Colombo Giulia", u"Quota associativa 2025", u"110,00", false},
    {u"6", u"02/04/2025", u"Ferrari Luca", u"Posto barca, secondo trimestre", u"350,00", false},
    {u"6", u"09/04/2025", u"Rossi Maria", u"Noleggio deriva, una giornata", u"45,00", false},
    {u"7", u"20/05/2025", u"Bianchi Giovanni", u"Uscita con istruttore", u"60,00", false},
};

const char16_t* const kAssociation[] = {u"Circolo Velico Golfo dei Poeti", u"Via del Porto, 12",
                                        u"19032 Lerici (SP)", u"C.F. 91012345678"};

// A list of new members as a spreadsheet saves it, semicolons and Windows-1252; Conti's expiry
// is a day that does not exist, so the import refuses that row.
const char kNewMembersCsv[] =
    "Cognome e nome;Luogo di nascita;Citt\xE0;Quota;Scadenza;E-mail\r\n"
    "Martini Niccol\xF2;Forl\xEC;Lerici;120;31/12/2026;n.martini@example.it\r\n"
    "Galli Bianca;Cant\xF9;Sarzana;120;31/12/2026;\r\n"
    "Conti Andrea;La Spezia;Lerici;120;31/02/2026;a.conti@example.it\r\n"
    "De Luca Sofia;Carrara;Ameglia;60;30/06/2026;sofia.deluca@example.it\r\n";

// Outside the sample folder, whose name changes from run to run: the window shows the path.
QString newMembersCsvPath() {
    return QDir::tempPath() + QStringLiteral("/Velarno/Nuovi soci.csv");
}

// Replaced whole, as two builds may write it at once.
void writeNewMembersCsv() {
    QDir().mkpath(QFileInfo(newMembersCsvPath()).path());
    QSaveFile file(newMembersCsvPath());
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(kNewMembersCsv, qint64(sizeof kNewMembersCsv) - 1) < 0 || !file.commit())
        throw std::runtime_error("the sample CSV file cannot be written");
}

void writeMembers() {
    RecordFile<MemberRecord> archive;
    archive.openOrCreate(membersArchivePath());
    for (const SampleMember& sample : kMembers) {
        MemberRecord member;
        member.Dipendente = QString::fromUtf16(sample.name);
        member.Cittadinanza = QString::fromUtf16(sample.card);
        member.DataNasc = QString::fromUtf16(sample.birthDate);
        member.Luogo = QString::fromUtf16(sample.birthPlace);
        member.Indirizzo = QString::fromUtf16(sample.address);
        member.Stipendio = QStringLiteral("120,00");
        member.Citta = QString::fromUtf16(sample.city);
        member.Prov = QString::fromUtf16(sample.province);
        member.Familiari = QString::fromUtf16(sample.role);
        member.Email = QString::fromUtf16(sample.email);
        member.DataSca = QString::fromUtf16(sample.expiry);
        member.Preavviso = QStringLiteral("30");
        archive.append(member);
    }
}

template <std::size_t N>
void writeReceipts(int year, const SampleReceipt (&receipts)[N], std::size_t from,
                   std::size_t to = N) {
    RecordFile<ReceiptRecord> file;
    file.openOrCreate(receiptsArchivePath(year));
    for (std::size_t i = from; i < to; ++i) {
        const SampleReceipt& sample = receipts[i];
        ReceiptRecord receipt;
        receipt.NumRic = QString::fromUtf16(sample.number);
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

void writeAssociationLines() {
    std::array<QString, 5> lines;
    for (std::size_t line = 0; line < std::size(kAssociation); ++line)
        lines[line] = QString::fromUtf16(kAssociation[line]);
    storeAssociationLines(lines);
}

void backUpOn(int year, int month, int day, QTime time) {
    writeBackup(QDateTime(QDate(year, month, day), time));
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

void pressKey(QWidget* widget, Qt::Key key, const QString& text = {},
              Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

// A click of the mouse in the middle of a control, for those that are not buttons.
void clickWithMouse(QWidget* widget) {
    const QPointF middle = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(middle);
    QMouseEvent press(QEvent::MouseButtonPress, middle, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, middle, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

// The part of a window that holds the given controls, with a margin around them.
QRect areaAround(const QWidget& window, const QList<const QWidget*>& controls, int margin) {
    QRect area;
    for (const QWidget* control : controls)
        area |= QRect(control->mapTo(&window, QPoint(0, 0)), control->size());
    return area.adjusted(-margin, -margin, margin, margin).intersected(window.rect());
}

// The top of a printout's first page as its print preview shows it, at its real size: the
// page's upper edge and the sample's few lines, with a little of the grey around it.
QImage printedPageTop(const Report& report) {
    ReportPreview preview(nullptr, report.prepare(today()));
    preview.show();
    settle();
    const QImage shown = preview.prvPagine->grab().toImage();
    const QRgb paper = qRgb(255, 255, 255);
    int top = 0;
    while (top < shown.height() && shown.pixel(shown.width() / 2, top) != paper)
        ++top;
    int left = 0;
    while (left < shown.width() && shown.pixel(left, qMin(top + 4, shown.height() - 1)) != paper)
        ++left;
    constexpr int grey = 12;
    constexpr int height = 210;
    const QRect area(left - grey, top - grey, shown.width() - 2 * (left - grey), height);
    return shown.copy(area.intersected(shown.rect()));
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
            if (auto inside = std::exchange(inside_, {}))
                inside(dialog);
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
    void grab(const QString& name, QWidget& window) { keep(name, window.grab().toImage()); }
    void grab(const QString& name, Screen id) { grab(name, screen(id)); }
    void grabPart(const QString& name, QWidget& window, const QRect& area) {
        keep(name, window.grab(area).toImage());
    }
    void keep(const QString& name, const QImage& picture) {
        if (!picture.isNull())
            pictures_.insert(name, picture);
        requireGrabbed(name);
    }

    // The dialog that the action opens through the dialog runner; once grabbed, the dialog is
    // handed to inside, to reach what it opens in turn.
    template <class Action>
    void grabDialog(const QString& name, Action action, std::function<void(QDialog&)> inside = {}) {
        awaited_ = name;
        inside_ = std::move(inside);
        action();
        inside_ = {};
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

    // The action's question answered Yes and its closing information taken as read.
    template <class Action> void answeringYes(Action action) {
        setMessageHandlerForTests([this](MessageKind kind, const QString& text) {
            if (kind != MessageKind::Question && kind != MessageKind::Information)
                unexpectedMessage_ = text;
            return true;
        });
        action();
        setMessageHandlerForTests(stopOnMessages());
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
    std::function<void(QDialog&)> inside_;
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

// The count of subscriptions needing attention, under the main menu's pictures, and the list
// that a click on it opens.
void grabExpiryNotice(Grabber& grabber) {
    PersistentScreen& menu = grabber.screen(Screen::Avvio);
    auto* notice = controlOf<QLabel>(&menu, QStringLiteral("lblScadenze"));
    grabber.grabPart(QStringLiteral("menu_scadenze"), menu,
                     areaAround(menu,
                                {controlOf<QWidget>(&menu, QStringLiteral("imgInfo")), notice,
                                 controlOf<QWidget>(&menu, QStringLiteral("imgEsci"))},
                                12));
    grabber.grabDialog(QStringLiteral("elenco_scadenze"), [&] { clickWithMouse(notice); });
}

// The same list with its two members chosen by Ctrl+A, then the reminder window for them.
void grabRenewalAndReminder(Grabber& grabber) {
    PersistentScreen& menu = grabber.screen(Screen::Avvio);
    const QString chosen = QStringLiteral("scadenze_selezionate");
    grabber.grabDialog(
        chosen, [&] { clickWithMouse(controlOf<QWidget>(&menu, QStringLiteral("lblScadenze"))); },
        [&](QDialog& list) {
            auto* lines = controlOf<QWidget>(&list, QStringLiteral("lstRecords"));
            lines->setFocus();
            pressKey(lines, Qt::Key_A, QStringLiteral("a"), Qt::ControlModifier);
            settle();
            grabber.grab(chosen, list);
            grabber.grabDialog(QStringLiteral("promemoria"),
                               [&] { click(&list, QStringLiteral("btnPromemoria")); });
        });
}

// The backup copies are reached from the information window of the main menu.
void grabBackups(Grabber& grabber) {
    PersistentScreen& menu = grabber.screen(Screen::Avvio);
    grabber.grabDialog(
        QStringLiteral("informazioni"),
        [&] { clickWithMouse(controlOf<QWidget>(&menu, QStringLiteral("imgInfo"))); },
        [&](QDialog& information) {
            grabber.grabDialog(QStringLiteral("ripristino"),
                               [&] { click(&information, QStringLiteral("btnCopie")); });
        });
}

void grabMembers(Grabber& grabber) {
    grabber.moveTo(Screen::Anagrafica, Screen::Avvio);
    auto& members = dynamic_cast<TfrmAnagrafica&>(grabber.screen(Screen::Anagrafica));
    members.showStoredMember(1);
    settle();
    grabber.grab(QStringLiteral("archivio_soci"), members);
    grabber.grabDialog(QStringLiteral("esporta_soci"),
                       [&] { click(&members, QStringLiteral("btnEsporta")); });
    grabber.grabDialog(
        QStringLiteral("libro_soci"), [&] { click(&members, QStringLiteral("btnLibroSoci")); },
        [&](QDialog& dialog) {
            const std::optional<Report> printout =
                dynamic_cast<TfrmLibroSoci&>(dialog).registerReport();
            grabber.keep(QStringLiteral("stampa_libro_soci"),
                         printout ? printedPageTop(*printout) : QImage());
        });
    grabber.moveTo(Screen::Avvio, Screen::Anagrafica);
}

// The import window with the sample CSV file chosen, then after its rows were imported. Last of
// the grabs, as the import adds members to the archive.
void grabImport(Grabber& grabber, Screen from) {
    grabber.moveTo(Screen::Anagrafica, from);
    PersistentScreen& members = grabber.screen(Screen::Anagrafica);
    setUserRequestHandlerForTests([](const UserRequest& request) -> std::optional<QString> {
        if (request.kind != UserRequest::Kind::OpenFile)
            return std::nullopt;
        return newMembersCsvPath();
    });
    const QString chosen = QStringLiteral("importa_soci");
    grabber.grabDialog(
        chosen, [&] { click(&members, QStringLiteral("btnImportaSoci")); },
        [&](QDialog& dialog) {
            auto& window = dynamic_cast<TfrmImportaSoci&>(dialog);
            window.btnScegli->click();
            settle();
            grabber.grab(chosen, window);
            grabber.answeringYes([&] { window.btnImporta->click(); });
            settle();
            grabber.grab(QStringLiteral("importa_soci_esito"), window);
        });
    setUserRequestHandlerForTests({});
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
    // The reminder of the revenue stamp, under a total above 77,47 euro.
    QList<const QWidget*> aroundTotal;
    for (const char16_t* name : {u"txtDescrizione14", u"txtImporto14", u"btnTotale", u"txtTotale",
                                 u"chkDaSaldare", u"lblBollo"})
        aroundTotal.append(controlOf<QWidget>(&editor, QString::fromUtf16(name)));
    grabber.grabPart(QStringLiteral("ricevuta_bollo"), editor, areaAround(editor, aroundTotal, 12));
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

// The receipts menu on the year before, whose numbering has a gap and a number used twice.
void grabNumberingCheck(Grabber& grabber) {
    grabber.moveTo(Screen::MenuRicevute, Screen::Avvio);
    PersistentScreen& menu = grabber.screen(Screen::MenuRicevute);
    typeInto(controlOf<QLineEdit>(&menu, QStringLiteral("txtAnnoPreventivi")),
             QString::number(kLastYear));
    settle();
    grabber.grabPart(
        QStringLiteral("menu_numerazione"), menu,
        areaAround(menu, {controlOf<QWidget>(&menu, QStringLiteral("panEmissione"))}, 8));
    grabber.grabDialog(QStringLiteral("controllo_numeri"),
                       [&] { click(&menu, QStringLiteral("btnControlloNumeri")); });
    grabber.moveTo(Screen::Avvio, Screen::MenuRicevute);
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
    // The copies that the program made on closing, at three moments of the club's year.
    writeMembers();
    writeNewMembersCsv();
    writeAssociationLines();
    writeReceipts(kLastYear, kLastYearReceipts, 0);
    backUpOn(kLastYear, 12, 30, QTime(18, 42, 5));
    writeReceipts(kSampleYear, kReceipts, 0, 3);
    backUpOn(kSampleYear, 2, 3, QTime(19, 15, 40));
    writeReceipts(kSampleYear, kReceipts, 3);
    backUpOn(kSampleYear, 3, 13, QTime(12, 7, 21));
}

QHash<QString, QImage> grabScreens(const QString& sampleFolder) {
    writeSampleAssociation(sampleFolder);
    setClockForTests(QDateTime(QDate(kSampleYear, 3, 16), QTime(9, 30)));
    QHash<QString, QImage> pictures;
    {
        Grabber grabber(pictures);
        grabLoginAndMenu(grabber);
        grabExpiryNotice(grabber);
        grabRenewalAndReminder(grabber);
        grabBackups(grabber);
        grabMembers(grabber);
        grabReceipts(grabber);
        grabNumberingCheck(grabber);
        grabIncome(grabber);
        grabImport(grabber, Screen::MenuRiepLavoro);
    }
    setClockForTests(QDateTime());
    setProgramFolderForTests(QString());
    return pictures;
}
