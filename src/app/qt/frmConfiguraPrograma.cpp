#include "app/qt/frmConfiguraPrograma.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "analysis/complementos.h"
#include "analysis/composicao.h"
#include "layout/qt/dialogo_fixo.h"
#include "programa/qt/programa.h"

namespace oraculandia {

namespace {

constexpr int kCaixasColunaEsquerda = 15; // elements 0 to 14; 15 to 27 on the right

int16_t Chave(const QCheckBox* caixa) {
    // Only the fully checked state counts as on.
    return caixa->checkState() == Qt::Checked ? kLigado : kDesligado;
}

} // namespace

QString frmConfiguraPrograma::Legenda(int elemento) {
    if (elemento < 0 || elemento >= 28)
        return {};
    return QString::fromUtf8(NomeCalculoConfiguracao(elemento + 1));
}

QString frmConfiguraPrograma::LegendaComplemento(int id) {
    // Access keys that no other control of the dialog uses (Ok and Cancelar take k and r).
    static const char* const kLegendas[kNumeroComplementos] = {
        "&Quadro de Inclusão", "&Lições Cármicas",        "&Dívidas Cármicas", "&Tendências Ocultas",
        "&Paixão Oculta",      "Re&sposta Subconsciente", "Números &Mestres"};
    if (id < kPrimeiroComplemento || id > kUltimoComplemento)
        return {};
    return QString::fromUtf8(kLegendas[id - kPrimeiroComplemento]);
}

frmConfiguraPrograma::frmConfiguraPrograma(Programa& programa, QWidget* pai)
    : QDialog(pai), programa_(programa) {
    setObjectName(QStringLiteral("frmConfiguraPrograma"));
    setWindowTitle(QStringLiteral("Configuração..."));
    setModal(true);

    fraFundo_ = new QGroupBox(
        QStringLiteral("Marque abaixo os números que deverão ser calculados em cada análise:"), this);
    fraFundo_->setObjectName(QStringLiteral("fraFundo"));
    auto* grade = new QGridLayout(fraFundo_);
    grade->setHorizontalSpacing(24);
    grade->setVerticalSpacing(2);
    for (int i = 0; i < 28; ++i) {
        auto* caixa = new QCheckBox(Legenda(i), fraFundo_);
        caixa->setObjectName(QStringLiteral("chkInterpretacoes_%1").arg(i));
        const bool esquerda = i < kCaixasColunaEsquerda;
        grade->addWidget(caixa, esquerda ? i : i - kCaixasColunaEsquerda, esquerda ? 0 : 1);
        chkInterpretacoes_[static_cast<std::size_t>(i)] = caixa;
    }

    fraComplementos_ = new QGroupBox(
        QStringLiteral("Marque abaixo as seções do bloco cármico e dos números mestres que deverão "
                       "fazer parte de cada análise:"),
        this);
    fraComplementos_->setObjectName(QStringLiteral("fraComplementos"));
    auto* gradeComplementos = new QGridLayout(fraComplementos_);
    gradeComplementos->setHorizontalSpacing(24);
    gradeComplementos->setVerticalSpacing(2);
    for (int i = 0; i < kNumeroComplementos; ++i) {
        auto* caixa = new QCheckBox(LegendaComplemento(kPrimeiroComplemento + i), fraComplementos_);
        caixa->setObjectName(QStringLiteral("chkComplementos_%1").arg(kPrimeiroComplemento + i));
        gradeComplementos->addWidget(caixa, i % 4, i / 4);
        chkComplementos_[static_cast<std::size_t>(i)] = caixa;
    }

    chkImprimirDescricao_ =
        new QCheckBox(QStringLiteral("Imprimir comentário sobre o significado de cada cálculo antes da sua "
                                     "interpretação"),
                      this);
    chkImprimirDescricao_->setObjectName(QStringLiteral("chkImprimirDescricao"));
    chkImprimirNumero_ = new QCheckBox(
        QStringLiteral("Imprimir o resultado do cálculo de cada análise ao lado do título"), this);
    chkImprimirNumero_->setObjectName(QStringLiteral("chkImprimirNumero"));
    chkImprimirCabecalho_ =
        new QCheckBox(QStringLiteral("Imprimir o cabeçalho em todas as folhas da análise"), this);
    chkImprimirCabecalho_->setObjectName(QStringLiteral("chkImprimirCabecalho"));
    chkEscutarSons_ = new QCheckBox(QStringLiteral("Tocar sons durante a execução do programa"), this);
    chkEscutarSons_->setObjectName(QStringLiteral("chkEscutarSons"));
    chkSeusNumeros_ = new QCheckBox(
        QStringLiteral(
            "Começar a análise com a página \u201CSeus Números\u201D (todos os números do cliente)"),
        this);
    chkSeusNumeros_->setObjectName(QStringLiteral("chkSeusNumeros"));

    cmdOk_ = new QPushButton(QStringLiteral("O&k"), this);
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdOk_->setDefault(true);
    cmdCancelar_ = new QPushButton(QStringLiteral("Cancela&r"), this);
    cmdCancelar_->setObjectName(QStringLiteral("cmdCancelar"));
    connect(cmdOk_, &QPushButton::clicked, this, &frmConfiguraPrograma::cmdOk_Click);
    connect(cmdCancelar_, &QPushButton::clicked, this, &frmConfiguraPrograma::cmdCancelar_Click);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(cmdOk_);
    botoes->addWidget(cmdCancelar_);

    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(fraFundo_);
    coluna->addWidget(fraComplementos_);
    coluna->addSpacing(6);
    coluna->addWidget(chkImprimirDescricao_);
    coluna->addWidget(chkImprimirNumero_);
    coluna->addWidget(chkImprimirCabecalho_);
    coluna->addWidget(chkSeusNumeros_);
    coluna->addWidget(chkEscutarSons_);
    coluna->addSpacing(6);
    coluna->addLayout(botoes);
    FixarDialogo(*this);

    // Opening: every box unchecked, then checked where the setting is on.
    const ConfiguracaoPrograma& c = programa_.Configuracao;
    for (int i = 0; i < 28; ++i) {
        QCheckBox* caixa = chkInterpretacoes_[static_cast<std::size_t>(i)];
        caixa->setChecked(false);
        caixa->setChecked(c.Selecionado(i + 1));
    }
    const SelecaoComplementos selecao = programa_.SelecaoDosComplementos();
    for (int i = 0; i < kNumeroComplementos; ++i)
        chkComplementos_[static_cast<std::size_t>(i)]->setChecked(selecao[static_cast<std::size_t>(i)]);
    chkImprimirDescricao_->setChecked(Ligado(c.ImprimirDescricao));
    chkImprimirNumero_->setChecked(Ligado(c.ImprimirNumero));
    chkImprimirCabecalho_->setChecked(Ligado(c.ImprimirCabecalho));
    chkEscutarSons_->setChecked(Ligado(c.EscutarSons));
    chkSeusNumeros_->setChecked(CarregarPreferencias(programa_.PastaPrograma).Chave(kChaveSeusNumeros, true));
}

void frmConfiguraPrograma::cmdOk_Click() {
    bool algum = false;
    for (const QCheckBox* caixa : chkInterpretacoes_) {
        if (caixa->checkState() == Qt::Checked) {
            algum = true;
            break;
        }
    }
    for (const QCheckBox* caixa : chkComplementos_)
        algum = algum || caixa->checkState() == Qt::Checked;
    if (!algum) {
        programa_.mensagens.Mostrar(
            this, QStringLiteral("Erro:"),
            QStringLiteral("Impossível prosseguir sem que haja ao menos um cálculo a ser executado "
                           "pelo programa. Marque pelo menos um cálculo e então repita a operação."),
            IconeMensagem::Critico, BotoesMensagem::Ok);
        return;
    }
    ConfiguracaoPrograma& c = programa_.Configuracao;
    for (int i = 0; i < 28; ++i)
        c.CalculosSelecionados[static_cast<std::size_t>(i + 1)] =
            Chave(chkInterpretacoes_[static_cast<std::size_t>(i)]);
    SelecaoComplementos selecao{};
    for (int i = 0; i < kNumeroComplementos; ++i)
        selecao[static_cast<std::size_t>(i)] =
            Chave(chkComplementos_[static_cast<std::size_t>(i)]) == kLigado;
    GravarSelecaoComplementos(programa_.PreferenciasPrograma, selecao);
    c.ImprimirCabecalho = Chave(chkImprimirCabecalho_);
    c.ImprimirDescricao = Chave(chkImprimirDescricao_);
    c.ImprimirNumero = Chave(chkImprimirNumero_);
    c.EscutarSons = Chave(chkEscutarSons_);
    // Written at once, and only when changed (the file keeps every other key as it is).
    EstadoArquivo estado = EstadoArquivo::Lido;
    Preferencias preferencias = CarregarPreferencias(programa_.PastaPrograma, &estado);
    const bool seusNumeros = chkSeusNumeros_->isChecked();
    if (preferencias.Chave(kChaveSeusNumeros, true) != seusNumeros) {
        preferencias.DefinirChave(kChaveSeusNumeros, seusNumeros);
        if (estado == EstadoArquivo::Ilegivel || !SalvarPreferencias(programa_.PastaPrograma, preferencias))
            programa_.mensagens.Mostrar(
                this, QStringLiteral("Aviso:"),
                QStringLiteral(
                    "A escolha da página \u201CSeus Números\u201D não pôde ser guardada no arquivo %1 "
                    "(verifique se ele pode ser lido e se a pasta do programa permite gravação).")
                    .arg(QDir::toNativeSeparators(programa_.Caminho(kArquivoPreferencias))),
                IconeMensagem::Informacao, BotoesMensagem::Ok);
    }
    accept();
}

void frmConfiguraPrograma::cmdCancelar_Click() {
    reject();
}

} // namespace oraculandia
