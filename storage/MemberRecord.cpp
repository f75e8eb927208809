#include "storage/MemberRecord.h"

#include "storage/TextField.h"

namespace {

// Field order and capacities of Soci.pro, offset 0 to 2666.
template <class Record> auto memberLayout(Record& r) {
    return FieldTable<Record, 25>{{
        {&r.Dipendente, 50}, {&r.Cittadinanza, 50}, {&r.Stipendio, 12},  {&r.Luogo, 50},
        {&r.DataNasc, 10},   {&r.CodFisc, 16},      {&r.PartitaIva, 11}, {&r.Indirizzo, 120},
        {&r.Citta, 50},      {&r.Prov, 2},          {&r.Cap, 10},        {&r.Qualifiche, 120},
        {&r.Familiari, 250}, {&r.Iban, 27},         {&r.Note, 250},      {&r.DataSca, 10},
        {&r.Preavviso, 3},   {&r.Recapito, 50},     {&r.Email, 50},      {&r.File[0], 250},
        {&r.File[1], 250},   {&r.File[2], 250},     {&r.Desc[0], 250},   {&r.Desc[1], 250},
        {&r.Desc[2], 250},
    }};
}

} // namespace

QByteArray MemberRecord::toBytes() const {
    const QByteArray bytes = encodeTextFields(memberLayout(*this));
    Q_ASSERT(bytes.size() == Size);
    return bytes;
}

MemberRecord MemberRecord::fromBytes(QByteArrayView bytes) {
    checkRecordSize(bytes, Size, "MemberRecord");
    MemberRecord record;
    decodeTextFields(bytes, memberLayout(record));
    return record;
}

bool MemberRecord::operator==(const MemberRecord& other) const {
    return sameTexts(memberLayout(*this), memberLayout(other));
}
