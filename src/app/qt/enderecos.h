#pragma once
// The maker's addresses, opened in the browser: the web page of the About window's link label
// and the support page of the help button. Kept here, in one place, so that a release can
// change them without touching the windows.

namespace oraculandia::enderecos {

inline constexpr const char* kPaginaDoFabricante = "https://www.oraculandia.com.br";
inline constexpr const char* kPaginaDeSuporte = "https://www.oraculandia.com.br/suporte";

} // namespace oraculandia::enderecos
