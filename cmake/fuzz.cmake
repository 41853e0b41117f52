# add_fuzz_test(NAME SOURCES <file>... RUNS <count> [LIBRARIES <target>...] [LINK_FLAGS <flag>...]
#               [SEEDS <folder>])
# Builds the libFuzzer program NAME from SOURCES (paths relative to the calling folder; one of them
# defines LLVMFuzzerTestOneInput) with clang++ and -fsanitize=fuzzer,address,undefined plus
# float-cast-overflow, apart from the project's g++ build, with the project root as include folder and
# the definitions a source's folder gives it.
# LIBRARIES are project static libraries whose sources, and those of the project libraries they
# link, are compiled into the program with the same instrumentation: a fault in any code the target
# reaches is caught, not only in SOURCES. LINK_FLAGS are raw linker flags (for outside libraries).
# Registers the ctest test NAME, which runs it on RUNS generated inputs from a fixed seed, so every
# run tries the same inputs; crash inputs are kept in <build>/fuzz/. Without clang++ the test is left
# out with a notice. SEEDS is a folder of inputs (former crash inputs among them) that every run
# tries first, before the generated ones; the folder is only read.
find_program(FUZZ_CLANGXX clang++)

# Appends to `out` the absolute paths of the sources of `target` and of the project static
# libraries it links, depth first.
function(fuzz_library_sources target out)
  set(sources ${${out}})
  get_target_property(dir ${target} SOURCE_DIR)
  get_target_property(own ${target} SOURCES)
  foreach(source IN LISTS own)
    if(NOT IS_ABSOLUTE ${source})
      set(source ${dir}/${source})
    endif()
    list(APPEND sources ${source})
  endforeach()
  get_target_property(linked ${target} LINK_LIBRARIES)
  foreach(library IN LISTS linked)
    if(TARGET ${library})
      get_target_property(imported ${library} IMPORTED)
      get_target_property(type ${library} TYPE)
      if(NOT imported AND type STREQUAL "STATIC_LIBRARY")
        fuzz_library_sources(${library} sources)
      endif()
    endif()
  endforeach()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

function(add_fuzz_test name)
  cmake_parse_arguments(PARSE_ARGV 1 FUZZ "" "RUNS;SEEDS" "SOURCES;LIBRARIES;LINK_FLAGS")
  if(NOT FUZZ_CLANGXX)
    message(STATUS "clang++ not found: fuzz test ${name} left out")
    return()
  endif()
  if(NOT FUZZ_SOURCES OR NOT FUZZ_RUNS)
    message(FATAL_ERROR "add_fuzz_test(${name}) needs SOURCES and RUNS")
  endif()

  set(sources)
  foreach(source IN LISTS FUZZ_SOURCES)
    get_filename_component(source_path ${source} ABSOLUTE)
    list(APPEND sources ${source_path})
  endforeach()
  foreach(library IN LISTS FUZZ_LIBRARIES)
    fuzz_library_sources(${library} sources)
  endforeach()
  list(REMOVE_DUPLICATES sources)

  set(work_dir ${CMAKE_BINARY_DIR}/fuzz/${name})
  set(sanitizers -fsanitize=fuzzer,address,undefined,float-cast-overflow)
  set(flags -std=c++${CMAKE_CXX_STANDARD} -g -O1 -Wall -Wextra ${sanitizers} -fno-sanitize-recover=all
      -I${PROJECT_SOURCE_DIR})
  set(objects)
  foreach(source_path IN LISTS sources)
    file(RELATIVE_PATH object ${PROJECT_SOURCE_DIR} ${source_path})
    string(REPLACE "/" "_" object ${object})
    set(object ${work_dir}/${object}.o)
    # The definitions the CMakeLists.txt of the source's folder gives it (set_source_files_properties).
    set(definitions)
    get_filename_component(source_dir ${source_path} DIRECTORY)
    if(EXISTS ${source_dir}/CMakeLists.txt)
      get_source_file_property(definitions ${source_path} DIRECTORY ${source_dir} COMPILE_DEFINITIONS)
      if(definitions)
        list(TRANSFORM definitions PREPEND -D)
      else()
        set(definitions)
      endif()
    endif()
    add_custom_command(
      OUTPUT ${object}
      COMMAND ${FUZZ_CLANGXX} ${flags} ${definitions} -MD -MF ${object}.d -c ${source_path} -o ${object}
      DEPENDS ${source_path}
      DEPFILE ${object}.d
      COMMENT "Compiling ${object} for fuzzing"
      VERBATIM)
    list(APPEND objects ${object})
  endforeach()

  set(program ${work_dir}/${name})
  add_custom_command(
    OUTPUT ${program}
    COMMAND ${FUZZ_CLANGXX} ${sanitizers} ${objects} ${FUZZ_LINK_FLAGS} -o ${program}
    DEPENDS ${objects}
    COMMENT "Linking fuzz program ${name}"
    VERBATIM)
  add_custom_target(${name} ALL DEPENDS ${program})
  set(seed_option)
  if(FUZZ_SEEDS)
    # Named one by one: a corpus folder given to libFuzzer would be written into.
    file(GLOB seeds CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${FUZZ_SEEDS}/*)
    list(JOIN seeds "," seed_list)
    set(seed_option -seed_inputs=${seed_list})
  endif()
  add_test(NAME ${name} COMMAND ${program} -runs=${FUZZ_RUNS} -seed=1 -artifact_prefix=${work_dir}/ ${seed_option}
           WORKING_DIRECTORY ${work_dir})
endfunction()
