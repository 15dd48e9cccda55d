# The Debian package, made by `cpack -G DEB` in the build folder: both programs with the
# complete English demo course in /usr/lib/tessaron/english/ (they read every file from their
# own folder, so the binaries live there too), launchers in /usr/bin, menu entries, icons,
# AppStream metadata and the classroom server. A system-wide installation is read-only for the
# learners, whose files then go to $XDG_DATA_HOME/tessaron/english/.

set(TESS_PROJECT_URL "https://tessaron.example" CACHE STRING
    "The project's web site, named in the package and its AppStream metadata")

set(tess_course_dir lib/tessaron/english)
set(tess_doc_dir share/doc/tessaron)
set(tess_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(tess_package_work ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${tess_package_work})

install(TARGETS coursebook wordbook RUNTIME DESTINATION ${tess_course_dir})
install(TARGETS tessaron-sound LIBRARY DESTINATION ${tess_course_dir})
install(TARGETS classroom-server RUNTIME DESTINATION bin)

# The assembled installation, less the programs and their sound module (above), the icons (below) and anything a
# program or a test wrote into it as a learner would: users, their folders, recordings,
# learning lists, the classroom folder and mode file, and temporary files of saves.
string(REGEX REPLACE "([][+.*()^$?|\\\\])" "\\\\\\1" tess_root_regex "${TESS_INSTALL_DIR}")
install(DIRECTORY ${TESS_INSTALL_DIR}/ DESTINATION ${tess_course_dir}
  REGEX "^${tess_root_regex}/(coursebook|wordbook|tessaron-sound\\.so|classroom-server|icons|dd\\.t|0_tmp|[0-9]+)$"
    EXCLUDE
  REGEX "/usr\\.t(\\.lock)?$" EXCLUDE
  REGEX "/(tmp1|save_[0-9]+)\\.[Ww][Aa][Vv]$" EXCLUDE
  REGEX "^${tess_root_regex}/(eng_34|niem_1234|ros5)?slow\\.txt$" EXCLUDE
  REGEX "\\.tmp-[A-Za-z0-9]+$" EXCLUDE)

install(PROGRAMS ${tess_packaging}/coursebook.sh DESTINATION bin RENAME coursebook)
install(PROGRAMS ${tess_packaging}/wordbook.sh DESTINATION bin RENAME wordbook)
install(FILES ${tess_packaging}/org.tessaron.coursebook.desktop
              ${tess_packaging}/org.tessaron.wordbook.desktop
        DESTINATION share/applications)
install(DIRECTORY ${TESS_INSTALL_DIR}/icons/hicolor DESTINATION share/icons)
foreach(program coursebook wordbook)
  configure_file(${tess_packaging}/org.tessaron.${program}.metainfo.xml.in
                 ${tess_package_work}/org.tessaron.${program}.metainfo.xml @ONLY)
  install(FILES ${tess_package_work}/org.tessaron.${program}.metainfo.xml
          DESTINATION share/metainfo)
endforeach()

# Documentation: copyright, the Debian changelog (compressed without a time stamp, as policy
# wants), the README's section on the classroom server, and the screenshots the metadata names.
execute_process(COMMAND gzip -9nc ${tess_packaging}/changelog
                OUTPUT_FILE ${tess_package_work}/changelog.gz)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${tess_packaging}/changelog
             ${PROJECT_SOURCE_DIR}/README.md)
file(READ ${PROJECT_SOURCE_DIR}/README.md tess_readme)
string(REGEX MATCH "## Classroom\n.*" tess_classroom "${tess_readme}")
string(REGEX REPLACE "\n## .*" "\n" tess_classroom "${tess_classroom}")
string(PREPEND tess_classroom
       "In this package the server is /usr/bin/classroom-server and the mode file dd.t goes\n"
       "beside the course program, into /usr/lib/tessaron/english/.\n\n")
file(WRITE ${tess_package_work}/README.classroom-server.md "${tess_classroom}")
install(FILES ${tess_packaging}/copyright ${tess_package_work}/changelog.gz
              ${tess_package_work}/README.classroom-server.md
        DESTINATION ${tess_doc_dir})
install(FILES ${PROJECT_SOURCE_DIR}/docs/coursebook.png
              ${PROJECT_SOURCE_DIR}/docs/mc-exercise-checked.png
              ${PROJECT_SOURCE_DIR}/docs/conversation-speaking.png
              ${PROJECT_SOURCE_DIR}/docs/wordbook.png
        DESTINATION ${tess_doc_dir}/screenshots)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessaron)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tessaron developers")
set(CPACK_PACKAGE_CONTACT "Tessaron maintainers <maintainers@users.noreply.c-seed-cd82ef98.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "listening comprehension course of English for Polish speakers")
set(CPACK_PACKAGE_DESCRIPTION
    "Tessaron is a desktop course for Polish-speaking adults who learn to\n"
    "understand spoken English: recorded texts and films with seven kinds of\n"
    "exercises, recorded conversations, sentence drills and picture comprehension,\n"
    "with every learner's results kept item by item (coursebook). An\n"
    "English-Polish dictionary with spoken recordings and learning lists comes\n"
    "with it (wordbook), and a classroom server that assigns lessons and collects\n"
    "results (classroom-server).\n"
    "\n"
    "The interface is Polish, with English, German and Russian alternatives.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TESS_PROJECT_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the libraries do not name: the GStreamer plugins that play the course's WAV, AVI and
# MPEG files, and the fonts the windows are laid out with.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-good, gstreamer1.0-plugins-bad, gstreamer1.0-libav, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libqt6sql6-psql")
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
