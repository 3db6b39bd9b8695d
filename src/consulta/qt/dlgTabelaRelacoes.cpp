#include "consulta/qt/dlgTabelaRelacoes.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "programa/qt/programa.h"

namespace oraculandia {

dlgTabelaRelacoes::dlgTabelaRelacoes(Programa& programa, QWidget* pai) : QDialog(pai), programa_(programa) {
    setObjectName(QStringLiteral("dlgTabelaRelacoes"));
    setWindowTitle(QStringLiteral("Tabela de Relações"));
    tblRelacoes = new QTableWidget(9, 9, this);
    tblRelacoes->setObjectName(QStringLiteral("tblRelacoes"));
    QStringList numeros;
    for (int n = 1; n <= 9; ++n)
        numeros << QString::number(n);
    tblRelacoes->setHorizontalHeaderLabels(numeros);
    tblRelacoes->setVerticalHeaderLabels(numeros);
    tblRelacoes->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (int a = 1; a <= 9; ++a) {
        for (int b = 1; b <= 9; ++b) {
            auto* c = new QComboBox(tblRelacoes);
            c->setObjectName(QStringLiteral("cbo%1%2").arg(a).arg(b));
            for (Relacao r :
                 {Relacao::Identicos, Relacao::Naturais, Relacao::Compativeis, Relacao::Desafiadores})
                c->addItem(QString::fromUtf8(NomeRelacao(r)), static_cast<int>(r));
            c->setAccessibleName(QStringLiteral("Relação de %1 com %2").arg(a).arg(b));
            tblRelacoes->setCellWidget(a - 1, b - 1, c);
            connect(c, &QComboBox::currentIndexChanged, this, [this, a, b](int indice) {
                // The table is symmetric: the cell across the diagonal follows.
                if (!mostrando_ && a != b)
                    Celula(b, a)->setCurrentIndex(indice);
            });
        }
    }
    lblSituacao = new QLabel(this);
    lblSituacao->setObjectName(QStringLiteral("lblSituacao"));
    lblSituacao->setWordWrap(true);
    cmdPadrao = new QPushButton(QStringLiteral("Tabela &padrão"), this);
    cmdPadrao->setObjectName(QStringLiteral("cmdPadrao"));
    cmdSalvar = new QPushButton(QStringLiteral("&Salvar"), this);
    cmdSalvar->setObjectName(QStringLiteral("cmdSalvar"));
    cmdCancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
    auto* botoes = new QHBoxLayout;
    botoes->addWidget(cmdPadrao);
    botoes->addStretch(1);
    botoes->addWidget(cmdSalvar);
    botoes->addWidget(cmdCancelar);
    auto* coluna = new QVBoxLayout(this);
    coluna->addWidget(
        new QLabel(QStringLiteral("A relação de cada par de números (linha e coluna) na Harmonia. "
                                  "Padrão: famílias 1-5-7, 2-4-8 e 3-6-9."),
                   this));
    coluna->addWidget(tblRelacoes, 1);
    coluna->addWidget(lblSituacao);
    coluna->addLayout(botoes);
    connect(cmdPadrao, &QPushButton::clicked, this, &dlgTabelaRelacoes::cmdPadrao_Click);
    connect(cmdSalvar, &QPushButton::clicked, this, &dlgTabelaRelacoes::cmdSalvar_Click);
    connect(cmdCancelar, &QPushButton::clicked, this, &QDialog::reject);
    // Wide enough for the nine columns without a scroll bar.
    tblRelacoes->resizeColumnsToContents();
    int largura = tblRelacoes->verticalHeader()->sizeHint().width() + 2 * tblRelacoes->frameWidth() + 40;
    for (int c = 0; c < 9; ++c)
        largura += tblRelacoes->columnWidth(c);
    resize(largura, 430);

    const TabelaCarregada c = CarregarTabela(programa_.PastaPrograma);
    Mostrar(c.tabela);
    if (c.situacao == SituacaoTabela::Invalida) {
        cmdSalvar->setEnabled(false);
        lblSituacao->setText(
            QStringLiteral("Vale a tabela padrão: %1. O arquivo não é gravado, para que nada do que "
                           "ele guarda se perca; corrija-o ou apague-o para editar a tabela aqui.")
                .arg(QString::fromStdString(c.erro)));
    } else if (c.situacao == SituacaoTabela::Padrao) {
        lblSituacao->setText(QStringLiteral("Tabela padrão (o arquivo %1 ainda não existe).")
                                 .arg(QString::fromUtf8(kArquivoRelacoes)));
    }
}

QComboBox* dlgTabelaRelacoes::Celula(int a, int b) const {
    return qobject_cast<QComboBox*>(tblRelacoes->cellWidget(a - 1, b - 1));
}

TabelaRelacoes dlgTabelaRelacoes::Tabela() const {
    TabelaRelacoes t;
    for (int a = 1; a <= 9; ++a)
        for (int b = 1; b <= 9; ++b)
            t.r[static_cast<std::size_t>(a - 1)][static_cast<std::size_t>(b - 1)] =
                static_cast<Relacao>(Celula(a, b)->currentData().toInt());
    return t;
}

void dlgTabelaRelacoes::Mostrar(const TabelaRelacoes& t) {
    mostrando_ = true;
    for (int a = 1; a <= 9; ++a)
        for (int b = 1; b <= 9; ++b)
            Celula(a, b)->setCurrentIndex(static_cast<int>(t.Entre(a, b)) - 1);
    mostrando_ = false;
}

void dlgTabelaRelacoes::cmdPadrao_Click() {
    Mostrar(TabelaPadrao());
}

void dlgTabelaRelacoes::cmdSalvar_Click() {
    if (const Resultado<void, std::string> salva = SalvarTabela(programa_.PastaPrograma, Tabela()); !salva) {
        programa_.mensagens.Mostrar(this, QStringLiteral("Erro:"),
                                    QStringLiteral("Não foi possível salvar a tabela de relações: %1.")
                                        .arg(QString::fromStdString(salva.error())),
                                    IconeMensagem::Critico, BotoesMensagem::Ok);
        return;
    }
    accept();
}

} // namespace oraculandia
