# Fails when a source file includes a header by a path that climbs out of
# its folder ("../core/monocl_state.h"): such a path compiles from any layer
# and so passes by the layer rule, which only the include roots enforce.
#   cmake -DROOTS="dir;dir" [-DEXCLUDE=dir] -P check_includes.cmake
set(found "")
foreach(root IN LISTS ROOTS)
    file(GLOB_RECURSE sources "${root}/*.h" "${root}/*.cpp")
    foreach(source IN LISTS sources)
        if(EXCLUDE AND source MATCHES "^${EXCLUDE}/")
            continue()
        endif()
        file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][^\">]*\\.\\./")
        foreach(line IN LISTS lines)
            string(APPEND found "${source}: ${line}\n")
        endforeach()
    endforeach()
endforeach()
if(found)
    # NOTICE prints the lines as they are; an error's text is rewrapped.
    message(NOTICE "${found}")
    message(FATAL_ERROR "Includes climb out of their folder.")
endif()
message(STATUS "No include climbs out of its folder.")
