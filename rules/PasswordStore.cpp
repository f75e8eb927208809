#include "rules/PasswordStore.h"

#include "rules/TextRules.h"
#include "storage/IniFile.h"
#include "storage/ProgramFolder.h"
#include "storage/TextCodec.h"

#include <stdexcept>

namespace {

const QString storeSection = QStringLiteral("Accesso");
const QString storeKey = QStringLiteral("Valore");

constexpr quint16 initialKey = 5938;
constexpr quint16 multiplier = 40963;
constexpr quint16 addend = 33469;
constexpr int maxPasswordLength = 255;

quint16 nextKey(quint16 key, quint8 scrambled) {
    // Unsigned arithmetic: the product does not fit an int, and the key wraps modulo 65536.
    return quint16((quint32(scrambled) + key) * multiplier + addend);
}

int hexDigit(QChar c) {
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    throw std::invalid_argument("not a hexadecimal digit");
}

} // namespace

QString ScrambleText(const QString& plain) {
    const int length = plain.size() % 256; // the length is counted in one byte
    QString result;
    result.reserve(2 * length);
    quint16 key = initialKey;
    for (int i = 0; i < length; ++i) {
        const quint8 scrambled = quint8((plain[i].unicode() & 0xFF) ^ (key >> 8));
        result += QStringLiteral("%1").arg(scrambled, 2, 16, QLatin1Char('0')).toUpper();
        key = nextKey(key, scrambled);
    }
    return result;
}

QString UnscrambleText(const QString& hex) {
    const int length = (hex.size() / 2) % 256;
    QString result;
    result.reserve(length);
    quint16 key = initialKey;
    for (int i = 0; i < length; ++i) {
        const auto scrambled = quint8(hexDigit(hex[2 * i]) * 16 + hexDigit(hex[2 * i + 1]));
        result += QChar(char16_t(scrambled ^ (key >> 8)));
        key = nextKey(key, scrambled);
    }
    return result;
}

QString passwordStorePath() {
    return programFile(QStringLiteral("unins000.dll"));
}

QString readStoredPassword() {
    return storedPasswordIn(IniFile::load(passwordStorePath()));
}

QString storedPasswordIn(const IniFile& store) {
    return trimBlanks(UnscrambleText(store.value(storeSection, storeKey)));
}

void storePassword(const QString& password) {
    IniFile store = IniFile::load(passwordStorePath());
    store.setValue(storeSection, storeKey, ScrambleText(upperTrimmed(password)));
    store.save(passwordStorePath());
}

bool matchesStoredPassword(const QString& typed, const QString& stored) {
    return upperTrimmed(typed) == stored;
}

std::optional<QString> newPasswordProblem(const QString& password) {
    const QString candidate = upperTrimmed(password);
    if (candidate.size() > maxPasswordLength)
        return QStringLiteral("Attenzione: la nuova password non può superare i 255 caratteri.");
    for (QChar c : candidate) {
        if (c.unicode() > 255)
            return QStringLiteral("Attenzione: la nuova password contiene caratteri che non "
                                  "possono essere memorizzati. Usare lettere, cifre e simboli "
                                  "dell'alfabeto latino.");
    }
    return std::nullopt;
}
