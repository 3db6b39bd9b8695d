#include "consulta/qt/saida_consulta.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>
#include <memory>

#include "dados/margens.h"
#include "print/limites_margens.h"
#include "print/qt/pdf_analise.h"
#include "print/qt/saida_documento.h"
#include "print/qt/servicos_impressao.h"
#include "programa/qt/falhas.h"
#include "programa/qt/programa.h"

namespace oraculandia {

FolhasConsulta FolhasDoPrograma(const Programa& programa, const std::string& nomeCp1252,
                                const std::string& data, double larguraImprimivel, double alturaImprimivel) {
    FolhasConsulta f;
    f.contexto = ContextoDocumento(programa, nomeCp1252, data, larguraImprimivel, alturaImprimivel);
    f.fontes = programa.Fontes;
    return f;
}

namespace {

void Erro(QWidget* janela, Programa& programa, const QString& texto) {
    programa.mensagens.Mostrar(janela, QStringLiteral("Erro:"), texto, IconeMensagem::Critico,
                               BotoesMensagem::Ok);
}

} // namespace

void ImprimirDocumento(QWidget* janela, Programa& programa, const DocumentoConsulta& doc,
                       const std::string& nomeCp1252, const std::string& data, const QString& oque,
                       const std::function<void()>& salvarPdf) {
    ImprimirNaImpressora(
        janela, programa, oque,
        [&](QPrinter& impressora, double largura, double altura) {
            return ImprimirConsulta(doc, FolhasDoPrograma(programa, nomeCp1252, data, largura, altura),
                                    impressora);
        },
        salvarPdf);
}

void SalvarDocumentoPdf(QWidget* janela, Programa& programa, const DocumentoConsulta& doc,
                        const std::string& nomeCp1252, const std::string& data, const QString& oque,
                        const QString& sugestao) {
    try {
        ServicosImpressao& servicos = programa.impressao;
        QString arquivo = servicos.EscolherArquivoPdf(janela, SugestaoArquivoPdf(sugestao, doc.titulo),
                                                      QStringLiteral("Salvar %1 em PDF").arg(oque));
        if (arquivo.isEmpty())
            return;
        QFileInfo info(arquivo);
        if (!info.isDir() && info.suffix().isEmpty()) {
            arquivo += QStringLiteral(".pdf");
            info = QFileInfo(arquivo);
            // The file dialog asked about the name as typed, not about this one.
            if (info.exists() && !info.isDir() &&
                programa.mensagens.Mostrar(janela, QStringLiteral("Atenção:"),
                                           QStringLiteral("O arquivo %1 já existe. Deseja substituí-lo?")
                                               .arg(QDir::toNativeSeparators(info.absoluteFilePath())),
                                           IconeMensagem::Pergunta,
                                           BotoesMensagem::SimNao) != RespostaMensagem::Sim)
                return;
        }
        const QString destino = QDir::toNativeSeparators(info.absoluteFilePath());
        const QPageLayout pagina = servicos.Pagina();
        janela->setCursor(Qt::WaitCursor);
        const ResultadoQt<void> gravado = GravarPdfConsulta(
            doc,
            FolhasDoPrograma(programa, nomeCp1252, data, LarguraImprimivel(pagina), AlturaImprimivel(pagina)),
            pagina, arquivo);
        janela->unsetCursor();
        if (!gravado) {
            Erro(janela, programa,
                 QStringLiteral("Não foi possível salvar %1 no arquivo PDF %2: %3.")
                     .arg(oque, destino, gravado.error()));
            return;
        }
        programa.mensagens.Mostrar(janela, QStringLiteral("Informação:"),
                                   QStringLiteral("O arquivo %1 foi salvo.").arg(destino),
                                   IconeMensagem::Informacao, BotoesMensagem::Ok);
    } catch (...) {
        janela->unsetCursor();
        Erro(janela, programa, MensagemFalhaAtual(QStringLiteral("salvar %1 em PDF").arg(oque)));
    }
}

dlgEscolherCliente::dlgEscolherCliente(CadastroClientes& cadastro, QWidget* pai)
    : QDialog(pai), cadastro_(cadastro) {
    setObjectName(QStringLiteral("dlgEscolherCliente"));
    setWindowTitle(QStringLiteral("Escolher Cliente"));
    txtProcurar = new QLineEdit(this);
    txtProcurar->setObjectName(QStringLiteral("txtProcurar"));
    lstClientes = new QListWidget(this);
    lstClientes->setObjectName(QStringLiteral("lstClientes"));
    auto* rotulo = new QLabel(QStringLiteral("&Procurar:"), this);
    rotulo->setBuddy(txtProcurar);
    auto* botoes = new QDialogButtonBox(this);
    cmdEscolher = botoes->addButton(QStringLiteral("&Escolher"), QDialogButtonBox::AcceptRole);
    cmdEscolher->setObjectName(QStringLiteral("cmdEscolher"));
    QPushButton* cancelar = botoes->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole);
    cancelar->setObjectName(QStringLiteral("cmdCancelar"));
    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(rotulo);
    coluna->addWidget(txtProcurar);
    coluna->addWidget(lstClientes, 1);
    coluna->addWidget(botoes);
    connect(txtProcurar, &QLineEdit::textChanged, this, &dlgEscolherCliente::Filtrar);
    connect(txtProcurar, &QLineEdit::returnPressed, this, &dlgEscolherCliente::Escolher);
    connect(lstClientes, &QListWidget::itemActivated, this, &dlgEscolherCliente::Escolher);
    connect(cmdEscolher, &QPushButton::clicked, this, &dlgEscolherCliente::Escolher);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    resize(460, 420);
    Filtrar();
}

void dlgEscolherCliente::Filtrar() {
    lstClientes->clear();
    const ResultadoQt<std::vector<ClienteListado>> encontrados = cadastro_.Buscar(txtProcurar->text());
    if (!encontrados) {
        erro_ = encontrados.error();
        return;
    }
    erro_.clear();
    const std::vector<ClienteListado>& lista = *encontrados;
    for (const ClienteListado& c : lista) {
        auto* item = new QListWidgetItem(QStringLiteral("%1 (%2)").arg(c.nome, c.nascimento), lstClientes);
        item->setData(Qt::UserRole, c.id);
    }
    lstClientes->setCurrentRow(lista.empty() ? -1 : 0);
    cmdEscolher->setEnabled(!lista.empty());
}

void dlgEscolherCliente::Escolher() {
    QListWidgetItem* item = lstClientes->currentItem();
    if (item == nullptr)
        return;
    ResultadoQt<std::optional<Cliente>> obtido = cadastro_.Obter(item->data(Qt::UserRole).toLongLong());
    erro_ = obtido ? QString() : obtido.error();
    escolhido_ = obtido ? std::move(*obtido) : std::nullopt;
    if (escolhido_)
        accept();
}

} // namespace oraculandia
