#pragma once
#include <QString>
// The text of the main menu's help window: paragraphs separated by an empty line.
QString generalHelpText();
