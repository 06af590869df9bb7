# Builds one of the assemblers the tests run, as a step of the build:
#   cmake -DTOOL=vacs -DSOURCE=... -DOUT=... -DPATCH=... -DFPC=... -DPATCHES=FOLDER -P build_assembler.cmake
#   cmake -DTOOL=asl -DSOURCE=... -DOUT=... -DMAKE=... -DJOBS=n -P build_assembler.cmake
# What the compilers print goes to OUT/build.log and is shown only when the
# build fails: their own warnings are theirs, not ours to read every build.

function(run_logged what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result OUTPUT_FILE ${OUT}/build.log ERROR_FILE ${OUT}/build.log)
  if(NOT result EQUAL 0)
    file(READ ${OUT}/build.log log)
    message(FATAL_ERROR "${log}\n${what} failed (${result}); its output is in ${OUT}/build.log")
  endif()
endfunction()

file(MAKE_DIRECTORY ${OUT})
if(TOOL STREQUAL "vacs")
  # Our port fixes go onto a fresh copy of the published sources each time:
  # the vendored files stay as published, and Free Pascal takes a second.
  file(REMOVE_RECURSE ${OUT}/src ${OUT}/units)
  file(MAKE_DIRECTORY ${OUT}/units)
  file(COPY ${SOURCE}/ DESTINATION ${OUT}/src)
  file(GLOB patches ${PATCHES}/vacs-*.patch)
  foreach(patch IN LISTS patches)
    run_logged("applying ${patch}" ${PATCH} -p1 -s -d ${OUT}/src -i ${patch})
  endforeach()
  run_logged("Free Pascal" ${FPC} -Mdelphi -FU${OUT}/units -FE${OUT} ${OUT}/src/asm32.dpr)
  set(outputs ${OUT}/asm32)
elseif(TOOL STREQUAL "asl")
  # asl's own Makefile, with its objects in the build folder (OBJDIR) so the
  # source tree stays clean; CURRDIR is emptied since it would put "./" in
  # front of the absolute paths of the helper programs it builds and runs.
  # make rebuilds only what changed since the last time.
  run_logged("make" ${MAKE} -C ${SOURCE} -j${JOBS} OBJDIR=${OUT}/ CURRDIR= ${OUT}/asl ${OUT}/p2bin)
  set(outputs ${OUT}/asl ${OUT}/p2bin)
else()
  message(FATAL_ERROR "unknown TOOL '${TOOL}'")
endif()
# A changed file that make found no reason to rebuild from (or a patch that
# changed nothing) would otherwise leave the programs older than their sources,
# and the build would run this step again every time.
file(TOUCH_NOCREATE ${outputs})
