# Fails when a file of a checked folder includes something outside its
# allow-list. Usage:
#   cmake -DSOURCE=<src dir> -DLAYERS=<"folder:allowed allowed;..."> -P check_layering.cmake
# An allowed entry is either a folder of <src dir>, allowing the headers
# directly in it and not those of its subfolders (`platform` is the interfaces
# alone), or a header from outside the sources written in angle brackets, `<*>`
# allowing any. A folder's own files and the C++ standard library are always
# allowed; a quoted include without a folder counts as a header from outside.
cmake_minimum_required(VERSION 3.25)

# The C++20 library without its deprecated headers, and the C library as C++
# provides it; the `.h` forms are left to the platform implementations.
set(standard_headers
  algorithm any array atomic barrier bit bitset charconv chrono compare complex
  concepts condition_variable coroutine deque exception execution filesystem
  format forward_list fstream functional future initializer_list iomanip ios
  iosfwd iostream istream iterator latch limits list locale map memory
  memory_resource mutex new numbers numeric optional ostream queue random ranges
  ratio regex scoped_allocator semaphore set shared_mutex source_location span
  sstream stack stdexcept stop_token streambuf string string_view syncstream
  system_error thread tuple type_traits typeindex typeinfo unordered_map
  unordered_set utility valarray variant vector version
  cassert cctype cerrno cfenv cfloat cinttypes climits clocale cmath csetjmp
  csignal cstdarg cstddef cstdint cstdio cstdlib cstring ctime cuchar cwchar
  cwctype)
list(TRANSFORM standard_headers PREPEND "<")
list(TRANSFORM standard_headers APPEND ">")

set(violations "")
foreach(layer ${LAYERS})
  string(REPLACE ":" ";" parts "${layer}")
  list(GET parts 0 folder)
  list(GET parts 1 allowed)
  separate_arguments(allowed)
  list(APPEND allowed ${folder} ${standard_headers})
  file(GLOB_RECURSE files ${SOURCE}/${folder}/*.h ${SOURCE}/${folder}/*.cpp)
  foreach(file ${files})
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${includes})
      if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)/[^/\"]+\"")
        set(included "${CMAKE_MATCH_1}")
        set(shown "${included}/")
      else()
        if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
          set(included "<${CMAKE_MATCH_1}>")
        elseif(line MATCHES "#[ \t]*include[ \t]*(<[^>]+>)")
          set(included "${CMAKE_MATCH_1}")
        else()
          continue()
        endif()
        set(shown "${included}")
        if("<*>" IN_LIST allowed)
          continue()
        endif()
      endif()
      if(NOT included IN_LIST allowed)
        string(APPEND violations "${file}: ${folder}/ may not include ${shown}\n")
      endif()
    endforeach()
  endforeach()
endforeach()
if(violations)
  message(NOTICE "${violations}")
  message(FATAL_ERROR "Includes cross the layering.")
endif()
