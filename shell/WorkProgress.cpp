#include "shell/WorkProgress.h"

#include <QProgressDialog>
#include <algorithm>

namespace {
// Work shorter than this shows no progress.
constexpr int defaultDelayMs = 500;
int delayMs = defaultDelayMs;
constexpr int dialogWidth = 480; // wide enough for the labels
} // namespace

WorkProgress::WorkProgress(QWidget* window, const QString& label, const QString& objectName)
    : window_(window), label_(label), objectName_(objectName) {}

WorkProgress::~WorkProgress() = default;

bool WorkProgress::report(qint64 done, qint64 total) {
    if (!dialog_) {
        dialog_ =
            std::make_unique<QProgressDialog>(label_, QStringLiteral("Annulla"), 0, 1, window_);
        dialog_->setObjectName(objectName_);
        dialog_->setWindowTitle(window_->windowTitle());
        dialog_->setMinimumWidth(dialogWidth);
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setMinimumDuration(delayMs);
        dialog_->setAutoReset(false); // a cancel at the very end must still count
        dialog_->setAutoClose(false);
        dialog_->setValue(0);
    }
    dialog_->setMaximum(int(std::max(done, total)));
    dialog_->setValue(int(done));
    return !dialog_->wasCanceled();
}

void setWorkProgressDelayForTests(int milliseconds) {
    delayMs = milliseconds < 0 ? defaultDelayMs : milliseconds;
}
