#include "shell/Controls.h"
#include "shell/EditBoxes.h"
#include "shell/Fonts.h"
#include "shell/HintLine.h"
#include "shell/ScreenFlow.h"
#include "shell/ScreenKinds.h"
#include "shell/TextLink.h"
#include "tests/shell/ShellTests.h"
#include "tests/support/ScreenTest.h"
#include "ui/Picture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// A screen with one control of every kind that the common rules deal with.
class SampleScreen : public PersistentScreen {
public:
    explicit SampleScreen(ScreenFlow& flow)
        : PersistentScreen(flow, QStringLiteral("TfrmSample"), QStringLiteral(" Prova"),
                           Kind::Maximized) {
        QWidget* panel = container();
        hints = addHintLine(this, QStringLiteral("Pronto..."));
        btnSalva = addButton(panel, QStringLiteral("btnSalva"), QStringLiteral("Salva"),
                             QRect(20, 20, 100, 30));
        hints->addHint(btnSalva, QStringLiteral("Archivia la scheda."));
        chkFlag = new QCheckBox(QStringLiteral("Da saldare"), panel);
        chkFlag->setGeometry(20, 60, 150, 30);
        lblCaption = addLabel(panel, QStringLiteral("lblCaption"), QStringLiteral("Nome:"),
                              QRect(20, 100, 100, 30));
        decoration =
            new Picture(QStringLiteral("shpCornice"), QStringLiteral(":/pictures/info.svg"), panel);
        decoration->setGeometry(600, 20, 48, 48);
        hints->addBackground(decoration);
        txtNome = addEditBox(panel, QStringLiteral("txtNome"), QRect(140, 100, 200, 30),
                             Fonts::dataField());
        txtCap = addEditBox(panel, QStringLiteral("txtCap"), QRect(140, 140, 200, 30),
                            Fonts::dataField());
        txtImporto = addEditBox(panel, QStringLiteral("txtImporto"), QRect(140, 180, 200, 30),
                                Fonts::dataField());
        txtCodFisc = addEditBox(panel, QStringLiteral("txtCodFisc"), QRect(140, 220, 200, 30),
                                Fonts::dataField());
        txtData = addEditBox(panel, QStringLiteral("txtData"), QRect(140, 260, 200, 30),
                             Fonts::dataField());
        txtTinted = addEditBox(panel, QStringLiteral("txtTinted"), QRect(140, 300, 200, 30),
                               Fonts::dataField());
        lnkWeb = addLabel(panel, QStringLiteral("lnkWeb"), QStringLiteral("Sito"),
                          QRect(20, 340, 100, 30));
        addFocusFrame(txtNome);
        filterKeys(txtCap, KeyFilter::DigitsOnly);
        filterKeys(txtImporto, KeyFilter::Amount);
        rewriteWhileTyping(txtCodFisc, Rewrite::UpperTrimmed);
        makeDateBox(txtData, [this] { ++pickerOpenings; });
        addFocusTint(txtTinted);
        btnFocus = addFocusSink(panel);
        makeTextLink(lnkWeb, decoration, [this] { ++linkClicks; });
        chainEnter({txtNome, txtCap, txtImporto}, EnterOrder::Chain);
    }

    HintLine* hints;
    QPushButton* btnSalva;
    QCheckBox* chkFlag;
    QLabel* lblCaption;
    Picture* decoration;
    QLineEdit *txtNome, *txtCap, *txtImporto, *txtCodFisc, *txtData, *txtTinted;
    QLabel* lnkWeb;
    QPushButton* btnFocus;
    int pickerOpenings = 0;
    int linkClicks = 0;
};

QPoint centreIn(QWidget* screen, QWidget* control) {
    return control->mapTo(screen, control->rect().center());
}

QColor colourAtCentre(QWidget* box) {
    return box->grab().toImage().pixelColor(box->width() / 2, box->height() - 4);
}

} // namespace

class TestBehaviour : public QObject {
    Q_OBJECT
    ScreenTest t;
    ScreenFlow flow;
    std::unique_ptr<SampleScreen> screen;
    QLabel* panInfo = nullptr;

    void moveOver(QWidget* target) {
        QTest::mouseMove(screen->windowHandle(), centreIn(screen.get(), target));
    }

private Q_SLOTS:
    void init() {
        t.setUpSeams();
        screen = std::make_unique<SampleScreen>(flow);
        screen->showScreen();
        QVERIFY(QTest::qWaitForWindowActive(screen.get()));
        panInfo = control<QLabel>(screen.get(), QStringLiteral("panInfo"));
    }
    void cleanup() {
        t.tearDownSeams();
        screen.reset();
    }

    void hintLineFollowsTheMouse() {
        QCOMPARE(panInfo->text(), QStringLiteral("Pronto..."));
        moveOver(screen->btnSalva);
        QCOMPARE(panInfo->text(), QStringLiteral("Archivia la scheda."));
        moveOver(screen->txtNome); // edit boxes leave the line as it is
        QCOMPARE(panInfo->text(), QStringLiteral("Archivia la scheda."));
        moveOver(screen->chkFlag); // a control without a hint leaves it as well
        QCOMPARE(panInfo->text(), QStringLiteral("Archivia la scheda."));
        moveOver(screen->lblCaption); // a plain label is background
        QCOMPARE(panInfo->text(), QString());
        moveOver(screen->btnSalva);
        QCOMPARE(panInfo->text(), QStringLiteral("Archivia la scheda."));
        moveOver(screen->decoration);
        QCOMPARE(panInfo->text(), QString());
        moveOver(screen->btnSalva);
        moveOver(panInfo); // the line itself is a control, not background
        QCOMPARE(panInfo->text(), QStringLiteral("Archivia la scheda."));
    }

    // Only a real move counts: a mouse resting where the screen appears keeps the initial
    // text, and its first move, even within the same background, clears it.
    void firstMoveOverTheBackgroundClearsTheInitialText() {
        const QPoint background = screen->container()->mapTo(screen.get(), QPoint(700, 450));
        QCOMPARE(panInfo->text(), QStringLiteral("Pronto..."));
        QTest::mouseMove(screen->windowHandle(), background);
        QCOMPARE(panInfo->text(), QString());

        SampleScreen another(flow);
        another.showScreen();
        QVERIFY(QTest::qWaitForWindowExposed(&another));
        auto* line = control<QLabel>(&another, QStringLiteral("panInfo"));
        QCOMPARE(line->text(), QStringLiteral("Pronto..."));
        QTest::mouseMove(another.windowHandle(), background + QPoint(2, 2));
        QCOMPARE(line->text(), QString());
    }

    void hintLineWatchesControlsMadeLater() {
        auto* later = new QPushButton(QStringLiteral("Nuovo"), screen->container());
        later->setGeometry(700, 300, 100, 30);
        later->show();
        screen->hints->addHint(later, QStringLiteral("Prepara una nuova scheda."));
        moveOver(later);
        QCOMPARE(panInfo->text(), QStringLiteral("Prepara una nuova scheda."));
    }

    // Whatever the order of the calls, Enter runs first, then the date box, then the filter.
    void boxRulesApplyInAFixedOrder() {
        QWidget panel;
        auto* dateFirst = new QLineEdit(&panel);
        auto* filterFirst = new QLineEdit(&panel);
        int pickerOpenings = 0;
        int enters = 0;
        makeDateBox(dateFirst, [&] { ++pickerOpenings; });
        filterKeys(dateFirst, KeyFilter::DigitsOnly);
        onEnter(dateFirst, [&] { ++enters; });
        onEnter(filterFirst, [&] { ++enters; });
        filterKeys(filterFirst, KeyFilter::DigitsOnly);
        makeDateBox(filterFirst, [&] { ++pickerOpenings; });
        for (QLineEdit* box : {dateFirst, filterFirst}) {
            QTest::keyClick(box, Qt::Key_Return);
            QTest::keyClick(box, Qt::Key_5);
            QTest::keyClick(box, Qt::Key_A);
        }
        QCOMPARE(enters, 2);
        QCOMPARE(pickerOpenings, 4);
        QCOMPARE(dateFirst->text(), QString());
        QCOMPARE(filterFirst->text(), QString());
    }

    void keyFiltersKeepOnlyAcceptedKeys_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("digits only")
            << QStringLiteral("txtCap") << QStringLiteral("1.2-a 3,4") << QStringLiteral("1234");
        QTest::newRow("amount keeps every comma")
            << QStringLiteral("txtImporto") << QStringLiteral("1.2-a 3,4,")
            << QStringLiteral("123,4,");
    }
    void keyFiltersKeepOnlyAcceptedKeys() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        auto* edit = control<QLineEdit>(screen.get(), box);
        typeText(edit, typed);
        QCOMPARE(edit->text(), kept);
        QTest::keyClick(edit, Qt::Key_Left);
        QTest::keyClick(edit, Qt::Key_Left);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Right);
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(edit->text().size(), kept.size() - 2);
    }

    void enterRunsBeforeTheFilter() {
        screen->txtCap->setFocus();
        QTest::keyClick(screen->txtCap, Qt::Key_Return);
        QVERIFY(screen->txtImporto->hasFocus());
        QTest::keyClick(screen->txtImporto, Qt::Key_Return); // end of a chain: nowhere to go
        QVERIFY(screen->txtImporto->hasFocus());
    }

    void codesAreRewrittenWhileTyping() {
        typeText(screen->txtCodFisc, QStringLiteral(" rssmra80à "));
        QCOMPARE(screen->txtCodFisc->text(), QStringLiteral("RSSMRA80à"));
    }

    void dateBoxOpensPickerInsteadOfTyping() {
        screen->txtData->setText(QStringLiteral("01/02/2026"));
        for (auto key : {Qt::Key_A, Qt::Key_5, Qt::Key_Return})
            QTest::keyClick(screen->txtData, key);
        QCOMPARE(screen->pickerOpenings, 3);
        QCOMPARE(screen->txtData->text(), QStringLiteral("01/02/2026"));
        QTest::keyClick(screen->txtData, Qt::Key_Backspace);
        QCOMPARE(screen->txtData->text(), QString());
        screen->txtData->setText(QStringLiteral("01/02/2026"));
        QTest::keyClick(screen->txtData, Qt::Key_Delete);
        QCOMPARE(screen->txtData->text(), QString());
        QCOMPARE(screen->pickerOpenings, 3);
    }

    void focusFrameAndTintFollowTheFocus() {
        auto* frame = control<QWidget>(screen.get(), QStringLiteral("effNome"));
        QCOMPARE(frame->geometry(), screen->txtNome->geometry().adjusted(-4, -4, 4, 4));
        QVERIFY(!frame->isVisible());
        screen->txtNome->setFocus();
        QVERIFY(frame->isVisible());
        QCOMPARE(colourAtCentre(screen->txtTinted), QColor(0xF0, 0xF8, 0xFF));
        screen->txtTinted->setFocus();
        QVERIFY(!frame->isVisible());
        QCOMPARE(colourAtCentre(screen->txtTinted), QColor(0xFF, 0xFF, 0x00));
        endEditing(screen->btnFocus);
        QCOMPARE(colourAtCentre(screen->txtTinted), QColor(0xF0, 0xF8, 0xFF));
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("btnFocus"));
    }

    void textLinkTurnsOrangeWhilePressed() {
        const QColor darkBlue(0x00, 0x00, 0x8B);
        QCOMPARE(screen->lnkWeb->palette().color(QPalette::WindowText), darkBlue);
        QTest::mousePress(screen->lnkWeb, Qt::LeftButton);
        QCOMPARE(screen->lnkWeb->palette().color(QPalette::WindowText), QColor(0xFF, 0xA5, 0x00));
        QTest::mouseRelease(screen->lnkWeb, Qt::LeftButton);
        QCOMPARE(screen->lnkWeb->palette().color(QPalette::WindowText), darkBlue);
        QTest::mouseClick(screen->decoration, Qt::LeftButton);
        QCOMPARE(screen->linkClicks, 2);
    }

    void maximizedScreenCentresItsContainer() {
        QWidget* panel = screen->container();
        QCOMPARE(panel->size(), QSize(995, 692));
        QVERIFY(screen->isMaximized());
        const int freeWidth = qMax(0, screen->width() - panel->width());
        QCOMPARE(panel->x(), freeWidth / 2);
    }
};

QObject* newBehaviourTests() {
    return new TestBehaviour;
}

#include "tst_behaviour.moc"
