#pragma once

#include <QImage>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>

// A PDF read from the outside, as a person reading the paper would: poppler's pdfinfo and
// pdftotext. Positions in millimetres from the top-left corner of the page.

struct PdfInfo {
    int pages = 0;
    QSizeF pageSize; // of the first page
    bool isA4() const;
    bool isLandscape() const { return pageSize.width() > pageSize.height(); }
};
PdfInfo readPdfInfo(const QString& pdfPath);

struct PdfWord {
    int page = 0; // 1-based
    QString text;
    QRectF box;
};

struct PdfText {
    QList<QSizeF> pageSizes;
    QList<PdfWord> words;

    // Every place where the words of the phrase stand one after the other on one line, read
    // from left to right; each as one word that joins them, its box around them all.
    QList<PdfWord> find(const QString& phrase) const;
    // The words of each printed line, left to right.
    QList<QList<PdfWord>> lines() const;
    // The words of a page joined by blanks, in reading order.
    QString pageText(int page) const;
};
PdfText readPdfText(const QString& pdfPath);

// A page as it looks on paper: pdftoppm at that resolution. pixelAt takes millimetres.
struct PdfPicture {
    QImage image;
    int dotsPerInch = 0;
    QColor pixelAt(qreal x, qreal y) const;
};
PdfPicture renderPdfPage(const QString& pdfPath, int page, int dotsPerInch);
