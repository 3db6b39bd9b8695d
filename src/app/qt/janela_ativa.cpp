#include "app/qt/janela_ativa.h"

#include <QMdiArea>
#include <QMdiSubWindow>

#include "app/qt/frmPrincipal.h"
#include "estudo/qt/frmEstudoNome.h"
#include "programa/qt/programa.h"
#include "viewer/qt/frmExibeRelatorio.h"

namespace oraculandia {

namespace {

template <typename Janela> Janela* JanelaAtivaDoTipo(const QMdiArea* area) {
    // currentSubWindow rather than activeSubWindow: the latter is empty while the application
    // is not the active one (a message box of another program, a test without a window manager).
    if (!area)
        return nullptr;
    QMdiSubWindow* sub = area->currentSubWindow();
    if (!sub)
        return nullptr;
    return qobject_cast<Janela*>(sub->widget());
}

} // namespace

frmExibeRelatorio* JanelaDeAnaliseAtiva(const QMdiArea* area) {
    return JanelaAtivaDoTipo<frmExibeRelatorio>(area);
}

frmEstudoNome* EstudoDoNomeAtivo(const QMdiArea* area) {
    return JanelaAtivaDoTipo<frmEstudoNome>(area);
}

bool MudarPaginaDaJanelaAtiva(frmPrincipal& principal, int sentido) {
    frmExibeRelatorio* janela = principal.JanelaAtiva();
    if (!janela)
        return false;
    const int pagina = janela->PaginaExibida();
    const bool noLimite = sentido > 0 ? pagina == janela->TotalDePaginas() : pagina == 1;
    if (noLimite) {
        principal.programa().mensagens.Bipe();
        return true;
    }
    principal.DefinirOcupado(true);
    janela->ExibePagina(pagina + sentido);
    janela->setFocus();
    principal.DefinirOcupado(false);
    return true;
}

} // namespace oraculandia
