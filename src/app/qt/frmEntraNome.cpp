#include "app/qt/frmEntraNome.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTimer>
#include <cmath>
#include <limits>
#include <tuple>

#include "dados/preferencias.h"
#include "engine/cp1252.h"
#include "engine/entrada.h"
#include "layout/qt/cp1252_qt.h"
#include "layout/qt/dialogo_fixo.h"
#include "layout/qt/superficie_qt.h"
#include "layout/unidades.h"
#include "programa/qt/programa.h"

namespace oraculandia {

namespace {

// preferencias.ini: whether each analysis of this dialog adds its person to the register.
constexpr const char* kPreferenciaIncluirCadastro = "entrada.incluir-no-cadastro";

bool Posterior(const Data& a, const Data& b) {
    return std::tie(a.ano, a.mes, a.dia) > std::tie(b.ano, b.mes, b.dia);
}

// Window measures are given in twips (layout/unidades.h).
int Tw(int twips) {
    return unidades::PixelsDeTwips(twips);
}

QRect RetanguloTw(int esquerda, int topo, int largura, int altura) {
    return QRect(Tw(esquerda), Tw(topo), Tw(largura), Tw(altura));
}

// The dialog's message for a name the rule refused.
QString MensagemNome(const NomeVerificado& nome) {
    switch (nome.recusa) {
    case RecusaNome::Nenhuma:
        return {};
    case RecusaNome::ComInvalidos: {
        QStringList caracteres;
        for (char32_t c : nome.invalidos)
            caracteres << QStringLiteral("\"%1\"").arg(QString::fromStdString(CodigoParaUtf8(c)));
        return QStringLiteral("O nome informado contém caracteres que o programa não consegue usar numa "
                              "análise: %1. Digite o nome novamente sem esses caracteres.")
            .arg(caracteres.join(QStringLiteral(", ")));
    }
    // A line break or a tab pasted into the field would break the page header and the export.
    case RecusaNome::ComControle:
        return QString::fromUtf8(kMensagemNomeComControle);
    // Not a full name (a name taken as typed, without a limit, is refused as Curto only).
    case RecusaNome::Vazio:
    case RecusaNome::Longo:
    case RecusaNome::Curto:
    case RecusaNome::SemLetra:
        return QString::fromUtf8(kMensagemNomeCurto);
    }
    return {};
}

} // namespace

QuadroFigura::QuadroFigura(const QColor& fundo, QWidget* pai) : QWidget(pai), fundo_(fundo) {}

void QuadroFigura::DefinirFigura(const std::string& nome) {
    figura_ = nome;
    update();
}

void QuadroFigura::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), fundo_);
    if (figura_.empty())
        return;
    if (QSvgRenderer* desenho = FiguraSvg(figura_)) {
        p.setRenderHint(QPainter::Antialiasing);
        desenho->setAspectRatioMode(Qt::IgnoreAspectRatio);
        desenho->render(&p, QRectF(rect()));
    }
}

frmEntraNome::frmEntraNome(Programa& programa, QWidget* pai) : QDialog(pai), programa_(programa) {
    setWindowTitle(QStringLiteral("Dados para análise..."));
    // The positions are those of a small dialog font (8 points, 11 pixels): with the larger
    // desktop default the first label would run under the buttons.
    QFont fonte(QStringLiteral("Liberation Sans"));
    fonte.setPixelSize(11);
    setFont(fonte);
    // The original 1995 twips, and a strip for the reference date and the register's check box.
    FixarDialogo(*this, QSize(Tw(4980), Tw(1995 + 750)));

    lblInfo_[0] = new QLabel(QStringLiteral("Digite a data do nascimento (dd/mm/aaaa):"), this);
    lblInfo_[0]->setObjectName(QStringLiteral("lblInfo_0"));
    lblInfo_[0]->move(Tw(45), Tw(90));
    lblInfo_[0]->adjustSize();

    txtDataNasc_ = new QLineEdit(this);
    txtDataNasc_->setObjectName(QStringLiteral("txtDataNasc"));
    txtDataNasc_->setGeometry(RetanguloTw(45, 360, 1230, 315));
    txtDataNasc_->installEventFilter(this);

    lblInfo_[1] = new QLabel(QStringLiteral("Digite abaixo o NOME COMPLETO:"), this);
    lblInfo_[1]->setObjectName(QStringLiteral("lblInfo_1"));
    lblInfo_[1]->move(Tw(45), Tw(810));
    lblInfo_[1]->adjustSize();

    txtNome_ = new QLineEdit(this);
    txtNome_->setObjectName(QStringLiteral("txtNome"));
    txtNome_->setGeometry(RetanguloTw(45, 1035, 4830, 315));
    txtNome_->setMaxLength(std::numeric_limits<int>::max()); // no limit: the widget's own is 32767

    cmdOk_ = new QPushButton(QStringLiteral("&Analisar"), this);
    cmdOk_->setGeometry(RetanguloTw(3690, 45, 1275, 420));
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    // Enter activates the focused button; in a text box, the default button "Analisar".
    cmdOk_->setDefault(true);
    cmdCancelar_ = new QPushButton(QStringLiteral("Cancela&r"), this);
    cmdCancelar_->setObjectName(QStringLiteral("cmdCancelar"));
    cmdCancelar_->setGeometry(RetanguloTw(3690, 540, 1275, 420));

    for (int i = 0; i < 16; ++i) {
        const bool primeiraFila = i < 8;
        picSigno_[static_cast<std::size_t>(i)] =
            new QuadroFigura(primeiraFila ? QColor(Qt::white) : QColor(0xE0, 0xE0, 0xE0), this);
        picSigno_[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("picSigno_%1").arg(i));
        picSigno_[static_cast<std::size_t>(i)]->setGeometry(
            RetanguloTw(630 * (i % 8), primeiraFila ? 1395 : 2025, 555, 510));
    }

    // Opaque, over the second row of pictures, which stays below the visible area as before.
    pnlOpcoes_ = new QWidget(this);
    pnlOpcoes_->setObjectName(QStringLiteral("pnlOpcoes"));
    pnlOpcoes_->setAutoFillBackground(true);
    pnlOpcoes_->setGeometry(RetanguloTw(0, 1995, 4980, 750));
    pnlOpcoes_->raise();
    lblReferencia_ = new QLabel(QStringLiteral("Data de referência:"), pnlOpcoes_);
    lblReferencia_->setObjectName(QStringLiteral("lblReferencia"));
    lblReferencia_->move(Tw(45), Tw(90));
    lblReferencia_->adjustSize();
    txtReferencia_ = new QLineEdit(pnlOpcoes_);
    txtReferencia_->setObjectName(QStringLiteral("txtReferencia"));
    txtReferencia_->setGeometry(RetanguloTw(1650, 45, 1230, 315));
    txtReferencia_->setText(Cp1252ParaQString(FormatarData(programa_.Hoje())));
    txtReferencia_->setToolTip(QStringLiteral("O dia dos números universais e pessoais da análise."));
    lblReferencia_->setBuddy(txtReferencia_);
    chkIncluirCadastro_ = new QCheckBox(QStringLiteral("Incluir no cadastro de clientes"), pnlOpcoes_);
    chkIncluirCadastro_->setObjectName(QStringLiteral("chkIncluirCadastro"));
    chkIncluirCadastro_->setGeometry(RetanguloTw(45, 420, 4830, 300));
    chkIncluirCadastro_->setChecked(programa_.PreferenciasPrograma.Chave(kPreferenciaIncluirCadastro, true));

    setTabOrder(txtDataNasc_, txtNome_);
    setTabOrder(txtNome_, cmdOk_);
    setTabOrder(cmdOk_, cmdCancelar_);
    setTabOrder(cmdCancelar_, txtReferencia_);
    setTabOrder(txtReferencia_, chkIncluirCadastro_);
    txtDataNasc_->setFocus();

    connect(cmdOk_, &QPushButton::clicked, this, &frmEntraNome::cmdOk_Click);
    connect(cmdCancelar_, &QPushButton::clicked, this, &frmEntraNome::cmdCancelar_Click);
}

bool frmEntraNome::eventFilter(QObject* objeto, QEvent* evento) {
    // Leaving the field for another control of the dialog; not the dialog closing, nor the
    // user switching to another program.
    if (objeto == txtDataNasc_ && evento->type() == QEvent::FocusOut && !aceito_ && !fechando_ &&
        isVisible()) {
        const auto razao = static_cast<QFocusEvent*>(evento)->reason();
        if (razao != Qt::ActiveWindowFocusReason && razao != Qt::PopupFocusReason)
            SairDaData(true);
    }
    return QDialog::eventFilter(objeto, evento);
}

bool frmEntraNome::SairDaData(bool selecionarSeInvalida) {
    const ConversaoCp1252 conv = QStringParaCp1252(txtDataNasc_->text());
    std::string data = conv.ok() ? NormalizarData(conv.texto, programa_.Hoje()) : conv.texto;
    if (conv.ok()) {
        programa_.DataNascimento = data;
        const QString novo = Cp1252ParaQString(data);
        if (novo != txtDataNasc_->text())
            txtDataNasc_->setText(novo);
    }
    const auto valida = conv.ok() ? LerDataNormalizada(data) : std::nullopt;
    if (valida) {
        setCursor(Qt::WaitCursor);
        signo_ = SignoDoZodiaco(valida->dia, valida->mes);
        for (std::size_t i = 0; i < 8; ++i)
            picSigno_[i]->DefinirFigura(NomeFiguraSigno(signo_));
        unsetCursor();
        return true;
    }
    // The line edit drops its selection when it loses the focus, after this handler has run:
    // select once the focus change is over, so that the user can type over the whole text.
    if (selecionarSeInvalida)
        QTimer::singleShot(0, txtDataNasc_, [campo = txtDataNasc_] {
            campo->setSelection(0, static_cast<int>(campo->text().size()));
        });
    return false;
}

void frmEntraNome::cmdOk_Click() {
    // The date is brought to dd/mm/yyyy here too: Enter in the date field does not leave it.
    const bool dataValida = SairDaData(false);
    const ConversaoCp1252 data = QStringParaCp1252(txtDataNasc_->text());
    programa_.DataNascimento = data.texto;
    if (!dataValida) {
        programa_.mensagens.Mostrar(this, QStringLiteral("Erro:"), QString::fromUtf8(kMensagemDataInvalida),
                                    IconeMensagem::Critico, BotoesMensagem::Ok);
        txtDataNasc_->setFocus();
        return;
    }
    // The engine's rule of a typed name, the name taken as typed: letters typed or pasted with
    // separate accents are joined first (José, not Jose + U+0301), no blanks removed, no limit.
    const NomeVerificado nome = VerificarNomeUtf8(txtNome_->text().toStdString());
    if (nome.recusa == RecusaNome::Vazio) {
        txtNome_->setFocus();
        return;
    }
    if (!nome.ok()) {
        programa_.mensagens.Mostrar(this, QStringLiteral("Erro:"), MensagemNome(nome), IconeMensagem::Critico,
                                    BotoesMensagem::Ok);
        txtNome_->setFocus();
        return;
    }
    // A birth date after today is most likely a typing mistake: asked once.
    const Data hoje = programa_.Hoje();
    if (const auto nascimento = LerDataNormalizada(programa_.DataNascimento);
        nascimento && Posterior(*nascimento, hoje) && futuraConfirmada_ != programa_.DataNascimento) {
        const RespostaMensagem r = programa_.mensagens.Mostrar(
            this, QStringLiteral("Atenção:"),
            QStringLiteral(
                "A data de nascimento informada (%1) é posterior à data de hoje. Ela está correta?")
                .arg(txtDataNasc_->text()),
            IconeMensagem::Pergunta, BotoesMensagem::SimNao);
        if (r != RespostaMensagem::Sim) {
            txtDataNasc_->setFocus();
            txtDataNasc_->selectAll();
            return;
        }
        futuraConfirmada_ = programa_.DataNascimento;
    }
    const std::optional<Data> referencia = LerReferencia();
    if (!referencia) {
        programa_.mensagens.Mostrar(this, QStringLiteral("Erro:"),
                                    QStringLiteral("A data de referência informada não é uma data válida. "
                                                   "Digite-a no formato dd/mm/aaaa (por exemplo, %1).")
                                        .arg(QString::fromStdString(FormatarData(hoje))),
                                    IconeMensagem::Critico, BotoesMensagem::Ok);
        txtReferencia_->setFocus();
        txtReferencia_->selectAll();
        return;
    }
    // Today is no fixed day: an analysis of today shows the numbers of the day it is printed on,
    // as before; another day stays with the analysis.
    programa_.DataReferencia = *referencia == hoje ? std::nullopt : referencia;
    GuardarEscolhaCadastro();
    aceito_ = true;
    setWindowTitle(QStringLiteral("Gerando análise, aguarde..."));
    cmdOk_->setEnabled(false);
    cmdCancelar_->setEnabled(false);
    programa_.NomeCompleto = nome.analise;
    programa_.NomeDigitado = nome.cp1252;
    accept();
}

std::optional<Data> frmEntraNome::LerReferencia() {
    const ConversaoCp1252 conv = QStringParaCp1252(txtReferencia_->text().trimmed());
    if (!conv.ok())
        return std::nullopt;
    const std::optional<Data> d = InterpretarData(conv.texto, programa_.Hoje());
    if (d)
        txtReferencia_->setText(QString::fromStdString(FormatarData(*d)));
    return d;
}

bool frmEntraNome::IncluirNoCadastro() const {
    return chkIncluirCadastro_->isChecked();
}

QString frmEntraNome::TextoDoNome() const {
    return txtNome_->text();
}

void frmEntraNome::GuardarEscolhaCadastro() {
    Preferencias& p = programa_.PreferenciasPrograma;
    const bool incluir = chkIncluirCadastro_->isChecked();
    if (p.Chave(kPreferenciaIncluirCadastro, true) == incluir)
        return;
    p.DefinirChave(kPreferenciaIncluirCadastro, incluir);
    // A file that could not be read at start is never written over (the start said so); the
    // choice then holds for this run only.
    if (programa_.Ilegivel(kArquivoPreferencias))
        return;
    if (!SalvarPreferencias(programa_.PastaPrograma, p))
        programa_.mensagens.Mostrar(
            this, QStringLiteral("Aviso:"),
            QStringLiteral(
                "Não foi possível gravar o arquivo %1: a escolha \"Incluir no cadastro de clientes\" "
                "vale só até o programa ser fechado.")
                .arg(QDir::toNativeSeparators(programa_.Caminho(kArquivoPreferencias))),
            IconeMensagem::Informacao, BotoesMensagem::Ok);
}

void frmEntraNome::cmdCancelar_Click() {
    reject();
}

void frmEntraNome::reject() {
    if (aceito_)
        return;
    fechando_ = true;
    programa_.NomeCompleto = "Descartar";
    programa_.NomeDigitado.clear();
    QDialog::reject();
}

} // namespace oraculandia
