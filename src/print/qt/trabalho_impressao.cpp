#include "print/qt/trabalho_impressao.h"

#include <QPrinter>

#include "app/qt/programa.h"

namespace oraculandia {

ResultadoImpressao ImprimirAnalise(Programa&, QPrinter&, bool) {
    ResultadoImpressao r;
    r.erro = QStringLiteral("a impressão ainda não está disponível");
    return r;
}

} // namespace oraculandia
