#include "receipts/ReceiptSheet.h"

#include "rules/TextRules.h"
#include "shell/Fonts.h"

namespace {

struct Copy {
    QString suffix;
    qreal shift; // millimetres to the right of copy A
    QColor tint;
    QString title;
    QString note;
};

const Copy copyA{QStringLiteral("_A"), 0, QColor(0xF0, 0xF8, 0xFF),
                 QStringLiteral("COPIA PER SOCIO O CLIENTE"),
                 QStringLiteral("Documento soggetto a imposta di bollo in base alle normative "
                                "vigenti.")};
const Copy copyB{QStringLiteral("_B"), 140, QColor(0xF5, 0xF5, 0xDC),
                 QStringLiteral("COPIA PER ASSOCIAZIONE"),
                 QStringLiteral("Marca da bollo applicata sull'originale ove previsto.")};

constexpr qreal firstItemTop = 86;
constexpr qreal itemStep = 6.6;

QFont arial(int points, bool bold = false) {
    return Fonts::font(Fonts::Family::arial(), points, bold);
}

constexpr Qt::Alignment left = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment leftMiddle = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment rightMiddle = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment centred = Qt::AlignCenter;

// One copy, top to bottom as it reads on paper; x as in copy A, moved by the copy's shift.
QList<ReportObject> copyObjects(const Copy& copy) {
    const auto name = [&copy](const QString& base) { return base + copy.suffix; };
    const auto x = [&copy](qreal left) { return left + copy.shift; };
    const QColor black = Qt::black;
    const QColor white = Qt::white;
    const QColor none;

    QList<ReportObject> objects{
        horizontalLine(name(QStringLiteral("lineTop")), x(10), 10, 135),
        verticalLine(name(QStringLiteral("lineLeft")), x(10), 10, 188),
        verticalLine(name(QStringLiteral("lineRight")), x(145), 10, 188),
        horizontalLine(name(QStringLiteral("lineBottom")), x(10), 198, 135),
        pictureObject(name(QStringLiteral("imgLogo")), {x(12), 12, 60, 38}, false),
        shapeObject(name(QStringLiteral("shpNumRic")), {x(74), 12, 69, 11}, copy.tint, black),
        textObject(name(QStringLiteral("txtNumRic")), {x(76), 13, 65, 4}, arial(9, true), left,
                   QStringLiteral("Ricevuta n.")),
        textObject(name(QStringLiteral("txtData")), {x(76), 17.8, 65, 4}, arial(9), left,
                   QStringLiteral("Data emissione:")),
        shapeObject(name(QStringLiteral("icoBollo")), {x(74), 25, 69, 21}, none, black),
        textObject(name(QStringLiteral("titSpettabile")), {x(74.5), 26, 65, 3.2}, arial(7), left,
                   QStringLiteral("Spettabile")),
        textObject(name(QStringLiteral("txtCliRigo01")), {x(76), 30, 65, 4.8}, arial(8),
                   leftMiddle),
        textObject(name(QStringLiteral("txtCliRigo02")), {x(76), 35, 65, 4.8}, arial(8),
                   leftMiddle),
        textObject(name(QStringLiteral("txtCliRigo03")), {x(76), 40, 65, 4.8}, arial(8),
                   leftMiddle),
        shapeObject(name(QStringLiteral("shpCliente")), {x(74), 47, 69, 13}, white, black),
        textObject(name(QStringLiteral("txtCliRigo04")), {x(76), 48.3, 65, 4.8}, arial(7),
                   leftMiddle),
        textObject(name(QStringLiteral("txtCliRigo05")), {x(76), 54.2, 65, 4.4}, arial(7),
                   leftMiddle),
        shapeObject(name(QStringLiteral("shpFascia")), {x(74), 64, 69, 2}, copy.tint, copy.tint),
        textObject(name(QStringLiteral("txtLavRigo01")), {x(12), 51, 60, 4.8}, arial(8),
                   leftMiddle),
        textObject(name(QStringLiteral("txtLavRigo02")), {x(12), 56, 60, 4.8}, arial(8),
                   leftMiddle),
        textObject(name(QStringLiteral("txtLavRigo03")), {x(12), 61, 60, 4.8}, arial(8),
                   leftMiddle),
        textObject(name(QStringLiteral("txtLavRigo04")), {x(12), 66, 60, 4.8}, arial(8),
                   leftMiddle),
        textObject(name(QStringLiteral("txtLavRigo05")), {x(12), 71, 60, 4.8}, arial(8),
                   leftMiddle),
        shapeObject(name(QStringLiteral("shpCopia")), {x(74), 70, 69, 6}, copy.tint, black),
        textObject(name(QStringLiteral("titCopia")), {x(75), 71, 67.1, 3.8}, arial(8), centred,
                   copy.title),
        shapeObject(name(QStringLiteral("shpIntestazione")), {x(12), 79, 131, 5}, copy.tint, black),
        textObject(name(QStringLiteral("titProdotti")), {x(13), 80, 106.2, 3.2}, arial(7), centred,
                   QStringLiteral("PRODOTTI E SERVIZI FORNITI")),
        textObject(name(QStringLiteral("titImporto")), {x(122), 80, 19.8, 3.2}, arial(7), centred,
                   QStringLiteral("IMPORTO")),
        shapeObject(name(QStringLiteral("shpDatiImmobile")), {x(12), 84, 130.8, 94}, white, black),
        verticalLine(name(QStringLiteral("linColonna")), x(120.5), 79, 98.8),
    };
    for (int row = 1; row <= ReceiptRecord::ItemRows; ++row) {
        const qreal top = firstItemTop + itemStep * (row - 1);
        objects.append(textObject(name(QStringLiteral("txtDescrizione") + twoDigits(row)),
                                  {x(13), top, 106.2, 4.8}, arial(8), leftMiddle,
                                  QStringLiteral("Descrizione")));
        objects.append(textObject(name(QStringLiteral("txtImporto") + twoDigits(row)),
                                  {x(122), top, 19.8, 4.8}, arial(8), rightMiddle,
                                  QStringLiteral("0,00")));
    }
    objects.append({
        shapeObject(name(QStringLiteral("shpTitFirma")), {x(12), 180, 64, 3.4}, copy.tint, black),
        textObject(name(QStringLiteral("titFirma")), {x(13), 180.2, 61.8, 2.8}, arial(6), centred,
                   QStringLiteral("FIRMA PER QUIETANZA")),
        shapeObject(name(QStringLiteral("shpFirma")), {x(12), 183.5, 64, 12.5}, white, black),
        horizontalLine(name(QStringLiteral("linFirma")), x(14.6), 193.8, 58.6),
        shapeObject(name(QStringLiteral("shpQuietanza")), {x(78), 180, 65, 16}, copy.tint, black),
        textObject(name(QStringLiteral("titTotImporti")), {x(79), 180.8, 63, 5.2}, arial(9, true),
                   centred, QStringLiteral("TOTALE RICEVUTA")),
        horizontalLine(name(QStringLiteral("linTotale")), x(78), 187, 65),
        textObject(name(QStringLiteral("txtTotale")), {x(79), 188.2, 62.5, 7.2}, arial(12, true),
                   rightMiddle, QStringLiteral("€ 0,00")),
        textObject(name(QStringLiteral("txtBollo")), {x(10), 198.4, 135, 4.8}, arial(7), left,
                   copy.note),
    });
    return objects;
}

void fillCopy(Report& sheet, const Copy& copy, const ReceiptRecord& receipt) {
    const auto set = [&](const QString& base, const QString& text) {
        sheet.setText(base + copy.suffix, text);
    };
    set(QStringLiteral("txtNumRic"), QStringLiteral("Ricevuta n. ") + receipt.NumRic);
    set(QStringLiteral("txtData"), QStringLiteral("Data emissione:  ") + receipt.Data);
    for (int line = 1; line <= ReceiptRecord::HeaderLines; ++line)
        set(QStringLiteral("txtLavRigo") + twoDigits(line), receipt.LavRigo[line - 1]);
    for (int line = 1; line <= ReceiptRecord::HeaderLines; ++line)
        set(QStringLiteral("txtCliRigo") + twoDigits(line), receipt.CliRigo[line - 1]);
    for (int row = 1; row <= ReceiptRecord::ItemRows; ++row)
        set(QStringLiteral("txtDescrizione") + twoDigits(row), receipt.Descrizione[row - 1]);
    for (int row = 1; row <= ReceiptRecord::ItemRows; ++row)
        set(QStringLiteral("txtImporto") + twoDigits(row), receipt.Importo[row - 1]);
    set(QStringLiteral("txtTotale"), QStringLiteral("€ ") + receipt.Totale);
}

} // namespace

Report receiptSheetTemplate() {
    // The whole sheet is one page-high band: positions are from the sheet's corner.
    Report sheet(QStringLiteral("repDuplice"), QPageLayout::Landscape, QMarginsF());
    sheet.title.height = 205;
    sheet.title.objects = copyObjects(copyA) + copyObjects(copyB);
    return sheet;
}

Report receiptSheet(const ReceiptRecord& receipt, const QImage& logo) {
    Report sheet = receiptSheetTemplate();
    sheet.setPicture(QStringLiteral("imgLogo_A"), logo);
    sheet.setPicture(QStringLiteral("imgLogo_B"), logo);
    fillCopy(sheet, copyA, receipt);
    fillCopy(sheet, copyB, receipt);
    return sheet;
}
