#include "viewer/qt/frmExibeRelatorio.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "layout/qt/cp1252_qt.h"
#include "layout/unidades.h"
#include "programa/qt/programa.h"
#include "viewer/qt/armazem_paginas.h"

namespace oraculandia {

namespace {
// Steps of the horizontal bar, millimetres.
constexpr int kPassoHorizontalPequeno = 5;
constexpr int kPassoHorizontalGrande = 20;
using unidades::kAlturaPaginaMm;

int ArredondarPar(double v) {
    return static_cast<int>(std::nearbyint(v));
}
} // namespace

// The visible page surface: paints the current page image at (0, 0), unscaled (an image of
// device pixel ratio 2 covers the surface at one image pixel per device pixel).
class SuperficieExibe : public QWidget {
public:
    explicit SuperficieExibe(frmExibeRelatorio* janela) : QWidget(janela), janela_(janela) {
        setFocusPolicy(Qt::StrongFocus);
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QImage& img = janela_->imagemExibida_;
        if (img.isNull()) {
            p.fillRect(rect(), Qt::white);
            // A page that could not be drawn says so on the page itself, never a blank page.
            if (!janela_->falhaExibida_.isEmpty())
                p.drawText(rect().adjusted(40, 40, -40, -40),
                           Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, janela_->falhaExibida_);
            return;
        }
        p.drawImage(0, 0, img);
        // The window went to a screen of another pixel density: draw the page again for it.
        if (img.devicePixelRatio() != devicePixelRatioF())
            janela_->AtualizarResolucao();
    }

private:
    frmExibeRelatorio* janela_;
};

double frmExibeRelatorio::PixelsPorMm() {
    return unidades::kPixelsPorMm;
}

double frmExibeRelatorio::LarguraTelaMm() {
    const QScreen* tela = QGuiApplication::primaryScreen();
    return (tela ? tela->geometry().width() : 1024) / PixelsPorMm();
}

double frmExibeRelatorio::AlturaTelaMm() {
    const QScreen* tela = QGuiApplication::primaryScreen();
    return (tela ? tela->geometry().height() : 768) / PixelsPorMm();
}

int frmExibeRelatorio::Px(double mm) {
    return unidades::PixelsDeMm(mm);
}

QString frmExibeRelatorio::TextoStatusInicial() {
    return QStringLiteral("Para obter a sua análise clique no primeiro botão !");
}

QString frmExibeRelatorio::Titulo() {
    return QStringLiteral("Relatório de Análise Numerológica");
}

frmExibeRelatorio::frmExibeRelatorio(Programa& programa, QWidget* pai) : QWidget(pai), programa_(programa) {
    setWindowTitle(Titulo());
    setAutoFillBackground(true);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(paleta);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);

    picExibe = new SuperficieExibe(this);
    picExibe->setObjectName(QStringLiteral("picExibe"));
    picExibe->installEventFilter(this);
    setFocusProxy(picExibe);

    vScroll = new QScrollBar(Qt::Vertical, this);
    hScroll = new QScrollBar(Qt::Horizontal, this);
    vScroll->setObjectName(QStringLiteral("vScroll"));
    hScroll->setObjectName(QStringLiteral("hScroll"));
    for (QScrollBar* barra : {vScroll, hScroll}) {
        barra->setFocusPolicy(Qt::NoFocus);
        barra->setRange(0, 0);
        barra->installEventFilter(this);
    }
    hScroll->setSingleStep(kPassoHorizontalPequeno);
    hScroll->setPageStep(kPassoHorizontalGrande);
    connect(vScroll, &QScrollBar::valueChanged, this, &frmExibeRelatorio::AoRolarVertical);
    connect(hScroll, &QScrollBar::valueChanged, this, &frmExibeRelatorio::AoRolarHorizontal);

    // Opening: the page surface below and beside the window's top-left corner.
    MargemPagina = static_cast<float>(AlturaTelaMm() * 0.04);
    picExibe->resize(Px(GetLarguraEmMm()), Px(kAlturaPaginaMm));
    PosicionarExibe(LarguraTelaMm() * 0.04, MargemPagina);

    // A sensible first size inside the main window: most of the page width, two thirds of it high.
    resize(Px(GetLarguraEmMm() * 0.75), Px(kAlturaPaginaMm * 0.6));

    armazem_ = std::make_unique<ArmazemPaginas>(GetLarguraEmMm(), kAlturaPaginaMm, PixelsPorMm());
}

frmExibeRelatorio::~frmExibeRelatorio() = default;

float frmExibeRelatorio::GetLarguraEmMm() const {
    return static_cast<float>(LarguraTelaMm() * 0.9);
}

void frmExibeRelatorio::PreparaPictureBox(int indice) {
    if (indice < 0)
        return;
    const auto n = static_cast<std::size_t>(indice);
    if (PosicaoHorizontal.size() <= n) {
        PosicaoHorizontal.resize(n + 1, 0.0f);
        PosicaoVertical.resize(n + 1, 0.0f);
    }
    MargemPagina = static_cast<float>(AlturaTelaMm() * 0.04);
    armazem_->GravarPagina(indice);
}

SuperficieDesenho& frmExibeRelatorio::picFolha(int indice) {
    SuperficieDesenho* pagina = armazem_->PaginaEmGravacao(indice);
    if (!pagina)
        throw std::out_of_range("a página pedida não é a que está sendo desenhada");
    return *pagina;
}

int frmExibeRelatorio::PaginasNaMemoria() const {
    return armazem_->Paginas();
}

double frmExibeRelatorio::RazaoPixels() const {
    return picExibe->devicePixelRatioF();
}

QString frmExibeRelatorio::TituloCliente(const std::string& nomeDigitado, const std::string& data) {
    return QStringLiteral("%1: %2").arg(Cp1252ParaQString(nomeDigitado).simplified(),
                                        Cp1252ParaQString(data));
}

void frmExibeRelatorio::GravaDados(int Paginas, int Atual, const std::string& dtAnalisada,
                                   const std::string& nmAnalisado, const std::string& nmDigitado) {
    TotalPaginas = Paginas;
    PaginaAtual = Atual;
    GuardarPosicao(Atual);
    dataAnalisada_ = dtAnalisada;
    nomeAnalisado_ = nmAnalisado;
    referencia_ = programa_.DataReferencia;
    nomeDigitado_ = nmDigitado;
    setWindowTitle(TituloCliente(nmDigitado.empty() ? nmAnalisado : nmDigitado, dtAnalisada));
    armazem_->TerminarGravacao();
    ExibePagina(PaginaAtual);
}

void frmExibeRelatorio::GuardarPosicao(int pagina) {
    if (pagina < 1)
        return;
    const auto n = static_cast<std::size_t>(pagina);
    if (PosicaoHorizontal.size() < n) {
        PosicaoHorizontal.resize(n, 0.0f);
        PosicaoVertical.resize(n, 0.0f);
    }
    PosicaoHorizontal[n - 1] = static_cast<float>(hScroll->value());
    PosicaoVertical[n - 1] = static_cast<float>(vScroll->value());
}

std::pair<float, float> frmExibeRelatorio::PosicaoGuardada(int pagina) const {
    if (pagina < 1 || static_cast<std::size_t>(pagina) > PosicaoHorizontal.size())
        return {0.0f, 0.0f};
    const auto i = static_cast<std::size_t>(pagina - 1);
    return {PosicaoHorizontal[i], PosicaoVertical[i]};
}

void frmExibeRelatorio::ExibePagina(int Pagina) {
    setCursor(Qt::WaitCursor);
    if (Ligado(programa_.Configuracao.EscutarSons))
        programa_.sons.Tocar(programa_.Caminho("virafolh.wav"), false);
    GuardarPosicao(PaginaAtual);
    PaginaAtual = Pagina;
    if (Pagina >= 1 && Pagina <= armazem_->Paginas())
        MostrarImagem(Pagina);
    const auto [horizontal, vertical] = PosicaoGuardada(Pagina);
    vScroll->setValue(ArredondarPar(vertical));
    hScroll->setValue(ArredondarPar(horizontal));
    emit StatusNavegacao(TextoStatus());
    unsetCursor();
}

void frmExibeRelatorio::MostrarImagem(int pagina) {
    ResultadoQt<QImage> imagem = armazem_->Imagem(pagina, RazaoDesenho());
    // Drawn at the zoom's resolution, shown at the screen's: the page covers zoom times the area.
    if (imagem)
        imagem->setDevicePixelRatio(RazaoPixels());
    imagemExibida_ = imagem.value_or(QImage());
    picExibe->update();
    if (!imagem) {
        falhaExibida_ =
            QStringLiteral("A página %1 não pôde ser desenhada: %2.").arg(pagina).arg(imagem.error());
        programa_.mensagens.Mostrar(this, QStringLiteral("Erro:"),
                                    falhaExibida_ +
                                        QStringLiteral(" Feche outras análises ou outros programas e "
                                                       "mostre a página novamente."),
                                    IconeMensagem::Critico, BotoesMensagem::Ok);
        return;
    }
    falhaExibida_.clear();
    AgendarVizinhas();
}

void frmExibeRelatorio::AgendarVizinhas() {
    if (vizinhasAgendadas_)
        return;
    vizinhasAgendadas_ = true;
    QTimer::singleShot(0, this, [this] {
        vizinhasAgendadas_ = false;
        // One page per pass, so that keys pressed meanwhile are not kept waiting.
        if (PrepararVizinhas())
            AgendarVizinhas();
    });
}

bool frmExibeRelatorio::PrepararVizinhas() {
    const double razao = RazaoDesenho();
    for (int vizinha : {PaginaAtual + 1, PaginaAtual - 1}) {
        if (vizinha < 1 || vizinha > armazem_->Paginas() || armazem_->Guardada(vizinha, razao))
            continue;
        // A page that cannot be drawn now is reported when it is shown.
        return armazem_->Preparar(vizinha, razao);
    }
    return false;
}

void frmExibeRelatorio::AtualizarResolucao() {
    if (resolucaoAgendada_)
        return;
    resolucaoAgendada_ = true;
    QTimer::singleShot(0, this, [this] {
        resolucaoAgendada_ = false;
        if (!imagemExibida_.isNull() && imagemExibida_.devicePixelRatio() != RazaoPixels() &&
            PaginaAtual >= 1 && PaginaAtual <= armazem_->Paginas())
            MostrarImagem(PaginaAtual);
    });
}

QString frmExibeRelatorio::TextoStatus() const {
    return QStringLiteral("Navegando: Página %1 de %2").arg(PaginaAtual).arg(TotalPaginas);
}

void frmExibeRelatorio::AjustaDadosNaMemoria() {
    programa_.NomeCompleto = nomeAnalisado_;
    programa_.NomeDigitado = nomeDigitado_;
    programa_.DataNascimento = dataAnalisada_;
    programa_.DataReferencia = referencia_;
}

void frmExibeRelatorio::PosicionarExibe(double esquerdaMm, double topoMm) {
    picExibe->move(Px(esquerdaMm), Px(topoMm));
}

void frmExibeRelatorio::AoRolarVertical(int valor) {
    picExibe->move(picExibe->x(), Px(MargemPagina - valor));
    picExibe->setFocus();
}

void frmExibeRelatorio::AoRolarHorizontal(int valor) {
    picExibe->move(Px(MargemPagina - valor), picExibe->y());
    picExibe->setFocus();
}

void frmExibeRelatorio::resizeEvent(QResizeEvent* evento) {
    QWidget::resizeEvent(evento);
    Reposicionar();
}

void frmExibeRelatorio::Reposicionar() {
    const double W = width() / PixelsPorMm();
    const double H = height() / PixelsPorMm();
    const double M = MargemPagina;

    // A window taller than the page and its margins has nothing to scroll vertically.
    vScroll->setMaximum(std::max(0, ArredondarPar(2 * M + kAlturaPaginaMm * zoom_ - H)));
    vScroll->setGeometry(width() - vScroll->sizeHint().width(), 0, vScroll->sizeHint().width(), height());
    vScroll->show();

    const int alturaBarraH = hScroll->sizeHint().height();
    hScroll->setGeometry(0, height() - alturaBarraH, width() - vScroll->width(), alturaBarraH);
    const auto necessario = static_cast<float>(LarguraTelaMm() * 0.95 + GetLarguraEmMm() * (zoom_ - 1));
    if (necessario < W) {
        hScroll->setValue(0);
        hScroll->hide();
        hScroll->setMaximum(0);
    } else {
        hScroll->show();
        hScroll->setMaximum(ArredondarPar(necessario - W));
    }
    // The page follows both bars (the horizontal value stays applied across a resize).
    PosicionarExibe(M - hScroll->value(), M - vScroll->value());

    vScroll->setSingleStep(std::max(1, ArredondarPar(H * 0.05)));
    vScroll->setPageStep(std::max(1, ArredondarPar(H * 0.15)));
    vScroll->raise();
    hScroll->raise();
}

void frmExibeRelatorio::DefinirZoom(double zoom) {
    zoom = std::clamp(zoom, kZoomMinimo, kZoomMaximo);
    if (zoom == zoom_)
        return;
    // The same point of the page stays at the top of the window.
    const double fracaoV = vScroll->maximum() > 0 ? double(vScroll->value()) / vScroll->maximum() : 0;
    zoom_ = zoom;
    picExibe->resize(Px(GetLarguraEmMm() * zoom_), Px(kAlturaPaginaMm * zoom_));
    Reposicionar();
    vScroll->setValue(ArredondarPar(fracaoV * vScroll->maximum()));
    if (PaginaAtual >= 1 && PaginaAtual <= armazem_->Paginas())
        MostrarImagem(PaginaAtual);
}

void frmExibeRelatorio::AjustarLargura() {
    const double disponivel = width() / PixelsPorMm() - vScroll->width() / PixelsPorMm() - 2 * MargemPagina;
    DefinirZoom(disponivel / GetLarguraEmMm());
}

bool frmExibeRelatorio::Rolar(int passo) {
    const int valor = vScroll->value();
    if (passo > 0 && valor >= vScroll->maximum() && PaginaAtual < TotalPaginas) {
        ExibePagina(PaginaAtual + 1);
        vScroll->setValue(0);
        return true;
    }
    if (passo < 0 && valor <= 0 && PaginaAtual > 1) {
        ExibePagina(PaginaAtual - 1);
        vScroll->setValue(vScroll->maximum());
        return true;
    }
    vScroll->setValue(std::clamp(valor + passo, 0, vScroll->maximum()));
    return false;
}

void frmExibeRelatorio::wheelEvent(QWheelEvent* evento) {
    const int graus = evento->angleDelta().y();
    if (graus == 0) {
        QWidget::wheelEvent(evento);
        return;
    }
    if (evento->modifiers() & Qt::ControlModifier)
        DefinirZoom(zoom_ * (graus > 0 ? 1.25 : 0.8));
    else
        // Three lines per notch, as scrolled text goes; at least a line for a small movement.
        Rolar((graus > 0 ? -1 : 1) * std::max(1, std::abs(graus) * 3 * vScroll->singleStep() / 120));
    evento->accept();
}

void frmExibeRelatorio::keyPressEvent(QKeyEvent* evento) {
    const bool ctrl = evento->modifiers() & Qt::ControlModifier;
    auto limitar = [](QScrollBar* b, int v) { b->setValue(std::clamp(v, 0, b->maximum())); };
    switch (evento->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        if (!ctrl) {
            QWidget::keyPressEvent(evento);
            return;
        }
        DefinirZoom(zoom_ * 1.25);
        break;
    case Qt::Key_Minus:
        if (!ctrl) {
            QWidget::keyPressEvent(evento);
            return;
        }
        DefinirZoom(zoom_ * 0.8);
        break;
    case Qt::Key_0:
        if (!ctrl) {
            QWidget::keyPressEvent(evento);
            return;
        }
        AjustarLargura();
        break;
    case Qt::Key_PageUp:
        Rolar(-vScroll->pageStep());
        break;
    case Qt::Key_PageDown:
        Rolar(vScroll->pageStep());
        break;
    case Qt::Key_Up:
        limitar(vScroll, vScroll->value() - vScroll->singleStep());
        break;
    case Qt::Key_Down:
        limitar(vScroll, vScroll->value() + vScroll->singleStep());
        break;
    case Qt::Key_Left:
        if (!ctrl)
            limitar(hScroll, hScroll->value() - hScroll->pageStep());
        else if (PaginaAtual != 1)
            ExibePagina(PaginaAtual - 1);
        break;
    case Qt::Key_Right:
        if (!ctrl)
            limitar(hScroll, hScroll->value() + hScroll->pageStep());
        else if (PaginaAtual != TotalPaginas)
            ExibePagina(PaginaAtual + 1);
        break;
    case Qt::Key_Home:
        vScroll->setValue(0);
        hScroll->setValue(0);
        break;
    case Qt::Key_End:
        vScroll->setValue(vScroll->maximum());
        hScroll->setValue(hScroll->maximum());
        break;
    default:
        QWidget::keyPressEvent(evento);
        return;
    }
    evento->accept();
}

bool frmExibeRelatorio::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() == QEvent::MouseMove)
        emit MouseSobreJanela();
    // The wheel over the page (or its bars) scrolls and turns pages like the keys.
    if (evento->type() == QEvent::Wheel && (objeto == picExibe || objeto == vScroll)) {
        wheelEvent(static_cast<QWheelEvent*>(evento));
        return evento->isAccepted();
    }
    return QWidget::eventFilter(objeto, evento);
}

void frmExibeRelatorio::mouseMoveEvent(QMouseEvent* evento) {
    emit MouseSobreJanela();
    QWidget::mouseMoveEvent(evento);
}

void frmExibeRelatorio::closeEvent(QCloseEvent* evento) {
    emit StatusNavegacao(TextoStatusInicial());
    // While this window closes, its MDI area hands the activation to another viewer on its own;
    // the status line keeps the closing text until the user activates a viewer. The mark is
    // this window's, and goes when the closing is over (or with the window).
    fechando_ = true;
    QTimer::singleShot(0, this, [this] { fechando_ = false; });
    evento->accept(); // closing is never refused
}

void frmExibeRelatorio::changeEvent(QEvent* evento) {
    if (evento->type() == QEvent::ParentChange)
        LigarAtivacao();
    QWidget::changeEvent(evento);
}

void frmExibeRelatorio::showEvent(QShowEvent* evento) {
    LigarAtivacao();
    QWidget::showEvent(evento);
}

void frmExibeRelatorio::LigarAtivacao() {
    // Inside the MDI area the child window, not this widget, is what becomes active.
    if (ativacaoLigada_)
        return;
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (!sub)
        return;
    ativacaoLigada_ = true;
    connect(sub, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates antes, Qt::WindowStates agora) {
                if ((agora & Qt::WindowActive) && !(antes & Qt::WindowActive) && !VizinhoFechando())
                    emit StatusNavegacao(TextoStatus());
            });
}

bool frmExibeRelatorio::VizinhoFechando() const {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    QMdiArea* area = sub ? sub->mdiArea() : nullptr;
    if (!area)
        return false;
    const QList<QMdiSubWindow*> janelas = area->subWindowList();
    return std::any_of(janelas.begin(), janelas.end(), [this](QMdiSubWindow* s) {
        const auto* v = qobject_cast<const frmExibeRelatorio*>(s->widget());
        return v && v != this && v->fechando_;
    });
}

} // namespace oraculandia
