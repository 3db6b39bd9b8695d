// Cost of composing an analysis (ComporAnalise) against its floor: the bare opening, reading and
// closing of the same 41 records it reads. Goal: within 2x of the floor.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "analysis/complementos.h"
#include "analysis/composicao.h"
#include "analysis/interpretacao.h"

using namespace oraculandia;

namespace {

const char* kArquivos[] = {"CDATA",    "CVIDA",    "CFORM",    "CPROD",    "CCOLH",    "CDNAS",
                           "DESNASC",  "PRESNASC", "APICES",   "DESVIDA",  "INDSAUDE", "INTANOUN",
                           "INTMESUN", "INTDIAUN", "INTANOPS", "INTMESPS", "INTDIAPS", "INTEXEXP",
                           "IMPXALMA", "EUXSILEN", "INTVOG",   "INTNOME",  "INTREALI", "LICOESC",
                           "DIVIDASC", "TENDOCUL", "PAIXOCUL", "RESPSUBC", "NUMMESTR"};

// A full set of files with texts of a realistic length (about 2,000 characters each).
class Pasta {
public:
    Pasta() {
        std::string modelo = (std::filesystem::temp_directory_path() / "oraculandia-bench-XXXXXX").string();
        if (::mkdtemp(modelo.data()) == nullptr) {
            std::abort();
        }
        caminho = modelo;
        std::string texto;
        while (texto.size() < 2000) {
            texto += "Uma frase de interpreta\xE7\xE3o com acentos e v\xEDrgulas, ";
        }
        for (const char* a : kArquivos) {
            for (int r = 1; r <= 20; ++r) {
                GravarInterpretacao(caminho, static_cast<int16_t>(r), std::string(a) + ".DAT", texto);
            }
        }
    }
    ~Pasta() {
        std::error_code erro;
        std::filesystem::remove_all(caminho, erro);
    }
    std::filesystem::path caminho;
};

Pasta& PastaComum() {
    static Pasta p;
    return p;
}

// The 41 records composed for ANA SILVA, born 15/03/1970, on 06/12/2026.
std::vector<std::pair<std::string, int>> RegistrosLidos() {
    std::vector<std::pair<std::string, int>> r;
    for (int i = 1; i <= 13; ++i) {
        r.emplace_back("CDATA.DAT", i);
    }
    const std::pair<const char*, int> textos[] = {
        {"CVIDA.DAT", 8},    {"CFORM.DAT", 3},    {"CPROD.DAT", 6},    {"CCOLH.DAT", 8},
        {"CDNAS.DAT", 6},    {"DESNASC.DAT", 5},  {"PRESNASC.DAT", 6}, {"APICES.DAT", 9},
        {"APICES.DAT", 5},   {"APICES.DAT", 5},   {"APICES.DAT", 2},   {"DESVIDA.DAT", 2},
        {"DESVIDA.DAT", 4},  {"DESVIDA.DAT", 3},  {"DESVIDA.DAT", 6},  {"INDSAUDE.DAT", 6},
        {"INTANOUN.DAT", 1}, {"INTMESUN.DAT", 4}, {"INTDIAUN.DAT", 1}, {"INTANOPS.DAT", 1},
        {"INTMESPS.DAT", 4}, {"INTDIAPS.DAT", 1}, {"INTEXEXP.DAT", 7}, {"IMPXALMA.DAT", 3},
        {"EUXSILEN.DAT", 4}, {"INTVOG.DAT", 1},   {"INTNOME.DAT", 8},  {"INTREALI.DAT", 6}};
    for (const auto& [a, n] : textos) {
        r.emplace_back(a, n);
    }
    return r;
}

void BM_ComporAnalise(benchmark::State& state) {
    const auto& pasta = PastaComum().caminho;
    for (auto _ : state) {
        SecoesAnalise s = ComporAnalise(pasta, "ANA SILVA", "15/03/1970", Data{6, 12, 2026});
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_ComporAnalise);

// What opening an analysis composes now: the 28 and the sections after them.
void BM_ComporAnaliseEComplementos(benchmark::State& state) {
    const auto& pasta = PastaComum().caminho;
    for (auto _ : state) {
        SecoesAnalise s = ComporAnalise(pasta, "ANA SILVA", "15/03/1970", Data{6, 12, 2026});
        SecoesComplementares c = ComporComplementos(pasta, "ANA SILVA", "15/03/1970");
        benchmark::DoNotOptimize(s);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(BM_ComporAnaliseEComplementos);

void BM_PisoAbrirLerFechar41Registros(benchmark::State& state) {
    const auto& pasta = PastaComum().caminho;
    std::vector<std::pair<std::string, int>> registros;
    for (auto& [a, n] : RegistrosLidos()) {
        registros.emplace_back((pasta / a).string(), n);
    }
    std::string buffer(kTamanhoRegistro, ' ');
    for (auto _ : state) {
        for (const auto& [caminho, n] : registros) {
            const int fd = ::open(caminho.c_str(), O_RDONLY);
            const ssize_t lidos = ::pread(fd, buffer.data(), buffer.size(),
                                          static_cast<off_t>(n - 1) * static_cast<off_t>(kTamanhoRegistro));
            benchmark::DoNotOptimize(lidos);
            ::close(fd);
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PisoAbrirLerFechar41Registros);

} // namespace

BENCHMARK_MAIN();
