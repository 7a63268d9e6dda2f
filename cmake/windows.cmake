# The Windows build: the plug-in DLL, and the simulated host framework as the DLL it imports from.
# Included from the top-level CMakeLists.txt after sim/, whose velomark_host target it shapes.

# The host framework loads its plug-ins from its own SAMPFUNCS\ folder as .sf files.
set_target_properties(velomark PROPERTIES OUTPUT_NAME Velomark SUFFIX ".sf")

# The host framework's DLL. The plug-in imports the framework's members and the PEDSELF and GAME
# pointers from it by this name, as it does from the real one.
set_target_properties(velomark_host PROPERTIES OUTPUT_NAME SAMPFUNCS PREFIX "")

# The module links against the host's import library only: linking the target itself would also
# hand the module the host's own compile definitions (exports instead of imports).
target_link_libraries(velomark PRIVATE $<TARGET_LINKER_FILE:velomark_host>)
add_dependencies(velomark velomark_host)

# The C++ runtime and libgcc are linked in, so neither DLL needs a MinGW runtime DLL beside it.
foreach(target velomark velomark_host)
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
endforeach()
