#pragma once
// Harmonia: the compatibility of two people. For each person the Life Path, the Expression, the
// Soul Urge, the Silent Self and the birth-day vibration, computed by the functions the analysis
// uses (ValorNome, ValorVogais, ValorConsoantes on the folded name; CalcularNumerosNascimento for
// the date); for each of the five pairs of numbers its relation in the table of relations
// (tabela_relacoes.h) and the text of that relation for that pair; and an overall reading from
// the relations found. Texts are UTF-8; names are Windows-1252 as the entry accepted them.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "consulta/tabela_relacoes.h"
#include "engine/datas.h"

namespace oraculandia {

inline constexpr int kAspectosHarmonia = 5;
// The five numbers compared, in order.
inline constexpr const char* kNomesAspectos[kAspectosHarmonia] = {
    "Caminho da Vida", "Expressão", "Impulso da Alma", "Eu Silencioso", "Vibração do Dia do Nascimento"};

// The harmony texts: record 4 * aspect + relation (aspect 0 to 4, relation 1 to 4) for a pair,
// records 21 to 24 for the overall reading (kLeituraGeral...).
inline constexpr const char* kArquivoHarmonia = "HARMONIA.DAT";
inline constexpr int kRegistrosHarmonia = 24;
int RegistroPar(int aspecto, Relacao r);

struct PessoaHarmonia {
    std::string nome; // as typed (Windows-1252)
    Data nascimento;
    std::array<int16_t, kAspectosHarmonia> numeros{};
};

struct ParHarmonia {
    int16_t primeiro = 0, segundo = 0;
    Relacao relacao = Relacao::Desafiadores;
    bool semNumero = false; // a 0 (a name without vowels or consonants): no relation, no text
    std::string texto;
};

struct Harmonia {
    std::array<PessoaHarmonia, 2> pessoas;
    std::array<ParHarmonia, kAspectosHarmonia> pares;
    std::array<int, 5> contagem{}; // pairs per relation (index 1 to 4)
    int registroGeral = 0;         // 21 to 24
    std::string leituraGeral;      // the fixed summary sentence and the text of registroGeral
    std::vector<std::string> problemas;
};

PessoaHarmonia CalcularPessoa(std::string_view nomeCp1252, const Data& nascimento);
// The numbers and relations alone; no file is read.
Harmonia CalcularHarmonia(const PessoaHarmonia& a, const PessoaHarmonia& b, const TabelaRelacoes& tabela);
// With the texts of `pasta`.
Harmonia ComporHarmonia(const std::filesystem::path& pasta, const PessoaHarmonia& a, const PessoaHarmonia& b,
                        const TabelaRelacoes& tabela);

// The summary sentence of the overall reading ("Das cinco comparações, ...").
std::string ResumoRelacoes(const Harmonia& h);

std::string TextoHarmonia(const Harmonia& h);

} // namespace oraculandia
