#pragma once
// The object the window program hands to its windows: the program's state (EstadoPrograma,
// free of Qt) and the platform services (message boxes, sounds, the clock, the browser, the
// printer, the register's file dialogs) that the windows reach through small interfaces, so that
// tests can stand in for them. Created by main (and by the reports without a window) with the Qt
// implementations, or by a test over a temporary folder with its doubles.

#include <QDir>
#include <filesystem>

#include "programa/qt/caminhos_qt.h"
#include "programa/qt/estado_programa.h"
#include "programa/qt/servicos.h"

namespace oraculandia {

// The platform services, bundled.
struct ServicosPrograma {
    ServicosPrograma(Mensagens& m, Sons& s, Relogio& r, Navegador& n, ServicosImpressao& i,
                     ServicosClientes& c)
        : mensagens(m), sons(s), relogio(r), navegador(n), impressao(i), clientes(c) {}
    Mensagens& mensagens;
    Sons& sons;
    Relogio& relogio;
    Navegador& navegador;
    // The printer, the print and PDF dialogs, and the orientation the start-up gave the printer.
    ServicosImpressao& impressao;
    // The Clientes window's file dialogs and import confirmation.
    ServicosClientes& clientes;
};

struct Programa : EstadoPrograma, ServicosPrograma {
    Programa(std::filesystem::path pasta, Mensagens& m, Sons& s, Relogio& r, Navegador& n,
             ServicosImpressao& i, ServicosClientes& c)
        : EstadoPrograma(std::move(pasta)), ServicosPrograma(m, s, r, n, i, c) {}

    // Today's date from the clock service, as the engine takes it.
    Data Hoje() const {
        const QDate d = relogio.Hoje();
        return Data{d.day(), d.month(), d.year()};
    }
    // The day of the universal and personal numbers: the reference date, or today.
    Data Referencia() const { return DataReferencia.value_or(Hoje()); }
    // Composes SecoesAnalise for the current subject with the reference date.
    void ComporAnalise() { EstadoPrograma::ComporAnalise(Referencia()); }
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

    // Path of a file of the program directory, for Qt.
    QString Caminho(const char* arquivo) const { return QStringDeCaminho(PastaPrograma / arquivo); }
};

} // namespace oraculandia
