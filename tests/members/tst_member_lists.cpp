#include "members/MemberListDialog.h"
#include "members/TfrmAnagrafica.h"
#include "members/TfrmScadute.h"
#include "members/TfrmSospesi.h"
#include "members/TfrmTrovaAnagrafica.h"
#include "shell/ErrorMessages.h"
#include "shell/WorkProgress.h"
#include "storage/ProgramFolder.h"
#include "storage/RecordFile.h"
#include "tests/members/MemberFixtures.h"
#include "tests/support/TextFit.h"
#include "ui/Application.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

namespace {

// Box name and the text typed into it.
using Criteria = QList<QPair<QString, QString>>;

MemberRecord member(const QString& name, const QString& town, const QString& card,
                    const QString& expiry = QStringLiteral("31/12/2026")) {
    MemberRecord record;
    record.Dipendente = name;
    record.Cittadinanza = card;
    record.Stipendio = QStringLiteral("25,00");
    record.Indirizzo = QStringLiteral("Via Roma %1").arg(card);
    record.Citta = town;
    record.Cap = QStringLiteral("00185");
    record.Prov = QStringLiteral("RM");
    record.CodFisc = QStringLiteral("RSSMRA80A01H501U");
    record.DataSca = expiry;
    record.Preavviso = QStringLiteral("10");
    record.Recapito = QStringLiteral("333 1234567");
    return record;
}

// Positions 2 and 4 give the same line: only their card numbers differ.
QList<MemberRecord> fourMembers() {
    return {member(QStringLiteral("Verdi Anna"), QStringLiteral("Milano"), QStringLiteral("1"),
                   QStringLiteral("14/03/2024")),
            member(QStringLiteral("Rossi Mario"), QStringLiteral("Roma"), QStringLiteral("2"),
                   QStringLiteral("20/03/2024")),
            member(QStringLiteral("Rossini Bruno"), QStringLiteral("Milano"), QStringLiteral("3"),
                   QStringLiteral("15/03/2024")),
            member(QStringLiteral("Rossi Mario"), QStringLiteral("Roma"), QStringLiteral("4"),
                   QStringLiteral("20/03/2024"))};
}

QStringList namesIn(SummaryListDialog& list) {
    QStringList names;
    for (const QString& line : list.model().lines())
        names.append(line.left(30).trimmed());
    return names;
}

void doubleClickRow(SummaryListDialog& list, int row) {
    const QRect where = list.lstRecords->visualRect(list.model().index(row));
    QTest::mouseClick(list.lstRecords->viewport(), Qt::LeftButton, {}, where.center());
    QTest::mouseDClick(list.lstRecords->viewport(), Qt::LeftButton, {}, where.center());
}

} // namespace

class TestMemberLists : public QObject, MemberEditorFixture {
    Q_OBJECT

    // Opens the window of an editor button and hands it to the test, which closes it or not.
    template <class Window>
    void openFromEditor(QPushButton* button, std::function<void(Window&)> act) {
        bool opened = false;
        setDialogDriverForTests([&](QDialog& dialog) {
            opened = true;
            auto* window = qobject_cast<Window*>(&dialog);
            QVERIFY(window);
            QTRY_COMPARE(QApplication::activeWindow(), window);
            act(*window);
        });
        button->click(); // a mouse click would leave the editor the active window
        QVERIFY(opened);
    }

    // Types the criteria into their boxes and presses "Cerca".
    static void runSearch(TfrmTrovaAnagrafica& window, const Criteria& typed) {
        for (const auto& [box, text] : typed) {
            auto* edit = control<QLineEdit>(&window, box);
            edit->setFocus();
            typeText(edit, text);
        }
        QTest::mousePress(window.btnCerca, Qt::LeftButton);
        QVERIFY(window.lblAttendere->isVisible());
        QTest::mouseRelease(window.btnCerca, Qt::LeftButton);
    }

private Q_SLOTS:
    void init() {
        showEditor(QDateTime(QDate(2024, 3, 15), QTime(9, 0)));
        writeArchive(fourMembers());
    }
    void cleanup() {
        setDialogDriverForTests({});
        setWorkProgressDelayForTests(-1);
        closeEditor();
    }

    void search_data() {
        QTest::addColumn<Criteria>("typed");
        QTest::addColumn<QStringList>("found");
        const QString name = QStringLiteral("txtDipendente");
        const QString town = QStringLiteral("txtCitta");
        QTest::newRow("one criterion")
            << Criteria{{name, QStringLiteral("ROSS")}}
            << QStringList{QStringLiteral("Rossi Mario"), QStringLiteral("Rossi Mario"),
                           QStringLiteral("Rossini Bruno")};
        QTest::newRow("two criteria")
            << Criteria{{name, QStringLiteral("ross")}, {town, QStringLiteral("milano")}}
            << QStringList{QStringLiteral("Rossini Bruno")};
        QTest::newRow("blanks only lists all")
            << Criteria{{town, QStringLiteral("   ")}}
            << QStringList{QStringLiteral("Rossi Mario"), QStringLiteral("Rossi Mario"),
                           QStringLiteral("Rossini Bruno"), QStringLiteral("Verdi Anna")};
        QTest::newRow("nothing found")
            << Criteria{{name, QStringLiteral("rossi ")}, {town, QStringLiteral("milano")}}
            << QStringList{};
    }
    void search() {
        QFETCH(Criteria, typed);
        QFETCH(QStringList, found);
        openFromEditor<TfrmTrovaAnagrafica>(editor->btnTrova, [&](TfrmTrovaAnagrafica& window) {
            QVERIFY(window.panAvvio->isVisible());
            QVERIFY(!window.panContainer->isVisible());
            QVERIFY(window.txtDipendente->hasFocus());
            checkTextsFit(&window);
            runSearch(window, typed);
            QVERIFY(!window.panAvvio->isVisible());
            QVERIFY(window.panContainer->isVisible());
            QVERIFY(!window.lblAttendere->isVisible());
            QVERIFY(window.txtTrova->hasFocus());
            QCOMPARE(namesIn(window), found);
            QCOMPARE(window.lblTrovate->text(),
                     QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(found.size()));
            checkTextsFit(&window);
            QTest::mouseClick(window.btnTrova, Qt::LeftButton);
            QTest::mouseClick(window.btnChiudi, Qt::LeftButton);
        });
        if (found.isEmpty()) {
            QCOMPARE(t.messages.size(), 1);
            QCOMPARE(
                t.messages[0].text,
                QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        } else {
            QVERIFY(t.messages.isEmpty());
        }
        QCOMPARE(editor->position(), QString());
    }

    void enterGoesRoundTheCriteria() {
        openFromEditor<TfrmTrovaAnagrafica>(editor->btnTrova, [](TfrmTrovaAnagrafica& window) {
            const QList<QLineEdit*> ring{
                window.txtDipendente, window.txtCittadinanza, window.txtLuogo,
                window.txtDataNasc,   window.txtCodFisc,      window.txtPartitaIva,
                window.txtCitta,      window.txtQualifiche,   window.txtFamiliari,
                window.txtNote,       window.txtDipendente};
            for (int i = 0; i + 1 < ring.size(); ++i) {
                ring[i]->setFocus();
                QTest::keyClick(ring[i], Qt::Key_Return);
                QVERIFY2(ring[i + 1]->hasFocus(), qPrintable(ring[i]->objectName()));
            }
            window.reject();
        });
    }

    // Equal lines: each opens its own record, and a save then overwrites that record.
    void doubleClickOpensTheClickedMember() {
        for (int row : {0, 1}) {
            qint64 opened = 0;
            openFromEditor<TfrmTrovaAnagrafica>(editor->btnTrova, [&](TfrmTrovaAnagrafica& window) {
                runSearch(window, {{QStringLiteral("txtDipendente"), QStringLiteral("rossi")}});
                opened = window.model().entry(row).position;
                doubleClickRow(window, row);
                QVERIFY(!window.isVisible());
            });
            QCOMPARE(editor->position(), QString::number(opened));
            QCOMPARE(editor->txtCittadinanza->text(), QString::number(opened));
            QCOMPARE(editor->txtIndirizzo->text(), QStringLiteral("Via Roma %1").arg(opened));
        }
        QCOMPARE(editor->position(), QStringLiteral("4"));
        editor->txtNote->setText(QStringLiteral("Rinnovo pagato"));
        QTest::mouseClick(editor->btnSalva, Qt::LeftButton);
        QCOMPARE(QFile(membersArchivePath()).size(), 4 * MemberRecord::Size);
        QCOMPARE(storedMember(4).Note, QStringLiteral("Rinnovo pagato"));
        QCOMPARE(storedMember(2).Note, QString());
    }

    void doubleClickFillsThePayerLines() {
        editor->txtDipendente->setText(QStringLiteral("Bianchi"));
        QWidget receiptEditor;
        QList<PayerLines> filled;
        setDialogDriverForTests([](QDialog& dialog) {
            auto& window = static_cast<TfrmTrovaAnagrafica&>(dialog);
            QTRY_COMPARE(QApplication::activeWindow(), &dialog);
            runSearch(window, {{QStringLiteral("txtCittadinanza"), QStringLiteral("3")}});
            doubleClickRow(window, 0);
        });
        findMemberAsPayer(&receiptEditor,
                          [&filled](const PayerLines& lines) { filled.append(lines); });
        QCOMPARE(filled.size(), 1);
        QCOMPARE(filled[0],
                 (PayerLines{QStringLiteral("Rossini Bruno"), QStringLiteral("Via Roma 3"),
                             QStringLiteral("00185 Milano RM"), QStringLiteral("Tel. 333 1234567"),
                             QStringLiteral("Codice fiscale: RSSMRA80A01H501U")}));
        QCOMPARE(editor->txtDipendente->text(), QStringLiteral("Bianchi"));
        QCOMPARE(editor->position(), QString());
    }

    void archiveThatCannotBeOpened() {
        QFile::remove(membersArchivePath());
        QVERIFY(QDir().mkdir(membersArchivePath()));
        openFromEditor<TfrmTrovaAnagrafica>(editor->btnTrova, [this](TfrmTrovaAnagrafica& window) {
            runSearch(window, {});
            QCOMPARE(t.messages.size(), 1);
            QCOMPARE(t.messages[0].kind, MessageKind::Plain);
            QCOMPARE(t.messages[0].text, archiveAccessMessage());
            QVERIFY(window.panAvvio->isVisible());
            QVERIFY(!window.lblAttendere->isVisible());
            window.reject();
        });
        openFromEditor<TfrmScadute>(editor->btnScaduti, [this](TfrmScadute& window) {
            QCOMPARE(t.messages.size(), 2);
            QCOMPARE(t.messages[1].text, archiveAccessMessage());
            QCOMPARE(window.model().rowCount(), 0);
            window.reject();
        });
    }

    // Today is 15/03/2024; positions 2 and 4 have ten days of notice before 20/03/2024.
    void expiryLists() {
        openFromEditor<TfrmSospesi>(editor->btnScadenze, [](TfrmSospesi& window) {
            QCOMPARE(window.windowTitle(),
                     QStringLiteral(" Riepilogo soci con abbonamenti in scadenza o scaduti"));
            checkTextsFit(&window);
            QCOMPARE(namesIn(window),
                     (QStringList{QStringLiteral("Rossi Mario"), QStringLiteral("Rossi Mario"),
                                  QStringLiteral("Rossini Bruno"), QStringLiteral("Verdi Anna")}));
            QVERIFY(window.txtTrova->hasFocus());
            window.reject();
        });
        openFromEditor<TfrmScadute>(editor->btnScaduti, [](TfrmScadute& window) {
            QCOMPARE(window.windowTitle(),
                     QStringLiteral(" Riepilogo soci con abbonamenti scaduti"));
            checkTextsFit(&window);
            QCOMPARE(namesIn(window), QStringList{QStringLiteral("Verdi Anna")});
            doubleClickRow(window, 0);
        });
        QCOMPARE(editor->position(), QStringLiteral("1"));
        QCOMPARE(editor->txtDipendente->text(), QStringLiteral("Verdi Anna"));
        QVERIFY(t.messages.isEmpty());
    }

    // The find box hands Enter to "Trova", which Enter then presses and which shows its focus.
    void enterInTheFindBoxThenEnterAgainFinds() {
        openFromEditor<TfrmSospesi>(editor->btnScadenze, [](TfrmSospesi& window) {
            const QImage unfocused = window.btnTrova->grab().toImage();
            typeText(window.txtTrova, QStringLiteral("rossi"));
            QTest::keyClick(window.txtTrova, Qt::Key_Return);
            QVERIFY(window.btnTrova->hasFocus());
            QVERIFY(window.btnTrova->grab().toImage() != unfocused);
            QCOMPARE(window.selectedRow(), -1);
            QTest::keyClick(window.btnTrova, Qt::Key_Return);
            QCOMPARE(window.selectedRow(), 0);
            QTest::keyClick(window.btnTrova, Qt::Key_Enter);
            QCOMPARE(window.selectedRow(), 1);
            QTest::keyClick(window.btnTrova, Qt::Key_Space);
            QCOMPARE(window.selectedRow(), 2);
            QVERIFY(window.isVisible());
            window.reject();
        });
    }

    void skippedRecordsAreToldOnce() {
        MemberRecord noDate = member(QStringLiteral("Neri Luca"), QStringLiteral("Roma"),
                                     QStringLiteral("5"), QString());
        MemberRecord badNotice = member(QStringLiteral("Gialli Ada"), QStringLiteral("Roma"),
                                        QStringLiteral("6"), QStringLiteral("01/03/2024"));
        badNotice.Preavviso = QStringLiteral("x");
        writeArchive({noDate, badNotice,
                      member(QStringLiteral("Blu Ugo"), QStringLiteral("Roma"), QStringLiteral("7"),
                             QStringLiteral("01/03/2024"))});
        openFromEditor<TfrmSospesi>(editor->btnScadenze, [](TfrmSospesi& window) {
            QCOMPARE(window.model().rowCount(), 5); // four, then the one after the bad records
            window.reject();
        });
        QCOMPARE(t.messages.size(), 1);
        QCOMPARE(t.messages[0].kind, MessageKind::Warning);
        QCOMPARE(t.messages[0].text, skippedRecordsMessage(2));
    }

    // Left by an append that never ended: no member, and nothing was skipped.
    void incompleteLastRecordIsNoWarning() {
        QFile archive(membersArchivePath());
        QVERIFY(archive.open(QIODevice::Append));
        archive.write(member(QStringLiteral("Neri Luca"), QStringLiteral("Roma"),
                             QStringLiteral("5"), QStringLiteral("01/03/2024"))
                          .toBytes()
                          .left(100));
        archive.close();
        openFromEditor<TfrmSospesi>(editor->btnScadenze, [](TfrmSospesi& window) {
            QCOMPARE(window.model().rowCount(), 4);
            window.reject();
        });
        QVERIFY(t.messages.isEmpty());
    }

    // "Annulla" in the progress window: the search stays at its criteria, a list closes.
    void cancelledScans() {
        const QByteArray record = member(QStringLiteral("Neri Luca"), QStringLiteral("Roma"),
                                         QStringLiteral("5"), QStringLiteral("01/03/2024"))
                                      .toBytes();
        QFile archive(membersArchivePath());
        QVERIFY(archive.open(QIODevice::Append));
        QVERIFY(archive.write(record.repeated(9000)) == 9000 * record.size());
        archive.close();
        // Presses "Annulla" as soon as a progress window is there.
        QTimer canceller;
        connect(&canceller, &QTimer::timeout, [&canceller] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* progress = qobject_cast<QProgressDialog*>(window)) {
                    progress->cancel();
                    canceller.stop();
                }
            }
        });
        const auto cancelWhenShown = [&canceller] { canceller.start(0); };
        setWorkProgressDelayForTests(0);
        openFromEditor<TfrmTrovaAnagrafica>(editor->btnTrova, [&](TfrmTrovaAnagrafica& window) {
            cancelWhenShown();
            runSearch(window, {});
            QVERIFY(window.panAvvio->isVisible());
            QVERIFY(!window.lblAttendere->isVisible());
            QCOMPARE(window.model().rowCount(), 0);
            window.reject();
        });
        cancelWhenShown();
        openFromEditor<TfrmSospesi>(editor->btnScadenze,
                                    [](TfrmSospesi& window) { QTRY_VERIFY(!window.isVisible()); });
        QVERIFY(t.messages.isEmpty());
    }

    void progressWindowTextsFit() {
        QDialog window;
        window.setWindowTitle(QStringLiteral(" Trova soci in archivio"));
        WorkProgress progress(&window, QStringLiteral("Ricerca schede in corso. Attendere..."),
                              QStringLiteral("prgLettura"));
        progress.report(0, 100);
        progress.dialog()->show();
        QVERIFY(QTest::qWaitForWindowExposed(progress.dialog()));
        checkTextsFit(progress.dialog());
    }
};

int main(int argc, char** argv) {
    Application application(argc, argv);
    TestMemberLists tests;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_member_lists.moc"
