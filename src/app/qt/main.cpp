// The windowed program. Options:
//   --diretorio DIR   use DIR as the program directory (default: the executable's folder)
//   --sem-abertura    skip the opening animation
//   --fechar-apos MS  close the main window by itself after MS milliseconds (scripted runs)
// and, without any window, the reports of relatorios_sem_janela.h (--pdf, --lote).
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLocale>
#include <QTimer>
#include <cstdio>

#include "app/qt/frmPrincipal.h"
#include "app/qt/programa.h"
#include "app/qt/relatorios_sem_janela.h"
#include "app/qt/servicos_qt.h"

using namespace oraculandia;

int main(int argc, char* argv[]) {
    if (PedeRelatorioSemJanela(argc, argv))
        return ExecutarRelatoriosSemJanela(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Oraculandia"));
    QApplication::setOrganizationName(QStringLiteral("Oraculandia"));
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
    opcoes.addOption(diretorio);
    opcoes.addOption(semAbertura);
    opcoes.addOption(fecharApos);
    opcoes.process(app);

    QString pasta = QCoreApplication::applicationDirPath();
    if (opcoes.isSet(diretorio)) {
        const QDir dir(opcoes.value(diretorio));
        if (!dir.exists()) {
            std::fprintf(stderr, "oraculandia: a pasta \"%s\" não existe.\n",
                         qUtf8Printable(opcoes.value(diretorio)));
            return 2;
        }
        pasta = dir.absolutePath();
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

    MensagensQt mensagens;
    SonsQt sons;
    RelogioQt relogio;
    NavegadorQt navegador;
    Programa programa(std::filesystem::path(pasta.toStdString()), mensagens, sons, relogio, navegador);

    frmPrincipal principal(programa);
    principal.resize(1024, 720);
    principal.setWindowState(Qt::WindowMaximized);
    principal.Iniciar(!opcoes.isSet(semAbertura));
    // Counted from the end of the start-up, so that the close goes through the normal path.
    if (msFechar >= 0)
        QTimer::singleShot(msFechar, &principal, [&principal] { principal.close(); });
    return app.exec();
}
