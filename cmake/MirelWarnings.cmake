# Every target of ours links Mirel::warnings; third-party code never does.
add_library(mirel_warnings INTERFACE)
add_library(Mirel::warnings ALIAS mirel_warnings)
target_compile_options(mirel_warnings INTERFACE -Wall -Wextra -Werror -Wno-missing-field-initializers)

if(MIREL_FUZZ)
  # Coverage for libFuzzer everywhere; the fuzz targets alone link its main.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
elseif(MIREL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# mirel_add_library(NAME ALIAS <sources...>): a layer target with its alias and our warnings.
function(mirel_add_library name alias)
  add_library(${name} STATIC ${ARGN})
  add_library(Mirel::${alias} ALIAS ${name})
  target_link_libraries(${name} PRIVATE Mirel::warnings)
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
endfunction()

# mirel_add_test(NAME <sources...> LIBS <libs...>): one GoogleTest executable per subsystem.
function(mirel_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main Mirel::warnings)
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/tests)
  # The environment goes in as a command prefix: gtest_discover_tests flattens list-valued
  # properties, so an ENVIRONMENT list would keep only its first entry.
  set_property(TARGET ${name} PROPERTY CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env
    QT_QPA_PLATFORM=offscreen MIREL_ROOT=${MIREL_STAGE_DIR} MIREL_SOURCE_DIR=${CMAKE_SOURCE_DIR}
    MIREL_BUILD_DIR=${CMAKE_BINARY_DIR})
  # NO_PRETTY_VALUES: CMake would otherwise append each parameter's printed value to a test
  # named by a name generator, and ctest pads every line of its log to the longest name.
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES)
endfunction()
