#include "programa/qt/servicos.h"

#include <QPrinter>

namespace oraculandia {

QPageLayout ServicosImpressao::Pagina() {
    QPageLayout pagina = PaginaDaImpressora();
    if (orientacao_) {
        pagina.setOrientation(*orientacao_);
    }
    return pagina;
}

std::unique_ptr<QPrinter> ServicosImpressao::Impressora() {
    std::unique_ptr<QPrinter> impressora = NovaImpressora();
    if (impressora && orientacao_) {
        impressora->setPageOrientation(*orientacao_);
    }
    return impressora;
}

} // namespace oraculandia
