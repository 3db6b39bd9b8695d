#pragma once
// The program-wide state: one object created by main (or by a test over a temporary folder)
// and handed by reference to the windows that need it.

#include <QDir>
#include <filesystem>
#include <set>
#include <string>

#include "analysis/composicao.h"
#include "app/configuracao.h"
#include "app/qt/servicos.h"
#include "layout/fontes.h"
#include "layout/paginacao.h"
#include "layout/rodape.h"
#include "print/margens.h"

namespace oraculandia {

struct Programa {
    Programa(std::filesystem::path pasta, Mensagens& m, Sons& s, Relogio& r, Navegador& n)
        : PastaPrograma(std::move(pasta)), mensagens(m), sons(s), relogio(r), navegador(n) {}

    std::filesystem::path PastaPrograma;

    // The subject of the analysis (AnalysisSubject), Windows-1252: the accepted name, upper case
    // and folded, or "Descartar" after a cancelled entry; the birth date as dd/mm/yyyy.
    std::string NomeCompleto;
    std::string DataNascimento;

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
    // When `arquivo` could not be read in this run, refuses to write over it: shows an "Erro:"
    // naming the file, followed by `consequencia` (what the refusal means for the user), and
    // returns true. False when the file may be written.
    bool RecusarGravacao(QWidget* pai, const char* arquivo, const QString& consequencia) {
        if (!Ilegivel(arquivo))
            return false;
        mensagens.Mostrar(
            pai, QStringLiteral("Erro:"),
            QStringLiteral("O arquivo %1 não pôde ser lido nesta execução do programa, por isso "
                           "ele não é gravado: o que ele guarda seria perdido. %2 Para voltar a "
                           "gravá-lo, verifique se é um arquivo comum que o seu usuário pode ler "
                           "e abra o programa novamente.")
                .arg(QDir::toNativeSeparators(Caminho(arquivo)), consequencia),
            IconeMensagem::Critico, BotoesMensagem::Ok);
        return true;
    }

    Mensagens& mensagens;
    Sons& sons;
    Relogio& relogio;
    Navegador& navegador;

    // Today's date from the clock service, as the engine takes it.
    Data Hoje() const {
        const QDate d = relogio.Hoje();
        return Data{d.day(), d.month(), d.year()};
    }
    // Composes SecoesAnalise for the current subject with today's date.
    void ComporAnalise() {
        Secoes = oraculandia::ComporAnalise(PastaPrograma, NomeCompleto, DataNascimento, Hoje());
    }
    // What the page header and footer draw from the program's state, with the given margins.
    ContextoPagina ContextoPaginas(const Margens& margens) const {
        ContextoPagina c;
        c.MargensImpressao = margens;
        c.CabecalhoLinhaUm = Rodape.CabecalhoLinhaUm;
        c.RodapeLinhaUm = Rodape.RodapeLinhaUm;
        c.RodapeLinhaDois = Rodape.RodapeLinhaDois;
        c.NomeCompleto = NomeCompleto;
        c.DataNascimento = DataNascimento;
        c.ImprimirCabecalho = Ligado(Configuracao.ImprimirCabecalho);
        return c;
    }
    // Path of a file of the program directory, for Qt.
    QString Caminho(const char* arquivo) const {
        return QString::fromStdString((PastaPrograma / arquivo).string());
    }
};

} // namespace oraculandia
