# Header-only libraries from Debian's packages: {fmt} (text of numbers with
# a precision), Dragonbox (shortest digits) and fast_float (reading numbers),
# which the engine writes and reads numbers with, and nlohmann/json, which
# writes the calculator's state as JSON; Boost's Multiprecision, the whole
# numbers and wide floating point the statistics work out their results in.
# A cross build (the web page's) gets a copy of each library's own folder
# (a link to Boost's, which is large), never the host's whole include folder.
#
#   tabrix_header_library(TARGET HEADER FOLDER [SUFFIX])
# makes the interface target TARGET for the library whose HEADER (as
# included, "fmt/format.h") lies in FOLDER ("fmt") under /usr/include or
# /usr/include/SUFFIX.

set(tabrix_header_copies ${CMAKE_BINARY_DIR}/header-libraries/include)

function(tabrix_header_library target header folder)
  set(suffix ${ARGN})
  string(MAKE_C_IDENTIFIER "tabrix_found_${folder}" found)
  find_path(${found} ${header} PATHS /usr/include PATH_SUFFIXES ${suffix} NO_CMAKE_FIND_ROOT_PATH)
  if(NOT ${found})
    message(FATAL_ERROR "${header} is missing: tools/dev.sh setup installs it")
  endif()
  add_library(${target} INTERFACE)
  if(CMAKE_CROSSCOMPILING AND folder STREQUAL "boost")
    file(MAKE_DIRECTORY ${tabrix_header_copies})
    file(CREATE_LINK ${${found}}/${folder} ${tabrix_header_copies}/${folder} SYMBOLIC)
    target_include_directories(${target} SYSTEM INTERFACE ${tabrix_header_copies})
  elseif(CMAKE_CROSSCOMPILING)
    file(COPY ${${found}}/${folder} DESTINATION ${tabrix_header_copies})
    target_include_directories(${target} SYSTEM INTERFACE ${tabrix_header_copies})
  else()
    target_include_directories(${target} SYSTEM INTERFACE ${${found}})
  endif()
endfunction()

tabrix_header_library(tabrix_fmt fmt/format.h fmt)
target_compile_definitions(tabrix_fmt INTERFACE FMT_HEADER_ONLY)
tabrix_header_library(tabrix_dragonbox dragonbox/dragonbox.h dragonbox dragonbox-1.1.3)
tabrix_header_library(tabrix_fast_float fast_float/fast_float.h fast_float)
tabrix_header_library(tabrix_boost boost/multiprecision/cpp_int.hpp boost)
add_library(tabrix_number_libraries INTERFACE)
target_link_libraries(tabrix_number_libraries INTERFACE tabrix_fmt tabrix_dragonbox tabrix_fast_float tabrix_boost)
tabrix_header_library(tabrix_json nlohmann/json.hpp nlohmann)
