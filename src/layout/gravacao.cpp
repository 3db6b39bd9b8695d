#include "layout/gravacao.h"

#include <limits>
#include <stdexcept>

namespace oraculandia {

// ---- PaginaGravada ----

void PaginaGravada::Reproduzir(SuperficieDesenho& destino, const std::vector<FonteGravada>& fontes) const {
    std::size_t caixa = 0;
    const std::string_view textos(textos_);
    for (const Comando& c : comandos_) {
        switch (c.tipo) {
        case Tipo::Fonte: {
            const FonteGravada& f = fontes.at(c.a);
            destino.DefinirNomeFonte(f.Nome);
            destino.DefinirTamanhoFonte(f.Tamanho);
            destino.DefinirNegrito(f.Negrito);
            destino.DefinirItalico(f.Italico);
            break;
        }
        case Tipo::Cor:
            destino.DefinirCor(c.a);
            break;
        case Tipo::Texto:
            destino.DefinirX(c.x);
            destino.DefinirY(c.y);
            destino.Imprimir(textos.substr(c.a, c.b));
            break;
        case Tipo::Retangulo: {
            const Caixa& r = caixas_.at(caixa++);
            destino.Retangulo(r.x1, r.y1, r.x2, r.y2, c.a);
            break;
        }
        case Tipo::Figura: {
            const Caixa& r = caixas_.at(caixa++);
            destino.Figura(textos.substr(c.a, c.b), r.x1, r.y1, r.x2, r.y2);
            break;
        }
        }
    }
}

std::size_t PaginaGravada::Bytes() const {
    return sizeof(PaginaGravada) + comandos_.capacity() * sizeof(Comando) +
           caixas_.capacity() * sizeof(Caixa) + textos_.capacity();
}

void PaginaGravada::Ajustar() {
    comandos_.shrink_to_fit();
    caixas_.shrink_to_fit();
    textos_.shrink_to_fit();
}

// ---- DocumentoGravado ----

void DocumentoGravado::Reproduzir(int indice, SuperficieDesenho& destino) const {
    Pagina(indice).Reproduzir(destino, fontes_);
}

PaginaGravada& DocumentoGravado::PaginaVazia(int indice) {
    if (indice < 0)
        throw std::out_of_range("página gravada com índice negativo");
    const auto n = static_cast<std::size_t>(indice);
    if (paginas_.size() <= n)
        paginas_.resize(n + 1);
    paginas_[n] = PaginaGravada();
    return paginas_[n];
}

void DocumentoGravado::Limpar() {
    paginas_.clear();
    paginas_.shrink_to_fit();
    fontes_.clear();
}

uint32_t DocumentoGravado::IndiceFonte(const FonteGravada& fonte) {
    // An analysis uses a handful of fonts: a linear search from the most recent is enough.
    for (std::size_t i = fontes_.size(); i > 0; --i)
        if (fontes_[i - 1] == fonte)
            return static_cast<uint32_t>(i - 1);
    fontes_.push_back(fonte);
    return static_cast<uint32_t>(fontes_.size() - 1);
}

std::size_t DocumentoGravado::Bytes() const {
    std::size_t total = sizeof(DocumentoGravado) + fontes_.capacity() * sizeof(FonteGravada);
    for (const FonteGravada& f : fontes_)
        total += f.Nome.capacity();
    for (const PaginaGravada& p : paginas_)
        total += p.Bytes();
    return total;
}

// ---- SuperficieGravacao ----

SuperficieGravacao::SuperficieGravacao(SuperficieDesenho& medidor, DocumentoGravado& documento, int pagina,
                                       double largura, double altura)
    : medidor_(medidor), documento_(documento), largura_(largura), altura_(altura) {
    inicial_ = {medidor.NomeFonte(), medidor.TamanhoFonte(), medidor.Negrito(), medidor.Italico()};
    IniciarPagina(pagina);
}

void SuperficieGravacao::MudarDePagina(int pagina) {
    pagina_->Ajustar();
    IniciarPagina(pagina);
}

void SuperficieGravacao::Terminar() {
    pagina_->Ajustar();
}

void SuperficieGravacao::IniciarPagina(int pagina) {
    pagina_ = &documento_.PaginaVazia(pagina);
    x_ = 0;
    y_ = 0;
    fonte_ = inicial_;
    medidor_.DefinirNomeFonte(fonte_.Nome);
    medidor_.DefinirTamanhoFonte(fonte_.Tamanho);
    medidor_.DefinirNegrito(fonte_.Negrito);
    medidor_.DefinirItalico(fonte_.Italico);
    cor_ = kCorPreta;
    // Every page states its font and colour before its first output: a page can be played back
    // on its own, on a surface in any state.
    fonteEmitida_ = false;
    corEmitida_ = false;
}

void SuperficieGravacao::DefinirNomeFonte(const std::string& nome) {
    if (nome != fonte_.Nome) {
        fonte_.Nome = nome;
        fonteEmitida_ = false;
    }
    medidor_.DefinirNomeFonte(nome);
}

void SuperficieGravacao::DefinirTamanhoFonte(double pontos) {
    if (pontos != fonte_.Tamanho) {
        fonte_.Tamanho = pontos;
        fonteEmitida_ = false;
    }
    medidor_.DefinirTamanhoFonte(pontos);
}

void SuperficieGravacao::DefinirNegrito(bool negrito) {
    if (negrito != fonte_.Negrito) {
        fonte_.Negrito = negrito;
        fonteEmitida_ = false;
    }
    medidor_.DefinirNegrito(negrito);
}

void SuperficieGravacao::DefinirItalico(bool italico) {
    if (italico != fonte_.Italico) {
        fonte_.Italico = italico;
        fonteEmitida_ = false;
    }
    medidor_.DefinirItalico(italico);
}

double SuperficieGravacao::LarguraTexto(std::string_view texto) {
    return medidor_.LarguraTexto(texto);
}

double SuperficieGravacao::AlturaTexto(std::string_view texto) {
    return medidor_.AlturaTexto(texto);
}

uint32_t SuperficieGravacao::GuardarTexto(std::string_view texto) {
    std::string& textos = pagina_->textos_;
    if (textos.size() + texto.size() > std::numeric_limits<uint32_t>::max())
        throw std::length_error("texto demais numa página gravada");
    const auto inicio = static_cast<uint32_t>(textos.size());
    textos.append(texto);
    return inicio;
}

void SuperficieGravacao::EmitirFonte() {
    if (fonteEmitida_)
        return;
    pagina_->comandos_.push_back({PaginaGravada::Tipo::Fonte, documento_.IndiceFonte(fonte_), 0, 0, 0});
    fonteEmitida_ = true;
}

void SuperficieGravacao::EmitirCor() {
    if (corEmitida_)
        return;
    pagina_->comandos_.push_back({PaginaGravada::Tipo::Cor, cor_, 0, 0, 0});
    corEmitida_ = true;
}

void SuperficieGravacao::DefinirCor(uint32_t rgb) {
    if (rgb != cor_) {
        cor_ = rgb;
        corEmitida_ = false;
    }
}

void SuperficieGravacao::Imprimir(std::string_view texto) {
    if (texto.empty())
        return; // a surface draws nothing for it
    EmitirFonte();
    EmitirCor();
    const uint32_t inicio = GuardarTexto(texto);
    pagina_->comandos_.push_back(
        {PaginaGravada::Tipo::Texto, inicio, static_cast<uint32_t>(texto.size()), x_, y_});
}

void SuperficieGravacao::ImprimirLinha(std::string_view texto) {
    Imprimir(texto);
    x_ = 0;
    y_ += AlturaTexto(texto);
}

void SuperficieGravacao::Retangulo(double x1, double y1, double x2, double y2, uint32_t rgb) {
    pagina_->comandos_.push_back({PaginaGravada::Tipo::Retangulo, rgb, 0, 0, 0});
    pagina_->caixas_.push_back({x1, y1, x2, y2});
}

void SuperficieGravacao::Figura(std::string_view nome, double x, double y, double largura, double altura) {
    const uint32_t inicio = GuardarTexto(nome);
    pagina_->comandos_.push_back(
        {PaginaGravada::Tipo::Figura, inicio, static_cast<uint32_t>(nome.size()), 0, 0});
    pagina_->caixas_.push_back({x, y, largura, altura});
}

} // namespace oraculandia
