#pragma once
// A page walk's target made of test surfaces (teste_layout_superficie.h), one per sheet.

#include <memory>
#include <string>
#include <vector>

#include "layout/percurso.h"
#include "teste_layout_superficie.h"

namespace oraculandia::teste {

class AlvoTeste : public AlvoPaginas {
public:
    AlvoTeste() { paginas.push_back(std::make_unique<SuperficieTeste>()); }
    SuperficieDesenho& Superficie() override { return *paginas.back(); }
    void NovaFolha() override { paginas.push_back(std::make_unique<SuperficieTeste>()); }
    std::vector<std::unique_ptr<SuperficieTeste>> paginas;

    // Page (0-based) of every text printed, by text; -1 when not printed.
    int PaginaDe(const std::string& texto) const {
        for (std::size_t n = 0; n < paginas.size(); ++n)
            if (paginas[n]->Procurar(texto))
                return static_cast<int>(n);
        return -1;
    }
};

} // namespace oraculandia::teste
