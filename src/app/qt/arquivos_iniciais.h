#pragma once
// The look at the files of the program folder that ends the start-up: the user hears once, at
// start, about the files that could not be read and about missing interpretation texts, instead
// of finding out from an analysis without words or from settings that were not kept.

class QWidget;

namespace oraculandia {

struct Programa;

// Shows at most two messages: an "Erro:" naming the files that exist but could not be read
// (the settings files among them keep their defaults for the run and are never written), then
// an "Aviso:" naming the interpretation files that are missing or empty. Looks at margens.dat
// and the interpretation files without creating them; the settings files must have been loaded
// already (their outcome is in `programa.ArquivosIlegiveis`).
void AvisarArquivosDaPasta(Programa& programa, QWidget* pai);

} // namespace oraculandia
