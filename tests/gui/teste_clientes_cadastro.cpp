// The register of clients (clientes.db) in a temporary folder: adding, changing, deleting and
// finding clients; searches without case and accents; the same person only once; the last
// analysis; the layout and its version; an import that fails half-way.
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include "app/qt/esquema_programa.h"
#include "clientes/qt/cadastro_clientes.h"
#include "clientes/qt/esquema_clientes.h"
#include "clientes/qt/regras_cliente.h"
#include "engine/cp1252.h"
#include "engine/entrada.h"
#include "estudo/qt/esquema_estudo.h"
#include "teste_clientes_apoio.h"

using namespace oraculandia;
using namespace oraculandia::teste;

class TesteClientesCadastro : public QObject {
    Q_OBJECT
private slots:
    void incluirAlterarExcluirEncontrar();
    void buscaSemMaiusculasNemAcentos();
    void mesmaPessoaUmaVezSo();
    void registrarAnalise();
    void esquemaVersionado();
    void importacaoTudoOuNada();
    void regraDoNomeComoNoMotor();
    void passosDoProgramaUmaVezEmOrdem();
};

void TesteClientesCadastro::incluirAlterarExcluirEncontrar() {
    QTemporaryDir pasta;
    QString erro;
    auto c = AbrirCadastro(pasta.path(), &erro);
    QVERIFY2(c, qPrintable(erro));
    QCOMPARE(c->Arquivo(), pasta.filePath(QStringLiteral("clientes.db")));
    QVERIFY(QFile::exists(c->Arquivo()));

    const ResultadoCadastro a =
        c->Adicionar(Novo("Maria da Conceição", "15/03/1970", "Vem todo ano;\n\"pontual\""), kHojeClientes);
    QCOMPARE(a.situacao, SituacaoCadastro::Ok);
    QVERIFY(a.id > 0);
    const ResultadoCadastro b = c->Adicionar(Novo("  João Batista  ", "2/1/85"), kHojeClientes);
    QCOMPARE(b.situacao, SituacaoCadastro::Ok);
    QCOMPARE(c->Contar().value_or(-1), qint64{2});

    auto m = c->Obter(a.id).value();
    QVERIFY(m);
    QCOMPARE(m->nome, QStringLiteral("Maria da Conceição"));
    QCOMPARE(m->nomeBusca, QStringLiteral("MARIA DA CONCEICAO"));
    QCOMPARE(m->nascimento, (Data{15, 3, 1970}));
    QCOMPARE(m->observacoes, QStringLiteral("Vem todo ano;\n\"pontual\""));
    QVERIFY(!m->ultimaAnalise);
    auto j = c->Obter(b.id).value();
    QCOMPARE(j->nome, QStringLiteral("João Batista")); // blanks around the name dropped
    QCOMPARE(j->nascimento, (Data{2, 1, 1985}));       // the entry's century window

    // The list: in the order of the folded names, dates as shown.
    std::vector<ClienteListado> linhas;
    linhas = c->Buscar(QString()).value();
    QCOMPARE(linhas.size(), std::size_t{2});
    QCOMPARE(linhas[0].nome, QStringLiteral("João Batista"));
    QCOMPARE(linhas[0].nascimento, QStringLiteral("02/01/1985"));
    QCOMPARE(linhas[0].ultimaAnalise, QString());
    QCOMPARE(linhas[1].nome, QStringLiteral("Maria da Conceição"));

    // Change: name, date and notes.
    const ResultadoCadastro alt =
        c->Alterar(a.id, Novo("Maria da Conceição Souza", "16/03/1970", "outra nota"));
    QCOMPARE(alt.situacao, SituacaoCadastro::Ok);
    m = c->Obter(a.id).value();
    QCOMPARE(m->nome, QStringLiteral("Maria da Conceição Souza"));
    QCOMPARE(m->nomeBusca, QStringLiteral("MARIA DA CONCEICAO SOUZA"));
    QCOMPARE(m->nascimento, (Data{16, 3, 1970}));
    QCOMPARE(m->observacoes, QStringLiteral("outra nota"));
    // Changing one client into another is refused, and changes nothing.
    QCOMPARE(c->Alterar(a.id, Novo("JOAO BATISTA", "02/01/1985")).situacao, SituacaoCadastro::Repetido);
    QCOMPARE(c->Obter(a.id).value()->nome, QStringLiteral("Maria da Conceição Souza"));

    // Delete.
    QCOMPARE(c->Excluir(b.id).situacao, SituacaoCadastro::Ok);
    QCOMPARE(c->Excluir(b.id).situacao, SituacaoCadastro::NaoEncontrado);
    QCOMPARE(c->Alterar(b.id, Novo("Pedro Alves", "01/01/2000")).situacao, SituacaoCadastro::NaoEncontrado);
    QVERIFY(!c->Obter(b.id).value());
    QCOMPARE(Nomes(*c, QString()), QStringList{QStringLiteral("Maria da Conceição Souza")});

    // Everything is in the file: a new connection sees it.
    c.reset();
    c = AbrirCadastro(pasta.path(), &erro);
    QVERIFY2(c, qPrintable(erro));
    QCOMPARE(Nomes(*c, QString()), QStringList{QStringLiteral("Maria da Conceição Souza")});
}

void TesteClientesCadastro::buscaSemMaiusculasNemAcentos() {
    QTemporaryDir pasta;
    QString erro;
    auto c = AbrirCadastro(pasta.path(), &erro);
    QVERIFY2(c, qPrintable(erro));
    for (const char* nome : {"MARIA DA CONCEIÇÃO", "Maria da Conceicao Lima", "José Antônio Müller",
                             "ANA PAULA ÁVILA", "Conceição Ávila Neto", "Paulo Freire"})
        QVERIFY(c->Adicionar(Novo(nome, "10/10/1990"), kHojeClientes).ok());

    QCOMPARE(Nomes(*c, QStringLiteral("conceicao")),
             (QStringList{QStringLiteral("Conceição Ávila Neto"), QStringLiteral("MARIA DA CONCEIÇÃO"),
                          QStringLiteral("Maria da Conceicao Lima")}));
    QCOMPARE(Nomes(*c, QStringLiteral("CONCEIÇÃO")), Nomes(*c, QStringLiteral("conceicao")));
    QCOMPARE(Nomes(*c, QStringLiteral("cOnCeIçãO")), Nomes(*c, QStringLiteral("conceicao")));
    // Accents typed as separate marks (decomposed) count as the letter with its accent.
    QCOMPARE(Nomes(*c, QStringLiteral("conceic\u0327a\u0303o")), Nomes(*c, QStringLiteral("conceicao")));
    QCOMPARE(Nomes(*c, QStringLiteral("muller")), QStringList{QStringLiteral("José Antônio Müller")});
    QCOMPARE(Nomes(*c, QStringLiteral("antonio jose")), QStringList{QStringLiteral("José Antônio Müller")});
    // Every word must be there, anywhere in the name.
    QCOMPARE(Nomes(*c, QStringLiteral("avila conceicao")),
             QStringList{QStringLiteral("Conceição Ávila Neto")});
    QCOMPARE(Nomes(*c, QStringLiteral("  avila  ")),
             (QStringList{QStringLiteral("ANA PAULA ÁVILA"), QStringLiteral("Conceição Ávila Neto")}));
    QCOMPARE(Nomes(*c, QStringLiteral("paula freire")), QStringList());
    QCOMPARE(Nomes(*c, QStringLiteral("%")), QStringList()); // no pattern characters
    QCOMPARE(Nomes(*c, QStringLiteral("_")), QStringList());
    QCOMPARE(Nomes(*c, QStringLiteral("★")), QStringList()); // a character no name can hold
    QCOMPARE(Nomes(*c, QString()).size(), 6);
}

void TesteClientesCadastro::mesmaPessoaUmaVezSo() {
    QTemporaryDir pasta;
    QString erro;
    auto c = AbrirCadastro(pasta.path(), &erro);
    QVERIFY2(c, qPrintable(erro));
    QVERIFY(c->Adicionar(Novo("Maria da Conceição", "15/03/1970"), kHojeClientes).ok());
    // Same person: case, accents and blanks around do not make another one.
    QCOMPARE(c->Adicionar(Novo("MARIA DA CONCEICAO ", "15/3/1970"), kHojeClientes).situacao,
             SituacaoCadastro::Repetido);
    // Another birth date is another person.
    QVERIFY(c->Adicionar(Novo("MARIA DA CONCEICAO", "15/03/1971"), kHojeClientes).ok());
    QCOMPARE(*c->Contar(), qint64{2});
    // A client that did not pass the checks is never recorded.
    VerificacaoCliente ruim =
        VerificarCliente(QStringLiteral("Ana"), QStringLiteral("01/01/2000"), kHojeClientes);
    QVERIFY(!ruim.ok());
    QCOMPARE(c->Adicionar(ruim, kHojeClientes).situacao, SituacaoCadastro::Falha);
    QCOMPARE(*c->Contar(), qint64{2});
}

void TesteClientesCadastro::registrarAnalise() {
    QTemporaryDir pasta;
    QString erro;
    auto c = AbrirCadastro(pasta.path(), &erro);
    QVERIFY2(c, qPrintable(erro));
    const ResultadoCadastro a =
        c->Adicionar(Novo("Maria da Conceição", "15/03/1970", "nota"), Data{1, 1, 2025});
    // The entry dialog's person, as typed there: the same client gets the date of the analysis.
    const ResultadoCadastro r = c->RegistrarAnalise(Novo("maria da conceicao", "15/03/1970"), kHojeClientes);
    QCOMPARE(r.situacao, SituacaoCadastro::Ok);
    QCOMPARE(r.id, a.id);
    auto m = c->Obter(a.id).value();
    QCOMPARE(m->ultimaAnalise, std::optional<Data>(kHojeClientes));
    QCOMPARE(m->nome, QStringLiteral("Maria da Conceição")); // the register keeps its own spelling
    QCOMPARE(m->observacoes, QStringLiteral("nota"));
    // A new person is added, with the date.
    const ResultadoCadastro n = c->RegistrarAnalise(Novo("Pedro Álvares", "22/04/1990"), kHojeClientes);
    QVERIFY(n.ok());
    QVERIFY(n.id != a.id);
    m = c->Obter(n.id).value();
    QCOMPARE(m->nome, QStringLiteral("Pedro Álvares"));
    QCOMPARE(m->ultimaAnalise, std::optional<Data>(kHojeClientes));
    std::vector<ClienteListado> linhas;
    linhas = c->Buscar(QStringLiteral("pedro")).value();
    QCOMPARE(linhas.at(0).ultimaAnalise, QStringLiteral("07/12/2026"));
    QCOMPARE(*c->Contar(), qint64{2});
}

void TesteClientesCadastro::esquemaVersionado() {
    QTemporaryDir pasta;
    QString erro;
    {
        auto c = AbrirCadastro(pasta.path(), &erro);
        QVERIFY2(c, qPrintable(erro));
        QSqlQuery q(c->Banco());
        QVERIFY(q.exec(QStringLiteral("PRAGMA user_version")) && q.next());
        QCOMPARE(q.value(0).toInt(), VersaoEsquemaAtual(PassosEsquemaPrograma()));
        QCOMPARE(VersaoEsquemaAtual(PassosEsquemaPrograma()), 2);
        QVERIFY(q.exec(QStringLiteral("PRAGMA journal_mode")) && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("wal"));
        QVERIFY(q.exec(QStringLiteral("PRAGMA foreign_keys")) && q.next());
        QCOMPARE(q.value(0).toInt(), 1);
        QVERIFY(q.exec(QStringLiteral("SELECT sql FROM sqlite_master WHERE name = 'clientes'")) && q.next());
        QVERIFY(q.value(0).toString().contains(QStringLiteral("UNIQUE (nome_busca, nascimento)")));
    }
    // Opening again applies nothing twice.
    auto c = AbrirCadastro(pasta.path(), &erro);
    QVERIFY2(c, qPrintable(erro));
    QVERIFY(c->Adicionar(Novo("Maria da Silva", "01/02/1990"), kHojeClientes).ok());
}

void TesteClientesCadastro::importacaoTudoOuNada() {
    QTemporaryDir pasta;
    QString erro;
    auto c = AbrirCadastro(pasta.path(), &erro);
    QVERIFY2(c, qPrintable(erro));
    QVERIFY(c->Adicionar(Novo("Maria da Conceição", "15/03/1970"), kHojeClientes).ok());

    std::vector<VerificacaoCliente> lista = {
        Novo("Ana Paula Lima", "01/01/1990"), Novo("MARIA DA CONCEICAO", "15/03/1970"), // already there
        Novo("Pedro Alves", "02/02/1992"), Novo("ana paula lima", "1/1/1990")};         // twice in the list
    ResultadoImportacao r = c->Importar(lista, kHojeClientes);
    QVERIFY2(r.has_value(), qPrintable(r ? QString() : r.error()));
    QCOMPARE(r->adicionados, 2);
    QCOMPARE(r->repetidos, 2);
    QCOMPARE(*c->Contar(), qint64{3});

    // A failure in the middle (here a rule another program put in the file refuses one client):
    // nothing of the list stays.
    QVERIFY(QSqlQuery(c->Banco())
                .exec(QStringLiteral(
                    "CREATE TRIGGER recusa BEFORE INSERT ON clientes WHEN NEW.nome_busca = 'FALHA NO MEIO' "
                    "BEGIN SELECT RAISE(ABORT, 'recusado'); END")));
    lista = {Novo("Clara Nunes", "12/08/1942"), Novo("Falha no meio", "01/01/2001"),
             Novo("Elis Regina", "17/03/1945")};
    r = c->Importar(lista, kHojeClientes);
    QVERIFY(!r.has_value());
    QVERIFY(r.error().contains(QStringLiteral("recusado")));
    QCOMPARE(*c->Contar(), qint64{3});
    QCOMPARE(Nomes(*c, QStringLiteral("clara")), QStringList());
    // The register is still usable afterwards.
    QVERIFY(c->Adicionar(Novo("Clara Nunes", "12/08/1942"), kHojeClientes).ok());
}

// The register's name checks are the engine's rule (VerificarNomeUtf8) with the windows' options:
// the blanks removed are those of QString::trimmed, the limit counts as QString::size does, and a
// spelling is a name of the entry or one with a letter.
void TesteClientesCadastro::regraDoNomeComoNoMotor() {
    for (char32_t c = 0; c < 0x10000; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF)
            continue;
        const QString q(QChar(static_cast<char16_t>(c)));
        QCOMPARE(AparaBrancos(CodigoParaUtf8(c)).empty(), q.trimmed().isEmpty());
    }
    const QStringList pedacos = {QStringLiteral("a"),      QStringLiteral("Ç"),  QStringLiteral("e\u0301"),
                                 QStringLiteral(" "),      QStringLiteral("\t"), QStringLiteral("\u00A0"),
                                 QStringLiteral("\u2003"), QStringLiteral("€"),  QStringLiteral("ł"),
                                 QStringLiteral("\u0081"), QStringLiteral("1"),  QStringLiteral("😀"),
                                 QStringLiteral("\n")};
    QRandomGenerator r(20261209);
    for (int i = 0; i < 4000; ++i) {
        QString nome;
        // Some names around the limit of the boxes, most of them short.
        if (i % 50 == 0)
            nome = QString(kMaximoNomeCliente - 3 + static_cast<int>(r.bounded(4)), u'a');
        for (int n = static_cast<int>(r.bounded(8)); n > 0; --n)
            nome += pedacos[static_cast<int>(r.bounded(pedacos.size()))];
        for (bool aparar : {true, false}) {
            const VerificacaoCliente v = VerificarNome(nome, aparar);
            const QString composto = QString::fromStdString(ComporAcentos(nome.toStdString()));
            const QString esperado = aparar ? composto.trimmed() : composto;
            QCOMPARE(v.recusa == Recusa::NomeVazio, esperado.isEmpty());
            QCOMPARE(v.recusa == Recusa::NomeLongo,
                     !esperado.isEmpty() && esperado.size() > kMaximoNomeCliente);
            const NomeVerificado m =
                VerificarNomeUtf8(nome.toStdString(), RegrasNome{aparar, kMaximoNomeCliente});
            QCOMPARE(v.ok(), m.ok());
            if (v.ok()) {
                QCOMPARE(v.nome, esperado);
                QCOMPARE(v.nomeDigitado, m.cp1252);
                QCOMPARE(v.nomeAnalise, NormalizarNome(m.cp1252));
                QCOMPARE(v.chave, ChaveDeBusca(esperado));
            }
            const VerificacaoCliente g = VerificarGrafia(nome, aparar);
            const bool curtaComLetra =
                v.recusa == Recusa::NomeCurto && TemLetra(Utf8ParaCp1252(esperado.toStdString()).texto);
            QCOMPARE(g.ok(), v.ok() || curtaComLetra);
            QCOMPARE(g.recusa, curtaComLetra ? Recusa::Nenhuma : v.recusa);
            if (g.ok())
                QCOMPARE(g.nome, esperado);
        }
    }
}

// The program's steps: the register's own, then the study's, each version once and in order of
// version, the last one the version this program writes.
void TesteClientesCadastro::passosDoProgramaUmaVezEmOrdem() {
    const std::vector<PassoEsquema> passos = PassosEsquemaPrograma();
    QCOMPARE(passos.size(), std::size_t{2});
    QCOMPARE(passos[0].versao, 1);
    QVERIFY(passos[0].instrucoes.at(0).startsWith(QStringLiteral("CREATE TABLE clientes (")));
    QCOMPARE(passos[0].instrucoes, PassosEsquemaClientes().at(0).instrucoes);
    QCOMPARE(passos[1].versao, 2);
    QCOMPARE(passos[1].instrucoes, PassosEsquemaEstudo().at(0).instrucoes);
    QCOMPARE(PassosEsquemaClientes().size() + PassosEsquemaEstudo().size(), passos.size());
}

QTEST_GUILESS_MAIN(TesteClientesCadastro)
#include "teste_clientes_cadastro.moc"
