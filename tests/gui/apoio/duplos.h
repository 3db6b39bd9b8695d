#pragma once
// Test doubles of the platform services: they record what the program asked for and answer as
// the test says. `AmbienteTeste` bundles them with a Programa over a temporary program folder.

#include <QDate>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <functional>
#include <memory>

#include "programa/qt/programa.h"
#include "programa/qt/servicos.h"

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

// A temporary program folder (optionally with the interpretation files of the build copied
// in) and a Programa wired to the doubles.
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
    std::unique_ptr<Programa> programa;
};

} // namespace oraculandia::teste
