// empacotar-textos PASTA_FONTES PASTA_SAIDA
// Packs the editable interpretation texts (PASTA_FONTES/ARQUIVO.txt, UTF-8) into the 23 .DAT
// files of the program directory. Any fault in any source refuses the whole job, with the file
// and record named on standard error, and exit status 1, so that the build stops.
#include "ferramentas/textos_fonte.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "Uso: empacotar-textos PASTA_FONTES PASTA_SAIDA\n";
        return 2;
    }
    return oraculandia::textos::Empacotar(argv[1], argv[2], std::cerr);
}
