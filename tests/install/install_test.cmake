# Installs the build into a scratch prefix and works the installed mirel from there alone: it must
# find its setup files beside itself, validate the installed examples and user-defined columns, and
# the desktop files, manual page and completion must be in place and sound.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DSCRATCH=... -P install_test.cmake
cmake_minimum_required(VERSION 3.25)

function(fail)
  string(JOIN "" text ${ARGN})
  message(FATAL_ERROR "${text}")
endfunction()

# run(<output var> <expected status> COMMAND ...): runs in the scratch folder, output and errors together.
function(run out expected)
  execute_process(${ARGN} WORKING_DIRECTORY ${SCRATCH} OUTPUT_VARIABLE output ERROR_VARIABLE output
                  RESULT_VARIABLE status)
  if(NOT status STREQUAL "${expected}")
    string(REPLACE ";" " " shown "${ARGN}")
    fail("${shown}\nexited ${status}, expected ${expected}:\n${output}")
  endif()
  set(${out} "${output}" PARENT_SCOPE)
endfunction()

function(expect_in text what)
  string(FIND "${text}" "${what}" at)
  if(at EQUAL -1)
    fail("expected \"${what}\" in:\n${text}")
  endif()
endfunction()

# Nothing may point the installed mirel elsewhere.
unset(ENV{MIREL_ROOT})
unset(ENV{MIREL_SETUP_PATH})
set(ENV{QT_QPA_PLATFORM} offscreen)

file(REMOVE_RECURSE ${PREFIX} ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
run(ignored 0 COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX})

# The tree.
foreach(path IN ITEMS
    bin/mirel
    share/vynsetup/tdd/crpterrors.txt share/vynsetup/tdd/version.txt share/vynsetup/tdd/vocabulary.json
    share/vynsetup/tdd/properties.json share/vynsetup/tdd/custom_columns
    share/mirel/help/index.html share/mirel/help/203fd.html share/mirel/help/messages.html
    share/mirel/help/style.css
    share/applications/mirel.desktop share/applications/mirel-column.desktop
    share/mime/packages/mirel.xml share/icons/hicolor/scalable/apps/mirel.svg
    share/man/man1/mirel.1 share/bash-completion/completions/mirel)
  if(NOT EXISTS ${PREFIX}/${path})
    fail("not installed: ${path}")
  endif()
endforeach()
file(GLOB examples ${PREFIX}/share/mirel/examples/*.tpt)
file(GLOB columns ${PREFIX}/share/vynsetup/tdd/custom_columns/*.txt)
if(NOT examples OR NOT columns)
  fail("no examples or no user-defined columns installed")
endif()

# The root is the installed tree: a version written there is the one mirel reports.
set(mirel ${PREFIX}/bin/mirel)
file(WRITE ${PREFIX}/share/vynsetup/tdd/version.txt "77.7-INSTALLED\n")
run(version 0 COMMAND ${mirel} --version)
expect_in("${version}" "77.7-INSTALLED")

# Called through a link, mirel still finds the tree it lives in; a tree moved elsewhere moves its root.
file(CREATE_LINK ${mirel} ${SCRATCH}/mirel SYMBOLIC)
run(version 0 COMMAND ${SCRATCH}/mirel --version)
expect_in("${version}" "77.7-INSTALLED")
file(COPY ${PREFIX}/ DESTINATION ${SCRATCH}/moved USE_SOURCE_PERMISSIONS)
file(WRITE ${SCRATCH}/moved/share/vynsetup/tdd/version.txt "88.8-MOVED\n")
run(version 0 COMMAND ${SCRATCH}/moved/bin/mirel --version)
expect_in("${version}" "88.8-MOVED")
file(REMOVE_RECURSE ${SCRATCH}/moved)

run(report 0 COMMAND ${mirel} validate ${examples})
foreach(example IN LISTS examples)
  expect_in("${report}" "${example}: valid")
endforeach()
string(FIND "${report}" "warning" warned)
if(NOT warned EQUAL -1)
  fail("the installed mirel did not find its setup files:\n${report}")
endif()
run(report 0 COMMAND ${mirel} validate --format json --custom-column ${columns})
expect_in("${report}" "\"valid\":true")

# Every dialog the script can work asks for its help page with F1: the installed page must be there.
run(script_help 0 COMMAND ${mirel} script --help)
if(NOT script_help MATCHES "--dialog ([a-z|]+)")
  fail("mirel script --help names no dialog kinds:\n${script_help}")
endif()
string(REPLACE "|" ";" kinds "${CMAKE_MATCH_1}")
file(WRITE ${SCRATCH}/f1.txt "key F1\n")
list(GET examples 0 example)
foreach(kind IN LISTS kinds)
  set(context "")
  foreach(file IN ITEMS "" "${example}")  # a kind that needs a file gets an example template
    execute_process(COMMAND ${mirel} script --dialog ${kind} --format json ${file} INPUT_FILE ${SCRATCH}/f1.txt
                    WORKING_DIRECTORY ${SCRATCH} OUTPUT_VARIABLE output ERROR_QUIET)
    if(output MATCHES "{\"help\":([0-9]+)}")
      set(context ${CMAKE_MATCH_1})
      break()
    endif()
  endforeach()
  if(NOT context)
    fail("F1 in the ${kind} dialog asked for no help:\n${output}")
  endif()
  math(EXPR page "${context}" OUTPUT_FORMAT HEXADECIMAL)
  string(REGEX REPLACE "^0x" "" page "${page}")
  string(TOLOWER "${page}" page)
  if(NOT EXISTS ${PREFIX}/share/mirel/help/${page}.html)
    fail("F1 in the ${kind} dialog opens help context ${context}, which has no installed page ${page}.html")
  endif()
endforeach()

# The manual page: every command, the exit codes, and (where groff is installed) no warnings.
file(READ ${PREFIX}/share/man/man1/mirel.1 page)
foreach(part IN ITEMS ".SH \"EXIT STATUS\"" ".SH \"ENVIRONMENT\"" ".SH \"FILES\"" ".SS validate" ".SS show"
                      ".SS script" ".SS edit" ".SS columns" "\\-\\-accept\\-unknown" "MIREL_ROOT")
  expect_in("${page}" "${part}")
endforeach()
find_program(GROFF groff)
if(GROFF)
  run(warnings 0 COMMAND ${GROFF} -man -Tutf8 -ww -Wbreak -z ${PREFIX}/share/man/man1/mirel.1)
  if(NOT warnings STREQUAL "")
    fail("groff warns about mirel.1:\n${warnings}")
  endif()
endif()

# The completion, as bash would ask it.
find_program(BASH bash)
if(BASH)
  file(WRITE ${SCRATCH}/complete.sh "
source '${PREFIX}/share/bash-completion/completions/mirel'
ask() { COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); COMPREPLY=(); _mirel; echo \"$*: \${COMPREPLY[*]}\"; }
ask mirel va
ask mirel validate --acc
ask mirel show --format ''
ask mirel edit --vocabulary complete.s
ask mirel script --dialog ''
")
  run(answers 0 COMMAND ${BASH} ${SCRATCH}/complete.sh)
  foreach(answer IN ITEMS "mirel va: validate" "mirel validate --acc: --accept-unknown" "mirel show --format : text json"
                          "complete.s: complete.sh" "mirel script --dialog : template")
    expect_in("${answers}" "${answer}")
  endforeach()
endif()

# The desktop entries and the MIME types, checked by the desktop's own tools where they are installed.
file(READ ${PREFIX}/share/applications/mirel.desktop entry)
expect_in("${entry}" "Exec=mirel edit %f")
expect_in("${entry}" "MimeType=application/x-mirel-template;")
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
if(DESKTOP_FILE_VALIDATE)
  run(ignored 0 COMMAND ${DESKTOP_FILE_VALIDATE} ${PREFIX}/share/applications/mirel.desktop
                        ${PREFIX}/share/applications/mirel-column.desktop)
endif()
find_program(UPDATE_MIME_DATABASE update-mime-database)
find_program(GIO gio)
if(UPDATE_MIME_DATABASE AND GIO)
  run(ignored 0 COMMAND ${UPDATE_MIME_DATABASE} ${PREFIX}/share/mime)
  list(GET examples 0 example)
  list(GET columns 0 column)
  file(WRITE ${SCRATCH}/notes.txt "plain text\n")
  foreach(case IN ITEMS "${example}=application/x-mirel-template" "${column}=application/x-mirel-custom-column"
                        "${SCRATCH}/notes.txt=text/plain")
    string(REGEX MATCH "^(.*)=([^=]*)$" unused "${case}")
    set(file ${CMAKE_MATCH_1})
    set(type ${CMAKE_MATCH_2})
    run(info 0 COMMAND ${CMAKE_COMMAND} -E env XDG_DATA_DIRS=${PREFIX}/share:/usr/share XDG_DATA_HOME=${SCRATCH}/data
                ${GIO} info -a standard::content-type ${file})
    expect_in("${info}" "standard::content-type: ${type}\n")
  endforeach()
endif()
