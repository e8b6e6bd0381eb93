# varnel_add_catalogue(<target> <qm-name> TS_FILES <ts files...>)
#
# Compiles one or more .ts sources with lrelease into
# <program folder>/translations/<qm-name>.qm. Several .ts files may feed one
# catalogue, so each area of a deliverable keeps its own source file.
set(VARNEL_TRANSLATIONS_DIR ${VARNEL_PROGRAM_DIR}/translations)
file(MAKE_DIRECTORY ${VARNEL_TRANSLATIONS_DIR})

function(varnel_add_catalogue target qmname)
  cmake_parse_arguments(C "" "" "TS_FILES" ${ARGN})
  set(out ${VARNEL_TRANSLATIONS_DIR}/${qmname}.qm)
  set(ts_abs)
  foreach(ts ${C_TS_FILES})
    get_filename_component(abs ${ts} ABSOLUTE)
    list(APPEND ts_abs ${abs})
  endforeach()
  add_custom_command(OUTPUT ${out}
    COMMAND Qt6::lrelease -silent ${ts_abs} -qm ${out}
    DEPENDS ${ts_abs}
    COMMENT "Compiling catalogue ${qmname}.qm"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${out})
endfunction()
