#include "app/qt/esquema_programa.h"

#include "estudo/qt/esquema_estudo.h"

namespace oraculandia {

std::vector<PassoEsquema> PassosEsquemaPrograma() {
    std::vector<PassoEsquema> passos = PassosEsquemaClientes();
    for (PassoEsquema& passo : PassosEsquemaEstudo())
        passos.push_back(std::move(passo));
    return passos;
}

} // namespace oraculandia
