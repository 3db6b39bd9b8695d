#pragma once
// The limits of the print margins on a page, shared by the print dialog (which refuses a typed
// margin above its limit), the reading of margens.dat and the print job (which refuses to start
// with a margin that would lay the analysis out over thousands of sheets or off the sheet).

#include <string>

#include "dados/margens.h"

namespace oraculandia {

// The largest margin the print dialog accepts: 20% of the printable width (left and right
// margins) or height (top and bottom margins), in millimetres. A margin equal to it is accepted.
double LimiteMargem(double base);

// A margin a print job takes, `base` being the printable width or height it is measured against:
// a number (not NaN, not infinite), not above LimiteMargem(base), and not below -base (a margin
// that far out puts the whole text column off the sheet). Zero and small negative margins are
// taken.
bool MargemImprimivel(float valor, double base);

// Which margin of `m` a print job refuses on a page of the given printable size, in the order
// left, top, right, bottom: 0 to 3, or -1 when it takes them all.
int MargemRecusada(const Margens& m, double largura, double altura);

// The margins with each field a print job would refuse replaced by the default 10 (what
// margens.dat holds when it is new). Used on the values read from the file, before they are shown.
Margens MargensImprimiveis(Margens m, double largura, double altura);

} // namespace oraculandia
