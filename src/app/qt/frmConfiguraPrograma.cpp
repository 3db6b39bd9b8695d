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

    fraFundo = new QGroupBox(
        QStringLiteral("Marque abaixo os números que deverão ser calculados em cada análise:"), this);
    fraFundo->setObjectName(QStringLiteral("fraFundo"));
    auto* grade = new QGridLayout(fraFundo);
    grade->setHorizontalSpacing(24);
    grade->setVerticalSpacing(2);
    for (int i = 0; i < 28; ++i) {
        auto* caixa = new QCheckBox(Legenda(i), fraFundo);
        caixa->setObjectName(QStringLiteral("chkInterpretacoes_%1").arg(i));
        const bool esquerda = i < kCaixasColunaEsquerda;
        grade->addWidget(caixa, esquerda ? i : i - kCaixasColunaEsquerda, esquerda ? 0 : 1);
        chkInterpretacoes[static_cast<std::size_t>(i)] = caixa;
    }

    fraComplementos = new QGroupBox(
        QStringLiteral("Marque abaixo as seções do bloco cármico e dos números mestres que deverão "
                       "fazer parte de cada análise:"),
        this);
    fraComplementos->setObjectName(QStringLiteral("fraComplementos"));
    auto* gradeComplementos = new QGridLayout(fraComplementos);
    gradeComplementos->setHorizontalSpacing(24);
    gradeComplementos->setVerticalSpacing(2);
    for (int i = 0; i < kNumeroComplementos; ++i) {
        auto* caixa = new QCheckBox(LegendaComplemento(kPrimeiroComplemento + i), fraComplementos);
        caixa->setObjectName(QStringLiteral("chkComplementos_%1").arg(kPrimeiroComplemento + i));
        gradeComplementos->addWidget(caixa, i % 4, i / 4);
        chkComplementos[static_cast<std::size_t>(i)] = caixa;
    }

    chkImprimirDescricao =
        new QCheckBox(QStringLiteral("Imprimir comentário sobre o significado de cada cálculo antes da sua "
                                     "interpretação"),
                      this);
    chkImprimirDescricao->setObjectName(QStringLiteral("chkImprimirDescricao"));
    chkImprimirNumero = new QCheckBox(
        QStringLiteral("Imprimir o resultado do cálculo de cada análise ao lado do título"), this);
    chkImprimirNumero->setObjectName(QStringLiteral("chkImprimirNumero"));
    chkImprimirCabecalho =
        new QCheckBox(QStringLiteral("Imprimir o cabeçalho em todas as folhas da análise"), this);
    chkImprimirCabecalho->setObjectName(QStringLiteral("chkImprimirCabecalho"));
    chkEscutarSons = new QCheckBox(QStringLiteral("Tocar sons durante a execução do programa"), this);
    chkEscutarSons->setObjectName(QStringLiteral("chkEscutarSons"));
    chkSeusNumeros = new QCheckBox(
        QStringLiteral(
            "Começar a análise com a página \u201CSeus Números\u201D (todos os números do cliente)"),
        this);
    chkSeusNumeros->setObjectName(QStringLiteral("chkSeusNumeros"));

    cmdOk = new QPushButton(QStringLiteral("O&k"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancelar = new QPushButton(QStringLiteral("Cancela&r"), this);
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    connect(cmdOk, &QPushButton::clicked, this, &frmConfiguraPrograma::cmdOk_Click);
    connect(cmdCancelar, &QPushButton::clicked, this, &frmConfiguraPrograma::cmdCancelar_Click);

    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(cmdOk);
    botoes->addWidget(cmdCancelar);

    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(fraFundo);
    coluna->addWidget(fraComplementos);
    coluna->addSpacing(6);
    coluna->addWidget(chkImprimirDescricao);
    coluna->addWidget(chkImprimirNumero);
    coluna->addWidget(chkImprimirCabecalho);
    coluna->addWidget(chkSeusNumeros);
    coluna->addWidget(chkEscutarSons);
    coluna->addSpacing(6);
    coluna->addLayout(botoes);
    FixarDialogo(*this);

    // Opening: every box unchecked, then checked where the setting is on.
    const ConfiguracaoPrograma& c = programa_.Configuracao;
    for (int i = 0; i < 28; ++i) {
        QCheckBox* caixa = chkInterpretacoes[static_cast<std::size_t>(i)];
        caixa->setChecked(false);
        caixa->setChecked(c.Selecionado(i + 1));
    }
    const SelecaoComplementos selecao = programa_.SelecaoDosComplementos();
    for (int i = 0; i < kNumeroComplementos; ++i)
        chkComplementos[static_cast<std::size_t>(i)]->setChecked(selecao[static_cast<std::size_t>(i)]);
    chkImprimirDescricao->setChecked(Ligado(c.ImprimirDescricao));
    chkImprimirNumero->setChecked(Ligado(c.ImprimirNumero));
    chkImprimirCabecalho->setChecked(Ligado(c.ImprimirCabecalho));
    chkEscutarSons->setChecked(Ligado(c.EscutarSons));
    chkSeusNumeros->setChecked(CarregarPreferencias(programa_.PastaPrograma).Chave(kChaveSeusNumeros, true));
}

void frmConfiguraPrograma::cmdOk_Click() {
    bool algum = false;
    for (const QCheckBox* caixa : chkInterpretacoes) {
        if (caixa->checkState() == Qt::Checked) {
            algum = true;
            break;
        }
    }
    for (const QCheckBox* caixa : chkComplementos)
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
            Chave(chkInterpretacoes[static_cast<std::size_t>(i)]);
    SelecaoComplementos selecao{};
    for (int i = 0; i < kNumeroComplementos; ++i)
        selecao[static_cast<std::size_t>(i)] = Chave(chkComplementos[static_cast<std::size_t>(i)]) == kLigado;
    GravarSelecaoComplementos(programa_.PreferenciasPrograma, selecao);
    c.ImprimirCabecalho = Chave(chkImprimirCabecalho);
    c.ImprimirDescricao = Chave(chkImprimirDescricao);
    c.ImprimirNumero = Chave(chkImprimirNumero);
    c.EscutarSons = Chave(chkEscutarSons);
    // Written at once, and only when changed (the file keeps every other key as it is).
    EstadoArquivo estado = EstadoArquivo::Lido;
    Preferencias preferencias = CarregarPreferencias(programa_.PastaPrograma, &estado);
    const bool seusNumeros = chkSeusNumeros->isChecked();
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
