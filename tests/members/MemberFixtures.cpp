#include "tests/members/MemberFixtures.h"

#include "storage/ProgramFolder.h"
#include "storage/RecordFile.h"
#include "ui/Clock.h"

#include <QFileInfo>

MemberRecord storedMember(qint64 position) {
    RecordFile<MemberRecord> archive;
    archive.openOrCreate(membersArchivePath());
    archive.seek(position - 1);
    return archive.read();
}

qint64 storedMemberCount() {
    return QFileInfo(membersArchivePath()).size() / MemberRecord::Size;
}

void MemberEditorFixture::showEditor(const QDateTime& now) {
    t.setUpSeams();
    setClockForTests(now);
    flow = std::make_unique<ScreenFlow>([] {});
    editor = std::make_unique<TfrmAnagrafica>(*flow);
    flow->add(Screen::Anagrafica, editor.get());
    flow->moveTo(Screen::Anagrafica, nullptr);
    QVERIFY(QTest::qWaitForWindowActive(editor.get()));
}

void MemberEditorFixture::closeEditor() {
    t.tearDownSeams();
    editor.reset();
    flow.reset();
}
