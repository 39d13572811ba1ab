# The launcher and the layout it expects: the program and glimmora-play in bin/, the data the
# game ships with in share/glimmora/. The build tree gets the same layout (build/bin next to
# build/share/glimmora, a link to the checkout's data folder), so a checkout starts exactly
# like an installed copy.
set(GLIMMORA_SHIPPED Pics sounds Music defaults)

configure_file(${PROJECT_SOURCE_DIR}/scripts/glimmora-play ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/glimmora-play COPYONLY)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/share)
file(CREATE_LINK ${PROJECT_SOURCE_DIR}/data ${CMAKE_BINARY_DIR}/share/glimmora SYMBOLIC)

if(TARGET glimmora)
  install(TARGETS glimmora RUNTIME DESTINATION bin)
endif()
install(PROGRAMS scripts/glimmora-play DESTINATION bin)

# With the prefix ~/.local the shipped folder is also the player's folder, which a launch
# from a checkout may have filled with links to that checkout: installing through such a
# link would write into the checkout, and uninstalling would delete its files.
install(CODE [[
  foreach(_name Pics sounds Music defaults)
    set(_dest "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/glimmora/${_name}")
    if(IS_SYMLINK "${_dest}")
      file(REMOVE "${_dest}")
    endif()
  endforeach()
]])
foreach(_name ${GLIMMORA_SHIPPED})
  install(DIRECTORY data/${_name} DESTINATION share/glimmora OPTIONAL)
endforeach()

install(FILES packaging/glimmora.desktop DESTINATION share/applications)
# One icon for every size folder of the hicolor theme, as tools/artgen paints them.
foreach(_size 16 22 24 32 48 64 128 256 512)
  install(FILES packaging/icons/glimmora-${_size}.png
          DESTINATION share/icons/hicolor/${_size}x${_size}/apps RENAME glimmora.png)
endforeach()
