#include "clientes/qt/csv_clientes.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <filesystem>

#include "dados/arquivos.h"
#include "layout/qt/cp1252_qt.h"
#include "programa/qt/caminhos_qt.h"

namespace oraculandia {

namespace {

// The first characters that make a spreadsheet take a cell as a formula (or, for tab and CR,
// that some of them drop before doing so).
bool IniciaFormula(QChar c) {
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

// True when a field leaves as "'" + field: it starts a formula, or it starts with the mark
// itself before what the reader would take away (so that the round trip is exact).
bool PrecisaApostrofo(const QString& campo) {
    if (campo.isEmpty())
        return false;
    if (IniciaFormula(campo[0]))
        return true;
    return campo[0] == u'\'' && campo.size() > 1 && (IniciaFormula(campo[1]) || campo[1] == u'\'');
}

// A field as the file holds it, without the apostrophe that protects a formula.
QString SemApostrofo(QString campo) {
    if (campo.size() > 1 && campo[0] == u'\'' && (IniciaFormula(campo[1]) || campo[1] == u'\''))
        campo.remove(0, 1);
    return campo;
}

} // namespace

std::vector<RegistroCsv> DividirCsv(QStringView texto) {
    std::vector<RegistroCsv> registros;
    const qsizetype n = texto.size();
    qsizetype i = 0;
    int linha = 1;
    while (i < n) {
        RegistroCsv r;
        r.linha = linha;
        QString campo;
        bool citado = false; // the record has a quoted field (so it is not a blank line)
        bool fim = false;
        while (!fim) {
            if (i < n && texto[i] == u'"') {
                // A quoted field: up to the closing quote; "" is one quote.
                citado = true;
                ++i;
                bool fechado = false;
                while (i < n) {
                    const QChar c = texto[i];
                    if (c == u'"') {
                        if (i + 1 < n && texto[i + 1] == u'"') {
                            campo += u'"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        fechado = true;
                        break;
                    }
                    if (c == u'\n' || (c == u'\r' && !(i + 1 < n && texto[i + 1] == u'\n')))
                        ++linha;
                    campo += c;
                    ++i;
                }
                if (!fechado) {
                    r.aspasAbertas = true;
                    r.campos << campo;
                    registros.push_back(std::move(r));
                    return registros;
                }
            }
            // The unquoted part (or what follows a closing quote), up to ";" or the line's end.
            while (i < n && texto[i] != u';' && texto[i] != u'\n' && texto[i] != u'\r') {
                campo += texto[i];
                ++i;
            }
            r.campos << SemApostrofo(campo);
            campo.clear();
            if (i >= n) {
                fim = true;
            } else if (texto[i] == u';') {
                ++i;
            } else {
                // CR LF, LF or CR alone end the record.
                if (texto[i] == u'\r' && i + 1 < n && texto[i + 1] == u'\n')
                    ++i;
                ++i;
                ++linha;
                fim = true;
            }
        }
        // Blank lines, and the ";;" lines that spreadsheets write for empty rows, are skipped.
        bool vazia = !citado;
        for (const QString& c : r.campos)
            vazia = vazia && c.trimmed().isEmpty();
        if (!vazia)
            registros.push_back(std::move(r));
    }
    return registros;
}

namespace {

// "3", "3 e 7", "3, 7 e 9"; past ten lines, the first ten and how many more.
QString ListaDeLinhas(const std::vector<int>& linhas) {
    QStringList nomes;
    for (std::size_t i = 0; i < linhas.size() && i < 10; ++i)
        nomes << QString::number(linhas[i]);
    if (linhas.size() > 10)
        nomes << QStringLiteral("outras %1").arg(linhas.size() - 10);
    const QString ultimo = nomes.takeLast();
    return nomes.isEmpty() ? ultimo : nomes.join(QStringLiteral(", ")) + QStringLiteral(" e ") + ultimo;
}

} // namespace

ResultadoQt<TextoCsv> DecodificarCsv(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return Falha(QStringLiteral("o arquivo está em UTF-16; salve-o na planilha como \"CSV UTF-8\" ou "
                                    "\"CSV (separado por vírgulas)\""));
    if (bytes.contains('\0'))
        return Falha(QStringLiteral("o arquivo contém bytes nulos e não parece ser um arquivo de texto CSV"));
    QByteArrayView dados(bytes);
    if (dados.startsWith("\xEF\xBB\xBF"))
        dados = dados.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    TextoCsv lido{utf8.decode(dados), {}};
    if (!utf8.hasError())
        return lido;
    QString& texto = lido.texto;
    // Not all UTF-8. Decided line by line: one stray byte must not turn the accents of every
    // other line into nonsense. A line that is not UTF-8 is read in the Windows code page of
    // older spreadsheets, in which every byte is a character; the user is told which lines.
    texto.clear();
    std::vector<int> emCp1252;
    bool haUtf8 = false; // a line with accents that is valid UTF-8
    int linha = 1;
    qsizetype inicio = 0;
    while (inicio < dados.size()) {
        qsizetype fim = dados.indexOf('\n', inicio);
        fim = fim < 0 ? dados.size() : fim + 1;
        const QByteArrayView trecho = dados.sliced(inicio, fim - inicio);
        QStringDecoder d(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString linhaLida = d.decode(trecho);
        if (d.hasError()) {
            emCp1252.push_back(linha);
            texto +=
                Cp1252ParaQString(std::string_view(trecho.data(), static_cast<std::size_t>(trecho.size())));
        } else {
            haUtf8 = haUtf8 || linhaLida.size() != trecho.size();
            texto += linhaLida;
        }
        ++linha;
        inicio = fim;
    }
    {
        QString* aviso = &lido.aviso;
        if (!haUtf8)
            *aviso = QStringLiteral("o arquivo não está em UTF-8 e foi lido como Windows-1252");
        else
            *aviso = QStringLiteral("o arquivo está em UTF-8, mas %1 %2 foi lid%3 como Windows-1252")
                         .arg(emCp1252.size() == 1 ? QStringLiteral("a linha") : QStringLiteral("as linhas"),
                              ListaDeLinhas(emCp1252),
                              emCp1252.size() == 1 ? QStringLiteral("a") : QStringLiteral("as"));
        if (haUtf8 && emCp1252.size() > 1)
            aviso->replace(QStringLiteral(" foi lidas "), QStringLiteral(" foram lidas "));
    }
    return lido;
}

ResultadoQt<TextoCsv> LerArquivoCsv(const QString& caminho) {
    const QString limite = QStringLiteral("o arquivo tem mais de %1 MB; divida-o em arquivos menores")
                               .arg(kMaximoArquivoCsv / (1024 * 1024));
    // The program's own reader of data files: regular files only, recognised without blocking (a
    // named pipe under the name would otherwise wait for a writer forever). One byte more than
    // the limit tells a file that is too large, which is refused rather than cut.
    arquivos::Situacao situacao = arquivos::Situacao::Ilegivel;
    const auto trecho = arquivos::Ler(CaminhoDeQString(caminho), 0,
                                      static_cast<std::size_t>(kMaximoArquivoCsv) + 1, false, &situacao);
    if (!trecho) {
        // Only the words of the message depend on what is there (looked at without opening it).
        const QFileInfo info(caminho);
        if (situacao == arquivos::Situacao::Ausente)
            return Falha(QStringLiteral("o arquivo não existe"));
        if (info.isDir())
            return Falha(QStringLiteral("é uma pasta, não um arquivo"));
        if (info.exists() && !info.isFile())
            return Falha(
                QStringLiteral("não é um arquivo comum (é um dispositivo ou um canal de comunicação)"));
        return Falha(QStringLiteral("o arquivo não permite leitura"));
    }
    if (trecho->tamanho > static_cast<uint64_t>(kMaximoArquivoCsv) ||
        trecho->bytes.size() > static_cast<std::size_t>(kMaximoArquivoCsv))
        return Falha(limite);
    return DecodificarCsv(QByteArray(trecho->bytes.data(), static_cast<qsizetype>(trecho->bytes.size())));
}

bool EhCabecalhoCsv(const RegistroCsv& r) {
    return !r.aspasAbertas && r.campos.size() >= 2 &&
           ChaveDeBusca(r.campos[0].trimmed()) == QStringLiteral("NOME") &&
           ChaveDeBusca(r.campos[1].trimmed()).startsWith(QStringLiteral("NASC"));
}

ResultadoQt<VerificacaoCliente> VerificarRegistroCsv(const RegistroCsv& r, const Data& hoje) {
    if (r.aspasAbertas)
        return Falha(QStringLiteral("aspas abertas e nunca fechadas: o restante do arquivo, a partir desta "
                                    "linha, não pôde ser lido"));
    qsizetype colunas = r.campos.size();
    while (colunas > 3 && r.campos[colunas - 1].trimmed().isEmpty())
        --colunas;
    if (colunas > 3)
        return Falha(
            QStringLiteral("a linha tem %1 colunas; o arquivo deve ter 3 (nome;nascimento;observacoes), "
                           "e um texto com \";\" deve estar entre aspas")
                .arg(colunas));
    VerificacaoCliente v =
        VerificarCliente(r.campos.value(0), r.campos.value(1), hoje, r.campos.value(2), true);
    if (!v.ok())
        return Falha(v.Motivo());
    return v;
}

ClientesCsv VerificarCsv(const std::vector<RegistroCsv>& registros, const Data& hoje) {
    ClientesCsv resultado;
    for (std::size_t i = 0; i < registros.size(); ++i) {
        const RegistroCsv& r = registros[i];
        if (i == 0 && EhCabecalhoCsv(r))
            continue;
        auto v = VerificarRegistroCsv(r, hoje);
        if (!v) {
            resultado.recusadas.push_back({r.linha, v.error()});
            continue;
        }
        resultado.validos.push_back(std::move(*v));
        resultado.linhas.push_back(r.linha);
    }
    return resultado;
}

QString CampoCsv(const QString& dado) {
    const QString campo = PrecisaApostrofo(dado) ? u'\'' + dado : dado;
    const bool aspas = campo.contains(u';') || campo.contains(u'"') || campo.contains(u'\n') ||
                       campo.contains(u'\r') || campo.startsWith(u' ') || campo.endsWith(u' ');
    if (!aspas)
        return campo;
    QString r = campo;
    r.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + r + u'"';
}

QByteArray EscreverCsv(const std::vector<Cliente>& clientes) {
    QString texto = QStringLiteral("nome;nascimento;observacoes\r\n");
    for (const Cliente& c : clientes) {
        texto += CampoCsv(c.nome) + u';' + CampoCsv(DataExibida(c.nascimento)) + u';' +
                 CampoCsv(c.observacoes) + QStringLiteral("\r\n");
    }
    // The mark tells spreadsheets that the text is UTF-8 (without it, accents come out wrong).
    return QByteArray("\xEF\xBB\xBF") + texto.toUtf8();
}

ResultadoQt<void> GravarArquivo(const QString& caminho, const QByteArray& bytes) {
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly))
        return Falha(QStringLiteral("o arquivo não pôde ser criado (verifique se a pasta existe e permite "
                                    "gravação)"));
    if (arquivo.write(bytes) != bytes.size() || !arquivo.commit())
        return Falha(QStringLiteral("o arquivo não pôde ser gravado por completo (o disco pode estar cheio); "
                                    "nenhum arquivo anterior foi alterado"));
    return {};
}

} // namespace oraculandia
