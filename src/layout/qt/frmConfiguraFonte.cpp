#include "layout/qt/frmConfiguraFonte.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "analysis/cp1252.h"
#include "app/qt/programa.h"
#include "layout/percurso.h"
#include "layout/qt/superficie_qt.h"

namespace oraculandia {

namespace {

constexpr double kPixelsPorMm = 56.7 / 15;
// Preview box, millimetres.
constexpr double kLarguraAmostra = 120;
constexpr double kAlturaAmostra = 32;

QString Qt1252(const std::string& texto) {
    return QString::fromStdString(Cp1252ParaUtf8(texto));
}

std::string SemBrancos(const std::string& t) {
    const auto i = t.find_first_not_of(' ');
    if (i == std::string::npos)
        return {};
    return t.substr(i, t.find_last_not_of(' ') - i + 1);
}

} // namespace

QStringList frmConfiguraFonte::FontesDisponiveis() {
    QStringList nomes = QFontDatabase::families();
    for (const char* windows : {"Arial", "Courier New", "Times New Roman"}) {
        const QString nome = QString::fromLatin1(windows);
        if (!nomes.contains(nome, Qt::CaseInsensitive))
            nomes << nome;
    }
    nomes.sort(Qt::CaseInsensitive);
    return nomes;
}

frmConfiguraFonte::frmConfiguraFonte(Programa& programa, QWidget* pai) : QDialog(pai), programa_(programa) {
    setWindowTitle(QStringLiteral("Fontes..."));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    static const char* const kInfo[3] = {
        "Informe abaixo a fonte a ser utilizada na impressão da descrição da análise:",
        "Informe abaixo a fonte a ser utilizada na impressão do título da análise:",
        "Informe abaixo a fonte a ser utilizada na impressão do texto da análise:"};

    auto* principal = new QVBoxLayout(this);
    for (std::size_t k = 0; k < 3; ++k) {
        lblInfo[k] = new QLabel(QString::fromUtf8(kInfo[k]), this);
        cmbFonte[k] = new QComboBox(this);
        cmbFonte[k]->setMinimumWidth(230);
        cmbTamanho[k] = new QComboBox(this);
        cmbTamanho[k]->setEditable(true);
        cmbTamanho[k]->setValidator(new QIntValidator(1, 200, cmbTamanho[k]));
        cmbTamanho[k]->setFixedWidth(64);
        chkNegrito[k] = new QCheckBox(QStringLiteral("Negrito"), this);
        chkItalico[k] = new QCheckBox(QStringLiteral("Itálico"), this);

        auto* linha = new QHBoxLayout;
        linha->addWidget(cmbFonte[k], 1);
        linha->addSpacing(8);
        linha->addWidget(new QLabel(QStringLiteral("Tamanho:"), this));
        linha->addWidget(cmbTamanho[k]);
        linha->addSpacing(8);
        linha->addWidget(chkNegrito[k]);
        linha->addWidget(chkItalico[k]);
        principal->addWidget(lblInfo[k]);
        principal->addLayout(linha);
        principal->addSpacing(6);

        connect(cmbFonte[k], &QComboBox::currentIndexChanged, this, &frmConfiguraFonte::AoMudar);
        connect(cmbTamanho[k], &QComboBox::currentIndexChanged, this, &frmConfiguraFonte::AoMudar);
        connect(cmbTamanho[k]->lineEdit(), &QLineEdit::textEdited, this, &frmConfiguraFonte::AoMudar);
        connect(chkNegrito[k], &QCheckBox::toggled, this, &frmConfiguraFonte::AoMudar);
        connect(chkItalico[k], &QCheckBox::toggled, this, &frmConfiguraFonte::AoMudar);
    }

    picExemplo = new QLabel(this);
    picExemplo->setFixedSize(static_cast<int>(std::lround(kLarguraAmostra * kPixelsPorMm)),
                             static_cast<int>(std::lround(kAlturaAmostra * kPixelsPorMm)));
    picExemplo->setFrameShape(QFrame::StyledPanel);
    cmdVisualizar = new QPushButton(QStringLiteral("Ver &Amostra"), this);
    cmdOk = new QPushButton(QStringLiteral("O&k"), this);
    cmdCancelar = new QPushButton(QStringLiteral("Cancela&r"), this);
    cmdOk->setDefault(true);

    auto* baixo = new QHBoxLayout;
    baixo->addWidget(picExemplo);
    auto* botoes = new QVBoxLayout;
    botoes->addWidget(cmdVisualizar);
    botoes->addStretch(1);
    botoes->addWidget(cmdOk);
    botoes->addWidget(cmdCancelar);
    baixo->addLayout(botoes);
    principal->addLayout(baixo);

    connect(cmdVisualizar, &QPushButton::clicked, this, &frmConfiguraFonte::AoMudar);
    connect(cmdOk, &QPushButton::clicked, this, &frmConfiguraFonte::cmdOk_Click);
    connect(cmdCancelar, &QPushButton::clicked, this, &frmConfiguraFonte::cmdCancelar_Click);

    CarregandoFontes = true;
    PreencheFontes();
    Visualizar();
    CarregandoFontes = false;
}

FonteTexto& frmConfiguraFonte::Entrada(int linha) {
    FontesAnalise& f = programa_.Fontes;
    return linha == 0 ? f.FonteDescricao : linha == 1 ? f.FonteTitulo : f.FonteCorpo;
}

void frmConfiguraFonte::PreencheFontes() {
    setCursor(Qt::WaitCursor);
    const QStringList disponiveis = FontesDisponiveis();
    for (std::size_t k = 0; k < 3; ++k) {
        cmbFonte[k]->clear();
        cmbFonte[k]->addItems(disponiveis);
        const FonteTexto& e = Entrada(static_cast<int>(k));
        const QString nome = Qt1252(SemBrancos(e.Nome));
        int i = cmbFonte[k]->findText(nome, Qt::MatchFixedString);
        // A saved face that is not installed stays in the list, so that Ok does not lose it.
        if (i < 0 && !nome.isEmpty()) {
            cmbFonte[k]->insertItem(0, nome);
            i = 0;
        }
        cmbFonte[k]->setCurrentIndex(i);

        cmbTamanho[k]->clear();
        for (int j = 3; j <= 11; ++j)
            cmbTamanho[k]->addItem(QString::number(2 * j));
        int t = cmbTamanho[k]->findText(QString::number(e.Tamanho));
        if (t < 0 && e.Tamanho > 0) {
            cmbTamanho[k]->addItem(QString::number(e.Tamanho));
            t = cmbTamanho[k]->count() - 1;
        }
        cmbTamanho[k]->setCurrentIndex(t);
        if (Ligado(e.Negrito))
            chkNegrito[k]->setChecked(true);
        if (Ligado(e.Italico))
            chkItalico[k]->setChecked(true);
    }
    unsetCursor();
}

void frmConfiguraFonte::PreencherFonte() {
    for (std::size_t k = 0; k < 3; ++k) {
        FonteTexto& e = Entrada(static_cast<int>(k));
        const ConversaoCp1252 nome = Utf8ParaCp1252(cmbFonte[k]->currentText().toStdString());
        if (nome.ok() && !nome.texto.empty())
            e.Nome = nome.texto.substr(0, 50);
        e.Negrito = chkNegrito[k]->isChecked() ? kLigado : kDesligado;
        e.Italico = chkItalico[k]->isChecked() ? kLigado : kDesligado;
        // A size box left empty keeps the size the entry has.
        bool ok = false;
        const double tamanho = cmbTamanho[k]->currentText().toDouble(&ok);
        if (ok && tamanho >= 1)
            e.Tamanho = static_cast<int16_t>(std::nearbyint(std::min(tamanho, 200.0)));
    }
}

void frmConfiguraFonte::Visualizar() {
    setCursor(Qt::WaitCursor);
    QImage img(picExemplo->size(), QImage::Format_RGB32);
    const int pontosPorMetro = static_cast<int>(std::lround(kPixelsPorMm * 1000));
    img.setDotsPerMeterX(pontosPorMetro);
    img.setDotsPerMeterY(pontosPorMetro);
    {
        SuperficieQt s(&img);
        s.Limpar(Qt::white);
        const FontesAnalise& f = programa_.Fontes;
        s.DefinirX(2);
        s.DefinirY(2);
        AplicarFonte(s, f.FonteDescricao);
        s.ImprimirLinha("Este \xE9 o n\xFAmero...");
        s.DefinirX(2);
        s.DefinirY(s.Y() + 1);
        AplicarFonte(s, f.FonteTitulo);
        s.ImprimirLinha("Interpreta\xE7\xE3o:");
        s.DefinirX(2);
        s.DefinirY(s.Y() + 1);
        AplicarFonte(s, f.FonteCorpo);
        s.ImprimirLinha("Voc\xEA \xE9 uma pessoa...");
    }
    amostra_ = img;
    picExemplo->setPixmap(QPixmap::fromImage(img));
    unsetCursor();
}

void frmConfiguraFonte::AoMudar() {
    if (CarregandoFontes)
        return;
    PreencherFonte();
    Visualizar();
}

void frmConfiguraFonte::cmdOk_Click() {
    if (programa_.RecusarGravacao(this, kArquivoFontes, QStringLiteral("Nada foi gravado.")))
        return;
    if (!SalvarFontes(programa_.PastaPrograma, programa_.Fontes)) {
        programa_.mensagens.Mostrar(
            this, QStringLiteral("Erro:"),
            QStringLiteral(
                "Não foi possível gravar o arquivo fontes.dat na pasta do programa. Verifique se a "
                "pasta permite gravação e tente novamente."),
            IconeMensagem::Critico, BotoesMensagem::Ok);
        return;
    }
    fechando_ = true;
    accept();
}

void frmConfiguraFonte::cmdCancelar_Click() {
    reject();
}

void frmConfiguraFonte::reject() {
    if (fechando_)
        return;
    fechando_ = true;
    programa_.Fontes = CarregaFontes(programa_.PastaPrograma);
    QDialog::reject();
}

} // namespace oraculandia
