#include "editor/qt/frmSelecionaAlteracao.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "analysis/complementos.h"
#include "analysis/composicao.h"
#include "analysis/interpretacao.h"
#include "editor/qt/frmAlteraForm.h"
#include "engine/carmico.h"
#include "layout/qt/cp1252_qt.h"
#include "layout/qt/dialogo_fixo.h"
#include "programa/qt/caminhos_qt.h"
#include "programa/qt/programa.h"

namespace oraculandia {

namespace {

// File of each list position (CalculationId, then the entries after the 28), without ".DAT".
constexpr std::array<const char*, frmSelecionaAlteracao::kPosicoes + 1> kArquivos = {
    "",         "CVIDA",    "CFORM",    "CPROD",    "CCOLH",    "CDNAS",    "DESNASC",  "PRESNASC",
    "APICES",   "APICES",   "APICES",   "APICES",   "DESVIDA",  "DESVIDA",  "DESVIDA",  "DESVIDA",
    "INDSAUDE", "INTANOUN", "INTMESUN", "INTDIAUN", "INTANOPS", "INTMESPS", "INTDIAPS", "INTEXEXP",
    "IMPXALMA", "EUXSILEN", "INTVOG",   "INTNOME",  "INTREALI", "",         "LICOESC",  "DIVIDASC",
    "TENDOCUL", "PAIXOCUL", "RESPSUBC", "NUMMESTR", "NUMMESTR", "NUMMESTR"};

// Names of the entries after the 28 (the master numbers 22 and 33 share the file and the
// introduction of 11).
constexpr std::array<const char*, 9> kNomesComplementos = {
    "Quadro de Inclusão", "Lições Cármicas",        "Dívidas Cármicas",
    "Tendências Ocultas", "Paixão Oculta",          "Resposta Subconsciente",
    "Número Mestre 11",   "Número Mestre 22 (=11)", "Número Mestre 33 (=11)"};

constexpr int kPrimeiroMestre = 35;

constexpr std::array<const char*, 9> kRotulos = {"Número 1 (ou \"a\")",
                                                 "Número 2 (ou \"e\")",
                                                 "Número 3 (ou \"i\")",
                                                 "Número 4 (ou \"o\")",
                                                 "Número 5 (ou \"u\")",
                                                 "Número 6 (ou \"y\")",
                                                 "Número 7",
                                                 "Número 8",
                                                 "Número 9"};

// Introductions of CDATA.DAT by group: the first calculation of each group and its record.
constexpr std::array<std::pair<int, int>, 20> kCabecalhos = {
    {{29, 14}, {30, 15}, {31, 16}, {32, 17}, {33, 18}, {34, 19}, {35, 20}, {1, 1},   {2, 2},   {5, 3},
     {8, 4},   {12, 5},  {17, 6},  {20, 7},  {23, 8},  {24, 9},  {25, 10}, {26, 11}, {27, 12}, {28, 13}}};

constexpr int kMinimoCabecalho = 10; // an introduction shorter than this counts as absent

} // namespace

int frmSelecionaAlteracao::RegistroDoNumero(int posicao, int numero) {
    if (posicao == kSecaoQuadroInclusao) {
        return 0;
    }
    if (posicao == 31) {
        return numero >= 1 && numero <= 4 ? kDividasCarmicas[static_cast<std::size_t>(numero - 1)] : 0;
    }
    if (posicao >= kPrimeiroMestre && posicao <= kPosicoes) {
        return numero >= 1 && numero <= kNumeroPosicoes
                   ? (posicao - kPrimeiroMestre) * kNumeroPosicoes + numero
                   : 0;
    }
    if (posicao == 6 || posicao == 7) {
        return numero + 1;
    }
    if (posicao >= 12 && posicao <= 15) {
        return numero == 9 ? 1 : numero + 1;
    }
    return numero;
}

int frmSelecionaAlteracao::RegistroDoCabecalho(int posicao) {
    for (const auto& [primeiro, registro] : kCabecalhos) {
        if (primeiro == posicao) {
            return registro;
        }
    }
    return 0;
}

frmSelecionaAlteracao::frmSelecionaAlteracao(Programa& programa, QWidget* pai)
    : QDialog(pai), programa_(programa) {
    setWindowTitle(QStringLiteral("Informe o texto a ser alterado..."));
    setObjectName(QStringLiteral("frmSelecionaAlteracao"));

    auto* rotulo = new QLabel(
        QStringLiteral("Selecione abaixo o item onde está localizado o texto que você deseja alterar:"),
        this);
    rotulo->setObjectName(QStringLiteral("lblSelecione"));
    rotulo->setWordWrap(true);

    cmbItem = new QComboBox(this);
    cmbItem->setObjectName(QStringLiteral("cmbItem"));
    cmbItem->setFont(QFont(QStringLiteral("Times New Roman"), 11));
    cmbItem->setMaxVisibleItems(28);

    frmInfo = new QGroupBox(
        QStringLiteral("Selecione o número que corresponde ao texto que você deseja alterar:"), this);
    frmInfo->setObjectName(QStringLiteral("frmInfo"));
    auto* grade = new QGridLayout(frmInfo);
    for (int i = 0; i < 9; ++i) {
        optNumeros[i] = new QRadioButton(QString::fromUtf8(kRotulos[i]), frmInfo);
        optNumeros[i]->setObjectName(QStringLiteral("optNumeros%1").arg(i));
        // Three columns of three: 1-3, 4-6, 7-9.
        grade->addWidget(optNumeros[i], i % 3, i / 3);
    }

    cmdAlterarTexto = new QPushButton(QStringLiteral("A&lterar Texto"), this);
    cmdAlterarTexto->setObjectName(QStringLiteral("cmdAlterarTexto"));
    cmdAlterarHeader = new QPushButton(QStringLiteral("Alterar o &Cabeçalho"), this);
    cmdAlterarHeader->setObjectName(QStringLiteral("cmdAlterarHeader"));
    cmdRetornar = new QPushButton(QStringLiteral("Retorna&r ao Programa"), this);
    cmdRetornar->setObjectName(QStringLiteral("cmdRetornar"));
    // Enter activates the focused button; elsewhere, the default button "Alterar Texto".
    cmdAlterarTexto->setDefault(true);

    auto* botoes = new QHBoxLayout;
    botoes->addWidget(cmdAlterarTexto);
    botoes->addWidget(cmdAlterarHeader);
    botoes->addStretch(1);
    botoes->addWidget(cmdRetornar);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rotulo);
    layout->addWidget(cmbItem);
    layout->addWidget(frmInfo);
    layout->addLayout(botoes);
    FixarDialogo(*this);

    connect(cmdAlterarTexto, &QPushButton::clicked, this, &frmSelecionaAlteracao::cmdAlterarTexto_Click);
    connect(cmdAlterarHeader, &QPushButton::clicked, this, &frmSelecionaAlteracao::cmdAlterarHeader_Click);
    connect(cmdRetornar, &QPushButton::clicked, this, &frmSelecionaAlteracao::cmdRetornar_Click);

    PreencheCombo();
    optNumeros[0]->setChecked(true);
    connect(cmbItem, &QComboBox::currentIndexChanged, this,
            [this](int indice) { AjustaNumeros(indice + 1); });
}

void frmSelecionaAlteracao::PreencheCombo() {
    cmbItem->clear();
    for (int p = 1; p <= kPosicoes; ++p) {
        cmbItem->addItem(QString::fromUtf8(
            p <= kNumeroCalculos ? NomeCalculoEditor(p)
                                 : kNomesComplementos[static_cast<std::size_t>(p - kNumeroCalculos - 1)]));
        ArquivosInterpretacao[static_cast<std::size_t>(p)] =
            QString::fromLatin1(kArquivos[static_cast<std::size_t>(p)]);
    }
    cmbItem->setCurrentIndex(0);
}

int frmSelecionaAlteracao::QuantidadeDeNumeros(int posicao) {
    if (posicao == 31)
        return static_cast<int>(kDividasCarmicas.size());
    if (posicao >= kPrimeiroMestre && posicao <= kPosicoes)
        return kNumeroPosicoes;
    return 9;
}

void frmSelecionaAlteracao::AjustaNumeros(int posicao) {
    const int quantos = QuantidadeDeNumeros(posicao);
    for (int i = 0; i < 9; ++i) {
        QRadioButton* opcao = optNumeros[static_cast<std::size_t>(i)];
        QString rotulo = QString::fromUtf8(kRotulos[static_cast<std::size_t>(i)]);
        if (posicao == 31 && i < quantos)
            rotulo = QStringLiteral("Dívida %1").arg(kDividasCarmicas[static_cast<std::size_t>(i)]);
        else if (posicao >= kPrimeiroMestre && i < quantos)
            rotulo = QString::fromUtf8(NomePosicao(static_cast<PosicaoMapa>(i)));
        opcao->setText(rotulo);
        opcao->setVisible(i < quantos);
    }
    if (NumeroSelecionado() > quantos)
        optNumeros[0]->setChecked(true);
    // The inclusion table has no text of its own: only its introduction can be changed.
    frmInfo->setEnabled(posicao != kSecaoQuadroInclusao);
}

QString frmSelecionaAlteracao::DescricaoDoNumero(int posicao, int numero) const {
    if (posicao == 31)
        return QStringLiteral("da dívida %1").arg(RegistroDoNumero(posicao, numero));
    if (posicao >= kPrimeiroMestre && posicao <= kPosicoes) {
        const auto lugar = static_cast<PosicaoMapa>(numero - 1);
        return QStringLiteral("do número %1 %2 %3")
            .arg(kNumerosMestres[static_cast<std::size_t>(posicao - kPrimeiroMestre)])
            .arg(lugar == PosicaoMapa::Expressao ? QStringLiteral("na") : QStringLiteral("no"))
            .arg(QString::fromUtf8(NomePosicao(lugar)));
    }
    return QStringLiteral("do número ") + QString::number(numero);
}

int frmSelecionaAlteracao::NumeroSelecionado() const {
    for (int i = 0; i < 9; ++i) {
        if (optNumeros[i]->isChecked()) {
            return i + 1;
        }
    }
    return 1;
}

QString frmSelecionaAlteracao::CaminhoArquivo(const QString& nomeSemExtensao) const {
    const QString pasta = QStringDeCaminho(programa_.PastaPrograma);
    return QDir::toNativeSeparators(QDir(pasta).filePath(nomeSemExtensao + QStringLiteral(".DAT")));
}

std::unique_ptr<frmAlteraForm> frmSelecionaAlteracao::PreparaAlteracaoTexto() {
    const int k = NumeroSelecionado();
    const int p = cmbItem->currentIndex() + 1;
    const int r = RegistroDoNumero(p, k);
    if (r == 0) {
        programa_.mensagens.Mostrar(
            this, QStringLiteral("Erro:"),
            QStringLiteral("O Quadro de Inclusão não tem texto de interpretação: ele mostra quantas "
                           "letras do nome valem cada número. Para mudar o que ele diz, altere o "
                           "cabeçalho."),
            IconeMensagem::Critico, BotoesMensagem::Ok);
        return nullptr;
    }

    auto form = std::make_unique<frmAlteraForm>(programa_, this);
    form->DefinirRegistro(QStringLiteral("Texto referente ao cálculo ") + cmbItem->currentText() +
                              QStringLiteral("\nVocê está alterando a interpretação ") +
                              DescricaoDoNumero(p, k),
                          CaminhoArquivo(ArquivosInterpretacao[p]), r);
    form->DefinirTexto(LerInterpretacao(programa_.PastaPrograma, static_cast<int16_t>(r),
                                        ArquivosInterpretacao[p].toStdString() + ".DAT"));
    return form;
}

std::unique_ptr<frmAlteraForm> frmSelecionaAlteracao::PreparaAlteracaoCabecalho() {
    const int p = cmbItem->currentIndex() + 1;
    const int r = RegistroDoCabecalho(p);
    std::string texto;
    if (r > 0) {
        texto = LerInterpretacao(programa_.PastaPrograma, static_cast<int16_t>(r), "CDATA.DAT");
    }
    if (texto.size() < static_cast<std::size_t>(kMinimoCabecalho)) {
        programa_.mensagens.Mostrar(
            this, QStringLiteral("Erro:"),
            QStringLiteral("Desculpe mas não há cabeçalho referente ao item selecionado. "
                           "Impossível continuar."),
            IconeMensagem::Critico, BotoesMensagem::Ok);
        return nullptr;
    }
    auto form = std::make_unique<frmAlteraForm>(programa_, this);
    form->DefinirRegistro(QStringLiteral("Texto referente ao cabeçalho do cálculo ") + cmbItem->currentText(),
                          CaminhoArquivo(QStringLiteral("CDATA")), r);
    form->DefinirTexto(texto);
    return form;
}

void frmSelecionaAlteracao::cmdAlterarTexto_Click() {
    if (auto form = PreparaAlteracaoTexto()) {
        form->exec();
    }
}

void frmSelecionaAlteracao::cmdAlterarHeader_Click() {
    if (auto form = PreparaAlteracaoCabecalho()) {
        form->exec();
    }
}

void frmSelecionaAlteracao::cmdRetornar_Click() {
    accept();
}

} // namespace oraculandia
