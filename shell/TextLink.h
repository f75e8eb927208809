#pragma once

#include <functional>

class QLabel;
class QWidget;

// A clickable text drawn dark blue, orange while the mouse button is held down on it; the
// picture beside it acts the same. action runs on a click.
void makeTextLink(QLabel* link, QWidget* picture, std::function<void()> action);
