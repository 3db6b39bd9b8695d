#pragma once
// The command line of the window program, read once for main.cpp and for the reports without a
// window (relatorios_sem_janela.h): the window's options (--diretorio, --sem-abertura,
// --fechar-apos, --version, --ajuda and its other names), the report options (--nome, --data,
// --pdf, --hoje, --lote, --pasta-pdf, --substituir) and Qt's own options (-platform, -style...),
// which are left to QApplication. A word of one dash is an option name as one of two ("-ajuda").

#include <QString>
#include <QStringList>
#include <optional>

namespace oraculandia {

struct OpcoesLinhaDeComando {
    // "--version" anywhere on the line: answered before anything else is looked at.
    bool versao = false;
    // A report option was given: the reports run, and no window opens.
    bool relatorios = false;
    bool ajuda = false;

    std::optional<QString> diretorio;
    bool semAbertura = false;
    std::optional<QString> fecharApos;

    std::optional<QString> nome;
    std::optional<QString> data;
    std::optional<QString> pdf;
    std::optional<QString> hoje;
    std::optional<QString> lote;
    std::optional<QString> pastaPdf;
    bool substituir = false;

    // What the parser refused. `aceita` is false for an unknown option, an option that lacks its
    // value or a switch given one; `erroDoAnalisador` is then the parser's own wording of it.
    bool aceita = true;
    QString erroDoAnalisador;
    QStringList desconhecidas; // the option names it does not know, as given ("x", "zzz")
    QStringList soDaJanela;    // help and version, given as names ("h") among report options
    QStringList sobras;        // the arguments that are no option
    QString ultimo;            // the last argument
};

// `argumentos` as the program got them, the program's own name first. Called before any translation
// is installed, so that `erroDoAnalisador` is in the parser's own words.
OpcoesLinhaDeComando LerLinhaDeComando(const QStringList& argumentos);

// Why the window program refuses the line ("opção desconhecida: --x"); empty when it takes it.
QString RecusaDaJanela(const OpcoesLinhaDeComando& opcoes);

// Why the reports refuse the line, the parser's complaints in the words and language of Qt's
// translation (call it once the translation is installed), then our own; empty when they take it.
QString RecusaDosRelatorios(const OpcoesLinhaDeComando& opcoes);

} // namespace oraculandia
