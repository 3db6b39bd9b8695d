// The windowed program. Options:
//   --diretorio DIR   use DIR as the program directory (default: the folder rule of
//                     dados/pasta_programa.h: the executable's folder or the user's data folder)
//   --version         print the version
//   --sem-abertura    skip the opening animation
//   --fechar-apos MS  close the main window by itself after MS milliseconds (scripted runs)
//   --ajuda, --help   print the options
// and, without any window, the reports of relatorios_sem_janela.h (--pdf, --lote).
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTimer>
#include <cstdio>

#include "app/qt/frmPrincipal.h"
#include "app/qt/linha_de_comando.h"
#include "app/qt/relatorios_sem_janela.h"
#include "clientes/qt/servicos_clientes.h"
#include "dados/pasta_programa.h"
#include "print/qt/servicos_impressao.h"
#include "programa/qt/programa.h"
#include "programa/qt/servicos_qt.h"
#include "versao.h"

using namespace oraculandia;

namespace {

constexpr const char* kAjuda =
    "Uso: oraculandia [--diretorio PASTA] [--sem-abertura] [--fechar-apos MS]\n"
    "     oraculandia --nome NOME --data DD/MM/AAAA --pdf ARQUIVO.pdf [--hoje DD/MM/AAAA]\n"
    "                 [--diretorio PASTA] [--substituir]\n"
    "     oraculandia --lote ARQUIVO.csv --pasta-pdf PASTA [--substituir] [--hoje DD/MM/AAAA]\n"
    "                 [--diretorio PASTA]\n"
    "\n"
    "Oraculandia: análises de numerologia.\n"
    "\n"
    "Opções:\n"
    "  --diretorio PASTA   pasta do programa (dados e configurações)\n"
    "  --sem-abertura      não mostra a animação de abertura\n"
    "  --fechar-apos MS    fecha a janela principal após MS milissegundos\n"
    "  --nome, --data, --pdf, --hoje, --lote, --pasta-pdf, --substituir\n"
    "                      relatórios em PDF sem abrir a janela (veja: man oraculandia)\n"
    "  --version           mostra a versão do programa\n"
    "  --ajuda, --help     mostra esta ajuda\n";

} // namespace

int main(int argc, char* argv[]) {
    // The options are read before Qt chooses a platform: the version, the help and a refused
    // option are only text, and must not stop at a missing display.
    QStringList argumentos;
    for (int i = 0; i < argc; ++i)
        argumentos << QString::fromLocal8Bit(argv[i]);
    const OpcoesLinhaDeComando opcoes = LerLinhaDeComando(argumentos);
    if (opcoes.versao) {
        std::printf("oraculandia %s\n", kVersao);
        return kSaidaSucesso;
    }
    if (opcoes.relatorios)
        return ExecutarRelatoriosSemJanela(argc, argv, opcoes);
    if (const QString motivo = RecusaDaJanela(opcoes); !motivo.isEmpty()) {
        std::fprintf(stderr, "Erro: %s\n\n%s", motivo.toUtf8().constData(), kAjuda);
        return kSaidaArgumentosInvalidos;
    }
    if (opcoes.ajuda) {
        std::fputs(kAjuda, stdout);
        return kSaidaSucesso;
    }

    QApplication app(argc, argv);
    // The application name alone (no organisation) names the user's data folder,
    // ~/.local/share/Oraculandia, as the folder rule expects.
    QApplication::setApplicationName(QStringLiteral("Oraculandia"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersao));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));

    // Qt's own buttons and dialogs in Portuguese.
    InstalarTraducaoQt(&app);
    EscolherFonteProporcional();

    MensagensQt mensagens;
    std::optional<std::string> valorDiretorio;
    if (opcoes.diretorio) {
        valorDiretorio = opcoes.diretorio->toStdString();
    }
    const PastaEscolhida escolhida =
        EscolherPastaPrograma(valorDiretorio, LocaisPadrao(PastaDoExecutavel()), true);
    if (!escolhida.erro.empty()) {
        // A bad option is a mistake on the command line; a user's folder that cannot be made is
        // news for whoever started the program from the menu, so it also gets a message box.
        std::fprintf(stderr, "Erro: %s\n", escolhida.erro.c_str());
        if (!valorDiretorio) {
            mensagens.Mostrar(nullptr, QStringLiteral("Erro:"),
                              QStringLiteral("O programa não pode ser iniciado: %1")
                                  .arg(QString::fromStdString(escolhida.erro)),
                              IconeMensagem::Critico, BotoesMensagem::Ok);
        }
        return kSaidaArgumentosInvalidos;
    }
    int msFechar = -1;
    if (opcoes.fecharApos) {
        bool ok = false;
        msFechar = opcoes.fecharApos->toInt(&ok);
        if (!ok || msFechar < 0) {
            std::fprintf(stderr, "oraculandia: valor inválido para --fechar-apos.\n");
            return kSaidaArgumentosInvalidos;
        }
    }

    SonsQt sons;
    RelogioQt relogio;
    NavegadorQt navegador;
    ServicosImpressaoQt impressao;
    ServicosClientesQt clientes;
    Programa programa(escolhida.pasta, mensagens, sons, relogio, navegador, impressao, clientes);

    frmPrincipal principal(programa);
    principal.resize(1024, 720);
    principal.setWindowState(Qt::WindowMaximized);
    // A run that closes itself (--fechar-apos: scripts, smoke tests) has nobody to answer the
    // first start's request for the numerologist's contacts: it is left for a real start.
    principal.Iniciar(!opcoes.semAbertura, msFechar < 0);
    // Counted from the end of the start-up, so that the close goes through the normal path.
    if (msFechar >= 0)
        QTimer::singleShot(msFechar, &principal, [&principal] { principal.close(); });
    return app.exec();
}
