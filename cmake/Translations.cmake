# The languages the game ships and where their texts come from, shared by the build
# (app/CMakeLists.txt) and the check that the .ts files match the code (tests/i18n).
set(GLIMMORA_LANGUAGES de fr es it pt_BR nl pl cs sv ru uk ja)
set(GLIMMORA_TS_FILES)
foreach(_lang ${GLIMMORA_LANGUAGES})
  list(APPEND GLIMMORA_TS_FILES ${PROJECT_SOURCE_DIR}/translations/glimmora_${_lang}.ts)
endforeach()
set(GLIMMORA_TRANSLATED_FOLDERS app audio controls platform scene scores ui)
set(GLIMMORA_TRANSLATED_SOURCES)
foreach(_dir ${GLIMMORA_TRANSLATED_FOLDERS})
  file(GLOB _found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${_dir}/*.cpp ${PROJECT_SOURCE_DIR}/${_dir}/*.h)
  list(APPEND GLIMMORA_TRANSLATED_SOURCES ${_found})
endforeach()
# No line numbers: a .ts file changes when a text does, not when code moves.
set(GLIMMORA_LUPDATE_OPTIONS -no-obsolete -locations none)
