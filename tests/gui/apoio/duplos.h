#pragma once
// Test doubles of the platform services: they record what the program asked for and answer as
// the test says. `AmbienteTeste` bundles them with a Programa over a temporary program folder.
// The printer's double is in teste_impressao_duplo.h.

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <functional>
#include <memory>
#include <vector>

#include "clientes/qt/csv_clientes.h"
#include "programa/qt/programa.h"
#include "programa/qt/servicos.h"
#include "teste_impressao_duplo.h"

namespace oraculandia::teste {

struct MensagemMostrada {
    QString titulo;
    QString texto;
    IconeMensagem icone = IconeMensagem::Informacao;
    BotoesMensagem botoes = BotoesMensagem::Ok;
};

class MensagensDuplo : public Mensagens {
public:
    RespostaMensagem Mostrar(QWidget* pai, const QString& titulo, const QString& texto, IconeMensagem icone,
                             BotoesMensagem botoes) override;
    void Bipe() override { ++bipes; }

    // Answers given in order to Yes/No questions; when exhausted, `respostaPadrao`.
    QList<RespostaMensagem> respostas;
    RespostaMensagem respostaPadrao = RespostaMensagem::Nao;
    // Called after a message is recorded, while the "box" is up (e.g. to inspect the state).
    std::function<void(const MensagemMostrada&)> aoMostrar;

    QList<MensagemMostrada> mostradas;
    int bipes = 0;
};

struct SomTocado {
    QString caminho;
    bool repetir = false;
};

class SonsDuplo : public Sons {
public:
    void Tocar(const QString& caminhoWav, bool repetir) override { tocados.append({caminhoWav, repetir}); }
    void Parar() override { ++paradas; }
    QList<SomTocado> tocados;
    int paradas = 0;
};

class RelogioDuplo : public Relogio {
public:
    QDate Hoje() const override { return hoje; }
    QDate hoje{2026, 12, 7};
};

class NavegadorDuplo : public Navegador {
public:
    void Abrir(const QUrl& endereco) override { abertos.append(endereco); }
    QList<QUrl> abertos;
};

// The Clientes window's file dialogs answer with the paths the test chose ("" = given up); the
// confirmation of an import records what it was shown and answers `resposta`.
class ServicosClientesDuplo : public ServicosClientes {
public:
    QString EscolherArquivoImportar(QWidget*) override { return importar; }
    QString EscolherArquivoExportar(QWidget*, const QString& sugestao) override {
        sugestoes << sugestao;
        return exportar;
    }
    bool ConfirmarImportacao(QWidget*, const QString& arquivo, const std::vector<LinhaRecusada>& r,
                             int v) override {
        ++confirmacoes;
        arquivoConfirmado = arquivo;
        recusadas = r;
        validos = v;
        return resposta;
    }
    QString importar;
    QString exportar;
    QStringList sugestoes;
    bool resposta = false;
    int confirmacoes = 0;
    QString arquivoConfirmado;
    std::vector<LinhaRecusada> recusadas;
    int validos = -1;
};

// A temporary program folder (optionally with the interpretation files of the build copied
// in) and a Programa wired to the doubles. A test sets up the printer's double (`impressao`)
// before it starts a main window when the start-up is to see it.
class AmbienteTeste {
public:
    explicit AmbienteTeste(bool comTextos = false);
    QString Pasta() const { return pasta.path(); }
    QString Arquivo(const char* nome) const { return pasta.filePath(QString::fromLatin1(nome)); }
    QByteArray Ler(const char* nome) const;

    QTemporaryDir pasta;
    MensagensDuplo mensagens;
    SonsDuplo sons;
    RelogioDuplo relogio;
    NavegadorDuplo navegador;
    ServicosImpressaoDuplo impressao;
    ServicosClientesDuplo clientes;
    std::unique_ptr<Programa> programa;
};

} // namespace oraculandia::teste
