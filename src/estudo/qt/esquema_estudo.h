#pragma once
// The name study's table in the register of clients: its own schema step (version 2 of
// clientes.db, see clientes/qt/esquema_clientes.h), which the register runs with its own steps
// once it is registered.

#include "clientes/qt/esquema_clientes.h"

namespace oraculandia {

// Creates grafias_clientes, the other spellings of a client's name in the order the study shows
// them (the birth name itself is the client's own name).
const PassoEsquema& PassoEsquemaEstudo();

// Registers the study's step with the register (RegistrarPassoEsquema), so that opening the
// register creates the table, or brings a file of version 1 up to it. Called before the
// register is opened; calling it again does nothing.
void RegistrarEsquemaEstudo();

} // namespace oraculandia
