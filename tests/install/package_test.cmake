# Builds the Debian package into a scratch folder and checks it as apt would see it: its
# dependencies named from the libraries mirel links, the files in their places, and the packaged
# (stripped) mirel working from the unpacked tree alone.
#   cmake -DBUILD_DIR=... -DSCRATCH=... -P package_test.cmake
cmake_minimum_required(VERSION 3.25)

function(run out)
  execute_process(${ARGN} OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    string(REPLACE ";" " " shown "${ARGN}")
    message(FATAL_ERROR "${shown}\nexited ${status}:\n${output}")
  endif()
  set(${out} "${output}" PARENT_SCOPE)
endfunction()

function(expect_in text what)
  string(FIND "${text}" "${what}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "expected \"${what}\" in:\n${text}")
  endif()
endfunction()

unset(ENV{MIREL_ROOT})
unset(ENV{MIREL_SETUP_PATH})
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
run(ignored COMMAND ${CMAKE_CPACK_COMMAND} --config ${BUILD_DIR}/CPackConfig.cmake -G DEB -B ${SCRATCH})
file(GLOB packages ${SCRATCH}/mirel_*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one mirel_*.deb, found: ${packages}")
endif()

run(control COMMAND dpkg-deb -f ${packages} Package Depends)
expect_in("${control}" "Package: mirel")
foreach(library IN ITEMS libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6)
  expect_in("${control}" "${library} (>=")
endforeach()

run(contents COMMAND dpkg-deb -c ${packages})
foreach(path IN ITEMS ./usr/bin/mirel ./usr/share/vynsetup/tdd/crpterrors.txt ./usr/share/mirel/help/203fd.html
                      ./usr/share/mirel/examples/ ./usr/share/applications/mirel.desktop
                      ./usr/share/mime/packages/mirel.xml ./usr/share/icons/hicolor/scalable/apps/mirel.svg
                      ./usr/share/man/man1/mirel.1 ./usr/share/bash-completion/completions/mirel)
  expect_in("${contents}" "${path}")
endforeach()

run(ignored COMMAND dpkg-deb -x ${packages} ${SCRATCH}/root)
file(GLOB examples ${SCRATCH}/root/usr/share/mirel/examples/*.tpt)
run(report COMMAND ${SCRATCH}/root/usr/bin/mirel validate ${examples})
foreach(example IN LISTS examples)
  expect_in("${report}" "${example}: valid")
endforeach()
