#include "estudo/qt/esquema_estudo.h"

namespace oraculandia {

std::vector<PassoEsquema> PassosEsquemaEstudo() {
    // The other spellings of a client's name kept by the name study, in the order the user gave
    // them (posicao 1, 2, ...); they go with their client.
    return {
        {2,
         {QStringLiteral("CREATE TABLE grafias_clientes ("
                         " cliente_id INTEGER NOT NULL REFERENCES clientes(id) ON DELETE CASCADE,"
                         " posicao INTEGER NOT NULL,"
                         " grafia TEXT NOT NULL,"
                         " PRIMARY KEY (cliente_id, posicao))")}},
    };
}

} // namespace oraculandia
