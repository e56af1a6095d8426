# Each library sees only the folders it may use: a probe that includes a
# header from a folder above its library must fail to compile, and one that
# includes from a folder below must compile (so that the failures are the
# include's and nothing else's). Run with -DBUILD_DIR=... -DPROBES="target:expect;..."
foreach(probe ${PROBES})
  string(REPLACE ":" ";" parts ${probe})
  list(GET parts 0 target)
  list(GET parts 1 expect)
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${target}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(expect STREQUAL "refused")
    if(result EQUAL 0)
      message(FATAL_ERROR "${target} compiled: its library can see a folder above it")
    endif()
    if(NOT output MATCHES "No such file or directory")
      message(FATAL_ERROR "${target} failed for another reason than the hidden folder:\n${output}")
    endif()
  elseif(NOT result EQUAL 0)
    message(FATAL_ERROR "${target} did not compile:\n${output}")
  endif()
  message(STATUS "${target}: ${expect}")
endforeach()
