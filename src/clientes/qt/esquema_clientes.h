#pragma once
// The layout of clientes.db and the steps that bring an older file up to date.
//
// The file's version is SQLite's PRAGMA user_version: 0 for a new, empty file, then the number of
// the last step applied. Each step runs in the transaction that also raises the version, so a
// file is always at one version or the next, never in between. A file of a newer version than
// this program knows is not touched.
//
// Version 1:
//   clientes(id INTEGER PRIMARY KEY,
//            nome TEXT      the name as typed (accents and case kept), shown in the window,
//            nome_busca TEXT the name upper case with accents folded (the name of the analysis):
//                            what searches look at and, with the date, what tells two people apart,
//            nascimento TEXT birth date yyyy-mm-dd,
//            observacoes TEXT free notes,
//            ultima_analise TEXT yyyy-mm-dd of the last analysis made, or NULL,
//            criado_em TEXT  yyyy-mm-dd when the client entered the register)
//   UNIQUE(nome_busca, nascimento): the same person is never there twice, even when two running
//   programs add at the same moment.
//
// Version 2 (a step of the name study, estudo/qt/esquema_estudo.h):
//   grafias_clientes(cliente_id INTEGER  refers to clientes(id), ON DELETE CASCADE,
//                    posicao INTEGER     1, 2, ... in the order the name study shows them,
//                    grafia TEXT         a spelling of the name as typed (accents and case kept))
//   PRIMARY KEY(cliente_id, posicao). The other spellings of a client's name kept by the name
//   study; the birth name itself is the client's own name.
//
// A later step adds its own tables (the connection keeps foreign keys switched on): append it to
// the list in esquema_clientes.cpp, or to the list of the layer that owns the table; never change
// a step that has shipped. The versions form one sequence whoever owns the step: the program puts
// the lists together (app/qt/esquema_programa.h) and hands the whole to the register it opens.

#include <QString>
#include <QStringList>
#include <vector>

#include "programa/qt/falhas.h"

class QSqlDatabase;

namespace oraculandia {

struct PassoEsquema {
    int versao;             // the version the file has after this step
    QStringList instrucoes; // SQL statements, run in order
};

// The register's own steps (the clients' table), in order of version.
std::vector<PassoEsquema> PassosEsquemaClientes();
// The version a program with these steps (in order of version) writes: the last step's.
int VersaoEsquemaAtual(const std::vector<PassoEsquema>& passos);

// Brings the open database up to VersaoEsquemaAtual(passos), running the steps (in order of
// version) it lacks. The reason (Portuguese) instead when a step fails (the file then stays at the
// version it had) or when the file is of a newer version.
ResultadoQt<void> AtualizarEsquema(QSqlDatabase& banco, const std::vector<PassoEsquema>& passos);

} // namespace oraculandia
