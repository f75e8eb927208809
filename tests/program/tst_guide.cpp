#include "program/ProgramScreens.h"
#include "program/guide/GuideChapters.h"
#include "program/guide/UserGuide.h"
#include "shell/ScreenKinds.h"
#include "shell/TfrmGuida.h"
#include "storage/ProgramFolder.h"
#include "tests/support/ScreenTest.h"
#include "ui/DialogRunner.h"
#include "ui/Picture.h"
#include "ui/Shell.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextCursor>
#include <stdexcept>

namespace {

// The guide as the build lays it out in the program folder.
const QString builtGuide = QString::fromUtf8(VELARNO_GUIDE_PDF);

// What a poppler tool prints about the built guide; a failing run fails the test.
QString popplerOutput(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    const bool ran = process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
                     process.exitCode() == 0;
    if (!ran) {
        QTest::qFail(qPrintable(tool + QStringLiteral(" failed: ") + process.errorString() +
                                QLatin1Char(' ') +
                                QString::fromLocal8Bit(process.readAllStandardError())),
                     __FILE__, __LINE__);
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pageText(int page, bool keepLayout = false) {
    QStringList arguments{QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                          QString::number(page)};
    if (keepLayout)
        arguments << QStringLiteral("-layout");
    return popplerOutput(QStringLiteral("pdftotext"),
                         arguments << builtGuide << QStringLiteral("-"));
}

QString pdfInfo() {
    return popplerOutput(QStringLiteral("pdfinfo"), {builtGuide});
}

int pageCount() {
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)$"),
                                          QRegularExpression::MultilineOption);
    return pages.match(pdfInfo()).captured(1).toInt();
}

QStringList paragraphsOf(const QString& helpText) {
    return helpText.split(QStringLiteral("\r\n\r\n"), Qt::SkipEmptyParts);
}

const QString kGuideTitle = QStringLiteral("Velarno - Guida all'utilizzo del software");

// The text of the chapters' pages, without the footers that interrupt a paragraph running
// onto the next page.
QString chaptersText() {
    QString text;
    for (int page = 3; page <= pageCount(); ++page) {
        const QString onePage = pageText(page);
        text += onePage.left(onePage.lastIndexOf(kGuideTitle)) + QLatin1Char(' ');
    }
    return text.simplified();
}

const QString kTestTemplate =
    QStringLiteral("<html><head><title>Prova</title>"
                   "<style>h1 { page-break-before: always; }</style></head><body><p>Indice</p>"
                   "<table>{{indice}}</table>{{capitoli}}</body></html>");

} // namespace

class TestGuide : public QObject {
    Q_OBJECT
    ScreenTest t;

private Q_SLOTS:
    void initTestCase() {
        for (const QString& tool : {QStringLiteral("pdfinfo"), QStringLiteral("pdftotext")}) {
            QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(),
                     qPrintable(tool + QStringLiteral(" is missing: scripts/setup installs it "
                                                      "with poppler-utils")));
        }
        QVERIFY2(QFileInfo::exists(builtGuide),
                 qPrintable(QStringLiteral("the build has not made ") + builtGuide));
    }
    void init() { t.setUpSeams(); }
    void cleanup() { t.tearDownSeams(); }

    void guideIsAnA4DocumentOfSeveralPages() {
        const QString info = pdfInfo();
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("^Page size:.*\\(A4\\)$"),
                                                  QRegularExpression::MultilineOption)),
                 qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("Title:           ") + kGuideTitle),
                 qPrintable(info));
        QVERIFY2(pageCount() > 2, qPrintable(info));
        const QString titlePage = pageText(1).simplified();
        QVERIFY2(titlePage.startsWith(QStringLiteral("Velarno Guida all'utilizzo del software")),
                 qPrintable(titlePage));
    }

    // Each chapter is listed with the page on which it really starts.
    void tableOfContentsGivesTheChapterPages() {
        const QString contents = pageText(2, true);
        QVERIFY2(contents.trimmed().startsWith(QStringLiteral("Indice")), qPrintable(contents));
        int previousPage = 2;
        for (const GuideChapter& chapter : guideChapters()) {
            const QRegularExpression entry(QStringLiteral("^\\s*") +
                                               QRegularExpression::escape(chapter.title) +
                                               QStringLiteral("\\s+(\\d+)$"),
                                           QRegularExpression::MultilineOption);
            const QRegularExpressionMatch match = entry.match(contents);
            QVERIFY2(match.hasMatch(), qPrintable(chapter.title + QStringLiteral(" not listed")));
            const int page = match.captured(1).toInt();
            QVERIFY(page > previousPage);
            const QString chapterPage = pageText(page);
            QVERIFY2(chapterPage.startsWith(chapter.title + QLatin1Char('\n')),
                     qPrintable(chapterPage.left(200)));
            previousPage = page;
        }
    }

    void chaptersHoldTheWholeHelpTexts() {
        // pdftotext joins a word hyphenated at a line end ("e-" "mail" gives "email").
        const auto withoutHyphens = [](QString text) { return text.remove(QLatin1Char('-')); };
        const QString text = withoutHyphens(chaptersText());
        for (const GuideChapter& chapter : guideChapters()) {
            for (const QString& paragraph : paragraphsOf(chapter.text))
                QVERIFY2(text.contains(withoutHyphens(paragraph.simplified())),
                         qPrintable(paragraph));
        }
    }

    // The guide's first chapter is what the main menu's help window shows, and the window's
    // link opens the guide that the build made.
    void mainMenuHelpIsTheFirstChapterAndLinksToTheGuide() {
        setProgramFolderForTests(QFileInfo(builtGuide).absolutePath());
        QCOMPARE(userGuideTarget(),
                 QLatin1Char('"') + QDir::toNativeSeparators(builtGuide) + QLatin1Char('"'));

        ProgramScreens screens([] {});
        screens.start();
        auto& login = screens.flow().screen<PersistentScreen>(Screen::Password);
        auto& mainMenu = screens.flow().screen<PersistentScreen>(Screen::Avvio);
        QVERIFY(QTest::qWaitForWindowExposed(&login));
        screens.flow().moveTo(Screen::Avvio, &login);
        QVERIFY(QTest::qWaitForWindowExposed(&mainMenu));

        QString title, text;
        setDialogDriverForTests([&](QDialog& dialog) {
            auto& help = dynamic_cast<TfrmGuida&>(dialog);
            title = help.lblTitolo->text();
            text = help.txtGuida->toPlainText();
            QTest::mouseClick(help.lnkWeb, Qt::LeftButton);
            QTest::mouseClick(help.btnChiudi, Qt::LeftButton);
        });
        QTest::mouseClick(control<Picture>(&mainMenu, QStringLiteral("imgGuida")), Qt::LeftButton);

        const GuideChapter first = guideChapters().value(0);
        QCOMPARE(title, first.title);
        QCOMPARE(text, QString(first.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(t.shellTargets, QStringList{userGuideTarget()});
        QCOMPARE(urlForShellTarget(t.shellTargets.value(0)).toLocalFile(), builtGuide);
    }

    void helpTextsShowLiterally() {
        const QList<GuideChapter> chapters{
            {QStringLiteral("Soci & <amici>"),
             QStringLiteral("Quota < 10 & più, \"sempre\".\r\n\r\nUna riga\r\n"
                            "e la seguente {{indice}}\r\n\r\n")},
            {QStringLiteral("Ricevute"), QStringLiteral("Testo.\r\n\r\n")},
        };
        QBuffer pdf;
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        QPdfWriter writer(&pdf);
        const UserGuide guide(kTestTemplate, chapters, writer);
        const QString text = guide.document().toPlainText();
        QCOMPARE(text.count(QStringLiteral("Soci & <amici>")), 2); // contents and heading
        QVERIFY2(text.contains(QStringLiteral("Quota < 10 & più, \"sempre\".\n")),
                 qPrintable(text));
        QCOMPARE(guide.document().find(QStringLiteral("Una riga")).block().text(),
                 QStringLiteral("Una riga\u2028e la seguente {{indice}}"));
    }

    // With the template's page breaks before each chapter, a chapter longer than a page
    // pushes the next one further on.
    void chapterPagesFollowTheLayout() {
        const QString longText =
            QStringLiteral("Un paragrafo che occupa una riga.\r\n\r\n").repeated(150);
        const QList<GuideChapter> chapters{
            {QStringLiteral("Primo"), QStringLiteral("Breve.\r\n\r\n")},
            {QStringLiteral("Secondo"), longText},
            {QStringLiteral("Terzo"), QStringLiteral("Breve.\r\n\r\n")},
        };
        QBuffer pdf;
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        QPdfWriter writer(&pdf);
        UserGuide guide(kTestTemplate, chapters, writer);
        const int pages = guide.document().pageCount();
        QVERIFY(pages > 4);
        QCOMPARE(guide.chapterPages(), (QList<int>{2, 3, pages}));
        QVERIFY(guide.document().toPlainText().contains(QStringLiteral("Terzo\n%1\n").arg(pages)));

        guide.print();
        QVERIFY(pdf.data().startsWith("%PDF"));
    }

    void templateWithoutPlaceholderIsRefused() {
        QBuffer pdf;
        QVERIFY(pdf.open(QIODevice::WriteOnly));
        QPdfWriter writer(&pdf);
        QVERIFY_THROWS_EXCEPTION(
            std::invalid_argument,
            UserGuide(QString(kTestTemplate).remove(QStringLiteral("{{capitoli}}")),
                      guideChapters(), writer));
    }
};

QTEST_MAIN(TestGuide)

#include "tst_guide.moc"
