# The Windows build: the plug-in DLL, the simulated host framework as the DLL it imports from,
# and velomark-sim.exe, which drives that host. Included from the top-level CMakeLists.txt after
# sim/, whose targets it shapes.

# The host framework loads its plug-ins from its own SAMPFUNCS\ folder as .sf files.
set_target_properties(velomark PROPERTIES OUTPUT_NAME Velomark SUFFIX ".sf")

# The host framework's DLL. The plug-in imports the framework's members and the PEDSELF and GAME
# pointers from it by this name, as it does from the real one.
set_target_properties(velomark_host PROPERTIES OUTPUT_NAME SAMPFUNCS PREFIX "")
target_link_libraries(velomark PRIVATE velomark_host)

# The C++ runtime and libgcc are linked in, so no program or DLL needs a MinGW runtime DLL
# beside it.
set(VELOMARK_WINDOWS_TARGETS velomark velomark_host)

if(TARGET velomark-sim)
  list(APPEND VELOMARK_WINDOWS_TARGETS velomark-sim)
  target_sources(velomark-sim PRIVATE
    ${PROJECT_SOURCE_DIR}/sim/cli/png_files_windows.cpp
    ${PROJECT_SOURCE_DIR}/sim/cli/game_image_windows.cpp)

  # The game's fixed addresses lie in the program's own image, as in the game's: it loads at the
  # game's base and cannot be moved, and its reserved section (sim/cli/game_image_windows.cpp)
  # starts at the page below the lowest address. The linker places the program's code and data
  # below it and fails if they would reach into it; debugging sections, which it would place
  # across it unchecked, are left out.
  target_link_options(velomark-sim PRIVATE
    -Wl,--image-base,0x400000 -Wl,--disable-dynamicbase -Wl,--section-start,.gamemem=0x58D000
    -Wl,--strip-debug)

  # The header-only JSON library of the build machine, /usr/include/nlohmann. The toolchain looks
  # for packages in the MinGW tree only, and /usr/include itself must stay off the include path,
  # where its C library headers would come before MinGW's: its nlohmann folder is linked alone
  # into a folder of the build's.
  find_path(VELOMARK_JSON_INCLUDE_DIR nlohmann/json.hpp PATHS /usr/include
            NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  set(VELOMARK_JSON_LINK_DIR ${CMAKE_BINARY_DIR}/json-include)
  file(MAKE_DIRECTORY ${VELOMARK_JSON_LINK_DIR})
  file(CREATE_LINK ${VELOMARK_JSON_INCLUDE_DIR}/nlohmann ${VELOMARK_JSON_LINK_DIR}/nlohmann
       SYMBOLIC)
  target_include_directories(velomark-sim SYSTEM PRIVATE ${VELOMARK_JSON_LINK_DIR})
endif()

foreach(target ${VELOMARK_WINDOWS_TARGETS})
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
endforeach()
