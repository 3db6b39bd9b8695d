#pragma once
// How the main window reaches the active viewer window. Kept apart so that the rest of the
// main window needs only a forward declaration of the viewer class.

class QMdiArea;

namespace oraculandia {

class frmEstudoNome;
class frmExibeRelatorio;
class frmPrincipal;

// The viewer of the MDI area's current child window, or nullptr.
frmExibeRelatorio* JanelaDeAnaliseAtiva(const QMdiArea* area);
// The name study in the MDI area's current child window, or nullptr.
frmEstudoNome* EstudoDoNomeAtivo(const QMdiArea* area);

// Turns the active viewer one page forward (+1) or back (-1): beeps at either end, otherwise
// shows the page under the busy pointer and gives the viewer the focus. False when no viewer
// is active (the caller shows the refusal).
bool MudarPaginaDaJanelaAtiva(frmPrincipal& principal, int sentido);

} // namespace oraculandia
