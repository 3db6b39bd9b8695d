// What every dialog of the program shares: Enter on a focused button activates that button, Enter
// in a text box activates the dialog's default button, and the small dialogs have a fixed size
// and only a close button in their frame.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>
#include <functional>
#include <memory>

#include "apoio/duplos.h"
#include "app/qt/frmConfiguraFonte.h"
#include "app/qt/frmConfiguraPrograma.h"
#include "app/qt/frmConfiguraRodape.h"
#include "app/qt/frmEntraNome.h"
#include "app/qt/frmSobre.h"
#include "clientes/qt/cadastro_clientes.h"
#include "clientes/qt/frmCliente.h"
#include "clientes/qt/frmClientes.h"
#include "clientes/qt/regras_cliente.h"
#include "clientes/qt/servicos_clientes.h"
#include "editor/qt/frmAlteraForm.h"
#include "editor/qt/frmSelecionaAlteracao.h"
#include "print/qt/frmImprimir.h"
#include "teste_clientes_apoio.h"
#include "teste_impressao_duplo.h"

using namespace oraculandia;
using namespace oraculandia::teste;

namespace {

struct Caso {
    const char* nome;
    // Builds the dialog over the test's program state.
    std::function<std::unique_ptr<QDialog>(Programa&, ServicosImpressao&)> criar;
    // objectName of the default button; empty when the dialog has no control but buttons (and
    // the editor's text area, where Enter starts a new line).
    const char* padrao;
    bool tamanhoFixo;
};

template <typename T> std::function<std::unique_ptr<QDialog>(Programa&, ServicosImpressao&)> Criar() {
    return [](Programa& p, ServicosImpressao&) { return std::unique_ptr<QDialog>(std::make_unique<T>(p)); };
}

// The Clientes window over a register of its own, in the test's program folder, with one client
// (so that every button is enabled); the register lives as long as the window.
struct CadastroDoTeste {
    explicit CadastroDoTeste(Programa& p)
        : cadastro(AbrirCadastro(QString::fromStdString(p.PastaPrograma.string()), nullptr)) {
        if (!cadastro)
            qFatal("the test register could not be opened");
        cadastro->Adicionar(VerificarCliente(QStringLiteral("Maria da Conceição"),
                                             QStringLiteral("15/03/1970"), Data{7, 12, 2026}),
                            Data{7, 12, 2026});
    }
    std::unique_ptr<CadastroClientes> cadastro;
};
class ClientesDoTeste : private CadastroDoTeste, public frmClientes {
public:
    explicit ClientesDoTeste(Programa& p)
        : CadastroDoTeste(p), frmClientes(*cadastro, p.mensagens, p.relogio, ServicosClientesAtuais()) {}
};

const std::vector<Caso>& Casos() {
    static const std::vector<Caso> casos = {
        {"entrada", Criar<frmEntraNome>(), "cmdOk", true},
        {"configuracao", Criar<frmConfiguraPrograma>(), "cmdOk", true},
        {"fontes", Criar<frmConfiguraFonte>(), "cmdOk", true},
        {"rodape", Criar<frmConfiguraRodape>(), "cmdOk", true},
        {"impressao",
         [](Programa& p, ServicosImpressao& s) {
             return std::unique_ptr<QDialog>(std::make_unique<frmImprimir>(p, s));
         },
         "cmdImprimir", true},
        {"selecao do editor", Criar<frmSelecionaAlteracao>(), "cmdAlterarTexto", true},
        {"sobre", Criar<frmSobre>(), "", true},
        {"editor", Criar<frmAlteraForm>(), "", false},
        {"cliente",
         [](Programa& p, ServicosImpressao&) {
             return std::unique_ptr<QDialog>(std::make_unique<frmCliente>(
                 p.mensagens, p.relogio, nullptr, [](const VerificacaoCliente&) { return true; }));
         },
         "cmdGravar", false},
        {"clientes",
         [](Programa& p, ServicosImpressao&) {
             return std::unique_ptr<QDialog>(std::make_unique<ClientesDoTeste>(p));
         },
         "cmdCriarAnalise", false},
    };
    return casos;
}

// The push buttons of a dialog, each with an object name (the test names them by it), their
// actions taken away so that a click only counts.
QList<QPushButton*> BotoesSemAcoes(QDialog& d) {
    QList<QPushButton*> botoes;
    int i = 0;
    for (QPushButton* b : d.findChildren<QPushButton*>()) {
        if (!b->isVisible() || !b->isEnabled())
            continue;
        if (b->objectName().isEmpty())
            b->setObjectName(QStringLiteral("botao%1").arg(i));
        ++i;
        QObject::disconnect(b, &QAbstractButton::clicked, nullptr, nullptr);
        botoes << b;
    }
    return botoes;
}

// Presses Enter on `alvo` and returns the buttons clicked, by name.
QStringList EnterEm(QWidget* alvo, const QList<QPushButton*>& botoes) {
    std::vector<std::unique_ptr<QSignalSpy>> espioes;
    for (QPushButton* b : botoes)
        espioes.push_back(std::make_unique<QSignalSpy>(b, &QAbstractButton::clicked));
    QTest::keyClick(alvo, Qt::Key_Return);
    QStringList clicados;
    for (std::size_t i = 0; i < espioes.size(); ++i)
        for (int n = 0; n < espioes[i]->count(); ++n)
            clicados << botoes[static_cast<qsizetype>(i)]->objectName();
    return clicados;
}

bool Mostrar(QDialog& d) {
    d.show();
    d.activateWindow();
    return QTest::qWaitForWindowActive(&d);
}

} // namespace

class TesteDialogos : public QObject {
    Q_OBJECT
private slots:
    void enterNoBotaoComFocoAtivaEsseBotao_data();
    void enterNoBotaoComFocoAtivaEsseBotao();
    void enterForaDosBotoesAtivaOBotaoPadrao_data();
    void enterForaDosBotoesAtivaOBotaoPadrao();
    void dialogosPequenosSoTemBotaoFechar_data();
    void dialogosPequenosSoTemBotaoFechar();
};

void TesteDialogos::enterNoBotaoComFocoAtivaEsseBotao_data() {
    QTest::addColumn<int>("caso");
    for (int i = 0; i < static_cast<int>(Casos().size()); ++i)
        QTest::newRow(Casos()[static_cast<std::size_t>(i)].nome) << i;
}

void TesteDialogos::enterNoBotaoComFocoAtivaEsseBotao() {
    QFETCH(int, caso);
    const Caso& c = Casos()[static_cast<std::size_t>(caso)];
    AmbienteTeste amb;
    ServicosImpressaoDuplo servicos;
    int quantos = 0;
    for (int indice = 0;; ++indice) {
        std::unique_ptr<QDialog> d = c.criar(*amb.programa, servicos);
        QVERIFY(Mostrar(*d));
        const QList<QPushButton*> botoes = BotoesSemAcoes(*d);
        if (indice >= botoes.size())
            break;
        QPushButton* alvo = botoes[indice];
        alvo->setFocus(Qt::TabFocusReason);
        QVERIFY(alvo->hasFocus());
        QCOMPARE(EnterEm(alvo, botoes), QStringList{alvo->objectName()});
        ++quantos;
    }
    QVERIFY(quantos > 0);
}

void TesteDialogos::enterForaDosBotoesAtivaOBotaoPadrao_data() {
    QTest::addColumn<int>("caso");
    for (int i = 0; i < static_cast<int>(Casos().size()); ++i)
        if (*Casos()[static_cast<std::size_t>(i)].padrao != '\0')
            QTest::newRow(Casos()[static_cast<std::size_t>(i)].nome) << i;
}

void TesteDialogos::enterForaDosBotoesAtivaOBotaoPadrao() {
    QFETCH(int, caso);
    const Caso& c = Casos()[static_cast<std::size_t>(caso)];
    AmbienteTeste amb;
    ServicosImpressaoDuplo servicos;
    const QString padrao = QString::fromLatin1(c.padrao);
    int quantos = 0;
    for (int indice = 0;; ++indice) {
        std::unique_ptr<QDialog> d = c.criar(*amb.programa, servicos);
        QVERIFY(Mostrar(*d));
        // Text boxes, and the other controls that do nothing of their own with Enter.
        QList<QWidget*> controles;
        for (QWidget* w : d->findChildren<QWidget*>()) {
            const bool controle = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                                  qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w);
            if (controle && w->isVisible() && w->isEnabled() && w->focusPolicy() != Qt::NoFocus &&
                !qobject_cast<QComboBox*>(w->parentWidget()))
                controles << w;
        }
        if (indice >= controles.size())
            break;
        const QList<QPushButton*> botoes = BotoesSemAcoes(*d);
        // Another button had the focus first: leaving it gives the default back to the default
        // button.
        for (QPushButton* b : botoes)
            if (b->objectName() != padrao)
                b->setFocus(Qt::TabFocusReason);
        QWidget* controle = controles[indice];
        controle->setFocus(Qt::TabFocusReason);
        QWidget* foco = QApplication::focusWidget();
        QVERIFY(foco == controle || foco->focusProxy() == controle || controle->focusProxy() == foco);
        QVERIFY2(EnterEm(foco, botoes) == QStringList{padrao},
                 qPrintable(QString::fromLatin1(controle->metaObject()->className()) +
                            QString::number(indice) + QLatin1String(foco->metaObject()->className())));
        ++quantos;
    }
    QVERIFY(quantos > 0);
}

void TesteDialogos::dialogosPequenosSoTemBotaoFechar_data() {
    QTest::addColumn<int>("caso");
    for (int i = 0; i < static_cast<int>(Casos().size()); ++i)
        if (Casos()[static_cast<std::size_t>(i)].tamanhoFixo)
            QTest::newRow(Casos()[static_cast<std::size_t>(i)].nome) << i;
}

void TesteDialogos::dialogosPequenosSoTemBotaoFechar() {
    QFETCH(int, caso);
    AmbienteTeste amb;
    ServicosImpressaoDuplo servicos;
    std::unique_ptr<QDialog> d = Casos()[static_cast<std::size_t>(caso)].criar(*amb.programa, servicos);
    const Qt::WindowFlags f = d->windowFlags();
    QCOMPARE(f & Qt::WindowType_Mask, Qt::Dialog);
    // The frame carries exactly what the flags ask for: a title, the window menu and close.
    QVERIFY(f.testFlag(Qt::CustomizeWindowHint));
    QVERIFY(f.testFlag(Qt::WindowTitleHint));
    QVERIFY(f.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!f.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!f.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!f.testFlag(Qt::WindowContextHelpButtonHint));
    QVERIFY(!f.testFlag(Qt::FramelessWindowHint));
    // Nothing to maximize: the size cannot change.
    QVERIFY(Mostrar(*d));
    QCOMPARE(d->minimumSize(), d->maximumSize());
    QCOMPARE(d->size(), d->minimumSize());
}

QTEST_MAIN(TesteDialogos)
#include "teste_dialogos.moc"
