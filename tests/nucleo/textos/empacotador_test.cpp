// The packer of the interpretation texts: parsing of the source form, the exact bytes of the
// .DAT files, and every refusal, both through the library and through the program itself.
#include "ferramentas/textos_fonte.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace oraculandia::textos;

namespace {

std::string Espacos(std::size_t n) {
    return std::string(n, ' ');
}

std::string UmErro(std::string_view arquivo, std::string_view fonte) {
    ResultadoFonte r = LerFonte(arquivo, fonte);
    EXPECT_FALSE(r.has_value()) << "a refused source yields no record";
    EXPECT_EQ(r ? 0u : r.error().size(), 1u);
    return r || r.error().empty() ? std::string() : r.error().front();
}

} // namespace

TEST(FonteTextos, RegistrosComQuebrasCrLfEAcentosEmWindows1252) {
    // Records in any order; blank lines and blanks around a record dropped; paragraphs kept.
    const std::string fonte =
        "\n@@ 2\n\nOlá, você.\n\nSegundo parágrafo\ncom duas linhas.\n\n\n@@ 1\n  Um €  \n";
    ResultadoFonte r = LerFonte("CVIDA", fonte);
    ASSERT_TRUE(r.has_value()) << r.error().front();
    ASSERT_EQ(r->size(), 2u);
    EXPECT_EQ(r->at(1), "Um \x80");
    EXPECT_EQ(r->at(2), "Ol\xE1, voc\xEA.\r\n\r\nSegundo par\xE1grafo\r\ncom duas linhas.");

    // CR LF sources and a byte-order mark read the same.
    std::string crlf;
    for (char c : fonte) {
        if (c == '\n')
            crlf += '\r';
        crlf += c;
    }
    ResultadoFonte r2 = LerFonte("CVIDA", "\xEF\xBB\xBF" + crlf);
    ASSERT_TRUE(r2.has_value());
    EXPECT_EQ(*r2, *r);
}

TEST(FonteTextos, BytesDoArquivoDat) {
    Registros regs{{1, "Um"}, {3, "Tr\xEAs\r\nlinhas"}};
    const std::string dat = MontarDat(regs);
    ASSERT_EQ(dat.size(), 3u * 5120u);
    EXPECT_EQ(dat.substr(0, 5120), "Um" + Espacos(5118));
    EXPECT_EQ(dat.substr(5120, 5120), Espacos(5120)) << "a missing record is blank";
    EXPECT_EQ(dat.substr(10240, 5120), "Tr\xEAs\r\nlinhas" + Espacos(5120 - 12));
    EXPECT_EQ(DesmontarDat(dat), regs);
    EXPECT_EQ(MontarDat({}), "");

    // A record of exactly 5120 characters fills its field without a pad.
    const std::string cheio(5120, 'x');
    EXPECT_EQ(MontarDat({{1, cheio}}), cheio);
    EXPECT_EQ(DesmontarDat(cheio).at(1), cheio);
    // A short last record (file cut short) still reads.
    EXPECT_EQ(DesmontarDat(Espacos(5120) + "  fim  ").at(2), "fim");
}

TEST(FonteTextos, LimiteDe5120CaracteresCodificados) {
    // "é" takes two bytes in UTF-8 but one character in the record: 5120 of them fit.
    std::string cabe;
    for (int i = 0; i < 5120; ++i)
        cabe += "é";
    ResultadoFonte r = LerFonte("CFORM", "@@ 4\n" + cabe + "\n");
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->at(4).size(), 5120u);

    EXPECT_EQ(UmErro("CFORM", "@@ 4\n" + cabe + "a\n"),
              "CFORM.txt, registro 4 (linha 1): o texto tem 5121 caracteres em Windows-1252; o "
              "máximo é 5120.");
    // Line breaks count as two characters each.
    EXPECT_EQ(UmErro("CFORM", "@@ 1\n" + std::string(5000, 'a') + "\n" + std::string(119, 'b')),
              "CFORM.txt, registro 1 (linha 1): o texto tem 5121 caracteres em Windows-1252; o "
              "máximo é 5120.");
}

TEST(FonteTextos, RecusaCaracteresForaDoWindows1252EDeControle) {
    EXPECT_EQ(UmErro("CPROD", "@@ 1\nok\n@@ 2\nSeta → e rosto 😀 e → de novo.\n"),
              "CPROD.txt, registro 2 (linha 3): caracteres que o Windows-1252 não representa: "
              "“→” (U+2192), “😀” (U+1F600).");
    EXPECT_EQ(UmErro("CPROD", "@@ 3\nUTF-8 \xC3( quebrado\n"),
              "CPROD.txt, registro 3 (linha 1): caracteres que o Windows-1252 não representa: "
              "“\xEF\xBF\xBD” (U+FFFD) (U+FFFD indica também UTF-8 malformado).");
    EXPECT_EQ(UmErro("CPROD", "@@ 5\ncom\ttabulação\n"),
              "CPROD.txt, registro 5 (linha 1): caracteres de controle no texto: U+0009.");
    // Typographic quotes, dashes and the ellipsis are in the code page and pass.
    ResultadoFonte r = LerFonte("CPROD", "@@ 1\n“Sim” — disse… ‘não’ – ª º\n");
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->at(1), "\x93Sim\x94 \x97 disse\x85 \x91n\xE3o\x92 \x96 \xAA \xBA");
}

TEST(FonteTextos, FaixaDeRegistrosDeCadaArquivo) {
    const struct {
        const char* arquivo;
        int maximo;
    } faixas[] = {{"CDATA", 20},    {"CVIDA", 9},    {"DESNASC", 10},  {"PRESNASC", 10},
                  {"INDSAUDE", 10}, {"INTVOG", 9},   {"DESVIDA", 9},   {"APICES", 9},
                  {"INTREALI", 9},  {"LICOESC", 9},  {"DIVIDASC", 19}, {"TENDOCUL", 9},
                  {"PAIXOCUL", 9},  {"RESPSUBC", 9}, {"NUMMESTR", 15}, {"HARMONIA", 24}};
    for (const auto& f : faixas) {
        SCOPED_TRACE(f.arquivo);
        EXPECT_EQ(RegistroMaximo(f.arquivo), f.maximo);
        const std::string n = std::to_string(f.maximo);
        EXPECT_TRUE(LerFonte(f.arquivo, "@@ 1\na\n@@ " + n + "\nb\n").has_value());
        EXPECT_EQ(UmErro(f.arquivo, "@@ " + std::to_string(f.maximo + 1) + "\nc\n"),
                  std::string(f.arquivo) + ".txt, linha 1: o registro " + std::to_string(f.maximo + 1) +
                      " está fora da faixa deste arquivo (1 a " + n + ").");
        EXPECT_EQ(UmErro(f.arquivo, "@@ 0\nc\n"),
                  std::string(f.arquivo) +
                      ".txt, linha 1: o registro 0 está fora da faixa deste arquivo (1 a " + n + ").");
    }
    EXPECT_EQ(RegistroMaximo("CVIDA.txt"), 0);
    EXPECT_EQ(RegistroMaximo("cvida"), 0);
    EXPECT_EQ(NomesArquivos().size(), 33u);
}

TEST(FonteTextos, RecusaMarcadoresRepetidosMalFormadosETextoAntes) {
    EXPECT_EQ(UmErro("CCOLH", "@@ 1\num\n@@ 2\ndois\n@@ 1\nde novo\n"),
              "CCOLH.txt, linha 5: o registro 1 aparece duas vezes (a primeira na linha 1).");
    EXPECT_EQ(UmErro("CCOLH", "@@3\ntexto\n"),
              "CCOLH.txt, linha 1: marcador inválido \"@@3\"; escreva \"@@ \" seguido do número "
              "do registro.");
    EXPECT_EQ(UmErro("CCOLH", "@@ 3a\ntexto\n"),
              "CCOLH.txt, linha 1: marcador inválido \"@@ 3a\"; escreva \"@@ \" seguido do "
              "número do registro.");
    EXPECT_EQ(UmErro("CCOLH", "@@ 99999999999\ntexto\n"),
              "CCOLH.txt, linha 1: marcador inválido \"@@ 99999999999\"; escreva \"@@ \" "
              "seguido do número do registro.");
    EXPECT_EQ(UmErro("CCOLH", "\n  \nSolto\n@@ 1\ntexto\n"),
              "CCOLH.txt, linha 3: há texto antes do primeiro marcador \"@@ N\".");
    // Several faults are all reported, in the order of the file.
    ResultadoFonte r = LerFonte("CCOLH", "solto\n@@ 10\nx\n@@ 2\n→\n");
    ASSERT_FALSE(r.has_value());
    ASSERT_EQ(r.error().size(), 3u);
    EXPECT_NE(r.error()[0].find("linha 1"), std::string::npos);
    EXPECT_NE(r.error()[1].find("registro 10"), std::string::npos);
    EXPECT_NE(r.error()[2].find("registro 2"), std::string::npos);
    // A marker with nothing after it is an empty record, the same as no record; trailing
    // blanks after the number are tolerated.
    ResultadoFonte vazio = LerFonte("CCOLH", "@@ 1  \n\n@@ 2\nb");
    ASSERT_TRUE(vazio.has_value());
    EXPECT_EQ(*vazio, (Registros{{2, "b"}}));
}

// --- The program itself -------------------------------------------------------------------

namespace {

struct Execucao {
    int status = -1;
    std::string erros;
};

Execucao Executar(const std::string& argumentos, const fs::path& pasta) {
    const fs::path saidaErros = pasta / "stderr.txt";
    const std::string comando =
        std::string("'") + PROGRAMA_EMPACOTAR + "' " + argumentos + " 2>'" + saidaErros.string() + "'";
    const int bruto = std::system(comando.c_str());
    Execucao e;
    e.status = WIFEXITED(bruto) ? WEXITSTATUS(bruto) : -1;
    std::ifstream f(saidaErros);
    e.erros.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    return e;
}

void Escrever(const fs::path& p, const std::string& conteudo) {
    std::ofstream f(p, std::ios::binary);
    f << conteudo;
}

std::string Ler(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

class ProgramaEmpacotar : public ::testing::Test {
protected:
    void SetUp() override {
        raiz = fs::temp_directory_path() / ("empacotar-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(raiz);
        fs::create_directories(raiz / "fontes");
        fs::create_directories(raiz / "saida");
    }
    void TearDown() override { fs::remove_all(raiz); }
    std::string Args() const {
        return "'" + (raiz / "fontes").string() + "' '" + (raiz / "saida").string() + "'";
    }
    fs::path raiz;
};

} // namespace

TEST_F(ProgramaEmpacotar, GravaTodosOsArquivosEOsQueFaltamFicamVazios) {
    Escrever(raiz / "fontes" / "CVIDA.txt", "@@ 2\nDois é par.\n");
    Escrever(raiz / "fontes" / ".CVIDA.txt.swp", "lixo de editor, ignorado");
    Execucao e = Executar(Args(), raiz);
    EXPECT_EQ(e.status, 0) << e.erros;
    EXPECT_EQ(e.erros, "");
    for (const auto& nome : NomesArquivos()) {
        const fs::path dat = raiz / "saida" / (nome + ".DAT");
        ASSERT_TRUE(fs::exists(dat)) << nome;
        if (nome != "CVIDA") {
            EXPECT_EQ(fs::file_size(dat), 0u) << nome;
        }
    }
    EXPECT_EQ(Ler(raiz / "saida" / "CVIDA.DAT"), Espacos(5120) + "Dois \xE9 par." + Espacos(5120 - 11));
    // Nothing but the 33 files is left in the program directory.
    EXPECT_EQ(std::distance(fs::directory_iterator(raiz / "saida"), fs::directory_iterator()), 33);
}

TEST_F(ProgramaEmpacotar, RecusaSemGravarNada) {
    Escrever(raiz / "saida" / "CVIDA.DAT", "anterior");
    Escrever(raiz / "fontes" / "CVIDA.txt", "@@ 1\nbom\n");
    Escrever(raiz / "fontes" / "CFORM.txt", "@@ 3\nflecha →\n");
    Execucao e = Executar(Args(), raiz);
    EXPECT_EQ(e.status, 1);
    EXPECT_EQ(e.erros, "Erro: CFORM.txt, registro 3 (linha 1): caracteres que o Windows-1252 não "
                       "representa: “→” (U+2192).\nNenhum arquivo .DAT foi gravado.\n");
    EXPECT_EQ(Ler(raiz / "saida" / "CVIDA.DAT"), "anterior");
    EXPECT_EQ(std::distance(fs::directory_iterator(raiz / "saida"), fs::directory_iterator()), 1);
}

TEST_F(ProgramaEmpacotar, RecusaNomeDeArquivoDesconhecido) {
    Escrever(raiz / "fontes" / "cvida.txt", "@@ 1\nminúsculas no nome\n");
    Escrever(raiz / "fontes" / "CVIDA.TXT.bak", "");
    Execucao e = Executar(Args(), raiz);
    EXPECT_EQ(e.status, 1);
    const std::string resto = ": nome de arquivo desconhecido; cada arquivo da pasta deve ter o "
                              "nome de um dos 33 arquivos de interpretação seguido de \".txt\" "
                              "(por exemplo CVIDA.txt).\n";
    EXPECT_EQ(e.erros, "Erro: CVIDA.TXT.bak" + resto + "Erro: cvida.txt" + resto +
                           "Nenhum arquivo .DAT foi gravado.\n");
    EXPECT_TRUE(fs::is_empty(raiz / "saida"));
}

TEST_F(ProgramaEmpacotar, ErrosDeUsoEDePasta) {
    EXPECT_EQ(Executar("", raiz).status, 2);
    EXPECT_EQ(Executar("'" + (raiz / "fontes").string() + "'", raiz).status, 2);
    Execucao e =
        Executar("'" + (raiz / "nao-existe").string() + "' '" + (raiz / "saida").string() + "'", raiz);
    EXPECT_EQ(e.status, 1);
    EXPECT_EQ(e.erros, "Erro: a pasta dos textos " + (raiz / "nao-existe").string() + " não existe.\n");
    // An output folder that cannot be created is reported, not ignored.
    Escrever(raiz / "arquivo-comum", "x");
    Execucao e2 = Executar(
        "'" + (raiz / "fontes").string() + "' '" + (raiz / "arquivo-comum" / "sub").string() + "'", raiz);
    EXPECT_EQ(e2.status, 1);
    EXPECT_NE(e2.erros.find("não foi possível gravar"), std::string::npos) << e2.erros;
}
