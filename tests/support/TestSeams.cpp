#include "tests/support/TestSeams.h"

#include "storage/FileFaults.h"
#include "storage/NativeFile.h"
#include "storage/StorageNotices.h"
#include "ui/Camera.h"
#include "ui/Clock.h"
#include "ui/DialogRunner.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBox.h"
#include "ui/Printing.h"
#include "ui/Shell.h"

void resetSeamsForTests() {
    setMessageHandlerForTests({});
    setDialogDriverForTests({});
    setShellHandlerForTests({});
    setUserRequestHandlerForTests({});
    setPrintCaptureForTests(std::nullopt);
    setClockForTests(QDateTime());
    setCameraFactoryForTests({});
    NativeFile::refuseLocksForTests(0);
    FileFaults::disarmForTests();
    resetStorageNoticesForTests();
}
