// Client lists as spreadsheet files: splitting the text (quotes, ";" and line breaks inside
// fields, the three kinds of line end, blank lines, broken quoting), the encodings, the checks of
// each line by the entry's rules, the exact bytes written, a round trip, and files that must be
// refused (missing, a folder, a named pipe or a device, too large).
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <sys/stat.h>

#include "clientes/qt/csv_clientes.h"

using namespace oraculandia;

namespace {

constexpr Data kHoje{7, 12, 2026};

QList<QStringList> Campos(const QString& texto) {
    QList<QStringList> r;
    for (const RegistroCsv& reg : DividirCsv(texto))
        r << reg.campos;
    return r;
}

QList<int> Linhas(const QString& texto) {
    QList<int> r;
    for (const RegistroCsv& reg : DividirCsv(texto))
        r << reg.linha;
    return r;
}

QString Decodificar(const QByteArray& bytes, QString* erro = nullptr) {
    const ResultadoQt<TextoCsv> lido = DecodificarCsv(bytes);
    if (!lido) {
        if (erro)
            *erro = lido.error();
        return QStringLiteral("<recusado>");
    }
    return lido->texto;
}

void Gravar(const QString& caminho, const QByteArray& bytes) {
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Reads a file in a child process (this program with --filho-ler), so that a reader that blocks
// cannot stop the test: "ok <n>" with the length of the text, or the reason of the refusal.
QString LerNoFilho(const QString& caminho, bool* terminou) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--filho-ler"), caminho});
    *terminou = p.waitForFinished(10000);
    if (!*terminou) {
        p.kill();
        p.waitForFinished(5000);
    }
    return QString::fromUtf8(p.readAll()).trimmed();
}

} // namespace

int FilhoLer(const char* caminho) {
    const ResultadoQt<TextoCsv> lido = LerArquivoCsv(QString::fromLocal8Bit(caminho));
    if (!lido) {
        std::printf("%s\n", lido.error().toUtf8().constData());
        return 1;
    }
    std::printf("ok %lld\n", static_cast<long long>(lido->texto.size()));
    return 0;
}

class TesteClientesCsv : public QObject {
    Q_OBJECT
private slots:
    void camposSimples();
    void camposEntreAspas();
    void finsDeLinhaELinhasEmBranco();
    void aspasMalFormadas();
    void codificacoes();
    void verificacaoDasLinhas();
    void bytesGravados();
    void idaEVolta();
    void formulasProtegidas();
    void codificacaoPorLinha();
    void arquivosRecusados();
    void gravacaoSemMeioArquivo();
};

void TesteClientesCsv::camposSimples() {
    QCOMPARE(
        Campos(QStringLiteral("Maria;15/03/1970;nota\nJoão;01/02/1990")),
        (QList<QStringList>{{QStringLiteral("Maria"), QStringLiteral("15/03/1970"), QStringLiteral("nota")},
                            {QStringLiteral("João"), QStringLiteral("01/02/1990")}}));
    // Empty fields, a trailing separator, blanks kept as written.
    QCOMPARE(Campos(QStringLiteral(" Ana ;;\n")),
             (QList<QStringList>{{QStringLiteral(" Ana "), QString(), QString()}}));
    QCOMPARE(Campos(QString()), QList<QStringList>());
}

void TesteClientesCsv::camposEntreAspas() {
    const QString texto =
        QStringLiteral("\"Silva; Maria\";\"15/03/1970\";\"Disse \"\"sim\"\";\nvolta em março\"\r\n"
                       "Pedro;02/02/1992;\"\"\r\n");
    const auto r = DividirCsv(texto);
    QCOMPARE(r.size(), std::size_t{2});
    QCOMPARE(r[0].campos, (QStringList{QStringLiteral("Silva; Maria"), QStringLiteral("15/03/1970"),
                                       QStringLiteral("Disse \"sim\";\nvolta em março")}));
    QCOMPARE(r[0].linha, 1);
    QVERIFY(!r[0].aspasAbertas);
    QCOMPARE(r[1].campos, (QStringList{QStringLiteral("Pedro"), QStringLiteral("02/02/1992"), QString()}));
    QCOMPARE(r[1].linha, 3); // the line break inside the quotes counts
}

void TesteClientesCsv::finsDeLinhaELinhasEmBranco() {
    QCOMPARE(Campos(QStringLiteral("a;1\r\nb;2\rc;3\nd;4")).size(), 4);
    QCOMPARE(Linhas(QStringLiteral("a;1\r\nb;2\rc;3\nd;4")), (QList<int>{1, 2, 3, 4}));
    // Blank lines and the ";;" rows of empty spreadsheet lines are skipped; line numbers go on.
    QCOMPARE(Linhas(QStringLiteral("\n\na;1\n   \n;;\n ; ;\nb;2\n\n")), (QList<int>{3, 7}));
    // A quoted empty field is a record (it is refused later, not silently dropped).
    QCOMPARE(Campos(QStringLiteral("\"\"\n")), (QList<QStringList>{{QString()}}));
}

void TesteClientesCsv::aspasMalFormadas() {
    // A quote inside an unquoted field is a character; text after a closing quote is kept.
    QCOMPARE(Campos(QStringLiteral("Ana \"Nina\" Souza;01/01/1990\n\"Ana\" Souza;01/01/1990")),
             (QList<QStringList>{{QStringLiteral("Ana \"Nina\" Souza"), QStringLiteral("01/01/1990")},
                                 {QStringLiteral("Ana Souza"), QStringLiteral("01/01/1990")}}));
    // A quote never closed: the record takes the rest of the file and is marked, nothing lost.
    const auto r = DividirCsv(QStringLiteral("Ana;01/01/1990\n\"Pedro;02/02/1992\nJoão;03/03/1993\n"));
    QCOMPARE(r.size(), std::size_t{2});
    QVERIFY(!r[0].aspasAbertas);
    QVERIFY(r[1].aspasAbertas);
    QCOMPARE(r[1].linha, 2);
    QCOMPARE(r[1].campos.join(u'|'), QStringLiteral("Pedro;02/02/1992\nJoão;03/03/1993\n"));
    // Quotes alone, in any number, never crash.
    for (const QString& t :
         {QStringLiteral("\""), QStringLiteral("\"\"\""), QStringLiteral(";\""), QStringLiteral("\"a\"\"")})
        QVERIFY(!DividirCsv(t).empty());
}

void TesteClientesCsv::codificacoes() {
    const QString esperado = QStringLiteral("Conceição;15/03/1970");
    QCOMPARE(Decodificar(esperado.toUtf8()), esperado);
    QCOMPARE(Decodificar("\xEF\xBB\xBF" + esperado.toUtf8()), esperado);
    // Not UTF-8: the Windows code page of older spreadsheets.
    QCOMPARE(Decodificar(QByteArray("Concei\xE7\xE3o;15/03/1970")), esperado);
    QCOMPARE(Decodificar(QByteArray("\x93"
                                    "aspas\x94")),
             QStringLiteral("\u201Caspas\u201D"));
    QString erro;
    QCOMPARE(Decodificar(QByteArray("\xFF\xFEN\0o\0", 6), &erro), QStringLiteral("<recusado>"));
    QVERIFY(erro.startsWith(QStringLiteral("o arquivo está em UTF-16")));
    QCOMPARE(Decodificar(QByteArray("Ana;01/01/1990\0x", 16), &erro), QStringLiteral("<recusado>"));
    QCOMPARE(erro, QStringLiteral("o arquivo contém bytes nulos e não parece ser um arquivo de texto CSV"));
}

void TesteClientesCsv::verificacaoDasLinhas() {
    const QString texto = QStringLiteral("Nome;Nascimento;Observações\n"               // 1 header
                                         "Maria da Conceição;15/3/70;cliente antiga\n" // 2 ok, two-digit year
                                         "Ana;01/01/1990;\n"                           // 3 name too short
                                         "Pedro Alves;31/02/1990;\n"                   // 4 impossible date
                                         "Sem Data Nenhuma\n"                          // 5 no date
                                         "Zeca ★ Lima;01/01/1990;\n"     // 6 character outside Windows-1252
                                         "João Batista;01/01/1990;a;b\n" // 7 four columns
                                         "\"Lia\tMaria\";01/01/1990;\n"  // 8 control character in the name
                                         "José Silva;01/01/1990;;;\n"    // 9 ok: empty extra columns
                                         "\"Rita\nLee\";01/01/1990\n"    // 10 line break in the name
                                         "Ana Paula;;\n"                 // 12 empty date
                                         "Carla Souza;1/1\n");           // 13 ok: this year
    const ClientesCsv c = VerificarCsv(DividirCsv(texto), kHoje);
    QCOMPARE(c.validos.size(), std::size_t{3});
    QCOMPARE(c.linhas, (std::vector<int>{2, 9, 13}));
    QCOMPARE(c.validos[0].nome, QStringLiteral("Maria da Conceição"));
    QCOMPARE(c.validos[0].nascimento, (Data{15, 3, 1970}));
    QCOMPARE(c.validos[0].nomeAnalise, std::string("MARIA DA CONCEICAO"));
    QCOMPARE(c.validos[0].observacoes, QStringLiteral("cliente antiga"));
    QCOMPARE(c.validos[2].nascimento, (Data{1, 1, 2026}));

    QStringList recusas;
    for (const LinhaRecusada& r : c.recusadas)
        recusas << QStringLiteral("%1: %2").arg(r.linha).arg(r.motivo);
    QCOMPARE(
        recusas,
        (QStringList{
            QStringLiteral("3: nome incompleto (menos de 5 caracteres)"),
            QStringLiteral("4: data de nascimento inválida (\"31/02/1990\")"),
            QStringLiteral("5: falta a data de nascimento"),
            QStringLiteral("6: o nome tem caracteres que o programa não consegue usar: \"★\""),
            QStringLiteral("7: a linha tem 4 colunas; o arquivo deve ter 3 (nome;nascimento;observacoes), e "
                           "um texto com \";\" deve estar entre aspas"),
            QStringLiteral("8: o nome tem caracteres de controle (quebras de linha, tabulações)"),
            QStringLiteral("10: o nome tem caracteres de controle (quebras de linha, tabulações)"),
            QStringLiteral("12: falta a data de nascimento"),
        }));

    // Without a header the first line is a client; limits of typed values hold for the file.
    const ClientesCsv s = VerificarCsv(
        DividirCsv(QStringLiteral("Maria Souza;01/01/1990;%1\n%2;01/01/1990\n")
                       .arg(QString(kMaximoObservacoes + 1, u'x'), QString(kMaximoNomeCliente + 1, u'y'))),
        kHoje);
    QCOMPARE(s.validos.size(), std::size_t{0});
    QCOMPARE(s.recusadas.size(), std::size_t{2});
    QCOMPARE(s.recusadas[0].motivo, QStringLiteral("observações com mais de 20000 caracteres"));
    QCOMPARE(s.recusadas[1].motivo, QStringLiteral("nome com mais de 32767 caracteres"));
}

void TesteClientesCsv::bytesGravados() {
    Cliente a;
    a.nome = QStringLiteral("Maria da Conceição");
    a.nascimento = Data{15, 3, 1970};
    a.observacoes = QStringLiteral("Disse \"sim\"; volta em março\ncom a filha");
    Cliente b;
    b.nome = QStringLiteral("Pedro Alves");
    b.nascimento = Data{2, 2, 1992};
    QCOMPARE(EscreverCsv({a, b}),
             QByteArray("\xEF\xBB\xBFnome;nascimento;observacoes\r\n") +
                 QStringLiteral(
                     "Maria da Conceição;15/03/1970;\"Disse \"\"sim\"\"; volta em março\ncom a filha\"\r\n"
                     "Pedro Alves;02/02/1992;\r\n")
                     .toUtf8());
    QCOMPARE(CampoCsv(QStringLiteral(" com brancos ")), QStringLiteral("\" com brancos \""));
    QCOMPARE(CampoCsv(QStringLiteral("simples")), QStringLiteral("simples"));
}

void TesteClientesCsv::idaEVolta() {
    std::vector<Cliente> clientes;
    const QStringList notas = {QStringLiteral("ação; coração; \"aspas\" e 'apóstrofos'"),
                               QStringLiteral("linha um\nlinha dois\n\nlinha quatro"),
                               QString(),
                               QStringLiteral("\"começa e termina com aspas\""),
                               QStringLiteral(";"),
                               QStringLiteral("tabulação\tno meio")};
    const QStringList nomes = {QStringLiteral("Maria da Conceição"), QStringLiteral("João D'Ávila"),
                               QStringLiteral("Ana \"Nina\" Souza"), QStringLiteral("Müller; Hans"),
                               QStringLiteral("Zoë Ñandú Peña"),     QStringLiteral("Œdipo Æsir Šimon")};
    for (int i = 0; i < nomes.size(); ++i) {
        Cliente c;
        c.nome = nomes[i];
        c.nascimento = Data{1 + i, 1 + i, 1950 + i};
        c.observacoes = notas[i];
        clientes.push_back(c);
    }
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("clientes.csv"));
    const ResultadoQt<void> gravado = GravarArquivo(arquivo, EscreverCsv(clientes));
    QVERIFY2(gravado.has_value(), qPrintable(gravado ? QString() : gravado.error()));
    const ResultadoQt<TextoCsv> lido = LerArquivoCsv(arquivo);
    QVERIFY2(lido.has_value(), qPrintable(lido ? QString() : lido.error()));
    const ClientesCsv lidos = VerificarCsv(DividirCsv(lido->texto), kHoje);
    QVERIFY(lidos.recusadas.empty());
    QCOMPARE(lidos.validos.size(), clientes.size());
    for (std::size_t i = 0; i < clientes.size(); ++i) {
        QCOMPARE(lidos.validos[i].nome, clientes[i].nome);
        QCOMPARE(lidos.validos[i].nascimento, clientes[i].nascimento);
        QCOMPARE(lidos.validos[i].observacoes, clientes[i].observacoes);
    }
}

// Every field that a spreadsheet would run as a formula leaves with an apostrophe in front, and
// every field comes back exactly as it left, apostrophes of its own included.
void TesteClientesCsv::formulasProtegidas() {
    QCOMPARE(CampoCsv(QStringLiteral("=HYPERLINK(\"http://x.invalid\")")),
             QStringLiteral("\"'=HYPERLINK(\"\"http://x.invalid\"\")\""));
    QCOMPARE(CampoCsv(QStringLiteral("+cmd|' /C calc'!A0")), QStringLiteral("'+cmd|' /C calc'!A0"));
    QCOMPARE(CampoCsv(QStringLiteral("'=1")), QStringLiteral("''=1"));
    QCOMPARE(CampoCsv(QStringLiteral("D'Arc")), QStringLiteral("D'Arc"));
    QCOMPARE(CampoCsv(QStringLiteral("'a")), QStringLiteral("'a"));
    const QStringList inicios = {QString(),
                                 QStringLiteral("="),
                                 QStringLiteral("+"),
                                 QStringLiteral("-"),
                                 QStringLiteral("@"),
                                 QStringLiteral("\t"),
                                 QStringLiteral("\r"),
                                 QStringLiteral("'"),
                                 QStringLiteral("''"),
                                 QStringLiteral("'="),
                                 QStringLiteral("''-"),
                                 QStringLiteral("'\t")};
    const QStringList restos = {QString(), QStringLiteral("SOMA(A1:A9)"), QStringLiteral("1;2"),
                                QStringLiteral("a\"b\nc"), QStringLiteral(" ")};
    int protegidos = 0;
    for (const QString& a : inicios)
        for (const QString& b : restos) {
            const QString campo = a + b;
            const QString escrito = CampoCsv(campo);
            const QString sem = escrito.startsWith(u'"') ? escrito.mid(1) : escrito;
            // What a spreadsheet sees first is never the start of a formula.
            QVERIFY2(sem.isEmpty() || !QStringLiteral("=+-@\t\r").contains(sem[0]), qPrintable(escrito));
            protegidos += sem.startsWith(u'\'') && !campo.startsWith(u'\'') ? 1 : 0;
            const auto r = DividirCsv(QStringLiteral("x;%1;y\r\n").arg(escrito));
            QCOMPARE(r.size(), std::size_t{1});
            QCOMPARE(r[0].campos, (QStringList{QStringLiteral("x"), campo, QStringLiteral("y")}));
        }
    QCOMPARE(protegidos, 6 * static_cast<int>(restos.size()));
}

// One stray byte changes only its own line; the user is told which lines were read how.
void TesteClientesCsv::codificacaoPorLinha() {
    const QByteArray utf8 = QStringLiteral("José Silva;01/01/1970\n").toUtf8();
    auto ler = [](const QByteArray& bytes, QString* aviso) {
        const ResultadoQt<TextoCsv> lido = DecodificarCsv(bytes);
        [&] { QVERIFY2(lido.has_value(), qPrintable(lido ? QString() : lido.error())); }();
        *aviso = lido ? lido->aviso : QString();
        return lido ? lido->texto : QString();
    };
    QString aviso;
    QString texto = ler(utf8 + "Ana \xFF\xFE Lima;02/02/1980\n" + utf8, &aviso);
    QCOMPARE(texto, QStringLiteral("José Silva;01/01/1970\nAna ÿþ Lima;02/02/1980\nJosé Silva;01/01/1970\n"));
    QCOMPARE(aviso, QStringLiteral("o arquivo está em UTF-8, mas a linha 2 foi lida como Windows-1252"));
    texto = ler("\xEF\xBB\xBF" + utf8 + "Jo\xE3o;1/1/1990\r\n\n" + utf8 + "Concei\xE7\xE3o;2/2/1990", &aviso);
    QCOMPARE(texto,
             QStringLiteral(
                 "José Silva;01/01/1970\nJoão;1/1/1990\r\n\nJosé Silva;01/01/1970\nConceição;2/2/1990"));
    QCOMPARE(aviso,
             QStringLiteral("o arquivo está em UTF-8, mas as linhas 2 e 5 foram lidas como Windows-1252"));
    // Wholly in the old code page, or wholly UTF-8 (no notice).
    QCOMPARE(ler("Jos\xE9 Silva;01/01/1970\nPl\xE1"
                 "cido;1/1/1990\n",
                 &aviso),
             QStringLiteral("José Silva;01/01/1970\nPlácido;1/1/1990\n"));
    QCOMPARE(aviso, QStringLiteral("o arquivo não está em UTF-8 e foi lido como Windows-1252"));
    QCOMPARE(ler(utf8 + utf8, &aviso), QString::fromUtf8(utf8 + utf8));
    QVERIFY(aviso.isEmpty());
}

void TesteClientesCsv::arquivosRecusados() {
    QTemporaryDir pasta;
    ResultadoQt<TextoCsv> lido = LerArquivoCsv(pasta.filePath(QStringLiteral("nada.csv")));
    QVERIFY(!lido.has_value());
    QCOMPARE(lido.error(), QStringLiteral("o arquivo não existe"));
    lido = LerArquivoCsv(pasta.path());
    QVERIFY(!lido.has_value());
    QCOMPARE(lido.error(), QStringLiteral("é uma pasta, não um arquivo"));

    // A named pipe with nobody writing, and a device: refused at once, never waited on.
    const QString fifo = pasta.filePath(QStringLiteral("canal.csv"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0644) == 0);
    bool terminou = false;
    QCOMPARE(LerNoFilho(fifo, &terminou),
             QStringLiteral("não é um arquivo comum (é um dispositivo ou um canal de comunicação)"));
    QVERIFY2(terminou, "reading a named pipe did not return");
    QCOMPARE(LerNoFilho(QStringLiteral("/dev/zero"), &terminou),
             QStringLiteral("não é um arquivo comum (é um dispositivo ou um canal de comunicação)"));
    QVERIFY(terminou);
    // A link to the pipe is the pipe.
    const QString ligacao = pasta.filePath(QStringLiteral("ligacao.csv"));
    QVERIFY(QFile::link(fifo, ligacao));
    QCOMPARE(LerNoFilho(ligacao, &terminou),
             QStringLiteral("não é um arquivo comum (é um dispositivo ou um canal de comunicação)"));

    // Too large: refused whole, not read in part.
    const QString grande = pasta.filePath(QStringLiteral("grande.csv"));
    {
        QFile f(grande);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.resize(kMaximoArquivoCsv + 1));
    }
    lido = LerArquivoCsv(grande);
    QVERIFY(!lido.has_value());
    QCOMPARE(lido.error(), QStringLiteral("o arquivo tem mais de 32 MB; divida-o em arquivos menores"));

    // An ordinary file, through the child too (the child's own check).
    const QString comum = pasta.filePath(QStringLiteral("comum.csv"));
    Gravar(comum, "Ana Paula;01/01/1990\n");
    QCOMPARE(LerNoFilho(comum, &terminou), QStringLiteral("ok 21"));
}

void TesteClientesCsv::gravacaoSemMeioArquivo() {
    QTemporaryDir pasta;
    const QString arquivo = pasta.filePath(QStringLiteral("clientes.csv"));
    Gravar(arquivo, "anterior");
    // A folder that does not exist: nothing written, the error told.
    const ResultadoQt<void> recusado = GravarArquivo(pasta.filePath(QStringLiteral("nao/existe.csv")), "x");
    QVERIFY(!recusado.has_value());
    QVERIFY(recusado.error().startsWith(QStringLiteral("o arquivo não pôde ser criado")));
    // Replacing: the new content whole, and no temporary file left behind.
    QVERIFY(GravarArquivo(arquivo, "novo conteúdo").has_value());
    QFile f(arquivo);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("novo conteúdo"));
    QCOMPARE(QDir(pasta.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("clientes.csv")});
}

int main(int argc, char* argv[]) {
    if (argc >= 3 && std::strcmp(argv[1], "--filho-ler") == 0)
        return FilhoLer(argv[2]);
    QCoreApplication app(argc, argv);
    TesteClientesCsv teste;
    return QTest::qExec(&teste, argc, argv);
}

#include "teste_clientes_csv.moc"
