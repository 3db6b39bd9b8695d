#include "print/qt/servicos_impressao.h"

#include <QFileDialog>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace oraculandia {

bool ServicosImpressaoQt::HaImpressora() {
    return !QPrinterInfo::defaultPrinter().isNull();
}

QPageLayout ServicosImpressaoQt::PaginaDaImpressora() {
    if (auto impressora = NovaImpressora()) {
        return impressora->pageLayout();
    }
    QPdfWriter pdf(QString{});
    QPageLayout pagina = pdf.pageLayout();
    pagina.setPageSize(QPageSize(QPageSize::A4));
    pagina.setOrientation(QPageLayout::Portrait);
    return pagina;
}

std::unique_ptr<QPrinter> ServicosImpressaoQt::NovaImpressora() {
    const QPrinterInfo padrao = QPrinterInfo::defaultPrinter();
    if (padrao.isNull()) {
        return nullptr;
    }
    return std::make_unique<QPrinter>(padrao, QPrinter::HighResolution);
}

QString ServicosImpressaoQt::EscolherArquivoPdf(QWidget* pai, const QString& sugestao,
                                                const QString& titulo) {
    return QFileDialog::getSaveFileName(pai, titulo, sugestao, QStringLiteral("Documentos PDF (*.pdf)"));
}

bool ServicosImpressaoQt::ConfirmarImpressao(QWidget* pai, QPrinter& impressora) {
    QPrintDialog dialogo(&impressora, pai);
    dialogo.setWindowTitle(QStringLiteral("Imprimir"));
    return dialogo.exec() == QDialog::Accepted;
}

double LarguraImprimivel(const QPageLayout& pagina) {
    return pagina.paintRect(QPageLayout::Millimeter).width();
}

double AlturaImprimivel(const QPageLayout& pagina) {
    return pagina.paintRect(QPageLayout::Millimeter).height();
}

} // namespace oraculandia
