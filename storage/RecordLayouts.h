#pragma once

#include <array>

// Where each text field lies in a record: its length byte at offset, then capacity bytes.
struct FieldSpec {
    int offset;
    int capacity;
};

// The capacities of a record's fields in record order.
template <std::size_t N>
constexpr FieldSpec fieldAt(const std::array<int, N>& capacities, int index) {
    int offset = 0;
    for (int i = 0; i < index; ++i)
        offset += 1 + capacities[i];
    return {offset, capacities[index]};
}

// Soci.pro, 2666 bytes.
inline constexpr std::array<int, 25> memberCapacities = {
    50,  // Dipendente
    50,  // Cittadinanza
    12,  // Stipendio
    50,  // Luogo
    10,  // DataNasc
    16,  // CodFisc
    11,  // PartitaIva
    120, // Indirizzo
    50,  // Citta
    2,   // Prov
    10,  // Cap
    120, // Qualifiche
    250, // Familiari
    27,  // Iban
    250, // Note
    10,  // DataSca
    3,   // Preavviso
    50,  // Recapito
    50,  // Email
    250, // File01
    250, // File02
    250, // File03
    250, // Desc01
    250, // Desc02
    250, // Desc03
};

// The fields that scans read straight from the record bytes.
namespace MemberFields {
inline constexpr FieldSpec Dipendente = fieldAt(memberCapacities, 0);
inline constexpr FieldSpec Cittadinanza = fieldAt(memberCapacities, 1);
inline constexpr FieldSpec Luogo = fieldAt(memberCapacities, 3);
inline constexpr FieldSpec DataNasc = fieldAt(memberCapacities, 4);
inline constexpr FieldSpec CodFisc = fieldAt(memberCapacities, 5);
inline constexpr FieldSpec PartitaIva = fieldAt(memberCapacities, 6);
inline constexpr FieldSpec Citta = fieldAt(memberCapacities, 8);
inline constexpr FieldSpec Qualifiche = fieldAt(memberCapacities, 11);
inline constexpr FieldSpec Familiari = fieldAt(memberCapacities, 12);
inline constexpr FieldSpec Note = fieldAt(memberCapacities, 14);
inline constexpr FieldSpec DataSca = fieldAt(memberCapacities, 15);
inline constexpr FieldSpec Preavviso = fieldAt(memberCapacities, 16);
inline constexpr FieldSpec Recapito = fieldAt(memberCapacities, 17);
} // namespace MemberFields
static_assert(MemberFields::DataSca.offset == 1043 && MemberFields::Recapito.offset == 1058);

// A yearly receipt file, 2227 bytes: number, date, five association lines, five payer lines,
// fourteen rows of description and amount, total, unsettled flag.
inline constexpr int receiptFieldCount = 2 + 2 * 5 + 2 * 14 + 2;
inline constexpr std::array<int, receiptFieldCount> receiptCapacities = [] {
    std::array<int, receiptFieldCount> capacities{};
    int i = 0;
    capacities[i++] = 20; // NumRic
    capacities[i++] = 10; // Data
    for (int line = 0; line < 2 * 5; ++line)
        capacities[i++] = 120; // LavRigo01..05, then CliRigo01..05
    for (int row = 0; row < 14; ++row) {
        capacities[i++] = 55; // Descrizione
        capacities[i++] = 12; // Importo
    }
    capacities[i++] = 15; // Totale
    capacities[i++] = 2;  // DaSaldare
    return capacities;
}();

namespace ReceiptFields {
inline constexpr FieldSpec NumRic = fieldAt(receiptCapacities, 0);
inline constexpr FieldSpec Data = fieldAt(receiptCapacities, 1);
constexpr FieldSpec CliRigo(int line) { // 0-based
    return fieldAt(receiptCapacities, 7 + line);
}
constexpr FieldSpec Descrizione(int row) { // 0-based
    return fieldAt(receiptCapacities, 12 + 2 * row);
}
inline constexpr FieldSpec Totale = fieldAt(receiptCapacities, receiptFieldCount - 2);
inline constexpr FieldSpec DaSaldare = fieldAt(receiptCapacities, receiptFieldCount - 1);
} // namespace ReceiptFields
static_assert(ReceiptFields::CliRigo(0).offset == 637 &&
              ReceiptFields::Descrizione(0).offset == 1242 &&
              ReceiptFields::Descrizione(1).offset == 1311 &&
              ReceiptFields::Totale.offset == 2208 && ReceiptFields::DaSaldare.offset == 2224);
