// Cost of the consultation tools against one analysis of the same person: a forecast (nine
// Personal Years, twelve Personal Months, one month's calendar, with their texts) and a harmony of
// two people (their numbers, the table of relations read from its file, the texts), each against
// one ComporAnalise. Goal: each within 2x of the analysis, so that opening either window and
// recomputing after a change is instant.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "analysis/composicao.h"
#include "analysis/interpretacao.h"
#include "consulta/harmonia.h"
#include "consulta/previsoes.h"
#include "consulta/tabela_relacoes.h"
#include "dados/pasta_programa.h"

using namespace oraculandia;

namespace {

// The program's own texts: the interpretation files the build puts beside this program (the
// consultation texts are short, the analysis' long, as they really are), and the default table of
// relations in a temporary copy of the folder.
class Pasta {
public:
    Pasta() {
        std::string modelo = (std::filesystem::temp_directory_path() / "oraculandia-bench-XXXXXX").string();
        if (::mkdtemp(modelo.data()) == nullptr) {
            std::abort();
        }
        caminho = modelo;
        const std::filesystem::path origem = PastaDoExecutavel();
        for (const char* a : kArquivosInterpretacao) {
            std::error_code erro;
            std::filesystem::copy_file(origem / a, caminho / a, erro);
            if (erro) {
                std::fprintf(stderr, "falta %s em %s (construa o alvo textos_interpretacao)\n", a,
                             origem.c_str());
                std::abort();
            }
        }
        static_cast<void>(SalvarTabela(caminho, TabelaPadrao()));
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

const Data kHoje{6, 12, 2026};

void Analise(benchmark::State& estado) {
    const auto& pasta = PastaComum().caminho;
    for (auto _ : estado) {
        benchmark::DoNotOptimize(ComporAnalise(pasta, "ANA SILVA", "15/03/1970", kHoje, false));
    }
}

void Previsoes(benchmark::State& estado) {
    const auto& pasta = PastaComum().caminho;
    for (auto _ : estado) {
        benchmark::DoNotOptimize(ComporPrevisao(pasta, {15, 3, 1970}, kHoje, 2026, 12, 2026));
    }
}

void HarmoniaDeDuas(benchmark::State& estado) {
    const auto& pasta = PastaComum().caminho;
    for (auto _ : estado) {
        const TabelaCarregada tabela = CarregarTabela(pasta);
        benchmark::DoNotOptimize(ComporHarmonia(pasta, CalcularPessoa("Ana Silva", {15, 3, 1970}),
                                                CalcularPessoa("Jos\xE9 Carlos Lima", {29, 11, 1968}),
                                                tabela.tabela));
    }
}

// The numbers alone, without any file.
void NumerosDaPrevisao(benchmark::State& estado) {
    for (auto _ : estado) {
        benchmark::DoNotOptimize(CalcularPrevisao({15, 3, 1970}, kHoje, 2026, 12, 2026));
    }
}

} // namespace

BENCHMARK(Analise);
BENCHMARK(NumerosDaPrevisao);
BENCHMARK(Previsoes);
BENCHMARK(HarmoniaDeDuas);
BENCHMARK_MAIN();
