#include "rules/PasswordStore.h"
#include "storage/IniFile.h"

#include <QString>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

// Any store either gives a password or is reported as corrupt; a password read from it
// scrambles back to the pairs it came from.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const IniFile store = IniFile::parse(QByteArrayView(data, qsizetype(size)));
    const QString stored = store.value(QStringLiteral("Accesso"), QStringLiteral("Valore"));
    QString password;
    try {
        password = UnscrambleText(stored);
        storedPasswordIn(store);
    } catch (const std::invalid_argument&) {
        return 0;
    }
    const QString pairs = stored.left(2 * password.size()).toUpper();
    if (ScrambleText(password) != pairs)
        std::abort();
    return 0;
}
