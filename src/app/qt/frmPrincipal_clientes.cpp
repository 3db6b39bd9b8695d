// The register of clients from the main window: the Clientes window (menu Arquivo and toolbar),
// the analysis of a client chosen there, and the person of every analysis recorded.
#include <QDir>

#include "app/qt/esquema_programa.h"
#include "app/qt/frmPrincipal.h"
#include "clientes/qt/cadastro_clientes.h"
#include "clientes/qt/frmClientes.h"
#include "programa/qt/caminhos_qt.h"
#include "programa/qt/programa.h"

namespace oraculandia {

CadastroClientes* frmPrincipal::Cadastro(bool sempreAvisar) {
    if (cadastro_)
        return cadastro_.get();
    // The name study keeps its spellings in the same file: its table comes with the register's.
    ResultadoQt<std::unique_ptr<CadastroClientes>> aberto =
        CadastroClientes::Abrir(QStringDeCaminho(programa_.PastaPrograma), PassosEsquemaPrograma());
    if (aberto) {
        cadastro_ = std::move(*aberto);
        return cadastro_.get();
    }
    const QString& erro = aberto.error();
    // The program goes on without the register; the user is told why every time, so that no
    // person is left out of it without a word (the next use tries the file again).
    programa_.mensagens.Mostrar(
        this, QStringLiteral("Erro:"),
        QStringLiteral("Não foi possível usar o cadastro de clientes (arquivo %1): %2. %3")
            .arg(QDir::toNativeSeparators(programa_.Caminho(kArquivoClientes)), erro,
                 sempreAvisar ? QStringLiteral("O programa continua funcionando sem o cadastro.")
                              : QStringLiteral("Esta pessoa não foi guardada no cadastro; a análise será "
                                               "criada mesmo assim.")),
        IconeMensagem::Critico, BotoesMensagem::Ok);
    return nullptr;
}

void frmPrincipal::RegistrarAnalise(const QString& nomeDigitado) {
    const VerificacaoCliente v =
        VerificarCliente(nomeDigitado, QString::fromStdString(programa_.DataNascimento), programa_.Hoje());
    // A name the entry accepted but that is too short without its blanks around it stays out
    // of the register; the analysis goes on.
    if (v.ok())
        RegistrarAnalise(v);
}

void frmPrincipal::RegistrarAnalise(const VerificacaoCliente& cliente) {
    CadastroClientes* cadastro = Cadastro(false);
    if (cadastro == nullptr)
        return;
    const ResultadoCadastro r = cadastro->RegistrarAnalise(cliente, programa_.Hoje());
    // Said every time: each failure is a person left out of the register.
    if (r.situacao == SituacaoCadastro::Falha) {
        programa_.mensagens.Mostrar(
            this, QStringLiteral("Erro:"),
            QStringLiteral("Não foi possível guardar esta pessoa no cadastro de clientes: %1. A análise será "
                           "criada mesmo assim.")
                .arg(r.erro),
            IconeMensagem::Critico, BotoesMensagem::Ok);
    }
}

void frmPrincipal::mnuClientes_Click() {
    InicioComumDasAcoes();
    CadastroClientes* cadastro = Cadastro(true);
    if (cadastro == nullptr)
        return;
    std::optional<Cliente> escolhido;
    bool estudo = false;
    DefinirOcupado(true);
    {
        frmClientes janela(*cadastro, programa_.mensagens, programa_.relogio, programa_.clientes, this);
        if (janela.exec() == QDialog::Accepted) {
            escolhido = janela.ClienteEscolhido();
            estudo = janela.EstudoPedido();
        }
    }
    DefinirOcupado(false);
    if (!escolhido)
        return;
    if (estudo) {
        AbrirEstudoNome(&*escolhido);
        return;
    }

    // The creation sequence of the entry dialog, with the client in place of what is typed.
    OferecerFecharAnaliseAtiva();
    const VerificacaoCliente v =
        VerificarCliente(escolhido->nome, DataExibida(escolhido->nascimento), programa_.Hoje());
    if (!v.ok())
        return; // checked by the window before it closed
    programa_.NomeCompleto = v.nomeAnalise;
    programa_.NomeDigitado = v.nomeDigitado;
    programa_.DataNascimento = FormatarData(v.nascimento);
    programa_.DataReferencia.reset(); // the numbers of today
    RegistrarAnalise(v);
    GerarAnalise();
}

} // namespace oraculandia
