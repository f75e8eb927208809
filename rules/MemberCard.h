#pragma once

#include "storage/MemberRecord.h"

#include <QString>
#include <optional>

// A new card: every text empty but the fee "0,00" and the days of notice "0".
MemberRecord newMemberCard();

// Why a card cannot be saved, with the box that gets the focus.
struct CardProblem {
    enum class Kind { Warning, Plain };
    QString box; // name of the edit box
    QString message;
    Kind kind = Kind::Warning;
};

// The first problem of the card, checked in order: name, fee, expiry date missing, expiry date
// that does not exist. Nothing when it can be saved.
std::optional<CardProblem> memberSaveProblem(const MemberRecord& card);
