#include "print/qt/servicos_impressao.h"

#include <QFileDialog>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace oraculandia {

namespace {

class ServicosImpressaoQt final : public ServicosImpressao {
public:
    bool HaImpressora() override { return !QPrinterInfo::defaultPrinter().isNull(); }

    QPageLayout PaginaDaImpressora() override {
        if (auto impressora = NovaImpressora()) {
            return impressora->pageLayout();
        }
        QPdfWriter pdf(QString{});
        QPageLayout pagina = pdf.pageLayout();
        pagina.setPageSize(QPageSize(QPageSize::A4));
        pagina.setOrientation(QPageLayout::Portrait);
        return pagina;
    }

    std::unique_ptr<QPrinter> NovaImpressora() override {
        const QPrinterInfo padrao = QPrinterInfo::defaultPrinter();
        if (padrao.isNull()) {
            return nullptr;
        }
        return std::make_unique<QPrinter>(padrao, QPrinter::HighResolution);
    }

    QString EscolherArquivoPdf(QWidget* pai, const QString& sugestao, const QString& titulo) override {
        return QFileDialog::getSaveFileName(pai, titulo, sugestao, QStringLiteral("Documentos PDF (*.pdf)"));
    }

    bool ConfirmarImpressao(QWidget* pai, QPrinter& impressora) override {
        QPrintDialog dialogo(&impressora, pai);
        dialogo.setWindowTitle(QStringLiteral("Imprimir"));
        return dialogo.exec() == QDialog::Accepted;
    }
};

ServicosImpressaoQt& ServicosQt() {
    static ServicosImpressaoQt servicos;
    return servicos;
}

ServicosImpressao* g_servicos = nullptr;

} // namespace

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

ServicosImpressao& ServicosImpressaoAtuais() {
    return g_servicos ? *g_servicos : ServicosQt();
}

void DefinirServicosImpressao(ServicosImpressao* servicos) {
    g_servicos = servicos;
}

double LarguraImprimivel(const QPageLayout& pagina) {
    return pagina.paintRect(QPageLayout::Millimeter).width();
}

double AlturaImprimivel(const QPageLayout& pagina) {
    return pagina.paintRect(QPageLayout::Millimeter).height();
}

} // namespace oraculandia
