// Checks of the real interpretation texts in data/textos: the generated .DAT files match their
// sources, spelling, no sentence shared between two texts, lengths, completeness, and the
// endings that the composition of an analysis relies on. Each failure lists what is wrong with
// file and record, so that the text writers can mend it quickly.
#include "ferramentas/textos_fonte.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace oraculandia::textos;

namespace {

std::string LerArquivo(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// Windows-1252 to UTF-8, for messages (the core's converter is not linked here on purpose:
// this test program needs only the text library).
std::string Utf8(std::string_view cp1252) {
    static const char32_t faixa80[32] = {0x20AC, 0x81,   0x201A, 0x192,  0x201E, 0x2026, 0x2020, 0x2021,
                                         0x2C6,  0x2030, 0x160,  0x2039, 0x152,  0x8D,   0x17D,  0x8F,
                                         0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                         0x2DC,  0x2122, 0x161,  0x203A, 0x153,  0x9D,   0x17E,  0x178};
    std::string s;
    for (char ch : cp1252) {
        const auto b = static_cast<unsigned char>(ch);
        const char32_t c = (b >= 0x80 && b <= 0x9F) ? faixa80[b - 0x80] : b;
        if (c < 0x80) {
            s += static_cast<char>(c);
        } else if (c < 0x800) {
            s += static_cast<char>(0xC0 | (c >> 6));
            s += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            s += static_cast<char>(0xE0 | (c >> 12));
            s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return s;
}

bool EhLetra(unsigned char b) {
    return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= 0xC0 && b != 0xD7 && b != 0xF7);
}
bool EhMinuscula(unsigned char b) {
    return (b >= 'a' && b <= 'z') || (b >= 0xDF && b != 0xF7);
}
char Minuscula(char ch) {
    const auto b = static_cast<unsigned char>(ch);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) {
        return static_cast<char>(b + 0x20);
    }
    return ch;
}
std::string Minusculas(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), Minuscula);
    return s;
}

struct Texto {
    std::string arquivo;
    int registro = 0;
    std::string conteudo; // Windows-1252, CR LF
    std::string Rotulo() const { return arquivo + " " + std::to_string(registro); }
};

// Every record of every source in data/textos, parsed once for all the checks.
struct Acervo {
    std::vector<Texto> textos;
    std::map<std::string, Registros> porArquivo;
    std::vector<std::string> erros;
};

const Acervo& Fontes() {
    static const Acervo acervo = [] {
        Acervo a;
        const fs::path pasta = fs::path(PASTA_FONTES) / "data" / "textos";
        for (const auto& nome : NomesArquivos()) {
            const fs::path fonte = pasta / (nome + ".txt");
            if (!fs::exists(fonte)) {
                continue;
            }
            ResultadoFonte r = LerFonte(nome, LerArquivo(fonte));
            if (!r) {
                a.erros.insert(a.erros.end(), r.error().begin(), r.error().end());
                a.porArquivo[nome] = Registros();
                continue;
            }
            for (const auto& [n, t] : *r) {
                a.textos.push_back({nome, n, t});
            }
            a.porArquivo[nome] = std::move(*r);
        }
        return a;
    }();
    return acervo;
}

// Words of a text: runs of letters, joined by an inner hyphen or apostrophe ("dá-lo").
std::vector<std::string> Palavras(const std::string& t) {
    std::vector<std::string> p;
    std::string atual;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const auto b = static_cast<unsigned char>(t[i]);
        const bool juntor = (b == '-' || b == '\'' || b == 0x92) && !atual.empty() && i + 1 < t.size() &&
                            EhLetra(static_cast<unsigned char>(t[i + 1]));
        if (EhLetra(b) || juntor) {
            atual += t[i];
        } else if (!atual.empty()) {
            p.push_back(std::move(atual));
            atual.clear();
        }
    }
    if (!atual.empty()) {
        p.push_back(std::move(atual));
    }
    return p;
}

std::set<std::string> PalavrasAceitas() {
    std::set<std::string> aceitas;
    for (const auto& e : fs::directory_iterator(fs::path(PASTA_FONTES) / "data")) {
        const std::string nome = e.path().filename().string();
        if (!nome.starts_with("palavras-aceitas") || e.path().extension() != ".txt") {
            continue;
        }
        std::istringstream linhas(LerArquivo(e.path()));
        std::string linha;
        while (std::getline(linhas, linha)) {
            while (!linha.empty() && (linha.back() == '\r' || linha.back() == ' ')) {
                linha.pop_back();
            }
            if (!linha.empty() && linha.front() != '#') {
                aceitas.insert(linha); // UTF-8, compared below in lower case
            }
        }
    }
    return aceitas;
}

std::string MinusculasUtf8(const std::string& utf8) {
    // Enough for Portuguese: ASCII and the two-byte Latin-1 letters.
    std::string s = utf8;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b >= 'A' && b <= 'Z') {
            s[i] = static_cast<char>(b + 0x20);
        } else if (b == 0xC3 && i + 1 < s.size()) {
            const auto c = static_cast<unsigned char>(s[i + 1]);
            if (c >= 0x80 && c <= 0x9E && c != 0x97) {
                s[i + 1] = static_cast<char>(c + 0x20);
            }
            ++i;
        }
    }
    return s;
}

std::string Lista(const std::vector<std::string>& itens) {
    std::string s;
    for (const auto& i : itens) {
        s += "  " + i + "\n";
    }
    return s;
}

// Lower case without accents or cedilla, for matching patterns written in plain ASCII; only
// "é" becomes "eh", so that the verb stays apart from the conjunction "e". UTF-8 in and out.
std::string Dobrar(const std::string& utf8) {
    static const std::map<std::string, std::string> trocas = {
        {"\xC3\xA9", "eh"}, {"\xC3\x89", "eh"}, {"\xC3\xA1", "a"}, {"\xC3\xA0", "a"}, {"\xC3\xA2", "a"},
        {"\xC3\xA3", "a"},  {"\xC3\xA4", "a"},  {"\xC3\x81", "a"}, {"\xC3\x80", "a"}, {"\xC3\x82", "a"},
        {"\xC3\x83", "a"},  {"\xC3\xAA", "e"},  {"\xC3\x8A", "e"}, {"\xC3\xA8", "e"}, {"\xC3\xAB", "e"},
        {"\xC3\xAD", "i"},  {"\xC3\x8D", "i"},  {"\xC3\xAC", "i"}, {"\xC3\xAF", "i"}, {"\xC3\xB3", "o"},
        {"\xC3\x93", "o"},  {"\xC3\xB4", "o"},  {"\xC3\x94", "o"}, {"\xC3\xB5", "o"}, {"\xC3\x95", "o"},
        {"\xC3\xB2", "o"},  {"\xC3\xB6", "o"},  {"\xC3\xBA", "u"}, {"\xC3\x9A", "u"}, {"\xC3\xB9", "u"},
        {"\xC3\xBC", "u"},  {"\xC3\x9C", "u"},  {"\xC3\xA7", "c"}, {"\xC3\x87", "c"}, {"\xC3\xB1", "n"},
        {"\xC3\x91", "n"}};
    std::string s;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if (i + 1 < utf8.size()) {
            const auto it = trocas.find(utf8.substr(i, 2));
            if (it != trocas.end()) {
                s += it->second;
                ++i;
                continue;
            }
        }
        const auto b = static_cast<unsigned char>(utf8[i]);
        s += (b >= 'A' && b <= 'Z') ? static_cast<char>(b + 0x20) : utf8[i];
    }
    return s;
}

// The lines of data/PREFIXO.txt and, with `variantes`, of every data/PREFIXO-*.txt too (UTF-8),
// without comments and blank lines.
std::vector<std::string> LinhasDeDados(const std::string& prefixo, bool variantes) {
    std::vector<std::string> linhas;
    std::vector<fs::path> arquivos;
    for (const auto& e : fs::directory_iterator(fs::path(PASTA_FONTES) / "data")) {
        const std::string nome = e.path().filename().string();
        if (nome.starts_with(prefixo) && e.path().extension() == ".txt" &&
            (nome.size() == prefixo.size() + 4 || (variantes && nome[prefixo.size()] == '-'))) {
            arquivos.push_back(e.path());
        }
    }
    std::sort(arquivos.begin(), arquivos.end());
    for (const auto& a : arquivos) {
        std::istringstream f(LerArquivo(a));
        std::string linha;
        while (std::getline(f, linha)) {
            while (!linha.empty() && (linha.back() == '\r' || linha.back() == ' ')) {
                linha.pop_back();
            }
            if (!linha.empty() && linha.front() != '#') {
                linhas.push_back(linha);
            }
        }
    }
    return linhas;
}

// True when [inicio, fim) of `texto` lies inside one occurrence of an accepted passage.
bool DentroDeTrechoAceito(const std::string& texto, std::size_t inicio, std::size_t fim,
                          const std::vector<std::string>& aceitos) {
    for (const auto& a : aceitos) {
        for (std::size_t p = texto.find(a); p != std::string::npos; p = texto.find(a, p + 1)) {
            if (p <= inicio && fim <= p + a.size()) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

TEST(TextosDeInterpretacao, FontesSemErros) {
    EXPECT_TRUE(Fontes().erros.empty()) << Lista(Fontes().erros);
}

TEST(TextosDeInterpretacao, ArquivosDatGeradosCorrespondemAsFontes) {
    const fs::path programa(PASTA_PROGRAMA_TESTE);
    for (const auto& nome : NomesArquivos()) {
        SCOPED_TRACE(nome);
        const fs::path dat = programa / (nome + ".DAT");
        ASSERT_TRUE(fs::exists(dat)) << dat;
        const std::string bytes = LerArquivo(dat);
        EXPECT_EQ(bytes.size() % kBytesRegistro, 0u);
        const auto it = Fontes().porArquivo.find(nome);
        const Registros esperados = it == Fontes().porArquivo.end() ? Registros{} : it->second;
        const Registros lidos = DesmontarDat(bytes);
        std::vector<std::string> diferentes;
        for (int r = 1; r <= RegistroMaximo(nome); ++r) {
            const auto a = lidos.find(r);
            const auto b = esperados.find(r);
            const bool igual = (a == lidos.end() && b == esperados.end()) ||
                               (a != lidos.end() && b != esperados.end() && a->second == b->second);
            if (!igual) {
                diferentes.push_back(nome + " " + std::to_string(r));
            }
        }
        EXPECT_TRUE(diferentes.empty())
            << "Registros do .DAT diferentes da fonte (compile de novo para regerar):\n"
            << Lista(diferentes);
        EXPECT_TRUE(bytes == MontarDat(esperados)) << "bytes do arquivo diferentes do esperado";
    }
}

TEST(TextosDeInterpretacao, Ortografia) {
    std::map<std::string, std::set<std::string>> ondeAparece; // UTF-8 word -> records
    for (const auto& t : Fontes().textos) {
        for (const auto& p : Palavras(t.conteudo)) {
            ondeAparece[Utf8(p)].insert(t.Rotulo());
        }
    }
    ASSERT_FALSE(ondeAparece.empty());
    const fs::path lista = fs::temp_directory_path() / ("palavras-" + std::to_string(::getpid()) + ".txt");
    {
        std::ofstream f(lista, std::ios::binary);
        for (const auto& [palavra, onde] : ondeAparece) {
            f << palavra << '\n';
        }
    }
    const std::string comando =
        "hunspell -d pt_BR -i utf-8 -l < '" + lista.string() + "' 2>&1; echo \"fim:$?\"";
    FILE* saida = ::popen(comando.c_str(), "r");
    ASSERT_NE(saida, nullptr);
    std::string resposta;
    char buf[4096];
    while (std::size_t n = std::fread(buf, 1, sizeof buf, saida)) {
        resposta.append(buf, n);
    }
    ::pclose(saida);
    fs::remove(lista);
    ASSERT_NE(resposta.find("fim:0"), std::string::npos)
        << "hunspell com o dicionário pt_BR não rodou (instale com "
           "scripts/instalar-dependencias.sh):\n"
        << resposta;

    std::set<std::string> aceitas;
    for (const auto& a : PalavrasAceitas()) {
        aceitas.insert(MinusculasUtf8(a));
    }
    std::vector<std::string> desconhecidas;
    std::istringstream linhas(resposta);
    std::string palavra;
    while (std::getline(linhas, palavra)) {
        if (palavra.empty() || palavra.starts_with("fim:") || aceitas.count(MinusculasUtf8(palavra))) {
            continue;
        }
        std::string onde;
        // hunspell may report one part of a hyphenated word; find the records by whole word
        // first, then by part.
        auto it = ondeAparece.find(palavra);
        if (it != ondeAparece.end()) {
            for (const auto& r : it->second)
                onde += " " + r + ";";
        } else {
            for (const auto& [p, rs] : ondeAparece) {
                if (p.find(palavra) != std::string::npos) {
                    for (const auto& r : rs)
                        onde += " " + r + ";";
                }
            }
        }
        desconhecidas.push_back(palavra + " ->" + onde);
    }
    EXPECT_TRUE(desconhecidas.empty())
        << "Palavras que o hunspell pt_BR não conhece (corrija, ou, se for termo correto, "
           "acrescente-a ao seu data/palavras-aceitas-?.txt):\n"
        << Lista(desconhecidas);
}

TEST(TextosDeInterpretacao, NenhumaFraseDeMaisDeOitoPalavrasRepetida) {
    // Sentences split at . ! ? … and line breaks, lower case, punctuation stripped; two texts
    // share a sentence of nine or more words exactly when they share a run of nine words
    // inside a sentence.
    constexpr std::size_t kJanela = 9;
    std::map<std::string, std::size_t> primeiroTexto; // shingle -> index of the text
    std::map<std::pair<std::size_t, std::size_t>, std::string> pares;
    const auto& textos = Fontes().textos;
    for (std::size_t i = 0; i < textos.size(); ++i) {
        std::vector<std::vector<std::string>> frases(1);
        const std::string& t = textos[i].conteudo;
        std::string palavra;
        auto fecharPalavra = [&] {
            if (!palavra.empty()) {
                frases.back().push_back(Minusculas(palavra));
                palavra.clear();
            }
        };
        for (char ch : t) {
            const auto b = static_cast<unsigned char>(ch);
            if (EhLetra(b) || (b >= '0' && b <= '9')) {
                palavra += ch;
            } else {
                fecharPalavra();
                if (b == '.' || b == '!' || b == '?' || b == 0x85 || b == '\r' || b == '\n') {
                    frases.emplace_back();
                }
            }
        }
        fecharPalavra();
        std::set<std::string> proprias;
        for (const auto& f : frases) {
            for (std::size_t k = 0; k + kJanela <= f.size(); ++k) {
                std::string s;
                for (std::size_t j = 0; j < kJanela; ++j)
                    s += (j ? " " : "") + f[k + j];
                if (!proprias.insert(s).second)
                    continue;
                auto [it, novo] = primeiroTexto.emplace(s, i);
                if (!novo && it->second != i) {
                    pares.emplace(std::make_pair(it->second, i), s);
                }
            }
        }
    }
    std::vector<std::string> achados;
    for (const auto& [par, trecho] : pares) {
        achados.push_back(textos[par.first].Rotulo() + " e " + textos[par.second].Rotulo() + ": \"" +
                          Utf8(trecho) + "\"");
    }
    EXPECT_TRUE(achados.empty()) << "Textos que repetem um trecho de nove palavras ou mais:\n"
                                 << Lista(achados);
}

TEST(TextosDeInterpretacao, TamanhoDeCadaArquivoEmPalavras) {
    // Each number gets the room its weight deserves (the bands of data/estilo-dos-textos.md).
    const std::map<std::string, std::pair<std::size_t, std::size_t>> faixas = {
        {"CVIDA", {350, 450}},    {"INTEXEXP", {350, 450}}, {"IMPXALMA", {350, 450}},
        {"CFORM", {200, 300}},    {"CPROD", {200, 300}},    {"CCOLH", {200, 300}},
        {"CDNAS", {200, 300}},    {"PRESNASC", {200, 300}}, {"INTANOUN", {200, 300}},
        {"INTANOPS", {200, 300}}, {"EUXSILEN", {150, 250}}, {"INTREALI", {150, 250}},
        {"INDSAUDE", {120, 200}}, {"DESNASC", {90, 150}},   {"INTNOME", {90, 150}},
        {"INTVOG", {90, 150}},    {"INTMESUN", {90, 150}},  {"INTMESPS", {90, 150}},
        {"INTDIAUN", {90, 150}},  {"INTDIAPS", {90, 150}},  {"APICES", {90, 130}},
        {"DESVIDA", {90, 130}},   {"CDATA", {80, 250}},     {"LICOESC", {140, 280}},
        {"DIVIDASC", {140, 280}}, {"TENDOCUL", {140, 280}}, {"PAIXOCUL", {140, 280}},
        {"RESPSUBC", {140, 280}}, {"NUMMESTR", {140, 280}}, {"PREVANO", {40, 80}},
        {"PREVMES", {25, 60}},    {"PREVDIA", {3, 12}},     {"HARMONIA", {30, 90}}};
    ASSERT_EQ(faixas.size(), NomesArquivos().size());
    std::vector<std::string> fora;
    for (const auto& t : Fontes().textos) {
        const auto [minimo, maximo] = faixas.at(t.arquivo);
        const std::size_t n = Palavras(t.conteudo).size();
        if (n < minimo || n > maximo) {
            fora.push_back(t.Rotulo() + ": " + std::to_string(n) + " palavras (faixa " +
                           std::to_string(minimo) + " a " + std::to_string(maximo) + ")");
        }
        // Room for the record itself, whatever the band says.
        if (t.conteudo.size() > kBytesRegistro) {
            fora.push_back(t.Rotulo() + ": " + std::to_string(t.conteudo.size()) +
                           " caracteres, mais que um registro");
        }
    }
    EXPECT_TRUE(fora.empty()) << "Textos fora da faixa de tamanho:\n" << Lista(fora);
}

TEST(TextosDeInterpretacao, NenhumaFormaMasculinaDirigidaAoLeitor) {
    const auto padroes = LinhasDeDados("formas-masculinas", false);
    const auto aceitas = LinhasDeDados("formas-masculinas-aceitas", true);
    ASSERT_GT(padroes.size(), 5u) << "data/formas-masculinas.txt não foi encontrado";
    std::vector<std::regex> regexes;
    for (const auto& p : padroes) {
        regexes.emplace_back(Dobrar(p), std::regex::ECMAScript | std::regex::optimize);
    }
    std::vector<std::string> trechosAceitos;
    for (const auto& a : aceitas) {
        trechosAceitos.push_back(Dobrar(a));
    }
    std::vector<std::string> achados;
    for (const auto& t : Fontes().textos) {
        const std::string d = Dobrar(Utf8(t.conteudo));
        for (std::size_t k = 0; k < regexes.size(); ++k) {
            for (auto it = std::sregex_iterator(d.begin(), d.end(), regexes[k]); it != std::sregex_iterator();
                 ++it) {
                const auto inicio = static_cast<std::size_t>(it->position());
                const auto fim = inicio + static_cast<std::size_t>(it->length());
                if (!DentroDeTrechoAceito(d, inicio, fim, trechosAceitos)) {
                    const std::size_t de = inicio < 30 ? 0 : inicio - 30;
                    achados.push_back(t.Rotulo() + ": \"..." + d.substr(de, fim + 20 - de) +
                                      "...\" (padrão " + std::to_string(k + 1) + ")");
                }
            }
        }
    }
    EXPECT_TRUE(achados.empty())
        << "Formas masculinas dirigidas ao leitor (reescreva; um uso legítimo entra em "
           "data/formas-masculinas-aceitas*.txt):\n"
        << Lista(achados);
}

TEST(TextosDeInterpretacao, CiclosDeNoveDiasEDeNoveAnos) {
    // The personal and universal days run in nine-day cycles, the years in nine-year cycles.
    std::vector<std::string> erros;
    for (const auto& t : Fontes().textos) {
        const std::string d = Dobrar(Utf8(t.conteudo));
        const bool ano = t.arquivo == "INTANOUN" || t.arquivo == "INTANOPS";
        const bool dia = t.arquivo == "INTDIAUN" || t.arquivo == "INTDIAPS";
        if (ano && std::regex_search(d, std::regex("\\bdecadas?\\b"))) {
            erros.push_back(t.Rotulo() + ": fala em \"década\"; o ciclo dos anos é de nove anos");
        }
        if (dia && std::regex_search(d, std::regex("\\bsemanas?\\b"))) {
            erros.push_back(t.Rotulo() + ": fala em \"semana\"; o ciclo dos dias é de nove dias");
        }
    }
    EXPECT_TRUE(erros.empty()) << Lista(erros);
}

TEST(TextosDeInterpretacao, DesafiosDoDiaTerminamComQuebraDeLinhaNoArquivoGerado) {
    // For a birth day of 11 or 22 the analysis prints the nine texts in a row, each followed by a
    // line break; the record's own final line break leaves a blank line between them.
    const Registros lidos = DesmontarDat(LerArquivo(fs::path(PASTA_PROGRAMA_TESTE) / "DESNASC.DAT"));
    ASSERT_EQ(lidos.size(), 10u);
    for (const auto& [n, texto] : lidos) {
        SCOPED_TRACE("DESNASC " + std::to_string(n));
        ASSERT_GE(texto.size(), 3u);
        EXPECT_EQ(texto.substr(texto.size() - 2), "\r\n");
        EXPECT_NE(texto[texto.size() - 3], '\n') << "uma quebra de linha só";
    }
    // Other files keep their texts without a final line break.
    const Registros vida = DesmontarDat(LerArquivo(fs::path(PASTA_PROGRAMA_TESTE) / "CVIDA.DAT"));
    ASSERT_FALSE(vida.empty());
    EXPECT_NE(vida.begin()->second.back(), '\n');
}

TEST(TextosDeInterpretacao, TodosOsRegistrosLidosPelaAnaliseExistem) {
    const std::map<std::string, std::pair<int, int>> exigidos = {
        {"CDATA", {1, 13}},   {"CVIDA", {1, 9}},    {"CFORM", {1, 9}},     {"CPROD", {1, 9}},
        {"CCOLH", {1, 9}},    {"CDNAS", {1, 9}},    {"DESNASC", {2, 10}},  {"PRESNASC", {1, 10}},
        {"APICES", {1, 9}},   {"DESVIDA", {1, 9}},  {"INDSAUDE", {1, 10}}, {"INTANOUN", {1, 9}},
        {"INTMESUN", {1, 9}}, {"INTDIAUN", {1, 9}}, {"INTANOPS", {1, 9}},  {"INTMESPS", {1, 9}},
        {"INTDIAPS", {1, 9}}, {"INTEXEXP", {1, 9}}, {"IMPXALMA", {1, 9}},  {"EUXSILEN", {1, 9}},
        {"INTVOG", {1, 6}},   {"INTNOME", {1, 9}},  {"INTREALI", {1, 9}},  {"LICOESC", {1, 9}},
        {"TENDOCUL", {1, 9}}, {"PAIXOCUL", {1, 9}}, {"RESPSUBC", {1, 9}},  {"NUMMESTR", {1, 15}},
        {"PREVANO", {1, 9}},  {"PREVMES", {1, 9}},  {"PREVDIA", {1, 9}},   {"HARMONIA", {1, 24}}};
    // DIVIDASC holds only the four debts, under their own numbers.
    ASSERT_EQ(exigidos.size() + 1, NomesArquivos().size());
    std::vector<std::string> faltam;
    auto exigir = [&](const std::string& arquivo, int r) {
        const auto it = Fontes().porArquivo.find(arquivo);
        if (it == Fontes().porArquivo.end() || !it->second.count(r)) {
            faltam.push_back(arquivo + " " + std::to_string(r));
        }
    };
    for (const auto& [arquivo, faixa] : exigidos) {
        for (int r = faixa.first; r <= faixa.second; ++r) {
            exigir(arquivo, r);
        }
    }
    for (int divida : {13, 14, 16, 19}) {
        exigir("DIVIDASC", divida);
    }
    std::vector<std::string> sobram;
    if (const auto it = Fontes().porArquivo.find("DIVIDASC"); it != Fontes().porArquivo.end()) {
        for (const auto& [r, texto] : it->second) {
            if (r != 13 && r != 14 && r != 16 && r != 19) {
                sobram.push_back("DIVIDASC " + std::to_string(r));
            }
        }
    }
    EXPECT_TRUE(sobram.empty()) << "Registros que nenhuma dívida cármica lê:\n" << Lista(sobram);
    EXPECT_TRUE(faltam.empty()) << faltam.size() << " registros faltando:\n" << Lista(faltam);
}

TEST(TextosDeInterpretacao, FinaisEInicioQueAComposicaoExige) {
    std::vector<std::string> erros;
    for (const auto& t : Fontes().textos) {
        const auto ultimo = static_cast<unsigned char>(t.conteudo.back());
        // The analysis appends "." to these, or wraps PRESNASC in a sentence ending with ".".
        if (t.arquivo == "APICES" || t.arquivo == "DESVIDA" || t.arquivo == "PRESNASC") {
            if (std::string(".!?;:, \r\n\x85").find(static_cast<char>(ultimo)) != std::string::npos) {
                erros.push_back(t.Rotulo() +
                                ": não pode terminar com pontuação; a análise acrescenta o ponto");
            }
        }
        if (t.arquivo == "PRESNASC" && !EhMinuscula(static_cast<unsigned char>(t.conteudo[0]))) {
            erros.push_back(t.Rotulo() + ": deve começar com letra minúscula; continua a frase \"O seu dom "
                                         "para o Presente de Nascimento é \"");
        }
        // The analysis adds a line break after these.
        if ((t.arquivo == "EUXSILEN" || t.arquivo == "INTVOG") && (ultimo == '\n' || ultimo == '\r')) {
            erros.push_back(t.Rotulo() + ": não pode terminar com quebra de linha");
        }
        if (t.arquivo == "INDSAUDE" && t.conteudo.find("m\xE9"
                                                       "dic") == std::string::npos) {
            erros.push_back(t.Rotulo() + ": deve dizer que a análise não substitui o médico");
        }
    }
    EXPECT_TRUE(erros.empty()) << Lista(erros);
}

TEST(TextosDeInterpretacao, NumerosMestresSoNosTextosQueFalamDeles) {
    // The sections 1 to 28 reduce every number to one digit: only the master-number texts, their
    // introduction and the karmic debts (whose reduction passes through the masters) name them.
    auto podeFalar = [](const Texto& t) {
        return t.arquivo == "NUMMESTR" || t.arquivo == "DIVIDASC" ||
               (t.arquivo == "CDATA" && (t.registro == 16 || t.registro == 20));
    };
    const std::regex mestre("\\bmestres?\\b");
    std::vector<std::string> erros;
    for (const auto& t : Fontes().textos) {
        if (!podeFalar(t) && std::regex_search(Dobrar(Utf8(t.conteudo)), mestre)) {
            erros.push_back(t.Rotulo() +
                            ": fala de número mestre; esta seção usa só números de um algarismo");
        }
    }
    EXPECT_TRUE(erros.empty()) << Lista(erros);
}

namespace {

// One rule over the folded text (lower case, no accents, "é" as "eh") of the records of one file,
// or of every file when `arquivo` is empty.
struct Proibido {
    std::string arquivo;
    std::string padrao;
    std::string motivo;
};

std::vector<std::string> Violacoes(const std::vector<Proibido>& regras) {
    std::vector<std::string> achados;
    for (const auto& r : regras) {
        const std::regex re(r.padrao);
        for (const auto& t : Fontes().textos) {
            if (!r.arquivo.empty() && t.arquivo != r.arquivo) {
                continue;
            }
            const std::string d = Dobrar(Utf8(t.conteudo));
            std::smatch m;
            if (std::regex_search(d, m, re)) {
                achados.push_back(t.Rotulo() + ": \"" + m.str() + "\" (" + r.motivo + ")");
            }
        }
    }
    return achados;
}

} // namespace

TEST(TextosDeInterpretacao, SaudeComoIndicacaoDoMapaNuncaComoContagem) {
    // The health number is chosen from the most frequent digit, but is printed as a number of its
    // own: for most dates the digit shown appears once or not at all, so no record may say that
    // its number stands out in the map.
    const std::string motivo = "o número da saúde é a indicação do mapa, não uma contagem";
    const auto achados = Violacoes({
        {"INDSAUDE", "\\bse destaca", motivo},
        {"INDSAUDE", "\\bem destaque\\b", motivo},
        {"INDSAUDE", "\\bpredomin", motivo},
        {"INDSAUDE", "\\baparece (com forca|muito|bastante|varias vezes)", motivo},
        {"INDSAUDE", "\\bpresenca (forte|marcante|intensa)", motivo},
        {"INDSAUDE", "\\b(se repete|repetido|mais frequente|frequencia)\\b", motivo},
    });
    EXPECT_TRUE(achados.empty()) << Lista(achados);
}

TEST(TextosDeInterpretacao, FormasJaCorrigidasNaoVoltam) {
    const auto achados = Violacoes({
        {"", "\\bbem feit", "escreva \"bem-feito\", \"bem-feita\""},
        {"", "\\bchecar\\b", "use \"conferir\""},
        {"", "mais bem recebid", "concorda no masculino com o leitor"},
        {"", "\\ba sentir [^.]*, a sentir\\b", "verbo repetido"},
        {"", "\\bde controlar, a opinar", "regência: \"de controlar, de opinar, de exigir\""},
        {"", "\\bcrescimento,? (ou|e nao) (a )?fuga", "imagem gasta do 5, dê a cada posição o seu ângulo"},
        {"", "\\b(partir|sair|vir) em ondas", "imagem gasta do dinheiro do 5"},
        {"CDATA", "\\bsegunda metade\\b", "o título fixo do Segundo Desafio Menor diz \"última metade\""},
    });
    EXPECT_TRUE(achados.empty()) << Lista(achados);
}

TEST(TextosDeInterpretacao, CostumaComMedidaEFechosVariados) {
    // "costuma" is the house word for a tendency, and it wears out quickly: a report prints dozens
    // of these texts. The closing sentence of a record should not open with "Quando" or "Com" in
    // more than a third of the records of a file.
    constexpr int kCostumaPorArquivo = 15;
    constexpr int kCostumaPorRegistro = 2;
    const std::regex costuma("\\bcostumam?\\b");
    std::map<std::string, int> porArquivo, fechos, registros;
    std::vector<std::string> erros;
    for (const auto& t : Fontes().textos) {
        const std::string d = Dobrar(Utf8(t.conteudo));
        const auto n = static_cast<int>(
            std::distance(std::sregex_iterator(d.begin(), d.end(), costuma), std::sregex_iterator()));
        porArquivo[t.arquivo] += n;
        ++registros[t.arquivo];
        if (n > kCostumaPorRegistro) {
            erros.push_back(t.Rotulo() + ": " + std::to_string(n) + " vezes \"costuma\"");
        }
        const std::size_t fim = d.find_last_not_of(" \r\n.!?");
        const std::size_t corte = fim == std::string::npos ? std::string::npos : d.find_last_of(".!?\n", fim);
        const std::size_t inicio = corte == std::string::npos ? 0 : d.find_first_not_of(" \r\n", corte + 1);
        if (inicio != std::string::npos &&
            (d.compare(inicio, 7, "quando ") == 0 || d.compare(inicio, 4, "com ") == 0)) {
            ++fechos[t.arquivo];
        }
    }
    for (const auto& [arquivo, n] : porArquivo) {
        if (n > kCostumaPorArquivo) {
            erros.push_back(arquivo + ": " + std::to_string(n) + " vezes \"costuma\" (no máximo " +
                            std::to_string(kCostumaPorArquivo) + ")");
        }
    }
    for (const auto& [arquivo, n] : fechos) {
        if (3 * n > registros[arquivo]) {
            erros.push_back(arquivo + ": " + std::to_string(n) + " de " + std::to_string(registros[arquivo]) +
                            " registros fecham com uma frase que abre com \"Quando\" ou \"Com\"");
        }
    }
    EXPECT_TRUE(erros.empty()) << Lista(erros);
}
