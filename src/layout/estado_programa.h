#pragma once
// The program's state that the composition, the page layout, the print job and the dialogs work
// on, free of any user-interface library: the program folder, the subject of the analysis, the
// composed sections and the settings records. The window program holds one (inside Programa,
// beside the platform services); a test or a report made without windows can hold its own.

#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "analysis/composicao.h"
#include "dados/arquivos.h"
#include "dados/configuracao.h"
#include "dados/fontes.h"
#include "dados/margens.h"
#include "dados/preferencias.h"
#include "dados/rodape.h"
#include "engine/datas.h"
#include "engine/entrada.h"
#include "layout/paginacao.h"
#include "layout/seus_numeros.h"

namespace oraculandia {

struct EstadoPrograma {
    explicit EstadoPrograma(std::filesystem::path pasta) : PastaPrograma(std::move(pasta)) {}

    std::filesystem::path PastaPrograma;

    // The subject of the analysis (AnalysisSubject), Windows-1252: the accepted name, upper case
    // and folded, or "Descartar" after a cancelled entry; the birth date as dd/mm/yyyy.
    std::string NomeCompleto;
    std::string DataNascimento;
    // The name as it was typed (Windows-1252, accents kept): what the pages, the window caption
    // and the file names show. Empty when unknown: then NomeCompleto is shown.
    std::string NomeDigitado;

    // The name as shown on the pages and in titles: upper case, with its accents.
    std::string NomeExibido() const {
        return NomeDigitado.empty() ? NomeCompleto : NomeMaiusculo(NomeDigitado);
    }

    SecoesAnalise Secoes;              // SecoesAnalise
    ConfiguracaoPrograma Configuracao; // ConfiguracaoPrograma with CalculosSelecionados
    FontesAnalise Fontes;              // FontesAnalise
    LinhasRodape Rodape;               // CabecalhoLinhaUm, RodapeLinhaUm, RodapeLinhaDois
    Margens MargensImpressao;          // all zero until something sets them

    // Files of the program folder (names such as "fontes.dat") that existed but could not be
    // read in this run. The run uses their defaults, and nothing is ever written over them:
    // what they hold comes back once the file can be read again.
    std::set<std::string> ArquivosIlegiveis;
    // Remembers the outcome of loading `arquivo`.
    void AnotarLeitura(const char* arquivo, EstadoArquivo estado) {
        if (estado == EstadoArquivo::Ilegivel)
            ArquivosIlegiveis.insert(arquivo);
    }
    bool Ilegivel(const char* arquivo) const { return ArquivosIlegiveis.count(arquivo) > 0; }

    // Composes SecoesAnalise for the current subject, with `hoje` for the universal and personal
    // numbers.
    void ComporAnalise(const Data& hoje) {
        Secoes = oraculandia::ComporAnalise(PastaPrograma, NomeCompleto, DataNascimento, hoje);
    }
    // The "Seus Números" page of the current subject for a report made on `hoje`; nothing when
    // preferencias.ini turns it off.
    std::optional<SeusNumeros> SeusNumerosDoRelatorio(const Data& hoje) const {
        if (!CarregarPreferencias(PastaPrograma).Chave(kChaveSeusNumeros, true))
            return std::nullopt;
        return MontarSeusNumeros(Secoes, Configuracao, NomeDigitado, NomeCompleto, DataNascimento, hoje);
    }
    // What the page header and footer draw from the program's state, with the given margins.
    ContextoPagina ContextoPaginas(const Margens& margens) const {
        ContextoPagina c;
        c.MargensImpressao = margens;
        c.CabecalhoLinhaUm = Rodape.CabecalhoLinhaUm;
        c.RodapeLinhaUm = Rodape.RodapeLinhaUm;
        c.RodapeLinhaDois = Rodape.RodapeLinhaDois;
        c.NomeCompleto = NomeCompleto;
        c.NomeExibido = NomeExibido();
        c.DataNascimento = DataNascimento;
        c.ImprimirCabecalho = Ligado(Configuracao.ImprimirCabecalho);
        return c;
    }
};

} // namespace oraculandia
