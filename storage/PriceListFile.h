#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <optional>

// The price list, Listino_Prezzi.lst: one item per text line, Windows-1252, CR LF after each
// line, nothing else in the file.

// The lines, each trimmed of codes 0 to 32 at both ends; empty lines stay. A file with a
// byte-order mark is read in the encoding it names (UTF-8, UTF-16 LE or BE), any other as
// Windows-1252. Lines may end in CR LF, LF or CR.
QStringList priceListLinesFromBytes(QByteArrayView bytes);
QByteArray priceListBytes(const QStringList& lines);

// Nothing when the file is missing or cannot be read.
std::optional<QStringList> readPriceListFile(const QString& path);
// Replaces the file atomically: a failure leaves the old file whole and raises
// StorageError::WriteFailed.
void writePriceListFile(const QString& path, const QStringList& lines);
