#include "ui/PrintPreview.h"

#include "ui/Clock.h"
#include "ui/DialogRunner.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QResizeEvent>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>

namespace {
constexpr qreal zoomStep = 1.25;
}

ReportPreview::ReportPreview(QWidget* parent, const PreparedReport& report)
    : QDialog(parent), report_(report), printer_(QPrinter::HighResolution) {
    setObjectName(QStringLiteral("frmAnteprima"));
    setWindowTitle(QStringLiteral(" Anteprima di stampa"));
    setUpPrinter(printer_, report_);

    tlbComandi = new QToolBar(this);
    tlbComandi->setObjectName(QStringLiteral("tlbComandi"));
    tlbComandi->setToolButtonStyle(Qt::ToolButtonTextOnly);
    actStampa = addCommand(QStringLiteral("actStampa"), QStringLiteral("Stampa..."),
                           QStringLiteral("Stampa il documento."));
    tlbComandi->addSeparator();
    actZoomAvanti = addCommand(QStringLiteral("actZoomAvanti"), QStringLiteral("Ingrandisci"),
                               QStringLiteral("Aumenta lo zoom."));
    actZoomIndietro = addCommand(QStringLiteral("actZoomIndietro"), QStringLiteral("Riduci"),
                                 QStringLiteral("Riduce lo zoom."));
    actAdatta = addCommand(QStringLiteral("actAdatta"), QStringLiteral("Pagina intera"),
                           QStringLiteral("Mostra la pagina intera nella finestra."));
    lblZoom = new QLabel(tlbComandi);
    lblZoom->setObjectName(QStringLiteral("lblZoom"));
    lblZoom->setMinimumWidth(lblZoom->fontMetrics().horizontalAdvance(QStringLiteral("0000 %")));
    lblZoom->setAlignment(Qt::AlignCenter);
    tlbComandi->addWidget(lblZoom);
    tlbComandi->addSeparator();
    actSchermoIntero =
        addCommand(QStringLiteral("actSchermoIntero"), QStringLiteral("Schermo intero"),
                   QStringLiteral("Mostra l'anteprima a schermo intero."));
    actSchermoIntero->setCheckable(true);
    actChiudi = addCommand(QStringLiteral("actChiudi"), QStringLiteral("Chiudi"),
                           QStringLiteral("Chiude l'anteprima."));

    prvPagine = new QPrintPreviewWidget(&printer_, this);
    prvPagine->setObjectName(QStringLiteral("prvPagine"));
    prvPagine->setZoomMode(QPrintPreviewWidget::CustomZoom);
    prvPagine->setZoomFactor(1.0);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetNoConstraint); // a maximized window: no minimum to keep
    layout->addWidget(tlbComandi);
    layout->addWidget(prvPagine);

    connect(prvPagine, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* target) { renderReport(report_, *target); });
    connect(prvPagine, &QPrintPreviewWidget::previewChanged, this, &ReportPreview::showZoom);
    connect(actStampa, &QAction::triggered, this, [this] { printPreparedReport(this, report_); });
    connect(actZoomAvanti, &QAction::triggered, this, [this] {
        prvPagine->zoomIn(zoomStep);
        showZoom();
    });
    connect(actZoomIndietro, &QAction::triggered, this, [this] {
        prvPagine->zoomOut(zoomStep);
        showZoom();
    });
    connect(actAdatta, &QAction::triggered, this, [this] {
        prvPagine->fitInView();
        showZoom();
    });
    connect(actSchermoIntero, &QAction::toggled, this, &ReportPreview::setFullScreen);
    connect(actChiudi, &QAction::triggered, this, &QDialog::accept);
    showZoom();
    setWindowState(Qt::WindowMaximized);
}

QAction* ReportPreview::addCommand(const QString& name, const QString& text, const QString& hint) {
    QAction* action = tlbComandi->addAction(text);
    action->setObjectName(name);
    action->setToolTip(hint);
    return action;
}

void ReportPreview::showZoom() {
    lblZoom->setText(QStringLiteral("%1 %").arg(std::lround(prvPagine->zoomFactor() * 100)));
}

void ReportPreview::setFullScreen(bool on) {
    setWindowState(on ? Qt::WindowFullScreen : Qt::WindowMaximized);
}

// A page fitted to the window changes its zoom with the window.
void ReportPreview::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    layout()->activate();
    showZoom();
}

// Escape first leaves the full screen, as the user who entered it expects.
void ReportPreview::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && actSchermoIntero->isChecked()) {
        actSchermoIntero->setChecked(false);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void previewReport(QWidget* parent, const Report& report) {
    ReportPreview preview(parent, report.prepare(today()));
    execDialog(preview);
}
