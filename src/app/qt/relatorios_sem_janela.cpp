#include "app/qt/relatorios_sem_janela.h"

#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <map>
#include <set>

#include "app/qt/gerador_pdf.h"
#include "app/qt/linha_de_comando.h"
#include "clientes/qt/csv_clientes.h"
#include "dados/pasta_programa.h"
#include "engine/entrada.h"
#include "layout/qt/cp1252_qt.h"
#include "print/qt/servicos_impressao.h"
#include "programa/qt/servicos_qt.h"

namespace oraculandia {

namespace {

constexpr const char* kUso =
    "Uso:\n"
    "  oraculandia --nome NOME --data DD/MM/AAAA --pdf ARQUIVO.pdf [--hoje DD/MM/AAAA]\n"
    "              [--diretorio PASTA] [--substituir]\n"
    "  oraculandia --lote ARQUIVO.csv --pasta-pdf PASTA [--substituir] [--hoje DD/MM/AAAA]\n"
    "              [--diretorio PASTA]\n";

void Escrever(std::FILE* saida, const QString& texto) {
    std::fputs(texto.toUtf8().constData(), saida);
    std::fflush(saida);
}

void Erro(const QString& mensagem) {
    Escrever(stderr, QStringLiteral("Erro: %1\n").arg(mensagem));
}

// The reports go to clients: said once, after they are written, while the footer lacks the
// numerologist's contacts.
void AvisarRodapeProvisorio(const GeradorPdf& gerador, std::FILE* saida = stderr) {
    if (gerador.RodapeProvisorio())
        Escrever(saida, QString::fromUtf8(kAvisoRodape));
}

int ErroDeUso(const QString& mensagem) {
    Erro(mensagem);
    std::fputs("\n", stderr);
    std::fputs(kUso, stderr);
    return kSaidaArgumentosInvalidos;
}

// Characters no file system takes in a name, and the control characters.
bool Proibido(QChar c) {
    return c == u'/' || c == u'\\' || c == u':' || c == u'*' || c == u'?' || c == u'"' || c == u'<' ||
           c == u'>' || c == u'|' || c.unicode() < 32 || c.unicode() == 127;
}

} // namespace

QString NomeArquivoRelatorio(const QString& nome, const Data& nascimento) {
    QString base;
    for (QChar c : nome.simplified())
        base += Proibido(c) ? QChar(u'_') : c;
    // Room for the date and the extension within the 255 bytes of a file name.
    while (base.toUtf8().size() > 180)
        base.chop(1);
    // No hidden file, and no blank or full stop at either end (some systems drop them).
    for (QString antes; antes != base;) {
        antes = base;
        base = base.trimmed();
        while (base.startsWith(u'.'))
            base.remove(0, 1);
        while (base.endsWith(u'.'))
            base.chop(1);
    }
    if (base.isEmpty())
        base = QStringLiteral("Análise");
    return QStringLiteral("%1 %2.pdf").arg(base, DataExibida(nascimento).replace(u'/', u'-'));
}

int ExecutarLote(GeradorPdf& gerador, const QString& arquivoCsv, const QString& pasta, bool substituir,
                 const Data& hoje, std::FILE* saida) {
    const ResultadoQt<TextoCsv> lido = LerArquivoCsv(arquivoCsv);
    if (!lido) {
        Escrever(saida, QStringLiteral("Erro: não foi possível ler o arquivo %1: %2.\n")
                            .arg(QDir::toNativeSeparators(arquivoCsv), lido.error()));
        return kSaidaArgumentosInvalidos;
    }
    if (!lido->aviso.isEmpty())
        Escrever(saida, QStringLiteral("Aviso: %1.\n").arg(lido->aviso));
    const std::vector<RegistroCsv> registros = DividirCsv(lido->texto);
    const std::size_t inicio = !registros.empty() && EhCabecalhoCsv(registros.front()) ? 1 : 0;
    const int total = static_cast<int>(registros.size() - inicio);
    const QDir destino(pasta);

    std::vector<LinhaRecusada> falhas;
    std::vector<LinhaRecusada> repetidas;
    std::map<QString, int> pessoas; // folded name and date -> line where the person first came
    std::set<QString> nomesUsados;  // file names written by this batch
    int gravados = 0;
    for (std::size_t i = inicio; i < registros.size(); ++i) {
        const RegistroCsv& r = registros[i];
        const QString posicao = QStringLiteral("%1 de %2").arg(static_cast<int>(i - inicio) + 1).arg(total);
        const auto v = VerificarRegistroCsv(r, hoje);
        if (!v) {
            falhas.push_back({r.linha, v.error()});
            Escrever(saida,
                     QStringLiteral("%1: linha %2 recusada: %3\n").arg(posicao).arg(r.linha).arg(v.error()));
            continue;
        }
        const QString pessoa = v->chave + u'|' + DataIso(v->nascimento);
        if (const auto achada = pessoas.find(pessoa); achada != pessoas.end()) {
            const QString nota = QStringLiteral("a mesma pessoa da linha %1").arg(achada->second);
            repetidas.push_back({r.linha, nota});
            Escrever(saida,
                     QStringLiteral("%1: linha %2 ignorada: %3\n").arg(posicao).arg(r.linha).arg(nota));
            continue;
        }
        pessoas.emplace(pessoa, r.linha);

        // Two people whose names become the same file name get "(2)", "(3)"...
        QString nome = NomeArquivoRelatorio(v->nome, v->nascimento);
        for (int k = 2; nomesUsados.count(nome.toCaseFolded()) > 0; ++k)
            nome =
                NomeArquivoRelatorio(v->nome, v->nascimento).chopped(4) + QStringLiteral(" (%1).pdf").arg(k);
        nomesUsados.insert(nome.toCaseFolded());

        const ResultadoQt<void> gravado = gerador.Gravar(v->nomeAnalise, v->nascimento,
                                                         destino.filePath(nome), substituir, v->nomeDigitado);
        if (!gravado) {
            falhas.push_back({r.linha, gravado.error()});
            Escrever(
                saida,
                QStringLiteral("%1: linha %2 falhou: %3\n").arg(posicao).arg(r.linha).arg(gravado.error()));
            continue;
        }
        ++gravados;
        Escrever(saida, QStringLiteral("%1: %2\n").arg(posicao, nome));
    }

    Escrever(saida, QStringLiteral("%1 de %2 relatórios gravados em %3.\n")
                        .arg(gravados)
                        .arg(total)
                        .arg(QDir::toNativeSeparators(destino.absolutePath())));
    if (!repetidas.empty()) {
        Escrever(saida, QStringLiteral("Linhas repetidas, ignoradas:\n"));
        for (const LinhaRecusada& l : repetidas)
            Escrever(saida, QStringLiteral("  linha %1: %2\n").arg(l.linha).arg(l.motivo));
    }
    if (!falhas.empty()) {
        Escrever(saida, QStringLiteral("Linhas com problema (nenhum relatório gravado para elas):\n"));
        for (const LinhaRecusada& l : falhas)
            Escrever(saida, QStringLiteral("  linha %1: %2\n").arg(l.linha).arg(l.motivo));
    }
    if (gravados > 0)
        AvisarRodapeProvisorio(gerador, saida);
    return falhas.empty() ? kSaidaSucesso : kSaidaFalha;
}

int ExecutarRelatoriosSemJanela(int argc, char* argv[], const OpcoesLinhaDeComando& opcoes) {
    // Temporary files of reports older than this are left-overs of an interrupted earlier run.
    const QDateTime inicio = QDateTime::currentDateTime();
    // No window is shown: without a platform chosen by the user, none that needs a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Standard error carries the progress and the program's own messages; Qt's remarks about the
    // environment (no runtime folder, no session) would only bury them. Its errors still show.
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
        if (tipo == QtCriticalMsg || tipo == QtFatalMsg)
            Escrever(stderr, texto + u'\n');
    });
    QApplication app(argc, argv);
    // As the window program: the application name alone names the user's data folder.
    QApplication::setApplicationName(QStringLiteral("Oraculandia"));
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    InstalarTraducaoQt(&app);

    if (const QString recusa = RecusaDosRelatorios(opcoes); !recusa.isEmpty())
        return ErroDeUso(recusa);

    // A file or folder option given without a name ("--pdf ''") is a mistake of the command line.
    const struct {
        const char* nome;
        const std::optional<QString>& valor;
        bool pasta;
    } comNome[] = {{"pdf", opcoes.pdf, false},
                   {"lote", opcoes.lote, false},
                   {"pasta-pdf", opcoes.pastaPdf, true},
                   {"diretorio", opcoes.diretorio, true}};
    for (const auto& o : comNome)
        if (o.valor && o.valor->trimmed().isEmpty())
            return ErroDeUso(QStringLiteral("a opção --%1 precisa de um nome de %2")
                                 .arg(QString::fromLatin1(o.nome),
                                      o.pasta ? QStringLiteral("pasta") : QStringLiteral("arquivo")));

    const bool emLote = opcoes.lote.has_value();
    if (emLote) {
        if (opcoes.nome || opcoes.data || opcoes.pdf)
            return ErroDeUso(QStringLiteral("--lote não se combina com --nome, --data ou --pdf"));
        if (!opcoes.pastaPdf)
            return ErroDeUso(QStringLiteral("falta a opção --pasta-pdf"));
    } else {
        if (opcoes.pastaPdf)
            return ErroDeUso(QStringLiteral("--pasta-pdf só vale com --lote"));
        if (!opcoes.pdf)
            return ErroDeUso(QStringLiteral("falta a opção --pdf (ou --lote)"));
        if (!opcoes.nome)
            return ErroDeUso(QStringLiteral("falta a opção --nome"));
        if (!opcoes.data)
            return ErroDeUso(QStringLiteral("falta a opção --data"));
    }

    const QDate sistema = QDate::currentDate();
    Data dia{sistema.day(), sistema.month(), sistema.year()};
    if (opcoes.hoje) {
        const ConversaoCp1252 t = QStringParaCp1252(*opcoes.hoje);
        const auto d = t.ok() ? InterpretarData(t.texto, dia) : std::nullopt;
        if (!d)
            return ErroDeUso(QStringLiteral("a data de --hoje (%1) não é uma data válida; use DD/MM/AAAA")
                                 .arg(*opcoes.hoje));
        dia = *d;
    }
    // The program folder by the window program's own rule, so that the settings are those the
    // print dialog would use.
    std::optional<std::string> valorDiretorio;
    if (opcoes.diretorio)
        valorDiretorio = opcoes.diretorio->toStdString();
    const PastaEscolhida escolhida =
        EscolherPastaPrograma(valorDiretorio, LocaisPadrao(PastaDoExecutavel()), true);
    if (!escolhida.erro.empty()) {
        Erro(QString::fromStdString(escolhida.erro));
        return kSaidaArgumentosInvalidos;
    }
    const std::filesystem::path pasta = escolhida.pasta;
    // The default printer's page, as the window program takes it.
    ServicosImpressaoQt impressao;

    if (emLote) {
        const QString pastaSaida = *opcoes.pastaPdf;
        if (!QDir().mkpath(pastaSaida)) {
            Erro(QStringLiteral("a pasta %1 não existe e não pôde ser criada.")
                     .arg(QDir::toNativeSeparators(pastaSaida)));
            return kSaidaArgumentosInvalidos;
        }
        GeradorPdf::RemoverTemporariosAntigos(pastaSaida, inicio);
        GeradorPdf gerador(pasta, dia, impressao);
        return ExecutarLote(gerador, *opcoes.lote, pastaSaida, opcoes.substituir, dia, stderr);
    }

    // The person is checked as the entry dialog checks it: the date first, the name as given.
    const VerificacaoCliente v = VerificarCliente(*opcoes.nome, *opcoes.data, dia, {}, false);
    if (!v.ok()) {
        Erro(v.Mensagem());
        return kSaidaArgumentosInvalidos;
    }
    GeradorPdf::RemoverTemporariosAntigos(QFileInfo(*opcoes.pdf).absolutePath(), inicio);
    GeradorPdf gerador(pasta, dia, impressao);
    const ResultadoQt<void> gravado =
        gerador.Gravar(v.nomeAnalise, v.nascimento, *opcoes.pdf, opcoes.substituir, v.nomeDigitado);
    if (!gravado) {
        Erro(QStringLiteral("não foi possível gravar o arquivo PDF %1: %2.")
                 .arg(QDir::toNativeSeparators(*opcoes.pdf), gravado.error()));
        return kSaidaFalha;
    }
    AvisarRodapeProvisorio(gerador);
    return kSaidaSucesso;
}

} // namespace oraculandia
