#include "print/qt/frmImprimir.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "layout/paginacao.h"
#include "layout/qt/dialogo_fixo.h"
#include "layout/qt/superficie_qt.h"
#include "layout/unidades.h"
#include "print/limites_margens.h"
#include "print/qt/servicos_impressao.h"
#include "print/qt/valor_margem.h"
#include "programa/qt/programa.h"

namespace oraculandia {

// ---------------------------------------------------------------------------------------------
// QuadroExemplo

QuadroExemplo::QuadroExemplo(double larguraMm, double alturaMm, QWidget* pai)
    : QWidget(pai), larguraMm_(larguraMm), alturaMm_(alturaMm) {
    setFixedSize(sizeHint());
}

QSize QuadroExemplo::sizeHint() const {
    const double dpiX = logicalDpiX();
    const double dpiY = logicalDpiY();
    return QSize(static_cast<int>(std::lround(larguraMm_ * dpiX / unidades::kMmPorPolegada)) + 2,
                 static_cast<int>(std::lround(alturaMm_ * dpiY / unidades::kMmPorPolegada)) + 2);
}

QImage QuadroExemplo::NovaImagem() const {
    // Drawn in the screen's device pixels, with the dots per metre that make a millimetre of
    // the drawing a millimetre on the screen; the surface works from those dots per metre.
    const qreal razao = devicePixelRatioF();
    const QSize interno = sizeHint() - QSize(2, 2);
    QImage imagem((QSizeF(interno) * razao).toSize(), QImage::Format_RGB32);
    imagem.setDotsPerMeterX(
        static_cast<int>(std::lround(logicalDpiX() * razao / unidades::kMetrosPorPolegada)));
    imagem.setDotsPerMeterY(
        static_cast<int>(std::lround(logicalDpiY() * razao / unidades::kMetrosPorPolegada)));
    imagem.fill(Qt::white);
    return imagem;
}

void QuadroExemplo::DefinirImagem(QImage imagem) {
    imagem_ = std::move(imagem);
    update();
}

void QuadroExemplo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!imagem_.isNull()) {
        p.drawImage(QRectF(1, 1, width() - 2, height() - 2), imagem_);
    }
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

// ---------------------------------------------------------------------------------------------
// frmImprimir

namespace {

QString MensagemLimite(int lado) {
    static const char* const kTextos[] = {
        "A margem esquerda não pode ser maior que ", "A margem superior não pode ser maior que ",
        "A margem direita não pode ser maior que ", "A margem inferior não pode ser maior que "};
    return QString::fromUtf8(kTextos[lado]);
}

QFrame* Linha(QWidget* pai) {
    auto* linha = new QFrame(pai);
    linha->setFrameShape(QFrame::HLine);
    linha->setFrameShadow(QFrame::Sunken);
    return linha;
}

} // namespace

frmImprimir::frmImprimir(Programa& programa, ServicosImpressao& servicos, QWidget* pai)
    : QDialog(pai), programa_(programa), servicos_(servicos) {
    setWindowTitle(QStringLiteral("Imprimir:"));
    setObjectName(QStringLiteral("frmImprimir"));

    pagina_ = servicos_.Pagina();
    largura_ = oraculandia::LarguraImprimivel(pagina_);
    altura_ = oraculandia::AlturaImprimivel(pagina_);

    auto* rotulo =
        new QLabel(QStringLiteral("Defina abaixo as margens para impressão (em milímetros):"), this);

    auto novaCaixa = [this](const char* nome) {
        auto* caixa = new QLineEdit(this);
        caixa->setObjectName(QString::fromLatin1(nome));
        caixa->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
        caixa->setAlignment(Qt::AlignRight);
        caixa->installEventFilter(this);
        return caixa;
    };
    txtDireita = novaCaixa("txtDireita");
    txtInferior = novaCaixa("txtInferior");
    txtEsquerda = novaCaixa("txtEsquerda");
    txtSuperior = novaCaixa("txtSuperior");

    picExemplo = new QuadroExemplo(36.0, 45.5, this);
    picExemplo->setObjectName(QStringLiteral("picExemplo"));

    chkPretoEmBranco = new QCheckBox(QStringLiteral("Imprimir em Preto e Branco"), this);
    chkPretoEmBranco->setObjectName(QStringLiteral("chkPretoEmBranco"));
    chkImprimirFolhaRosto = new QCheckBox(QStringLiteral("Imprimir Folha de Rosto"), this);
    chkImprimirFolhaRosto->setObjectName(QStringLiteral("chkImprimirFolhaRosto"));

    cmdCancelar = new QPushButton(QStringLiteral("Cancela&r"), this);
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    cmdImprimir = new QPushButton(QStringLiteral("I&mprimir"), this);
    cmdImprimir->setObjectName(QStringLiteral("cmdImprimir"));
    cmdSalvarPdf = new QPushButton(QStringLiteral("Salvar em &PDF..."), this);
    cmdSalvarPdf->setObjectName(QStringLiteral("cmdSalvarPdf"));
    cmdVisualizar = new QPushButton(QStringLiteral("&Visualizar..."), this);
    cmdVisualizar->setObjectName(QStringLiteral("cmdVisualizar"));
    // Enter activates the focused button; in a margin box, the default button "Imprimir".
    cmdImprimir->setDefault(true);

    // The four boxes around the miniature page, each beside the edge it sets.
    auto* cruz = new QGridLayout;
    auto par = [this](const QString& texto, QLineEdit* caixa) {
        auto* l = new QHBoxLayout;
        auto* r = new QLabel(texto, this);
        r->setBuddy(caixa);
        l->addWidget(r);
        l->addWidget(caixa);
        return l;
    };
    cruz->addLayout(par(QStringLiteral("Superior:"), txtSuperior), 0, 1, Qt::AlignHCenter);
    cruz->addLayout(par(QStringLiteral("Esquerda:"), txtEsquerda), 1, 0, Qt::AlignVCenter);
    cruz->addWidget(picExemplo, 1, 1, Qt::AlignCenter);
    cruz->addLayout(par(QStringLiteral("Direita:"), txtDireita), 1, 2, Qt::AlignVCenter);
    cruz->addLayout(par(QStringLiteral("Inferior:"), txtInferior), 2, 1, Qt::AlignHCenter);

    auto* botoes = new QHBoxLayout;
    botoes->addWidget(cmdSalvarPdf);
    botoes->addWidget(cmdVisualizar);
    botoes->addStretch(1);
    botoes->addWidget(cmdImprimir);
    botoes->addWidget(cmdCancelar);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rotulo);
    layout->addWidget(Linha(this));
    layout->addLayout(cruz);
    layout->addWidget(Linha(this));
    layout->addWidget(chkPretoEmBranco);
    layout->addWidget(chkImprimirFolhaRosto);
    layout->addSpacing(6);
    layout->addLayout(botoes);

    setTabOrder(txtSuperior, txtEsquerda);
    setTabOrder(txtEsquerda, txtDireita);
    setTabOrder(txtDireita, txtInferior);
    setTabOrder(txtInferior, chkPretoEmBranco);
    setTabOrder(chkPretoEmBranco, chkImprimirFolhaRosto);
    setTabOrder(chkImprimirFolhaRosto, cmdImprimir);
    setTabOrder(cmdImprimir, cmdSalvarPdf);
    setTabOrder(cmdSalvarPdf, cmdVisualizar);
    setTabOrder(cmdVisualizar, cmdCancelar);
    FixarDialogo(*this);

    // Loading: Desenhando stays true until the first preview is drawn.
    Desenhando = true;
    chkPretoEmBranco->setChecked(Ligado(programa_.Configuracao.PretoEmBranco));
    chkImprimirFolhaRosto->setChecked(Ligado(programa_.Configuracao.ImprimirFolhaRosto));
    // Values of the file that the boxes would refuse, or that no print job could take, are not
    // shown: the default 10 stands in for them.
    EstadoArquivo estadoMargens = EstadoArquivo::Lido;
    programa_.MargensImpressao =
        MargensImprimiveis(CarregaMargens(programa_.PastaPrograma, &estadoMargens), largura_, altura_);
    programa_.AnotarLeitura(kArquivoMargens, estadoMargens);

    connect(txtEsquerda, &QLineEdit::textChanged, this, [this] { RegraDaMargem(Lado::Esquerda); });
    connect(txtSuperior, &QLineEdit::textChanged, this, [this] { RegraDaMargem(Lado::Superior); });
    connect(txtDireita, &QLineEdit::textChanged, this, [this] { RegraDaMargem(Lado::Direita); });
    connect(txtInferior, &QLineEdit::textChanged, this, [this] { RegraDaMargem(Lado::Inferior); });

    const Margens m = programa_.MargensImpressao;
    txtDireita->setText(TextoMargem(m.Direita));
    txtEsquerda->setText(TextoMargem(m.Esquerda));
    txtSuperior->setText(TextoMargem(m.Superior));
    txtInferior->setText(TextoMargem(m.Inferior));
    DesenhaExemplo();

    connect(cmdCancelar, &QPushButton::clicked, this, &frmImprimir::cmdCancelar_Click);
    connect(cmdImprimir, &QPushButton::clicked, this, &frmImprimir::cmdImprimir_Click);
    connect(cmdSalvarPdf, &QPushButton::clicked, this, &frmImprimir::cmdSalvarPdf_Click);
    connect(cmdVisualizar, &QPushButton::clicked, this, &frmImprimir::cmdVisualizar_Click);
}

QLineEdit* frmImprimir::Caixa(Lado lado) const {
    switch (lado) {
    case Lado::Esquerda:
        return txtEsquerda;
    case Lado::Superior:
        return txtSuperior;
    case Lado::Direita:
        return txtDireita;
    case Lado::Inferior:
        return txtInferior;
    }
    return txtEsquerda;
}

void frmImprimir::RegraDaMargem(Lado lado) {
    QLineEdit* caixa = Caixa(lado);
    const double valor = ValorNumerico(caixa->text());
    const bool horizontal = lado == Lado::Esquerda || lado == Lado::Direita;
    const double base = horizontal ? largura_ : altura_;
    const double limite = LimiteMargem(base);
    const int indice = static_cast<int>(lado);

    // Only an upper limit: 0, negative margins and text that is no number (0) are accepted and
    // drawn. The print job refuses a margin so far out that nothing would land on the sheet.
    if (valor > limite) {
        programa_.mensagens.Mostrar(this, QStringLiteral("Informação:"),
                                    MensagemLimite(indice) + QString::number(std::floor(limite)) +
                                        QStringLiteral("mm"),
                                    IconeMensagem::Exclamacao, BotoesMensagem::Ok);
        const Margens& m = programa_.MargensImpressao;
        const float campo = lado == Lado::Esquerda   ? m.Esquerda
                            : lado == Lado::Superior ? m.Superior
                            : lado == Lado::Direita  ? m.Direita
                                                     : m.Inferior;
        const QString restaurado = TextoMargem(campo);
        if (caixa->text() != restaurado) {
            caixa->setText(restaurado); // runs this rule again on the restored value
        }
        return;
    }
    if (!Desenhando) {
        DesenhaExemplo();
    }
}

void frmImprimir::RedefinirMargens() {
    Margens& m = programa_.MargensImpressao;
    m.Direita = static_cast<float>(ValorNumerico(txtDireita->text()));
    m.Esquerda = static_cast<float>(ValorNumerico(txtEsquerda->text()));
    m.Superior = static_cast<float>(ValorNumerico(txtSuperior->text()));
    m.Inferior = static_cast<float>(ValorNumerico(txtInferior->text()));
}

bool frmImprimir::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::FocusIn) {
        if (auto* caixa = qobject_cast<QLineEdit*>(objeto)) {
            // Selected after the click that gave the focus has been handled, or it would undo it.
            QTimer::singleShot(0, caixa, &QLineEdit::selectAll);
        }
    }
    return QDialog::eventFilter(objeto, evento);
}

void frmImprimir::cmdCancelar_Click() {
    programa_.Configuracao.PretoEmBranco = chkPretoEmBranco->isChecked() ? kLigado : kDesligado;
    programa_.Configuracao.ImprimirFolhaRosto = chkImprimirFolhaRosto->isChecked() ? kLigado : kDesligado;
    reject();
}

void frmImprimir::DesenhaExemplo() {
    setCursor(Qt::WaitCursor);
    Desenhando = true;
    QImage imagem = picExemplo->NovaImagem();
    {
        SuperficieQt s(&imagem);
        s.EscalaMilimetros();
        // The preview box and the printer page, both in millimetres: printer millimetres times
        // (sx, sy) give preview millimetres.
        const double w = s.LarguraEscala();
        const double h = s.AlturaEscala();
        const double sy = h / altura_;
        const double sx = w / largura_;
        RedefinirMargens();
        const Margens m = programa_.MargensImpressao;
        const double L = m.Esquerda, T = m.Superior, R = m.Direita, B = m.Inferior;
        s.Limpar();

        // The header band: rule, picture, title (the same places as on the printed page).
        s.Retangulo(L * sx, (T + 24) * sy, w - R * sx, (T + 25) * sy, kCorPreta);
        // Element 1 of the header pictures (element k - 1 is sign k): the picture of sign 2.
        s.Figura(NomeFiguraSigno(2), (L + 2) * sx, T * sy, 22 * sx, 22 * sy);
        s.DefinirNomeFonte("Times New Roman");
        s.DefinirTamanhoFonte(5);
        s.DefinirNegrito(true);
        s.DefinirY((T + 2) * sy);
        const double a = (L + 22) * sx;
        const double t = s.LarguraTexto("Oraculandia");
        s.DefinirX(a + (w - a - R * sx - t) / 2);
        s.ImprimirLinha("Oraculandia");

        // The footer band.
        s.DefinirNegrito(false);
        s.DefinirTamanhoFonte(4);
        s.Retangulo(L * sx, h - (B + 12) * sy, w - R * sx, h - (B + 11) * sy, kCorPreta);
        s.DefinirX((L + 2) * sx);
        s.DefinirY(h - (B + 10) * sy);
        s.Imprimir("An\xE1lise do programa Oraculandia");

        // The Expression text as sample body.
        std::string amostra = programa_.Secoes[23].Texto;
        ImprimeTexto(s, (T + 27) * sy, (L + 2) * sx, w - (R + 2) * sx, h - (B + 20) * sy, amostra);
    }
    picExemplo->DefinirImagem(std::move(imagem));
    Desenhando = false;
    unsetCursor();
}

} // namespace oraculandia
