#pragma once

#include <QStringList>

class QWidget;

// The texts of a screen or dialog that do not fit their controls with the fonts really
// resolved, one line each: control, text, size needed, size it has. Labels, push buttons,
// check boxes and radio buttons count, hidden ones too (they are shown later); empty texts and
// the inner controls of the toolkit's own widgets do not.
QStringList textsThatDoNotFit(const QWidget* window);

// Fails the running test, naming every text that does not fit.
void checkTextsFit(const QWidget* window);
