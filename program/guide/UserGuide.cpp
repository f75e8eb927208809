#include "program/guide/UserGuide.h"

#include <QAbstractTextDocumentLayout>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextLayout>
#include <QUrl>
#include <stdexcept>

namespace {

// Page margins in millimetres; the footer sits in the bottom margin.
constexpr qreal kLeftMargin = 22;
constexpr qreal kTopMargin = 22;
constexpr qreal kRightMargin = 22;
constexpr qreal kBottomMargin = 26;
constexpr qreal kFooterTop = 12; // from the bottom edge of the page
constexpr qreal kFooterHeight = 6;
constexpr int kPictureSide = 768; // pixels: about 500 dpi for the title page's emblem
constexpr int kMaxLayoutPasses = 8;
constexpr int kTextWidth = 627;      // CSS pixels between the margins of an A4 page
constexpr qreal kScreenScale = 0.55; // a screen's pixel as a CSS pixel of the page
const QColor kFooterColour(0x5A, 0x6B, 0x7B);
const QColor kFooterRuleColour(0xBF, 0xD9, 0xEE);

QString chapterAnchor(int index) {
    return QStringLiteral("capitolo-%1").arg(index + 1);
}

// The text document measures its margins in CSS pixels, 1/96 of an inch.
qreal cssPixels(qreal millimetres) {
    return millimetres * 96 / 25.4;
}

// Replaces each {{name}} of the template in one pass, so a placeholder inside a filled part
// stays as it is.
QString fillTemplate(const QString& templateHtml, const QHash<QString, QString>& parts) {
    static const QRegularExpression placeholder(QStringLiteral("\\{\\{(\\w+)\\}\\}"));
    QString html;
    qsizetype copied = 0;
    QSet<QString> filled;
    for (auto matches = placeholder.globalMatch(templateHtml); matches.hasNext();) {
        const QRegularExpressionMatch match = matches.next();
        const auto part = parts.constFind(match.captured(1));
        if (part == parts.cend())
            continue;
        html += QStringView(templateHtml).mid(copied, match.capturedStart() - copied);
        html += *part;
        copied = match.capturedEnd();
        filled.insert(part.key());
    }
    html += QStringView(templateHtml).mid(copied);
    for (auto part = parts.cbegin(); part != parts.cend(); ++part) {
        if (!filled.contains(part.key()))
            throw std::invalid_argument("the guide template has no {{" + part.key().toStdString() +
                                        "}}");
    }
    return html;
}

QString tableOfContentsHtml(const QList<GuideChapter>& chapters, const QList<int>& pages) {
    QString rows;
    for (int i = 0; i < chapters.size(); ++i) {
        rows += QStringLiteral("<tr><td class=\"voce\">%1</td>"
                               "<td class=\"pagina\" align=\"right\">%2</td></tr>\n")
                    .arg(chapters[i].title.toHtmlEscaped())
                    .arg(pages[i]);
    }
    return rows;
}

QString chaptersHtml(const QList<GuideChapter>& chapters, const ScreenPictures& screens,
                     const QSet<QString>& picturesOnNewPage) {
    QString html;
    for (int i = 0; i < chapters.size(); ++i) {
        html += QStringLiteral("<h1><a name=\"%1\">%2</a></h1>\n")
                    .arg(chapterAnchor(i), chapters[i].title.toHtmlEscaped());
        html += chapterBodyHtml(chapters[i], screens, picturesOnNewPage);
    }
    return html;
}

// Small windows keep a size close to the screen's; large ones fill the width of the text.
QString pictureHtml(const GuidePicture& picture, const QImage& image, bool onNewPage) {
    const int width = qMin(kTextWidth, qRound(image.width() * kScreenScale));
    const int height = qRound(qreal(image.height()) * width / image.width());
    return QStringLiteral("<p class=\"schermata\" align=\"center\"%5>"
                          "<img src=\"schermata:%1\" width=\"%2\" height=\"%3\"></p>\n"
                          "<p class=\"didascalia\" align=\"center\">%4</p>\n")
        .arg(picture.name.toHtmlEscaped())
        .arg(width)
        .arg(height)
        .arg(picture.caption.toHtmlEscaped(),
             onNewPage ? QStringLiteral(" style=\"page-break-before: always\"") : QString());
}

// The grabbed screen that the block shows, if any.
QString screenOfBlock(const QTextBlock& block) {
    const QString scheme = QStringLiteral("schermata:");
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
        const QTextCharFormat format = fragment.fragment().charFormat();
        if (format.isImageFormat() && format.toImageFormat().name().startsWith(scheme))
            return format.toImageFormat().name().mid(scheme.size());
    }
    return {};
}

// The chapter whose heading the block is, or -1.
int chapterOfBlock(const QTextBlock& block) {
    static const QRegularExpression anchor(QStringLiteral("^capitolo-(\\d+)$"));
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
        const QStringList names = fragment.fragment().charFormat().anchorNames();
        for (const QString& name : names) {
            const QRegularExpressionMatch match = anchor.match(name);
            if (match.hasMatch())
                return match.captured(1).toInt() - 1;
        }
    }
    return -1;
}

QImage drawnPicture(const QString& svgFile) {
    QSvgRenderer picture(svgFile);
    if (!picture.isValid())
        return {};
    QImage image(picture.defaultSize().scaled(kPictureSide, kPictureSide, Qt::KeepAspectRatio),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    picture.render(&painter);
    return image;
}

} // namespace

QVariant GuideTextDocument::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::ImageResource && name.scheme() == QStringLiteral("schermata"))
        return screens.value(name.path());
    if (type == QTextDocument::ImageResource && name.path().endsWith(QStringLiteral(".svg"))) {
        const QString file = name.scheme() == QStringLiteral("qrc") ? QLatin1Char(':') + name.path()
                                                                    : name.toLocalFile();
        const QImage image = drawnPicture(file);
        if (!image.isNull())
            return image;
    }
    return QTextDocument::loadResource(type, name);
}

QString helpTextHtml(const QString& helpText) {
    QString html;
    const QStringList paragraphs = helpText.split(QStringLiteral("\r\n\r\n"));
    for (const QString& paragraph : paragraphs) {
        if (paragraph.trimmed().isEmpty())
            continue;
        html += QStringLiteral("<p>") +
                paragraph.toHtmlEscaped().replace(QStringLiteral("\r\n"), QStringLiteral("<br>")) +
                QStringLiteral("</p>\n");
    }
    return html;
}

QString chapterBodyHtml(const GuideChapter& chapter, const ScreenPictures& screens,
                        const QSet<QString>& picturesOnNewPage) {
    const QStringList paragraphs =
        helpTextHtml(chapter.text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const GuidePicture& picture : chapter.pictures) {
        if (picture.afterParagraph < 0 || picture.afterParagraph >= paragraphs.size())
            throw std::invalid_argument("the picture " + picture.name.toStdString() +
                                        " follows a paragraph that its chapter lacks");
    }
    QString html;
    for (int i = 0; i < paragraphs.size(); ++i) {
        html += paragraphs[i] + QLatin1Char('\n');
        for (const GuidePicture& picture : chapter.pictures) {
            if (picture.afterParagraph != i)
                continue;
            const auto image = screens.constFind(picture.name);
            if (image == screens.cend() || image->isNull())
                throw std::invalid_argument("no picture of the screen " +
                                            picture.name.toStdString());
            html += pictureHtml(picture, *image, picturesOnNewPage.contains(picture.name));
        }
    }
    return html;
}

UserGuide::UserGuide(const QString& templateHtml, const QList<GuideChapter>& chapters,
                     QPdfWriter& writer, const ScreenPictures& screens)
    : templateHtml_(templateHtml), chapters_(chapters), writer_(writer) {
    document_.screens = screens;
    writer_.setPageSize(QPageSize(QPageSize::A4));
    writer_.setPageMargins(QMarginsF());
    document_.documentLayout()->setPaintDevice(&writer_);
    document_.setPageSize(QSizeF(writer_.width(), writer_.height()));

    // The table of contents shows pages known only once the chapters are laid out; its own
    // length does not depend on them, so the second pass normally settles. A picture whose
    // caption would open the next page goes over to that page with it, which moves what follows.
    QList<int> pages(chapters_.size(), 0);
    for (int pass = 1;; ++pass) {
        layOut(pages);
        const QList<int> laidOut = pagesOfChapters();
        const QSet<QString> apart = picturesApartFromCaptions();
        if (laidOut == pages && apart.isEmpty())
            break;
        if (pass == kMaxLayoutPasses)
            throw std::runtime_error("the pages of the guide do not settle");
        pages = laidOut;
        picturesOnNewPage_ += apart;
    }
    chapterPages_ = pages;
    writer_.setTitle(document_.metaInformation(QTextDocument::DocumentTitle));
    writer_.setCreator(QStringLiteral("Velarno"));
}

void UserGuide::layOut(const QList<int>& pages) {
    document_.setHtml(fillTemplate(
        templateHtml_, {{QStringLiteral("indice"), tableOfContentsHtml(chapters_, pages)},
                        {QStringLiteral("capitoli"),
                         chaptersHtml(chapters_, document_.screens, picturesOnNewPage_)}}));
    QTextFrameFormat page = document_.rootFrame()->frameFormat();
    page.setLeftMargin(cssPixels(kLeftMargin));
    page.setTopMargin(cssPixels(kTopMargin));
    page.setRightMargin(cssPixels(kRightMargin));
    page.setBottomMargin(cssPixels(kBottomMargin));
    document_.rootFrame()->setFrameFormat(page);
}

QList<int> UserGuide::pagesOfChapters() const {
    QList<int> pages(chapters_.size(), 0);
    const qreal pageHeight = document_.pageSize().height();
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
        const int chapter = chapterOfBlock(block);
        if (chapter >= 0 && chapter < pages.size()) {
            const qreal top = document_.documentLayout()->blockBoundingRect(block).top();
            pages[chapter] = int(top / pageHeight) + 1;
        }
    }
    return pages;
}

QSet<QString> UserGuide::picturesApartFromCaptions() const {
    const qreal pageHeight = document_.pageSize().height();
    // A line that does not fit is moved down inside its block, so each line tells its own page.
    const auto pageOfLine = [&](const QTextBlock& block, int line) {
        document_.documentLayout()->blockBoundingRect(block); // lays the block out
        const QTextLine shown = block.layout()->lineAt(line);
        return int((block.layout()->position().y() + shown.y() + shown.height() / 2) / pageHeight);
    };
    QSet<QString> apart;
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
        const QString screen = screenOfBlock(block);
        const QTextBlock caption = block.next();
        if (screen.isEmpty() || !caption.isValid())
            continue;
        document_.documentLayout()->blockBoundingRect(caption);
        const int lastLine = caption.layout()->lineCount() - 1;
        if (lastLine >= 0 && pageOfLine(block, 0) != pageOfLine(caption, lastLine))
            apart.insert(screen);
    }
    return apart;
}

void UserGuide::print() {
    QPainter painter(&writer_);
    if (!painter.isActive())
        throw std::runtime_error("the PDF of the guide cannot be written");
    for (int page = 1; page <= document_.pageCount(); ++page) {
        if (page > 1)
            writer_.newPage();
        paintPage(painter, page);
    }
}

void UserGuide::paintPage(QPainter& painter, int page) {
    const QSizeF size = document_.pageSize();
    const QRectF area(QPointF(0, (page - 1) * size.height()), size);
    painter.save();
    painter.translate(0, -area.top());
    painter.setClipRect(area);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = area;
    document_.documentLayout()->draw(&painter, context);
    painter.restore();
    if (page > 1)
        paintFooter(painter, page);
}

// The title of the guide on the left and the page number on the right, under a thin rule.
void UserGuide::paintFooter(QPainter& painter, int page) const {
    const qreal dotsPerMm = writer_.resolution() / 25.4;
    const QRectF footer(kLeftMargin * dotsPerMm, writer_.height() - kFooterTop * dotsPerMm,
                        writer_.width() - (kLeftMargin + kRightMargin) * dotsPerMm,
                        kFooterHeight * dotsPerMm);
    painter.save();
    painter.setPen(QPen(kFooterRuleColour, 0.3 * dotsPerMm));
    painter.drawLine(footer.topLeft(), footer.topRight());
    QFont font = document_.begin().charFormat().font();
    font.setPointSizeF(9);
    font.setBold(false);
    painter.setFont(font);
    painter.setPen(kFooterColour);
    painter.drawText(footer, Qt::AlignLeft | Qt::AlignBottom,
                     document_.metaInformation(QTextDocument::DocumentTitle));
    painter.drawText(footer, Qt::AlignRight | Qt::AlignBottom, QString::number(page));
    painter.restore();
}

void writeUserGuide(const QString& templateHtml, const QList<GuideChapter>& chapters,
                    const ScreenPictures& screens, const QString& pdfPath) {
    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error(pdfPath.toStdString() + ": " + file.errorString().toStdString());
    {
        QPdfWriter writer(&file);
        UserGuide guide(templateHtml, chapters, writer, screens);
        guide.print();
    }
    if (!file.commit())
        throw std::runtime_error(pdfPath.toStdString() + ": " + file.errorString().toStdString());
}
