# Logic libraries hold the rules of the programs and must stay free of Qt,
# so they can be tested directly and reused by both programs.
set_property(GLOBAL PROPERTY TESS_LOGIC_LIBRARIES "")

function(tess_logic_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  set_property(GLOBAL APPEND PROPERTY TESS_LOGIC_LIBRARIES ${name})
endfunction()

function(tess_check_logic_libraries)
  get_property(libs GLOBAL PROPERTY TESS_LOGIC_LIBRARIES)
  foreach(lib IN LISTS libs)
    get_target_property(deps ${lib} LINK_LIBRARIES)
    if(deps)
      foreach(dep IN LISTS deps)
        if(dep MATCHES "Qt")
          message(FATAL_ERROR "Logic library ${lib} must not link ${dep}")
        endif()
      endforeach()
    endif()
  endforeach()
endfunction()

# A GoogleTest executable registered with ctest.
function(tess_test name)
  add_executable(${name} ${ARGN})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE GTest::gmock GTest::gtest)
  if(NOT TESS_QT_TEST)
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  # Tests that look at the assembled demo installation find it here.
  target_compile_definitions(${name} PRIVATE TESS_INSTALL_DIR="${TESS_INSTALL_DIR}")
  gtest_discover_tests(${name} PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen
    DISCOVERY_TIMEOUT 30)
endfunction()

# A test that needs a QApplication (windows, fonts, event loops); runs offscreen.
function(tess_qt_test name)
  set(TESS_QT_TEST ON)
  tess_test(${name} ${PROJECT_SOURCE_DIR}/tests/support/QtTestMain.cpp ${ARGN})
  target_link_libraries(${name} PRIVATE Qt6::Widgets)
endfunction()
