#include "layout/percurso.h"

#include "layout/quadro_inclusao.h"
#include <algorithm>

#include "engine/datas.h"
#include "layout/seus_numeros.h"

namespace oraculandia {

namespace {

std::string SemBrancos(const std::string& texto) {
    const auto inicio = texto.find_first_not_of(' ');
    if (inicio == std::string::npos)
        return {};
    const auto fim = texto.find_last_not_of(' ');
    return texto.substr(inicio, fim - inicio + 1);
}

// Measures like the surface it wraps and draws nothing: what a block would take is found by
// laying it out on this surface first. The font is the wrapped surface's own (so that every
// measurement is made in it); the caller restores it afterwards.
class SuperficieSeca : public SuperficieDesenho {
public:
    explicit SuperficieSeca(SuperficieDesenho& medidor) : m_(medidor) {}
    double X() const override { return x_; }
    double Y() const override { return y_; }
    void DefinirX(double x) override { x_ = x; }
    void DefinirY(double y) override { y_ = y; }
    std::string NomeFonte() const override { return m_.NomeFonte(); }
    double TamanhoFonte() const override { return m_.TamanhoFonte(); }
    bool Negrito() const override { return m_.Negrito(); }
    bool Italico() const override { return m_.Italico(); }
    void DefinirNomeFonte(const std::string& nome) override { m_.DefinirNomeFonte(nome); }
    void DefinirTamanhoFonte(double pontos) override { m_.DefinirTamanhoFonte(pontos); }
    void DefinirNegrito(bool negrito) override { m_.DefinirNegrito(negrito); }
    void DefinirItalico(bool italico) override { m_.DefinirItalico(italico); }
    void DefinirCor(uint32_t) override {}
    double LarguraTexto(std::string_view texto) override { return m_.LarguraTexto(texto); }
    double AlturaTexto(std::string_view texto) override { return m_.AlturaTexto(texto); }
    void Imprimir(std::string_view) override {}
    void ImprimirLinha(std::string_view texto) override {
        x_ = 0;
        y_ += m_.AlturaTexto(texto);
    }
    void Retangulo(double, double, double, double, uint32_t) override {}
    void Figura(std::string_view, double, double, double, double) override {}
    double LarguraEscala() const override { return m_.LarguraEscala(); }
    double AlturaEscala() const override { return m_.AlturaEscala(); }

private:
    SuperficieDesenho& m_;
    double x_ = 0, y_ = 0;
};

// Whether a text prints anything but line breaks.
bool TemConteudo(const std::string& texto) {
    return std::any_of(texto.begin(), texto.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 32; });
}

// Pinnacles (8 to 11) and life challenges (12 to 15): where each one is named in a sentence.
const char* LugarDaSecao(int c) {
    switch (c) {
    case 8:
        return "na Primeira Realiza\xE7\xE3o";
    case 9:
        return "na Segunda Realiza\xE7\xE3o";
    case 10:
        return "na Terceira Realiza\xE7\xE3o";
    case 11:
        return "na Quarta Realiza\xE7\xE3o";
    case 12:
        return "no Desafio Maior";
    case 13:
        return "no Primeiro Desafio Menor";
    case 14:
        return "no Segundo Desafio Menor";
    case 15:
        return "no Desafio Menor Adicional";
    default:
        return nullptr;
    }
}

class Percurso {
public:
    Percurso(AlvoPaginas& alvo, Paginacao& paginacao, const GeometriaPagina& g)
        : alvo_(alvo), pag_(paginacao), g_(g), m_(paginacao.Contexto.MargensImpressao) {}

    Resultado<int, FalhaPercurso> Executar(const SecoesAnalise& secoes,
                                           const ComplementosRelatorio& complementos,
                                           const ConfiguracaoPrograma& cfg, const FontesAnalise& fontes,
                                           const SeusNumeros* seusNumeros) {
        posicaoY_ = pag_.NovaPagina(alvo_.Superficie(), g_.LarguraPagina, g_.AlturaPagina, 1);
        inicioPagina_ = posicaoY_;
        alturaCabecalho_ = posicaoY_;
        paginas_ = 1;
        if (seusNumeros) {
            DesenhaSeusNumeros(alvo_.Superficie(), *seusNumeros, m_, g_.LarguraPagina,
                               posicaoY_ + m_.Superior, g_.LimiteTexto);
            bool algum = false;
            for (int c = 1; c <= kNumeroCalculos; ++c)
                algum = algum || cfg.Selecionado(c);
            for (int id = kPrimeiroComplemento; complementos.secoes != nullptr && id <= kUltimoComplemento;
                 ++id)
                algum = algum || Selecionado(complementos.selecao, id);
            if (algum)
                posicaoY_ = QuebraDePagina();
        }
        for (int c = 1; c <= kNumeroCalculos && !parado_; ++c) {
            if (!cfg.Selecionado(c))
                continue;
            const SecaoAnalise& secao = secoes[c];
            const bool comIntroducao = Ligado(cfg.ImprimirDescricao) && secao.Introducao.size() > 5;
            const std::string titulo = TituloSecao(secoes, c, cfg);
            const std::string texto = TextoNasPaginas(secoes, cfg, c);
            IniciarSecao(comIntroducao ? &secao.Introducao : nullptr, titulo, texto, fontes);
            if (comIntroducao)
                Bloco(secao.Introducao, fontes.FonteDescricao, Tipo::Descricao);
            Bloco(titulo, fontes.FonteTitulo, Tipo::Titulo);
            Bloco(texto, fontes.FonteCorpo, Tipo::Corpo);
            Divisoria();
        }
        if (complementos.secoes != nullptr && !parado_)
            Complementos(*complementos.secoes, complementos.selecao, cfg, fontes);
        if (parado_)
            return Falha(FalhaPercurso::PaginasDemais);
        return paginas_;
    }

private:
    // The sections after the 28, by the rules of the 28; the inclusion table is its grid.
    void Complementos(const SecoesComplementares& c, const SelecaoComplementos& selecao,
                      const ConfiguracaoPrograma& cfg, const FontesAnalise& fontes) {
        for (int id = kPrimeiroComplemento; id <= kUltimoComplemento && !parado_; ++id) {
            if (!Selecionado(selecao, id))
                continue;
            const SecaoAnalise& secao = c[id];
            const bool comIntroducao = Ligado(cfg.ImprimirDescricao) && secao.Introducao.size() > 5;
            const std::string titulo = TituloComplemento(secao, cfg);
            const bool quadro = id == kSecaoQuadroInclusao;
            // The grid stands for the text: the heading goes to a new page with it.
            double alturaQuadro = 0;
            if (quadro) {
                AplicarFonte(alvo_.Superficie(), fontes.FonteCorpo);
                alturaQuadro = MedirQuadroInclusao(alvo_.Superficie()).Altura();
            }
            IniciarSecao(comIntroducao ? &secao.Introducao : nullptr, titulo,
                         quadro ? std::string() : secao.Texto, fontes, alturaQuadro);
            if (comIntroducao)
                Bloco(secao.Introducao, fontes.FonteDescricao, Tipo::Descricao);
            Bloco(titulo, fontes.FonteTitulo, Tipo::Titulo);
            if (quadro)
                Quadro(c.Bloco.inclusao, fontes.FonteCorpo);
            else
                Bloco(secao.Texto, fontes.FonteCorpo, Tipo::Corpo);
            Divisoria();
        }
    }

    // The grid in the body font, centred in the text column, whole on one page.
    void Quadro(const std::array<int64_t, 9>& contagens, const FonteTexto& fonte) {
        if (parado_)
            return;
        AplicarFonte(alvo_.Superficie(), fonte);
        alvo_.Superficie().DefinirCor(kCorPreta);
        const MedidasQuadro m = MedirQuadroInclusao(alvo_.Superficie());
        if (!PaginaVazia() && posicaoY_ + m_.Superior + m.Altura() > g_.LimiteTexto) {
            posicaoY_ = QuebraDePagina();
            if (parado_)
                return;
        }
        const double xEsquerda = m_.Esquerda + 2;
        const double xDireita = g_.LarguraPagina - m_.Direita - 2;
        const double y = posicaoY_ + m_.Superior;
        DesenharQuadroInclusao(alvo_.Superficie(), xEsquerda + (xDireita - xEsquerda - m.Largura()) / 2, y,
                               contagens);
        // As after a text: measured from the top of the page, 5 mm below.
        posicaoY_ = static_cast<float>(y + m.Altura() + 5);
    }

    enum class Tipo { Descricao, Titulo, Corpo };

    // When the target takes no more pages, nothing changes and the walk stops (parado_): every
    // step checks it after a page break and before it draws.
    float QuebraDePagina() {
        if (!alvo_.AceitaNovaFolha()) {
            parado_ = true;
            return posicaoY_;
        }
        pag_.SalvarFontesTela(alvo_.Superficie());
        alvo_.NovaFolha();
        ++paginas_;
        SuperficieDesenho& s = alvo_.Superficie();
        const float r = pag_.NovaPagina(s, g_.LarguraPagina, g_.AlturaPagina, 2);
        pag_.RestaurarFontesTela(s);
        inicioPagina_ = r;
        return r;
    }

    // Where the text of a fresh page (not the first) starts below the margin: below the header
    // when every page has one (as tall as the first page's).
    float InicioPaginaNova() const { return pag_.Contexto.ImprimirCabecalho ? alturaCabecalho_ : 0; }

    // Before a section: the divider left over from the section before (drawn at the top of a new
    // page, so that no page is started for a divider alone), then the page break that keeps the
    // introduction and the heading together with the first lines of the text.
    // `alturaBloco`, when given, is the height of what stands in place of the text (the grid).
    void IniciarSecao(const std::string* introducao, const std::string& titulo, const std::string& texto,
                      const FontesAnalise& fontes, double alturaBloco = 0) {
        if (parado_)
            return;
        if (divisoriaPendente_) {
            divisoriaPendente_ = false;
            posicaoY_ = QuebraDePagina() + m_.Superior;
            if (parado_)
                return;
            DesenharDivisoria();
            inicioPagina_ = posicaoY_; // the divider alone does not count as text on the page
            return;
        }
        if (PaginaVazia())
            return;
        // Line breaking does not depend on where a block starts, so the group is measured once
        // (from 0) and the measures serve for this page and for a new one.
        MedidasGrupo medidas = MedirGrupo(introducao, titulo, texto, fontes);
        if (alturaBloco > 0) {
            medidas.corpo = true;
            medidas.alturaCorpo = alturaBloco;
        }
        if (CabeJunto(posicaoY_, medidas))
            return;
        // Moved only when that gives the group the room it lacks.
        if (CabeJunto(InicioPaginaNova(), medidas))
            posicaoY_ = QuebraDePagina();
    }

    // Positions of a section's first blocks laid out from 0 (millimetres): the top of the last
    // line of the introduction and of the heading, where the heading and the text start, and the
    // line heights of the heading's and the text's fonts.
    struct MedidasGrupo {
        bool introducao = false;
        double ultimaIntroducao = 0;
        double inicioTitulo = 0, alturaTitulo = 0, ultimaTitulo = 0;
        bool corpo = false;
        double inicioCorpo = 0, alturaCorpo = 0;
    };

    MedidasGrupo MedirGrupo(const std::string* introducao, const std::string& titulo,
                            const std::string& texto, const FontesAnalise& fontes) {
        SuperficieDesenho& real = alvo_.Superficie();
        SuperficieSeca seca(real);
        const double xEsquerda = m_.Esquerda + 2;
        const double xDireita = g_.LarguraPagina - m_.Direita - 2;
        MedidasGrupo r;
        double y = 0;
        auto ultimaLinha = [&](std::string t, const FonteTexto& fonte) {
            AplicarFonte(seca, fonte);
            // No limit: the whole block, as on a page long enough for it.
            while (!ImprimeTexto(seca, y, xEsquerda, xDireita, 1e12, t)) {
            }
            return seca.Y();
        };
        if (introducao) {
            r.introducao = true;
            r.ultimaIntroducao = ultimaLinha(*introducao, fontes.FonteDescricao);
            y = r.ultimaIntroducao + seca.AlturaTexto("Ag\xEA") + 5;
        }
        r.inicioTitulo = y;
        r.ultimaTitulo = ultimaLinha(titulo, fontes.FonteTitulo);
        r.alturaTitulo = seca.AlturaTexto("Ag\xEA");
        r.inicioCorpo = r.ultimaTitulo + r.alturaTitulo + 5;
        r.corpo = TemConteudo(texto);
        AplicarFonte(seca, fontes.FonteCorpo);
        r.alturaCorpo = seca.AlturaTexto("Ag\xEA");
        return r;
    }

    // Whether, from `y` below the margin, the introduction and the heading print whole on this
    // page (a block's lines go on while the one before ends above the limit) and the text after
    // them passes its room check (which leaves room for its first two lines).
    bool CabeJunto(float y, const MedidasGrupo& m) const {
        const double topo = y + m_.Superior;
        const double limite = g_.LimiteTexto;
        if (m.introducao && topo + m.ultimaIntroducao > limite)
            return false;
        if (topo + m.inicioTitulo + m.alturaTitulo > limite || topo + m.ultimaTitulo > limite)
            return false;
        return !m.corpo || topo + m.inicioCorpo + m.alturaCorpo <= limite;
    }

    void Bloco(std::string texto, const FonteTexto& fonte, Tipo tipo) {
        if (parado_)
            return;
        AplicarFonte(alvo_.Superficie(), fonte);
        if (tipo == Tipo::Corpo)
            alvo_.Superficie().DefinirCor(kCorPreta);
        // Room check (headings and texts): the block starts on a new page when its first line
        // does not fit above the limit. An introduction has no such check (IniciarSecao has
        // already moved it with its heading when they do not fit). On a page with nothing on it
        // yet the block simply starts, so a page too short for one line cannot produce a run of
        // empty pages; a text with nothing to print never starts a page.
        if (tipo != Tipo::Descricao && !PaginaVazia() && TemConteudo(texto) &&
            posicaoY_ + m_.Superior + alvo_.Superficie().AlturaTexto("Ag\xEA") > g_.LimiteTexto) {
            posicaoY_ = QuebraDePagina();
            if (parado_)
                return;
        }
        const double xEsquerda = m_.Esquerda + 2;
        const double xDireita = g_.LarguraPagina - m_.Direita - 2;
        // Each call prints at least one line and consumes at least one character, so this ends.
        while (!ImprimeTexto(alvo_.Superficie(), posicaoY_ + m_.Superior, xEsquerda, xDireita, g_.LimiteTexto,
                             texto)) {
            posicaoY_ = QuebraDePagina();
            if (parado_)
                return;
        }
        SuperficieDesenho& s = alvo_.Superficie();
        if (tipo == Tipo::Corpo)
            posicaoY_ = static_cast<float>(s.Y() + s.AlturaTexto("\xEAGg") + 5);
        else
            posicaoY_ = static_cast<float>(s.Y() + s.AlturaTexto("Ag\xEA") + 5 - m_.Superior);
    }

    void Divisoria() {
        if (parado_)
            return;
        // Here posicaoY_ is measured from the top of the page. Without room, the divider waits
        // for the next section: it starts that section's page, and after the last section it is
        // not drawn at all.
        if (posicaoY_ + 5 > g_.LimiteTexto) {
            divisoriaPendente_ = true;
            return;
        }
        DesenharDivisoria();
    }

    void DesenharDivisoria() {
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
    float alturaCabecalho_ = 0;
    bool divisoriaPendente_ = false;
    bool parado_ = false; // the target took no more pages
    int paginas_ = 0;
};

} // namespace

std::string TextoNasPaginas(const SecoesAnalise& secoes, const ConfiguracaoPrograma& cfg, int c) {
    const std::string& texto = secoes[c].Texto;
    const int primeira = c >= 8 && c <= 11 ? 8 : c >= 12 && c <= 15 ? 12 : 0;
    if (primeira == 0 || !TemConteudo(texto))
        return texto;
    for (int anterior = primeira; anterior < c; ++anterior) {
        if (cfg.Selecionado(anterior) && secoes[anterior].Numero == secoes[c].Numero &&
            secoes[anterior].Texto == texto) {
            std::string frase = "O n\xFAmero ";
            frase += secoes[c].Numero;
            frase += " volta aqui: a sua interpreta\xE7\xE3o est\xE1 ";
            frase += LugarDaSecao(anterior);
            frase += ", acima.";
            return frase;
        }
    }
    return texto;
}

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

Resultado<int, FalhaPercurso> ImprimirSecoes(AlvoPaginas& alvo, Paginacao& paginacao,
                                             const GeometriaPagina& geometria, const SecoesAnalise& secoes,
                                             const ConfiguracaoPrograma& configuracao,
                                             const FontesAnalise& fontes, const SeusNumeros* seusNumeros) {
    return Percurso(alvo, paginacao, geometria).Executar(secoes, {}, configuracao, fontes, seusNumeros);
}

Resultado<int, FalhaPercurso> ImprimirSecoes(AlvoPaginas& alvo, Paginacao& paginacao,
                                             const GeometriaPagina& geometria, const SecoesAnalise& secoes,
                                             const ComplementosRelatorio& complementos,
                                             const ConfiguracaoPrograma& configuracao,
                                             const FontesAnalise& fontes, const SeusNumeros* seusNumeros) {
    return Percurso(alvo, paginacao, geometria)
        .Executar(secoes, complementos, configuracao, fontes, seusNumeros);
}

DadosFolhaRosto FolhaRostoDe(const ContextoPagina& ctx, const std::string& dataRelatorio) {
    DadosFolhaRosto d;
    d.Nome = NomeNaPagina(ctx);
    d.DataNascimento = ctx.DataNascimento;
    d.DataRelatorio = dataRelatorio;
    d.LinhaUm = ctx.RodapeLinhaUm;
    d.LinhaDois = ctx.RodapeLinhaDois;
    return d;
}

const char* NomeSigno(int signo) {
    static const char* const kSignos[12] = {"Escorpi\xE3o", "Libra",     "Virgem",     "Le\xE3o",
                                            "Sagit\xE1rio", "C\xE2ncer", "G\xEAmeos",  "Touro",
                                            "\xC1ries",     "Peixes",    "Aqu\xE1rio", "Capric\xF3rnio"};
    return signo >= 1 && signo <= 12 ? kSignos[signo - 1] : "";
}

namespace {

// Prints `texto` centred between `esquerda` and `direita` at the surface's Y, then moves Y below it.
void LinhaCentrada(SuperficieDesenho& s, double esquerda, double direita, std::string_view texto) {
    s.DefinirX((direita - esquerda - s.LarguraTexto(texto)) / 2 + esquerda);
    s.Imprimir(texto);
    s.DefinirY(s.Y() + s.AlturaTexto(texto));
}

void LinhasCentradas(SuperficieDesenho& s, double esquerda, double direita, const TextoAjustado& texto) {
    s.DefinirTamanhoFonte(texto.Tamanho);
    for (const std::string& linha : texto.Linhas)
        LinhaCentrada(s, esquerda, direita, linha);
}

// Height of a fitted text at its size (the surface is left at that size).
double Altura(SuperficieDesenho& s, const TextoAjustado& texto) {
    s.DefinirTamanhoFonte(texto.Tamanho);
    return s.AlturaTexto("Ag") * static_cast<double>(texto.Linhas.size());
}

} // namespace

void DesenhaFolhaRosto(SuperficieDesenho& s, const Margens& m, const DadosFolhaRosto* dados) {
    s.EscalaMilimetros();
    const double W = s.LarguraEscala() - m.Esquerda - m.Direita;
    const double H = s.AlturaEscala() - m.Superior - m.Inferior;
    s.Figura(kFiguraBorda, m.Esquerda, m.Superior, W, H);
    const double alturaCapa = 0.6 * W > 0.6 * H ? 0.5 * H : 0.6 * W;
    s.Figura(kFiguraCapa, m.Esquerda + 0.2 * W, m.Superior + 0.1 * H, 0.6 * W, alturaCapa);
    s.DefinirNomeFonte("Times New Roman");
    s.DefinirTamanhoFonte(40);
    s.DefinirNegrito(true);
    s.DefinirItalico(false);
    s.DefinirCor(kCorPreta);
    const char* const kAnalise = "An\xE1lise";
    const char* const kNumerologica = "Numerol\xF3gica";
    double yTitulo = m.Superior + 0.7 * H;

    // The client's lines and the numerologist's, inside the border (15 mm in from each side).
    const double esquerda = m.Esquerda + 15;
    const double direita = m.Esquerda + W - 15;
    const double largura = direita - esquerda;
    TextoAjustado nome, nascimento, preparada, linhaUm, linhaDois;
    double alturaTitulo = 0, alturaCliente = 0, alturaRodape = 0;
    if (dados) {
        alturaTitulo = 2 * s.AlturaTexto(kAnalise);
        s.DefinirNegrito(true);
        nome = AjustarTexto(s, dados->Nome, largura, 20, 12);
        alturaCliente = 4 + Altura(s, nome);
        s.DefinirNegrito(false);
        std::string textoNascimento = "Nascimento: " + DataPorExtenso(dados->DataNascimento);
        if (const auto d = LerDataNormalizada(dados->DataNascimento)) {
            const char* signo = NomeSigno(SignoDoZodiaco(d->dia, d->mes));
            if (*signo) {
                textoNascimento += " - ";
                textoNascimento += signo;
            }
        }
        nascimento = AjustarTexto(s, textoNascimento, largura, 13, 9);
        alturaCliente += 2 + Altura(s, nascimento);
        preparada = AjustarTexto(s, "An\xE1lise preparada em " + DataPorExtenso(dados->DataRelatorio),
                                 largura, 13, 9);
        alturaCliente += Altura(s, preparada);
        s.DefinirNegrito(true);
        linhaUm = AjustarTexto(s, dados->LinhaUm, largura, 11, 8);
        alturaRodape = Altura(s, linhaUm);
        s.DefinirNegrito(false);
        linhaDois = AjustarTexto(s, dados->LinhaDois, largura, 11, 8);
        alturaRodape += Altura(s, linhaDois);
        // On a short sheet the title goes up, but never over the cover picture.
        const double topoRodape = m.Superior + H - 12 - alturaRodape;
        const double folga = topoRodape - 3 - (yTitulo + alturaTitulo + alturaCliente);
        if (folga < 0)
            yTitulo = std::max(m.Superior + 0.1 * H + alturaCapa, yTitulo + folga);
        s.DefinirTamanhoFonte(40);
        s.DefinirNegrito(true);
    }

    s.DefinirY(yTitulo);
    s.DefinirX((s.LarguraEscala() - m.Esquerda - m.Direita - s.LarguraTexto(kAnalise)) / 2 + m.Esquerda);
    s.ImprimirLinha(kAnalise);
    s.DefinirX((s.LarguraEscala() - m.Esquerda - m.Direita - s.LarguraTexto(kNumerologica)) / 2 + m.Esquerda);
    s.Imprimir(kNumerologica);

    if (dados) {
        s.DefinirY(s.Y() + s.AlturaTexto(kNumerologica) + 4);
        LinhasCentradas(s, esquerda, direita, nome);
        s.DefinirNegrito(false);
        s.DefinirY(s.Y() + 2);
        LinhasCentradas(s, esquerda, direita, nascimento);
        LinhasCentradas(s, esquerda, direita, preparada);
        s.DefinirY(m.Superior + H - 12 - alturaRodape);
        s.DefinirNegrito(true);
        LinhasCentradas(s, esquerda, direita, linhaUm);
        s.DefinirNegrito(false);
        LinhasCentradas(s, esquerda, direita, linhaDois);
    }
    s.DefinirY(s.AlturaEscala());
}

} // namespace oraculandia
