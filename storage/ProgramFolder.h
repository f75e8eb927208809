#pragma once

#include <QString>

// Every archive, settings file, photo and attachment lives in the folder of the executable.
QString programFolder();

// The full path of a file of the program folder, built afresh at every call.
QString programFile(const QString& name);

// The members archive, Soci.pro.
QString membersArchivePath();
// A year's receipts: the four-digit year followed by ".ric".
QString receiptsArchivePath(int year);
// The settings of the receipts application, Ricevute.ini.
QString receiptSettingsPath();
// The price list, Listino_Prezzi.lst.
QString priceListPath();
// The association's logo printed on receipts, Logo.bmp.
QString logoPath();
// The folder of the members' photos, Schedario.
QString photosFolder();
// The folder shared by every member's attached documents, Documenti_Allegati.
QString attachmentsFolder();

// Tests point the program folder at a temporary directory; an empty path restores the default.
void setProgramFolderForTests(const QString& path);
