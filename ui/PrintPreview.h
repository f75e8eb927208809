#pragma once

#include "ui/Report.h"

#include <QDialog>
#include <QPrinter>

class QAction;
class QLabel;
class QPrintPreviewWidget;
class QToolBar;

// The preview of a prepared report, maximized, at 100 %: the pages can be looked at, zoomed
// and printed, never changed (no page setup, no orientation).
class ReportPreview : public QDialog {
    Q_OBJECT
public:
    ReportPreview(QWidget* parent, const PreparedReport& report);

    QToolBar* tlbComandi;
    QPrintPreviewWidget* prvPagine;
    QLabel* lblZoom;
    QAction *actStampa, *actZoomAvanti, *actZoomIndietro, *actAdatta, *actSchermoIntero, *actChiudi;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QAction* addCommand(const QString& name, const QString& text, const QString& hint);
    void showZoom();
    void setFullScreen(bool on);

    PreparedReport report_;
    QPrinter printer_;
};

// Opens the preview window over the report prepared with today's date, modally.
void previewReport(QWidget* parent, const Report& report);
