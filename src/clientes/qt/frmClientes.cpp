#include "clientes/qt/frmClientes.h"

#include <QCoreApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "clientes/qt/delegado_texto.h"
#include "clientes/qt/frmCliente.h"
#include "clientes/qt/modelo_clientes.h"
#include "clientes/qt/servicos_clientes.h"
#include "programa/qt/servicos.h"

namespace oraculandia {

frmClientes::frmClientes(CadastroClientes& cadastro, Mensagens& mensagens, const Relogio& relogio,
                         ServicosClientes& servicos, QWidget* pai)
    : QDialog(pai), cadastro_(cadastro), mensagens_(mensagens), relogio_(relogio), servicos_(servicos) {
    setObjectName(QStringLiteral("frmClientes"));
    setWindowTitle(QStringLiteral("Clientes"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    auto* lblProcurar = new QLabel(QStringLiteral("&Procurar:"), this);
    txtProcurar = new QLineEdit(this);
    txtProcurar->setObjectName(QStringLiteral("txtProcurar"));
    txtProcurar->setPlaceholderText(QStringLiteral("parte do nome, com ou sem acentos"));
    txtProcurar->setClearButtonEnabled(true);
    txtProcurar->installEventFilter(this);
    lblProcurar->setBuddy(txtProcurar);
    lblTotal = new QLabel(this);
    lblTotal->setObjectName(QStringLiteral("lblTotal"));
    // A size of its own: a new count on every key typed must not make the whole window lay itself
    // out again.
    lblTotal->setFixedSize(fontMetrics().horizontalAdvance(QStringLiteral("000000 clientes")) + 8,
                           fontMetrics().height() + 4);
    lblTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    modelo_ = new ModeloClientes(this);
    // A table view: it lays out only the rows in sight (a tree view would walk all ten thousand
    // on every key typed).
    lstClientes = new QTableView(this);
    lstClientes->setObjectName(QStringLiteral("lstClientes"));
    lstClientes->setModel(modelo_);
    lstClientes->setItemDelegate(new DelegadoTexto(lstClientes));
    lstClientes->setShowGrid(false);
    lstClientes->setWordWrap(false);
    lstClientes->setAlternatingRowColors(true);
    lstClientes->setSelectionMode(QAbstractItemView::SingleSelection);
    lstClientes->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstClientes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstClientes->setTabKeyNavigation(false);
    QHeaderView* linhas = lstClientes->verticalHeader();
    linhas->hide();
    linhas->setSectionResizeMode(QHeaderView::Fixed);
    linhas->setDefaultSectionSize(fontMetrics().height() + 6);
    QHeaderView* cabecalho = lstClientes->horizontalHeader();
    cabecalho->setHighlightSections(false);
    cabecalho->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    cabecalho->setSectionResizeMode(0, QHeaderView::Stretch);
    const int larguraData = fontMetrics().horizontalAdvance(QStringLiteral("Última análise")) + 32;
    for (int coluna : {1, 2}) {
        cabecalho->setSectionResizeMode(coluna, QHeaderView::Fixed);
        cabecalho->resizeSection(coluna, larguraData);
    }

    auto* lblObservacoes = new QLabel(QStringLiteral("O&bservações:"), this);
    txtObservacoes = new QPlainTextEdit(this);
    txtObservacoes->setObjectName(QStringLiteral("txtObservacoes"));
    txtObservacoes->setReadOnly(true);
    txtObservacoes->setTabChangesFocus(true);
    txtObservacoes->setMaximumHeight(fontMetrics().lineSpacing() * 5 + 12);
    lblObservacoes->setBuddy(txtObservacoes);

    auto botao = [this](const char* texto, const char* nome) {
        auto* b = new QPushButton(QString::fromUtf8(texto), this);
        b->setObjectName(QString::fromLatin1(nome));
        return b;
    };
    cmdCriarAnalise = botao("&Criar análise", "cmdCriarAnalise");
    cmdCriarAnalise->setDefault(true); // Enter creates the analysis of the selected client
    cmdEstudoNome = botao("E&studo do Nome", "cmdEstudoNome");
    cmdNovo = botao("&Novo...", "cmdNovo");
    cmdAlterar = botao("&Alterar...", "cmdAlterar");
    cmdExcluir = botao("&Excluir", "cmdExcluir");
    cmdImportar = botao("&Importar...", "cmdImportar");
    cmdExportar = botao("Expor&tar...", "cmdExportar");
    cmdFechar = botao("&Fechar", "cmdFechar");

    auto* busca = new QHBoxLayout;
    busca->addWidget(lblProcurar);
    busca->addWidget(txtProcurar, 1);
    busca->addWidget(lblTotal);
    auto* esquerda = new QVBoxLayout;
    esquerda->addLayout(busca);
    esquerda->addWidget(lstClientes, 1);
    esquerda->addWidget(lblObservacoes);
    esquerda->addWidget(txtObservacoes);
    auto* botoes = new QVBoxLayout;
    for (QPushButton* b : {cmdCriarAnalise, cmdEstudoNome, cmdNovo, cmdAlterar, cmdExcluir})
        botoes->addWidget(b);
    botoes->addSpacing(16);
    botoes->addWidget(cmdImportar);
    botoes->addWidget(cmdExportar);
    botoes->addStretch(1);
    botoes->addWidget(cmdFechar);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(esquerda, 1);
    layout->addLayout(botoes);
    resize(760, 500);

    setTabOrder(txtProcurar, lstClientes);
    setTabOrder(lstClientes, txtObservacoes);
    setTabOrder(txtObservacoes, cmdCriarAnalise);

    connect(txtProcurar, &QLineEdit::textChanged, this, &frmClientes::Filtrar);
    connect(lstClientes->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!filtrando_)
            MostrarSelecionado(true);
    });
    connect(lstClientes, &QTableView::doubleClicked, this, &frmClientes::cmdCriarAnalise_Click);
    connect(cmdCriarAnalise, &QPushButton::clicked, this, &frmClientes::cmdCriarAnalise_Click);
    connect(cmdEstudoNome, &QPushButton::clicked, this, &frmClientes::cmdEstudoNome_Click);
    connect(cmdNovo, &QPushButton::clicked, this, &frmClientes::cmdNovo_Click);
    connect(cmdAlterar, &QPushButton::clicked, this, &frmClientes::cmdAlterar_Click);
    connect(cmdExcluir, &QPushButton::clicked, this, &frmClientes::cmdExcluir_Click);
    connect(cmdImportar, &QPushButton::clicked, this, &frmClientes::cmdImportar_Click);
    connect(cmdExportar, &QPushButton::clicked, this, &frmClientes::cmdExportar_Click);
    connect(cmdFechar, &QPushButton::clicked, this, &QDialog::reject);

    Filtrar();
    txtProcurar->setFocus();
}

Data frmClientes::Hoje() const {
    return DataDe(relogio_.Hoje());
}

void frmClientes::MostrarErro(const QString& acao, const QString& motivo) {
    mensagens_.Mostrar(this, QStringLiteral("Erro:"),
                       QStringLiteral("Não foi possível %1: %2.").arg(acao, motivo), IconeMensagem::Critico,
                       BotoesMensagem::Ok);
}

void frmClientes::Filtrar() {
    const qint64 selecionado = IdSelecionado();
    // The clients are read from the file when the window opens, after its own changes and when
    // another program has changed the file; in between, each key typed only filters them.
    QString erro;
    const ResultadoQt<qint64> versao = cadastro_.VersaoDados();
    bool ok = versao.has_value();
    if (!ok)
        erro = versao.error();
    if (ok && (recarregar_ || *versao != versaoLida_)) {
        ResultadoQt<std::vector<ClienteListado>> todos = cadastro_.Buscar(QString());
        ok = todos.has_value();
        if (ok) {
            filtrando_ = true;
            modelo_->DefinirTodos(std::move(*todos));
            filtrando_ = false;
            versaoLida_ = *versao;
            recarregar_ = false;
        } else {
            erro = todos.error();
        }
    }
    if (!ok) {
        // Said once, not on every key typed while the register is unusable.
        if (!falhaDeBuscaMostrada_) {
            falhaDeBuscaMostrada_ = true;
            MostrarErro(QStringLiteral("consultar o cadastro de clientes"), erro);
        }
        return;
    }
    falhaDeBuscaMostrada_ = false;
    // The list is refilled and the selection put back before the buttons and the notes follow it,
    // once: not cleared and set again on every key typed.
    filtrando_ = true;
    modelo_->Filtrar(ChaveDeBusca(txtProcurar->text()).split(u' ', Qt::SkipEmptyParts));
    const int n = modelo_->Total();
    lblTotal->setText(n == 1 ? QStringLiteral("1 cliente") : QStringLiteral("%1 clientes").arg(n));
    const int linha = selecionado != 0 ? modelo_->LinhaDoId(selecionado) : -1;
    if (n > 0)
        lstClientes->setCurrentIndex(modelo_->index(linha >= 0 ? linha : 0, 0));
    filtrando_ = false;
    MostrarSelecionado(false);
}

qint64 frmClientes::IdSelecionado() const {
    const ClienteListado* c = modelo_->Linha(lstClientes->currentIndex().row());
    return c ? c->id : 0;
}

void frmClientes::Selecionar(qint64 id) {
    const int linha = modelo_->LinhaDoId(id);
    if (linha >= 0)
        lstClientes->setCurrentIndex(modelo_->index(linha, 0));
}

void frmClientes::MostrarSelecionado(bool reler) {
    const qint64 id = IdSelecionado();
    const bool ha = id != 0;
    for (QPushButton* b : {cmdCriarAnalise, cmdEstudoNome, cmdAlterar, cmdExcluir})
        b->setEnabled(ha);
    // The notes are read when another client is selected, not again on every key typed.
    if (id == idMostrado_ && !reler)
        return;
    idMostrado_ = id;
    QString observacoes;
    if (ha) {
        if (const auto c = cadastro_.Obter(id); c && *c)
            observacoes = (*c)->observacoes;
    }
    if (observacoes != txtObservacoes->toPlainText())
        txtObservacoes->setPlainText(observacoes);
}

bool frmClientes::eventFilter(QObject* objeto, QEvent* evento) {
    // The arrows in the search box move through the list, so that the user can type, pick and
    // press Enter without leaving the box.
    if (objeto == txtProcurar && evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla == Qt::Key_Up || tecla == Qt::Key_Down || tecla == Qt::Key_PageUp ||
            tecla == Qt::Key_PageDown) {
            QKeyEvent copia(QEvent::KeyPress, tecla, static_cast<QKeyEvent*>(evento)->modifiers());
            QCoreApplication::sendEvent(lstClientes, &copia);
            return true;
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void frmClientes::cmdCriarAnalise_Click() {
    Escolher(false);
}

void frmClientes::cmdEstudoNome_Click() {
    Escolher(true);
}

void frmClientes::Escolher(bool estudo) {
    const qint64 id = IdSelecionado();
    if (id == 0)
        return;
    ResultadoQt<std::optional<Cliente>> obtido = cadastro_.Obter(id);
    if (!obtido || !*obtido) {
        MostrarErro(
            QStringLiteral("ler o cliente"),
            !obtido
                ? obtido.error()
                : QStringLiteral("o cliente não está mais no cadastro (outro programa pode tê-lo excluído)"));
        Recarregar();
        Filtrar();
        return;
    }
    std::optional<Cliente> c = std::move(*obtido);
    // What is in the file passes the entry's rules again before it becomes an analysis.
    const VerificacaoCliente v = VerificarCliente(c->nome, DataExibida(c->nascimento), Hoje());
    if (!v.ok()) {
        mensagens_.Mostrar(this, QStringLiteral("Erro:"), v.Mensagem(), IconeMensagem::Critico,
                           BotoesMensagem::Ok);
        return;
    }
    escolhido_ = std::move(c);
    estudoPedido_ = estudo;
    accept();
}

bool frmClientes::Gravar(qint64 id, const VerificacaoCliente& cliente) {
    const ResultadoCadastro r =
        id == 0 ? cadastro_.Adicionar(cliente, Hoje()) : cadastro_.Alterar(id, cliente);
    switch (r.situacao) {
    case SituacaoCadastro::Ok:
        idMostrado_ = -1; // its notes are read again
        Recarregar();
        txtProcurar->clear(); // the new or changed client must be in sight
        Filtrar();
        Selecionar(r.id);
        return true;
    case SituacaoCadastro::Repetido:
        mensagens_.Mostrar(this, QStringLiteral("Erro:"),
                           QStringLiteral("Já existe no cadastro um cliente com este nome e esta data de "
                                          "nascimento."),
                           IconeMensagem::Critico, BotoesMensagem::Ok);
        return false;
    case SituacaoCadastro::NaoEncontrado:
        MostrarErro(QStringLiteral("alterar o cliente"),
                    QStringLiteral("ele não está mais no cadastro (outro programa pode tê-lo excluído)"));
        Recarregar();
        Filtrar();
        return true; // nothing left to change: the dialog closes
    case SituacaoCadastro::Falha:
        break;
    }
    MostrarErro(id == 0 ? QStringLiteral("incluir o cliente") : QStringLiteral("alterar o cliente"), r.erro);
    return false;
}

void frmClientes::cmdNovo_Click() {
    frmCliente dialogo(
        mensagens_, relogio_, nullptr, [this](const VerificacaoCliente& v) { return Gravar(0, v); }, this);
    dialogo.exec();
}

void frmClientes::cmdAlterar_Click() {
    const qint64 id = IdSelecionado();
    if (id == 0)
        return;
    const ResultadoQt<std::optional<Cliente>> obtido = cadastro_.Obter(id);
    if (!obtido || !*obtido) {
        MostrarErro(QStringLiteral("ler o cliente"),
                    obtido ? QStringLiteral("ele não está mais no cadastro") : obtido.error());
        Recarregar();
        Filtrar();
        return;
    }
    const std::optional<Cliente>& c = *obtido;
    frmCliente dialogo(
        mensagens_, relogio_, &*c, [this, id](const VerificacaoCliente& v) { return Gravar(id, v); }, this);
    dialogo.exec();
}

void frmClientes::cmdExcluir_Click() {
    const ClienteListado* c = modelo_->Linha(lstClientes->currentIndex().row());
    if (c == nullptr)
        return;
    const qint64 id = c->id;
    const RespostaMensagem r = mensagens_.Mostrar(
        this, QStringLiteral("Atenção:"),
        QStringLiteral("Deseja excluir do cadastro o cliente %1 (nascimento em %2)? As observações "
                       "guardadas sobre ele também serão apagadas.")
            .arg(c->nome, c->nascimento),
        IconeMensagem::Pergunta, BotoesMensagem::SimNaoPadraoNao);
    if (r != RespostaMensagem::Sim)
        return;
    const ResultadoCadastro resultado = cadastro_.Excluir(id);
    if (resultado.situacao == SituacaoCadastro::Falha)
        MostrarErro(QStringLiteral("excluir o cliente"), resultado.erro);
    Recarregar();
    Filtrar();
}

} // namespace oraculandia
