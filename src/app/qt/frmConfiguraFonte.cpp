#include "app/qt/frmConfiguraFonte.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <cmath>

#include "layout/percurso.h"
#include "layout/qt/cp1252_qt.h"
#include "layout/qt/dialogo_fixo.h"
#include "layout/qt/superficie_qt.h"
#include "layout/unidades.h"
#include "programa/qt/programa.h"

namespace oraculandia {

namespace {

using unidades::kPixelsPorMm;
// Preview box, millimetres.
constexpr double kLarguraAmostra = 120;
constexpr double kAlturaAmostra = 32;

std::string SemBrancos(const std::string& t) {
    const auto i = t.find_first_not_of(' ');
    if (i == std::string::npos)
        return {};
    return t.substr(i, t.find_last_not_of(' ') - i + 1);
}

} // namespace

QStringList frmConfiguraFonte::FamiliasUmaVezCada(const QStringList& familias) {
    // A family that several foundries provide is listed by Qt once per foundry, as
    // "Nimbus Sans [UKWN]" and "Nimbus Sans [urw]"; the family name alone picks the font.
    static const QRegularExpression fornecedor(QStringLiteral("\\s*\\[[^\\[\\]]*\\]$"));
    QStringList nomes;
    for (QString nome : familias) {
        nome.remove(fornecedor);
        nome = nome.trimmed();
        if (!nome.isEmpty() && !nomes.contains(nome, Qt::CaseInsensitive))
            nomes << nome;
    }
    for (const char* windows : {"Arial", "Courier New", "Times New Roman"}) {
        const QString nome = QString::fromLatin1(windows);
        if (!nomes.contains(nome, Qt::CaseInsensitive))
            nomes << nome;
    }
    nomes.sort(Qt::CaseInsensitive);
    return nomes;
}

QStringList frmConfiguraFonte::FontesDisponiveis() {
    return FamiliasUmaVezCada(QFontDatabase::families());
}

frmConfiguraFonte::frmConfiguraFonte(Programa& programa, QWidget* pai)
    : QDialog(pai), programa_(programa), fontes_(programa.Fontes) {
    setWindowTitle(QStringLiteral("Fontes..."));

    static const char* const kInfo[3] = {
        "Informe abaixo a fonte a ser utilizada na impressão da descrição da análise:",
        "Informe abaixo a fonte a ser utilizada na impressão do título da análise:",
        "Informe abaixo a fonte a ser utilizada na impressão do texto da análise:"};

    auto* principal = new QVBoxLayout(this);
    for (std::size_t k = 0; k < 3; ++k) {
        lblInfo_[k] = new QLabel(QString::fromUtf8(kInfo[k]), this);
        lblInfo_[k]->setObjectName(QStringLiteral("lblInfo_%1").arg(k));
        cmbFonte_[k] = new QComboBox(this);
        cmbFonte_[k]->setMinimumWidth(230);
        cmbFonte_[k]->setObjectName(QStringLiteral("cmbFonte_%1").arg(k));
        cmbTamanho_[k] = new QComboBox(this);
        cmbTamanho_[k]->setObjectName(QStringLiteral("cmbTamanho_%1").arg(k));
        cmbTamanho_[k]->setEditable(true);
        // Digits only; the range is checked when the box is left, with a message.
        cmbTamanho_[k]->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]{0,3}")), cmbTamanho_[k]));
        // A typed size is used, not added to the list of sizes.
        cmbTamanho_[k]->setInsertPolicy(QComboBox::NoInsert);
        cmbTamanho_[k]->setFixedWidth(64);
        cmbTamanho_[k]->installEventFilter(this);
        chkNegrito_[k] = new QCheckBox(QStringLiteral("Negrito"), this);
        chkNegrito_[k]->setObjectName(QStringLiteral("chkNegrito_%1").arg(k));
        chkItalico_[k] = new QCheckBox(QStringLiteral("Itálico"), this);
        chkItalico_[k]->setObjectName(QStringLiteral("chkItalico_%1").arg(k));

        auto* linha = new QHBoxLayout;
        linha->addWidget(cmbFonte_[k], 1);
        linha->addSpacing(8);
        linha->addWidget(new QLabel(QStringLiteral("Tamanho:"), this));
        linha->addWidget(cmbTamanho_[k]);
        linha->addSpacing(8);
        linha->addWidget(chkNegrito_[k]);
        linha->addWidget(chkItalico_[k]);
        principal->addWidget(lblInfo_[k]);
        principal->addLayout(linha);
        principal->addSpacing(6);

        const int fila = static_cast<int>(k);
        connect(cmbFonte_[k], &QComboBox::currentIndexChanged, this, [this, fila] {
            if (CarregandoFontes || ConferirFace(fila))
                AoMudar();
        });
        connect(cmbTamanho_[k], &QComboBox::currentIndexChanged, this, [this, fila] {
            AoMudar();
            if (!CarregandoFontes)
                ConferirTamanho(fila); // a size from the list: accepted
        });
        connect(cmbTamanho_[k]->lineEdit(), &QLineEdit::textEdited, this, &frmConfiguraFonte::AoMudar);
        connect(cmbTamanho_[k]->lineEdit(), &QLineEdit::editingFinished, this, [this, fila] {
            if (!CarregandoFontes && !fechando_)
                ConferirTamanho(fila);
        });
        connect(chkNegrito_[k], &QCheckBox::toggled, this, &frmConfiguraFonte::AoMudar);
        connect(chkItalico_[k], &QCheckBox::toggled, this, &frmConfiguraFonte::AoMudar);
    }

    picExemplo_ = new QLabel(this);
    picExemplo_->setObjectName(QStringLiteral("picExemplo"));
    picExemplo_->setFixedSize(unidades::PixelsDeMm(kLarguraAmostra), unidades::PixelsDeMm(kAlturaAmostra));
    picExemplo_->setFrameShape(QFrame::StyledPanel);
    cmdVisualizar_ = new QPushButton(QStringLiteral("Ver &Amostra"), this);
    cmdVisualizar_->setObjectName(QStringLiteral("cmdVisualizar"));
    cmdOk_ = new QPushButton(QStringLiteral("O&k"), this);
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdCancelar_ = new QPushButton(QStringLiteral("Cancela&r"), this);
    cmdCancelar_->setObjectName(QStringLiteral("cmdCancelar"));
    cmdOk_->setDefault(true);

    auto* baixo = new QHBoxLayout;
    baixo->addWidget(picExemplo_);
    auto* botoes = new QVBoxLayout;
    botoes->addWidget(cmdVisualizar_);
    botoes->addStretch(1);
    botoes->addWidget(cmdOk_);
    botoes->addWidget(cmdCancelar_);
    baixo->addLayout(botoes);
    principal->addLayout(baixo);
    FixarDialogo(*this);

    connect(cmdVisualizar_, &QPushButton::clicked, this, &frmConfiguraFonte::AoMudar);
    connect(cmdOk_, &QPushButton::clicked, this, &frmConfiguraFonte::cmdOk_Click);
    connect(cmdCancelar_, &QPushButton::clicked, this, &frmConfiguraFonte::cmdCancelar_Click);

    CarregandoFontes = true;
    PreencheFontes();
    Visualizar();
    CarregandoFontes = false;
}

frmConfiguraFonte::~frmConfiguraFonte() {
    // The controls are destroyed after this object: the focus leaving a size box then must not
    // reach the checks of a dialog that is gone.
    for (QObject* filho : findChildren<QObject*>())
        filho->disconnect(this);
}

FonteTexto& frmConfiguraFonte::Entrada(int linha) {
    FontesAnalise& f = fontes_;
    return linha == 0 ? f.FonteDescricao : linha == 1 ? f.FonteTitulo : f.FonteCorpo;
}

void frmConfiguraFonte::PreencheFontes() {
    setCursor(Qt::WaitCursor);
    const QStringList disponiveis = FontesDisponiveis();
    for (std::size_t k = 0; k < 3; ++k) {
        cmbFonte_[k]->clear();
        cmbFonte_[k]->addItems(disponiveis);
        const FonteTexto& e = Entrada(static_cast<int>(k));
        const QString nome = Cp1252ParaQString(SemBrancos(e.Nome));
        int i = cmbFonte_[k]->findText(nome, Qt::MatchFixedString);
        // A saved face that is not installed stays in the list, so that Ok does not lose it.
        if (i < 0 && !nome.isEmpty()) {
            cmbFonte_[k]->insertItem(0, nome);
            i = 0;
        }
        cmbFonte_[k]->setCurrentIndex(i);

        cmbTamanho_[k]->clear();
        for (int j = 3; j <= 11; ++j)
            cmbTamanho_[k]->addItem(QString::number(2 * j));
        // A size outside the list (13, say) is shown in the box; the list stays 6 to 22.
        const QString tamanho = QString::number(e.Tamanho);
        cmbTamanho_[k]->setCurrentIndex(cmbTamanho_[k]->findText(tamanho));
        cmbTamanho_[k]->setEditText(tamanho);
        tamanhoAceito_[k] = e.Tamanho;
        if (Ligado(e.Negrito))
            chkNegrito_[k]->setChecked(true);
        if (Ligado(e.Italico))
            chkItalico_[k]->setChecked(true);
    }
    unsetCursor();
}

void frmConfiguraFonte::PreencherFonte() {
    for (std::size_t k = 0; k < 3; ++k) {
        FonteTexto& e = Entrada(static_cast<int>(k));
        // A face the file cannot hold has been refused (ConferirFace) and is never taken.
        const ConversaoCp1252 nome = QStringParaCp1252(cmbFonte_[k]->currentText());
        if (nome.ok() && !nome.texto.empty())
            e.Nome = nome.texto.substr(0, 50);
        e.Negrito = chkNegrito_[k]->isChecked() ? kLigado : kDesligado;
        e.Italico = chkItalico_[k]->isChecked() ? kLigado : kDesligado;
        // While a size is being typed ("1" on the way to "14") the entry keeps its size; a size
        // outside the range is refused when the box is left (ConferirTamanho).
        if (const auto tamanho = TamanhoDigitado(static_cast<int>(k)))
            e.Tamanho = *tamanho;
    }
}

void frmConfiguraFonte::Visualizar() {
    setCursor(Qt::WaitCursor);
    QImage img(picExemplo_->size(), QImage::Format_RGB32);
    const int pontosPorMetro = static_cast<int>(std::lround(kPixelsPorMm * 1000));
    img.setDotsPerMeterX(pontosPorMetro);
    img.setDotsPerMeterY(pontosPorMetro);
    {
        SuperficieQt s(&img);
        s.Limpar(Qt::white);
        const FontesAnalise& f = fontes_;
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
    picExemplo_->setPixmap(QPixmap::fromImage(img));
    unsetCursor();
}

void frmConfiguraFonte::AoMudar() {
    if (CarregandoFontes)
        return;
    PreencherFonte();
    Visualizar();
}

void frmConfiguraFonte::cmdOk_Click() {
    for (int k = 0; k < 3; ++k)
        if (!ConferirTamanho(k))
            return;
    if (programa_.RecusarGravacao(this, kArquivoFontes, QStringLiteral("Nada foi gravado.")))
        return;
    if (!SalvarFontes(programa_.PastaPrograma, fontes_)) {
        programa_.mensagens.Mostrar(
            this, QStringLiteral("Erro:"),
            QStringLiteral(
                "Não foi possível gravar o arquivo fontes.dat na pasta do programa. Verifique se a "
                "pasta permite gravação e tente novamente."),
            IconeMensagem::Critico, BotoesMensagem::Ok);
        return;
    }
    programa_.Fontes = fontes_;
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
    QDialog::reject();
}

std::optional<int16_t> frmConfiguraFonte::TamanhoDigitado(int linha) const {
    bool ok = false;
    const int tamanho = cmbTamanho_[static_cast<std::size_t>(linha)]->currentText().trimmed().toInt(&ok);
    if (!ok || tamanho < kTamanhoFonteMinimo || tamanho > kTamanhoFonteMaximo)
        return std::nullopt;
    return static_cast<int16_t>(tamanho);
}

bool frmConfiguraFonte::ConferirTamanho(int linha) {
    const auto k = static_cast<std::size_t>(linha);
    QComboBox* caixa = cmbTamanho_[k];
    if (const auto tamanho = TamanhoDigitado(linha)) {
        tamanhoAceito_[k] = *tamanho;
        return true;
    }
    const QString digitado = caixa->currentText().trimmed();
    // The entry and the box go back to the size accepted before this one was typed (what Ok
    // saves), before the message, so that the focus leaving the box for the message finds
    // nothing more to refuse.
    Entrada(linha).Tamanho = tamanhoAceito_[k];
    const QString mantido = QString::number(tamanhoAceito_[k]);
    {
        const QSignalBlocker bloqueio(caixa);
        caixa->setCurrentIndex(caixa->findText(mantido));
        caixa->setEditText(mantido);
    }
    Visualizar();
    const QString faixa = QStringLiteral("o tamanho da fonte deve ser um número inteiro de %1 a %2")
                              .arg(kTamanhoFonteMinimo)
                              .arg(kTamanhoFonteMaximo);
    const QString inicio = digitado.isEmpty()
                               ? QStringLiteral("O tamanho não pode ficar em branco: ")
                               : QStringLiteral("O tamanho %1 não pode ser usado: ").arg(digitado);
    programa_.mensagens.Mostrar(this, QStringLiteral("Aviso:"),
                                inicio + faixa +
                                    QStringLiteral(". A fonte continua com o tamanho %1.").arg(mantido),
                                IconeMensagem::Exclamacao, BotoesMensagem::Ok);
    return false;
}

bool frmConfiguraFonte::ConferirFace(int linha) {
    QComboBox* caixa = cmbFonte_[static_cast<std::size_t>(linha)];
    const QString escolhida = caixa->currentText();
    const ConversaoCp1252 nome = QStringParaCp1252(escolhida);
    if (nome.ok())
        return true;
    // The box shows the face that stays (what Ok saves) again.
    {
        const QSignalBlocker bloqueio(caixa);
        caixa->setCurrentIndex(
            caixa->findText(Cp1252ParaQString(SemBrancos(Entrada(linha).Nome)), Qt::MatchFixedString));
    }
    programa_.mensagens.Mostrar(
        this, QStringLiteral("Aviso:"),
        QStringLiteral(
            "A fonte \u201C%1\u201D não pode ser usada porque o nome dela contém caracteres que o "
            "arquivo de fontes não consegue guardar: %2. Escolha outra fonte; a fonte %3 foi mantida.")
            .arg(escolhida, ListaCaracteresInvalidos(nome.invalidos), caixa->currentText()),
        IconeMensagem::Exclamacao, BotoesMensagem::Ok);
    return false;
}

bool frmConfiguraFonte::eventFilter(QObject* objeto, QEvent* evento) {
    // Enter in a size box, as in any text box, activates the default button Ok, once the size
    // typed has been checked (the combo box would otherwise keep the key to itself).
    if (evento->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        for (int k = 0; k < 3; ++k) {
            if (objeto == cmbTamanho_[static_cast<std::size_t>(k)] &&
                (tecla == Qt::Key_Return || tecla == Qt::Key_Enter)) {
                if (ConferirTamanho(k))
                    cmdOk_->click();
                return true;
            }
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

} // namespace oraculandia
