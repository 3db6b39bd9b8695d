// The windowed program. Options:
//   --diretorio DIR   use DIR as the program directory (default: the folder rule of
//                     dados/pasta_programa.h: the executable's folder or the user's data folder)
//   --version         print the version
//   --sem-abertura    skip the opening animation
//   --fechar-apos MS  close the main window by itself after MS milliseconds (scripted runs)
// and, without any window, the reports of relatorios_sem_janela.h (--pdf, --lote).
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLocale>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "app/qt/frmPrincipal.h"
#include "app/qt/relatorios_sem_janela.h"
#include "dados/pasta_programa.h"
#include "programa/programa.h"
#include "programa/servicos_qt.h"
#include "versao.h"

using namespace oraculandia;

int main(int argc, char* argv[]) {
    // The version needs no window system: answered before Qt looks for a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("oraculandia %s\n", kVersao);
            return 0;
        }
    }
    if (PedeRelatorioSemJanela(argc, argv))
        return ExecutarRelatoriosSemJanela(argc, argv);
    // The help is only text: on a machine without a display it must not stop at the missing
    // window system.
    for (int i = 1; i < argc; ++i) {
        const bool ajuda = std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0 ||
                           std::strcmp(argv[i], "--help-all") == 0 || std::strcmp(argv[i], "-?") == 0;
        if (ajuda && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
            qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // The application name alone (no organisation) names the user's data folder,
    // ~/.local/share/Oraculandia, as the folder rule expects.
    QApplication::setApplicationName(QStringLiteral("Oraculandia"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersao));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));

    // Qt's own buttons and dialogs in Portuguese.
    InstalarTraducaoQt(&app);

    QCommandLineParser opcoes;
    opcoes.setApplicationDescription(
        QStringLiteral("Oraculandia: análises de numerologia.\n\nRelatórios em PDF sem abrir a janela:\n"
                       "  oraculandia --nome NOME --data DD/MM/AAAA --pdf ARQUIVO.pdf [--hoje DD/MM/AAAA]\n"
                       "  oraculandia --lote ARQUIVO.csv --pasta-pdf PASTA [--substituir]"));
    opcoes.addHelpOption();
    const QCommandLineOption diretorio(QStringList{QStringLiteral("diretorio")},
                                       QStringLiteral("Pasta do programa (dados e configurações)."),
                                       QStringLiteral("DIR"));
    const QCommandLineOption semAbertura(QStringList{QStringLiteral("sem-abertura")},
                                         QStringLiteral("Não mostra a animação de abertura."));
    const QCommandLineOption fecharApos(QStringList{QStringLiteral("fechar-apos")},
                                        QStringLiteral("Fecha a janela principal após MS milissegundos."),
                                        QStringLiteral("MS"));
    const QCommandLineOption versao(QStringList{QStringLiteral("version")},
                                    QStringLiteral("Mostra a versão do programa."));
    opcoes.addOption(versao);
    opcoes.addOption(diretorio);
    opcoes.addOption(semAbertura);
    opcoes.addOption(fecharApos);
    opcoes.process(app);

    MensagensQt mensagens;
    std::optional<std::string> valorDiretorio;
    if (opcoes.isSet(diretorio)) {
        valorDiretorio = opcoes.value(diretorio).toStdString();
    }
    const PastaEscolhida escolhida = EscolherPastaPrograma(
        valorDiretorio, LocaisPadrao(QCoreApplication::applicationDirPath().toStdString()), true);
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
        return 2;
    }
    int msFechar = -1;
    if (opcoes.isSet(fecharApos)) {
        bool ok = false;
        msFechar = opcoes.value(fecharApos).toInt(&ok);
        if (!ok || msFechar < 0) {
            std::fprintf(stderr, "oraculandia: valor inválido para --fechar-apos.\n");
            return 2;
        }
    }

    SonsQt sons;
    RelogioQt relogio;
    NavegadorQt navegador;
    Programa programa(escolhida.pasta, mensagens, sons, relogio, navegador);

    frmPrincipal principal(programa);
    principal.resize(1024, 720);
    principal.setWindowState(Qt::WindowMaximized);
    // A run that closes itself (--fechar-apos: scripts, smoke tests) has nobody to answer the
    // first start's request for the numerologist's contacts: it is left for a real start.
    principal.Iniciar(!opcoes.isSet(semAbertura), msFechar < 0);
    // Counted from the end of the start-up, so that the close goes through the normal path.
    if (msFechar >= 0)
        QTimer::singleShot(msFechar, &principal, [&principal] { principal.close(); });
    return app.exec();
}
