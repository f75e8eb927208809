#include "members/MemberCardSheet.h"

#include "rules/TextRules.h"
#include "shell/Fonts.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor darkOrange(0xFF, 0x8C, 0x00);
const QColor teal(0x00, 0x80, 0x80);

constexpr Qt::Alignment leftMiddle = Qt::AlignLeft | Qt::AlignVCenter;
constexpr qreal captionPadding = 1; // millimetres, so that a caption does not touch its edge

QFont arial(int points) {
    return Fonts::font(Fonts::Family::arial(), points, false);
}

// The small folder drawn in the corner of every card.
QImage folderIcon() {
    QImage icon(170, 130, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xB3, 0x6B, 0x00), 4));
    QPainterPath back;
    back.moveTo(8, 24);
    back.lineTo(60, 24);
    back.lineTo(72, 10);
    back.lineTo(162, 10);
    back.lineTo(162, 120);
    back.lineTo(8, 120);
    back.closeSubpath();
    painter.setBrush(QColor(0xF5, 0xB7, 0x31));
    painter.drawPath(back);
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(24, 30, 122, 60));
    painter.setBrush(QColor(0xFF, 0xCC, 0x4D));
    painter.drawRect(QRectF(8, 44, 154, 76));
    return icon;
}

ReportObject folder() {
    ReportObject object = pictureObject(QStringLiteral("imgCartella"), {3, 3, 17, 13}, true);
    object.picture = folderIcon();
    return object;
}

ReportObject padded(ReportObject object) {
    object.padding = captionPadding;
    return object;
}

// Everything above the rows and the footer, with the photo box or the notes box.
QList<ReportObject> cardObjects(MemberCardPhoto photo) {
    QList<ReportObject> objects{
        folder(),
        textObject(QStringLiteral("txtTitolo"), {23, 3, 165, 9}, arial(16), Qt::AlignCenter,
                   Qt::white, darkOrange),
        horizontalLine(QStringLiteral("linSepara01"), 23, 16, 165),
    };
    if (photo == MemberCardPhoto::With)
        objects.append(pictureObject(QStringLiteral("imgFoto"), {4, 21, 183, 79}, true));
    const qreal firstRow = photo == MemberCardPhoto::With ? 104 : 24;
    const qreal rowStep = photo == MemberCardPhoto::With ? 9 : 10;
    for (int row = 1; row <= memberCardRowCount; ++row) {
        const qreal top = firstRow + rowStep * (row - 1);
        objects.append(padded(textObject(QStringLiteral("titCampo") + twoDigits(row),
                                         {3, top, 52, 6}, arial(9), leftMiddle, Qt::white, teal)));
        objects.append(textObject(QStringLiteral("txtCampo") + twoDigits(row), {60, top, 128, 6},
                                  arial(10), leftMiddle));
    }
    if (photo == MemberCardPhoto::Without) {
        objects.append(
            shapeObject(QStringLiteral("shpAppunti"), {3, 204, 185, 57}, QColor(), Qt::black));
        objects.append(textObject(QStringLiteral("titAppunti"), {4, 205, 34, 4}, arial(6),
                                  Qt::AlignLeft | Qt::AlignTop,
                                  QStringLiteral("SPAZIO PER APPUNTI:")));
    }
    objects.append(horizontalLine(QStringLiteral("linSepara02"), 3, 265, 185));
    objects.append(textObject(QStringLiteral("txtCalce"), {3, 269, 185, 6}, arial(10),
                              Qt::AlignCenter, Qt::white, darkOrange));
    return objects;
}

} // namespace

QList<MemberCardRow> memberCardRows(const MemberRecord& member) {
    return {
        {QStringLiteral("Cognome e nome:"), member.Dipendente},
        {QStringLiteral("Tessera n."), member.Cittadinanza},
        {QStringLiteral("Quota associativa:"), QStringLiteral("€ ") + member.Stipendio},
        {QStringLiteral("Luogo di nascita:"), member.Luogo},
        {QStringLiteral("Data di nascita:"), member.DataNasc},
        {QStringLiteral("Codice fiscale:"), member.CodFisc},
        {QStringLiteral("Partita IVA:"), member.PartitaIva},
        {QStringLiteral("Indirizzo di residenza:"), member.Indirizzo},
        {QStringLiteral("Città:"), member.Citta},
        {QStringLiteral("Provincia:"), member.Prov},
        {QStringLiteral("CAP:"), member.Cap},
        {QStringLiteral("Qualifiche:"), member.Qualifiche},
        {QStringLiteral("Incarico ricoperto:"), member.Familiari},
        {QStringLiteral("IBAN:"), member.Iban},
        {QStringLiteral("Note:"), member.Note},
        {QStringLiteral("Scadenza abbonamento:"), member.DataSca},
        {QStringLiteral("Recapito telefonico:"), member.Recapito},
        {QStringLiteral("E-mail:"), member.Email},
    };
}

Report memberCardTemplate(MemberCardPhoto photo) {
    // One band as high as the page inside the margins: positions are from the margins' corner.
    Report card(QStringLiteral("Scheda informativa"), QPageLayout::Portrait,
                QMarginsF(10, 10, 10, 10));
    card.title.height = 277;
    card.title.objects = cardObjects(photo);
    return card;
}

Report memberCard(const MemberRecord& member, MemberCardPhoto choice, const QImage& photo,
                  const QDateTime& printedAt) {
    Report card = memberCardTemplate(choice);
    if (choice == MemberCardPhoto::With)
        card.setPicture(QStringLiteral("imgFoto"), photo);
    card.setText(QStringLiteral("txtTitolo"), QStringLiteral("SCHEDA DATI ANAGRAFICI SOCIO"));
    const QList<MemberCardRow> rows = memberCardRows(member);
    for (int row = 1; row <= memberCardRowCount; ++row) {
        card.setText(QStringLiteral("titCampo") + twoDigits(row), rows.at(row - 1).caption);
        card.setText(QStringLiteral("txtCampo") + twoDigits(row), rows.at(row - 1).value);
    }
    card.setText(QStringLiteral("txtCalce"),
                 QStringLiteral("Stampa eseguita in data ") + dateText(printedAt.date()) +
                     QStringLiteral(" alle ore ") +
                     printedAt.time().toString(QStringLiteral("HH:mm:ss")));
    return card;
}
