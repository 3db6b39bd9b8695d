// The window program's command line, read once: the values for the window and for the reports,
// and each refusal in the words of the part that refuses it (the reports word the parser's
// complaints as a parser of their own options alone would).
#include <QCommandLineParser>
#include <QTest>
#include <vector>

#include "app/qt/linha_de_comando.h"

using namespace oraculandia;

namespace {

// The program's name, then `argumentos`.
QStringList Linha(const std::vector<const char*>& argumentos) {
    QStringList r{QStringLiteral("oraculandia")};
    for (const char* a : argumentos)
        r << QString::fromUtf8(a);
    return r;
}

// A parser of the report options alone: the words its complaint has.
QString QueixaDosRelatorios(const QStringList& argumentos) {
    QCommandLineParser p;
    for (const char* nome : {"diretorio", "nome", "data", "pdf", "hoje", "lote", "pasta-pdf", "fechar-apos"})
        p.addOption(QCommandLineOption(QString::fromLatin1(nome), QString(), QStringLiteral("X")));
    p.addOption(QCommandLineOption(QStringLiteral("substituir")));
    p.addOption(QCommandLineOption(QStringLiteral("sem-abertura")));
    return p.parse(argumentos) ? QString() : p.errorText();
}

} // namespace

class TesteLinhaDeComando : public QObject {
    Q_OBJECT

private slots:
    void valoresDaJanelaEDosRelatorios() {
        const OpcoesLinhaDeComando j = LerLinhaDeComando(Linha(
            {"--sem-abertura", "-diretorio", "D", "--fechar-apos=5", "-platform", "offscreen", "-reverse"}));
        QVERIFY(j.aceita && !j.relatorios && !j.versao && !j.ajuda && j.semAbertura);
        QCOMPARE(j.diretorio, std::optional<QString>(QStringLiteral("D")));
        QCOMPARE(j.fecharApos, std::optional<QString>(QStringLiteral("5")));
        QCOMPARE(RecusaDaJanela(j), QString());

        const OpcoesLinhaDeComando r = LerLinhaDeComando(Linha(
            {"--nome=Maria", "--data", "01/01/1990", "--pdf", "a.pdf", "--pdf", "b.pdf", "--substituir"}));
        QVERIFY(r.relatorios && r.substituir && !r.lote && !r.hoje);
        QCOMPARE(r.nome, std::optional<QString>(QStringLiteral("Maria")));
        QCOMPARE(r.pdf, std::optional<QString>(QStringLiteral("b.pdf"))); // the last one given
        QCOMPARE(RecusaDosRelatorios(r), QString());

        // The version is answered whatever else the line holds; "-version" is not it.
        QVERIFY(LerLinhaDeComando(Linha({"--zzz", "--nome", "X", "--version"})).versao);
        QVERIFY(!LerLinhaDeComando(Linha({"-version"})).versao);
        QVERIFY(LerLinhaDeComando(Linha({"-?"})).ajuda);
    }

    void recusas() {
        const struct {
            std::vector<const char*> argumentos;
            const char* janela;
        } janela[] = {{{"-x"}, "opção desconhecida: -x"},
                      {{"--zzz", "sobra"}, "opção desconhecida: --zzz"},
                      {{"--sem-abertura", "sobra"}, "argumento inesperado: sobra"},
                      {{"--fechar-apos"}, "falta o valor da opção --fechar-apos"},
                      {{"--sem-abertura=1"}, "falta o valor da opção --sem-abertura=1"}};
        for (const auto& c : janela)
            QCOMPARE(RecusaDaJanela(LerLinhaDeComando(Linha(c.argumentos))), QString::fromUtf8(c.janela));

        // With report options the window's help and version are unknown options too.
        for (std::vector<const char*> resto :
             std::initializer_list<std::vector<const char*>>{{"--zzz"},
                                                             {"--zzz", "--yyy"},
                                                             {"--substituir=1"},
                                                             {"--hoje"},
                                                             {"--zzz", "--data"},
                                                             {"--ajuda"},
                                                             {"-h"},
                                                             {"--help-all", "sobra"}}) {
            resto.insert(resto.begin(), {"--nome", "X"});
            const QStringList linha = Linha(resto);
            const QString esperada = QueixaDosRelatorios(linha);
            QVERIFY2(!esperada.isEmpty(), qPrintable(linha.join(u' ')));
            QCOMPARE(RecusaDosRelatorios(LerLinhaDeComando(linha)), esperada);
        }
        QCOMPARE(RecusaDosRelatorios(LerLinhaDeComando(Linha({"--lote", "a.csv", "sobra"}))),
                 QStringLiteral("argumento inesperado: sobra"));
    }
};

QTEST_MAIN(TesteLinhaDeComando)
#include "teste_linha_de_comando.moc"
