#pragma once
// The toolbar's print and export buttons with a Previsões or Harmonia window in front: they act
// on it (its own "Imprimir..." and "Copiar") once it shows a result (frmPrincipal_consulta.cpp).

class QMdiArea;

namespace oraculandia {

// True when a consultation window with a result was in front and did the action.
bool AcaoNaConsultaAtiva(const QMdiArea* area, bool imprimir);

} // namespace oraculandia
