// The member search and the subscription lists of a large association, 100,000 members: each
// screen timed from the user's click to its first page painted, beside a plain read of Soci.pro
// and a bare QListView showing the same lines, and checked against the slow path. Headless:
// QT_QPA_PLATFORM=offscreen bench_member_lists [folder] (default: a temporary folder).
#include "bench/ScreenBench.h"
#include "bench/SlowPath.h"
#include "members/TfrmScadute.h"
#include "members/TfrmSospesi.h"
#include "members/TfrmTrovaAnagrafica.h"
#include "rules/MemberLists.h"
#include "storage/TextCodec.h"
#include "ui/Clock.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <memory>

namespace {

constexpr qint64 members = 100000;
// Inside the generated expiry dates (2024 to 2027), so both lists hold many members.
const QDate day(2025, 6, 15);

// The search window with one criterion typed, timed from the click on "Cerca".
ScreenRun searchScreen(QLineEdit* TfrmTrovaAnagrafica::*box, const QString& typed) {
    TfrmTrovaAnagrafica window(nullptr);
    window.show();
    (window.*box)->setText(typed);
    const qint64 nanoseconds = untilFirstPaint([&] {
        window.btnCerca->click();
        return &window;
    });
    return {nanoseconds, window.model().lines()};
}

// A subscription list, opened by the editor's button: built when shown.
template <class Window> ScreenRun subscriptionScreen() {
    std::unique_ptr<Window> window;
    const qint64 nanoseconds = untilFirstPaint([&] {
        window = std::make_unique<Window>(nullptr);
        return window.get();
    });
    return {nanoseconds, window->model().lines()};
}

template <class Listed> QStringList slowMembers(const QString& path, const Listed& listed) {
    QStringList lines;
    for (const MemberRecord& member : decodedMembers(path)) {
        if (listed(member))
            lines.append(slowMemberLine(member));
    }
    return plainlySorted(lines);
}

// A search by one box; the scan alone is timed too when it lists few lines.
ScreenCase searchCase(const char* name, const QString& path, QLineEdit* TfrmTrovaAnagrafica::*box,
                      QString MemberRecord::*field, FieldSpec searched, const QString& typed) {
    ScreenCase screenCase{name, [box, typed] { return searchScreen(box, typed); },
                          [path, field, typed] {
                              return slowMembers(path, [field, typed](const MemberRecord& member) {
                                  return holdsTyped(member.*field, typed);
                              });
                          }};
    if (!typed.isEmpty())
        screenCase.scan = [path, search = MemberSearch({{searched, typed}})] {
            searchMembers(path, search);
        };
    return screenCase;
}

// From the days of notice before the expiry date (notice 0: the expiry date itself) onwards.
bool expiringOrExpired(const MemberRecord& member) {
    return slowDate(member.DataSca).addDays(-trimBlanks(member.Preavviso).toInt()) <= day;
}

bool expired(const MemberRecord& member) {
    return slowDate(member.DataSca) < day;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const ScreenBench bench = ScreenBench::withMembers(members);
    const QString path = bench.archivePath();
    setClockForTests(QDateTime(day, QTime(9, 0)));

    const std::vector<ScreenCase> cases{
        searchCase("search name \"ross\"", path, &TfrmTrovaAnagrafica::txtDipendente,
                   &MemberRecord::Dipendente, MemberFields::Dipendente, QStringLiteral("ross")),
        searchCase("search city \"roma\"", path, &TfrmTrovaAnagrafica::txtCitta,
                   &MemberRecord::Citta, MemberFields::Citta, QStringLiteral("roma")),
        searchCase("search without criteria (all)", path, &TfrmTrovaAnagrafica::txtDipendente,
                   &MemberRecord::Dipendente, MemberFields::Dipendente, QString()),
        {"expiring or expired list", subscriptionScreen<TfrmSospesi>,
         [&] { return slowMembers(path, expiringOrExpired); }},
        {"expired list", subscriptionScreen<TfrmScadute>,
         [&] { return slowMembers(path, expired); }},
    };
    return bench.run(cases);
}
