// Storage speed on the archives of a large association: 100,000 members and 100,000
// receipts in one year. Usage: bench_storage [folder] (default: a temporary folder).
#include "storage/MemberRecord.h"
#include "storage/ReceiptRecord.h"
#include "storage/RecordFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <sys/resource.h>

namespace {

constexpr int archiveRecords = 100000;
constexpr int appendedRecords = 2000; // each one flushed to disk
constexpr int countRepeats = 10000;
constexpr qint64 generateBlockBytes = 4 << 20;

MemberRecord sampleMember(int i) {
    MemberRecord member;
    member.Dipendente = QStringLiteral("Socio numero %1 Città").arg(i);
    member.Cittadinanza = QString::number(i);
    member.Stipendio = QStringLiteral("25,00");
    member.Luogo = QStringLiteral("Perugia");
    member.DataNasc = QStringLiteral("01/02/1970");
    member.CodFisc = QStringLiteral("RSSMRA70B01C745X");
    member.Indirizzo = QStringLiteral("Via Roma %1").arg(i % 300);
    member.Citta = QStringLiteral("Città di Castello");
    member.Prov = QStringLiteral("PG");
    member.Cap = QStringLiteral("06012");
    member.Note = QStringLiteral("Nota del socio %1, pagamento in contanti €").arg(i);
    member.DataSca = QStringLiteral("31/12/2025");
    member.Preavviso = QStringLiteral("30");
    member.Recapito = QStringLiteral("075 %1").arg(100000 + i);
    member.Email = QStringLiteral("socio%1@example.it").arg(i);
    return member;
}

ReceiptRecord sampleReceipt(int i) {
    ReceiptRecord receipt;
    receipt.NumRic = QString::number(i + 1);
    receipt.Data = QStringLiteral("15/03/2024");
    receipt.LavRigo = {QStringLiteral("Circolo Velico"), QStringLiteral("Via del Porto 1"),
                       QStringLiteral("06012 Città di Castello PG"), QString(), QString()};
    receipt.CliRigo[0] = QStringLiteral("Socio numero %1").arg(i);
    receipt.Descrizione[0] = QStringLiteral("Quota associativa è");
    receipt.Importo[0] = QStringLiteral("25,00");
    receipt.Descrizione[1] = QStringLiteral("Noleggio barca");
    receipt.Importo[1] = QStringLiteral("100,50");
    receipt.Totale = QStringLiteral("125,50");
    receipt.DaSaldare = QStringLiteral("No");
    return receipt;
}

void report(const char* what, qint64 items, qint64 bytes, qint64 nanoseconds) {
    const double seconds = double(nanoseconds) / 1e9;
    std::printf("%-44s %8lld records %8.3f s %12.0f records/s", what, static_cast<long long>(items),
                seconds, double(items) / seconds);
    if (bytes > 0)
        std::printf(" %8.1f MB/s", double(bytes) / 1e6 / seconds);
    std::printf("\n");
}

qint64 timed(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed();
}

template <class Record>
void benchArchive(const char* name, const QString& path, Record (*sample)(int)) {
    std::printf("%s: %s\n", name, qPrintable(path));
    const qint64 archiveBytes = qint64(archiveRecords) * Record::Size;

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    report("generate (toBytes, written in blocks)", archiveRecords, archiveBytes, timed([&] {
               QByteArray block;
               for (int i = 0; i < archiveRecords; ++i) {
                   block += sample(i).toBytes();
                   if (block.size() >= generateBlockBytes || i + 1 == archiveRecords) {
                       if (file.write(block) != block.size())
                           qFatal("cannot write %s", qPrintable(path));
                       block.clear();
                   }
               }
           }));
    file.close();

    RecordFile<Record> records;
    records.openOrCreate(path);
    const Record appended = sample(archiveRecords);
    report("append, each flushed to disk", appendedRecords, qint64(appendedRecords) * Record::Size,
           timed([&] {
               for (int i = 0; i < appendedRecords; ++i)
                   records.append(appended);
           }));
    records.close();
    const qint64 total = archiveRecords + appendedRecords;

    qint64 read = 0;
    report("read all sequentially (fromBytes)", total, total * Record::Size, timed([&] {
               records.openOrCreate(path);
               for (; !records.atEnd(); ++read)
                   records.read();
               records.close();
           }));
    if (read != total)
        qFatal("read %lld records instead of %lld", read, total);

    RawRecordFile raw(Record::Size);
    report("read all sequentially (bytes only)", total, total * Record::Size, timed([&] {
               raw.openOrCreate(path);
               while (!raw.atEnd())
                   raw.readBytes();
               raw.close();
           }));

    qint64 counted = 0;
    const qint64 countNs = timed([&] {
        for (int i = 0; i < countRepeats; ++i) {
            records.openOrCreate(path);
            counted += records.count();
            records.close();
        }
    });
    std::printf("%-44s %8lld times    %8.1f us each (count %lld)\n", "open, count, close",
                static_cast<long long>(countRepeats), double(countNs) / 1e3 / countRepeats,
                static_cast<long long>(counted / countRepeats));
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir temporary;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temporary.path();

    benchArchive<MemberRecord>("members", folder + QStringLiteral("/Soci.pro"), sampleMember);
    benchArchive<ReceiptRecord>("receipts", folder + QStringLiteral("/2024.ric"), sampleReceipt);

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory (max RSS): %.1f MB\n", double(usage.ru_maxrss) / 1024.0);
    return 0;
}
