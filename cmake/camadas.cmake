# Checks every #include "..." of src/ against the order of the layers (see CMakeLists.txt): a file
# may include its own folder and the layers below it, never a layer above nor one beside it. The
# Qt-free files (outside the qt/ subfolders of the core folders, and the command line) include no
# Qt file of any layer. Run by the test "camadas":
#   cmake -DRAIZ=<source folder> -P cmake/camadas.cmake
# Fails naming every include that crosses the order.

cmake_minimum_required(VERSION 3.25)
if(NOT RAIZ)
  message(FATAL_ERROR "camadas.cmake: RAIZ (the source folder) is missing")
endif()

# The level of each folder of src/; folders of the same level do not include each other.
set(NIVEL_engine 0)
set(NIVEL_dados 1)
set(NIVEL_analysis 2)
set(NIVEL_layout 3)
set(NIVEL_programa 4)
set(NIVEL_print 5)
set(NIVEL_viewer 6)
set(NIVEL_editor 6)
set(NIVEL_clientes 6)
set(NIVEL_consulta 6)
set(NIVEL_estudo 7)
set(NIVEL_app 8)
# The command line and the build tools: on top, but Qt-free.
set(NIVEL_cli 8)
set(NIVEL_ferramentas 8)
set(NIVEL_sons 8)
# Folders with a Qt-free part: the files outside their qt/ subfolder take no Qt file.
set(NUCLEO engine dados analysis layout print estudo cli ferramentas sons)
# Folders made of Qt files only: a Qt-free file includes none of them.
set(SO_QT programa viewer editor clientes consulta app)

file(GLOB_RECURSE ARQUIVOS RELATIVE ${RAIZ}/src ${RAIZ}/src/*.cpp ${RAIZ}/src/*.h)
set(erros "")
foreach(arquivo IN LISTS ARQUIVOS)
  string(REGEX MATCH "^[^/]+" pasta "${arquivo}")
  if(NOT DEFINED NIVEL_${pasta})
    string(APPEND erros "\n  ${arquivo}: the folder ${pasta} has no place in the layers (cmake/camadas.cmake)")
    continue()
  endif()
  set(sem_qt FALSE)
  if(pasta IN_LIST NUCLEO AND NOT arquivo MATCHES "/qt/")
    set(sem_qt TRUE)
  endif()
  file(STRINGS ${RAIZ}/src/${arquivo} linhas REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(linha IN LISTS linhas)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*$" "\\1" incluido "${linha}")
    # Files of the build folder (versao.h) and of the same folder by plain name.
    if(NOT incluido MATCHES "/")
      continue()
    endif()
    string(REGEX MATCH "^[^/]+" alvo "${incluido}")
    if(NOT DEFINED NIVEL_${alvo})
      string(APPEND erros "\n  ${arquivo}: includes ${incluido}, outside the layers")
      continue()
    endif()
    if(sem_qt AND (incluido MATCHES "/qt/" OR alvo IN_LIST SO_QT))
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
