#include "storage/MemberRecord.h"

#include "storage/RecordLayouts.h"
#include "storage/TextField.h"

namespace {

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
