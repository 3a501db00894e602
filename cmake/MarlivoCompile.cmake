# Compiler settings shared by every target of both builds.

add_compile_options(-Wall -Wextra -Wpedantic)

if(MARLIVO_WINDOWS)
  # The code calls the W or A functions by name; UNICODE stays undefined on purpose.
  add_compile_definitions(
    _WIN32_WINNT=0x0601 WINVER=0x0601 NTDDI_VERSION=0x06010000
    NOMINMAX STRICT)
  # Link everything statically: the executables run on a bare Windows or Wine prefix.
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

if(MARLIVO_SANITIZE)
  set(MARLIVO_SANITIZER_FLAGS
      -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${MARLIVO_SANITIZER_FLAGS} -g)
  add_link_options(${MARLIVO_SANITIZER_FLAGS})
endif()

if(MARLIVO_FUZZ)
  # Coverage instrumentation everywhere, so that libFuzzer is guided through the code
  # under test and not only through the fuzz target's own file.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# Adds every child folder of the current source folder that holds a CMakeLists.txt.
function(marlivo_add_subdirectories)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
       ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child ${children})
    if(IS_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/${child}
       AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# A library of platform-free code: built in both builds.
function(marlivo_portable_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${MARLIVO_ROOT})
endfunction()

# A library that calls Windows: built in the Windows build only.
function(marlivo_windows_library name)
  if(MARLIVO_WINDOWS)
    add_library(${name} STATIC ${ARGN})
    target_include_directories(${name} PUBLIC ${MARLIVO_ROOT})
  endif()
endfunction()
