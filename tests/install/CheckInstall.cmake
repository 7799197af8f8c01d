# Installs the build into a fresh prefix and checks that every file a desktop install needs is there.
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${WORK} RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()
set(id org.zoriduvo.ZoridUvo)
set(expected
    bin/zoriduvo bin/zoriduvo-cli lib/zoriduvo/zoriduvo-print
    share/applications/${id}.desktop share/mime/packages/${id}.xml share/metainfo/${id}.metainfo.xml
    share/icons/hicolor/scalable/apps/${id}.svg
    share/man/man1/zoriduvo.1.gz share/man/man1/zoriduvo-cli.1.gz
    share/bash-completion/completions/zoriduvo-cli
    share/zoriduvo/Vuror32.odi
    share/doc/zoriduvo/copyright share/doc/zoriduvo/changelog.gz)
foreach(size 16 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${id}.png)
endforeach()
file(GLOB_RECURSE installed RELATIVE ${WORK} ${WORK}/*)
list(SORT expected)
list(SORT installed)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "installed:\n  ${installed}\nexpected:\n  ${expected}")
endif()

# The installed command line finds the print helper where the install put it.
execute_process(COMMAND ${WORK}/bin/zoriduvo-cli print ${CSV} ${WORK}/out.pdf RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT EXISTS ${WORK}/out.pdf)
  message(FATAL_ERROR "print from the installed tree: exit status ${status}: ${errors}")
endif()
