# Builds that run everything slower (the sanitizer build) give every test this
# many times its time-out; the tests see the factor in the same variable.
set(GLIMMORA_TEST_TIMEOUT_SCALE 1 CACHE STRING "Factor on every test's time-out")

# glimmora_test_main(<target> <core|gui|widgets> [SOUND driver] [FONTS] [GL]
#                    [QPA_OFFSCREEN] [LSAN_LIBPULSE])
#   Gives a suite the shared entry (tests/support/TestMain.cpp) with a Qt
#   application of that kind. SOUND: the SDL sound driver every test starts with.
#   FONTS: the game's font substitutes. GL: the 3D view's surface format.
#   QPA_OFFSCREEN: the test program's own Qt draws nowhere (the game under test
#   is another process). LSAN_LIBPULSE: PulseAudio's own leaks are not reported.
function(glimmora_test_main target app)
  cmake_parse_arguments(M "FONTS;GL;QPA_OFFSCREEN;LSAN_LIBPULSE" "SOUND" "" ${ARGN})
  target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/TestMain.cpp)
  string(TOUPPER ${app} _app)
  target_compile_definitions(${target} PRIVATE GLIMMORA_TEST_APP_${_app})
  if(_app STREQUAL "CORE")
    target_link_libraries(${target} PRIVATE Qt6::Core)
  elseif(_app STREQUAL "GUI")
    target_link_libraries(${target} PRIVATE Qt6::Gui)
  else()
    target_link_libraries(${target} PRIVATE Qt6::Widgets)
  endif()
  if(M_SOUND)
    target_compile_definitions(${target} PRIVATE GLIMMORA_TEST_SOUND="${M_SOUND}")
  endif()
  foreach(_flag FONTS GL QPA_OFFSCREEN LSAN_LIBPULSE)
    if(M_${_flag})
      target_compile_definitions(${target} PRIVATE GLIMMORA_TEST_${_flag})
    endif()
  endforeach()
endfunction()

# glimmora_test(NAME <name> SOURCES ... [LIBS ...] [OFFSCREEN] [XVFB] [TIMEOUT s]
#               [MAIN <glimmora_test_main's arguments>])
#   OFFSCREEN: Qt widget test on the offscreen platform.
#   XVFB:      runs inside an X server of its own (GL, masks, real input).
#   MAIN:      the shared entry, for a suite that needs Qt.
function(glimmora_test)
  cmake_parse_arguments(T "OFFSCREEN;XVFB" "NAME;TIMEOUT" "SOURCES;LIBS;MAIN" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
  if(T_MAIN)
    glimmora_test_main(${T_NAME} ${T_MAIN})
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  math(EXPR T_TIMEOUT "${T_TIMEOUT} * ${GLIMMORA_TEST_TIMEOUT_SCALE}")
  if(T_XVFB)
    add_test(NAME ${T_NAME}
             COMMAND ${PROJECT_SOURCE_DIR}/scripts/with-xvfb $<TARGET_FILE:${T_NAME}>
             WORKING_DIRECTORY ${PROJECT_BINARY_DIR})
    set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=xcb")
  else()
    add_test(NAME ${T_NAME} COMMAND ${T_NAME} WORKING_DIRECTORY ${PROJECT_BINARY_DIR})
    if(T_OFFSCREEN)
      set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endif()
  endif()
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT}
                       ENVIRONMENT_MODIFICATION "GLIMMORA_SOURCE_DIR=set:${PROJECT_SOURCE_DIR};GLIMMORA_BIN_DIR=set:${PROJECT_BINARY_DIR}/bin;GLIMMORA_TEST_TIMEOUT_SCALE=set:${GLIMMORA_TEST_TIMEOUT_SCALE}")
endfunction()


# Runs an Xvfb test program again with Qt scaling every window by FACTOR
# (a dense screen as Qt sees one), limited to the tests named by FILTER.
function(glimmora_scaled_test)
  cmake_parse_arguments(S "" "TARGET;FACTOR;FILTER;TIMEOUT" "" ${ARGN})
  string(REPLACE "." "_" _suffix "${S_FACTOR}")
  set(_name ${S_TARGET}_at_${_suffix}x)
  if(NOT S_TIMEOUT)
    set(S_TIMEOUT 300)
  endif()
  math(EXPR S_TIMEOUT "${S_TIMEOUT} * ${GLIMMORA_TEST_TIMEOUT_SCALE}")
  add_test(NAME ${_name}
           COMMAND ${PROJECT_SOURCE_DIR}/scripts/with-xvfb $<TARGET_FILE:${S_TARGET}> --gtest_filter=${S_FILTER}
           WORKING_DIRECTORY ${PROJECT_BINARY_DIR})
  set_tests_properties(${_name} PROPERTIES TIMEOUT ${S_TIMEOUT}
                       ENVIRONMENT "QT_QPA_PLATFORM=xcb;QT_SCALE_FACTOR=${S_FACTOR}"
                       ENVIRONMENT_MODIFICATION "GLIMMORA_SOURCE_DIR=set:${PROJECT_SOURCE_DIR};GLIMMORA_BIN_DIR=set:${PROJECT_BINARY_DIR}/bin;GLIMMORA_TEST_TIMEOUT_SCALE=set:${GLIMMORA_TEST_TIMEOUT_SCALE}")
endfunction()
