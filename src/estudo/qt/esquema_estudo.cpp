#include "estudo/qt/esquema_estudo.h"

namespace oraculandia {

const PassoEsquema& PassoEsquemaEstudo() {
    // The other spellings of a client's name kept by the name study, in the order the user gave
    // them (posicao 1, 2, ...); they go with their client.
    static const PassoEsquema passo = {
        2,
        {QStringLiteral("CREATE TABLE grafias_clientes ("
                        " cliente_id INTEGER NOT NULL REFERENCES clientes(id) ON DELETE CASCADE,"
                        " posicao INTEGER NOT NULL,"
                        " grafia TEXT NOT NULL,"
                        " PRIMARY KEY (cliente_id, posicao))")}};
    return passo;
}

void RegistrarEsquemaEstudo() {
    RegistrarPassoEsquema(PassoEsquemaEstudo());
}

} // namespace oraculandia
