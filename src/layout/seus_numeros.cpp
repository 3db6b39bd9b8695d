#include "layout/seus_numeros.h"

#include <algorithm>
#include <cstdio>

#include "engine/cp1252.h"
#include "engine/entrada.h"
#include "engine/numerologia.h"
#include "estudo/estudo_nome.h"
#include "layout/paginacao.h"

namespace oraculandia {

namespace {

std::string Numero(int n) {
    return std::to_string(n);
}

// The name study writes its working in UTF-8 with arrows; the pages are Windows-1252, which has
// no arrow: "»" stands for it.
std::string ParaPagina(std::string utf8) {
    for (std::size_t p; (p = utf8.find("\xE2\x86\x92")) != std::string::npos;)
        utf8.replace(p, 3, "\xC2\xBB");
    return Utf8ParaCp1252(utf8).texto;
}

int AnoDe(const std::string& data) {
    const auto barra = data.rfind('/');
    return barra == std::string::npos ? 0 : std::atoi(data.c_str() + barra + 1);
}

long DiaJuliano(const Data& d) {
    const int a = (14 - d.mes) / 12;
    const long y = d.ano + 4800 - a;
    const int m = d.mes + 12 * a - 3;
    return d.dia + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

std::string Anos(int n) {
    return Numero(n) + (n == 1 ? " ano" : " anos");
}

// Measures like the surface it wraps and draws nothing.
class Medidor : public SuperficieDesenho {
public:
    explicit Medidor(SuperficieDesenho& s) : s_(s) {}
    double X() const override { return x_; }
    double Y() const override { return y_; }
    void DefinirX(double x) override { x_ = x; }
    void DefinirY(double y) override { y_ = y; }
    std::string NomeFonte() const override { return s_.NomeFonte(); }
    double TamanhoFonte() const override { return s_.TamanhoFonte(); }
    bool Negrito() const override { return s_.Negrito(); }
    bool Italico() const override { return s_.Italico(); }
    void DefinirNomeFonte(const std::string& nome) override { s_.DefinirNomeFonte(nome); }
    void DefinirTamanhoFonte(double pontos) override { s_.DefinirTamanhoFonte(pontos); }
    void DefinirNegrito(bool negrito) override { s_.DefinirNegrito(negrito); }
    void DefinirItalico(bool italico) override { s_.DefinirItalico(italico); }
    void DefinirCor(uint32_t) override {}
    double LarguraTexto(std::string_view texto) override { return s_.LarguraTexto(texto); }
    double AlturaTexto(std::string_view texto) override { return s_.AlturaTexto(texto); }
    void Imprimir(std::string_view) override {}
    void ImprimirLinha(std::string_view texto) override { y_ += s_.AlturaTexto(texto); }
    void Retangulo(double, double, double, double, uint32_t) override {}
    void Figura(std::string_view, double, double, double, double) override {}
    double LarguraEscala() const override { return s_.LarguraEscala(); }
    double AlturaEscala() const override { return s_.AlturaEscala(); }

private:
    SuperficieDesenho& s_;
    double x_ = 0, y_ = 0;
};

// Height the paragraphs take in the current font, one after the other.
double AlturaParagrafos(SuperficieDesenho& s, const std::vector<std::string>& paragrafos, double xE,
                        double xD) {
    Medidor m(s);
    double y = 0;
    for (std::string t : paragrafos) {
        while (!ImprimeTexto(m, y, xE, xD, 1e9, t)) {
        }
        y = m.Y() + m.AlturaTexto("Ag");
    }
    return y;
}

} // namespace

SeusNumeros MontarSeusNumeros(const SecoesAnalise& secoes, const ConfiguracaoPrograma& cfg,
                              const std::string& nomeDigitado, const std::string& nomeCompleto,
                              const std::string& dataNascimento, const Data& hoje) {
    SeusNumeros r;
    const std::string& nome = nomeDigitado.empty() ? nomeCompleto : nomeDigitado;
    r.Nome = NomeMaiusculo(nome);
    const NumerosNascimento n = CalcularNumerosNascimento(dataNascimento, hoje);
    const auto nascimento = LerDataNormalizada(dataNascimento);
    const int anoNascimento = nascimento ? nascimento->ano : 0;
    const int idadeProdutivo = AnoDe(n.inicioProdutivo) - anoNascimento;
    const int idadeColheita = AnoDe(n.inicioColheita) - anoNascimento;
    const auto& a = n.idadesRealizacao;
    if (nascimento)
        r.IdadeHoje =
            std::max(0.0, static_cast<double>(DiaJuliano(hoje) - DiaJuliano(*nascimento)) / 365.2425);

    char dia[16], mes[16];
    std::snprintf(dia, sizeof dia, "%02d/%02d/%04d", hoje.dia, hoje.mes, hoje.ano);
    std::snprintf(mes, sizeof mes, "%02d/%04d", hoje.mes, hoje.ano);
    for (int c = 1; c <= kNumeroCalculos; ++c) {
        if (!cfg.Selecionado(c))
            continue;
        LinhaSeusNumeros l;
        l.Posicao = Utf8ParaCp1252(NomeCalculoConfiguracao(c)).texto;
        l.Numero = secoes[c].Numero;
        switch (c) {
        case 2:
            l.Quando = "do nascimento a " + n.inicioProdutivo;
            break;
        case 3:
            l.Quando = "de " + n.inicioProdutivo + " a " + n.inicioColheita;
            break;
        case 4:
            l.Quando = "a partir de " + n.inicioColheita;
            break;
        case 8:
            l.Quando = "do nascimento aos " + Anos(a[0]);
            break;
        case 9:
            l.Quando = "dos " + Numero(a[0]) + " aos " + Anos(a[1]);
            break;
        case 10:
            l.Quando = "dos " + Numero(a[1]) + " aos " + Anos(a[2]);
            break;
        case 11:
            l.Quando = "a partir dos " + Anos(a[2]);
            break;
        case 12:
            l.Quando = "a vida inteira";
            break;
        case 13:
            l.Quando = "primeira metade da vida";
            break;
        case 14:
            l.Quando = "segunda metade da vida";
            break;
        case 17:
        case 20:
            l.Quando = "em " + Numero(hoje.ano);
            break;
        case 18:
        case 21:
            l.Quando = std::string("em ") + mes;
            break;
        case 19:
        case 22:
            l.Quando = std::string("em ") + dia;
            break;
        default:
            break;
        }
        r.Linhas.push_back(std::move(l));
    }

    auto faixa = [&r](int linha, double de, double ate, int numero) {
        de = std::clamp(de, 0.0, 90.0);
        ate = std::clamp(ate, 0.0, 90.0);
        if (ate > de)
            r.Faixas.push_back({linha, de, ate, Numero(numero)});
    };
    faixa(0, 0, idadeProdutivo, n.cicloFormativo);
    faixa(0, idadeProdutivo, idadeColheita, n.cicloProdutivo);
    faixa(0, idadeColheita, 90, n.cicloColheita);
    faixa(1, 0, a[0], n.realizacoes[0]);
    faixa(1, a[0], a[1], n.realizacoes[1]);
    faixa(1, a[1], a[2], n.realizacoes[2]);
    faixa(1, a[2], 90, n.realizacoes[3]);
    faixa(2, 0, 90, n.desafioMaior);
    faixa(3, 0, 45, n.primeiroDesafioMenor);
    faixa(3, 45, 90, n.segundoDesafioMenor);

    // The working: the Life Path from the date, the Expression letter by letter.
    if (nascimento) {
        const int rD = ReduzirSoma(nascimento->dia), rM = ReduzirSoma(nascimento->mes),
                  rA = ReduzirSoma(nascimento->ano);
        r.Calculo.push_back(ParaPagina(
            "Caminho da Vida: dia " + TextoReducao(nascimento->dia) + "; m\xC3\xAAs " +
            TextoReducao(nascimento->mes) + "; ano " + TextoReducao(nascimento->ano) + "; " + Numero(rD) +
            " + " + Numero(rM) + " + " + Numero(rA) + " = " + TextoReducao(rD + rM + rA) + "."));
    }
    // The study gives one line a word; here the words follow each other in one paragraph, so that
    // a long name keeps to a few lines.
    const EstudoGrafia g = EstudarGrafia(nome, n.caminhoVida);
    const std::vector<std::string> linhas = LinhasTrabalho(g, n.caminhoVida);
    std::string palavras;
    for (std::size_t i = 1; i < linhas.size(); ++i) {
        if (linhas[i].rfind("  ", 0) == 0) {
            palavras += (palavras.empty() ? "" : "  /  ") + linhas[i].substr(2);
            continue;
        }
        if (!palavras.empty()) {
            r.Calculo.push_back(ParaPagina(palavras));
            palavras.clear();
        }
        r.Calculo.push_back(ParaPagina(linhas[i]));
        if (linhas[i].rfind("Express\xC3\xA3o", 0) == 0)
            break;
    }
    return r;
}

double DesenhaSeusNumeros(SuperficieDesenho& s, const SeusNumeros& d, const Margens& m, double larguraPagina,
                          double topo, double limite) {
    const double xE = m.Esquerda + 2;
    const double xD = larguraPagina - m.Direita - 2;
    const double W = xD - xE;
    s.EscalaMilimetros();
    s.DefinirCor(kCorPreta);
    s.DefinirNomeFonte("Times New Roman");
    s.DefinirItalico(false);
    s.DefinirNegrito(true);
    s.DefinirTamanhoFonte(18);
    double y = topo;
    s.DefinirY(y);
    s.DefinirX(xE + (W - s.LarguraTexto(kTituloSeusNumeros)) / 2);
    s.Imprimir(kTituloSeusNumeros);
    y += s.AlturaTexto(kTituloSeusNumeros) + 2;

    // The table.
    s.DefinirNomeFonte("Arial");
    s.DefinirTamanhoFonte(10);
    const double xNumero = xE + 0.5 * W;
    const double xQuando = xE + 0.6 * W;
    auto linha = [&](const std::string& a, const std::string& b, const std::string& c) {
        s.DefinirY(y);
        s.DefinirX(xE);
        s.Imprimir(a);
        s.DefinirX(xNumero);
        s.Imprimir(b);
        s.DefinirX(xQuando);
        s.Imprimir(c);
        y += s.AlturaTexto(a);
    };
    linha("Posi\xE7\xE3o", "N\xFAmero", "Quando");
    s.Retangulo(xE, y, xD, y + 0.3, kCorPreta);
    y += 1;
    s.DefinirNegrito(false);
    for (const LinhaSeusNumeros& l : d.Linhas)
        linha(l.Posicao, l.Numero, l.Quando);
    y += 4;

    // The life along the ages: one row a kind, a band a number, today's age marked.
    s.DefinirNegrito(true);
    s.DefinirTamanhoFonte(11);
    s.DefinirY(y);
    s.DefinirX(xE);
    const char* const kVida = "A sua vida, do nascimento aos 90 anos";
    s.Imprimir(kVida);
    y += s.AlturaTexto(kVida) + 2;
    const char* const kLinhas[4] = {"Ciclos",
                                    "Realiza\xE7\xF5"
                                    "es",
                                    "Desafio Maior", "Desafios Menores"};
    const double xFaixas = xE + 34;
    const double escala = (xD - xFaixas) / 90;
    const double alturaFaixa = 6;
    s.DefinirTamanhoFonte(9);
    const double topoFaixas = y + 4; // room for today's label
    for (int k = 0; k < 4; ++k) {
        const double yLinha = topoFaixas + k * (alturaFaixa + 1.5);
        s.DefinirNegrito(false);
        s.DefinirY(yLinha + (alturaFaixa - s.AlturaTexto(kLinhas[k])) / 2);
        s.DefinirX(xE);
        s.Imprimir(kLinhas[k]);
        int n = 0;
        for (const FaixaVida& f : d.Faixas) {
            if (f.Linha != k)
                continue;
            const double x1 = xFaixas + f.De * escala, x2 = xFaixas + f.Ate * escala;
            s.Retangulo(x1 + 0.3, yLinha, x2 - 0.3, yLinha + alturaFaixa, n++ % 2 ? 0xC8C8C8 : 0xE6E6E6);
            s.DefinirNegrito(true);
            s.DefinirCor(kCorPreta);
            if (x2 - x1 > s.LarguraTexto(f.Numero) + 1) {
                s.DefinirY(yLinha + (alturaFaixa - s.AlturaTexto(f.Numero)) / 2);
                s.DefinirX((x1 + x2 - s.LarguraTexto(f.Numero)) / 2);
                s.Imprimir(f.Numero);
            }
        }
    }
    const double fimFaixas = topoFaixas + 4 * (alturaFaixa + 1.5);
    s.DefinirNegrito(false);
    s.DefinirTamanhoFonte(8);
    for (int idade = 0; idade <= 90; idade += 10) {
        const double x = xFaixas + idade * escala;
        s.Retangulo(x - 0.1, fimFaixas, x + 0.1, fimFaixas + 1.5, kCorPreta);
        const std::string t = Numero(idade);
        s.DefinirY(fimFaixas + 1.5);
        s.DefinirX(x - s.LarguraTexto(t) / 2);
        s.Imprimir(t);
    }
    if (d.IdadeHoje <= 90) {
        const double x = xFaixas + d.IdadeHoje * escala;
        s.Retangulo(x - 0.35, topoFaixas - 1, x + 0.35, fimFaixas, kCorPreta);
        const std::string hoje = "hoje: " + Anos(static_cast<int>(d.IdadeHoje));
        s.DefinirNegrito(true);
        s.DefinirY(topoFaixas - 1 - s.AlturaTexto(hoje));
        s.DefinirX(std::clamp(x - s.LarguraTexto(hoje) / 2, xFaixas, xD - s.LarguraTexto(hoje)));
        s.Imprimir(hoje);
    }
    s.DefinirTamanhoFonte(8);
    y = fimFaixas + 1.5 + s.AlturaTexto("0") + 5;

    // The working.
    s.DefinirNegrito(true);
    s.DefinirTamanhoFonte(11);
    s.DefinirY(y);
    s.DefinirX(xE);
    const char* const kComo = "Como se chega aos seus n\xFAmeros";
    s.Imprimir(kComo);
    y += s.AlturaTexto(kComo) + 1;
    s.DefinirNegrito(false);
    // Each line is a paragraph of its own. In the room left above the limit: at 10 points, or
    // smaller (down to 6) when a long name needs it.
    double tamanho = 10;
    for (; tamanho > 6; tamanho -= 0.5) {
        s.DefinirTamanhoFonte(tamanho);
        if (y + AlturaParagrafos(s, d.Calculo, xE, xD) <= limite)
            break;
    }
    s.DefinirTamanhoFonte(tamanho);
    for (std::string t : d.Calculo) {
        while (!ImprimeTexto(s, y, xE, xD, 1e9, t)) {
        }
        y = s.Y() + s.AlturaTexto("Ag");
    }
    return y;
}

} // namespace oraculandia
