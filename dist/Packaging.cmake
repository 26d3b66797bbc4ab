# Installing the game (cmake --install), its menu entry, icons and metadata, and the Debian package (cpack -G DEB).
#
#   bin/trambul                          the game
#   lib/<triplet>/trambul/               the codec libraries it loads at run time by name
#   share/trambul/Data/                  the game's content, read-only; the game runs in ~/.local/share/trambul with a
#                                        link to it and keeps the player's saved games there
#   share/applications, share/metainfo, share/icons/hicolor
include(GNUInstallDirs)

set(TRAMBUL_APP_ID ru.trambul.Trambul)
# GNUInstallDirs adds the multiarch triplet to the library folder only for the /usr prefix; the package always has it.
if(CMAKE_LIBRARY_ARCHITECTURE AND NOT CMAKE_INSTALL_LIBDIR MATCHES "${CMAKE_LIBRARY_ARCHITECTURE}")
    set(TRAMBUL_INSTALL_LIBRARYDIR ${CMAKE_INSTALL_LIBDIR}/${CMAKE_LIBRARY_ARCHITECTURE}/trambul)
else()
    set(TRAMBUL_INSTALL_LIBRARYDIR ${CMAKE_INSTALL_LIBDIR}/trambul)
endif()

# The game finds its data relative to its own program, so the installed tree may be moved or unpacked anywhere.
file(RELATIVE_PATH trambul_installed_data "${CMAKE_INSTALL_FULL_BINDIR}" "${CMAKE_INSTALL_FULL_DATADIR}/trambul/Data")
target_compile_definitions(trambul PRIVATE TRAMBUL_INSTALLED_DATA="${trambul_installed_data}")

# The game's own libraries (the codecs, the charts) are loaded by full path, from the program's folder or from this
# folder relative to it (core/DataPath.h). The program has no run path: a run path to be rewritten at installation is
# padded in the build tree with empty entries, and an empty entry sends the loader to look for every library, Qt's
# and the system's, in whatever folder the game was started from.
file(RELATIVE_PATH trambul_library_from_bin "${CMAKE_INSTALL_FULL_BINDIR}"
    "${CMAKE_INSTALL_PREFIX}/${TRAMBUL_INSTALL_LIBRARYDIR}")
target_compile_definitions(trambul_core PRIVATE TRAMBUL_INSTALLED_LIBRARIES="${trambul_library_from_bin}")

install(TARGETS trambul RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/Data DESTINATION ${CMAKE_INSTALL_DATADIR}/trambul)
install(FILES ${CMAKE_SOURCE_DIR}/dist/${TRAMBUL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/dist/${TRAMBUL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/art/trambul-icon.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${TRAMBUL_APP_ID}.svg)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${CMAKE_SOURCE_DIR}/dist/icons/${size}x${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${TRAMBUL_APP_ID}.png)
endforeach()

# Run-time libraries of ours (the codecs). A shared-library target joins the installation either by its name
# (trambul_codec_*, MPGLib, Vorbis) or explicitly: trambul_runtime_library(target). The list is read at the end of the
# configuration, so targets defined anywhere in the tree, before or after this file, are found.
define_property(GLOBAL PROPERTY TRAMBUL_RUNTIME_LIBRARIES BRIEF_DOCS "Shared libraries the game loads at run time"
    FULL_DOCS "Installed into lib/<triplet>/trambul beside each other.")
function(trambul_runtime_library)
    set_property(GLOBAL APPEND PROPERTY TRAMBUL_RUNTIME_LIBRARIES ${ARGN})
endfunction()

function(trambul_collect_targets directory out)
    get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
    foreach(subdirectory IN LISTS subdirectories)
        trambul_collect_targets(${subdirectory} more)
        list(APPEND targets ${more})
    endforeach()
    set(${out} ${targets} PARENT_SCOPE)
endfunction()

function(trambul_install_runtime_libraries)
    get_property(libraries GLOBAL PROPERTY TRAMBUL_RUNTIME_LIBRARIES)
    trambul_collect_targets(${CMAKE_SOURCE_DIR} targets)
    foreach(target IN LISTS targets)
        if(target MATCHES "^(trambul_codec_.*|MPGLib|Vorbis)$")
            list(APPEND libraries ${target})
        endif()
    endforeach()
    list(REMOVE_DUPLICATES libraries)
    foreach(target IN LISTS libraries)
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "SHARED_LIBRARY" OR type STREQUAL "MODULE_LIBRARY")
            install(TARGETS ${target} LIBRARY DESTINATION ${TRAMBUL_INSTALL_LIBRARYDIR} NAMELINK_SKIP)
            message(STATUS "Installing run-time library ${target}")
        endif()
    endforeach()
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL trambul_install_runtime_libraries)

# The menu entry and the metadata are checked by the desktop's own validators when they are installed.
if(TRAMBUL_TESTS)
    find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
    find_program(APPSTREAMCLI appstreamcli)
    if(DESKTOP_FILE_VALIDATE)
        add_test(NAME PackagingTest.MenuEntryIsValid
            COMMAND ${DESKTOP_FILE_VALIDATE} ${CMAKE_SOURCE_DIR}/dist/${TRAMBUL_APP_ID}.desktop)
    endif()
    if(APPSTREAMCLI)
        add_test(NAME PackagingTest.MetadataIsValid
            COMMAND ${APPSTREAMCLI} validate --no-net ${CMAKE_SOURCE_DIR}/dist/${TRAMBUL_APP_ID}.metainfo.xml)
    endif()
endif()

# cpack -G DEB (tools/check-deb.sh builds it and tries it out).
set(CPACK_PACKAGE_NAME trambul)
set(CPACK_PACKAGE_VENDOR "The Trambul developers")
set(CPACK_PACKAGE_CONTACT "The Trambul developers <games@trambul.ru>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "school life game: a year of a ninth-form pupil in a new town")
set(CPACK_PACKAGE_DESCRIPTION
    "A Russian-language life-simulation game. The player is a ninth-form pupil who has just moved to a new town,\
 from the first of September to the final exams in May.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://trambul.ru/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded by name at run time, so no library links them and dpkg-shlibdeps cannot find them: named here.
# SDL2 and SDL2_mixer are among them (the game loads them when it first opens the sound device), at the versions that
# have every function the game calls (SDL_GetTicks64, Mix_MusicDuration).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, libsdl2-2.0-0 (>= 2.0.18), \
libsdl2-mixer-2.0-0 (>= 2.6.0), timgm6mb-soundfont | fluid-soundfont-gm")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
include(CPack)
