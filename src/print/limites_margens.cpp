#include "print/limites_margens.h"

#include <cmath>

namespace oraculandia {

namespace {
constexpr float kMargemPadrao = 10.0F;
}

double LimiteMargem(double base) {
    return 0.2 * base;
}

bool MargemImprimivel(float valor, double base) {
    // Compared in single precision: a typed value the dialog accepted (at most the limit) is
    // still at most the limit once rounded to the float the margins are kept in.
    return std::isfinite(valor) && valor <= static_cast<float>(LimiteMargem(base)) &&
           valor >= static_cast<float>(-base);
}

int MargemRecusada(const Margens& m, double largura, double altura) {
    const float campos[] = {m.Esquerda, m.Superior, m.Direita, m.Inferior};
    for (int i = 0; i < 4; ++i) {
        const bool horizontal = i == 0 || i == 2;
        if (!MargemImprimivel(campos[i], horizontal ? largura : altura)) {
            return i;
        }
    }
    return -1;
}

Margens MargensImprimiveis(Margens m, double largura, double altura) {
    for (float* campo : {&m.Esquerda, &m.Direita}) {
        if (!MargemImprimivel(*campo, largura)) {
            *campo = kMargemPadrao;
        }
    }
    for (float* campo : {&m.Superior, &m.Inferior}) {
        if (!MargemImprimivel(*campo, altura)) {
            *campo = kMargemPadrao;
        }
    }
    return m;
}

} // namespace oraculandia
