#include "receipts/PriceListBox.h"
#include "receipts/TfrmListaPresc.h"
#include "rules/PriceList.h"
#include "storage/PriceListFile.h"
#include "storage/ProgramFolder.h"
#include "tests/receipts/PriceListTests.h"
#include "tests/support/NoFileWrites.h"
#include "tests/support/ScreenTest.h"
#include "tests/support/TextFit.h"
#include "ui/DialogRunner.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <functional>

namespace {

// A line of the file as written by the program: Windows-1252 description and price in their
// columns, the euro sign as the byte 0x80, CR LF.
QByteArray fileLine(const QByteArray& description, const QByteArray& price) {
    return description.leftJustified(50, ' ') + "  \x80 " + price.leftJustified(12, ' ') + "\r\n";
}

// The same line after a reading, which trims the blanks after the price.
QByteArray trimmedLine(const QByteArray& description, const QByteArray& price) {
    return fileLine(description, price).trimmed() + "\r\n";
}

QByteArray fileBytes() {
    QFile file(priceListPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QWidget* focused() {
    return QApplication::focusWidget();
}

// Keys go where the focus is, as they do for the user.
void press(Qt::Key key) {
    QTest::keyClick(focused(), key);
}
void type(const QString& text) {
    typeText(focused(), text);
}
void erasePrice() {
    for (int i = 0; i < 4; ++i)
        press(Qt::Key_Backspace);
}

void click(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton);
}

void clickLine(PriceListBox* list, int row) {
    const QRect line = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, line.center());
}

} // namespace

class TestPriceList : public QObject {
    Q_OBJECT
    ScreenTest t;
    std::unique_ptr<QWidget> opener;

    // Opens the price list window from the menu's side and lets the test work in it; returns
    // how it closed (-1 when it stayed open).
    int runPriceList(std::function<void(TfrmListaPresc&)> drive) {
        int result = -1;
        setDialogDriverForTests([drive, &result](QDialog& dialog) {
            auto& window = dynamic_cast<TfrmListaPresc&>(dialog);
            QVERIFY(QTest::qWaitForWindowActive(&window));
            drive(window);
            result = window.isVisible() ? -1 : window.result();
        });
        openPriceList(opener.get());
        return result;
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

    // Enter from the description selects the price, so "18,5" replaces "0,00".
    void typedPriceReplacesTheShownOne() {
        runPriceList([this](TfrmListaPresc& window) {
            type(QStringLiteral("Maglietta del circolo"));
            press(Qt::Key_Return);
            type(QStringLiteral("18,5"));
            press(Qt::Key_Return);
            QCOMPARE(window.txtPrezzo->text(), QStringLiteral("18,50"));
            click(window.btnChiudi);
        });
    }

    void itemsTypedWithKeysAreSavedAsExactBytes() {
        const int result = runPriceList([this](TfrmListaPresc& window) {
            QCOMPARE(focused(), window.txtProdotto);
            QCOMPARE(window.txtPrezzo->text(), QStringLiteral("0,00"));

            type(QStringLiteral("Quota sociale annuale"));
            press(Qt::Key_Return);
            QCOMPARE(focused(), window.txtPrezzo);
            erasePrice();
            type(QStringLiteral("25"));
            press(Qt::Key_Return);
            QCOMPARE(focused(), window.btnTrova);
            QCOMPARE(window.txtPrezzo->text(), QStringLiteral("25,00"));
            press(Qt::Key_Return);
            QCOMPARE(focused(), window.txtProdotto);
            QCOMPARE(window.txtProdotto->text(), QString());
            QCOMPARE(window.txtPrezzo->text(), QStringLiteral("0,00"));

            type(QStringLiteral("Caffè"));
            press(Qt::Key_Enter);
            erasePrice();
            type(QStringLiteral("1,2"));
            press(Qt::Key_Enter);
            press(Qt::Key_Enter);

            // Two characters too many: the box takes fifty.
            type(QStringLiteral("Corso di nuoto per adulti, dieci lezioni in vasca!!!"));
            QCOMPARE(window.txtProdotto->text().size(), 50);
            press(Qt::Key_Return);
            press(Qt::Key_Return); // a price of 0,00 is a price
            press(Qt::Key_Return);

            QCOMPARE(window.lstRecords->count(), 3);
            QVERIFY(t.messages.isEmpty());
            click(window.btnChiudi);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(fileBytes(),
                 fileLine("Caff\xE8", "1,20") +
                     fileLine("Corso di nuoto per adulti, dieci lezioni in vasca!", "0,00") +
                     fileLine("Quota sociale annuale", "25,00"));
    }

    // The columns are counted in stored bytes: a separate accent merges with its letter and a
    // character the code page lacks becomes one "?", neither shifting the price.
    void columnsHoldInTheStoredCodePage() {
        runPriceList([](TfrmListaPresc& window) {
            const QList<QPair<QString, QString>> items{
                {QStringLiteral("Caffe\u0301 & brioche €"), QStringLiteral("7,00")},
                {QStringLiteral("Gelato \U0001F366 artigianale"), QStringLiteral("3,50")}};
            for (const auto& [description, price] : items) {
                window.txtProdotto->insert(description); // as pasted
                press(Qt::Key_Return);
                type(price);
                press(Qt::Key_Return);
                press(Qt::Key_Return);
            }
            click(window.btnChiudi);
        });
        const QList<QByteArray> lines = fileBytes().split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], fileLine("Caff\xE9 & brioche \x80", "7,00").chopped(1));
        QCOMPARE(lines[1], fileLine("Gelato ? artigianale", "3,50").chopped(1));
        QCOMPARE(lines[0].size(), 66 + 1);
        QCOMPARE(lines[0].at(52), '\x80'); // 0-based, after the description and two blanks
        const QStringList read = readPriceListFile(priceListPath()).value_or(QStringList());
        QCOMPARE(priceLinePrice(read.value(0)), QStringLiteral("7,00"));
        QCOMPARE(priceLinePrice(read.value(1)), QStringLiteral("3,50"));
    }

    // Only digits and the comma reach the box; leaving it normalises the price.
    void priceBoxFiltersAndNormalises_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("left");
        QTest::newRow("full stop ignored")
            << QStringLiteral("1.5") << QStringLiteral("15") << QStringLiteral("15,00");
        QTest::newRow("one decimal")
            << QStringLiteral("12,5") << QStringLiteral("12,5") << QStringLiteral("12,50");
        QTest::newRow("comma first")
            << QStringLiteral(",5") << QStringLiteral(",5") << QStringLiteral("0,50");
        QTest::newRow("four decimals kept")
            << QStringLiteral("0,999") << QStringLiteral("0,999") << QStringLiteral("0,999");
        QTest::newRow("rounded to four decimals")
            << QStringLiteral("1,23456") << QStringLiteral("1,23456") << QStringLiteral("1,2346");
        QTest::newRow("leading zeros")
            << QStringLiteral("007") << QStringLiteral("007") << QStringLiteral("7,00");
        QTest::newRow("two commas")
            << QStringLiteral("1,2,3") << QStringLiteral("1,2,3") << QStringLiteral("0,00");
        QTest::newRow("minus, letters and blank ignored")
            << QStringLiteral("-4 a9") << QStringLiteral("49") << QStringLiteral("49,00");
        QTest::newRow("empty box") << QString() << QString() << QStringLiteral("0,00");
        QTest::newRow("thirteenth character refused")
            << QStringLiteral("1234567890,125") << QStringLiteral("1234567890,1")
            << QStringLiteral("1234567890,1");
    }
    void priceBoxFiltersAndNormalises() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, left);
        runPriceList([&](TfrmListaPresc& window) {
            press(Qt::Key_Return);
            erasePrice();
            type(typed);
            QCOMPARE(window.txtPrezzo->text(), shown);
            press(Qt::Key_Tab);
            QCOMPARE(focused(), window.btnTrova);
            QCOMPARE(window.txtPrezzo->text(), left);
            click(window.btnAnnulla);
        });
    }

    void priceBoxKeepsItsEditingKeys() {
        runPriceList([](TfrmListaPresc& window) {
            window.txtPrezzo->setFocus();
            erasePrice();
            type(QStringLiteral("125"));
            press(Qt::Key_Left);
            press(Qt::Key_Left);
            press(Qt::Key_Delete);
            QCOMPARE(window.txtPrezzo->text(), QStringLiteral("15"));
            press(Qt::Key_Right);
            type(QStringLiteral(",5"));
            QCOMPARE(window.txtPrezzo->text(), QStringLiteral("15,5"));
            click(window.btnAnnulla);
        });
    }

    void tabOrderFollowsTheWindow() {
        runPriceList([](TfrmListaPresc& window) {
            QStringList visited;
            for (int i = 0; i < 9; ++i) {
                visited.append(focused()->objectName());
                press(Qt::Key_Tab);
            }
            QCOMPARE(visited,
                     (QStringList{QStringLiteral("txtProdotto"), QStringLiteral("txtPrezzo"),
                                  QStringLiteral("btnTrova"), QStringLiteral("lstRecords"),
                                  QStringLiteral("btnAnnulla"), QStringLiteral("btnElimina"),
                                  QStringLiteral("btnChiudi"), QStringLiteral("btnStampa"),
                                  QStringLiteral("txtProdotto")}));
            click(window.btnAnnulla);
        });
    }

    void addRefusesMissingDescriptionOrPrice() {
        runPriceList([this](TfrmListaPresc& window) {
            type(QStringLiteral("   "));
            click(window.btnTrova);
            QCOMPARE(t.messages.size(), 1);
            QCOMPARE(t.messages[0].kind, MessageKind::Warning);
            QCOMPARE(t.messages[0].text,
                     QStringLiteral("Attenzione: non è stato indicato alcun prodotto o servizio "
                                    "da aggiungere al listino."));
            QCOMPARE(focused(), window.txtProdotto);

            type(QStringLiteral("Ingresso piscina"));
            press(Qt::Key_Return);
            erasePrice();
            // A click that leaves the focus in the box, so the price is still empty.
            window.btnTrova->click();
            QCOMPARE(t.messages.size(), 2);
            QCOMPARE(t.messages[1].kind, MessageKind::Warning);
            QCOMPARE(t.messages[1].text,
                     QStringLiteral("Attenzione: non è stato indicato il prezzo del prodotto o "
                                    "servizio da aggiungere al listino."));
            QCOMPARE(focused(), window.txtPrezzo);
            QCOMPARE(window.lstRecords->count(), 0);

            type(QStringLiteral("6,5"));
            click(window.btnTrova);
            QCOMPARE(window.lstRecords->lines(),
                     QStringList{priceListLine(QStringLiteral("Ingresso piscina"),
                                               QStringLiteral("6,50"))});
            QCOMPARE(t.messages.size(), 2);
            click(window.btnAnnulla);
        });
    }

    void sameItemTwiceStaysNextToItself() {
        runPriceList([](TfrmListaPresc& window) {
            for (const QString& item :
                 {QStringLiteral("acqua"), QStringLiteral("Birra"), QStringLiteral("Acqua"),
                  QStringLiteral("Àncora"), QStringLiteral("acqua")}) {
                type(item);
                press(Qt::Key_Return);
                press(Qt::Key_Return);
                press(Qt::Key_Return);
            }
            QStringList descriptions;
            for (const QString& line : window.lstRecords->lines())
                descriptions.append(priceLineDescription(line));
            QCOMPARE(descriptions.mid(0, 3).join(u' ').toLower(),
                     QStringLiteral("acqua acqua acqua"));
            QCOMPARE(descriptions.mid(3),
                     (QStringList{QStringLiteral("Birra"), QStringLiteral("Àncora")}));
            click(window.btnAnnulla);
        });
    }

    void deleteNeedsASelectionAndCloseWithoutSavingKeepsTheFile() {
        const QByteArray stored =
            fileLine("Acqua", "1,00") + fileLine("Birra", "3,50") + fileLine("Caff\xE8", "1,20");
        t.writeProgramFile(QStringLiteral("Listino_Prezzi.lst"), stored);
        const int result = runPriceList([this, stored](TfrmListaPresc& window) {
            QCOMPARE(window.lstRecords->count(), 3);
            click(window.btnElimina);
            QCOMPARE(t.messages.size(), 1);
            QCOMPARE(t.messages[0].kind, MessageKind::Warning);
            QCOMPARE(t.messages[0].text,
                     QStringLiteral("Attenzione: selezionare dall'elenco la voce che si vuole "
                                    "eliminare prima di premere il pulsante di cancellazione."));
            QCOMPARE(window.lstRecords->count(), 3);

            clickLine(window.lstRecords, 1);
            click(window.btnElimina);
            QCOMPARE(t.messages.size(), 1);
            QCOMPARE(window.lstRecords->count(), 2);
            QVERIFY(!window.lstRecords->lines().join(u'\n').contains(QStringLiteral("Birra")));
            QCOMPARE(window.lstRecords->selectedLine(), std::nullopt);
            QCOMPARE(fileBytes(), stored); // nothing is written before "Salva e chiudi"
            click(window.btnAnnulla);
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(fileBytes(), stored);
    }

    // A file written by another program: any order, blanks after the price, an empty line.
    void fileIsShownSortedAndWrittenBackSorted_data() {
        QTest::addColumn<QByteArray>("bytes");
        const QStringList lines = {
            priceListLine(QStringLiteral("Zucchero"), QStringLiteral("0,50")),
            priceListLine(QStringLiteral("acqua minerale"), QStringLiteral("1,00")),
            QString(),
            priceListLine(QStringLiteral("Èrba cipollina"), QStringLiteral("2,00")),
            priceListLine(QStringLiteral("Acqua minerale"), QStringLiteral("1,00")),
            priceListLine(QStringLiteral("9 ingressi"), QStringLiteral("40,00")),
            priceListLine(QStringLiteral("10 ingressi"), QStringLiteral("42,00"))};
        const QString text = lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
        QByteArray windows1252;
        for (QChar c : text)
            windows1252 += c == QChar(0x20AC) ? '\x80' : char(c.unicode());
        QTest::newRow("Windows-1252") << windows1252;
        QTest::newRow("UTF-8 with its mark") << QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    }
    void fileIsShownSortedAndWrittenBackSorted() {
        QFETCH(QByteArray, bytes);
        t.writeProgramFile(QStringLiteral("Listino_Prezzi.lst"), bytes);
        const int result = runPriceList([](TfrmListaPresc& window) {
            QStringList descriptions;
            for (const QString& line : window.lstRecords->lines())
                descriptions.append(priceLineDescription(line));
            QCOMPARE(
                descriptions,
                (QStringList{QString(), QStringLiteral("10 ingressi"), QStringLiteral("9 ingressi"),
                             QStringLiteral("acqua minerale"), QStringLiteral("Acqua minerale"),
                             QStringLiteral("Zucchero"), QStringLiteral("Èrba cipollina")}));
            click(window.btnChiudi);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        // Read back trimmed: the blanks after the prices do not survive.
        QCOMPARE(fileBytes(),
                 QByteArray("\r\n") + trimmedLine("10 ingressi", "42,00") +
                     trimmedLine("9 ingressi", "40,00") + trimmedLine("acqua minerale", "1,00") +
                     trimmedLine("Acqua minerale", "1,00") + trimmedLine("Zucchero", "0,50") +
                     trimmedLine("\xC8rba cipollina", "2,00"));
    }

    // A line of megabytes shows its beginning at once and is written back whole.
    void hugeLineIsShownCutAndKeptWhole() {
        const QByteArray huge = "Quota sociale " + QByteArray(5 << 20, 'x');
        t.writeProgramFile(QStringLiteral("Listino_Prezzi.lst"),
                           "Corso di nuoto\r\n" + huge + "\r\n");
        const int result = runPriceList([&](TfrmListaPresc& window) {
            QCOMPARE(window.lstRecords->lines(),
                     (QStringList{QStringLiteral("Corso di nuoto"), QString::fromLatin1(huge)}));
            auto* delegate = qobject_cast<QStyledItemDelegate*>(window.lstRecords->itemDelegate());
            QVERIFY(delegate);
            const QString shown =
                delegate->displayText(window.lstRecords->item(1)->text(), QLocale());
            QCOMPARE(shown, QString::fromLatin1(huge.left(1000)) + u'…');
            click(window.btnChiudi);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(fileBytes(), "Corso di nuoto\r\n" + huge + "\r\n");
    }

    void failedSaveKeepsOldFileAndWindow() {
        const QByteArray stored = fileLine("Acqua", "1,00");
        t.writeProgramFile(QStringLiteral("Listino_Prezzi.lst"), stored);
        const int result = runPriceList([this, stored](TfrmListaPresc& window) {
            type(QStringLiteral("Birra"));
            click(window.btnTrova);
            {
                NoFileWrites diskFull;
                click(window.btnChiudi);
            }
            QCOMPARE(t.messages.size(), 1);
            QCOMPARE(t.messages[0].kind, MessageKind::Plain);
            QCOMPARE(t.messages[0].text,
                     QStringLiteral("Attenzione: il sistema non permette di aggiornare i "
                                    "dati.\n\r\n\rAccertarsi che il database non sia già aperto."));
            QVERIFY(window.isVisible());
            QCOMPARE(window.lstRecords->count(), 2);
            QCOMPARE(fileBytes(), stored);
            QCOMPARE(QDir(t.programFolder()).entryList(QDir::Files),
                     QStringList{QStringLiteral("Listino_Prezzi.lst")});

            click(window.btnChiudi); // the user tries again, with room on the disk
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(fileBytes(), trimmedLine("Acqua", "1,00") + fileLine("Birra", "0,00"));
    }

    void missingFileGivesAnEmptyListAndAFirstSaveCreatesIt() {
        const int result = runPriceList([this](TfrmListaPresc& window) {
            QCOMPARE(window.lstRecords->count(), 0);
            QVERIFY(t.messages.isEmpty());
            click(window.btnChiudi);
        });
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(fileBytes(), QByteArray());
    }

    void boxKeepsItsLinesSorted() {
        PriceListBox box(QStringLiteral("lstRecords"), 600, opener.get());
        QCOMPARE(box.objectName(), QStringLiteral("lstRecords"));
        QVERIFY(!box.reload()); // no file: nothing changes
        for (const char* line : {"Birra", "acqua", "Acqua", "10", "9", "Èrba"})
            box.addLine(QString::fromUtf8(line));
        const QStringList sorted = {QStringLiteral("10"),    QStringLiteral("9"),
                                    QStringLiteral("acqua"), QStringLiteral("Acqua"),
                                    QStringLiteral("Birra"), QStringLiteral("Èrba")};
        QCOMPARE(box.lines(), sorted);
        QCOMPARE(box.selectedLine(), std::nullopt);
        box.setCurrentRow(4);
        QCOMPARE(box.selectedLine(), QStringLiteral("Birra"));

        QVERIFY(QDir().mkdir(priceListPath())); // a folder in its place cannot be read
        QVERIFY(!box.reload());
        QCOMPARE(box.lines(), sorted);
        QVERIFY(QDir().rmdir(priceListPath()));

        t.writeProgramFile(QStringLiteral("Listino_Prezzi.lst"), "Vino\r\nAcqua\r\n");
        QVERIFY(box.reload());
        QCOMPARE(box.lines(), (QStringList{QStringLiteral("Acqua"), QStringLiteral("Vino")}));
        QCOMPARE(box.selectedLine(), std::nullopt);
    }

    // Short lines scroll across the line width the screen asked for, longer ones to their end.
    void boxScrollsAcrossItsLineWidth() {
        PriceListBox box(QStringLiteral("lstRecords"), 600, opener.get());
        box.resize(300, 150);
        const QString longLine =
            priceListLine(QStringLiteral("Corso di nuoto per adulti, dieci lezioni in vasca!"),
                          QStringLiteral("1234,5678"));
        box.addLine(QStringLiteral("Acqua"));
        opener->show();
        QVERIFY(QTest::qWaitForWindowExposed(opener.get()));
        const auto scrollWidth = [&box] {
            box.doItemsLayout();
            return box.horizontalScrollBar()->maximum() + box.viewport()->width();
        };
        QVERIFY(box.horizontalScrollBar()->isVisible());
        QVERIFY(box.verticalScrollBar()->isVisible());
        QVERIFY2(scrollWidth() >= 600, qPrintable(QString::number(scrollWidth())));
        box.addLine(longLine);
        const int longWidth = QFontMetrics(box.font()).horizontalAdvance(longLine);
        QVERIFY(longWidth > 600);
        QVERIFY2(scrollWidth() >= longWidth, qPrintable(QString::number(scrollWidth())));

        const QString family = QFontInfo(box.font()).family();
        QVERIFY2(family == QStringLiteral("Courier New") ||
                     family == QStringLiteral("Liberation Mono"),
                 qPrintable(family));
        QCOMPARE(box.font().pointSize(), 12);
        QCOMPARE(box.palette().color(QPalette::Text), QColor(Qt::black));
    }

    void windowAsDesigned() {
        runPriceList([](TfrmListaPresc& window) {
            QCOMPARE(window.windowTitle(), QStringLiteral(" Gestione listino prezzi"));
            QCOMPARE(window.minimumSize(), window.maximumSize());
            QVERIFY(window.btnStampa->isVisible());
            QVERIFY(window.btnStampa->isEnabled());
            QCOMPARE(window.btnStampa->text(), QStringLiteral("Stampa listino"));
            QCOMPARE(window.txtPrezzo->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
            checkTextsFit(&window);
            click(window.btnAnnulla);
        });
    }
};

QObject* newPriceListTests() {
    return new TestPriceList;
}

#include "tst_price_list.moc"
