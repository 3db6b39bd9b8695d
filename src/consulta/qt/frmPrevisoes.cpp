#include "consulta/qt/frmPrevisoes.h"

#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <limits>

#include "clientes/qt/regras_cliente.h"
#include "consulta/qt/saida_consulta.h"
#include "engine/entrada.h"
#include "layout/qt/controles.h"
#include "layout/qt/cp1252_qt.h"
#include "programa/qt/programa.h"

namespace oraculandia {

namespace {

const QColor kCorCiclo(0xFF, 0xE0, 0x99); // a year that starts a new nine-year cycle

QString Q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QString Maiuscula(const char* utf8) {
    QString s = QString::fromUtf8(utf8);
    if (!s.isEmpty())
        s[0] = s[0].toUpper();
    return s;
}

QTableWidgetItem* Celula(const QString& t, bool centro = true) {
    auto* item = new QTableWidgetItem(t);
    if (centro)
        item->setTextAlignment(Qt::AlignCenter);
    return item;
}

} // namespace

frmPrevisoes::frmPrevisoes(Programa& programa, QWidget* pai) : QWidget(pai), programa_(programa) {
    setObjectName(QStringLiteral("frmPrevisoes"));
    setWindowTitle(Titulo());
    referencia_ = programa_.Hoje();
    MontarJanela();
    Recalcular();
    txtDataNasc->setFocus();
}

frmPrevisoes::~frmPrevisoes() = default;

void frmPrevisoes::MontarJanela() {
    auto botao = [this](const char* texto, const char* nome) {
        return NovoBotao(this, QString::fromUtf8(texto), QString::fromLatin1(nome));
    };
    auto rotulo = [this](const char* texto, QWidget* parceiro) {
        return NovoRotulo(this, QString::fromUtf8(texto), parceiro);
    };
    auto tabela = [this](const char* nome, const QStringList& colunas) {
        auto* t = new QTableWidget(0, static_cast<int>(colunas.size()), this);
        t->setObjectName(QString::fromLatin1(nome));
        t->setHorizontalHeaderLabels(colunas);
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
        t->setSelectionMode(QAbstractItemView::SingleSelection);
        t->setSelectionBehavior(QAbstractItemView::SelectRows);
        t->verticalHeader()->hide();
        t->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        return t;
    };
    const int largura = fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 16;

    txtNome = new QLineEdit(this);
    txtNome->setObjectName(QStringLiteral("txtNome"));
    txtNome->setMaxLength(std::numeric_limits<int>::max());
    txtNome->setPlaceholderText(QStringLiteral("opcional: só aparece no cabeçalho"));
    txtDataNasc = new QLineEdit(this);
    txtDataNasc->setObjectName(QStringLiteral("txtDataNasc"));
    txtDataNasc->setMaximumWidth(largura);
    txtReferencia = new QLineEdit(this);
    txtReferencia->setObjectName(QStringLiteral("txtReferencia"));
    txtReferencia->setMaximumWidth(largura);
    txtReferencia->setText(QString::fromStdString(FormatarData(referencia_)));
    referenciaVerificada_ = txtReferencia->text();
    cmdCliente = botao("Do cadas&tro...", "cmdCliente");

    spnAnoMeses = new QSpinBox(this);
    spnAnoMeses->setObjectName(QStringLiteral("spnAnoMeses"));
    spnAnoMeses->setRange(100, 9999);
    spnAnoMeses->setValue(referencia_.ano);
    cboMes = new QComboBox(this);
    cboMes->setObjectName(QStringLiteral("cboMes"));
    for (int m = 1; m <= 12; ++m)
        cboMes->addItem(Maiuscula(NomeMes(m)));
    cboMes->setCurrentIndex(referencia_.mes - 1);
    spnAnoCalendario = new QSpinBox(this);
    spnAnoCalendario->setObjectName(QStringLiteral("spnAnoCalendario"));
    spnAnoCalendario->setRange(100, 9999);
    spnAnoCalendario->setValue(referencia_.ano);

    tblAnos = tabela("tblAnos", {QStringLiteral("Ano"), QStringLiteral("Ano Universal"),
                                 QStringLiteral("Ano Pessoal"), QStringLiteral("Ciclo")});
    tblMeses = tabela(
        "tblMeses", {QStringLiteral("Mês"), QStringLiteral("Mês Universal"), QStringLiteral("Mês Pessoal")});
    QStringList dias;
    for (int d = 0; d < 7; ++d)
        dias << QString::fromUtf8(AbreviaturaDiaSemana(d));
    // The number columns as wide as their headings; the first takes what is left.
    for (QTableWidget* t : {tblAnos, tblMeses}) {
        t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
        t->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    tblCalendario = tabela("tblCalendario", dias);
    tblCalendario->setSelectionBehavior(QAbstractItemView::SelectItems);
    tblCalendario->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    txtAnos = new QPlainTextEdit(this);
    txtAnos->setObjectName(QStringLiteral("txtAnos"));
    txtMeses = new QPlainTextEdit(this);
    txtMeses->setObjectName(QStringLiteral("txtMeses"));
    for (QPlainTextEdit* t : {txtAnos, txtMeses}) {
        t->setReadOnly(true);
        t->setTabChangesFocus(true);
    }
    lblLegenda = new QLabel(this);
    lblLegenda->setObjectName(QStringLiteral("lblLegenda"));
    lblLegenda->setWordWrap(true);
    lblLegenda->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    abas = new QTabWidget(this);
    abas->setObjectName(QStringLiteral("abas"));
    auto pagina = [this](QWidget* a, QWidget* b, int esticar) {
        auto* w = new QWidget(abas);
        auto* l = new QHBoxLayout(w);
        l->addWidget(a, esticar);
        l->addWidget(b, 10 - esticar);
        return w;
    };
    abas->addTab(pagina(tblAnos, txtAnos, 4), QStringLiteral("A&nos Pessoais"));
    abas->addTab(pagina(tblMeses, txtMeses, 4), QStringLiteral("Meses Pe&ssoais"));
    abas->addTab(pagina(tblCalendario, lblLegenda, 6), QStringLiteral("Ca&lendário"));

    lblSituacao = new QLabel(this);
    lblSituacao->setObjectName(QStringLiteral("lblSituacao"));
    lblSituacao->setWordWrap(true);
    cmdCopiar = botao("&Copiar", "cmdCopiar");
    cmdImprimir = botao("&Imprimir...", "cmdImprimir");
    cmdSalvarPdf = botao("Salvar em &PDF...", "cmdSalvarPdf");

    auto* dados = new QGridLayout;
    dados->addWidget(rotulo("&Data de nascimento (dd/mm/aaaa):", txtDataNasc), 0, 0);
    auto* linhaData = new QHBoxLayout;
    linhaData->addWidget(txtDataNasc);
    linhaData->addSpacing(12);
    linhaData->addWidget(rotulo("Data de &referência:", txtReferencia));
    linhaData->addWidget(txtReferencia);
    linhaData->addStretch(1);
    linhaData->addWidget(cmdCliente);
    dados->addLayout(linhaData, 0, 1);
    dados->addWidget(rotulo("N&ome:", txtNome), 1, 0);
    dados->addWidget(txtNome, 1, 1);
    auto* linhaEscolhas = new QHBoxLayout;
    linhaEscolhas->addWidget(rotulo("Meses do &ano:", spnAnoMeses));
    linhaEscolhas->addWidget(spnAnoMeses);
    linhaEscolhas->addSpacing(12);
    linhaEscolhas->addWidget(rotulo("Calendário de &mês:", cboMes));
    linhaEscolhas->addWidget(cboMes);
    linhaEscolhas->addWidget(rotulo("d&e", spnAnoCalendario));
    linhaEscolhas->addWidget(spnAnoCalendario);
    linhaEscolhas->addStretch(1);
    dados->addLayout(linhaEscolhas, 2, 1);
    dados->setColumnStretch(1, 1);

    auto* saida = new QHBoxLayout;
    saida->addWidget(lblSituacao, 1);
    for (QPushButton* b : {cmdCopiar, cmdImprimir, cmdSalvarPdf})
        saida->addWidget(b);
    auto* coluna = new QVBoxLayout(this);
    coluna->addLayout(dados);
    coluna->addWidget(abas, 1);
    coluna->addLayout(saida);

    setTabOrder(txtDataNasc, txtReferencia);
    setTabOrder(txtReferencia, cmdCliente);
    setTabOrder(cmdCliente, txtNome);
    setTabOrder(txtNome, spnAnoMeses);
    setTabOrder(spnAnoMeses, cboMes);
    setTabOrder(cboMes, spnAnoCalendario);
    setTabOrder(spnAnoCalendario, abas);

    connect(txtDataNasc, &QLineEdit::editingFinished, this, &frmPrevisoes::DataDigitada);
    connect(txtReferencia, &QLineEdit::editingFinished, this, &frmPrevisoes::ReferenciaDigitada);
    connect(txtNome, &QLineEdit::editingFinished, this, &frmPrevisoes::NomeDigitado);
    connect(cmdCliente, &QPushButton::clicked, this, &frmPrevisoes::cmdCliente_Click);
    connect(cmdCopiar, &QPushButton::clicked, this, &frmPrevisoes::cmdCopiar_Click);
    connect(cmdImprimir, &QPushButton::clicked, this, &frmPrevisoes::cmdImprimir_Click);
    connect(cmdSalvarPdf, &QPushButton::clicked, this, &frmPrevisoes::cmdSalvarPdf_Click);
    connect(spnAnoMeses, &QSpinBox::valueChanged, this, [this] { Recalcular(); });
    connect(spnAnoCalendario, &QSpinBox::valueChanged, this, [this] { Recalcular(); });
    connect(cboMes, &QComboBox::currentIndexChanged, this, [this] { Recalcular(); });
    auto mostrar = [](QTableWidget* t, QPlainTextEdit* texto) {
        const QTableWidgetItem* item = t->item(std::max(0, t->currentRow()), 0);
        texto->setPlainText(item ? item->data(Qt::UserRole).toString() : QString());
    };
    connect(tblAnos, &QTableWidget::currentCellChanged, this, [this, mostrar] { mostrar(tblAnos, txtAnos); });
    connect(tblMeses, &QTableWidget::currentCellChanged, this,
            [this, mostrar] { mostrar(tblMeses, txtMeses); });
    resize(900, 640);
}

void frmPrevisoes::Erro(const QString& texto) {
    programa_.mensagens.Mostrar(this, QStringLiteral("Erro:"), texto, IconeMensagem::Critico,
                                BotoesMensagem::Ok);
}

// ---- What is typed ----------------------------------------------------------------------------

namespace {

// The entry dialog's treatment of a date field: rewritten as dd/mm/yyyy when it is a date, the
// date when it is one.
std::optional<Data> LerCampoData(QLineEdit* campo, const Data& hoje) {
    const ConversaoCp1252 conv = QStringParaCp1252(campo->text());
    if (!conv.ok())
        return std::nullopt;
    const QString normalizada = Cp1252ParaQString(NormalizarData(conv.texto, hoje));
    if (normalizada != campo->text())
        campo->setText(normalizada);
    return InterpretarData(QStringParaCp1252(campo->text()).texto, hoje);
}

} // namespace

void frmPrevisoes::DataDigitada() {
    const std::optional<Data> d = LerCampoData(txtDataNasc, programa_.Hoje());
    if (txtDataNasc->text() == dataVerificada_)
        return;
    dataVerificada_ = txtDataNasc->text();
    nascimento_ = d;
    Recalcular();
    if (!d && !txtDataNasc->text().trimmed().isEmpty()) {
        Erro(QStringLiteral("Data de nascimento: %1").arg(QString::fromUtf8(kMensagemDataInvalida)));
        txtDataNasc->setFocus();
        txtDataNasc->selectAll();
    }
}

void frmPrevisoes::ReferenciaDigitada() {
    // A cleared reference date is today again.
    if (txtReferencia->text().trimmed().isEmpty())
        txtReferencia->setText(QString::fromStdString(FormatarData(programa_.Hoje())));
    const std::optional<Data> d = LerCampoData(txtReferencia, programa_.Hoje());
    if (txtReferencia->text() == referenciaVerificada_)
        return;
    referenciaVerificada_ = txtReferencia->text();
    if (!d) {
        Erro(QStringLiteral("Data de referência: %1").arg(QString::fromUtf8(kMensagemDataInvalida)));
        txtReferencia->setFocus();
        txtReferencia->selectAll();
        return;
    }
    // A new reference date brings the months and the calendar along to its year and month.
    referencia_ = *d;
    preenchendo_ = true;
    spnAnoMeses->setValue(d->ano);
    cboMes->setCurrentIndex(d->mes - 1);
    spnAnoCalendario->setValue(d->ano);
    preenchendo_ = false;
    Recalcular();
}

void frmPrevisoes::NomeDigitado() {
    const QString texto = txtNome->text();
    if (texto == nomeVerificado_)
        return;
    nomeVerificado_ = texto;
    nome_.clear();
    if (texto.trimmed().isEmpty()) {
        Recalcular();
        return;
    }
    const VerificacaoCliente v = VerificarNome(texto);
    if (!v.ok()) {
        Erro(QStringLiteral("Nome: %1").arg(v.Mensagem()));
        txtNome->setFocus();
    } else {
        nome_ = v.nome;
    }
    Recalcular();
}

void frmPrevisoes::AbrirPessoa(const QString& nome, const Data& nascimento) {
    txtNome->setText(nome);
    txtDataNasc->setText(DataExibida(nascimento));
    DataDigitada();
    NomeDigitado();
    setWindowTitle(nome.isEmpty() ? Titulo() : QStringLiteral("%1 - %2").arg(Titulo(), nome));
}

void frmPrevisoes::cmdCliente_Click() {
    CadastroClientes* cadastro = cadastro_ ? cadastro_() : nullptr;
    if (cadastro == nullptr)
        return;
    dlgEscolherCliente dialogo(*cadastro, this);
    if (dialogo.exec() != QDialog::Accepted || !dialogo.Escolhido()) {
        if (!dialogo.Erro().isEmpty())
            Erro(QStringLiteral("Não foi possível ler o cadastro de clientes: %1.").arg(dialogo.Erro()));
        return;
    }
    AbrirPessoa(dialogo.Escolhido()->nome, dialogo.Escolhido()->nascimento);
}

std::string frmPrevisoes::NomeCp1252() const {
    return NormalizarNome(QStringParaCp1252(nome_).texto);
}

// ---- The forecast -----------------------------------------------------------------------------

void frmPrevisoes::Recalcular() {
    if (preenchendo_)
        return;
    previsao_.reset();
    if (nascimento_) {
        previsao_ = ComporPrevisao(programa_.PastaPrograma, *nascimento_, referencia_, spnAnoMeses->value(),
                                   cboMes->currentIndex() + 1, spnAnoCalendario->value());
    }
    Preencher();
    AtualizarBotoes();
    if (!previsao_) {
        lblSituacao->setText(QStringLiteral("Informe a data de nascimento para ver as previsões."));
        return;
    }
    lblSituacao->setText(
        QStringLiteral("Ano Pessoal de %1: %2").arg(referencia_.ano).arg(previsao_->anos.front().pessoal));
    // Each file that cannot give its texts is said once in this window.
    QStringList novos;
    for (const std::string& p : previsao_->problemas) {
        const QString q = Q(p);
        if (!problemasAvisados_.contains(q)) {
            problemasAvisados_.insert(q);
            novos << q;
        }
    }
    if (!novos.isEmpty())
        programa_.mensagens.Mostrar(
            this, QStringLiteral("Aviso:"),
            QStringLiteral("Os textos das previsões não puderam ser lidos: %1. Os números são "
                           "mostrados sem esses textos.")
                .arg(novos.join(QStringLiteral("; "))),
            IconeMensagem::Exclamacao, BotoesMensagem::Ok);
}

void frmPrevisoes::Preencher() {
    tblAnos->setRowCount(0);
    tblMeses->setRowCount(0);
    tblCalendario->setRowCount(0);
    txtAnos->clear();
    txtMeses->clear();
    lblLegenda->clear();
    if (!previsao_)
        return;
    const Previsao& p = *previsao_;
    tblAnos->setRowCount(static_cast<int>(p.anos.size()));
    for (int i = 0; i < tblAnos->rowCount(); ++i) {
        const AnoPrevisao& a = p.anos[static_cast<std::size_t>(i)];
        auto* ano = Celula(QString::number(a.ano));
        ano->setData(Qt::UserRole,
                     QStringLiteral("%1 - Ano Pessoal %2\n\n%3").arg(a.ano).arg(a.pessoal).arg(Q(a.texto)));
        tblAnos->setItem(i, 0, ano);
        tblAnos->setItem(i, 1, Celula(QString::number(a.universal)));
        tblAnos->setItem(i, 2, Celula(QString::number(a.pessoal)));
        tblAnos->setItem(i, 3, Celula(a.novoCiclo ? QStringLiteral("novo ciclo") : QString()));
        if (a.novoCiclo)
            for (int c = 0; c < 4; ++c)
                tblAnos->item(i, c)->setBackground(kCorCiclo);
    }
    tblMeses->setRowCount(12);
    for (int i = 0; i < 12; ++i) {
        const MesPrevisao& m = p.meses[static_cast<std::size_t>(i)];
        auto* mes = Celula(Maiuscula(NomeMes(m.mes)), false);
        mes->setData(Qt::UserRole, QStringLiteral("%1 de %2 - Mês Pessoal %3\n\n%4")
                                       .arg(Maiuscula(NomeMes(m.mes)))
                                       .arg(p.anoMeses)
                                       .arg(m.pessoal)
                                       .arg(Q(m.texto)));
        tblMeses->setItem(i, 0, mes);
        tblMeses->setItem(i, 1, Celula(QString::number(m.universal)));
        tblMeses->setItem(i, 2, Celula(QString::number(m.pessoal)));
    }
    const auto semanas = p.Semanas();
    tblCalendario->setRowCount(static_cast<int>(semanas.size()));
    for (int s = 0; s < static_cast<int>(semanas.size()); ++s) {
        for (int d = 0; d < 7; ++d) {
            const int dia = semanas[static_cast<std::size_t>(s)][static_cast<std::size_t>(d)];
            if (dia == 0)
                continue;
            const DiaCalendario& c = p.dias[static_cast<std::size_t>(dia - 1)];
            auto* item = Celula(QStringLiteral("%1\n(%2)").arg(dia).arg(c.pessoal));
            item->setToolTip(QStringLiteral("%1, %2 de %3: Dia Pessoal %4")
                                 .arg(QString::fromUtf8(NomeDiaSemana(c.diaSemana)))
                                 .arg(dia)
                                 .arg(QString::fromUtf8(NomeMes(p.mesCalendario)))
                                 .arg(c.pessoal));
            tblCalendario->setItem(s, d, item);
        }
    }
    QStringList legenda{QStringLiteral("Dias Pessoais de %1 de %2 (entre parênteses):")
                            .arg(QString::fromUtf8(NomeMes(p.mesCalendario)))
                            .arg(p.anoCalendario)};
    for (int n = 1; n <= 9; ++n)
        legenda << QStringLiteral("%1: %2").arg(n).arg(Q(p.legenda[static_cast<std::size_t>(n)]));
    lblLegenda->setText(legenda.join(u'\n'));
    tblAnos->setCurrentCell(0, 0);
    tblMeses->setCurrentCell(0, 0);
}

void frmPrevisoes::AtualizarBotoes() {
    for (QPushButton* b : {cmdCopiar, cmdImprimir, cmdSalvarPdf})
        b->setEnabled(previsao_.has_value());
}

// ---- What leaves the window -------------------------------------------------------------------

QString frmPrevisoes::TextoParaCopiar() const {
    return previsao_ ? Q(TextoPrevisao(*previsao_, nome_.toStdString())) : QString();
}

DocumentoConsulta frmPrevisoes::Documento() const {
    DocumentoConsulta doc;
    doc.titulo = nome_.isEmpty() ? Titulo() : QStringLiteral("%1 - %2").arg(Titulo(), nome_);
    if (!previsao_)
        return doc;
    const Previsao& p = *previsao_;
    doc.Titulo(Titulo());
    QString cabeca;
    if (!nome_.isEmpty())
        cabeca = QStringLiteral("Nome: %1\n").arg(nome_);
    cabeca += QStringLiteral("Data de nascimento: %1\nData de referência: %2")
                  .arg(Q(FormatarData(p.nascimento)), Q(FormatarData(p.referencia)));
    doc.Paragrafo(cabeca);

    doc.Subtitulo(QStringLiteral("Anos Pessoais"));
    std::vector<QStringList> linhas;
    std::vector<std::vector<bool>> destaques;
    for (const AnoPrevisao& a : p.anos) {
        linhas.push_back({QString::number(a.ano), QString::number(a.universal), QString::number(a.pessoal),
                          a.novoCiclo ? QStringLiteral("novo ciclo") : QString()});
        destaques.push_back(std::vector<bool>(4, a.novoCiclo));
    }
    doc.Tabela({QStringLiteral("Ano"), QStringLiteral("Ano Universal"), QStringLiteral("Ano Pessoal"),
                QStringLiteral("Ciclo")},
               linhas, destaques);
    for (const AnoPrevisao& a : p.anos)
        if (!a.texto.empty())
            doc.Paragrafo(
                QStringLiteral("%1 (Ano Pessoal %2): %3").arg(a.ano).arg(a.pessoal).arg(Q(a.texto)));

    doc.Subtitulo(QStringLiteral("Meses Pessoais de %1").arg(p.anoMeses));
    linhas.clear();
    for (const MesPrevisao& m : p.meses)
        linhas.push_back(
            {Maiuscula(NomeMes(m.mes)), QString::number(m.universal), QString::number(m.pessoal)});
    doc.Tabela({QStringLiteral("Mês"), QStringLiteral("Mês Universal"), QStringLiteral("Mês Pessoal")},
               linhas);
    for (const auto& [numero, meses] : MesesPorNumero(p)) {
        const std::string& texto = p.meses[static_cast<std::size_t>(meses.front() - 1)].texto;
        if (texto.empty())
            continue;
        QStringList nomes;
        for (int m : meses)
            nomes << QString::fromUtf8(NomeMes(m));
        doc.Paragrafo(QStringLiteral("Mês Pessoal %1 (%2): %3")
                          .arg(numero)
                          .arg(nomes.join(QStringLiteral(", ")), Q(texto)));
    }

    doc.Subtitulo(QStringLiteral("Dias Pessoais de %1 de %2")
                      .arg(QString::fromUtf8(NomeMes(p.mesCalendario)))
                      .arg(p.anoCalendario));
    QStringList dias;
    for (int d = 0; d < 7; ++d)
        dias << QString::fromUtf8(AbreviaturaDiaSemana(d));
    linhas.clear();
    for (const auto& semana : p.Semanas()) {
        QStringList l;
        for (int dia : semana)
            l << (dia == 0 ? QString()
                           : QStringLiteral("%1 (%2)").arg(dia).arg(
                                 p.dias[static_cast<std::size_t>(dia - 1)].pessoal));
        linhas.push_back(l);
    }
    doc.Tabela(dias, linhas);
    QStringList legenda{QStringLiteral("Entre parênteses, o Dia Pessoal.")};
    for (int n = 1; n <= 9; ++n)
        if (!p.legenda[static_cast<std::size_t>(n)].empty())
            legenda << QStringLiteral("%1: %2").arg(n).arg(Q(p.legenda[static_cast<std::size_t>(n)]));
    doc.Paragrafo(legenda.join(u'\n'));
    return doc;
}

void frmPrevisoes::cmdCopiar_Click() {
    if (!previsao_)
        return;
    QGuiApplication::clipboard()->setText(TextoParaCopiar());
    lblSituacao->setText(QStringLiteral("As previsões foram copiadas para a área de transferência."));
}

void frmPrevisoes::cmdImprimir_Click() {
    if (!previsao_)
        return;
    ImprimirDocumento(this, programa_, Documento(), NomeCp1252(), FormatarData(previsao_->nascimento),
                      QStringLiteral("as previsões"), [this] { cmdSalvarPdf_Click(); });
}

void frmPrevisoes::cmdSalvarPdf_Click() {
    if (!previsao_)
        return;
    SalvarDocumentoPdf(this, programa_, Documento(), NomeCp1252(), FormatarData(previsao_->nascimento),
                       QStringLiteral("as previsões"),
                       nome_.isEmpty() ? Titulo() : QStringLiteral("%1 - %2").arg(Titulo(), nome_));
}

} // namespace oraculandia
