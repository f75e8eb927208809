#include "storage/IniFile.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>

namespace {

struct Entry {
    QString section;
    QString key;
    QString value;
};

} // namespace

// Any bytes parse; an untouched file is written back byte for byte; written values read
// back, also after parsing the written bytes again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView input(data, qsizetype(size));
    IniFile ini = IniFile::parse(input);
    if (ini.toBytes() != input)
        std::abort();

    const Entry entries[] = {
        {QStringLiteral("Accesso"), QStringLiteral("Valore"), QStringLiteral("0A1B2C")},
        {QStringLiteral("Dati Associazione"), QStringLiteral("Rigo 1"),
         QStringLiteral("Circolo è €")},
        {QStringLiteral(" numerazione ricevute "), QStringLiteral("INIZIO"), QStringLiteral("1")},
    };
    for (const Entry& entry : entries) {
        ini.value(entry.section, entry.key);
        ini.setValue(entry.section, entry.key, entry.value);
    }
    const QByteArray written = ini.toBytes();
    const IniFile reread = IniFile::parse(written);
    for (const Entry& entry : entries) {
        if (ini.value(entry.section, entry.key) != entry.value ||
            reread.value(entry.section, entry.key) != entry.value)
            std::abort();
    }
    if (reread.toBytes() != written)
        std::abort();
    return 0;
}
