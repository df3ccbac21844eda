# The browser build (make web), with emscripten: the game's core, the player's
# files on the POSIX layer of emscripten's file system, and the web platform;
# into build-web/ as index.html, index.js and index.wasm, with the data beside.
set(TW_WEB ${CMAKE_SOURCE_DIR}/src/platform/web)
tw_sources(TW_WEB_SOURCES platform/web)
add_executable(index ${TW_CORE_SOURCES} ${TW_WEB_SOURCES}
                     ${CMAKE_SOURCE_DIR}/src/platform/posix/storage.cpp)
set_target_properties(index PROPERTIES SUFFIX ".html")
# (SHELL: keeps CMake from merging the two --pre-js options into one.)
target_include_directories(index PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_compile_definitions(index PRIVATE TW_VERSION="${PROJECT_VERSION}")
target_link_options(index PRIVATE
  -sALLOW_MEMORY_GROWTH=1 -sFORCE_FILESYSTEM=1 -sMINIFY_HTML=0
  -sEXPORTED_FUNCTIONS=_main,_malloc,_free
  -sEXPORTED_RUNTIME_METHODS=FS,addRunDependency,removeRunDependency,UTF8ToString
  "SHELL:--shell-file ${TW_WEB}/shell.html" "SHELL:--pre-js ${TW_WEB}/pre.js"
  "SHELL:--pre-js ${TW_WEB}/web_audio.js")
set_property(TARGET index APPEND PROPERTY LINK_DEPENDS ${TW_WEB}/shell.html ${TW_WEB}/pre.js
             ${TW_WEB}/web_audio.js)

# The data the page fetches, beside it.
file(GLOB TW_CLIPS ${CMAKE_SOURCE_DIR}/data/*.wav)
foreach(file red.ppm green.ppm blue.ppm lightblue.ppm)
  configure_file(${CMAKE_SOURCE_DIR}/${file} ${CMAKE_BINARY_DIR}/${file} COPYONLY)
endforeach()
foreach(clip ${TW_CLIPS})
  get_filename_component(name ${clip} NAME)
  configure_file(${clip} ${CMAKE_BINARY_DIR}/data/${name} COPYONLY)
endforeach()
