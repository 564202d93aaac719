# SPDX-FileCopyrightText: 2026 The Vornaby developers
# SPDX-License-Identifier: MIT
# The Linux build's parts: PipeWire's own stream and ALSA for the sound, the
# Qt Widgets backend, the templates, icons and translations as Qt takes them.
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets Gui LinguistTools)
find_package(ALSA REQUIRED)
find_package(PkgConfig REQUIRED)
pkg_check_modules(PIPEWIRE REQUIRED IMPORTED_TARGET libpipewire-0.3)

set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTOUIC ON)
set(CMAKE_AUTORCC ON)

set(VORNABY_TONE_DEVICES tone/linux/ChooseDevice.cpp tone/linux/AlsaDevice.cpp tone/linux/PipeWireDevice.cpp
  tone/linux/PipeWireLibrary.cpp)
set(VORNABY_TONE_LIBS ALSA::ALSA ${CMAKE_DL_LIBS})

# Held input is delivered again through the window system's entry (Gui's
# platform interface).
set(VORNABY_FRAMEWORK_BACKEND
  framework/qt/Backend.cpp framework/qt/Application.cpp framework/qt/Controls.cpp
  framework/qt/DialogWindow.cpp framework/qt/TemplateLayout.cpp framework/qt/QtResources.cpp
  framework/qt/EventLoop.cpp)
set(VORNABY_FRAMEWORK_LIBS Qt6::Widgets)
set(VORNABY_FRAMEWORK_PRIVATE_LIBS Qt6::GuiPrivate)

set(VORNABY_RESOURCE_SOURCES
  resources/qt/QtProgramResources.cpp resources/main_form.ui resources/about_form.ui resources/icons.qrc)

macro(vornaby_platform_targets)
  # PipeWire's headers only: its library is loaded at run time where a server runs.
  target_include_directories(vornaby_tone SYSTEM PRIVATE ${PIPEWIRE_INCLUDE_DIRS})

  # uic finds the forms beside the sources that include them.
  set_target_properties(vornaby_resources PROPERTIES AUTOUIC_SEARCH_PATHS ${CMAKE_SOURCE_DIR}/resources)
  # Every text the program shows, in these languages besides English; compiled
  # and embedded under :/i18n. "cmake --build build --target update_translations"
  # refreshes the .ts files from the code and the templates.
  set(VORNABY_LANGUAGES de fr es it pt_BR pl ru uk tr ja zh_CN ko he ar)
  list(TRANSFORM VORNABY_LANGUAGES REPLACE "(.+)" "resources/translations/vornaby_\\1.ts" OUTPUT_VARIABLE VORNABY_TS_FILES)
  file(GLOB VORNABY_TRANSLATED_SOURCES CONFIGURE_DEPENDS
    framework/*.cpp framework/qt/*.cpp resources/*.cpp resources/qt/*.cpp resources/*.ui)
  # The core's own translate call and marker read as Qt's.
  qt_add_translations(vornaby_resources TS_FILES ${VORNABY_TS_FILES} RESOURCE_PREFIX /i18n
    SOURCES ${VORNABY_TRANSLATED_SOURCES}
    LUPDATE_OPTIONS -no-obsolete -tr-function-alias translate+=Translate,QT_TRANSLATE_NOOP+=VORNABY_TRANSLATE_NOOP)
endmacro()
