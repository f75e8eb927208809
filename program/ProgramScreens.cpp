#include "program/ProgramScreens.h"

#include "members/TfrmAnagrafica.h"
#include "receipts/TfrmMenuRicevute.h"
#include "receipts/TfrmRicevute.h"
#include "reports/TfrmMenuRiepLavoro.h"
#include "reports/TfrmStatistiche.h"
#include "shell/TfrmAvvio.h"
#include "shell/TfrmCambiaPassword.h"
#include "shell/TfrmPassword.h"

template <class ScreenClass> void ProgramScreens::create(Screen id) {
    screens_.push_back(std::make_unique<ScreenClass>(flow_));
    flow_.add(id, screens_.back().get());
}

ProgramScreens::ProgramScreens(ScreenFlow::EndProgram endProgram) : flow_(std::move(endProgram)) {
    create<TfrmPassword>(Screen::Password);
    create<TfrmAvvio>(Screen::Avvio);
    create<TfrmCambiaPassword>(Screen::CambiaPassword);
    create<TfrmAnagrafica>(Screen::Anagrafica);
    create<TfrmMenuRicevute>(Screen::MenuRicevute);
    create<TfrmRicevute>(Screen::Ricevute);
    create<TfrmStatistiche>(Screen::Statistiche);
    create<TfrmMenuRiepLavoro>(Screen::MenuRiepLavoro);
}

ProgramScreens::~ProgramScreens() = default;

void ProgramScreens::start() {
    flow_.moveTo(Screen::Password, nullptr);
}
