#pragma once

#include <QList>
#include <QString>

// A chapter of the user guide: a help window's title and text, exactly as the window shows them
// (the chapter on the keys has no window of its own).
struct GuideChapter {
    QString title;
    QString text; // paragraphs, each followed by an empty line
};

// The chapters in the order of the guide.
QList<GuideChapter> guideChapters();
