#include "clientes/qt/regras_cliente.h"

#include <QStringList>

#include "engine/entrada.h"
#include "layout/qt/cp1252_qt.h"

namespace oraculandia {

namespace {

// The refused characters as the entry dialog lists them: "x", "y".
QString ListaDeCaracteres(const std::vector<char32_t>& invalidos) {
    QStringList lista;
    for (char32_t c : invalidos) {
        lista << (c == 0xFFFD ? QStringLiteral("bytes que não formam texto")
                              : QStringLiteral("\"%1\"").arg(QString::fromStdString(CodigoParaUtf8(c))));
    }
    return lista.join(QStringLiteral(", "));
}

bool ControleProibidoNasObservacoes(const QString& texto) {
    for (QChar c : texto) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != u'\t' && u != u'\n') || u == 0x7F)
            return true;
    }
    return false;
}

} // namespace

QString VerificacaoCliente::Mensagem() const {
    switch (recusa) {
    case Recusa::Nenhuma:
        return {};
    case Recusa::DataInvalida:
        return QString::fromUtf8(kMensagemDataInvalida);
    case Recusa::NomeVazio:
    case Recusa::NomeCurto:
        return QString::fromUtf8(kMensagemNomeCurto);
    case Recusa::NomeComInvalidos:
        return QStringLiteral("O nome informado contém caracteres que o programa não consegue usar numa "
                              "análise: %1. Digite o nome novamente sem esses caracteres.")
            .arg(detalhe);
    case Recusa::NomeComControle:
        return QString::fromUtf8(kMensagemNomeComControle);
    case Recusa::NomeLongo:
        return QStringLiteral("O nome informado tem mais de %1 caracteres. Digite um nome mais curto.")
            .arg(kMaximoNomeCliente);
    case Recusa::ObservacoesInvalidas:
        return QStringLiteral("As observações contêm caracteres de controle que não podem ser guardados. "
                              "Use apenas texto, tabulações e quebras de linha.");
    case Recusa::ObservacoesLongas:
        return QStringLiteral("As observações têm mais de %1 caracteres. Resuma o texto e tente novamente.")
            .arg(kMaximoObservacoes);
    }
    return {};
}

QString VerificacaoCliente::Motivo() const {
    switch (recusa) {
    case Recusa::Nenhuma:
        return {};
    case Recusa::DataInvalida:
        return detalhe.isEmpty() ? QStringLiteral("falta a data de nascimento")
                                 : QStringLiteral("data de nascimento inválida (\"%1\")").arg(detalhe);
    case Recusa::NomeVazio:
        return QStringLiteral("falta o nome");
    case Recusa::NomeComInvalidos:
        return QStringLiteral("o nome tem caracteres que o programa não consegue usar: %1").arg(detalhe);
    case Recusa::NomeComControle:
        return QStringLiteral("o nome tem caracteres de controle (quebras de linha, tabulações)");
    case Recusa::NomeCurto:
        return QStringLiteral("nome incompleto (menos de 5 caracteres)");
    case Recusa::NomeLongo:
        return QStringLiteral("nome com mais de %1 caracteres").arg(kMaximoNomeCliente);
    case Recusa::ObservacoesInvalidas:
        return QStringLiteral("as observações têm caracteres de controle");
    case Recusa::ObservacoesLongas:
        return QStringLiteral("observações com mais de %1 caracteres").arg(kMaximoObservacoes);
    }
    return {};
}

VerificacaoCliente VerificarCliente(const QString& nome, const QString& data, const Data& hoje,
                                    const QString& observacoes, bool aparar) {
    VerificacaoCliente v;

    // The date first, as the entry dialog does: a wrong date is reported even with a wrong name.
    const ConversaoCp1252 dataCp = QStringParaCp1252(data);
    const auto nascimento = dataCp.ok() ? InterpretarData(dataCp.texto, hoje) : std::nullopt;
    if (!nascimento) {
        v.recusa = Recusa::DataInvalida;
        v.detalhe = data.trimmed();
        return v;
    }
    v.nascimento = *nascimento;

    const VerificacaoCliente nomeVerificado = VerificarNome(nome, aparar);
    if (!nomeVerificado.ok()) {
        v.recusa = nomeVerificado.recusa;
        v.detalhe = nomeVerificado.detalhe;
        return v;
    }

    QString obs = observacoes;
    obs.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    obs.replace(u'\r', u'\n');
    if (obs.size() > kMaximoObservacoes) {
        v.recusa = Recusa::ObservacoesLongas;
        return v;
    }
    if (ControleProibidoNasObservacoes(obs)) {
        v.recusa = Recusa::ObservacoesInvalidas;
        return v;
    }
    v.nome = nomeVerificado.nome;
    v.nomeAnalise = nomeVerificado.nomeAnalise;
    v.nomeDigitado = nomeVerificado.nomeDigitado;
    v.chave = nomeVerificado.chave;
    // Never a null text: the register stores notes as text, empty or not.
    v.observacoes = obs.isNull() ? QStringLiteral("") : obs;
    return v;
}

namespace {

// The engine's rule (VerificarNomeUtf8) with the windows' options, its refusal turned into the
// register's kinds and messages.
VerificacaoCliente VerificarComRegras(const QString& nome, bool aparar, ExigenciaNome exigencia) {
    const NomeVerificado n =
        VerificarNomeUtf8(nome.toStdString(), RegrasNome{aparar, kMaximoNomeCliente, exigencia});
    VerificacaoCliente v;
    switch (n.recusa) {
    case RecusaNome::Nenhuma:
        v.nome = QString::fromStdString(n.utf8);
        v.nomeAnalise = n.analise;
        v.nomeDigitado = n.cp1252;
        v.chave = Cp1252ParaQString(v.nomeAnalise);
        break;
    case RecusaNome::Vazio:
        v.recusa = Recusa::NomeVazio;
        break;
    case RecusaNome::Longo:
        v.recusa = Recusa::NomeLongo;
        break;
    case RecusaNome::ComInvalidos:
        v.recusa = Recusa::NomeComInvalidos;
        v.detalhe = ListaDeCaracteres(n.invalidos);
        break;
    case RecusaNome::ComControle:
        v.recusa = Recusa::NomeComControle;
        break;
    case RecusaNome::Curto:
    case RecusaNome::SemLetra: // a spelling of the study: reported as a name too short
        v.recusa = Recusa::NomeCurto;
        break;
    }
    return v;
}

} // namespace

VerificacaoCliente VerificarNome(const QString& nome, bool aparar) {
    return VerificarComRegras(nome, aparar, ExigenciaNome::NomeCompleto);
}

bool TemLetra(const std::string& nomeCp1252) {
    return TemLetraCp1252(nomeCp1252);
}

VerificacaoCliente VerificarGrafia(const QString& nome, bool aparar) {
    return VerificarComRegras(nome, aparar, ExigenciaNome::NomeCompletoOuUmaLetra);
}

QString MensagemEstudo(const VerificacaoCliente& v, bool nascimento) {
    if (v.ok())
        return {};
    if (v.recusa == Recusa::NomeCurto || v.recusa == Recusa::NomeVazio)
        return nascimento
                   ? QStringLiteral("No Estudo do Nome, o nome de nascimento é o nome completo da pessoa, "
                                    "com pelo menos 5 caracteres. Digite-o novamente.")
                   : QStringLiteral("No Estudo do Nome, cada grafia (apelido, nome artístico, "
                                    "assinatura...) precisa ter pelo menos uma letra. Digite-a "
                                    "novamente.");
    return QStringLiteral("No Estudo do Nome, %1 não pode ser usad%2: %3")
        .arg(nascimento ? QStringLiteral("este nome de nascimento") : QStringLiteral("esta grafia"),
             nascimento ? QStringLiteral("o") : QStringLiteral("a"), v.Mensagem());
}

QString ChaveDeBusca(const QString& texto) {
    const QString t = QString::fromStdString(ComporAcentos(texto.toStdString()));
    QString chave;
    chave.reserve(t.size());
    for (QChar c : t) {
        const auto byte = UnicodeParaCp1252(c.unicode());
        if (!byte) {
            chave += c.toUpper();
            continue;
        }
        const std::string dobrado = NormalizarNome(std::string(1, static_cast<char>(*byte)));
        chave += QChar(static_cast<char16_t>(Cp1252ParaUnicode(static_cast<unsigned char>(dobrado[0]))));
    }
    return chave;
}

QString DataIso(const Data& d) {
    return QStringLiteral("%1-%2-%3")
        .arg(d.ano, 4, 10, QLatin1Char('0'))
        .arg(d.mes, 2, 10, QLatin1Char('0'))
        .arg(d.dia, 2, 10, QLatin1Char('0'));
}

std::optional<Data> LerDataIso(QStringView texto) {
    if (texto.size() != 10 || texto[4] != u'-' || texto[7] != u'-')
        return std::nullopt;
    bool a = false, m = false, d = false;
    const Data data{texto.mid(8, 2).toInt(&d), texto.mid(5, 2).toInt(&m), texto.mid(0, 4).toInt(&a)};
    if (!a || !m || !d || !DataValida(data))
        return std::nullopt;
    return data;
}

QString DataExibida(const Data& d) {
    return QString::fromStdString(FormatarData(d));
}

Data DataDe(const QDate& d) {
    return Data{d.day(), d.month(), d.year()};
}

} // namespace oraculandia
