# pagora_add_test(name SOURCES a.cpp ... LIBS lib ...)
# One Qt Test executable per test class, run headless by CTest.
function(pagora_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  # German texts whatever the machine's locale: the program and the tool translate by it.
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANGUAGE="
    TIMEOUT 300)
endfunction()

# pagora_core(name SOURCES ...) — a widget-free library: Core, Gui and the platform layer only.
# A core's own sources see, ahead of Qt's headers, a header of the same name for every
# header of Qt's widget modules that stops the compiler: "#include <QtWidgets/QWidget>"
# fails in a core at once, where the link checks below would miss an unused include.
function(pagora_core name)
  cmake_parse_arguments(C "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${C_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_include_directories(${name} BEFORE PRIVATE ${PAGORA_KERNSPERRE})
  target_link_libraries(${name} PUBLIC Qt6::Core Qt6::Gui ${C_LIBS})
endfunction()

# pagora_kernsperre_anlegen() — fills ${PAGORA_KERNSPERRE} with the stopping headers.
function(pagora_kernsperre_anlegen)
  set(module "")
  foreach(qt Qt6::Widgets Qt6::PrintSupport)
    get_target_property(ordner ${qt} INTERFACE_INCLUDE_DIRECTORIES)
    foreach(o IN LISTS ordner)
      if(o MATCHES "/Qt(Widgets|PrintSupport)$")
        get_filename_component(wurzel ${o} DIRECTORY)
        file(GLOB gefunden LIST_DIRECTORIES true "${wurzel}/Qt*Widgets" "${wurzel}/QtPrintSupport")
        list(APPEND module ${gefunden})
      endif()
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES module)
  if(NOT module)
    message(FATAL_ERROR "Qt's widget headers not found: the cores cannot be guarded against them")
  endif()
  foreach(m IN LISTS module)
    get_filename_component(modul ${m} NAME)
    file(GLOB kopfdateien RELATIVE ${m} "${m}/*")
    foreach(k IN LISTS kopfdateien)
      set(sperre ${PAGORA_KERNSPERRE}/${modul}/${k})
      if(NOT EXISTS ${sperre} AND NOT IS_DIRECTORY ${m}/${k})
        file(WRITE ${sperre} "#error \"${modul}/${k}: a core draws no widgets; this belongs in a views library\"\n")
      endif()
    endforeach()
  endforeach()
endfunction()

# pagora_schichten_pruefen(core ...) — the build proves that no core reaches the widgets:
# configuring fails when a core's link closure holds Qt Widgets or a views library, and
# each core is linked whole into a program without Qt Widgets, so that a widget symbol
# used anywhere in it fails the build.
function(_pagora_link_closure target out)
  set(seen ${${out}})
  get_target_property(libs ${target} INTERFACE_LINK_LIBRARIES)
  get_target_property(own ${target} LINK_LIBRARIES)
  foreach(lib IN LISTS libs own)
    if(lib AND NOT lib IN_LIST seen AND NOT lib MATCHES "^\\$<")
      list(APPEND seen ${lib})
      if(TARGET ${lib})
        _pagora_link_closure(${lib} seen)
      endif()
    endif()
  endforeach()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

function(pagora_schichten_pruefen)
  file(WRITE ${CMAKE_BINARY_DIR}/schichten/leer.cpp "int main() { return 0; }\n")
  foreach(core IN LISTS ARGN)
    set(closure "")
    _pagora_link_closure(${core} closure)
    foreach(lib IN LISTS closure)
      if(lib MATCHES "Widgets|PrintSupport|_views$")
        message(FATAL_ERROR "${core} reaches ${lib}: a core links no widgets")
      endif()
    endforeach()
    add_executable(schicht_${core} ${CMAKE_BINARY_DIR}/schichten/leer.cpp)
    target_link_libraries(schicht_${core} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${core}>")
    set_target_properties(schicht_${core} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/schichten)
  endforeach()
endfunction()
