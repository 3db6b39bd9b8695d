#include "consulta/qt/frmHarmonia.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <limits>

#include "clientes/qt/regras_cliente.h"
#include "consulta/qt/dlgTabelaRelacoes.h"
#include "consulta/qt/saida_consulta.h"
#include "engine/entrada.h"
#include "layout/qt/controles.h"
#include "layout/qt/cp1252_qt.h"
#include "programa/qt/programa.h"

namespace oraculandia {

namespace {

// The backgrounds of the relations in the table, from the closest to the most challenging.
QColor CorRelacao(Relacao r) {
    switch (r) {
    case Relacao::Identicos:
        return QColor(0xC8, 0xE6, 0xC9);
    case Relacao::Naturais:
        return QColor(0xDC, 0xED, 0xC8);
    case Relacao::Compativeis:
        return QColor(0xFF, 0xF9, 0xC4);
    case Relacao::Desafiadores:
        return QColor(0xFF, 0xCC, 0xBC);
    }
    return {};
}

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QString Ordinal(int i) {
    return QStringLiteral("%1ª pessoa").arg(i + 1);
}

} // namespace

frmHarmonia::frmHarmonia(Programa& programa, QWidget* pai) : QWidget(pai), programa_(programa) {
    setObjectName(QStringLiteral("frmHarmonia"));
    setWindowTitle(Titulo());
    MontarJanela();
    Recalcular();
    txtNome[0]->setFocus();
}

frmHarmonia::~frmHarmonia() = default;

void frmHarmonia::MontarJanela() {
    auto botao = [this](const QString& texto, const QString& nome) { return NovoBotao(this, texto, nome); };
    auto* pessoas = new QHBoxLayout;
    const char* rotulosNome[2] = {"&Nome:", "N&ome:"};
    const char* rotulosData[2] = {"&Data de nascimento:", "D&ata de nascimento:"};
    const char* rotulosCliente[2] = {"Do &cadastro...", "Do cada&stro..."};
    for (int i = 0; i < 2; ++i) {
        auto* grupo = new QGroupBox(Ordinal(i), this);
        grupo->setObjectName(QStringLiteral("grpPessoa%1").arg(i + 1));
        txtNome[static_cast<std::size_t>(i)] = new QLineEdit(grupo);
        txtNome[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("txtNome%1").arg(i + 1));
        txtNome[static_cast<std::size_t>(i)]->setMaxLength(std::numeric_limits<int>::max());
        txtDataNasc[static_cast<std::size_t>(i)] = new QLineEdit(grupo);
        txtDataNasc[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("txtDataNasc%1").arg(i + 1));
        txtDataNasc[static_cast<std::size_t>(i)]->setMaximumWidth(
            fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 16);
        cmdCliente[static_cast<std::size_t>(i)] =
            botao(QString::fromUtf8(rotulosCliente[i]), QStringLiteral("cmdCliente%1").arg(i + 1));
        auto* grade = new QGridLayout(grupo);
        auto* lNome = new QLabel(QString::fromUtf8(rotulosNome[i]), grupo);
        lNome->setBuddy(txtNome[static_cast<std::size_t>(i)]);
        auto* lData = new QLabel(QString::fromUtf8(rotulosData[i]), grupo);
        lData->setBuddy(txtDataNasc[static_cast<std::size_t>(i)]);
        grade->addWidget(lNome, 0, 0);
        grade->addWidget(txtNome[static_cast<std::size_t>(i)], 0, 1, 1, 2);
        grade->addWidget(lData, 1, 0);
        grade->addWidget(txtDataNasc[static_cast<std::size_t>(i)], 1, 1);
        grade->addWidget(cmdCliente[static_cast<std::size_t>(i)], 1, 2, Qt::AlignRight);
        grade->setColumnStretch(1, 1);
        pessoas->addWidget(grupo, 1);
        connect(txtNome[static_cast<std::size_t>(i)], &QLineEdit::editingFinished, this,
                [this, i] { NomeDigitado(i); });
        connect(txtDataNasc[static_cast<std::size_t>(i)], &QLineEdit::editingFinished, this,
                [this, i] { DataDigitada(i); });
        connect(cmdCliente[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
                [this, i] { cmdCliente_Click(i); });
    }

    tblHarmonia = new QTableWidget(kAspectosHarmonia, 4, this);
    tblHarmonia->setObjectName(QStringLiteral("tblHarmonia"));
    tblHarmonia->setHorizontalHeaderLabels(
        {QStringLiteral("Número"), Ordinal(0), Ordinal(1), QStringLiteral("Relação")});
    tblHarmonia->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblHarmonia->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblHarmonia->setSelectionMode(QAbstractItemView::SingleSelection);
    tblHarmonia->verticalHeader()->hide();
    tblHarmonia->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblHarmonia->setMaximumHeight(tblHarmonia->horizontalHeader()->sizeHint().height() +
                                  kAspectosHarmonia * tblHarmonia->verticalHeader()->defaultSectionSize() +
                                  6);
    txtLeitura = new QPlainTextEdit(this);
    txtLeitura->setObjectName(QStringLiteral("txtLeitura"));
    txtLeitura->setReadOnly(true);
    txtLeitura->setTabChangesFocus(true);
    lblSituacao = new QLabel(this);
    lblSituacao->setObjectName(QStringLiteral("lblSituacao"));
    lblSituacao->setWordWrap(true);
    cmdTabela = botao(QStringLiteral("&Tabela de relações..."), QStringLiteral("cmdTabela"));
    cmdCopiar = botao(QStringLiteral("Co&piar"), QStringLiteral("cmdCopiar"));
    cmdImprimir = botao(QStringLiteral("&Imprimir..."), QStringLiteral("cmdImprimir"));
    cmdSalvarPdf = botao(QStringLiteral("Salvar em P&DF..."), QStringLiteral("cmdSalvarPdf"));
    // The access keys of the two groups take D, N, A, O, C, S; the buttons keep clear of them.
    cmdSalvarPdf->setText(QStringLiteral("Salvar em PD&F..."));

    auto* saida = new QHBoxLayout;
    saida->addWidget(lblSituacao, 1);
    for (QPushButton* b : {cmdTabela, cmdCopiar, cmdImprimir, cmdSalvarPdf})
        saida->addWidget(b);
    auto* rotuloLeitura = new QLabel(QStringLiteral("&Leitura:"), this);
    rotuloLeitura->setBuddy(txtLeitura);
    auto* coluna = new QVBoxLayout(this);
    coluna->addLayout(pessoas);
    coluna->addWidget(tblHarmonia);
    coluna->addWidget(rotuloLeitura);
    coluna->addWidget(txtLeitura, 1);
    coluna->addLayout(saida);

    connect(cmdTabela, &QPushButton::clicked, this, &frmHarmonia::cmdTabela_Click);
    connect(cmdCopiar, &QPushButton::clicked, this, &frmHarmonia::cmdCopiar_Click);
    connect(cmdImprimir, &QPushButton::clicked, this, &frmHarmonia::cmdImprimir_Click);
    connect(cmdSalvarPdf, &QPushButton::clicked, this, &frmHarmonia::cmdSalvarPdf_Click);
    resize(900, 640);
}

void frmHarmonia::Erro(const QString& texto) {
    programa_.mensagens.Mostrar(this, QStringLiteral("Erro:"), texto, IconeMensagem::Critico,
                                BotoesMensagem::Ok);
}

void frmHarmonia::DataDigitada(int i) {
    const auto k = static_cast<std::size_t>(i);
    QLineEdit* campo = txtDataNasc[k];
    const Data hoje = programa_.Hoje();
    const ConversaoCp1252 conv = QStringParaCp1252(campo->text());
    if (conv.ok()) {
        const QString normalizada = Cp1252ParaQString(NormalizarData(conv.texto, hoje));
        if (normalizada != campo->text())
            campo->setText(normalizada);
    }
    if (campo->text() == dataVerificada_[k])
        return;
    dataVerificada_[k] = campo->text();
    nascimento_[k] = conv.ok() ? InterpretarData(QStringParaCp1252(campo->text()).texto, hoje) : std::nullopt;
    Recalcular();
    if (!nascimento_[k] && !campo->text().trimmed().isEmpty()) {
        Erro(QStringLiteral("%1, data de nascimento: %2")
                 .arg(Ordinal(i), QString::fromUtf8(kMensagemDataInvalida)));
        campo->setFocus();
        campo->selectAll();
    }
}

void frmHarmonia::NomeDigitado(int i) {
    const auto k = static_cast<std::size_t>(i);
    const QString texto = txtNome[k]->text();
    if (texto == nomeVerificado_[k])
        return;
    nomeVerificado_[k] = texto;
    const VerificacaoCliente v = VerificarNome(texto);
    nome_[k].reset();
    if (v.ok())
        nome_[k] = QStringParaCp1252(v.nome).texto;
    Recalcular();
    if (!v.ok() && v.recusa != Recusa::NomeVazio) {
        Erro(QStringLiteral("%1, nome: %2").arg(Ordinal(i), v.Mensagem()));
        txtNome[k]->setFocus();
    }
}

void frmHarmonia::AbrirPessoa(int i, const QString& nome, const Data& nascimento) {
    const auto k = static_cast<std::size_t>(i);
    txtDataNasc[k]->setText(DataExibida(nascimento));
    txtNome[k]->setText(nome);
    DataDigitada(i);
    NomeDigitado(i);
}

void frmHarmonia::cmdCliente_Click(int i) {
    CadastroClientes* cadastro = cadastro_ ? cadastro_() : nullptr;
    if (cadastro == nullptr)
        return;
    dlgEscolherCliente dialogo(*cadastro, this);
    if (dialogo.exec() != QDialog::Accepted || !dialogo.Escolhido()) {
        if (!dialogo.Erro().isEmpty())
            Erro(QStringLiteral("Não foi possível ler o cadastro de clientes: %1.").arg(dialogo.Erro()));
        return;
    }
    AbrirPessoa(i, dialogo.Escolhido()->nome, dialogo.Escolhido()->nascimento);
}

void frmHarmonia::cmdTabela_Click() {
    dlgTabelaRelacoes dialogo(programa_, this);
    if (dialogo.exec() == QDialog::Accepted)
        Recalcular();
}

void frmHarmonia::Avisar(const std::vector<std::string>& problemas) {
    QStringList novos;
    for (const std::string& p : problemas) {
        const QString q = Q(p);
        if (!problemasAvisados_.contains(q)) {
            problemasAvisados_.insert(q);
            novos << q;
        }
    }
    if (!novos.isEmpty())
        programa_.mensagens.Mostrar(
            this, QStringLiteral("Aviso:"),
            QStringLiteral("%1. Os números são mostrados mesmo assim.").arg(novos.join(QStringLiteral("; "))),
            IconeMensagem::Exclamacao, BotoesMensagem::Ok);
}

void frmHarmonia::Recalcular() {
    harmonia_.reset();
    const bool completa = nascimento_[0] && nascimento_[1] && nome_[0] && nome_[1];
    std::vector<std::string> problemas;
    if (completa) {
        const TabelaCarregada tabela = CarregarTabela(programa_.PastaPrograma);
        if (tabela.situacao == SituacaoTabela::Invalida)
            problemas.push_back(tabela.erro + "; vale a tabela padrão");
        harmonia_ = ComporHarmonia(programa_.PastaPrograma, CalcularPessoa(*nome_[0], *nascimento_[0]),
                                   CalcularPessoa(*nome_[1], *nascimento_[1]), tabela.tabela);
        for (const std::string& p : harmonia_->problemas)
            problemas.push_back("Os textos da harmonia não puderam ser lidos: " + p);
    }
    Preencher();
    for (QPushButton* b : {cmdCopiar, cmdImprimir, cmdSalvarPdf})
        b->setEnabled(harmonia_.has_value());
    if (!harmonia_)
        lblSituacao->setText(QStringLiteral("Informe o nome e a data de nascimento das duas pessoas."));
    else
        lblSituacao->setText(Q(ResumoRelacoes(*harmonia_)));
    Avisar(problemas);
}

void frmHarmonia::Preencher() {
    for (int i = 0; i < 2; ++i) {
        const auto k = static_cast<std::size_t>(i);
        QString titulo = Ordinal(i);
        if (nome_[k])
            titulo = Cp1252ParaQStringSemControles(*nome_[k]);
        tblHarmonia->setHorizontalHeaderItem(i + 1, new QTableWidgetItem(titulo));
    }
    txtLeitura->clear();
    for (int r = 0; r < kAspectosHarmonia; ++r) {
        tblHarmonia->setItem(r, 0, new QTableWidgetItem(QString::fromUtf8(kNomesAspectos[r])));
        for (int c = 1; c < 4; ++c)
            tblHarmonia->setItem(r, c, new QTableWidgetItem());
    }
    if (!harmonia_)
        return;
    const Harmonia& h = *harmonia_;
    QStringList leitura;
    for (int r = 0; r < kAspectosHarmonia; ++r) {
        const ParHarmonia& p = h.pares[static_cast<std::size_t>(r)];
        for (int c = 1; c <= 2; ++c) {
            tblHarmonia->item(r, c)->setText(QString::number(c == 1 ? p.primeiro : p.segundo));
            tblHarmonia->item(r, c)->setTextAlignment(Qt::AlignCenter);
        }
        QTableWidgetItem* rel = tblHarmonia->item(r, 3);
        rel->setTextAlignment(Qt::AlignCenter);
        if (p.semNumero) {
            rel->setText(QStringLiteral("sem relação (número 0)"));
        } else {
            rel->setText(QString::fromUtf8(NomeRelacao(p.relacao)));
            rel->setBackground(CorRelacao(p.relacao));
        }
        if (!p.texto.empty())
            leitura << QStringLiteral("%1 %2 e %3 (%4)\n%5")
                           .arg(QString::fromUtf8(kNomesAspectos[r]))
                           .arg(p.primeiro)
                           .arg(p.segundo)
                           .arg(QString::fromUtf8(NomeRelacao(p.relacao)), Q(p.texto));
    }
    leitura << QStringLiteral("Leitura geral\n%1").arg(Q(h.leituraGeral));
    txtLeitura->setPlainText(leitura.join(QStringLiteral("\n\n")));
}

QString frmHarmonia::TextoParaCopiar() const {
    return harmonia_ ? Q(TextoHarmonia(*harmonia_)) : QString();
}

DocumentoConsulta frmHarmonia::Documento() const {
    DocumentoConsulta doc;
    if (!harmonia_)
        return doc;
    const Harmonia& h = *harmonia_;
    const QString n1 = Cp1252ParaQStringSemControles(h.pessoas[0].nome);
    const QString n2 = Cp1252ParaQStringSemControles(h.pessoas[1].nome);
    doc.titulo = QStringLiteral("Harmonia - %1 e %2").arg(n1, n2);
    doc.Titulo(Titulo());
    doc.Paragrafo(
        QStringLiteral("1ª pessoa: %1 (%2)\n2ª pessoa: %3 (%4)")
            .arg(n1, Q(FormatarData(h.pessoas[0].nascimento)), n2, Q(FormatarData(h.pessoas[1].nascimento))));
    std::vector<QStringList> linhas;
    for (int r = 0; r < kAspectosHarmonia; ++r) {
        const ParHarmonia& p = h.pares[static_cast<std::size_t>(r)];
        linhas.push_back({QString::fromUtf8(kNomesAspectos[r]), QString::number(p.primeiro),
                          QString::number(p.segundo),
                          p.semNumero ? QStringLiteral("sem relação (número 0)")
                                      : QString::fromUtf8(NomeRelacao(p.relacao))});
    }
    doc.Tabela({QStringLiteral("Número"), n1, n2, QStringLiteral("Relação")}, linhas);
    for (int r = 0; r < kAspectosHarmonia; ++r) {
        const ParHarmonia& p = h.pares[static_cast<std::size_t>(r)];
        if (p.texto.empty())
            continue;
        doc.Subtitulo(QStringLiteral("%1: %2 e %3, %4")
                          .arg(QString::fromUtf8(kNomesAspectos[r]))
                          .arg(p.primeiro)
                          .arg(p.segundo)
                          .arg(QString::fromUtf8(NomeRelacao(p.relacao))));
        doc.Paragrafo(Q(p.texto));
    }
    doc.Subtitulo(QStringLiteral("Leitura geral"));
    doc.Paragrafo(Q(h.leituraGeral));
    return doc;
}

std::string frmHarmonia::NomesCabecalho() const {
    // The header carries both names; no date, as there are two (and so no sign either).
    return harmonia_ ? NormalizarNome(harmonia_->pessoas[0].nome) + " e " +
                           NormalizarNome(harmonia_->pessoas[1].nome)
                     : std::string();
}

void frmHarmonia::cmdCopiar_Click() {
    if (!harmonia_)
        return;
    QGuiApplication::clipboard()->setText(TextoParaCopiar());
    lblSituacao->setText(QStringLiteral("A harmonia foi copiada para a área de transferência."));
}

void frmHarmonia::cmdImprimir_Click() {
    if (!harmonia_)
        return;
    ImprimirDocumento(this, programa_, Documento(), NomesCabecalho(), std::string(),
                      QStringLiteral("a harmonia"), [this] { cmdSalvarPdf_Click(); });
}

void frmHarmonia::cmdSalvarPdf_Click() {
    if (!harmonia_)
        return;
    SalvarDocumentoPdf(this, programa_, Documento(), NomesCabecalho(), std::string(),
                       QStringLiteral("a harmonia"), Documento().titulo);
}

} // namespace oraculandia
