# Fails when a source file includes a header of a folder its own folder may not use. The folder layout is the
# architecture: core at the bottom, game at the top, the subsystems between them; the content checker, the fuzz
# targets, the speed measurements and the tests stand beside it and may use only what they need.
# Run as: cmake -DSOURCE_DIR=<repository> -P CheckLayers.cmake
cmake_minimum_required(VERSION 3.25)
set(allowed_core "core")
set(allowed_audio "audio;core")
set(allowed_records "records;core")
set(allowed_street "street;core;audio")
set(allowed_town "town;core;records;street")
set(allowed_game "game;core;audio;records;street;town")
# The content checker reads Data with the game's own readers, but never starts the game; from game/ it takes only the
# whole content manifest (game/GameContent.h), which gathers every folder's entries.
set(allowed_datacheck "datacheck;game;core;audio;records;street;town")
# The fuzz targets feed the readers, the checker's among them.
set(allowed_fuzz "fuzz;datacheck;core;audio;records;street;town")
# The speed measurements drive the whole game.
set(allowed_bench "bench;game;core;audio;records;street;town")
# The developer tools (the window gallery) drive the whole game as the player does.
set(allowed_tools "tools;game;core;audio;records;street;town")
# The tests of a folder drive its windows in the whole game, which the game fixture (tests/support, included without a
# folder) assembles: a street window opens from a button of a town window, the clock's events come from the game. So
# they may include every folder of the game, but not the checker, the fuzz targets or the measurements.
set(allowed_tests/support "${allowed_game}")
foreach(folder core audio records street town game)
    set(allowed_tests/${folder} "${allowed_game}")
endforeach()
set(allowed_tests/fuzz "${allowed_fuzz}")

# Every folder that holds sources has a row: a new folder must be placed in the table before it may include anything.
set(violations "")
file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*.cpp" "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.c")
foreach(name ${sources})
    if(name MATCHES "^(build|\\.)")
        continue()
    endif()
    if(name MATCHES "^tests/([^/]+)/")
        set(folder "tests/${CMAKE_MATCH_1}")
    elseif(name MATCHES "^([^/]+)/")
        set(folder "${CMAKE_MATCH_1}")
    else()
        set(folder "")
    endif()
    if(NOT DEFINED allowed_${folder})
        string(APPEND violations "${name}: the folder ${folder}/ has no row in the layer table\n")
        continue()
    endif()
    file(STRINGS "${SOURCE_DIR}/${name}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[A-Za-z0-9_]+/")
    foreach(line ${includes})
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([A-Za-z0-9_]+)/.*$" "\\1" target "${line}")
        if(NOT target IN_LIST allowed_${folder})
            string(APPEND violations "${name}: ${folder}/ may not include ${target}/: ${line}\n")
        endif()
    endforeach()
endforeach()

if(violations)
    message(FATAL_ERROR "Includes across the layers:\n${violations}")
endif()
message(STATUS "Every include keeps to the layers.")
