#pragma once

#include <QHash>
#include <QImage>
#include <QString>

// The pictures of the guide: the program's real screens, started offscreen on a sample
// association made in the given empty folder, each grabbed as the user sees it. Keys are the
// names by which the guide's chapters place them. Throws std::runtime_error when a screen
// cannot be reached.
QHash<QString, QImage> grabScreens(const QString& sampleFolder);

// Fills an empty program folder with a few members and receipts of a small sailing club.
void writeSampleAssociation(const QString& folder);
