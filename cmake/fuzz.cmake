# add_fuzz_test(NAME SOURCES <file>... RUNS <count> [LIBRARIES <target>...] [LINK_FLAGS <flag>...])
# Builds the libFuzzer program NAME from SOURCES (paths relative to the calling folder; one of them
# defines LLVMFuzzerTestOneInput) with clang++ and -fsanitize=fuzzer,address,undefined, apart from the
# project's g++ build, with the project root as include folder. LIBRARIES are project static libraries
# linked as built (not instrumented: put the code under test in SOURCES), LINK_FLAGS raw linker flags. Registers the ctest test NAME, which
# runs it on RUNS generated inputs from a fixed seed, so every run tries the same inputs; crash inputs
# are kept in <build>/fuzz/. Without clang++ the test is left out with a notice.
find_program(FUZZ_CLANGXX clang++)

function(add_fuzz_test name)
  cmake_parse_arguments(PARSE_ARGV 1 FUZZ "" "RUNS" "SOURCES;LIBRARIES;LINK_FLAGS")
  if(NOT FUZZ_CLANGXX)
    message(STATUS "clang++ not found: fuzz test ${name} left out")
    return()
  endif()
  if(NOT FUZZ_SOURCES OR NOT FUZZ_RUNS)
    message(FATAL_ERROR "add_fuzz_test(${name}) needs SOURCES and RUNS")
  endif()

  set(work_dir ${CMAKE_BINARY_DIR}/fuzz/${name})
  set(flags -std=c++${CMAKE_CXX_STANDARD} -g -O1 -Wall -Wextra
      -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I${PROJECT_SOURCE_DIR})
  set(objects)
  foreach(source IN LISTS FUZZ_SOURCES)
    get_filename_component(source_path ${source} ABSOLUTE)
    file(RELATIVE_PATH object ${PROJECT_SOURCE_DIR} ${source_path})
    string(REPLACE "/" "_" object ${object})
    set(object ${work_dir}/${object}.o)
    add_custom_command(
      OUTPUT ${object}
      COMMAND ${FUZZ_CLANGXX} ${flags} -MD -MF ${object}.d -c ${source_path} -o ${object}
      DEPENDS ${source_path}
      DEPFILE ${object}.d
      COMMENT "Compiling ${source} for fuzzing"
      VERBATIM)
    list(APPEND objects ${object})
  endforeach()

  set(libraries)
  foreach(library IN LISTS FUZZ_LIBRARIES)
    list(APPEND libraries $<TARGET_FILE:${library}>)
  endforeach()

  set(program ${work_dir}/${name})
  add_custom_command(
    OUTPUT ${program}
    COMMAND ${FUZZ_CLANGXX} -fsanitize=fuzzer,address,undefined ${objects} ${libraries} ${FUZZ_LINK_FLAGS}
            -o ${program}
    DEPENDS ${objects} ${FUZZ_LIBRARIES}
    COMMENT "Linking fuzz program ${name}"
    VERBATIM)
  add_custom_target(${name} ALL DEPENDS ${program})
  add_test(NAME ${name} COMMAND ${program} -runs=${FUZZ_RUNS} -seed=1 -artifact_prefix=${work_dir}/
           WORKING_DIRECTORY ${work_dir})
endfunction()
