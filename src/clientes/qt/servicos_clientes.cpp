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

} // namespace

QString ServicosClientesQt::EscolherArquivoImportar(QWidget* pai) {
    return QFileDialog::getOpenFileName(pai, QStringLiteral("Importar clientes de uma planilha CSV"),
                                        PastaDocumentos(), FiltroCsv());
}

QString ServicosClientesQt::EscolherArquivoExportar(QWidget* pai, const QString& sugestao) {
    return QFileDialog::getSaveFileName(pai, QStringLiteral("Exportar os clientes para uma planilha CSV"),
                                        sugestao, FiltroCsv());
}

bool ServicosClientesQt::ConfirmarImportacao(QWidget* pai, const QString& arquivo,
                                             const std::vector<LinhaRecusada>& recusadas, int validos) {
    frmRecusasImportacao dialogo(arquivo, recusadas, validos, pai);
    return dialogo.exec() == QDialog::Accepted;
}

} // namespace oraculandia
