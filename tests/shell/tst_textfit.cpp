#include "shell/Fonts.h"
#include "shell/GeneralHelpText.h"
#include "shell/ScreenFlow.h"
#include "shell/TfrmAvvio.h"
#include "shell/TfrmCalendario.h"
#include "shell/TfrmCambiaPassword.h"
#include "shell/TfrmGuida.h"
#include "shell/TfrmInfo.h"
#include "shell/TfrmPassword.h"
#include "shell/TfrmSplash.h"
#include "tests/shell/ShellTests.h"
#include "tests/support/ScreenTest.h"
#include "tests/support/TextFit.h"

#include <QFontInfo>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <functional>

namespace {

using MakeWindow = std::function<QWidget*(ScreenFlow&, QWidget* opener)>;

template <class T> MakeWindow screen() {
    return [](ScreenFlow& flow, QWidget*) -> QWidget* { return new T(flow); };
}
template <class T> MakeWindow dialog() {
    return [](ScreenFlow&, QWidget* opener) -> QWidget* { return new T(opener); };
}

} // namespace

Q_DECLARE_METATYPE(MakeWindow)

class TestTextFit : public QObject {
    Q_OBJECT
    ScreenTest t;

private Q_SLOTS:
    void init() { t.setUpSeams(); }
    void cleanup() { t.tearDownSeams(); }

    // The fonts the layouts are sized for really resolve on this system.
    void screenFontsResolve_data() {
        QTest::addColumn<QFont>("font");
        QTest::addColumn<QString>("linuxFamily");
        QTest::newRow("caption") << Fonts::caption() << QStringLiteral("DejaVu Sans");
        QTest::newRow("hint line") << Fonts::hintLine() << QStringLiteral("Tahoma");
        QTest::newRow("help title") << Fonts::helpTitle() << QStringLiteral("Liberation Sans");
        QTest::newRow("list line") << Fonts::listLine() << QStringLiteral("Liberation Mono");
    }
    void screenFontsResolve() {
        QFETCH(QFont, font);
        QFETCH(QString, linuxFamily);
        const QString resolved = QFontInfo(font).family();
        QVERIFY2(resolved == font.families().constFirst() || resolved == linuxFamily,
                 qPrintable(resolved));
    }

    // One row per screen or dialog of the shell.
    void textsFitTheirControls_data() {
        QTest::addColumn<MakeWindow>("make");
        QTest::newRow("login") << screen<TfrmPassword>();
        QTest::newRow("change password") << screen<TfrmCambiaPassword>();
        QTest::newRow("main menu") << screen<TfrmAvvio>();
        QTest::newRow("help") << dialog<TfrmGuida>();
        QTest::newRow("general help") << MakeWindow([](ScreenFlow&, QWidget* opener) {
            auto* help = new TfrmGuida(opener);
            help->setTopic(QStringLiteral("Uno sguardo a Velarno."), generalHelpText());
            return static_cast<QWidget*>(help);
        });
        QTest::newRow("information") << dialog<TfrmInfo>();
        QTest::newRow("splash") << dialog<TfrmSplash>();
        QTest::newRow("date picker") << dialog<TfrmCalendario>();
    }
    void textsFitTheirControls() {
        QFETCH(MakeWindow, make);
        ScreenFlow flow;
        QWidget opener;
        const std::unique_ptr<QWidget> window(make(flow, &opener));
        window->show(); // a compact screen lays out its panel when first shown
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        checkTextsFit(window.get());
    }

    // The check itself catches a cut caption, a cut button text, a caption running past its
    // window's edge and a wrapped text taller than its label; pictures and fitting texts pass.
    void cutTextsAreFound() {
        QWidget window;
        window.resize(300, 200);
        const auto place = [&window](QWidget* control, const char* name, const QRect& where) {
            control->setParent(&window);
            control->setObjectName(QString::fromLatin1(name));
            control->setGeometry(where);
        };
        const QString caption = QStringLiteral("Conferma nuova password:");
        place(new QLabel(QStringLiteral("Conferma")), "fits", QRect(10, 10, 200, 24));
        place(new QLabel(caption), "cut", QRect(10, 40, 60, 24));
        place(new QLabel(caption), "pastEdge", QRect(250, 70, 400, 24));
        auto* wrapped = new QLabel(QStringLiteral("una riga, poi una seconda, poi una terza"));
        wrapped->setWordWrap(true);
        place(wrapped, "wrapped", QRect(10, 100, 80, 20));
        place(new QPushButton(QStringLiteral("Cambia password")), "button", QRect(10, 130, 60, 30));
        auto* picture = new QLabel;
        picture->setPixmap(QPixmap(400, 400));
        place(picture, "picture", QRect(0, 0, 10, 10));

        QStringList cutControls;
        for (const QString& misfit : textsThatDoNotFit(&window))
            cutControls.append(misfit.section(QLatin1Char(' '), 0, 0));
        cutControls.sort();
        QCOMPARE(cutControls, (QStringList{QStringLiteral("button"), QStringLiteral("cut"),
                                           QStringLiteral("pastEdge"), QStringLiteral("wrapped")}));
    }
};

QObject* newTextFitTests() {
    return new TestTextFit;
}

#include "tst_textfit.moc"
