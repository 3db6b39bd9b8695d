# The Qt side: the gui library, the program, its pictures and sounds.
set(CMAKE_AUTOMOC ON)
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport Multimedia Svg SvgWidgets Sql Test)

file(GLOB GUI_FONTES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/src/layout/qt/*.cpp ${CMAKE_SOURCE_DIR}/src/layout/qt/*.h
  ${CMAKE_SOURCE_DIR}/src/print/qt/*.cpp ${CMAKE_SOURCE_DIR}/src/print/qt/*.h
  ${CMAKE_SOURCE_DIR}/src/app/qt/*.cpp ${CMAKE_SOURCE_DIR}/src/app/qt/*.h
  ${CMAKE_SOURCE_DIR}/src/programa/*.cpp ${CMAKE_SOURCE_DIR}/src/programa/*.h
  ${CMAKE_SOURCE_DIR}/src/viewer/*.cpp ${CMAKE_SOURCE_DIR}/src/viewer/*.h
  ${CMAKE_SOURCE_DIR}/src/editor/*.cpp ${CMAKE_SOURCE_DIR}/src/editor/*.h
  ${CMAKE_SOURCE_DIR}/src/clientes/*.cpp ${CMAKE_SOURCE_DIR}/src/clientes/*.h
  ${CMAKE_SOURCE_DIR}/src/estudo/qt/*.cpp ${CMAKE_SOURCE_DIR}/src/estudo/qt/*.h
  ${CMAKE_SOURCE_DIR}/src/consulta/qt/*.cpp ${CMAKE_SOURCE_DIR}/src/consulta/qt/*.h)
list(REMOVE_ITEM GUI_FONTES ${CMAKE_SOURCE_DIR}/src/app/qt/main.cpp)

# The register of clients loads Qt's SQLite driver, a plugin the package must bring along.
set(ORACULANDIA_DEPENDENCIAS_EXTRAS "libqt6sql6-sqlite")

add_library(oraculandia_gui STATIC ${GUI_FONTES})
target_link_libraries(oraculandia_gui PUBLIC oraculandia_nucleo
  Qt6::Widgets Qt6::PrintSupport Qt6::Multimedia Qt6::Svg Qt6::SvgWidgets Qt6::Sql)

# Pictures: every SVG of data/imagens, under the resource prefix /imagens.
file(GLOB IMAGENS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/imagens/*.svg)
qt_add_resources(oraculandia_gui "imagens" PREFIX "/" BASE ${CMAKE_SOURCE_DIR}/data
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
