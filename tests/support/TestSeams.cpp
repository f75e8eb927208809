#include "tests/support/TestSeams.h"

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
}
