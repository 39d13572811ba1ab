# Builds that run everything slower (the sanitizer build) give every test this
# many times its time-out; the tests see the factor in the same variable.
set(GLIMMORA_TEST_TIMEOUT_SCALE 1 CACHE STRING "Factor on every test's time-out")

# glimmora_test(NAME <name> SOURCES ... [LIBS ...] [OFFSCREEN] [XVFB] [TIMEOUT s])
#   OFFSCREEN: Qt widget test on the offscreen platform.
#   XVFB:      runs inside an X server of its own (GL, masks, real input).
function(glimmora_test)
  cmake_parse_arguments(T "OFFSCREEN;XVFB" "NAME;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock)
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
