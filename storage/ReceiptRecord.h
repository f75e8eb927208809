#pragma once

#include <QByteArrayView>
#include <QString>
#include <array>

// One receipt of a yearly file (the year followed by ".ric"), 2227 bytes.
struct ReceiptRecord {
    static constexpr int Size = 2227;
    static constexpr int ItemRows = 14;
    static constexpr int HeaderLines = 5;

    QString NumRic;
    QString Data;
    std::array<QString, HeaderLines> LavRigo; // association lines LavRigo01..05
    std::array<QString, HeaderLines> CliRigo; // payer lines CliRigo01..05
    std::array<QString, ItemRows> Descrizione;
    std::array<QString, ItemRows> Importo;
    QString Totale;
    QString DaSaldare; // "Sì" or "No"

    QByteArray toBytes() const;
    static ReceiptRecord fromBytes(QByteArrayView bytes);

    bool operator==(const ReceiptRecord& other) const;
    bool operator!=(const ReceiptRecord& other) const { return !(*this == other); }
};
