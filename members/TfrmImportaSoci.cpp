#include "members/TfrmImportaSoci.h"

#include "members/MembersImportHelpText.h"
#include "rules/TextRules.h"
#include "shell/Controls.h"
#include "shell/EditBoxes.h"
#include "shell/Fonts.h"
#include "shell/HintLine.h"
#include "shell/TfrmGuida.h"
#include "storage/MemberRecord.h"
#include "storage/ProgramFolder.h"
#include "storage/RecordFile.h"
#include "storage/StorageError.h"
#include "storage/TextCodec.h"
#include "storage/WholeFileWriter.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBox.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <algorithm>
#include <utility>

namespace {

constexpr QSize windowSize{900, 680};
constexpr int margin = 20;
constexpr int columnLabelWidth = 190;
const QString notImported = QStringLiteral("(non importare)");

QFont smallText() {
    return Fonts::font(Fonts::Family::verdana(), 10, false);
}

QComboBox* addChoice(QWidget* parent, const QString& name, const QStringList& choices) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setFont(smallText());
    box->addItems(choices);
    return box;
}

QLabel* addSmallLabel(QWidget* parent, const QString& name, const QString& text,
                      const QRect& where) {
    QLabel* label = addLabel(parent, name, text, where);
    label->setFont(Fonts::font(Fonts::Family::verdana(), 10, true));
    return label;
}

// The separator and character set choices, in the order of their boxes.
const QList<QChar> separators{QLatin1Char(';'), QLatin1Char(',')};
const QList<CsvEncoding> encodings{CsvEncoding::Utf8, CsvEncoding::Windows1252};

} // namespace

TfrmImportaSoci::TfrmImportaSoci(QWidget* opener)
    : FixedDialog(opener, QStringLiteral("TfrmImportaSoci"),
                  QStringLiteral(" Importa soci da file CSV"), windowSize) {
    applyTextConventions();
    buildFileChoice();
    buildPreview();
    buildOutcome();
    hints_ = addHintLine(this, this, QStringLiteral("Importazione soci da un file CSV."));
    panInfo = hints_->panInfo();
    addHints();
    orderTabs();
    focusBox(btnScegli);
}

void TfrmImportaSoci::buildFileChoice() {
    lblIstruzioni = addInstruction(
        this, QStringLiteral("lblIstruzioni"),
        QStringLiteral("Scegliere il file CSV salvato dal foglio di calcolo: la prima riga deve "
                       "contenere i nomi delle colonne. Indicare per ogni colonna il campo della "
                       "scheda, poi premere Importa."),
        QRect(margin, 10, 860, 48));
    addSmallLabel(this, QStringLiteral("lblFile"), QStringLiteral("File:"),
                  QRect(margin, 68, 60, 30));
    txtFile = addEditBox(this, QStringLiteral("txtFile"), QRect(80, 68, 600, 30), smallText());
    txtFile->setReadOnly(true);
    txtFile->setFocusPolicy(Qt::NoFocus);
    btnScegli = addButton(this, QStringLiteral("btnScegli"), QStringLiteral("Scegli file..."),
                          QRect(690, 66, 190, 34));
    addSmallLabel(this, QStringLiteral("lblSeparatore"), QStringLiteral("Separatore:"),
                  QRect(margin, 110, 100, 30));
    cboSeparatore =
        addChoice(this, QStringLiteral("cboSeparatore"),
                  {QStringLiteral("Punto e virgola ( ; )"), QStringLiteral("Virgola ( , )")});
    cboSeparatore->setGeometry(125, 110, 220, 30);
    addSmallLabel(this, QStringLiteral("lblCodifica"), QStringLiteral("Codifica:"),
                  QRect(370, 110, 90, 30));
    cboCodifica = addChoice(this, QStringLiteral("cboCodifica"),
                            {encodingName(encodings[0]), encodingName(encodings[1])});
    cboCodifica->setGeometry(460, 110, 220, 30);
    connect(btnScegli, &QPushButton::clicked, this, &TfrmImportaSoci::chooseFile);
    connect(cboSeparatore, &QComboBox::activated, this, &TfrmImportaSoci::readFile);
    connect(cboCodifica, &QComboBox::activated, this, &TfrmImportaSoci::readFile);
    onEnter(cboSeparatore, [this] { focusBox(cboCodifica); });
    onEnter(cboCodifica, [this] { focusBox(grdAnteprima); });
}

void TfrmImportaSoci::buildPreview() {
    addSmallLabel(this, QStringLiteral("lblAnteprima"),
                  QStringLiteral("Anteprima delle prime %1 righe:").arg(PreviewRows),
                  QRect(margin, 150, 400, 22));
    grdAnteprima = new QTableWidget(this);
    grdAnteprima->setObjectName(QStringLiteral("grdAnteprima"));
    grdAnteprima->setGeometry(margin, 174, 860, 190);
    grdAnteprima->setFont(smallText());
    grdAnteprima->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdAnteprima->setWordWrap(false);
    grdAnteprima->setTabKeyNavigation(false);
    addSmallLabel(this, QStringLiteral("lblColonne"),
                  QStringLiteral("Campo della scheda per ogni colonna:"),
                  QRect(margin, 372, 420, 22));
    panColonne = new QScrollArea(this);
    panColonne->setObjectName(QStringLiteral("panColonne"));
    panColonne->setGeometry(margin, 396, 420, 190);
    panColonne->setWidgetResizable(true);
    panColonne->setFocusPolicy(Qt::NoFocus);
    onEnter(grdAnteprima, [this] { focusBox(firstColumnOr(btnImporta)); });
}

void TfrmImportaSoci::buildOutcome() {
    addSmallLabel(this, QStringLiteral("lblScartate"), QStringLiteral("Righe scartate:"),
                  QRect(460, 372, 420, 22));
    lstScartate = new QListWidget(this);
    lstScartate->setObjectName(QStringLiteral("lstScartate"));
    lstScartate->setGeometry(460, 396, 420, 190);
    lstScartate->setFont(smallText());
    // A reason reads whole, on as many lines as it needs.
    lstScartate->setWordWrap(true);
    lstScartate->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int buttonsTop = 598;
    btnImporta = addButton(this, QStringLiteral("btnImporta"), QStringLiteral("Importa"),
                           QRect(margin, buttonsTop, 150, 36));
    btnSalvaResoconto =
        addButton(this, QStringLiteral("btnSalvaResoconto"), QStringLiteral("Salva resoconto..."),
                  QRect(460, buttonsTop, 200, 36));
    btnSalvaResoconto->setEnabled(false);
    btnGuida = addButton(this, QStringLiteral("btnGuida"), QStringLiteral("Guida"),
                         QRect(670, buttonsTop, 100, 36));
    btnChiudi = addButton(this, QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"),
                          QRect(780, buttonsTop, 100, 36));
    connect(btnImporta, &QPushButton::clicked, this, &TfrmImportaSoci::importMembers);
    connect(btnSalvaResoconto, &QPushButton::clicked, this, &TfrmImportaSoci::saveReport);
    connect(btnGuida, &QPushButton::clicked, this,
            [this] { showHelp(this, membersImportHelpTitle(), membersImportHelpText()); });
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    onEnter(lstScartate,
            [this] { focusBox(btnSalvaResoconto->isEnabled() ? btnSalvaResoconto : btnGuida); });
}

void TfrmImportaSoci::addHints() {
    const QList<QPair<QWidget*, const char16_t*>> hints{
        {btnScegli, u"Scegli il file CSV da importare."},
        {cboSeparatore, u"Il separatore delle colonne trovato nel file: cambiarlo se "
                        u"l'anteprima non è corretta."},
        {cboCodifica, u"La codifica dei caratteri trovata nel file: cambiarla se le lettere "
                      u"accentate non sono corrette."},
        {grdAnteprima, u"Le prime righe del file, come verranno lette."},
        {grdAnteprima->viewport(), u"Le prime righe del file, come verranno lette."},
        {lstScartate, u"Le righe che non possono essere importate, con il motivo."},
        {lstScartate->viewport(), u"Le righe che non possono essere importate, con il motivo."},
        {btnImporta, u"Controlla le righe del file e aggiunge i soci all'archivio."},
        {btnSalvaResoconto, u"Salva il resoconto dell'importazione in un file di testo."},
        {btnGuida, u"Visualizza la pagina della guida sensibile al contesto."},
        {btnChiudi, u"Esci da questo ambiente di lavoro."},
    };
    for (const auto& [control, hint] : hints)
        hints_->addHint(control, QString::fromUtf16(hint));
    hints_->addBackground(panColonne->viewport());
}

void TfrmImportaSoci::chooseFile() {
    const std::optional<QString> path =
        askOpenFileName(this, QStringLiteral("Selezionare il file CSV dei soci:"), QString(),
                        QStringLiteral("File CSV (*.csv *.txt)"));
    if (!path)
        return;
    const std::optional<QByteArray> bytes = readFileBytes(*path);
    if (!bytes) {
        showMessage(this, MessageKind::Error,
                    QStringLiteral("Attenzione: il sistema non permette di leggere il file ") +
                        QFileInfo(*path).fileName() + QLatin1Char('.'));
        return;
    }
    csvPath_ = *path;
    csvBytes_ = *bytes;
    txtFile->setText(QDir::toNativeSeparators(csvPath_));
    const CsvFormat found = detectCsvFormat(csvBytes_);
    cboSeparatore->setCurrentIndex(int(separators.indexOf(found.separator)));
    cboCodifica->setCurrentIndex(int(encodings.indexOf(found.encoding)));
    readFile();
    focusBox(btnImporta);
}

void TfrmImportaSoci::readFile() {
    if (csvPath_.isEmpty())
        return;
    table_ = readCsv(csvBytes_, {encodings[cboCodifica->currentIndex()],
                                 separators[cboSeparatore->currentIndex()]});
    showPreview();
    showColumns();
    showRefusals({});
    report_.clear();
    btnSalvaResoconto->setEnabled(false);
}

void TfrmImportaSoci::showPreview() {
    qsizetype columns = table_.header.size();
    const qsizetype rows = std::min<qsizetype>(table_.rows.size(), PreviewRows);
    for (qsizetype row = 0; row < rows; ++row)
        columns = std::max(columns, table_.rows[row].size());
    grdAnteprima->clear();
    grdAnteprima->setColumnCount(int(columns));
    grdAnteprima->setRowCount(int(rows));
    grdAnteprima->setHorizontalHeaderLabels(table_.header);
    for (qsizetype row = 0; row < rows; ++row) {
        const QStringList& cells = table_.rows[row];
        for (qsizetype column = 0; column < cells.size(); ++column)
            grdAnteprima->setItem(int(row), int(column), new QTableWidgetItem(cells[column]));
    }
    grdAnteprima->resizeColumnsToContents();
}

// One choice per column of the header, named after its column; the guess from the header's
// text is chosen.
void TfrmImportaSoci::showColumns() {
    QStringList fieldChoices{notImported};
    for (int field = 0; field < importFieldCount(); ++field)
        fieldChoices << importFieldLabel(field);
    auto* columns = new QWidget;
    auto* layout = new QFormLayout(columns);
    cboCampi.clear();
    const std::vector<int> guessed = guessImportFields(table_.header);
    for (qsizetype column = 0; column < table_.header.size(); ++column) {
        const QString number = twoDigits(int(column + 1));
        auto* label = new QLabel(columns);
        label->setObjectName(QStringLiteral("lblColonna") + number);
        label->setFont(smallText());
        const QString name = QStringLiteral("%1. ").arg(column + 1) + table_.header[column];
        label->setText(label->fontMetrics().elidedText(name, Qt::ElideRight, columnLabelWidth));
        label->setFixedWidth(columnLabelWidth + 8);
        QComboBox* box = addChoice(columns, QStringLiteral("cboCampo") + number, fieldChoices);
        box->setCurrentIndex(guessed[std::size_t(column)] + 1);
        box->setMaxVisibleItems(importFieldCount() + 1);
        hints_->addHint(box, QStringLiteral("Il campo della scheda in cui importare la colonna ") +
                                 QString::number(column + 1) + QLatin1Char('.'));
        layout->addRow(label, box);
        connect(box, &QComboBox::activated, this, [this, box] { fieldChosen(box); });
        cboCampi << box;
    }
    for (qsizetype i = 0; i < cboCampi.size(); ++i) {
        QWidget* next = i + 1 < cboCampi.size() ? static_cast<QWidget*>(cboCampi[i + 1])
                                                : static_cast<QWidget*>(btnImporta);
        onEnter(cboCampi[i], [next] { focusBox(next); });
    }
    panColonne->setWidget(columns); // the previous columns' choices go with their widget
    orderTabs();
}

// Tab goes from the file to its format, the preview, the columns in order, then the buttons.
void TfrmImportaSoci::orderTabs() {
    QList<QWidget*> order{btnScegli, cboSeparatore, cboCodifica, grdAnteprima};
    for (QComboBox* box : std::as_const(cboCampi))
        order << box;
    order << QList<QWidget*>{btnImporta, lstScartate, btnSalvaResoconto, btnGuida, btnChiudi};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// A field is filled from one column only: the column that had it before gives it up.
void TfrmImportaSoci::fieldChosen(QComboBox* chosen) {
    if (chosen->currentIndex() == 0)
        return;
    for (QComboBox* box : std::as_const(cboCampi))
        if (box != chosen && box->currentIndex() == chosen->currentIndex())
            box->setCurrentIndex(0);
}

QWidget* TfrmImportaSoci::firstColumnOr(QWidget* otherwise) const {
    return cboCampi.isEmpty() ? otherwise : cboCampi.first();
}

std::vector<int> TfrmImportaSoci::chosenFields() const {
    std::vector<int> fields;
    for (const QComboBox* box : cboCampi)
        fields.push_back(box->currentIndex() - 1);
    return fields;
}

void TfrmImportaSoci::importMembers() {
    if (csvPath_.isEmpty()) {
        showMessage(this, MessageKind::Warning,
                    QStringLiteral("Attenzione: scegliere prima il file CSV da importare."));
        focusBox(btnScegli);
        return;
    }
    const std::vector<int> fields = chosenFields();
    if (std::find(fields.begin(), fields.end(), 0) == fields.end()) {
        showMessage(this, MessageKind::Warning,
                    QStringLiteral("Attenzione: indicare la colonna che contiene il cognome e "
                                   "nome dei soci."));
        focusBox(firstColumnOr(btnScegli));
        return;
    }
    const ImportCheck check = checkImport(table_, fields);
    const QString fileName = QFileInfo(csvPath_).fileName();
    showRefusals(check.refusals);
    report_ = importReportText(fileName, 0, check.refusals);
    btnSalvaResoconto->setEnabled(true);
    if (check.members.empty()) {
        showMessage(this, MessageKind::Warning,
                    QStringLiteral("Attenzione: nessuna riga del file può essere importata.\n\r\n\r"
                                   "I motivi sono elencati tra le righe scartate."));
        return;
    }
    const QString counts =
        QStringLiteral("Soci da aggiungere all'archivio: %1.\r\nRighe scartate: %2.")
            .arg(check.members.size())
            .arg(check.refusals.size());
    if (!askQuestion(this, counts + QStringLiteral("\r\n\r\nSi vuole procedere con "
                                                   "l'importazione?")))
        return;
    qint64 first = 0;
    try {
        RecordFile<MemberRecord> archive;
        archive.openOrCreate(membersArchivePath());
        first = archive.appendAll(check.members);
        archive.close();
    } catch (const StorageError&) {
        showMessage(this, MessageKind::Error,
                    QStringLiteral("Attenzione: il sistema non permette di scrivere nell'archivio "
                                   "dei soci.\n\r\n\rL'importazione è stata annullata: nessun "
                                   "socio è stato aggiunto e l'archivio è rimasto com'era."));
        return;
    }
    const qint64 last = first + qint64(check.members.size()) - 1;
    report_ = importReportText(fileName, qsizetype(check.members.size()), check.refusals);
    showMessage(this, MessageKind::Information,
                QStringLiteral("Soci aggiunti all'archivio: %1 (schede da %2 a %3).\r\nRighe "
                               "scartate: %4.")
                    .arg(check.members.size())
                    .arg(first)
                    .arg(last)
                    .arg(check.refusals.size()));
}

void TfrmImportaSoci::showRefusals(const QStringList& refusals) {
    lstScartate->clear();
    lstScartate->addItems(refusals);
}

void TfrmImportaSoci::saveReport() {
    const QFileInfo csv(csvPath_);
    const std::optional<QString> path = askSaveFileName(
        this, QStringLiteral("Salva resoconto dell'importazione"),
        csv.absoluteDir().filePath(csv.completeBaseName() + QStringLiteral("_resoconto.txt")),
        QStringLiteral("File di testo (*.txt)"));
    if (!path)
        return;
    try {
        replaceWholeFile(*path, toWindows1252(report_));
    } catch (const StorageError&) {
        showMessage(this, MessageKind::Error,
                    QStringLiteral("Attenzione: il sistema non permette di salvare il "
                                   "resoconto.\n\r\n\rAccertarsi di poter scrivere nella cartella "
                                   "scelta."));
        return;
    }
    showMessage(this, MessageKind::Information,
                QStringLiteral("Il resoconto è stato salvato nel file ") +
                    QFileInfo(*path).fileName() + QLatin1Char('.'));
}
