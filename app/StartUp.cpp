#include "app/StartUp.h"

#include "app/ScreenFlow.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmPassword.h"
#include "members/TfrmAnagrafica.h"
#include "receipts/TfrmMenuRicevute.h"
#include "receipts/TfrmRicevute.h"
#include "reports/TfrmMenuRiepLavoro.h"
#include "reports/TfrmStatistiche.h"

namespace {
template <class ScreenClass>
void create(std::vector<std::unique_ptr<QWidget>>& screens, Screen id) {
    screens.push_back(std::make_unique<ScreenClass>());
    ScreenFlow::registerScreen(id, screens.back().get());
}
} // namespace

ProgramScreens::ProgramScreens() {
    create<TfrmPassword>(screens_, Screen::Password);
    create<TfrmAvvio>(screens_, Screen::Avvio);
    create<TfrmCambiaPassword>(screens_, Screen::CambiaPassword);
    create<TfrmAnagrafica>(screens_, Screen::Anagrafica);
    create<TfrmMenuRicevute>(screens_, Screen::MenuRicevute);
    create<TfrmRicevute>(screens_, Screen::Ricevute);
    create<TfrmStatistiche>(screens_, Screen::Statistiche);
    create<TfrmMenuRiepLavoro>(screens_, Screen::MenuRiepLavoro);
}

ProgramScreens::~ProgramScreens() {
    ScreenFlow::forgetScreensForTests();
}

void ProgramScreens::start() {
    ScreenFlow::moveTo(Screen::Password, nullptr);
}
