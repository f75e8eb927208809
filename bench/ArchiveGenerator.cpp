#include "bench/ArchiveGenerator.h"

#include <QDate>
#include <QFile>
#include <array>

namespace {

// A small, fast generator of its own (SplitMix64): the same numbers on every platform.
class Draw {
public:
    Draw(quint64 seed, quint64 stream, qint64 index)
        : state_(seed * 0x9E3779B97F4A7C15ULL ^ (stream << 56) ^ quint64(index)) {
        next();
    }

    quint64 next() {
        quint64 z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int below(int count) { return int(next() % quint64(count)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool percent(int chance) { return below(100) < chance; }
    template <class T, std::size_t N> const T& pick(const std::array<T, N>& items) {
        return items[below(int(N))];
    }
    QString digits(int count) {
        QString text;
        for (int i = 0; i < count; ++i)
            text += QChar(u'0' + below(10));
        return text;
    }

private:
    quint64 state_;
};

enum Stream : quint64 { MemberStream = 1, ReceiptStream = 2 };

struct Place {
    const char16_t* city;
    const char16_t* province;
    const char16_t* postcode;
    const char16_t* cadastralCode; // the town's part of the tax code
};

const std::array<Place, 56> places{{
    {u"Roma", u"RM", u"00185", u"H501"},
    {u"Milano", u"MI", u"20121", u"F205"},
    {u"Napoli", u"NA", u"80133", u"F839"},
    {u"Torino", u"TO", u"10123", u"L219"},
    {u"Palermo", u"PA", u"90133", u"G273"},
    {u"Genova", u"GE", u"16121", u"D969"},
    {u"Bologna", u"BO", u"40121", u"A944"},
    {u"Firenze", u"FI", u"50122", u"D612"},
    {u"Bari", u"BA", u"70121", u"A662"},
    {u"Catania", u"CT", u"95121", u"C351"},
    {u"Venezia", u"VE", u"30121", u"L736"},
    {u"Verona", u"VR", u"37121", u"L781"},
    {u"Messina", u"ME", u"98122", u"F158"},
    {u"Padova", u"PD", u"35121", u"G224"},
    {u"Trieste", u"TS", u"34121", u"L424"},
    {u"Brescia", u"BS", u"25121", u"B157"},
    {u"Parma", u"PR", u"43121", u"G337"},
    {u"Taranto", u"TA", u"74121", u"L049"},
    {u"Prato", u"PO", u"59100", u"G999"},
    {u"Modena", u"MO", u"41121", u"F257"},
    {u"Reggio di Calabria", u"RC", u"89127", u"H224"},
    {u"Perugia", u"PG", u"06121", u"G478"},
    {u"Livorno", u"LI", u"57123", u"E625"},
    {u"Ravenna", u"RA", u"48121", u"H199"},
    {u"Cagliari", u"CA", u"09124", u"B354"},
    {u"Foggia", u"FG", u"71121", u"D643"},
    {u"Rimini", u"RN", u"47921", u"H294"},
    {u"Salerno", u"SA", u"84121", u"H703"},
    {u"Ferrara", u"FE", u"44121", u"D548"},
    {u"Sassari", u"SS", u"07100", u"I452"},
    {u"Latina", u"LT", u"04100", u"E472"},
    {u"Monza", u"MB", u"20900", u"F704"},
    {u"Pescara", u"PE", u"65121", u"G482"},
    {u"Bergamo", u"BG", u"24121", u"A794"},
    {u"Forlì", u"FC", u"47121", u"D704"},
    {u"Trento", u"TN", u"38122", u"L378"},
    {u"Vicenza", u"VI", u"36100", u"L840"},
    {u"Terni", u"TR", u"05100", u"L117"},
    {u"Bolzano", u"BZ", u"39100", u"A952"},
    {u"Novara", u"NO", u"28100", u"F952"},
    {u"Piacenza", u"PC", u"29121", u"G535"},
    {u"Ancona", u"AN", u"60121", u"A271"},
    {u"Udine", u"UD", u"33100", u"L483"},
    {u"Arezzo", u"AR", u"52100", u"A390"},
    {u"Cesena", u"FC", u"47521", u"C573"},
    {u"Cesenatico", u"FC", u"47042", u"C574"},
    {u"Lecce", u"LE", u"73100", u"E506"},
    {u"La Spezia", u"SP", u"19121", u"E463"},
    {u"Città di Castello", u"PG", u"06012", u"C745"},
    {u"Cantù", u"CO", u"22063", u"B639"},
    {u"Canicattì", u"AG", u"92024", u"B602"},
    {u"Paternò", u"CT", u"95047", u"G371"},
    {u"Sant'Antioco", u"SU", u"09017", u"I294"},
    {u"Aosta", u"AO", u"11100", u"A326"},
    {u"Nardò", u"LE", u"73048", u"F842"},
    {u"Santa Margherita Ligure", u"GE", u"16038", u"I225"},
}};

const std::array<const char16_t*, 80> surnames{
    u"Rossi",      u"Russo",      u"Ferrari",    u"Esposito",  u"Bianchi",    u"Romano",
    u"Colombo",    u"Ricci",      u"Marino",     u"Greco",     u"Bruno",      u"Gallo",
    u"Conti",      u"De Luca",    u"Mancini",    u"Costa",     u"Giordano",   u"Rizzo",
    u"Lombardi",   u"Moretti",    u"Barbieri",   u"Fontana",   u"Santoro",    u"Mariani",
    u"Rinaldi",    u"Caruso",     u"Ferrara",    u"Galli",     u"Martini",    u"Leone",
    u"Longo",      u"Gentile",    u"Martinelli", u"Vitale",    u"Lombardo",   u"Serra",
    u"Coppola",    u"De Santis",  u"D'Angelo",   u"Marchetti", u"Parisi",     u"Villa",
    u"Conte",      u"Ferraro",    u"Ferri",      u"Fabbri",    u"Bianco",     u"Marini",
    u"Grasso",     u"Valentini",  u"Messina",    u"Sala",      u"De Angelis", u"Gatti",
    u"Pellegrini", u"Palumbo",    u"Sanna",      u"Farina",    u"Rizzi",      u"Monti",
    u"Cattaneo",   u"Morelli",    u"Amato",      u"Silvestri", u"Mazza",      u"Testa",
    u"Grassi",     u"Pellegrino", u"Carbone",    u"Giuliani",  u"Benedetti",  u"Barone",
    u"Caputo",     u"Montanari",  u"Guerra",     u"Palmieri",  u"Bernardi",   u"D'Amico",
    u"Orlando",    u"Sorrentino",
};

const std::array<const char16_t*, 40> maleNames{
    u"Marco",   u"Giuseppe",  u"Luca",    u"Francesco", u"Alessandro", u"Andrea",   u"Matteo",
    u"Lorenzo", u"Giovanni",  u"Antonio", u"Davide",    u"Simone",     u"Federico", u"Riccardo",
    u"Stefano", u"Paolo",     u"Roberto", u"Niccolò",   u"Gabriele",   u"Tommaso",  u"Emanuele",
    u"Mattia",  u"Salvatore", u"Pietro",  u"Vincenzo",  u"Fabio",      u"Claudio",  u"Massimo",
    u"Enrico",  u"Filippo",   u"Daniele", u"Michele",   u"Giacomo",    u"Leonardo", u"Alberto",
    u"Carlo",   u"Nicola",    u"Sergio",  u"Gianluca",  u"Edoardo",
};

const std::array<const char16_t*, 40> femaleNames{
    u"Giulia",   u"Francesca", u"Chiara",    u"Sara",     u"Martina",  u"Valentina", u"Alessia",
    u"Federica", u"Elena",     u"Laura",     u"Anna",     u"Silvia",   u"Giorgia",   u"Elisa",
    u"Paola",    u"Maria",     u"Roberta",   u"Ilaria",   u"Beatrice", u"Aurora",    u"Sofia",
    u"Camilla",  u"Lucrezia",  u"Noemi",     u"Caterina", u"Rebecca",  u"Marta",     u"Cristina",
    u"Monica",   u"Barbara",   u"Daniela",   u"Simona",   u"Serena",   u"Claudia",   u"Benedetta",
    u"Annalisa", u"Rosaria",   u"Antonella", u"Manuela",  u"Gaia",
};

const std::array<const char16_t*, 16> streets{
    u"Via Roma",
    u"Via Garibaldi",
    u"Corso Vittorio Emanuele II",
    u"Via Mazzini",
    u"Piazza della Repubblica",
    u"Via Cavour",
    u"Viale dei Mille",
    u"Via XX Settembre",
    u"Via San Francesco d'Assisi",
    u"Via Dante Alighieri",
    u"Largo Tommaseo",
    u"Via dell'Indipendenza",
    u"Vicolo della Pace",
    u"Via Nazionale",
    u"Via Giuseppe Verdi",
    u"Strada Provinciale 24",
};

const std::array<const char16_t*, 10> qualifications{
    u"Istruttore di vela",
    u"Bagnino di salvataggio",
    u"Allenatore FIN 1° livello",
    u"Arbitro regionale",
    u"Medico sportivo",
    u"Guida escursionistica",
    u"Istruttore di nuoto",
    u"Patente nautica entro 12 miglia",
    u"Operatore BLSD",
    u"Maestro di tennis",
};

const std::array<const char16_t*, 8> roles{
    u"Presidente",         u"Vicepresidente",  u"Segretario",     u"Tesoriere",
    u"Revisore dei conti", u"Socio fondatore", u"Socio onorario", u"Consigliere",
};

const std::array<const char16_t*, 10> notes{
    u"Certificato medico valido fino al 30/09",
    u"Pagamento con bonifico",
    u"Quota versata in contanti",
    u"Tessera da ritirare in segreteria",
    u"Richiede la ricevuta intestata all'azienda",
    u"Iscritto anche al corso di vela",
    u"Convenzione CRAL & dopolavoro",
    u"Allergia alle punture d'insetto",
    u"Preferisce essere contattato via e-mail",
    u"Genitore di un socio minorenne",
};

const std::array<const char16_t*, 8> mailProviders{
    u"gmail.com",  u"libero.it", u"alice.it",   u"virgilio.it",
    u"hotmail.it", u"yahoo.it",  u"tiscali.it", u"outlook.it",
};

const std::array<const char16_t*, 8> fees{
    u"25,00", u"30,00", u"50,00", u"80,00", u"120,00", u"150,00", u"12,50", u"35,00",
};

struct PriceItem {
    const char16_t* description;
    int cents;
};

const std::array<PriceItem, 12> priceList{{
    {u"Quota associativa annuale", 5000},
    {u"Iscrizione corso di vela base", 18000},
    {u"Noleggio deriva (mezza giornata)", 3500},
    {u"Ormeggio mensile posto barca", 12000},
    {u"Tessera FIV", 3000},
    {u"Lezione privata di windsurf", 4500},
    {u"Corso di nuoto (10 lezioni)", 9000},
    {u"Cena sociale", 2500},
    {u"Maglietta del circolo", 1500},
    {u"Rimessaggio invernale", 35000},
    {u"Uso spogliatoi e docce", 500},
    {u"Contributo regata sociale", 2000},
}};

const std::array<const char16_t*, 6> companies{
    u"Bar Centrale di Rossi & C. s.n.c.", u"Comune di Cesenatico",
    u"Scuola Primaria \"G. Pascoli\"",    u"Nautica Adriatica S.r.l.",
    u"Parrocchia di San Giacomo",         u"Hotel Miramare S.a.s.",
};

QString text(const char16_t* literal) {
    return QString::fromUtf16(literal);
}

QString amountText(int cents) {
    return QStringLiteral("%1,%2").arg(cents / 100).arg(cents % 100, 2, 10, QLatin1Char('0'));
}

QString dateText(const QDate& date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

// Capital letters without accents, apostrophes or blanks: the form the tax code is made from.
QString plainLetters(const QString& name) {
    QString letters;
    for (QChar ch : name.normalized(QString::NormalizationForm_D)) {
        if (ch.isLetter() && ch.unicode() < 0x80)
            letters += ch.toUpper();
    }
    return letters;
}

bool isVowel(QChar ch) {
    return QStringLiteral("AEIOU").contains(ch);
}

QString consonantsThenVowels(const QString& letters) {
    QString consonants, vowels;
    for (QChar ch : letters)
        (isVowel(ch) ? vowels : consonants) += ch;
    return consonants + vowels;
}

QString surnameCode(const QString& surname) {
    return (consonantsThenVowels(plainLetters(surname)) + QStringLiteral("XXX")).left(3);
}

QString nameCode(const QString& name) {
    const QString letters = plainLetters(name);
    QString consonants;
    for (QChar ch : letters) {
        if (!isVowel(ch))
            consonants += ch;
    }
    if (consonants.size() >= 4)
        return QString(consonants[0]) + consonants[2] + consonants[3];
    return (consonantsThenVowels(letters) + QStringLiteral("XXX")).left(3);
}

QChar taxCodeCheckLetter(const QString& first15) {
    static const std::array<int, 36> oddValues{1,  0, 5, 7,  9,  13, 15, 17, 19, 21, 1,  0,
                                               5,  7, 9, 13, 15, 17, 19, 21, 2,  4,  18, 20,
                                               11, 3, 6, 8,  12, 14, 16, 10, 22, 25, 24, 23};
    int sum = 0;
    for (int i = 0; i < first15.size(); ++i) {
        const QChar ch = first15[i];
        const int index = ch.isDigit() ? ch.digitValue() : 10 + (ch.unicode() - u'A');
        const int evenValue = ch.isDigit() ? ch.digitValue() : ch.unicode() - u'A';
        sum += (i % 2 == 0) ? oddValues[index] : evenValue;
    }
    return QChar(u'A' + sum % 26);
}

QString taxCode(const QString& surname, const QString& name, const QDate& birth, bool female,
                const Place& place) {
    static const QString months = QStringLiteral("ABCDEHLMPRST");
    const QString first15 =
        surnameCode(surname) + nameCode(name) +
        QStringLiteral("%1").arg(birth.year() % 100, 2, 10, QLatin1Char('0')) +
        months[birth.month() - 1] +
        QStringLiteral("%1").arg(birth.day() + (female ? 40 : 0), 2, 10, QLatin1Char('0')) +
        text(place.cadastralCode);
    return first15 + taxCodeCheckLetter(first15);
}

QString vatNumber(Draw& draw) {
    const QString first10 =
        draw.digits(7) + QStringLiteral("%1").arg(draw.between(1, 100), 3, 10, QLatin1Char('0'));
    int sum = 0;
    for (int i = 0; i < 10; ++i) {
        int digit = first10[i].digitValue();
        if (i % 2 == 1) {
            digit *= 2;
            if (digit > 9)
                digit -= 9;
        }
        sum += digit;
    }
    return first10 + QChar(u'0' + (10 - sum % 10) % 10);
}

QString iban(Draw& draw) {
    const QString bban = QChar(u'A' + draw.below(26)) + draw.digits(10) + draw.digits(12);
    // ISO 13616: the country and "00" moved to the end, letters as numbers, modulo 97.
    const QString rearranged = bban + QStringLiteral("IT00");
    int remainder = 0;
    for (QChar ch : rearranged) {
        const int value = ch.isDigit() ? ch.digitValue() : 10 + (ch.unicode() - u'A');
        remainder = (value >= 10 ? remainder * 100 : remainder * 10) + value;
        remainder %= 97;
    }
    return QStringLiteral("IT%1").arg(98 - remainder, 2, 10, QLatin1Char('0')) + bban;
}

QString phone(Draw& draw) {
    static const std::array<const char16_t*, 8> mobile{u"320", u"328", u"333", u"335",
                                                       u"338", u"347", u"349", u"366"};
    if (draw.percent(75))
        return text(draw.pick(mobile)) + QLatin1Char(' ') + draw.digits(7);
    return QStringLiteral("0%1 %2").arg(draw.between(10, 99)).arg(draw.digits(6));
}

QString email(Draw& draw, const QString& surname, const QString& name) {
    QString local =
        plainLetters(name).toLower() + QLatin1Char('.') + plainLetters(surname).toLower();
    if (draw.percent(30))
        local += QString::number(draw.between(1, 99));
    return local + QLatin1Char('@') + text(draw.pick(mailProviders));
}

QString address(Draw& draw) {
    QString street =
        text(draw.pick(streets)) + QLatin1Char(' ') + QString::number(draw.between(1, 180));
    if (draw.percent(10))
        street += QStringLiteral("/A");
    return street;
}

struct Person {
    QString surname, name, fullName;
    bool female;
    QDate birth;
    Place birthPlace, home;
};

Person person(Draw& draw) {
    Person p;
    p.female = draw.percent(45);
    p.surname = text(draw.pick(surnames));
    p.name = text(p.female ? draw.pick(femaleNames) : draw.pick(maleNames));
    p.fullName = p.surname + QLatin1Char(' ') + p.name;
    p.birth = QDate(draw.between(1940, 2012), draw.between(1, 12), draw.between(1, 28));
    p.birthPlace = draw.pick(places);
    p.home = draw.percent(70) ? p.birthPlace : draw.pick(places);
    return p;
}

template <class Record, class Make>
bool writeArchive(const QString& path, qint64 count, Make make) {
    constexpr qint64 blockBytes = 4 << 20;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray block;
    for (qint64 i = 1; i <= count; ++i) {
        block += make(i).toBytes();
        if (block.size() >= blockBytes || i == count) {
            if (file.write(block) != block.size())
                return false;
            block.clear();
        }
    }
    return file.flush();
}

} // namespace

MemberRecord ArchiveGenerator::member(qint64 position) const {
    Draw draw(seed_, MemberStream, position);
    const Person p = person(draw);
    MemberRecord m;
    m.Dipendente = p.fullName;
    m.Cittadinanza = QStringLiteral("%1").arg(position, 6, 10, QLatin1Char('0'));
    m.Stipendio = text(draw.pick(fees));
    m.Luogo = text(p.birthPlace.city);
    m.DataNasc = dateText(p.birth);
    m.CodFisc = taxCode(p.surname, p.name, p.birth, p.female, p.birthPlace);
    if (draw.percent(8))
        m.PartitaIva = vatNumber(draw);
    m.Indirizzo = address(draw);
    m.Citta = text(p.home.city);
    m.Prov = text(p.home.province);
    m.Cap = text(p.home.postcode);
    if (draw.percent(35))
        m.Qualifiche = text(draw.pick(qualifications));
    m.Familiari = draw.percent(92) ? QStringLiteral("Socio ordinario") : text(draw.pick(roles));
    if (draw.percent(40))
        m.Iban = iban(draw);
    if (draw.percent(45))
        m.Note = text(draw.pick(notes));
    m.DataSca = dateText(QDate(2024, 1, 1).addDays(draw.below(4 * 365)));
    m.Preavviso = QString::number(std::array<int, 5>{0, 7, 15, 30, 60}[draw.below(5)]);
    m.Recapito = phone(draw);
    if (draw.percent(80))
        m.Email = email(draw, p.surname, p.name);
    if (draw.percent(10)) {
        m.File[0] = QStringLiteral("certificato_medico_%1.pdf").arg(position);
        m.Desc[0] = QStringLiteral("Certificato medico agonistico");
    }
    return m;
}

ReceiptRecord ArchiveGenerator::receipt(int year, qint64 number, qint64 receiptsInYear) const {
    Draw draw(seed_, ReceiptStream, number);
    ReceiptRecord r;
    r.NumRic = QString::number(number);
    const QDate newYear(year, 1, 1);
    r.Data = dateText(newYear.addDays((number - 1) * newYear.daysInYear() / receiptsInYear));
    r.LavRigo = {QStringLiteral("Circolo Nautico Velarno A.S.D."),
                 QStringLiteral("Via del Porto 12 - 47042 Cesenatico (FC)"),
                 QStringLiteral("Codice fiscale 90012345678"),
                 QStringLiteral("Tel. 0547 123456 - info@circolovelarno.it"), QString()};
    if (draw.percent(75)) {
        // Imported from the members archive.
        const MemberRecord payer = member(draw.between(1, 100000));
        r.CliRigo = {payer.Dipendente, payer.Indirizzo,
                     payer.Cap + QLatin1Char(' ') + payer.Citta + QLatin1Char(' ') + payer.Prov,
                     QStringLiteral("Tel. ") + payer.Recapito,
                     QStringLiteral("Codice fiscale: ") + payer.CodFisc};
    } else {
        r.CliRigo[0] = text(draw.pick(companies));
        if (draw.percent(50))
            r.CliRigo[1] = address(draw);
    }
    int total = 0;
    const int items = draw.between(1, 4);
    const int firstItem = draw.below(int(priceList.size()));
    for (int row = 0; row < items; ++row) {
        // Different items, as on a real receipt; 5 and 12 have no common divisor.
        const PriceItem& item = priceList[(firstItem + 5 * row) % priceList.size()];
        // Only the cheaper items (dinners, rentals, shirts) are bought several at a time.
        const int quantity = item.cents <= 4500 && draw.percent(20) ? draw.between(2, 4) : 1;
        r.Descrizione[row] = text(item.description);
        if (quantity > 1)
            r.Descrizione[row] += QStringLiteral(" x %1").arg(quantity);
        r.Importo[row] = amountText(item.cents * quantity);
        total += item.cents * quantity;
    }
    r.Totale = amountText(total);
    r.DaSaldare = draw.percent(8) ? QStringLiteral("Sì") : QStringLiteral("No");
    return r;
}

bool ArchiveGenerator::writeMembersArchive(const QString& path, qint64 count) const {
    return writeArchive<MemberRecord>(path, count, [this](qint64 i) { return member(i); });
}

bool ArchiveGenerator::writeReceiptsArchive(const QString& path, int year, qint64 count) const {
    return writeArchive<ReceiptRecord>(path, count,
                                       [&](qint64 i) { return receipt(year, i, count); });
}
