#include "rules/MemberImport.h"

#include <QTest>

class TestMemberImport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void separatorAndEncodingAreFound_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("encoding");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QStringList>("firstRow");
        QTest::newRow("semicolon, UTF-8 with byte order mark")
            << QByteArray("\xEF\xBB\xBFNome;Citt\xC3\xA0\r\nN\xC3\xB2 Re;Forl\xC3\xAC\r\n")
            << u"UTF-8"_qs << u";"_qs << QStringList{u"Nò Re"_qs, u"Forlì"_qs};
        QTest::newRow("comma, Windows-1252")
            << QByteArray("Nome,Citt\xE0\nN\xF2 Re,\"Forl\xEC, centro\"\n") << u"Windows-1252"_qs
            << u","_qs << QStringList{u"Nò Re"_qs, u"Forlì, centro"_qs};
        QTest::newRow("quotes, doubled quotes and a line break in a cell")
            << QByteArray("Nome;Note\n\"Rossi \"\"Max\"\"\";\"riga 1\nriga 2\"\n\n") << u"UTF-8"_qs
            << u";"_qs << QStringList{u"Rossi \"Max\""_qs, u"riga 1\nriga 2"_qs};
    }
    void separatorAndEncodingAreFound() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, encoding);
        QFETCH(QString, separator);
        QFETCH(QStringList, firstRow);
        const CsvTable table = readCsv(bytes);
        QCOMPARE(encodingName(table.encoding), encoding);
        QCOMPARE(QString(table.separator), separator);
        QCOMPARE(table.rows.size(), 1);
        QCOMPARE(table.rows.first(), firstRow);
    }

    void headersAreMatchedWithFields() {
        const std::vector<int> fields =
            guessImportFields({u"Cognome e nome"_qs, u"N. tessera"_qs, u"E-mail"_qs, u"Colore"_qs,
                               u"Nome"_qs, u"Data scadenza"_qs});
        QCOMPARE(importFieldLabel(fields[0]), u"Cognome e nome"_qs);
        QCOMPARE(importFieldLabel(fields[1]), u"Tessera n."_qs);
        QCOMPARE(importFieldLabel(fields[2]), u"E-mail"_qs);
        QCOMPARE(fields[3], -1);
        QCOMPARE(fields[4], -1); // the name's field is taken already
        QCOMPARE(importFieldLabel(fields[5]), u"Scadenza abbonamento"_qs);
    }

    // The editor's rules: the name is needed, the expiry is a date or nothing, the fee is
    // normalised, and a cell that its field cannot hold refuses the row.
    void rowsAreCheckedLikeTheEditor() {
        CsvTable table = readCsv("Nome;Quota;Scadenza;Prov\n"
                                 "Rossi Mario;25;31/12/2026;RM\n"
                                 ";10;;\n"
                                 "Bianchi Anna;;31/02/2026;\n"
                                 "Verdi Luca;7,5;;ROMA\n"
                                 "Neri Carla;abc;;\n");
        const ImportCheck check = checkImport(table, guessImportFields(table.header));
        QCOMPARE(check.members.size(), std::size_t(2));
        QCOMPARE(check.members[0].Dipendente, u"Rossi Mario"_qs);
        QCOMPARE(check.members[0].Stipendio, u"25,00"_qs);
        QCOMPARE(check.members[0].Preavviso, u"0"_qs);
        QCOMPARE(check.members[1].Stipendio, u"0,00"_qs);
        QCOMPARE(check.refusals,
                 (QStringList{u"Riga 3: manca il cognome e nome del socio"_qs,
                              u"Riga 4: la data di scadenza 31/02/2026 non esiste (gg/mm/aaaa)"_qs,
                              u"Riga 5: Prov.: testo troppo lungo (al massimo 2 caratteri)"_qs}));
    }

    // What the editor's boxes would have made of the cells: the fee with up to four decimals,
    // codes in capitals, the days of notice digits only.
    void cellsBecomeWhatTheEditorStores() {
        CsvTable table = readCsv("Nome;Quota;Codice fiscale;Prov;IBAN;Preavviso\n"
                                 "Rossi Mario;1,23456;rssmra80a01h501u;rm;it60x0542811101;15\n"
                                 "Bianchi Anna;,5;;;;uno\n");
        const ImportCheck check = checkImport(table, guessImportFields(table.header));
        QCOMPARE(check.members.size(), std::size_t(1));
        const MemberRecord& member = check.members[0];
        QCOMPARE(member.Stipendio, u"1,2346"_qs);
        QCOMPARE(member.CodFisc, u"RSSMRA80A01H501U"_qs);
        QCOMPARE(member.Prov, u"RM"_qs);
        QCOMPARE(member.Iban, u"IT60X0542811101"_qs);
        QCOMPARE(member.Preavviso, u"15"_qs);
        QCOMPARE(check.refusals,
                 QStringList{u"Riga 3: i giorni di preavviso uno non sono un numero"_qs});
    }

    // A refused row is named by the line it begins on, empty lines and line breaks inside
    // quoted cells counted, so the user finds it in the file.
    void refusalsNameTheLineOfTheFile() {
        CsvTable table = readCsv("Nome;Note\r\n"
                                 "\r\n"
                                 "Rossi Mario;\"prima riga\r\nseconda riga\"\r\n"
                                 ";senza nome\r\n");
        QCOMPARE(checkImport(table, guessImportFields(table.header)).refusals,
                 QStringList{u"Riga 5: manca il cognome e nome del socio"_qs});
    }

    // The user's choice overrides what was found: a comma file read with ";" is one column.
    void aChosenFormatIsUsed() {
        const QByteArray bytes("Nome,Citt\xE0\nRe,Forl\xEC\n");
        const CsvFormat found = detectCsvFormat(bytes);
        QCOMPARE(found.encoding, CsvEncoding::Windows1252);
        QCOMPARE(found.separator, QLatin1Char(','));
        const CsvTable chosen = readCsv(bytes, {CsvEncoding::Windows1252, QLatin1Char(';')});
        QCOMPARE(chosen.header, QStringList{u"Nome,Città"_qs});
        QCOMPARE(chosen.rows.first(), QStringList{u"Re,Forlì"_qs});
    }
};

QTEST_GUILESS_MAIN(TestMemberImport)
#include "tst_member_import.moc"
