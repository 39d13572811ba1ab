# The launcher and the layout it expects. Installed, the launcher `glimmora` goes into
# GLIMMORA_INSTALL_BINDIR, the game's own program and its audio module (glimmora-audio.so,
# opened when sound is first wanted) into GLIMMORA_INSTALL_PROGRAMDIR and the
# data the game ships with into GLIMMORA_INSTALL_DATADIR, all under the prefix; the launcher
# is told where the other two are relative to itself, so a copy works under any prefix. The
# defaults suit `make install`; the Debian package puts them where Debian's games go
# (games/, lib/games/glimmora/, share/games/glimmora/, debian/rules).
#
# The build tree gets a launcher of its own, bin/glimmora-play, next to the program in bin/
# and to share/glimmora, a link to the checkout's data folder, so a checkout starts exactly
# like an installed copy.
set(GLIMMORA_INSTALL_BINDIR bin CACHE STRING "Where the launcher glimmora is installed, under the prefix")
set(GLIMMORA_INSTALL_PROGRAMDIR lib/glimmora CACHE STRING "Where the game's program is installed, under the prefix")
set(GLIMMORA_INSTALL_DATADIR share/glimmora CACHE STRING "Where the game's data is installed, under the prefix")
set(GLIMMORA_APP_ID io.github.glimmora.Glimmora)
set(GLIMMORA_SHIPPED Pics sounds Music defaults)

set(GLIMMORA_PROGRAM_FROM_LAUNCHER .)
set(GLIMMORA_DATA_FROM_LAUNCHER ../share/glimmora)
configure_file(${PROJECT_SOURCE_DIR}/scripts/glimmora.in ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/glimmora-play @ONLY)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/share)
file(CREATE_LINK ${PROJECT_SOURCE_DIR}/data ${CMAKE_BINARY_DIR}/share/glimmora SYMBOLIC)

foreach(_dir BINDIR PROGRAMDIR DATADIR)
  if(IS_ABSOLUTE "${GLIMMORA_INSTALL_${_dir}}")
    message(FATAL_ERROR "GLIMMORA_INSTALL_${_dir} must be relative to the prefix")
  endif()
endforeach()
file(RELATIVE_PATH GLIMMORA_PROGRAM_FROM_LAUNCHER /${GLIMMORA_INSTALL_BINDIR} /${GLIMMORA_INSTALL_PROGRAMDIR})
file(RELATIVE_PATH GLIMMORA_DATA_FROM_LAUNCHER /${GLIMMORA_INSTALL_BINDIR} /${GLIMMORA_INSTALL_DATADIR})
if(GLIMMORA_PROGRAM_FROM_LAUNCHER STREQUAL "")
  set(GLIMMORA_PROGRAM_FROM_LAUNCHER .)
endif()
configure_file(${PROJECT_SOURCE_DIR}/scripts/glimmora.in ${CMAKE_BINARY_DIR}/install/glimmora @ONLY)

if(TARGET glimmora)
  install(TARGETS glimmora RUNTIME DESTINATION ${GLIMMORA_INSTALL_PROGRAMDIR})
  # The audio module goes beside the program, where the program looks for it (through
  # its own path, so neither a search path nor an rpath is involved).
  install(TARGETS glimmora-audio LIBRARY DESTINATION ${GLIMMORA_INSTALL_PROGRAMDIR})
endif()
install(PROGRAMS ${CMAKE_BINARY_DIR}/install/glimmora DESTINATION ${GLIMMORA_INSTALL_BINDIR})

# With the prefix ~/.local the shipped folder is also the player's folder, which a launch
# from a checkout may have filled with links to that checkout: installing through such a
# link would write into the checkout, and uninstalling would delete its files.
install(CODE "set(_data \"${GLIMMORA_INSTALL_DATADIR}\")")
install(CODE [[
  foreach(_name Pics sounds Music defaults)
    set(_dest "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${_data}/${_name}")
    if(IS_SYMLINK "${_dest}")
      file(REMOVE "${_dest}")
    endif()
  endforeach()
]])
foreach(_name ${GLIMMORA_SHIPPED})
  install(DIRECTORY data/${_name} DESTINATION ${GLIMMORA_INSTALL_DATADIR} OPTIONAL)
endforeach()

# The desktop's view of the game, all under one id: the menu entry, the icon at every size
# folder of the hicolor theme (as tools/artgen paints them), the AppStream metadata software
# centres list it by, and the manual page (in English, German and French).
install(FILES packaging/${GLIMMORA_APP_ID}.desktop DESTINATION share/applications)
foreach(_size 16 22 24 32 48 64 128 256 512)
  install(FILES packaging/icons/glimmora-${_size}.png
          DESTINATION share/icons/hicolor/${_size}x${_size}/apps RENAME ${GLIMMORA_APP_ID}.png)
endforeach()
install(FILES packaging/${GLIMMORA_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES packaging/glimmora.6 DESTINATION share/man/man6)
# The translated manual pages, where man finds them for the reader's language.
foreach(_lang de fr)
  install(FILES packaging/glimmora.${_lang}.6 DESTINATION share/man/${_lang}/man6 RENAME glimmora.6)
endforeach()
