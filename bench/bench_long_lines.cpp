// Text files that grew without limit: a price list and a settings file each holding one line of
// 1, 2, 4 and 8 MB, read and shown as the screens do (the price list window's box, the receipt
// editor's box, the receipts settings). Target: the time per MB stays the same as the line grows
// (reading is linear in the file's size) and a 5 MB line is shown well within a second.
// Headless: QT_QPA_PLATFORM=offscreen bench_long_lines
#include "bench/BenchTiming.h"
#include "receipts/PriceListBox.h"
#include "storage/IniFile.h"
#include "storage/PriceListFile.h"
#include "storage/ProgramFolder.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

QByteArray longLine(qsizetype bytes) {
    QByteArray line("Quota sociale                                       \x80 25,00       ");
    line.reserve(bytes);
    while (line.size() < bytes)
        line.append("abcdefghij klmnopqrs tuvwxyz \x80\xE0 ");
    line.truncate(bytes);
    return line;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

double shownInBox(PriceListBox& box) {
    return timed([&] {
               box.reload();
               box.show();
               box.repaint();
               QApplication::processEvents();
           }) /
           1e6;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTemporaryDir folder;
    setProgramFolderForTests(folder.path());
    std::printf("%8s %12s %12s %12s %12s   (ms; ms per MB)\n", "MB", "read list", "list window",
                "receipt box", "settings");
    for (int megabytes : {1, 2, 4, 8}) {
        const QByteArray line = longLine(qsizetype(megabytes) << 20);
        writeFile(priceListPath(), "Corso di nuoto\r\n" + line + "\r\n");
        writeFile(receiptSettingsPath(), "[Numerazione Ricevute]\r\nInizio=" + line + "\r\n");

        const double read = timed([] { readPriceListFile(priceListPath()); }) / 1e6;
        PriceListBox window(QStringLiteral("lstRecords"), 750, nullptr);
        const double inWindow = shownInBox(window);
        PriceListBox receipt(QStringLiteral("lstRecords"), PriceListBox::FittedLines::ToTheBox,
                             nullptr);
        const double inReceipt = shownInBox(receipt);
        const double settings =
            timed([] {
                IniFile::load(receiptSettingsPath())
                    .value(QStringLiteral("Numerazione Ricevute"), QStringLiteral("Inizio"));
            }) /
            1e6;
        std::printf("%8d %7.0f %4.0f %7.0f %4.0f %7.0f %4.0f %7.0f %4.0f\n", megabytes, read,
                    read / megabytes, inWindow, inWindow / megabytes, inReceipt,
                    inReceipt / megabytes, settings, settings / megabytes);
    }
    return 0;
}
