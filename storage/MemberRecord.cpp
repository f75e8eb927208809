#include "storage/MemberRecord.h"

#include "storage/TextField.h"

namespace {

// Field capacities of Soci.pro in record order, offset 0 to 2666.
constexpr std::array<int, 25> memberCapacities = {
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
static_assert(recordSizeOf(memberCapacities) == MemberRecord::Size);

template <class Record> auto memberLayout(Record& r) {
    return fieldTable(memberCapacities,
                      std::array<FieldText<Record>*, 25>{
                          &r.Dipendente, &r.Cittadinanza, &r.Stipendio, &r.Luogo,   &r.DataNasc,
                          &r.CodFisc,    &r.PartitaIva,   &r.Indirizzo, &r.Citta,   &r.Prov,
                          &r.Cap,        &r.Qualifiche,   &r.Familiari, &r.Iban,    &r.Note,
                          &r.DataSca,    &r.Preavviso,    &r.Recapito,  &r.Email,   &r.File[0],
                          &r.File[1],    &r.File[2],      &r.Desc[0],   &r.Desc[1], &r.Desc[2],
                      });
}

} // namespace

QByteArray MemberRecord::toBytes() const {
    const QByteArray bytes = encodeTextFields(memberLayout(*this));
    checkRecordSize(bytes, Size, "MemberRecord");
    return bytes;
}

MemberRecord MemberRecord::fromBytes(QByteArrayView bytes) {
    MemberRecord record;
    decodeTextFields(bytes, memberLayout(record), "MemberRecord");
    return record;
}

bool MemberRecord::operator==(const MemberRecord& other) const {
    return sameTexts(memberLayout(*this), memberLayout(other));
}
