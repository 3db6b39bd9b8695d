# Checks every #include "..." of src/ against the order of the layers (see CMakeLists.txt): a file
# may include its own folder and the layers below it, never a layer above nor one beside it. Every
# Qt file lives in a qt/ subfolder; the files outside them are Qt-free and include neither a Qt
# header nor a file of any qt/ subfolder. Run by the test "camadas":
#   cmake -DRAIZ=<source folder> -P cmake/camadas.cmake
# Fails naming every include that crosses the order.

cmake_minimum_required(VERSION 3.25)
if(NOT RAIZ)
  message(FATAL_ERROR "camadas.cmake: RAIZ (the source folder) is missing")
endif()

# The level of each part of src/; parts of the same level do not include each other. A part is a
# folder, except where a folder's Qt-free files and its qt/ subfolder sit at different levels
# (estudo and consulta: their Qt-free cores serve the pages and the command line, their windows
# sit above the register of clients): there the qt/ subfolder is the part <folder>_qt.
set(NIVEL_engine 0)
set(NIVEL_dados 1)
set(NIVEL_analysis 2)
set(NIVEL_estudo 3)
set(NIVEL_consulta 3)
set(NIVEL_layout 4)
set(NIVEL_programa 5)
set(NIVEL_print 6)
set(NIVEL_viewer 7)
set(NIVEL_editor 7)
set(NIVEL_clientes 7)
set(NIVEL_estudo_qt 8)
set(NIVEL_consulta_qt 8)
set(NIVEL_app 9)
# The command line and the build tools: on top, but Qt-free.
set(NIVEL_cli 9)
set(NIVEL_ferramentas 9)
set(NIVEL_sons 9)
set(SEPARADOS estudo consulta)

# The part a path of src/ belongs to.
function(parte caminho saida)
  string(REGEX MATCH "^[^/]+" p "${caminho}")
  if(p IN_LIST SEPARADOS AND caminho MATCHES "^[^/]+/qt/")
    set(p "${p}_qt")
  endif()
  set(${saida} "${p}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE ARQUIVOS RELATIVE ${RAIZ}/src ${RAIZ}/src/*.cpp ${RAIZ}/src/*.h)
set(erros "")
foreach(arquivo IN LISTS ARQUIVOS)
  parte("${arquivo}" pasta)
  if(NOT DEFINED NIVEL_${pasta})
    string(APPEND erros "\n  ${arquivo}: the folder ${pasta} has no place in the layers (cmake/camadas.cmake)")
    continue()
  endif()
  set(sem_qt FALSE)
  if(NOT arquivo MATCHES "/qt/")
    set(sem_qt TRUE)
    file(STRINGS ${RAIZ}/src/${arquivo} qt_incluidos REGEX "^[ \t]*#[ \t]*include[ \t]*<Q")
    foreach(linha IN LISTS qt_incluidos)
      string(APPEND erros "\n  ${arquivo}: a file outside the qt/ subfolders includes Qt: ${linha}")
    endforeach()
  endif()
  file(STRINGS ${RAIZ}/src/${arquivo} linhas REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(linha IN LISTS linhas)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" incluido "${linha}")
    # Files of the build folder (versao.h) and of the same folder by plain name.
    if(NOT incluido MATCHES "/")
      continue()
    endif()
    parte("${incluido}" alvo)
    if(NOT DEFINED NIVEL_${alvo})
      string(APPEND erros "\n  ${arquivo}: includes ${incluido}, outside the layers")
      continue()
    endif()
    if(sem_qt AND incluido MATCHES "/qt/")
      string(APPEND erros "\n  ${arquivo}: a Qt-free file includes the Qt file ${incluido}")
      continue()
    endif()
    if(alvo STREQUAL pasta)
      continue()
    endif()
    if(NOT NIVEL_${alvo} LESS NIVEL_${pasta})
      string(APPEND erros "\n  ${arquivo} (${pasta}, level ${NIVEL_${pasta}}): includes ${incluido} (${alvo}, level ${NIVEL_${alvo}}), not a layer below")
    endif()
  endforeach()
endforeach()

if(erros)
  message(FATAL_ERROR "Includes that cross the order of the layers:${erros}")
endif()
list(LENGTH ARQUIVOS n)
message(STATUS "camadas: ${n} files, every include within the order of the layers")
