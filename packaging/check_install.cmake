# Installs the build into a scratch prefix and checks that everything a desktop needs is there:
# the programs, the help pages, the desktop entry, the icon and the document type.
# cmake -DBUILD_DIR=<build> -DPREFIX=<scratch> -DPROGRAMS="trelvix3d-cli;..." -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
  share/applications/trelvix3d.desktop
  share/icons/hicolor/scalable/apps/trelvix3d.svg
  share/mime/packages/trelvix3d.xml
  share/trelvix3d/help/help.css)
foreach(context 111 113 115 117 118 119 121 126 127)
  list(APPEND expected share/trelvix3d/help/${context}.html)
endforeach()
foreach(program ${PROGRAMS})
  list(APPEND expected bin/${program})
endforeach()
foreach(path ${expected})
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

# The desktop entry starts the program on the file and claims the document type the mime entry
# gives the .tvx files.
file(READ ${PREFIX}/share/applications/trelvix3d.desktop desktop)
file(READ ${PREFIX}/share/mime/packages/trelvix3d.xml mime)
foreach(line "Exec=trelvix3d %f" "MimeType=application/x-trelvix3d;" "Icon=trelvix3d")
  string(FIND "${desktop}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()
foreach(text "type=\"application/x-trelvix3d\"" "pattern=\"*.tvx\"")
  string(FIND "${mime}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the mime entry lacks ${text}")
  endif()
endforeach()
