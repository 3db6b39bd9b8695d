#pragma once
// The name study's table in the register of clients: its own schema step (version 2 of
// clientes.db, see clientes/qt/esquema_clientes.h), which the program hands to the register with
// the register's own steps (app/qt/esquema_programa.h).

#include <vector>

#include "clientes/qt/esquema_clientes.h"

namespace oraculandia {

// The study's steps, in order of version: version 2 creates grafias_clientes, the other spellings
// of a client's name in the order the study shows them (the birth name itself is the client's own
// name). Opening the register with them creates the table, or brings a file of version 1 up to it.
std::vector<PassoEsquema> PassosEsquemaEstudo();

} // namespace oraculandia
