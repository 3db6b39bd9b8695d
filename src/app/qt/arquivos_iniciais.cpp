#include "app/qt/arquivos_iniciais.h"

#include <QDir>
#include <QStringList>

#include "analysis/interpretacao.h"
#include "dados/arquivos.h"
#include "programa/qt/caminhos_qt.h"
#include "programa/qt/programa.h"

namespace oraculandia {

namespace {

struct ArquivoDeConfiguracao {
    const char* nome;
    const char* conteudo;
};

// In the order the start-up reads them, margens.dat last (the print dialog reads it).
const ArquivoDeConfiguracao kConfiguracoes[] = {
    {kArquivoFontes, "fontes da análise"},     {kArquivoConfiguracao, "configurações do programa"},
    {kArquivoRodape, "cabeçalho e rodapé"},    {kArquivoPreferencias, "preferências do programa"},
    {kArquivoMargens, "margens de impressão"},
};

QString MensagemIlegiveis(const QString& pasta, const QStringList& configuracoes, const QStringList& textos) {
    QString m;
    if (!configuracoes.isEmpty()) {
        m = QStringLiteral(
                "Não foi possível ler estes arquivos da pasta do programa (%1):\n\n%2\n\nO programa vai "
                "usar os valores padrão deles nesta execução e não vai gravar por cima deles.")
                .arg(pasta, configuracoes.join(QLatin1Char('\n')));
        if (!textos.isEmpty())
            m += QStringLiteral(
                     "\n\nTambém não foi possível ler estes arquivos de interpretação: %1. As seções "
                     "que dependem deles vão sair sem texto.")
                     .arg(textos.join(QStringLiteral(", ")));
    } else {
        m = QStringLiteral(
                "Não foi possível ler estes arquivos de interpretação da pasta do programa (%1): %2. "
                "As seções que dependem deles vão sair sem texto.")
                .arg(pasta, textos.join(QStringLiteral(", ")));
    }
    m += QStringLiteral("\n\nVerifique se cada um é um arquivo comum que o seu usuário pode ler e abra o "
                        "programa novamente.");
    return m;
}

} // namespace

void AvisarArquivosDaPasta(Programa& programa, QWidget* pai) {
    // margens.dat is read only by the print dialog; a file that cannot be read now is not
    // written by the print job either.
    if (arquivos::Examinar(programa.PastaPrograma / kArquivoMargens) == arquivos::Situacao::Ilegivel)
        programa.AnotarLeitura(kArquivoMargens, EstadoArquivo::Ilegivel);

    QStringList configuracoes;
    for (const auto& c : kConfiguracoes)
        if (programa.Ilegivel(c.nome))
            configuracoes << QStringLiteral("\u2022 %1 (%2)")
                                 .arg(QString::fromLatin1(c.nome), QString::fromUtf8(c.conteudo));
    QStringList ilegiveis, faltando;
    // The analysis' own files; the consultation windows say for themselves when theirs are missing.
    for (std::size_t i = 0; i < kArquivosDaAnalise; ++i) {
        const char* arquivo = kArquivosInterpretacao[i];
        switch (arquivos::Examinar(programa.PastaPrograma / arquivo)) {
        case arquivos::Situacao::Ilegivel:
            ilegiveis << QString::fromLatin1(arquivo);
            break;
        case arquivos::Situacao::Ausente:
        case arquivos::Situacao::Vazio:
            faltando << QString::fromLatin1(arquivo);
            break;
        case arquivos::Situacao::Legivel:
            break;
        }
    }

    const QString pasta = QDir::toNativeSeparators(QStringDeCaminho(programa.PastaPrograma));
    if (!configuracoes.isEmpty() || !ilegiveis.isEmpty())
        programa.mensagens.Mostrar(pai, QStringLiteral("Erro:"),
                                   MensagemIlegiveis(pasta, configuracoes, ilegiveis), IconeMensagem::Critico,
                                   BotoesMensagem::Ok);
    if (!faltando.isEmpty())
        programa.mensagens.Mostrar(
            pai, QStringLiteral("Aviso:"),
            QStringLiteral("Estes arquivos de interpretação não existem ou estão vazios na pasta do programa "
                           "(%1): %2.\n\nAs análises vão mostrar os títulos e os números das seções que "
                           "dependem deles, mas não os textos de interpretação. Copie para esta pasta os "
                           "arquivos de interpretação do programa, ou escreva os textos em Alterar > "
                           "Conteúdo das Análises.")
                .arg(pasta, faltando.join(QStringLiteral(", "))),
            IconeMensagem::Informacao, BotoesMensagem::Ok);
}

} // namespace oraculandia
