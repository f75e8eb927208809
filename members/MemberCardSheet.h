#pragma once

#include "storage/MemberRecord.h"
#include "ui/Report.h"

#include <QDateTime>
#include <QImage>
#include <QList>

// The member card "Scheda informativa": one A4 portrait page with eighteen caption and value
// rows, either with the member's photo at the top or with a box for notes at the bottom.

struct MemberCardRow {
    QString caption;
    QString value;
};
constexpr int memberCardRowCount = 18;

// The rows of the card, in order; the days of notice and the attachments are not printed.
QList<MemberCardRow> memberCardRows(const MemberRecord& member);

enum class MemberCardPhoto { With, Without };

// The template, its texts empty.
Report memberCardTemplate(MemberCardPhoto photo);

// The card of a member, printed at that moment; the photo is used only by the template with
// the photo.
Report memberCard(const MemberRecord& member, MemberCardPhoto choice, const QImage& photo,
                  const QDateTime& printedAt);
