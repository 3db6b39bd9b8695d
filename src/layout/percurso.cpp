#include "layout/percurso.h"

#include "layout/quadro_inclusao.h"

namespace oraculandia {

namespace {

std::string SemBrancos(const std::string& texto) {
    const auto inicio = texto.find_first_not_of(' ');
    if (inicio == std::string::npos)
        return {};
    const auto fim = texto.find_last_not_of(' ');
    return texto.substr(inicio, fim - inicio + 1);
}

class Percurso {
public:
    Percurso(AlvoPaginas& alvo, Paginacao& paginacao, const GeometriaPagina& g)
        : alvo_(alvo), pag_(paginacao), g_(g), m_(paginacao.Contexto.MargensImpressao) {}

    int Executar(const SecoesAnalise& secoes, const ComplementosRelatorio& complementos,
                 const ConfiguracaoPrograma& cfg, const FontesAnalise& fontes) {
        posicaoY_ = pag_.NovaPagina(alvo_.Superficie(), g_.LarguraPagina, g_.AlturaPagina, 1);
        inicioPagina_ = posicaoY_;
        paginas_ = 1;
        for (int c = 1; c <= kNumeroCalculos; ++c) {
            if (!cfg.Selecionado(c))
                continue;
            const SecaoAnalise& secao = secoes[c];
            if (Ligado(cfg.ImprimirDescricao) && secao.Introducao.size() > 5)
                Bloco(secao.Introducao, fontes.FonteDescricao, Tipo::Descricao);
            Bloco(TituloSecao(secoes, c, cfg), fontes.FonteTitulo, Tipo::Titulo);
            Bloco(secao.Texto, fontes.FonteCorpo, Tipo::Corpo);
            Divisoria();
        }
        if (complementos.secoes != nullptr)
            Complementos(*complementos.secoes, complementos.selecao, cfg, fontes);
        return paginas_;
    }

private:
    // The sections after the 28, by the rules of the 28; the inclusion table is its grid.
    void Complementos(const SecoesComplementares& c, const SelecaoComplementos& selecao,
                      const ConfiguracaoPrograma& cfg, const FontesAnalise& fontes) {
        for (int id = kPrimeiroComplemento; id <= kUltimoComplemento; ++id) {
            if (!Selecionado(selecao, id))
                continue;
            const SecaoAnalise& secao = c[id];
            if (Ligado(cfg.ImprimirDescricao) && secao.Introducao.size() > 5)
                Bloco(secao.Introducao, fontes.FonteDescricao, Tipo::Descricao);
            Bloco(TituloComplemento(secao, cfg), fontes.FonteTitulo, Tipo::Titulo);
            if (id == kSecaoQuadroInclusao)
                Quadro(c.Bloco.inclusao, fontes.FonteCorpo);
            else
                Bloco(secao.Texto, fontes.FonteCorpo, Tipo::Corpo);
            Divisoria();
        }
    }

    // The grid in the body font, centred in the text column, whole on one page.
    void Quadro(const std::array<int64_t, 9>& contagens, const FonteTexto& fonte) {
        AplicarFonte(alvo_.Superficie(), fonte);
        alvo_.Superficie().DefinirCor(kCorPreta);
        const MedidasQuadro m = MedirQuadroInclusao(alvo_.Superficie());
        if (!PaginaVazia() && posicaoY_ + m_.Superior + m.Altura() > g_.LimiteTexto)
            posicaoY_ = QuebraDePagina();
        const double xEsquerda = m_.Esquerda + 2;
        const double xDireita = g_.LarguraPagina - m_.Direita - 2;
        const double y = posicaoY_ + m_.Superior;
        DesenharQuadroInclusao(alvo_.Superficie(), xEsquerda + (xDireita - xEsquerda - m.Largura()) / 2, y,
                               contagens);
        // As after a text: measured from the top of the page, 5 mm below.
        posicaoY_ = static_cast<float>(y + m.Altura() + 5);
    }

    enum class Tipo { Descricao, Titulo, Corpo };

    float QuebraDePagina() {
        pag_.SalvarFontesTela(alvo_.Superficie());
        alvo_.NovaFolha();
        ++paginas_;
        SuperficieDesenho& s = alvo_.Superficie();
        const float r = pag_.NovaPagina(s, g_.LarguraPagina, g_.AlturaPagina, 2);
        pag_.RestaurarFontesTela(s);
        inicioPagina_ = r;
        return r;
    }

    void Bloco(std::string texto, const FonteTexto& fonte, Tipo tipo) {
        AplicarFonte(alvo_.Superficie(), fonte);
        if (tipo == Tipo::Corpo)
            alvo_.Superficie().DefinirCor(kCorPreta);
        // Room check (headings and texts): the block starts on a new page when its first line
        // does not fit above the limit. An introduction has no such check and may begin below
        // it, continuing on the next page. On a page with nothing on it yet the block simply
        // starts, so a page too short for one line cannot produce a run of empty pages.
        if (tipo != Tipo::Descricao && !PaginaVazia() &&
            posicaoY_ + m_.Superior + alvo_.Superficie().AlturaTexto("Ag\xEA") > g_.LimiteTexto)
            posicaoY_ = QuebraDePagina();
        const double xEsquerda = m_.Esquerda + 2;
        const double xDireita = g_.LarguraPagina - m_.Direita - 2;
        // Each call prints at least one line and consumes at least one character, so this ends.
        while (!ImprimeTexto(alvo_.Superficie(), posicaoY_ + m_.Superior, xEsquerda, xDireita, g_.LimiteTexto,
                             texto))
            posicaoY_ = QuebraDePagina();
        SuperficieDesenho& s = alvo_.Superficie();
        if (tipo == Tipo::Corpo)
            posicaoY_ = static_cast<float>(s.Y() + s.AlturaTexto("\xEAGg") + 5);
        else
            posicaoY_ = static_cast<float>(s.Y() + s.AlturaTexto("Ag\xEA") + 5 - m_.Superior);
    }

    void Divisoria() {
        // Here posicaoY_ is measured from the top of the page.
        if (posicaoY_ + 5 > g_.LimiteTexto)
            posicaoY_ = QuebraDePagina() + m_.Superior;
        const double largura = g_.LarguraPagina - 80 - m_.Direita - m_.Esquerda;
        if (largura > 0)
            alvo_.Superficie().Figura(kFiguraDivisoria, m_.Esquerda + 40, posicaoY_, largura, 3);
        posicaoY_ = posicaoY_ + 8 - m_.Superior;
    }

    // Nothing drawn yet on this page's text area: a new page would not give more room.
    bool PaginaVazia() const { return posicaoY_ <= inicioPagina_; }

    AlvoPaginas& alvo_;
    Paginacao& pag_;
    GeometriaPagina g_;
    Margens m_;
    float posicaoY_ = 0;
    float inicioPagina_ = 0; // where the text of the current page starts, below the margin
    int paginas_ = 0;
};

} // namespace

std::string TituloSecao(const SecoesAnalise& secoes, int c, const ConfiguracaoPrograma& cfg) {
    std::string titulo = secoes[c].Titulo;
    if (Ligado(cfg.ImprimirNumero))
        titulo += (c == 26 ? " Letra " : " N\xFAmero ") + secoes[c].Numero;
    return titulo;
}

void AplicarFonte(SuperficieDesenho& s, const FonteTexto& fonte) {
    s.DefinirNomeFonte(SemBrancos(fonte.Nome));
    s.DefinirTamanhoFonte(fonte.Tamanho);
    s.DefinirItalico(Ligado(fonte.Italico));
    s.DefinirNegrito(Ligado(fonte.Negrito));
}

int ImprimirSecoes(AlvoPaginas& alvo, Paginacao& paginacao, const GeometriaPagina& geometria,
                   const SecoesAnalise& secoes, const ConfiguracaoPrograma& configuracao,
                   const FontesAnalise& fontes) {
    return Percurso(alvo, paginacao, geometria).Executar(secoes, {}, configuracao, fontes);
}

int ImprimirSecoes(AlvoPaginas& alvo, Paginacao& paginacao, const GeometriaPagina& geometria,
                   const SecoesAnalise& secoes, const ComplementosRelatorio& complementos,
                   const ConfiguracaoPrograma& configuracao, const FontesAnalise& fontes) {
    return Percurso(alvo, paginacao, geometria).Executar(secoes, complementos, configuracao, fontes);
}

void DesenhaFolhaRosto(SuperficieDesenho& s, const Margens& m) {
    s.EscalaMilimetros();
    const double W = s.LarguraEscala() - m.Esquerda - m.Direita;
    const double H = s.AlturaEscala() - m.Superior - m.Inferior;
    s.Figura(kFiguraBorda, m.Esquerda, m.Superior, W, H);
    const double alturaCapa = 0.6 * W > 0.6 * H ? 0.5 * H : 0.6 * W;
    s.Figura(kFiguraCapa, m.Esquerda + 0.2 * W, m.Superior + 0.1 * H, 0.6 * W, alturaCapa);
    s.DefinirNomeFonte("Times New Roman");
    s.DefinirTamanhoFonte(40);
    s.DefinirNegrito(true);
    s.DefinirCor(kCorPreta);
    s.DefinirY(m.Superior + 0.7 * H);
    const char* const kAnalise = "An\xE1lise";
    const char* const kNumerologica = "Numerol\xF3gica";
    s.DefinirX((s.LarguraEscala() - m.Esquerda - m.Direita - s.LarguraTexto(kAnalise)) / 2 + m.Esquerda);
    s.ImprimirLinha(kAnalise);
    s.DefinirX((s.LarguraEscala() - m.Esquerda - m.Direita - s.LarguraTexto(kNumerologica)) / 2 + m.Esquerda);
    s.Imprimir(kNumerologica);
    s.DefinirY(s.AlturaEscala());
}

} // namespace oraculandia
