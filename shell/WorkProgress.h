#pragma once

#include "rules/ListScan.h"

#include <QString>
#include <memory>

class QProgressDialog;
class QWidget;

// The progress window of long work on a large archive (a scan, an export): it shows once the
// work has taken half a second, and its "Annulla" stops the work.
class WorkProgress {
public:
    WorkProgress(QWidget* window, const QString& label, const QString& objectName);
    ~WorkProgress();

    // So much of the work is done; false once the user has cancelled it.
    bool report(qint64 done, qint64 total);
    // Reports the progress of a scan.
    ScanProgress scanProgress() {
        return [this](qint64 done, qint64 total) { return report(done, total); };
    }
    // The window, made at the first report.
    QProgressDialog* dialog() const { return dialog_.get(); }

private:
    QWidget* window_;
    QString label_;
    QString objectName_;
    std::unique_ptr<QProgressDialog> dialog_;
};

// Tests show the progress window without waiting; a negative delay restores the default.
void setWorkProgressDelayForTests(int milliseconds);
