#pragma once

#include <QString>
#include <array>

// The attachments of a member card: three slots, each the name of a file in the attachments
// folder (empty for a free slot) and its description.
struct MemberAttachments {
    static constexpr int SlotCount = 3;

    std::array<QString, SlotCount> files;
    std::array<QString, SlotCount> descriptions;

    bool operator==(const MemberAttachments& other) const {
        return files == other.files && descriptions == other.descriptions;
    }
    bool operator!=(const MemberAttachments& other) const { return !(*this == other); }
};
