#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The archives and settings files hold Windows-1252 text.

// Characters outside Windows-1252 become the nearest plain letter (ő -> o), else '?'.
QByteArray toWindows1252(const QString& text);
QString fromWindows1252(QByteArrayView bytes);

// Removes the characters with codes 0 to 32 at both ends (and nothing else).
QString trimBlanks(const QString& text);
