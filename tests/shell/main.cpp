#include "tests/shell/ShellTests.h"
#include "ui/Application.h"

#include <QTest>
#include <memory>

int main(int argc, char** argv) {
    Application application(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    int failures = 0;
    for (auto* makeTests : {newSeamTests, newBehaviourTests, newPasswordTests, newDialogTests,
                            newTextFitTests, newSummaryListTests}) {
        std::unique_ptr<QObject> tests(makeTests());
        failures += QTest::qExec(tests.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
