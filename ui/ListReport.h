#pragma once

#include "ui/Report.h"

#include <QStringList>

class QWidget;

// The list report of the summary lists and the price list: a title, the list's lines in a
// fixed-pitch font flowing over as many landscape pages as they need, and the date of printing
// after the last line.

constexpr qreal listLinePitch = 3.3925;     // 12.822 pixels at 96 dpi
constexpr qreal listBandBelowBody = 2.6458; // 10 pixels at 96 dpi

// The template filled with the title and the lines.
Report listReport(const QString& title, const QStringList& lines);

// The printer dialog first, then the report; no preview.
void printListReport(QWidget* parent, const QString& title, const QStringList& lines);
