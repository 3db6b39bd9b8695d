// Creating an analysis from the main window: the entry dialog, the question about the analysis
// already shown, the sounds, the new viewer with all its pages (more than 21 when the analysis
// needs them), the page buttons with their beeps, and the status line across several viewers.
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "apoio/filhos.h"
#include "apoio/principal_teste.h"
#include "app/qt/frmEntraNome.h"
#include "layout/percurso.h"
#include "viewer/qt/armazem_paginas.h"
#include "viewer/qt/frmExibeRelatorio.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

// Answers the entry dialog of the next cmdCriaAnalise: fills it in and presses Analisar, or
// cancels it when `nome` is empty.
void ResponderEntrada(const QString& data, const QString& nome) {
    AoAbrirModal([data, nome](QWidget* w) {
        auto* d = qobject_cast<frmEntraNome*>(w);
        QVERIFY(d);
        if (nome.isEmpty()) {
            Filho<QPushButton>(*d, "cmdCancelar")->click();
            return;
        }
        Filho<QLineEdit>(*d, "txtDataNasc")->setText(data);
        Filho<QLineEdit>(*d, "txtNome")->setText(nome);
        Filho<QPushButton>(*d, "cmdOk")->click();
    });
}

frmExibeRelatorio* Criar(PrincipalTeste& t, const QString& data, const QString& nome) {
    ResponderEntrada(data, nome);
    Filho<QToolButton>(*t.janela, "cmdCriaAnalise")->click();
    return t.janela->JanelaAtiva();
}

int Janelas(PrincipalTeste& t) {
    return static_cast<int>(Filho<QMdiArea>(*t.janela, "areaMdi")->subWindowList().size());
}

} // namespace

class TesteAnalise : public QObject {
    Q_OBJECT

private slots:
    void analiseCompletaNumaJanelaNova() {
        PrincipalTeste t(true, true);
        t.janela->show();
        QVERIFY(QTest::qWaitForWindowExposed(t.janela.get()));
        t.ambiente.sons.tocados.clear();
        frmExibeRelatorio* v = Criar(t, QStringLiteral("15/03/1970"), QStringLiteral("maria da conceição"));
        QVERIFY(v);
        Programa& p = *t.ambiente.programa;
        QCOMPARE(QString::fromStdString(p.NomeCompleto), QStringLiteral("MARIA DA CONCEICAO"));
        QCOMPARE(QString::fromStdString(p.DataNascimento), QStringLiteral("15/03/1970"));
        QCOMPARE(v->NomeAnalisado(), p.NomeCompleto);
        QVERIFY(v->TotalDePaginas() >= 10);
        QCOMPARE(v->PaginasNaMemoria(), v->TotalDePaginas());
        QCOMPARE(v->PaginaExibida(), 1);
        QCOMPARE(t.janela->Status(), QStringLiteral("Navegando: Página 1 de %1").arg(v->TotalDePaginas()));
        QCOMPARE(p.MargensImpressao.Esquerda, 10.0f);
        QCOMPARE(p.MargensImpressao.Superior, 5.0f);
        // The waiting sound loops until the first page's sound cuts it.
        QCOMPARE(t.ambiente.sons.tocados.size(), 2);
        QVERIFY(t.ambiente.sons.tocados[0].caminho.endsWith(QStringLiteral("aguarda.wav")));
        QVERIFY(t.ambiente.sons.tocados[0].repetir);
        QVERIFY(t.ambiente.sons.tocados[1].caminho.endsWith(QStringLiteral("virafolh.wav")));
        QVERIFY(QApplication::overrideCursor() == nullptr);
        // Every page carries ink: header on the first, text on all.
        for (int n = 0; n < v->TotalDePaginas(); ++n) {
            const QImage img = v->Armazem().Imagem(n + 1, 1).value();
            int escuros = 0;
            for (int y = 0; y < img.height(); y += 3)
                for (int x = 0; x < img.width(); x += 3)
                    escuros += qGray(img.pixel(x, y)) < 128;
            QVERIFY2(escuros > 200, qPrintable(QStringLiteral("page %1").arg(n + 1)));
        }
    }

    void nadaSelecionadoUmaPagina() {
        PrincipalTeste t(true, true);
        t.ambiente.programa->Configuracao.CalculosSelecionados.fill(kDesligado);
        GravarSelecaoComplementos(t.ambiente.programa->PreferenciasPrograma, SelecaoComplementos{});
        frmExibeRelatorio* v = Criar(t, QStringLiteral("20/08/1978"), QStringLiteral("ANA SILVA"));
        QVERIFY(v);
        QCOMPARE(v->TotalDePaginas(), 1);
        QCOMPARE(t.janela->Status(), QStringLiteral("Navegando: Página 1 de 1"));
        // One-page analysis: both page buttons only beep, and no sound is played.
        t.ambiente.sons.tocados.clear();
        Filho<QToolButton>(*t.janela, "picAvanca")->click();
        Filho<QToolButton>(*t.janela, "picVolta")->click();
        QCOMPARE(t.ambiente.mensagens.bipes, 2);
        QVERIFY(t.ambiente.sons.tocados.isEmpty());
        QCOMPARE(v->PaginaExibida(), 1);
    }

    void maisDeVinteEUmaPaginas() {
        PrincipalTeste t(true, true);
        // Large type makes the analysis far longer than the 21 pages of a fixed store.
        t.ambiente.programa->Fontes.FonteCorpo.Tamanho = 22;
        t.ambiente.programa->Fontes.FonteDescricao.Tamanho = 22;
        frmExibeRelatorio* v = Criar(t, QStringLiteral("20/08/1978"), QStringLiteral("ANA SILVA"));
        QVERIFY(v);
        QVERIFY2(v->TotalDePaginas() > 21, qPrintable(QString::number(v->TotalDePaginas())));
        QCOMPARE(v->PaginasNaMemoria(), v->TotalDePaginas());
        v->ExibePagina(v->TotalDePaginas());
        QCOMPARE(v->ImagemExibida().cacheKey(),
                 v->Armazem().Imagem(v->TotalDePaginas(), v->RazaoPixels()).value().cacheKey());
    }

    void fonteDe200PontosAbreComMemoriaLimitada() {
        PrincipalTeste t(true, true);
        t.ambiente.programa->Fontes.FonteCorpo.Tamanho = 200;
        frmExibeRelatorio* v = Criar(t, QStringLiteral("20/08/1978"), QStringLiteral("ANA SILVA"));
        QVERIFY(v);
        const int total = v->TotalDePaginas();
        QVERIFY2(total > 1000, qPrintable(QString::number(total)));
        QCOMPARE(t.janela->Status(), QStringLiteral("Navegando: Página 1 de %1").arg(total));
        ArmazemPaginas& armazem = v->Armazem();
        // The recorded pages hold a few hundred bytes each; a handful of page images at most.
        QVERIFY2(armazem.BytesListas() < std::size_t{2} * 1024 * static_cast<std::size_t>(total),
                 qPrintable(QString::number(armazem.BytesListas())));
        v->ExibePagina(total);
        v->ExibePagina(total / 2);
        QVERIFY(armazem.ImagensGuardadas() <= ArmazemPaginas::kImagensGuardadas);
        // A page in the middle carries its text: a word or two of the body, in 200 points.
        const QImage meio = v->ImagemExibida();
        int escuros = 0;
        for (int y = 0; y < meio.height(); y += 2)
            for (int x = 0; x < meio.width(); x += 2)
                escuros += qGray(meio.pixel(x, y)) < 128;
        QVERIFY2(escuros > 2000, qPrintable(QString::number(escuros)));
        QVERIFY(t.ambiente.mensagens.mostradas.isEmpty());
    }

    void paginasDemaisSaoRecusadasComAviso() {
        PrincipalTeste t(true, true);
        // Past the page limit nothing is shown; a limit of 20 pages stands in for 50,000.
        QCOMPARE(frmPrincipal::kMaximoPaginas, 50000);
        QCOMPARE(t.janela->MaximoPaginas(), 50000);
        t.janela->DefinirMaximoPaginas(20);
        t.ambiente.programa->Fontes.FonteCorpo.Tamanho = 22;
        t.ambiente.sons.tocados.clear();
        ResponderEntrada(QStringLiteral("20/08/1978"), QStringLiteral("ANA SILVA"));
        Filho<QToolButton>(*t.janela, "cmdCriaAnalise")->click();
        QCOMPARE(Janelas(t), 0);
        QCOMPARE(t.ambiente.mensagens.mostradas.size(), 1);
        const MensagemMostrada& m = t.ambiente.mensagens.mostradas[0];
        QCOMPARE(m.titulo, QStringLiteral("Aviso:"));
        QCOMPARE(m.icone, IconeMensagem::Informacao);
        QCOMPARE(m.texto,
                 QStringLiteral("Com as fontes escolhidas (texto em 22 pontos) esta análise passaria "
                                "de 20 páginas, e por isso não será exibida. Escolha fontes menores "
                                "no botão de configuração das fontes e crie a análise novamente."));
        // The waiting sound does not go on looping, and the pointer is back.
        QCOMPARE(t.ambiente.sons.tocados.size(), 1);
        QCOMPARE(t.ambiente.sons.paradas, 1);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        // The number is written as in Portuguese.
        t.janela->DefinirMaximoPaginas(1000);
        t.ambiente.programa->Fontes.FonteCorpo.Tamanho = 200;
        ResponderEntrada(QStringLiteral("20/08/1978"), QStringLiteral("ANA SILVA"));
        Filho<QToolButton>(*t.janela, "cmdCriaAnalise")->click();
        QCOMPARE(Janelas(t), 0);
        QCOMPARE(t.ambiente.mensagens.mostradas.size(), 2);
        QVERIFY(t.ambiente.mensagens.mostradas[1].texto.contains(
            QStringLiteral("(texto em 200 pontos) esta análise passaria de 1.000 páginas")));
        // Just enough pages: the analysis is shown.
        t.janela->DefinirMaximoPaginas(20);
        t.ambiente.programa->Fontes.FonteCorpo.Tamanho = 12;
        frmExibeRelatorio* v = Criar(t, QStringLiteral("20/08/1978"), QStringLiteral("ANA SILVA"));
        QVERIFY(v);
        QVERIFY(v->TotalDePaginas() <= 20);
        QCOMPARE(t.ambiente.mensagens.mostradas.size(), 2);
    }

    void botoesDePagina() {
        PrincipalTeste t(true, true);
        frmExibeRelatorio* v = Criar(t, QStringLiteral("20/08/1978"), QStringLiteral("ANA SILVA"));
        QVERIFY(v);
        const int total = v->TotalDePaginas();
        t.ambiente.sons.tocados.clear();
        Filho<QToolButton>(*t.janela, "picVolta")->click();
        QCOMPARE(t.ambiente.mensagens.bipes, 1);
        Filho<QToolButton>(*t.janela, "picAvanca")->click();
        QCOMPARE(v->PaginaExibida(), 2);
        QCOMPARE(t.janela->Status(), QStringLiteral("Navegando: Página 2 de %1").arg(total));
        QCOMPARE(t.ambiente.sons.tocados.size(), 1);
        v->ExibePagina(total);
        t.ambiente.sons.tocados.clear();
        Filho<QToolButton>(*t.janela, "picAvanca")->click();
        QCOMPARE(t.ambiente.mensagens.bipes, 2);
        QVERIFY(t.ambiente.sons.tocados.isEmpty());
        QCOMPARE(v->PaginaExibida(), total);
    }

    void perguntaSobreAAnaliseExibida() {
        PrincipalTeste t(true, true);
        t.janela->show();
        QVERIFY(QTest::qWaitForWindowExposed(t.janela.get()));
        frmExibeRelatorio* primeira = Criar(t, QStringLiteral("20/08/1978"), QStringLiteral("ANA SILVA"));
        QVERIFY(primeira);
        QCOMPARE(Janelas(t), 1);

        // No: the first analysis stays open and a second one is made.
        t.ambiente.mensagens.respostas = {RespostaMensagem::Nao};
        frmExibeRelatorio* segunda = Criar(t, QStringLiteral("01/01/1990"), QStringLiteral("JOSE SOUZA"));
        QCOMPARE(t.ambiente.mensagens.mostradas.size(), 1);
        const MensagemMostrada& m = t.ambiente.mensagens.mostradas[0];
        QCOMPARE(m.titulo, QStringLiteral("Advertência:"));
        QVERIFY(m.texto.startsWith(QStringLiteral("Há uma análise sendo exibida atualmente.")));
        QCOMPARE(m.icone, IconeMensagem::Pergunta);
        QCOMPARE(m.botoes, BotoesMensagem::SimNao);
        QCOMPARE(Janelas(t), 2);
        QVERIFY(segunda != primeira);

        // Closing one viewer brings the other to the front, and the status line says its page;
        // activating it again keeps its own.
        segunda->ExibePagina(2);
        QMdiSubWindow* subPrimeira = qobject_cast<QMdiSubWindow*>(primeira->parentWidget());
        QMdiSubWindow* subSegunda = qobject_cast<QMdiSubWindow*>(segunda->parentWidget());
        subSegunda->close();
        QCoreApplication::processEvents();
        QCOMPARE(t.janela->Status(),
                 QStringLiteral("Navegando: Página 1 de %1").arg(primeira->TotalDePaginas()));
        Filho<QMdiArea>(*t.janela, "areaMdi")->setActiveSubWindow(nullptr);
        Filho<QMdiArea>(*t.janela, "areaMdi")->setActiveSubWindow(subPrimeira);
        QCOMPARE(t.janela->Status(),
                 QStringLiteral("Navegando: Página 1 de %1").arg(primeira->TotalDePaginas()));

        // Yes: the shown analysis is closed before the new one is made.
        t.ambiente.mensagens.respostas = {RespostaMensagem::Sim};
        QVERIFY(Criar(t, QStringLiteral("01/01/1990"), QStringLiteral("JOSE SOUZA")));
        QCoreApplication::processEvents();
        QCOMPARE(Janelas(t), 1);
    }

    void cancelarMantemAAnaliseExibida() {
        PrincipalTeste t(true, true);
        frmExibeRelatorio* v = Criar(t, QStringLiteral("20/08/1978"), QStringLiteral("ANA SILVA"));
        QVERIFY(v);
        v->ExibePagina(3);
        const QString status = t.janela->Status();
        t.ambiente.sons.tocados.clear();
        t.ambiente.mensagens.respostas = {RespostaMensagem::Nao};
        ResponderEntrada({}, {});
        Filho<QToolButton>(*t.janela, "cmdCriaAnalise")->click();
        QCOMPARE(Janelas(t), 1);
        QCOMPARE(t.janela->JanelaAtiva(), v);
        QCOMPARE(v->PaginaExibida(), 3);
        QCOMPARE(t.janela->Status(), status);
        QVERIFY(t.ambiente.sons.tocados.isEmpty());
        QCOMPARE(QString::fromStdString(t.ambiente.programa->NomeCompleto), QStringLiteral("Descartar"));
    }

    void semSonsNenhumSomNaCriacao() {
        PrincipalTeste t(true, true);
        t.ambiente.programa->Configuracao.EscutarSons = kDesligado;
        t.ambiente.sons.tocados.clear();
        QVERIFY(Criar(t, QStringLiteral("20/08/1978"), QStringLiteral("ANA SILVA")));
        QVERIFY(t.ambiente.sons.tocados.isEmpty());
    }
};

QTEST_MAIN(TesteAnalise)
#include "teste_analise.moc"
