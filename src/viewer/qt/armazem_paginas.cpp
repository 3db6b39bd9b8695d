#include "viewer/qt/armazem_paginas.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <new>

#include "layout/qt/superficie_qt.h"

namespace oraculandia {

namespace {

int Arredondar(double v) {
    return static_cast<int>(std::lround(v));
}

// A page image at the viewer's resolution: dots per metre set as the page images always had, so
// that the surface works at the same logical resolution as the measurements of the layout.
void AjustarResolucao(QImage& imagem, double dpr, double pixelsPorMm) {
    const int pontosPorMetro = static_cast<int>(std::nearbyint(pixelsPorMm * 1000));
    imagem.setDotsPerMeterX(pontosPorMetro);
    imagem.setDotsPerMeterY(pontosPorMetro);
    imagem.setDevicePixelRatio(dpr);
}

} // namespace

ArmazemPaginas::ArmazemPaginas(double larguraMm, double alturaMm, double pixelsPorMm)
    : tamanho_(Arredondar(larguraMm * pixelsPorMm), Arredondar(alturaMm * pixelsPorMm)),
      pixelsPorMm_(pixelsPorMm), imagemMedidor_(1, 1, QImage::Format_RGB32) {
    // The layout measures on a one-pixel image of the page's resolution: the same fonts and
    // metrics as when it painted into full page images.
    AjustarResolucao(imagemMedidor_, 1, pixelsPorMm);
    medidor_ = std::make_unique<SuperficieQt>(&imagemMedidor_);
    alocador_ = [](QSize pixels) { return QImage(pixels, QImage::Format_RGB32); };
}

ArmazemPaginas::~ArmazemPaginas() = default;

SuperficieDesenho& ArmazemPaginas::GravarPagina(int indice) {
    if (gravacao_)
        gravacao_->Terminar();
    const double largura = tamanho_.width() / pixelsPorMm_;
    const double altura = tamanho_.height() / pixelsPorMm_;
    if (!gravacao_)
        gravacao_ = std::make_unique<SuperficieGravacao>(*medidor_, documento_, indice, largura, altura);
    else
        gravacao_->MudarDePagina(indice);
    paginaEmGravacao_ = indice;
    Esquecer(indice + 1);
    return *gravacao_;
}

SuperficieDesenho* ArmazemPaginas::PaginaEmGravacao(int indice) {
    return gravacao_ && indice == paginaEmGravacao_ ? gravacao_.get() : nullptr;
}

void ArmazemPaginas::TerminarGravacao() {
    if (gravacao_)
        gravacao_->Terminar();
    gravacao_.reset();
    paginaEmGravacao_ = -1;
}

void ArmazemPaginas::Limpar() {
    TerminarGravacao();
    documento_.Limpar();
    imagens_.clear();
}

void ArmazemPaginas::DefinirAlocador(Alocador alocador) {
    alocador_ = std::move(alocador);
}

bool ArmazemPaginas::Guardada(int pagina, double dpr) const {
    return std::any_of(imagens_.begin(), imagens_.end(),
                       [&](const ImagemGuardada& g) { return g.pagina == pagina && g.dpr == dpr; });
}

ResultadoQt<QImage> ArmazemPaginas::Imagem(int pagina, double dpr) {
    auto it = std::find_if(imagens_.begin(), imagens_.end(),
                           [&](const ImagemGuardada& g) { return g.pagina == pagina && g.dpr == dpr; });
    if (it != imagens_.end()) {
        std::rotate(imagens_.begin(), it, it + 1); // the most recent first
        return imagens_.front().imagem;
    }
    ResultadoQt<QImage> imagem = Desenhar(pagina, dpr);
    if (imagem)
        Guardar(pagina, dpr, *imagem);
    return imagem;
}

bool ArmazemPaginas::Preparar(int pagina, double dpr) {
    if (Guardada(pagina, dpr))
        return true;
    ResultadoQt<QImage> imagem = Desenhar(pagina, dpr);
    if (!imagem)
        return false;
    Guardar(pagina, dpr, std::move(*imagem));
    return true;
}

void ArmazemPaginas::Guardar(int pagina, double dpr, QImage imagem) {
    if (static_cast<int>(imagens_.size()) >= kImagensGuardadas)
        imagens_.pop_back();
    imagens_.insert(imagens_.begin(), ImagemGuardada{pagina, dpr, std::move(imagem)});
}

void ArmazemPaginas::Esquecer(int pagina) {
    std::erase_if(imagens_, [&](const ImagemGuardada& g) { return g.pagina == pagina; });
}

std::size_t ArmazemPaginas::BytesImagens() const {
    std::size_t total = 0;
    for (const ImagemGuardada& g : imagens_)
        total += static_cast<std::size_t>(g.imagem.sizeInBytes());
    return total;
}

ResultadoQt<QImage> ArmazemPaginas::Desenhar(int pagina, double dpr) {
    if (pagina < 1 || pagina > Paginas())
        return Falha(QStringLiteral("a página %1 não existe nesta análise").arg(pagina));
    if (!(dpr > 0))
        dpr = 1;
    const QSize pixels(Arredondar(tamanho_.width() * dpr), Arredondar(tamanho_.height() * dpr));
    const QString semMemoria = QStringLiteral("não há memória para desenhar a página %1 (%2 x %3 pontos)")
                                   .arg(pagina)
                                   .arg(pixels.width())
                                   .arg(pixels.height());
    try {
        QImage imagem = alocador_(pixels);
        if (imagem.isNull() || imagem.size() != pixels)
            return Falha(semMemoria);
        AjustarResolucao(imagem, dpr, pixelsPorMm_);
        imagem.fill(Qt::white);
        {
            SuperficieQt superficie(&imagem);
            if (!superficie.Pintor().isActive())
                return Falha(QStringLiteral("a página %1 não pôde ser desenhada").arg(pagina));
            documento_.Reproduzir(pagina - 1, superficie);
        }
        return imagem;
    } catch (const std::bad_alloc&) {
        return Falha(semMemoria);
    }
}

} // namespace oraculandia
