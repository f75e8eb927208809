#pragma once

#include <QByteArrayView>
#include <QString>
#include <array>

// One member of Soci.pro: 25 length-prefixed Windows-1252 text fields, 2666 bytes.
struct MemberRecord {
    static constexpr int Size = 2666;

    QString Dipendente;   // surname and name
    QString Cittadinanza; // membership card number
    QString Stipendio;    // membership fee
    QString Luogo;        // place of birth
    QString DataNasc;
    QString CodFisc;
    QString PartitaIva;
    QString Indirizzo;
    QString Citta;
    QString Prov;
    QString Cap;
    QString Qualifiche;
    QString Familiari; // role held in the association
    QString Iban;
    QString Note;
    QString DataSca;   // subscription expiry date
    QString Preavviso; // days of notice before the expiry
    QString Recapito;  // telephone
    QString Email;
    std::array<QString, 3> File; // attachment file names (File01..File03)
    std::array<QString, 3> Desc; // attachment descriptions (Desc01..Desc03)

    // Texts are trimmed and cut to their capacities; unused bytes are zero.
    QByteArray toBytes() const;
    // Exactly Size bytes, else StorageError::BadData; a length byte above its capacity
    // is read as the capacity.
    static MemberRecord fromBytes(QByteArrayView bytes);

    bool operator==(const MemberRecord& other) const;
    bool operator!=(const MemberRecord& other) const { return !(*this == other); }
};
