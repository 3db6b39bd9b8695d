#include "clientes/qt/servicos_clientes.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include "clientes/qt/frmRecusasImportacao.h"

namespace oraculandia {

namespace {

const QString& FiltroCsv() {
    static const QString filtro =
        QStringLiteral("Planilhas CSV (*.csv *.CSV);;Arquivos de texto (*.txt);;Todos os arquivos (*)");
    return filtro;
}

QString PastaDocumentos() {
    const QString pasta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return pasta.isEmpty() || !QDir(pasta).exists() ? QDir::homePath() : pasta;
}

class ServicosClientesQt final : public ServicosClientes {
public:
    QString EscolherArquivoImportar(QWidget* pai) override {
        return QFileDialog::getOpenFileName(pai, QStringLiteral("Importar clientes de uma planilha CSV"),
                                            PastaDocumentos(), FiltroCsv());
    }
    QString EscolherArquivoExportar(QWidget* pai, const QString& sugestao) override {
        return QFileDialog::getSaveFileName(pai, QStringLiteral("Exportar os clientes para uma planilha CSV"),
                                            sugestao, FiltroCsv());
    }
    bool ConfirmarImportacao(QWidget* pai, const QString& arquivo,
                             const std::vector<LinhaRecusada>& recusadas, int validos) override {
        frmRecusasImportacao dialogo(arquivo, recusadas, validos, pai);
        return dialogo.exec() == QDialog::Accepted;
    }
};

ServicosClientesQt& ServicosQt() {
    static ServicosClientesQt servicos;
    return servicos;
}

ServicosClientes* g_servicos = nullptr;

} // namespace

ServicosClientes& ServicosClientesAtuais() {
    return g_servicos ? *g_servicos : ServicosQt();
}

void DefinirServicosClientes(ServicosClientes* servicos) {
    g_servicos = servicos;
}

} // namespace oraculandia
