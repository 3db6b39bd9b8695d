#pragma once
// The program's state that the composition, the page layout, the print job and the dialogs work
// on, free of any user-interface library: the program folder, the subject of the analysis, the
// composed sections and the settings records. The window program holds one (inside Programa,
// beside the platform services); a test or a report made without windows can hold its own.

#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "analysis/complementos.h"
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
#include "layout/percurso.h"
#include "layout/seus_numeros.h"

namespace oraculandia {

struct EstadoPrograma {
    explicit EstadoPrograma(std::filesystem::path pasta) : PastaPrograma(std::move(pasta)) {}

    std::filesystem::path PastaPrograma;

    // The subject of the analysis (AnalysisSubject), Windows-1252: the accepted name, upper case
    // and folded, or "Descartar" after a cancelled entry; the birth date as dd/mm/yyyy.
    std::string NomeCompleto;
    std::string DataNascimento;
    // The day whose universal and personal numbers the analysis shows (the entry dialog's "Data
    // de referência", so that a consultation can be prepared ahead); none: today.
    std::optional<Data> DataReferencia;
    // The name as it was typed (Windows-1252, accents kept): what the pages, the window caption
    // and the file names show. Empty when unknown: then NomeCompleto is shown.
    std::string NomeDigitado;

    // The name as shown on the pages and in titles: upper case, with its accents.
    std::string NomeExibido() const {
        return NomeDigitado.empty() ? NomeCompleto : NomeMaiusculo(NomeDigitado);
    }

    SecoesAnalise Secoes;              // SecoesAnalise
    SecoesComplementares Complementos; // the sections after the 28, composed with them
    ConfiguracaoPrograma Configuracao; // ConfiguracaoPrograma with CalculosSelecionados
    FontesAnalise Fontes;              // FontesAnalise
    LinhasRodape Rodape;               // CabecalhoLinhaUm, RodapeLinhaUm, RodapeLinhaDois
    Margens MargensImpressao;          // all zero until something sets them
    Preferencias PreferenciasPrograma; // preferencias.ini: the settings added after oraculandia.dat

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
        Complementos = ComporComplementos(PastaPrograma, NomeCompleto, DataNascimento);
    }
    // Which of the sections after the 28 are shown.
    SelecaoComplementos SelecaoDosComplementos() const {
        return LerSelecaoComplementos(PreferenciasPrograma);
    }
    // The sections after the 28 as the page walk draws them.
    ComplementosRelatorio ComplementosDoRelatorio() const {
        return {&Complementos, SelecaoDosComplementos()};
    }
    // The text the export puts on the clipboard (Windows-1252).
    std::string TextoDaExportacao() const {
        return TextoExportacaoCompleta(Secoes, Complementos, Configuracao, SelecaoDosComplementos());
    }
    // The sections as the pages show them: the introductions of the universal and of the
    // personal numbers say which day they are for (`dia`, the reference date). The export and
    // the command line keep the sections as composed.
    SecoesAnalise SecoesDasPaginas(const Data& dia) const {
        SecoesAnalise s = Secoes;
        const std::string data = FormatarData(dia);
        auto anotar = [&s](int secao, const std::string& nota) {
            std::string& introducao = s[static_cast<std::size_t>(secao)].Introducao;
            introducao = introducao.empty() ? nota : introducao + "\r\n" + nota;
        };
        anotar(17, "Os n\xFAmeros universais a seguir s\xE3o os do dia " + data + ".");
        anotar(20, "Os n\xFAmeros pessoais a seguir s\xE3o os do dia " + data + ".");
        return s;
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
