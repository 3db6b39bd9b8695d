#include "estudo/qt/frmEstudoNome.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <limits>

#include "clientes/qt/regras_cliente.h"
#include "engine/entrada.h"
#include "layout/qt/controles.h"
#include "layout/qt/cp1252_qt.h"
#include "programa/qt/programa.h"

namespace oraculandia {

namespace {

// The background of a number that differs from the birth name's.
const QColor kCorDiferente(0xFF, 0xE0, 0x99);

} // namespace

frmEstudoNome::frmEstudoNome(Programa& programa, QWidget* pai) : QWidget(pai), programa_(programa) {
    setObjectName(QStringLiteral("frmEstudoNome"));
    setWindowTitle(Titulo());
    MontarJanela();
    Recalcular();
    txtDataNasc->setFocus();
}

frmEstudoNome::~frmEstudoNome() = default;

void frmEstudoNome::MontarJanela() {
    auto botao = [this](const char* texto, const char* nome) {
        return NovoBotao(this, QString::fromUtf8(texto), QString::fromLatin1(nome));
    };
    auto rotulo = [this](const char* texto, QWidget* parceiro) {
        return NovoRotulo(this, QString::fromUtf8(texto), parceiro);
    };

    txtDataNasc = new QLineEdit(this);
    txtDataNasc->setObjectName(QStringLiteral("txtDataNasc"));
    txtDataNasc->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 16);
    txtNome = new QLineEdit(this);
    txtNome->setObjectName(QStringLiteral("txtNome"));
    // No cap on the name boxes (a widget cap would cut a pasted name short without a word): a
    // name longer than the register takes is refused with its message.
    txtNome->setMaxLength(std::numeric_limits<int>::max());

    lstGrafias = new QListWidget(this);
    lstGrafias->setObjectName(QStringLiteral("lstGrafias"));
    lstGrafias->setSelectionMode(QAbstractItemView::SingleSelection);
    lstGrafias->setMaximumHeight(fontMetrics().height() * 5 + 8);
    txtGrafia = new QLineEdit(this);
    txtGrafia->setObjectName(QStringLiteral("txtGrafia"));
    txtGrafia->setMaxLength(std::numeric_limits<int>::max());
    txtGrafia->setPlaceholderText(
        QStringLiteral("nome em uso, assinatura, nome de casada, nome artístico..."));
    cmdAdicionar = botao("&Adicionar", "cmdAdicionar");
    cmdRemover = botao("&Remover", "cmdRemover");
    cmdSubir = botao("&Subir", "cmdSubir");
    cmdDescer = botao("D&escer", "cmdDescer");

    // The spelling, the six numbers, then the karmic lessons, debts and master numbers.
    tblEstudo = new QTableWidget(0, 10, this);
    tblEstudo->setObjectName(QStringLiteral("tblEstudo"));
    // The long headings on two lines, so that the spellings keep most of the width.
    QStringList titulos{QStringLiteral("Grafia")};
    std::vector<const char*> colunas(std::begin(kColunasEstudo), std::end(kColunasEstudo));
    colunas.insert(colunas.end(), std::begin(kColunasCarmicas), std::end(kColunasCarmicas));
    for (const char* coluna : colunas) {
        QString titulo = QString::fromUtf8(coluna);
        const qsizetype meio = titulo.size() / 2;
        const qsizetype antes = titulo.lastIndexOf(u' ', meio), depois = titulo.indexOf(u' ', meio);
        const qsizetype quebra = antes < 0                                     ? depois
                                 : depois < 0 || meio - antes <= depois - meio ? antes
                                                                               : depois;
        if (quebra > 0)
            titulo[quebra] = u'\n';
        titulos << titulo;
    }
    tblEstudo->setHorizontalHeaderLabels(titulos);
    tblEstudo->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblEstudo->setSelectionMode(QAbstractItemView::SingleSelection);
    tblEstudo->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblEstudo->setWordWrap(false);
    tblEstudo->verticalHeader()->hide();
    QHeaderView* cabecalho = tblEstudo->horizontalHeader();
    cabecalho->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < 10; ++c)
        cabecalho->setSectionResizeMode(c, QHeaderView::ResizeToContents);

    txtTrabalho = new QPlainTextEdit(this);
    txtTrabalho->setObjectName(QStringLiteral("txtTrabalho"));
    txtTrabalho->setReadOnly(true);
    txtTrabalho->setTabChangesFocus(true);
    txtTrabalho->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    lblSituacao = new QLabel(this);
    lblSituacao->setObjectName(QStringLiteral("lblSituacao"));
    lblSituacao->setWordWrap(true);

    cmdCopiar = botao("&Copiar", "cmdCopiar");
    cmdImprimir = botao("&Imprimir...", "cmdImprimir");
    cmdSalvarPdf = botao("Salvar em &PDF...", "cmdSalvarPdf");

    auto* dados = new QGridLayout;
    dados->addWidget(rotulo("&Data de nascimento (dd/mm/aaaa):", txtDataNasc), 0, 0);
    dados->addWidget(txtDataNasc, 0, 1, Qt::AlignLeft);
    dados->addWidget(rotulo("&Nome de nascimento:", txtNome), 1, 0);
    dados->addWidget(txtNome, 1, 1);
    dados->addWidget(rotulo("&Outra grafia:", txtGrafia), 2, 0);
    auto* linhaGrafia = new QHBoxLayout;
    linhaGrafia->addWidget(txtGrafia, 1);
    linhaGrafia->addWidget(cmdAdicionar);
    dados->addLayout(linhaGrafia, 2, 1);
    dados->addWidget(rotulo("&Grafias:", lstGrafias), 3, 0, Qt::AlignTop);
    auto* linhaLista = new QHBoxLayout;
    linhaLista->addWidget(lstGrafias, 1);
    auto* botoesLista = new QVBoxLayout;
    for (QPushButton* b : {cmdRemover, cmdSubir, cmdDescer})
        botoesLista->addWidget(b);
    botoesLista->addStretch(1);
    linhaLista->addLayout(botoesLista);
    dados->addLayout(linhaLista, 3, 1);
    dados->setColumnStretch(1, 1);

    auto* saida = new QHBoxLayout;
    saida->addWidget(lblSituacao, 1);
    for (QPushButton* b : {cmdCopiar, cmdImprimir, cmdSalvarPdf})
        saida->addWidget(b);

    auto* coluna = new QVBoxLayout(this);
    coluna->addLayout(dados);
    coluna->addWidget(rotulo("&Tabela:", tblEstudo));
    coluna->addWidget(tblEstudo, 3);
    coluna->addWidget(rotulo("Cálc&ulo da grafia selecionada:", txtTrabalho));
    coluna->addWidget(txtTrabalho, 2);
    coluna->addLayout(saida);

    setTabOrder(txtDataNasc, txtNome);
    setTabOrder(txtNome, txtGrafia);
    setTabOrder(txtGrafia, cmdAdicionar);
    setTabOrder(cmdAdicionar, lstGrafias);
    setTabOrder(lstGrafias, cmdRemover);
    setTabOrder(cmdRemover, cmdSubir);
    setTabOrder(cmdSubir, cmdDescer);
    setTabOrder(cmdDescer, tblEstudo);
    setTabOrder(tblEstudo, txtTrabalho);
    setTabOrder(txtTrabalho, cmdCopiar);
    setTabOrder(cmdCopiar, cmdImprimir);
    setTabOrder(cmdImprimir, cmdSalvarPdf);

    connect(txtDataNasc, &QLineEdit::editingFinished, this, &frmEstudoNome::DataDigitada);
    connect(txtNome, &QLineEdit::editingFinished, this, &frmEstudoNome::NomeDigitado);
    connect(txtGrafia, &QLineEdit::returnPressed, this, &frmEstudoNome::cmdAdicionar_Click);
    connect(cmdAdicionar, &QPushButton::clicked, this, &frmEstudoNome::cmdAdicionar_Click);
    connect(cmdRemover, &QPushButton::clicked, this, &frmEstudoNome::cmdRemover_Click);
    connect(cmdSubir, &QPushButton::clicked, this, &frmEstudoNome::cmdSubir_Click);
    connect(cmdDescer, &QPushButton::clicked, this, &frmEstudoNome::cmdDescer_Click);
    connect(cmdCopiar, &QPushButton::clicked, this, &frmEstudoNome::cmdCopiar_Click);
    connect(cmdImprimir, &QPushButton::clicked, this, &frmEstudoNome::cmdImprimir_Click);
    connect(cmdSalvarPdf, &QPushButton::clicked, this, &frmEstudoNome::cmdSalvarPdf_Click);
    connect(lstGrafias, &QListWidget::currentRowChanged, this, [this](int linha) {
        AtualizarBotoes();
        // The spelling chosen in the list is the one whose working is shown.
        if (linha >= 0 && linha + 1 < tblEstudo->rowCount())
            tblEstudo->selectRow(linha + 1);
    });
    connect(tblEstudo, &QTableWidget::currentCellChanged, this, [this] { MostrarTrabalho(); });
    resize(860, 660);
}

void frmEstudoNome::Erro(const QString& texto) {
    programa_.mensagens.Mostrar(this, QStringLiteral("Erro:"), texto, IconeMensagem::Critico,
                                BotoesMensagem::Ok);
}

// ---- The date, the birth name and the spellings ------------------------------------------------

void frmEstudoNome::DataDigitada() {
    // Rewritten as dd/mm/yyyy when it is a date, as the entry dialog does on leaving its field.
    const ConversaoCp1252 conv = QStringParaCp1252(txtDataNasc->text());
    if (conv.ok()) {
        const QString normalizada = Cp1252ParaQString(NormalizarData(conv.texto, programa_.Hoje()));
        if (normalizada != txtDataNasc->text())
            txtDataNasc->setText(normalizada);
    }
    const QString texto = txtDataNasc->text();
    if (texto == dataVerificada_)
        return;
    dataVerificada_ = texto;
    nascimento_ =
        conv.ok() ? InterpretarData(QStringParaCp1252(texto).texto, programa_.Hoje()) : std::nullopt;
    Recalcular();
    if (!nascimento_ && !texto.trimmed().isEmpty()) {
        Erro(QString::fromUtf8(kMensagemDataInvalida));
        txtDataNasc->setFocus();
        txtDataNasc->selectAll();
    }
}

void frmEstudoNome::NomeDigitado() {
    const QString texto = txtNome->text();
    if (texto == nomeVerificado_)
        return;
    nomeVerificado_ = texto;
    const VerificacaoCliente v = VerificarNome(texto);
    nomeNascimento_.reset();
    if (v.ok())
        nomeNascimento_ = QStringParaCp1252(v.nome).texto;
    Recalcular();
    if (!v.ok() && v.recusa != Recusa::NomeVazio) {
        Erro(MensagemEstudo(v, true));
        txtNome->setFocus();
    }
}

void frmEstudoNome::cmdAdicionar_Click() {
    if (static_cast<int>(grafias_.size()) + 1 >= kMaximoGrafias) {
        programa_.mensagens.Mostrar(
            this, QStringLiteral("Aviso:"),
            QStringLiteral(
                "O estudo compara no máximo %1 grafias: o nome de nascimento e mais %2. Remova uma "
                "grafia da lista antes de incluir outra.")
                .arg(kMaximoGrafias)
                .arg(kMaximoGrafias - 1),
            IconeMensagem::Informacao, BotoesMensagem::Ok);
        return;
    }
    // The entry dialog's checks and messages; a refused spelling stays in its box to be corrected.
    const VerificacaoCliente v = VerificarGrafia(txtGrafia->text());
    if (!v.ok()) {
        Erro(MensagemEstudo(v, false));
        txtGrafia->setFocus();
        return;
    }
    grafias_.push_back(v.nome);
    MostrarGrafias(static_cast<int>(grafias_.size()) - 1);
    txtGrafia->clear();
    txtGrafia->setFocus();
    GrafiasMudaram();
}

void frmEstudoNome::cmdRemover_Click() {
    const int linha = lstGrafias->currentRow();
    if (linha < 0 || linha >= static_cast<int>(grafias_.size()))
        return;
    grafias_.removeAt(linha);
    MostrarGrafias(std::min(linha, static_cast<int>(grafias_.size()) - 1));
    GrafiasMudaram();
}

void frmEstudoNome::cmdSubir_Click() {
    Mover(-1);
}

void frmEstudoNome::cmdDescer_Click() {
    Mover(+1);
}

void frmEstudoNome::Mover(int passo) {
    const int linha = lstGrafias->currentRow();
    const int destino = linha + passo;
    if (linha < 0 || destino < 0 || destino >= static_cast<int>(grafias_.size()))
        return;
    grafias_.swapItemsAt(linha, destino);
    MostrarGrafias(destino);
    GrafiasMudaram();
}

void frmEstudoNome::MostrarGrafias(int atual) {
    // Quiet while the list is filled again: the caller computes the study and selects its row.
    const QSignalBlocker quieta(lstGrafias);
    lstGrafias->clear();
    lstGrafias->addItems(grafias_);
    lstGrafias->setCurrentRow(atual);
}

void frmEstudoNome::GrafiasMudaram() {
    Recalcular();
    if (lstGrafias->currentRow() >= 0 && lstGrafias->currentRow() + 1 < tblEstudo->rowCount())
        tblEstudo->selectRow(lstGrafias->currentRow() + 1);
    GravarNoCadastro();
}

// ---- The study --------------------------------------------------------------------------------

void frmEstudoNome::Recalcular() {
    estudo_.reset();
    if (nascimento_ && nomeNascimento_) {
        std::vector<std::string> todas{*nomeNascimento_};
        for (const QString& grafia : grafias_)
            todas.push_back(QStringParaCp1252(grafia).texto);
        estudo_ = EstudarNome(*nascimento_, todas);
    }
    PreencherTabela();
    AtualizarBotoes();
    if (!estudo_)
        lblSituacao->setText(
            QStringLiteral("Informe a data de nascimento e o nome de nascimento para ver o estudo."));
    else
        lblSituacao->setText(QStringLiteral("Caminho da Vida: %1").arg(estudo_->caminhoVida));
}

void frmEstudoNome::PreencherTabela() {
    const int selecionada = std::max(0, tblEstudo->currentRow());
    tblEstudo->setRowCount(0);
    if (!estudo_) {
        MostrarTrabalho();
        return;
    }
    const int linhas = static_cast<int>(estudo_->grafias.size());
    tblEstudo->setRowCount(linhas);
    for (int i = 0; i < linhas; ++i) {
        const EstudoGrafia& g = estudo_->grafias[static_cast<std::size_t>(i)];
        auto* nome = new QTableWidgetItem(Cp1252ParaQStringSemControles(g.digitado));
        if (i == 0)
            nome->setToolTip(QStringLiteral("Nome de nascimento"));
        tblEstudo->setItem(i, 0, nome);
        const DiferencasGrafia d = CompararComNascimento(*estudo_, static_cast<std::size_t>(i));
        const bool difere[9] = {d.expressao, d.alma,   d.silencioso, d.primeiraVogal, d.caracteristica,
                                d.realidade, d.licoes, d.dividas,    d.mestres};
        std::vector<std::string> celulas = CelulasGrafia(g);
        const std::vector<std::string> carmicas = CelulasCarmicas(g);
        celulas.insert(celulas.end(), carmicas.begin(), carmicas.end());
        for (int c = 0; c < 9; ++c) {
            auto* item = new QTableWidgetItem(QString::fromStdString(celulas[static_cast<std::size_t>(c)]));
            item->setTextAlignment(Qt::AlignCenter);
            if (difere[c]) {
                QFont negrito = item->font();
                negrito.setBold(true);
                item->setFont(negrito);
                item->setBackground(kCorDiferente);
                item->setToolTip(QStringLiteral("Difere do nome de nascimento"));
            }
            tblEstudo->setItem(i, c + 1, item);
        }
    }
    tblEstudo->setCurrentCell(std::min(selecionada, linhas - 1), 0);
    MostrarTrabalho();
}

void frmEstudoNome::MostrarTrabalho() {
    const int linha = tblEstudo->currentRow();
    if (!estudo_ || linha < 0 || linha >= static_cast<int>(estudo_->grafias.size())) {
        txtTrabalho->clear();
        return;
    }
    QStringList texto;
    for (const std::string& l :
         LinhasTrabalho(estudo_->grafias[static_cast<std::size_t>(linha)], estudo_->caminhoVida))
        texto << QString::fromStdString(l);
    txtTrabalho->setPlainText(texto.join(u'\n'));
}

void frmEstudoNome::AtualizarBotoes() {
    const int linha = lstGrafias->currentRow();
    const int total = static_cast<int>(grafias_.size());
    cmdAdicionar->setEnabled(total + 1 < kMaximoGrafias);
    cmdRemover->setEnabled(linha >= 0);
    cmdSubir->setEnabled(linha > 0);
    cmdDescer->setEnabled(linha >= 0 && linha + 1 < total);
    for (QPushButton* b : {cmdCopiar, cmdImprimir, cmdSalvarPdf})
        b->setEnabled(estudo_.has_value());
}

} // namespace oraculandia
