#pragma once

#include "program/guide/GuideChapters.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QTextDocument>

class QPainter;
class QPdfWriter;

// The guide's text; the program's SVG pictures are drawn sharp enough for paper, and the
// grabbed screens are found by their names ("schermata:<name>").
class GuideTextDocument : public QTextDocument {
public:
    QHash<QString, QImage> screens;

protected:
    QVariant loadResource(int type, const QUrl& name) override;
};

using ScreenPictures = QHash<QString, QImage>;

// The user guide set on the A4 pages of a PDF writer. The fixed parts come from an HTML
// template with two placeholders: {{indice}} for the rows of the table of contents and
// {{capitoli}} for the chapters, each an <h1> followed by its paragraphs and its pictures.
class UserGuide {
public:
    // Throws std::invalid_argument when the template lacks a placeholder or a chapter places
    // a picture that is not among the screens.
    UserGuide(const QString& templateHtml, const QList<GuideChapter>& chapters, QPdfWriter& writer,
              const ScreenPictures& screens = {});

    const QTextDocument& document() const { return document_; }
    // The page on which each chapter starts, the title page being page 1.
    const QList<int>& chapterPages() const { return chapterPages_; }

    // Paints every page; throws std::runtime_error when the writer cannot be painted on.
    void print();

private:
    void layOut(const QList<int>& pages);
    QList<int> pagesOfChapters() const;
    QSet<QString> picturesApartFromCaptions() const;
    void paintPage(QPainter& painter, int page);
    void paintFooter(QPainter& painter, int page) const;

    QString templateHtml_;
    QList<GuideChapter> chapters_;
    QPdfWriter& writer_;
    GuideTextDocument document_;
    QList<int> chapterPages_;
    QSet<QString> picturesOnNewPage_;
};

// A help text as HTML paragraphs that show it literally.
QString helpTextHtml(const QString& helpText);

// A chapter's paragraphs with its pictures, each scaled to the page and captioned; the named
// pictures start a new page.
QString chapterBodyHtml(const GuideChapter& chapter, const ScreenPictures& screens,
                        const QSet<QString>& picturesOnNewPage = {});

// Writes the guide as a PDF file, replacing any older one only once the new one is complete.
// Throws std::exception on failure.
void writeUserGuide(const QString& templateHtml, const QList<GuideChapter>& chapters,
                    const ScreenPictures& screens, const QString& pdfPath);
