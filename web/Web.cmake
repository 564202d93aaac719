# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
# The browser build (Emscripten): the same dialogs, application and framework
# core over the DOM backend and the page's Web Audio, with templates and
# translations made from the same Designer forms and .ts files. The result is
# a static folder: index.html, vornaby.js, vornaby.wasm and the page's files.
set(VORNABY_TONE_SERVICE tone/SoundDevice.cpp tone/ToneSource.cpp tone/Tone.cpp tone/web/PageTone.cpp)
set(VORNABY_TONE_DEVICES tone/web/WebAudioDevice.cpp)
set(VORNABY_TONE_LIBS)
set(VORNABY_FRAMEWORK_BACKEND
  framework/web/Backend.cpp framework/web/Application.cpp framework/web/EventLoop.cpp)

set(web_out ${CMAKE_BINARY_DIR}/resources)
set(forms ${CMAKE_SOURCE_DIR}/resources/main_form.ui ${CMAKE_SOURCE_DIR}/resources/about_form.ui)
file(GLOB translations ${CMAKE_SOURCE_DIR}/resources/translations/*.ts)
add_custom_command(
  OUTPUT ${web_out}/WebProgramResources.cpp
  COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/resources/web/make_resources.py ${web_out}/WebProgramResources.cpp
    ${CMAKE_SOURCE_DIR}/resources/resource.h -- ${forms} -- ${translations}
  DEPENDS ${CMAKE_SOURCE_DIR}/resources/web/make_resources.py ${CMAKE_SOURCE_DIR}/resources/forms.py
    ${CMAKE_SOURCE_DIR}/resources/resource.h ${forms} ${translations})
set(VORNABY_RESOURCE_SOURCES ${web_out}/WebProgramResources.cpp)

# The page's own script goes into vornaby.js ahead of the program; main runs
# once the page has loaded it. ASYNCIFY lets the program wait (a modal run, a
# tone) while the browser's event loop runs.
set(VORNABY_PAGE_SCRIPTS ${CMAKE_SOURCE_DIR}/framework/web/page.js ${CMAKE_SOURCE_DIR}/tone/web/audio.js)
set(VORNABY_WEB_LINK_OPTIONS
  -sASYNCIFY -sASYNCIFY_STACK_SIZE=65536 -sALLOW_MEMORY_GROWTH=1 -sENVIRONMENT=web
  "-sEXPORTED_FUNCTIONS=[_main,_malloc,_free]"
  "SHELL:--pre-js ${CMAKE_SOURCE_DIR}/framework/web/page.js" "SHELL:--pre-js ${CMAKE_SOURCE_DIR}/tone/web/audio.js")

macro(vornaby_platform_targets)
  target_link_options(vornaby PRIVATE ${VORNABY_WEB_LINK_OPTIONS})
  set_target_properties(vornaby PROPERTIES SUFFIX .js LINK_DEPENDS "${VORNABY_PAGE_SCRIPTS}")
  # The page's files beside the program.
  set(VORNABY_WEB_BUILD ${PROJECT_VERSION})
  configure_file(web/sw.js ${CMAKE_BINARY_DIR}/sw.js @ONLY)
  foreach(file index.html vornaby.css manifest.webmanifest)
    configure_file(web/${file} ${CMAKE_BINARY_DIR}/${file} COPYONLY)
  endforeach()
  foreach(size 16 32 48 256)
    configure_file(resources/icons/vornaby-${size}.png ${CMAKE_BINARY_DIR}/icons/vornaby-${size}.png COPYONLY)
  endforeach()
  configure_file(resources/icons/vornaby.svg ${CMAKE_BINARY_DIR}/icons/vornaby.svg COPYONLY)

  # The window's behaviour suite, in the page.
  include(CTest)
  if(BUILD_TESTING)
    add_subdirectory(tests)
  endif()
endmacro()
