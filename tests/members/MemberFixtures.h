#pragma once

#include "members/TfrmAnagrafica.h"
#include "shell/ScreenFlow.h"
#include "storage/MemberRecord.h"
#include "tests/support/MemberArchive.h"
#include "tests/support/ScreenTest.h"

#include <QDateTime>
#include <memory>

MemberRecord storedMember(qint64 position);
qint64 storedMemberCount();

// The member editor shown over a fresh program folder.
class MemberEditorFixture {
protected:
    ScreenTest t;
    std::unique_ptr<ScreenFlow> flow;
    std::unique_ptr<TfrmAnagrafica> editor;

    void showEditor(const QDateTime& now); // from init()
    void closeEditor();                    // from cleanup()
};
