#include "app/qt/linha_de_comando.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

namespace oraculandia {

namespace {

// QCommandLineParser's own messages, looked up in its translation context.
QString TextoDoAnalisador(const char* texto) {
    return QCoreApplication::translate("QCommandLineParser", texto);
}

} // namespace

OpcoesLinhaDeComando LerLinhaDeComando(const QStringList& argumentos) {
    QCommandLineParser analisador;
    analisador.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QStringList nomesAjuda{QStringLiteral("ajuda"), QStringLiteral("help"), QStringLiteral("h"),
                                 QStringLiteral("?"), QStringLiteral("help-all")};
    const QCommandLineOption ajuda(nomesAjuda);
    const QCommandLineOption versao(QStringLiteral("version"));
    auto comValor = [](const char* nome) {
        return QCommandLineOption(QString::fromLatin1(nome), QString(), QStringLiteral("X"));
    };
    const QCommandLineOption diretorio = comValor("diretorio");
    const QCommandLineOption semAbertura(QStringLiteral("sem-abertura"));
    const QCommandLineOption fecharApos = comValor("fechar-apos");
    const QCommandLineOption nome = comValor("nome");
    const QCommandLineOption data = comValor("data");
    const QCommandLineOption pdf = comValor("pdf");
    const QCommandLineOption hoje = comValor("hoje");
    const QCommandLineOption lote = comValor("lote");
    const QCommandLineOption pastaPdf = comValor("pasta-pdf");
    const QCommandLineOption substituir(QStringLiteral("substituir"));
    for (const QCommandLineOption& o : {ajuda, versao, diretorio, semAbertura, fecharApos, nome, data, pdf,
                                        hoje, lote, pastaPdf, substituir})
        analisador.addOption(o);
    // Qt's own options, taken here so that QApplication still finds them.
    for (const char* qt : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                           "qwindowicon", "qwindowtitle", "session", "style", "stylesheet", "display",
                           "geometry", "title", "name", "qmljsdebugger"})
        analisador.addOption(comValor(qt));
    for (const char* qt : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        analisador.addOption(QCommandLineOption(QString::fromLatin1(qt)));

    OpcoesLinhaDeComando r;
    r.aceita = analisador.parse(argumentos);
    if (!r.aceita)
        r.erroDoAnalisador = analisador.errorText();
    r.desconhecidas = analisador.unknownOptionNames();
    r.sobras = analisador.positionalArguments();
    if (!argumentos.isEmpty())
        r.ultimo = argumentos.back();
    r.versao = argumentos.mid(1).contains(QStringLiteral("--version"));

    auto valor = [&analisador](const QCommandLineOption& o) -> std::optional<QString> {
        if (!analisador.isSet(o))
            return std::nullopt;
        return analisador.value(o);
    };
    r.ajuda = analisador.isSet(ajuda);
    r.diretorio = valor(diretorio);
    r.semAbertura = analisador.isSet(semAbertura);
    r.fecharApos = valor(fecharApos);
    r.nome = valor(nome);
    r.data = valor(data);
    r.pdf = valor(pdf);
    r.hoje = valor(hoje);
    r.lote = valor(lote);
    r.pastaPdf = valor(pastaPdf);
    r.substituir = analisador.isSet(substituir);
    r.relatorios = r.nome || r.data || r.pdf || r.hoje || r.lote || r.pastaPdf || r.substituir;
    for (const QString& n : analisador.optionNames())
        if (nomesAjuda.contains(n) || n == versao.names().front())
            r.soDaJanela << n;
    return r;
}

QString RecusaDaJanela(const OpcoesLinhaDeComando& o) {
    if (o.aceita && o.sobras.isEmpty())
        return {};
    if (!o.desconhecidas.isEmpty()) {
        const QString& nome = o.desconhecidas.front();
        return QStringLiteral("opção desconhecida: %1%2")
            .arg(nome.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), nome);
    }
    if (!o.sobras.isEmpty())
        return QStringLiteral("argumento inesperado: %1").arg(o.sobras.front());
    // The one other refusal: an option that takes a value, given last without it.
    QString ultima = o.ultimo;
    while (ultima.startsWith(u'-'))
        ultima.remove(0, 1);
    return QStringLiteral("falta o valor da opção --%1").arg(ultima);
}

QString RecusaDosRelatorios(const OpcoesLinhaDeComando& o) {
    // A missing or unexpected value first, as the parser words it; then the unknown options, among
    // them the window's help and version.
    static const QRegularExpression semValor(QStringLiteral("^Missing value after '(.*)'\\.$"));
    static const QRegularExpression valorInesperado(QStringLiteral("^Unexpected value after '(.*)'\\.$"));
    if (const auto m = semValor.match(o.erroDoAnalisador); m.hasMatch())
        return TextoDoAnalisador("Missing value after '%1'.").arg(m.captured(1));
    if (const auto m = valorInesperado.match(o.erroDoAnalisador); m.hasMatch())
        return TextoDoAnalisador("Unexpected value after '%1'.").arg(m.captured(1));
    const QStringList desconhecidas = o.desconhecidas + o.soDaJanela;
    if (desconhecidas.size() == 1)
        return TextoDoAnalisador("Unknown option '%1'.").arg(desconhecidas.front());
    if (desconhecidas.size() > 1)
        return TextoDoAnalisador("Unknown options: %1.").arg(desconhecidas.join(QStringLiteral(", ")));
    if (!o.aceita)
        return o.erroDoAnalisador;
    if (!o.sobras.isEmpty())
        return QStringLiteral("argumento inesperado: %1").arg(o.sobras.front());
    return {};
}

} // namespace oraculandia
