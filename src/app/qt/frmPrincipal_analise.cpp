// Creating an analysis, showing it in a new viewer window, the font dialog.
// Provisional bodies: the real ones come with the entry dialog and the viewer.
#include "app/qt/frmPrincipal.h"
#include "app/qt/programa.h"

namespace oraculandia {

void frmPrincipal::cmdCriaAnalise_Click() { InicioComumDasAcoes(); }

void frmPrincipal::ImprimirAnaliseNoMonitor() {}

void frmPrincipal::cmdConfigurarFontes_Click() { InicioComumDasAcoes(); }

} // namespace oraculandia
