#include "cli/argumentos.h"

#include <string_view>

namespace oraculandia::cli {

const char* const kUso =
    "Uso: oraculandia-cli --nome NOME --data DATA [--hoje DATA] [--diretorio PASTA]\n"
    "                     [--formato texto|json]\n"
    "     oraculandia-cli --estudo-nome --data DATA --nome NOME [--nome NOME ...]\n"
    "                     [--formato texto|json]\n"
    "     oraculandia-cli --previsoes --data DATA [--nome NOME] [--hoje DATA] [--ano AAAA]\n"
    "                     [--mes MM/AAAA] [--formato texto|json]\n"
    "     oraculandia-cli --harmonia --nome NOME1 --data DATA1 --nome NOME2 --data DATA2\n"
    "                     [--formato texto|json]\n"
    "\n"
    "Compõe a análise numerológica de uma pessoa, como o programa Oraculandia a compõe, e a\n"
    "escreve na saída padrão em UTF-8. A pasta do programa só é lida: nenhum arquivo dela é\n"
    "criado ou alterado.\n"
    "\n"
    "Com --estudo-nome, escreve o estudo do nome: até 9 grafias do nome da pessoa lado a lado\n"
    "(o primeiro --nome é o nome de nascimento; os outros podem ser o nome em uso, a\n"
    "assinatura, o nome de casada, um nome artístico), com a Expressão, o Impulso da Alma, o\n"
    "Eu Silencioso, a Primeira Vogal, a Característica do Nome e o Número da Realidade de\n"
    "cada uma, as suas lições cármicas, dívidas cármicas e números mestres, e as contas que\n"
    "levam a esses números, letra por letra. O que difere do nome de nascimento é marcado.\n"
    "O estudo não lê nenhum arquivo: --diretorio é aceito e não é usado.\n"
    "\n"
    "Com --previsoes, escreve as previsões de uma pessoa (basta a data de nascimento): o Ano\n"
    "Pessoal de cada um dos nove anos a partir do ano de --hoje, ao lado do Ano Universal,\n"
    "com * nos anos em que começa um novo ciclo de nove anos; os doze Meses Pessoais do ano\n"
    "de --ano (padrão: o ano de --hoje); e o calendário dos Dias Pessoais do mês de --mes\n"
    "(padrão: o mês de --hoje), com a legenda de cada número.\n"
    "\n"
    "Com --harmonia, escreve a harmonia de duas pessoas (o primeiro --nome vai com a primeira\n"
    "--data): o Caminho da Vida, a Expressão, o Impulso da Alma, o Eu Silencioso e a Vibração\n"
    "do Dia do Nascimento das duas, a relação de cada par de números pela tabela de relações\n"
    "da pasta do programa (relacoes-harmonia.txt; sem ela, a tabela padrão) e a leitura geral.\n"
    "\n"
    "Nas previsões e na harmonia, um arquivo de textos que falta ou não pode ser lido é\n"
    "avisado na saída de erros, e os números são escritos mesmo assim.\n"
    "\n"
    "  --nome NOME          nome completo da pessoa (pelo menos 5 caracteres, espaços\n"
    "                       incluídos); entre aspas quando tiver espaços; com\n"
    "                       --estudo-nome, uma vez para cada grafia (até 9)\n"
    "  --estudo-nome        o estudo do nome, em vez da análise\n"
    "  --data DATA          data de nascimento: dia/mês/ano, dia e mês com um ou dois\n"
    "                       dígitos, separados por /, - ou . (15/03/1970, 5-3-1970,\n"
    "                       15.03.70); ano de dois dígitos: 00 a 29 são 2000 a 2029, 30 a\n"
    "                       99 são 1930 a 1999; ano de três ou quatro dígitos vale como\n"
    "                       escrito; só dia/mês (15/03) usa o ano do dia de --hoje\n"
    "  --hoje DATA          dia usado nos números universais e pessoais, escrito como em\n"
    "                       --data (padrão: a data do sistema)\n"
    "  --diretorio PASTA    pasta dos arquivos de interpretação e do oraculandia.dat\n"
    "                       (padrão: a pasta do programa, escolhida como o programa com\n"
    "                       janelas a escolhe; veja abaixo a pasta em uso)\n"
    "  --formato texto      o texto que o botão Exportar copia, com as escolhas do\n"
    "                       oraculandia.dat e do preferencias.ini (padrão); caracteres\n"
    "                       de controle dos textos saem como \xEF\xBF\xBD; com --estudo-nome,\n"
    "                       a tabela das grafias (números diferentes com *) e as contas\n"
    "                       de cada uma\n"
    "  --formato json       o nome, as datas e as 28 seções da análise em JSON, e em\n"
    "                       \"complementos\" o bloco cármico, os números mestres e as\n"
    "                       seções 29 a 35, todas, quaisquer que sejam as escolhas; com\n"
    "                       --estudo-nome, a data, o Caminho da Vida e, para cada grafia,\n"
    "                       os números, as lições e dívidas cármicas e os números mestres,\n"
    "                       as letras com seus valores e cada soma com os passos da redução\n"
    "  --previsoes          as previsões, em vez da análise\n"
    "  --ano AAAA           com --previsoes, o ano dos doze Meses Pessoais\n"
    "  --mes MM/AAAA        com --previsoes, o mês do calendário dos Dias Pessoais\n"
    "  --harmonia           a harmonia de duas pessoas, em vez da análise\n"
    "  --ajuda              mostra esta ajuda\n"
    "  --version            mostra a versão\n"
    "\n"
    "As opções também podem ser escritas como --opcao=VALOR. Sem oraculandia.dat na pasta,\n"
    "valem as escolhas padrão do programa.\n"
    "\n"
    "Situação de saída:\n"
    "  0  a análise, o estudo do nome, as previsões, a harmonia ou esta ajuda foi escrito\n"
    "     na saída padrão\n"
    "  1  não foi possível escrever na saída padrão\n"
    "  2  uma opção, a pasta, um nome ou a data foi recusado\n"
    "  3  a pasta do programa não permite compor a análise: um arquivo de interpretação\n"
    "     falta, está vazio ou não pode ser lido, ou o oraculandia.dat não seleciona\n"
    "     nenhum cálculo (no formato texto)\n"
    "Quando a situação não é 0, a mensagem vai para a saída de erros e nada é escrito na\n"
    "saída padrão.\n";

Resultado<Argumentos, std::string> LerArgumentos(int argc, char** argv) {
    Argumentos a;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--ajuda" || arg == "-h" || arg == "--help") {
            a.ajuda = true;
            continue;
        }
        if (arg == "--version" || arg == "--versao") {
            a.versao = true;
            continue;
        }
        if (arg == "--estudo-nome") {
            a.estudoNome = true;
            continue;
        }
        if (arg == "--previsoes") {
            a.previsoes = true;
            continue;
        }
        if (arg == "--harmonia") {
            a.harmonia = true;
            continue;
        }
        if (arg.empty() || arg.front() != '-') {
            // Most often a name with spaces typed without quotes, or a value without its option.
            return Falha("o argumento \xE2\x80\x9C" + std::string(arg) +
                         "\xE2\x80\x9D não pertence a nenhuma opção; o nome e a data vão em --nome e --data "
                         "(um nome com espaços vai entre aspas: --nome \"Ana Silva\").");
        }
        std::string_view opcao = arg;
        std::optional<std::string> valor;
        if (const auto igual = arg.find('='); arg.rfind("--", 0) == 0 && igual != std::string_view::npos) {
            opcao = arg.substr(0, igual);
            valor = std::string(arg.substr(igual + 1));
        }
        std::optional<std::string>* destino = nullptr;
        if (opcao == "--data") {
            destino = &a.data;
        } else if (opcao == "--hoje") {
            destino = &a.hoje;
        } else if (opcao == "--diretorio") {
            destino = &a.diretorio;
        } else if (opcao == "--ano") {
            destino = &a.ano;
        } else if (opcao == "--mes") {
            destino = &a.mes;
        } else if (opcao != "--formato" && opcao != "--nome") {
            return Falha("opção desconhecida: " + std::string(arg));
        }
        if (!valor) {
            if (i + 1 >= argc) {
                return Falha("falta o valor da opção " + std::string(opcao));
            }
            valor = argv[++i];
        }
        if (opcao == "--nome") {
            // Repeated for the spellings of a name study; the analysis takes one.
            a.nomes.push_back(*valor);
        } else if (destino != nullptr) {
            *destino = *valor;
            if (destino == &a.data) {
                a.datas.push_back(*valor);
            }
        } else if (*valor == "texto" || *valor == "json") {
            a.formato = *valor;
        } else {
            return Falha("formato desconhecido: " + *valor + " (use texto ou json)");
        }
    }
    return a;
}

} // namespace oraculandia::cli
