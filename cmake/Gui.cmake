# The desktop program: Qt appears only in view/ and shell/.
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets OpenGL OpenGLWidgets Multimedia)
find_package(OpenGL REQUIRED)

file(GLOB_RECURSE gui_sources CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/view/*.cpp ${CMAKE_SOURCE_DIR}/view/*.h
  ${CMAKE_SOURCE_DIR}/shell/*.cpp ${CMAKE_SOURCE_DIR}/shell/*.h)
list(FILTER gui_sources EXCLUDE REGEX ".*/shell/main\\.cpp$")
add_library(rovan_gui STATIC ${gui_sources})
set_target_properties(rovan_gui PROPERTIES AUTOMOC ON AUTOUIC ON)
target_link_libraries(rovan_gui PUBLIC rovan_core
  Qt6::Core Qt6::Gui Qt6::Widgets Qt6::OpenGL Qt6::OpenGLWidgets Qt6::Multimedia
  OpenGL::GL OpenGL::GLU)
target_compile_definitions(rovan_gui PUBLIC ROVAN_VERSION_TEXT="${PROJECT_VERSION}")

# Every file below resources/ except sources and notes goes into the program's resources.
file(GLOB_RECURSE resource_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*)
list(FILTER resource_files EXCLUDE REGEX "(\\.md|\\.txt|\\.py|\\.cpp|\\.h)$")
if(resource_files)
  qt_add_resources(rovan_gui rovan_resources
    PREFIX /
    BASE ${CMAKE_SOURCE_DIR}/resources
    FILES ${resource_files}
    OUTPUT_TARGETS rovan_resource_targets)
endif()

# The English catalogue: the program's texts are Chinese, rovan_en.ts holds their
# English. The build compiles it to rovan_en.qm into the resources under /i18n;
# `cmake --build build --target update_translations` brings the .ts up to date
# with the sources (the core marks its few user-visible texts ROVAN_TR_NOOP).
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
set(translated_core_sources
  ${CMAKE_SOURCE_DIR}/appinfo/BuildDate.h
  ${CMAKE_SOURCE_DIR}/model/MoveLog.cpp
  ${CMAKE_SOURCE_DIR}/solvers/orchestration/SolveMessages.h
  ${CMAKE_SOURCE_DIR}/solvers/orchestration/SolveRoutes.h
  ${CMAKE_SOURCE_DIR}/solvers/twophase/TwoPhaseSolver.h)
qt_add_translations(rovan_gui
  TS_FILES ${CMAKE_SOURCE_DIR}/translations/rovan_en.ts
  SOURCES ${gui_sources} ${translated_core_sources}
  INCLUDE_DIRECTORIES ${CMAKE_SOURCE_DIR}
  LUPDATE_OPTIONS -tr-function-alias QT_TR_NOOP+=ROVAN_TR_NOOP -no-obsolete -locations none
  OUTPUT_TARGETS rovan_translation_targets)

if(EXISTS ${CMAKE_SOURCE_DIR}/shell/main.cpp)
  add_executable(rovan ${CMAKE_SOURCE_DIR}/shell/main.cpp)
  target_link_libraries(rovan PRIVATE rovan_gui)
  set_target_properties(rovan PROPERTIES AUTOMOC ON)
  rovan_install_program(rovan)
endif()
include(${CMAKE_SOURCE_DIR}/cmake/Package.cmake)
