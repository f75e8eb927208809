#include "program/ProgramScreens.h"
#include "program/guide/GuideChapters.h"
#include "program/guide/ScreenGrabs.h"
#include "program/guide/UserGuide.h"
#include "shell/GeneralHelpText.h"
#include "shell/ScreenKinds.h"
#include "shell/TfrmGuida.h"
#include "storage/ProgramFolder.h"
#include "tests/support/ScreenTest.h"
#include "tests/support/TestSeams.h"
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
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>
#include <stdexcept>

namespace {

// The guide as the build lays it out in the program folder, and the screens it grabbed.
const QString builtGuide = QString::fromUtf8(VELARNO_GUIDE_PDF);
const QString builtScreens = QString::fromUtf8(VELARNO_GUIDE_SCREENS);

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

// The page on which each chapter starts, as the table of contents gives it.
QList<int> chapterStartPages() {
    const QString contents = pageText(2, true);
    QList<int> pages;
    for (const GuideChapter& chapter : guideChapters()) {
        const QRegularExpression entry(QStringLiteral("^\\s*") +
                                           QRegularExpression::escape(chapter.title) +
                                           QStringLiteral("\\s+(\\d+)$"),
                                       QRegularExpression::MultilineOption);
        pages.append(entry.match(contents).captured(1).toInt());
    }
    return pages;
}

// The pictures of each page, as poppler lists them (their masks left out), in page order.
struct PdfPicture {
    int page;
    QSize size;
};
QList<PdfPicture> pdfPictures() {
    QList<PdfPicture> pictures;
    const QStringList lines =
        popplerOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list"), builtGuide})
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines) {
        const QStringList columns = line.simplified().split(QLatin1Char(' '));
        if (columns.size() > 4 && columns[2] == QStringLiteral("image"))
            pictures.append({columns[0].toInt(), QSize(columns[3].toInt(), columns[4].toInt())});
    }
    return pictures;
}

// The share of pixels that differ between two pictures of the same size.
double differingShare(const QImage& a, const QImage& b) {
    const QImage first = a.convertToFormat(QImage::Format_RGB32);
    const QImage second = b.convertToFormat(QImage::Format_RGB32);
    qint64 differing = 0;
    for (int y = 0; y < first.height(); ++y) {
        const auto* lineA = reinterpret_cast<const QRgb*>(first.constScanLine(y));
        const auto* lineB = reinterpret_cast<const QRgb*>(second.constScanLine(y));
        for (int x = 0; x < first.width(); ++x)
            differing += lineA[x] != lineB[x];
    }
    return double(differing) / (qint64(first.width()) * first.height());
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
        for (const QString& tool : {QStringLiteral("pdfinfo"), QStringLiteral("pdftotext"),
                                    QStringLiteral("pdfimages")}) {
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
        // pdftotext joins a word hyphenated at a line end ("e-" "mail" gives "email"), and
        // parts a date pattern broken after a slash ("gg/mm/" "aaaa" gives "gg/mm/ aaaa").
        const auto withoutHyphens = [](QString text) {
            return text.remove(QLatin1Char('-')).replace(QStringLiteral("/ "), QStringLiteral("/"));
        };
        const QString text = withoutHyphens(chaptersText());
        for (const GuideChapter& chapter : guideChapters()) {
            for (const QString& paragraph : paragraphsOf(chapter.text))
                QVERIFY2(text.contains(withoutHyphens(paragraph.simplified())),
                         qPrintable(paragraph));
        }
    }

    // The main menu's help window shows its own text, which the guide holds as a chapter, and
    // the window's link opens the guide that the build made.
    void mainMenuHelpLinksToTheGuide() {
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

        QCOMPARE(title, generalHelpTitle());
        QCOMPARE(text, generalHelpText().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        const QList<GuideChapter> chapters = guideChapters();
        QVERIFY(std::any_of(chapters.cbegin(), chapters.cend(), [](const GuideChapter& chapter) {
            return chapter.title == generalHelpTitle();
        }));
        QCOMPARE(t.shellTargets, QStringList{userGuideTarget()});
        QCOMPARE(urlForShellTarget(t.shellTargets.value(0)).toLocalFile(), builtGuide);
    }

    // Each chapter shows at least one screen, and the guide's pictures are exactly the screens
    // that the build grabbed, one per placement.
    void everyChapterShowsGrabbedScreens() {
        const QList<PdfPicture> pictures = pdfPictures();
        const QList<GuideChapter> chapters = guideChapters();
        const QList<int> starts = chapterStartPages();
        QCOMPARE(starts.size(), chapters.size());
        QList<QSize> placed;
        for (int i = 0; i < chapters.size(); ++i) {
            const int end = i + 1 < starts.size() ? starts[i + 1] : pageCount() + 1;
            QList<QSize> inChapter;
            for (const PdfPicture& picture : pictures) {
                if (picture.page >= starts[i] && picture.page < end)
                    inChapter.append(picture.size);
            }
            QVERIFY2(!inChapter.isEmpty(), qPrintable(chapters[i].title));
            QCOMPARE(inChapter.size(), chapters[i].pictures.size());
            for (int k = 0; k < inChapter.size(); ++k) {
                const QImage grabbed(builtScreens + QLatin1Char('/') +
                                     chapters[i].pictures[k].name + QStringLiteral(".png"));
                QVERIFY2(!grabbed.isNull(), qPrintable(chapters[i].pictures[k].name));
                QCOMPARE(inChapter[k], grabbed.size());
            }
        }
    }

    // A caption never opens a page apart from its picture.
    void captionsShareThePageOfTheirPicture() {
        const int firstChapterPage = chapterStartPages().first();
        QList<int> pages;
        for (const PdfPicture& picture : pdfPictures()) {
            if (picture.page >= firstChapterPage)
                pages.append(picture.page);
        }
        QStringList captions;
        for (const GuideChapter& chapter : guideChapters()) {
            for (const GuidePicture& picture : chapter.pictures)
                captions.append(picture.caption);
        }
        QCOMPARE(pages.size(), captions.size());
        for (int i = 0; i < captions.size(); ++i)
            QVERIFY2(pageText(pages[i]).simplified().contains(captions[i]),
                     qPrintable(captions[i]));
    }

    // The saved grabs are what the current screens look like: grabbed again here, on a sample
    // association of its own, they match.
    void grabsAreTheCurrentScreens() {
        resetSeamsForTests(); // the grabs answer the screens' dialogs and messages themselves
        // The offscreen platform's word on the one real message box that the grabs show.
        QTest::ignoreMessage(QtWarningMsg, "This plugin does not support propagateSizeHints()");
        QTemporaryDir sample;
        const ScreenPictures pictures = grabScreens(sample.path());
        // Every grab has its place in a chapter, and every placed picture is grabbed.
        QStringList grabbed = pictures.keys();
        QStringList placed;
        for (const GuideChapter& chapter : guideChapters()) {
            for (const GuidePicture& picture : chapter.pictures)
                placed.append(picture.name);
        }
        grabbed.sort();
        placed.sort();
        placed.removeDuplicates();
        QCOMPARE(grabbed, placed);
        for (auto picture = pictures.cbegin(); picture != pictures.cend(); ++picture) {
            const QImage built(builtScreens + QLatin1Char('/') + picture.key() +
                               QStringLiteral(".png"));
            QCOMPARE(built.size(), picture->size());
            // A text cursor may blink between two grabs; nothing more may differ.
            QVERIFY2(differingShare(built, *picture) < 0.002, qPrintable(picture.key()));
        }
    }

    // On paper no sentence points at "this window" without saying which one.
    void chaptersNameTheWindowsTheyMean() {
        for (const GuideChapter& chapter : guideChapters()) {
            for (const QString& pointer :
                 {QStringLiteral("questa finestra"), QStringLiteral("questa guida"),
                  QStringLiteral("questa schermata")})
                QVERIFY2(!chapter.text.contains(pointer, Qt::CaseInsensitive),
                         qPrintable(chapter.title + QStringLiteral(": ") + pointer));
        }
    }

    void rewordingForPaperNeedsThePhrase() {
        const QString help = QStringLiteral("Si apre da questa finestra.\r\n\r\n");
        QCOMPARE(helpTextForPaper(help, {{QStringLiteral("questa finestra"),
                                          QStringLiteral("la finestra Soci")}}),
                 QStringLiteral("Si apre da la finestra Soci.\r\n\r\n"));
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 helpTextForPaper(help, {{QStringLiteral("quella finestra"),
                                                          QStringLiteral("la finestra Soci")}}));
    }

    // A chapter takes one paragraph of a help text by a phrase that only that paragraph holds.
    void helpParagraphIsFoundByItsPhrase() {
        const QString help = QStringLiteral("Le quote dei soci.\r\n\r\nLa marca da bollo.\r\n\r\n"
                                            "Il bollo e il totale.\r\n\r\n");
        QCOMPARE(helpParagraphAbout(help, QStringLiteral("quote")),
                 QStringLiteral("Le quote dei soci.\r\n\r\n"));
        QCOMPARE(helpParagraphAbout(help, QStringLiteral("totale")),
                 QStringLiteral("Il bollo e il totale.\r\n\r\n"));
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 helpParagraphAbout(help, QStringLiteral("bollo")));
        QVERIFY_THROWS_EXCEPTION(std::logic_error,
                                 helpParagraphAbout(help, QStringLiteral("ricevute")));
    }

    void picturesGoAfterTheirParagraphWithACaption() {
        QImage screen(400, 200, QImage::Format_RGB32);
        screen.fill(Qt::white);
        const GuideChapter chapter{QStringLiteral("Capitolo"),
                                   QStringLiteral("Primo.\r\n\r\nSecondo.\r\n\r\n"),
                                   {{QStringLiteral("prova"), QStringLiteral("Una <prova>."), 0}}};
        const QString html = chapterBodyHtml(chapter, {{QStringLiteral("prova"), screen}});
        const qsizetype picture = html.indexOf(QStringLiteral("src=\"schermata:prova\""));
        QVERIFY(html.indexOf(QStringLiteral("Primo.")) < picture);
        QVERIFY(picture < html.indexOf(QStringLiteral("Secondo.")));
        QVERIFY(html.contains(QStringLiteral("Una &lt;prova&gt;.")));
        QVERIFY(html.contains(QStringLiteral("width=\"220\" height=\"110\"")));

        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, chapterBodyHtml(chapter, {}));
        GuideChapter misplaced = chapter;
        misplaced.pictures[0].afterParagraph = 2;
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 chapterBodyHtml(misplaced, {{QStringLiteral("prova"), screen}}));
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
