# The Qt side: the gui library, the program, its pictures and sounds.
set(CMAKE_AUTOMOC ON)
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport Multimedia Svg SvgWidgets Sql Test)

# The Qt libraries of the layers (the order is described in CMakeLists.txt), each linking only
# the ones below it. Sources are listed one by one; headers too, for the meta-object compiler.
set(S ${CMAKE_SOURCE_DIR}/src)
function(camada_qt nome)
  cmake_parse_arguments(C "" "" "FONTES;ABAIXO" ${ARGN})
  list(TRANSFORM C_FONTES PREPEND ${S}/)
  add_library(${nome} STATIC ${C_FONTES})
  target_link_libraries(${nome} PUBLIC ${C_ABAIXO})
endfunction()

camada_qt(oraculandia_layout_qt
  FONTES layout/qt/controles.h layout/qt/cp1252_qt.cpp layout/qt/cp1252_qt.h layout/qt/dialogo_fixo.h
    layout/qt/superficie_qt.cpp layout/qt/superficie_qt.h
  ABAIXO oraculandia_layout Qt6::Widgets Qt6::PrintSupport Qt6::Svg)
camada_qt(oraculandia_programa
  FONTES programa/qt/caminhos_qt.h programa/qt/estado_programa.h programa/qt/falhas.h
    programa/qt/programa.h programa/qt/servicos.cpp programa/qt/servicos.h programa/qt/servicos_qt.cpp
    programa/qt/servicos_qt.h
  ABAIXO oraculandia_layout_qt Qt6::Widgets Qt6::PrintSupport Qt6::Multimedia)
camada_qt(oraculandia_print
  FONTES print/qt/folhas_documento.h print/qt/frmImprimir.cpp print/qt/frmImprimir.h print/qt/frmImprimir_trabalho.cpp
    print/qt/pdf_analise.cpp print/qt/pdf_analise.h print/qt/saida_documento.cpp print/qt/saida_documento.h print/qt/servicos_impressao.cpp
    print/qt/servicos_impressao.h print/qt/trabalho_impressao.cpp print/qt/trabalho_impressao.h
    print/qt/valor_margem.cpp print/qt/valor_margem.h
  ABAIXO oraculandia_programa oraculandia_print_nucleo Qt6::PrintSupport)
camada_qt(oraculandia_viewer
  FONTES viewer/qt/armazem_paginas.cpp viewer/qt/armazem_paginas.h viewer/qt/frmExibeRelatorio.cpp
    viewer/qt/frmExibeRelatorio.h
  ABAIXO oraculandia_print)
camada_qt(oraculandia_editor
  FONTES editor/qt/frmAlteraForm.cpp editor/qt/frmAlteraForm.h editor/qt/frmSelecionaAlteracao.cpp
    editor/qt/frmSelecionaAlteracao.h
  ABAIXO oraculandia_print)
camada_qt(oraculandia_clientes
  FONTES clientes/qt/cadastro_clientes.cpp clientes/qt/cadastro_clientes.h clientes/qt/csv_clientes.cpp
    clientes/qt/csv_clientes.h clientes/qt/delegado_texto.cpp clientes/qt/delegado_texto.h
    clientes/qt/esquema_clientes.cpp clientes/qt/esquema_clientes.h clientes/qt/frmCliente.cpp
    clientes/qt/frmCliente.h clientes/qt/frmClientes.cpp clientes/qt/frmClientes.h
    clientes/qt/frmClientes_arquivos.cpp clientes/qt/frmRecusasImportacao.cpp
    clientes/qt/frmRecusasImportacao.h clientes/qt/modelo_clientes.cpp clientes/qt/modelo_clientes.h
    clientes/qt/regras_cliente.cpp clientes/qt/regras_cliente.h clientes/qt/servicos_clientes.cpp
    clientes/qt/servicos_clientes.h
  ABAIXO oraculandia_print Qt6::Sql)
camada_qt(oraculandia_estudo
  FONTES estudo/qt/frmEstudoNome.cpp estudo/qt/frmEstudoNome.h estudo/qt/frmEstudoNome_saida.cpp
    estudo/qt/esquema_estudo.cpp estudo/qt/esquema_estudo.h estudo/qt/grafias_cliente.cpp
    estudo/qt/grafias_cliente.h estudo/qt/impressao_estudo.cpp estudo/qt/impressao_estudo.h
  ABAIXO oraculandia_clientes oraculandia_estudo_nucleo)
camada_qt(oraculandia_consulta
  FONTES consulta/qt/dlgTabelaRelacoes.cpp consulta/qt/dlgTabelaRelacoes.h consulta/qt/frmHarmonia.cpp
    consulta/qt/frmHarmonia.h consulta/qt/frmPrevisoes.cpp consulta/qt/frmPrevisoes.h
    consulta/qt/impressao_consulta.cpp consulta/qt/impressao_consulta.h consulta/qt/saida_consulta.cpp
    consulta/qt/saida_consulta.h
  ABAIXO oraculandia_clientes oraculandia_consulta_nucleo)
camada_qt(oraculandia_app
  FONTES app/qt/arquivos_iniciais.cpp app/qt/arquivos_iniciais.h app/qt/consulta_ativa.h app/qt/enderecos.h
    app/qt/esquema_programa.cpp app/qt/esquema_programa.h
    app/qt/frmConfiguraFonte.cpp app/qt/frmConfiguraFonte.h app/qt/frmConfiguraPrograma.cpp
    app/qt/frmConfiguraPrograma.h app/qt/frmConfiguraRodape.cpp app/qt/frmConfiguraRodape.h
    app/qt/frmDicas.cpp app/qt/frmDicas.h app/qt/frmEntraNome.cpp app/qt/frmEntraNome.h
    app/qt/frmEntrada.cpp app/qt/frmEntrada.h app/qt/frmPrincipal.cpp app/qt/frmPrincipal.h
    app/qt/frmPrincipal_analise.cpp app/qt/frmPrincipal_clientes.cpp app/qt/frmPrincipal_consulta.cpp
    app/qt/frmPrincipal_estudo.cpp app/qt/frmPrincipal_impressao.cpp
    app/qt/frmPrincipal_menus.cpp app/qt/frmSobre.cpp app/qt/frmSobre.h app/qt/gerador_pdf.cpp
    app/qt/gerador_pdf.h app/qt/janela_ativa.cpp app/qt/janela_ativa.h app/qt/linha_de_comando.cpp
    app/qt/linha_de_comando.h
    app/qt/relatorios_sem_janela.cpp app/qt/relatorios_sem_janela.h
  ABAIXO oraculandia_viewer oraculandia_editor oraculandia_estudo oraculandia_consulta Qt6::Svg
    Qt6::SvgWidgets)

# Everything the window program is made of, for the program, the window tests and benchmarks.
add_library(oraculandia_gui INTERFACE)
target_link_libraries(oraculandia_gui INTERFACE oraculandia_app)

# Pictures: every SVG of data/imagens, under the resource prefix /imagens.
file(GLOB IMAGENS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/imagens/*.svg)
qt_add_resources(oraculandia_app "imagens" PREFIX "/" BASE ${CMAKE_SOURCE_DIR}/data
  FILES ${IMAGENS})

if(EXISTS ${CMAKE_SOURCE_DIR}/src/app/qt/main.cpp)
  add_executable(oraculandia ${CMAKE_SOURCE_DIR}/src/app/qt/main.cpp)
  target_link_libraries(oraculandia PRIVATE oraculandia_gui)
  # A window program on Windows: no console window opens with it.
  set_target_properties(oraculandia PROPERTIES WIN32_EXECUTABLE ON)
  add_dependencies(oraculandia textos_interpretacao)
  if(TARGET sons_programa)
    add_dependencies(oraculandia sons_programa)
  endif()
endif()
