// The Clientes window's import and export of CSV spreadsheets.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QStandardPaths>

#include "clientes/qt/csv_clientes.h"
#include "clientes/qt/frmClientes.h"
#include "clientes/qt/servicos_clientes.h"
#include "programa/qt/servicos.h"

namespace oraculandia {

namespace {

// The hourglass for a job, cleared however it ends.
struct Ampulheta {
    Ampulheta() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Ampulheta() { QApplication::restoreOverrideCursor(); }
    Ampulheta(const Ampulheta&) = delete;
    Ampulheta& operator=(const Ampulheta&) = delete;
};

QString Plural(int n, const char* singular, const char* plural) {
    return n == 1 ? QStringLiteral("1 %1").arg(QString::fromUtf8(singular))
                  : QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(plural));
}

} // namespace

void frmClientes::cmdImportar_Click() {
    const QString arquivo = servicos_.EscolherArquivoImportar(this);
    if (arquivo.isEmpty())
        return;
    const QString nome = QDir::toNativeSeparators(arquivo);

    ResultadoQt<TextoCsv> lido;
    ClientesCsv lidos;
    {
        Ampulheta ampulheta;
        lido = LerArquivoCsv(arquivo);
        if (lido)
            lidos = VerificarCsv(DividirCsv(lido->texto), Hoje());
    }
    if (!lido) {
        MostrarErro(QStringLiteral("importar o arquivo %1").arg(nome), lido.error());
        return;
    }
    const QString& codificacao = lido->aviso;
    const int validos = static_cast<int>(lidos.validos.size());
    if (validos == 0 && lidos.recusadas.empty()) {
        mensagens_.Mostrar(this, QStringLiteral("Informação:"),
                           QStringLiteral("O arquivo %1 não contém nenhum cliente.").arg(nome),
                           IconeMensagem::Informacao, BotoesMensagem::Ok);
        return;
    }
    // Refused lines are shown before anything is imported; the good ones go in only if the user
    // agrees.
    if (!lidos.recusadas.empty() && !servicos_.ConfirmarImportacao(this, arquivo, lidos.recusadas, validos))
        return;
    if (validos == 0)
        return;

    ResultadoImportacao r;
    {
        Ampulheta ampulheta;
        r = cadastro_.Importar(lidos.validos, Hoje());
    }
    if (!r) {
        MostrarErro(QStringLiteral("importar o arquivo %1").arg(nome),
                    r.error() +
                        QStringLiteral(". Nenhum cliente foi importado; o cadastro ficou como estava"));
        return;
    }
    Recarregar();
    txtProcurar->clear();
    Filtrar();
    QString resumo =
        QStringLiteral("Importação concluída: %1.")
            .arg(r->adicionados == 1 ? QStringLiteral("1 cliente incluído")
                                     : QStringLiteral("%1 clientes incluídos").arg(r->adicionados));
    if (r->repetidos > 0)
        resumo += QStringLiteral(" %1 já %2 no cadastro (ou repetid%3 no arquivo) e %4 ignorad%3.")
                      .arg(Plural(r->repetidos, "linha", "linhas"),
                           r->repetidos == 1 ? QStringLiteral("estava") : QStringLiteral("estavam"),
                           r->repetidos == 1 ? QStringLiteral("a") : QStringLiteral("as"),
                           r->repetidos == 1 ? QStringLiteral("foi") : QStringLiteral("foram"));
    if (!lidos.recusadas.empty())
        resumo +=
            QStringLiteral(" %1 não %2 importad%3.")
                .arg(Plural(static_cast<int>(lidos.recusadas.size()), "linha recusada", "linhas recusadas"),
                     lidos.recusadas.size() == 1 ? QStringLiteral("foi") : QStringLiteral("foram"),
                     lidos.recusadas.size() == 1 ? QStringLiteral("a") : QStringLiteral("as"));
    if (!codificacao.isEmpty())
        resumo +=
            QStringLiteral(" Atenção: %1; confira os acentos dos nomes dessas linhas.").arg(codificacao);
    mensagens_.Mostrar(this, QStringLiteral("Informação:"), resumo, IconeMensagem::Informacao,
                       BotoesMensagem::Ok);
}

void frmClientes::cmdExportar_Click() {
    QString pasta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (pasta.isEmpty() || !QDir(pasta).exists())
        pasta = QDir::homePath();
    QString arquivo =
        servicos_.EscolherArquivoExportar(this, QDir(pasta).filePath(QStringLiteral("clientes.csv")));
    if (arquivo.isEmpty())
        return;
    QFileInfo info(arquivo);
    if (!info.isDir() && info.suffix().isEmpty()) {
        arquivo += QStringLiteral(".csv");
        info = QFileInfo(arquivo);
        // The file dialog asked about the name as typed, not about this one.
        if (info.exists() && !info.isDir()) {
            const RespostaMensagem r =
                mensagens_.Mostrar(this, QStringLiteral("Atenção:"),
                                   QStringLiteral("O arquivo %1 já existe. Deseja substituí-lo?")
                                       .arg(QDir::toNativeSeparators(info.absoluteFilePath())),
                                   IconeMensagem::Pergunta, BotoesMensagem::SimNao);
            if (r != RespostaMensagem::Sim)
                return;
        }
    }
    const QString nome = QDir::toNativeSeparators(info.absoluteFilePath());
    if (info.isDir()) {
        MostrarErro(QStringLiteral("exportar os clientes"),
                    QStringLiteral("\"%1\" é uma pasta; escolha dentro dela um nome de arquivo").arg(nome));
        return;
    }
    ResultadoQt<std::vector<Cliente>> todos;
    ResultadoQt<void> gravado;
    {
        Ampulheta ampulheta;
        todos = cadastro_.Todos();
        if (todos)
            gravado = GravarArquivo(info.absoluteFilePath(), EscreverCsv(*todos));
    }
    if (!todos || !gravado) {
        MostrarErro(QStringLiteral("exportar os clientes para o arquivo %1").arg(nome),
                    !todos ? todos.error() : gravado.error());
        return;
    }
    const std::vector<Cliente>& clientes = *todos;
    mensagens_.Mostrar(this, QStringLiteral("Informação:"),
                       QStringLiteral("%1 para o arquivo %2.")
                           .arg(clientes.size() == 1
                                    ? QStringLiteral("1 cliente foi exportado")
                                    : QStringLiteral("%1 clientes foram exportados").arg(clientes.size()),
                                nome),
                       IconeMensagem::Informacao, BotoesMensagem::Ok);
}

} // namespace oraculandia
