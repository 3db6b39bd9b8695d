#pragma once
// The layout of clientes.db as this program writes it: the steps of every layer that keeps tables
// in the file, put together in order of version. Whatever opens the register hands these to
// CadastroClientes::Abrir, so that every part of the program knows the same versions.

#include <vector>

#include "clientes/qt/esquema_clientes.h"

namespace oraculandia {

// The register's steps (version 1), then the name study's (version 2): each version once, in
// order, the last one the version this program writes.
std::vector<PassoEsquema> PassosEsquemaPrograma();

} // namespace oraculandia
