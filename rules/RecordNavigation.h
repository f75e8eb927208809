#pragma once

#include <QtGlobal>

// The four arrows of the editors over a file of records, by 1-based positions; a card not
// stored yet has no position.
enum class NavigationButton { First, Previous, Next, Last };

struct NavigationStep {
    enum class Kind {
        Nothing,             // no message, nothing changes on screen
        Show,                // show the record at position
        ReportEmpty,         // "the archive holds no card"
        ForgetAndReportEmpty // the same, and the card on screen loses its position
    };
    Kind kind = Kind::Nothing;
    qint64 position = 0;

    bool operator==(const NavigationStep& other) const {
        return kind == other.kind && position == other.position;
    }
};

// What an arrow does with `count` records in the file; current is 0 for a card not stored.
// From a card not stored, both Previous and Next show the first record.
NavigationStep navigate(NavigationButton button, qint64 current, qint64 count);
