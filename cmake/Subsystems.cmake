# Each folder under src/ is one static library, vx_<folder>, built from the sources it holds.
# The platform layer is split: vx_platform (the contract and the parts both backends share) and
# vx_platform_backends (SDL2 and headless), so that portable code never links a backend by accident.

file(GLOB VX_PLATFORM_COMMON CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/common/*.cpp)
add_library(vx_platform STATIC ${VX_PLATFORM_COMMON})
target_include_directories(vx_platform PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(vx_platform PUBLIC vx_resource_table PRIVATE PkgConfig::FREETYPE PkgConfig::FONTCONFIG)

file(GLOB VX_PLATFORM_BACKENDS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/sdl/*.cpp
     ${CMAKE_SOURCE_DIR}/src/platform/headless/*.cpp ${CMAKE_SOURCE_DIR}/src/platform/*.cpp)
add_library(vx_platform_backends STATIC ${VX_PLATFORM_BACKENDS})
target_link_libraries(vx_platform_backends PUBLIC vx_platform PRIVATE PkgConfig::SDL2 PkgConfig::PNG)

function(vx_subsystem name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${name}/*.cpp)
  if(sources)
    add_library(vx_${name} STATIC ${sources})
    target_link_libraries(vx_${name} PUBLIC ${ARG_DEPS})
  else()
    add_library(vx_${name} INTERFACE)
    target_link_libraries(vx_${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()
