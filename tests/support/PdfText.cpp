#include "tests/support/PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace {

constexpr qreal millimetresPerPoint = 25.4 / 72;

QByteArray runPoppler(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        QTest::qFail(qPrintable(program + QStringLiteral(" failed: ") +
                                QString::fromLocal8Bit(process.readAllStandardError())),
                     __FILE__, __LINE__);
        return {};
    }
    return process.readAllStandardOutput();
}

qreal millimetres(const QXmlStreamAttributes& attributes, const char* name) {
    return attributes.value(QLatin1String(name)).toDouble() * millimetresPerPoint;
}

bool sameLine(const PdfWord& a, const PdfWord& b) {
    return a.page == b.page && std::abs(a.box.center().y() - b.box.center().y()) < 0.5;
}

} // namespace

bool PdfInfo::isA4() const {
    const QSizeF portrait = isLandscape() ? pageSize.transposed() : pageSize;
    return std::abs(portrait.width() - 210) < 0.5 && std::abs(portrait.height() - 297) < 0.5;
}

PdfInfo readPdfInfo(const QString& pdfPath) {
    const QString output = QString::fromUtf8(runPoppler(QStringLiteral("pdfinfo"), {pdfPath}));
    PdfInfo info;
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"),
                                          QRegularExpression::MultilineOption);
    static const QRegularExpression size(QStringLiteral("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"),
                                         QRegularExpression::MultilineOption);
    if (const auto match = pages.match(output); match.hasMatch())
        info.pages = match.captured(1).toInt();
    if (const auto match = size.match(output); match.hasMatch())
        info.pageSize = QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) *
                        millimetresPerPoint;
    return info;
}

PdfText readPdfText(const QString& pdfPath) {
    QXmlStreamReader xml(runPoppler(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-bbox"), QStringLiteral("-enc"),
                                     QStringLiteral("UTF-8"), pdfPath, QStringLiteral("-")}));
    PdfText text;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == QLatin1String("page")) {
            text.pageSizes.append(
                QSizeF(millimetres(attributes, "width"), millimetres(attributes, "height")));
        } else if (xml.name() == QLatin1String("word")) {
            const QPointF topLeft(millimetres(attributes, "xMin"), millimetres(attributes, "yMin"));
            const QPointF bottomRight(millimetres(attributes, "xMax"),
                                      millimetres(attributes, "yMax"));
            text.words.append(
                {int(text.pageSizes.size()), xml.readElementText(), QRectF(topLeft, bottomRight)});
        }
    }
    if (xml.hasError())
        QTest::qFail(qPrintable(QStringLiteral("pdftotext output: ") + xml.errorString()), __FILE__,
                     __LINE__);
    return text;
}

QList<PdfWord> PdfText::find(const QString& phrase) const {
    const QStringList wanted = phrase.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<PdfWord> found;
    if (wanted.isEmpty())
        return found;
    for (const QList<PdfWord>& line : lines()) {
        for (qsizetype first = 0; first + wanted.size() <= line.size(); ++first) {
            PdfWord joined = line.at(first);
            bool matches = true;
            for (qsizetype i = 0; matches && i < wanted.size(); ++i) {
                matches = line.at(first + i).text == wanted.at(i);
                joined.box |= line.at(first + i).box;
            }
            if (matches) {
                joined.text = phrase;
                found.append(joined);
            }
        }
    }
    return found;
}

QList<QList<PdfWord>> PdfText::lines() const {
    QList<QList<PdfWord>> lines;
    for (const PdfWord& word : words) {
        const auto line = std::find_if(lines.begin(), lines.end(), [&word](const auto& line) {
            return sameLine(line.first(), word);
        });
        if (line == lines.end())
            lines.append({word});
        else
            line->append(word);
    }
    for (QList<PdfWord>& line : lines)
        std::sort(line.begin(), line.end(),
                  [](const PdfWord& a, const PdfWord& b) { return a.box.left() < b.box.left(); });
    return lines;
}

QString PdfText::pageText(int page) const {
    QStringList texts;
    for (const PdfWord& word : words)
        if (word.page == page)
            texts.append(word.text);
    return texts.join(QLatin1Char(' '));
}

QColor PdfPicture::pixelAt(qreal x, qreal y) const {
    const qreal dotsPerMillimetre = dotsPerInch / 25.4;
    return image.pixelColor(qFloor(x * dotsPerMillimetre), qFloor(y * dotsPerMillimetre));
}

PdfPicture renderPdfPage(const QString& pdfPath, int page, int dotsPerInch) {
    QTemporaryDir folder;
    const QString base = folder.filePath(QStringLiteral("pagina"));
    runPoppler(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-f"),
                QString::number(page), QStringLiteral("-l"), QString::number(page),
                QStringLiteral("-singlefile"), QStringLiteral("-png"), pdfPath, base});
    return {QImage(base + QStringLiteral(".png")), dotsPerInch};
}
