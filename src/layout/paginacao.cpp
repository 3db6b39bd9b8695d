#include "layout/paginacao.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "engine/datas.h"

namespace oraculandia {

std::string NomeFiguraSigno(int signo) {
    char nome[16];
    std::snprintf(nome, sizeof nome, "signo%02d", signo);
    return nome;
}

namespace {

constexpr unsigned char kCR = 13;
constexpr unsigned char kLF = 10;

// Width of a line as the sum of its pieces "word " plus the last word: the same pieces that the
// justified output places one after the other, so the last word ends exactly at the right edge.
double LarguraLinha(SuperficieDesenho& s, std::string_view linha) {
    double largura = 0;
    std::size_t inicio = 0;
    for (std::size_t i = 0; i < linha.size(); ++i) {
        if (linha[i] == ' ') {
            largura += s.LarguraTexto(linha.substr(inicio, i + 1 - inicio));
            inicio = i + 1;
        }
    }
    if (inicio < linha.size())
        largura += s.LarguraTexto(linha.substr(inicio));
    return largura;
}

} // namespace

bool ImprimeTexto(SuperficieDesenho& s, double Y, double XEsquerda, double XDireita, double YLimite,
                  std::string& texto) {
    const double W = XDireita - XEsquerda;
    s.DefinirY(Y - s.AlturaTexto("ABZgzhj"));
    const std::size_t n = texto.size();
    if (n == 0) {
        // Nothing to print, but the block still takes one (empty) line.
        s.DefinirY(s.Y() + s.AlturaTexto(""));
        return true;
    }
    const double alturaLimite = s.AlturaTexto("textoatual");

    std::size_t p = 0; // characters consumed
    bool cheia = false;
    do {
        const std::size_t inicio = p;
        std::string linha;
        std::size_t ultimoEspaco = 0;  // position (1-based) in texto of the line's last space
        double larguraPecas = 0;       // width of the finished "word " pieces of the line
        std::size_t inicioPalavra = 0; // where the word being read starts in `linha`
        double largura = 0;
        bool fimParagrafo = false;
        for (;;) {
            ++p;
            const auto c = static_cast<unsigned char>(texto[p - 1]);
            if (c == kCR || c == kLF) {
                // CR LF is one paragraph break; a lone CR or LF counts as one too.
                fimParagrafo = true;
                if (c == kCR && p < n && static_cast<unsigned char>(texto[p]) == kLF)
                    ++p;
                break;
            }
            linha.push_back(static_cast<char>(c));
            if (c == ' ') {
                ultimoEspaco = p;
                larguraPecas += s.LarguraTexto(std::string_view(linha).substr(inicioPalavra));
                inicioPalavra = linha.size();
                largura = larguraPecas;
            } else {
                largura = larguraPecas + s.LarguraTexto(std::string_view(linha).substr(inicioPalavra));
            }
            if (p >= n || largura > W)
                break;
        }

        bool justificar = false;
        if (!fimParagrafo && largura > W) {
            // Broken for width. Which characters stay on this line?
            const std::size_t ultimoNaLinha = ultimoEspaco ? ultimoEspaco - 1 - inicio : 0;
            if (linha.back() == ' ') {
                linha.pop_back(); // the space is consumed; the scan goes on after it
                justificar = true;
            } else if (ultimoEspaco != 0 && linha.find_first_not_of(' ') < ultimoNaLinha) {
                linha.resize(ultimoNaLinha); // the word after the last space goes to the next line
                p = ultimoEspaco;
                justificar = true;
            } else {
                // One word wider than the column: cut it at the column's edge (at least one
                // character per line, so that the text always advances).
                std::size_t k = linha.size() - 1;
                while (k > 1 && s.LarguraTexto(std::string_view(linha).substr(0, k)) > W)
                    --k;
                if (k == 0)
                    k = 1;
                linha.resize(k);
                p = inicio + k;
            }
        }
        while (!linha.empty() && linha.back() == ' ')
            linha.pop_back();

        const double yLinha = s.Y() + s.AlturaTexto(linha);
        s.DefinirY(yLinha);
        if (yLinha + alturaLimite > YLimite)
            cheia = true;

        const std::size_t lacunas =
            justificar ? static_cast<std::size_t>(std::count(linha.begin(), linha.end(), ' ')) : 0;
        if (lacunas == 0) {
            if (!linha.empty()) {
                s.DefinirX(XEsquerda);
                s.Imprimir(linha);
            }
        } else {
            const double extra = (W - LarguraLinha(s, linha)) / static_cast<double>(lacunas);
            double x = XEsquerda;
            std::size_t ini = 0;
            for (std::size_t i = 0; i < linha.size(); ++i) {
                if (linha[i] != ' ')
                    continue;
                const std::string_view palavra = std::string_view(linha).substr(ini, i - ini);
                if (!palavra.empty()) {
                    s.DefinirX(x);
                    s.Imprimir(palavra);
                }
                x += s.LarguraTexto(std::string_view(linha).substr(ini, i + 1 - ini)) + extra;
                ini = i + 1;
            }
            s.DefinirX(x);
            s.Imprimir(std::string_view(linha).substr(ini));
        }

        if (cheia) {
            std::size_t resto = p;
            while (resto < n && static_cast<unsigned char>(texto[resto]) < 32)
                ++resto;
            texto.erase(0, resto);
            // Only line breaks were left: the text is done and the page does not count as full.
            // (The positions of the scan referred to the old text, so the loop must end here.)
            if (texto.empty())
                return true;
        }
    } while (!cheia && p < n);
    return !cheia;
}

std::string DataPorExtenso(std::string_view dataNascimento) {
    static const char* const kMeses[12] = {"janeiro",  "fevereiro", "mar\xE7o", "abril",
                                           "maio",     "junho",     "julho",    "agosto",
                                           "setembro", "outubro",   "novembro", "dezembro"};
    const auto d = LerDataNormalizada(dataNascimento);
    if (!d)
        return std::string(dataNascimento);
    char texto[64];
    std::snprintf(texto, sizeof texto, "%02d de %s de %04d", d->dia, kMeses[d->mes - 1], d->ano);
    return texto;
}

namespace {

// X that centres a text in the band right of the header picture.
double XCentradoCabecalho(SuperficieDesenho& s, float LarguraPagina, const Margens& m,
                          std::string_view texto) {
    return ((LarguraPagina - (m.Esquerda + m.Direita + 22 + 2)) - s.LarguraTexto(texto)) / 2 + m.Esquerda +
           22 + 2;
}

} // namespace

const std::string& NomeNaPagina(const ContextoPagina& ctx) {
    return ctx.NomeExibido.empty() ? ctx.NomeCompleto : ctx.NomeExibido;
}

TextoAjustado AjustarTexto(SuperficieDesenho& s, std::string_view texto, double largura, double tamanhoMaximo,
                           double tamanhoMinimo) {
    TextoAjustado r;
    r.Tamanho = tamanhoMaximo;
    s.DefinirTamanhoFonte(r.Tamanho);
    while (s.LarguraTexto(texto) > largura && r.Tamanho - 0.5 >= tamanhoMinimo) {
        r.Tamanho -= 0.5;
        s.DefinirTamanhoFonte(r.Tamanho);
    }
    if (s.LarguraTexto(texto) <= largura) {
        r.Linhas.emplace_back(texto);
        return r;
    }
    // Broken at spaces: as many words on each line as fit.
    std::string linha;
    std::size_t i = 0;
    while (i < texto.size()) {
        while (i < texto.size() && texto[i] == ' ')
            ++i;
        if (i >= texto.size())
            break;
        std::size_t fim = texto.find(' ', i);
        if (fim == std::string_view::npos)
            fim = texto.size();
        std::string palavra(texto.substr(i, fim - i));
        i = fim;
        const std::string candidata = linha.empty() ? palavra : linha + ' ' + palavra;
        if (s.LarguraTexto(candidata) <= largura) {
            linha = candidata;
            continue;
        }
        if (!linha.empty())
            r.Linhas.push_back(std::move(linha));
        linha.clear();
        // A word wider than the width on its own: cut at the width, at least one character a line.
        while (s.LarguraTexto(palavra) > largura) {
            std::size_t k = palavra.size() - 1;
            while (k > 1 && s.LarguraTexto(std::string_view(palavra).substr(0, k)) > largura)
                --k;
            r.Linhas.push_back(palavra.substr(0, k));
            palavra.erase(0, k);
        }
        linha = std::move(palavra);
    }
    if (!linha.empty())
        r.Linhas.push_back(std::move(linha));
    return r;
}

float DesenhaCabecalho(SuperficieDesenho& s, float LarguraPagina, const ContextoPagina& ctx) {
    const Margens& m = ctx.MargensImpressao;
    const double yGuardado = s.Y();
    s.EscalaMilimetros();

    // Measured first: a long name takes several lines, and the rule goes below the last one.
    s.DefinirNomeFonte("Times New Roman");
    s.DefinirItalico(false);
    s.DefinirNegrito(true);
    s.DefinirTamanhoFonte(20);
    const double alturaTitulo = s.AlturaTexto(ctx.CabecalhoLinhaUm);
    s.DefinirNegrito(false);
    const double larguraFaixa = LarguraPagina - (m.Esquerda + m.Direita + 22 + 2);
    const TextoAjustado nome =
        AjustarTexto(s, NomeNaPagina(ctx), larguraFaixa, kTamanhoNomeCabecalho, kTamanhoMinimoNomeCabecalho);
    const double alturaNome = s.AlturaTexto(NomeNaPagina(ctx));
    const std::string data = DataPorExtenso(ctx.DataNascimento);
    s.DefinirTamanhoFonte(12);
    const double fimData = m.Superior + 2 + alturaTitulo + 1 +
                           alturaNome * static_cast<double>(std::max<std::size_t>(1, nome.Linhas.size())) +
                           s.AlturaTexto(data);
    const double regra = std::max<double>(m.Superior + 24, fimData + 0.5);

    s.Retangulo(m.Esquerda, regra, LarguraPagina - m.Direita, regra + 1, kCorPreta);

    if (const auto d = LerDataNormalizada(ctx.DataNascimento)) {
        const int signo = SignoDoZodiaco(d->dia, d->mes);
        if (signo >= 1 && signo <= 12)
            s.Figura(NomeFiguraSigno(signo), m.Esquerda + 2, m.Superior, 22, 22);
    }

    s.DefinirNomeFonte("Times New Roman");
    s.DefinirTamanhoFonte(20);
    s.DefinirItalico(false);
    s.DefinirNegrito(true);
    s.DefinirCor(kCorPreta);
    s.DefinirY(m.Superior + 2);
    s.DefinirX(XCentradoCabecalho(s, LarguraPagina, m, ctx.CabecalhoLinhaUm));
    s.Imprimir(ctx.CabecalhoLinhaUm);
    s.DefinirY(s.Y() + s.AlturaTexto(ctx.CabecalhoLinhaUm) + 1);

    s.DefinirNegrito(false);
    s.DefinirTamanhoFonte(nome.Tamanho);
    if (nome.Linhas.empty()) {
        s.DefinirY(s.Y() + s.AlturaTexto(""));
    }
    for (const std::string& linha : nome.Linhas) {
        s.DefinirX(XCentradoCabecalho(s, LarguraPagina, m, linha));
        s.Imprimir(linha);
        s.DefinirY(s.Y() + s.AlturaTexto(linha));
    }

    s.DefinirTamanhoFonte(12);
    s.DefinirX(XCentradoCabecalho(s, LarguraPagina, m, data));
    s.Imprimir(data);

    s.DefinirY(yGuardado);
    return static_cast<float>(regra + 3 - m.Superior);
}

void DesenhaRodape(SuperficieDesenho& s, float LarguraPagina, float AlturaPagina,
                   const std::string& NumeroTexto, const ContextoPagina& ctx) {
    const Margens& m = ctx.MargensImpressao;
    const double H = AlturaPagina;
    const double yGuardado = s.Y();
    s.EscalaMilimetros();
    s.Retangulo(m.Esquerda, H - m.Inferior - 12, LarguraPagina - m.Direita, H - m.Inferior - 11, kCorPreta);

    s.DefinirNegrito(true);
    s.DefinirItalico(false);
    s.DefinirNomeFonte("Times New Roman");
    s.DefinirTamanhoFonte(12);
    s.DefinirCor(kCorPreta);
    s.DefinirY(H - m.Inferior - 10);
    s.DefinirX(m.Esquerda + 2);
    s.Imprimir(ctx.RodapeLinhaUm);
    s.DefinirY(s.Y() + s.AlturaTexto(ctx.RodapeLinhaUm));

    s.DefinirNegrito(false);
    s.DefinirTamanhoFonte(10);
    s.DefinirX(m.Esquerda + 2);
    s.Imprimir(ctx.RodapeLinhaDois);

    if (NumeroTexto != "0") {
        s.DefinirNegrito(true);
        s.DefinirNomeFonte("Times New Roman");
        s.DefinirTamanhoFonte(16);
        s.DefinirY((H - m.Inferior) - s.AlturaTexto(NumeroTexto));
        s.DefinirX((LarguraPagina - m.Direita) - s.LarguraTexto(NumeroTexto));
        s.Imprimir(NumeroTexto);
    }
    s.DefinirY(yGuardado);
}

float Paginacao::NovaPagina(SuperficieDesenho& s, float LarguraPagina, float AlturaPagina, int16_t Tipo) {
    const auto yGuardado = static_cast<float>(s.Y());
    if (Tipo == 1)
        NumeroPagina = 1;
    else if (Tipo == 2)
        ++NumeroPagina;
    float resultado = 0;
    if (Contexto.ImprimirCabecalho || NumeroPagina == 1)
        resultado = DesenhaCabecalho(s, LarguraPagina, Contexto);
    DesenhaRodape(s, LarguraPagina, AlturaPagina, std::to_string(NumeroPagina), Contexto);
    s.DefinirY(yGuardado);
    return resultado;
}

void Paginacao::SalvarFontesTela(SuperficieDesenho& s) {
    FonteSalva.Nome = s.NomeFonte();
    FonteSalva.Tamanho = static_cast<int16_t>(std::nearbyint(s.TamanhoFonte()));
    FonteSalva.Negrito = s.Negrito();
    FonteSalva.Italico = s.Italico();
}

void Paginacao::RestaurarFontesTela(SuperficieDesenho& s) {
    s.DefinirNomeFonte(FonteSalva.Nome);
    s.DefinirTamanhoFonte(FonteSalva.Tamanho);
    s.DefinirNegrito(FonteSalva.Negrito);
    s.DefinirItalico(FonteSalva.Italico);
}

} // namespace oraculandia
