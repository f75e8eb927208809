#pragma once

#include <QList>
#include <QPair>
#include <QString>

// A grabbed screen placed in a chapter, after one of its paragraphs, with its caption.
struct GuidePicture {
    QString name; // as grabScreens() names it
    QString caption;
    int afterParagraph = 0;
};

// A chapter of the user guide. The chapters of the help windows carry the window's title and
// text, with the few phrases that point at the window itself reworded for paper.
struct GuideChapter {
    QString title;
    QString text; // paragraphs, each followed by an empty line
    QList<GuidePicture> pictures = {};
};

// The chapters in the order of the guide.
QList<GuideChapter> guideChapters();

// A help text as the guide prints it. Throws std::logic_error when a phrase that the guide
// rewords is no longer in the text, so a changed help text is looked at again.
QString helpTextForPaper(const QString& helpText, const QList<QPair<QString, QString>>& rewordings);

// The one paragraph of a help text that holds the phrase, with its closing empty line, for a
// chapter that tells part of what a help window says. Throws std::logic_error when no
// paragraph or more than one holds it.
QString helpParagraphAbout(const QString& helpText, const QString& phrase);
