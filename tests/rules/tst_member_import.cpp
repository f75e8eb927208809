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
};

QTEST_GUILESS_MAIN(TestMemberImport)
#include "tst_member_import.moc"
