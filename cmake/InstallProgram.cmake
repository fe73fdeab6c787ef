# Where the programs are installed: a cube game and its command-line companion
# belong with the other games: <prefix>/games, /usr/games in the package.
set(ROVAN_INSTALL_PROGRAM_DIR games)

# Installs an executable. A stripped install (cpack, `cmake --install --strip`)
# also drops the compiler's .comment and .note sections, as Debian's own
# packaging does, which a plain strip keeps.
function(rovan_install_program target)
  install(TARGETS ${target} RUNTIME DESTINATION ${ROVAN_INSTALL_PROGRAM_DIR})
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment --remove-section=.note
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ROVAN_INSTALL_PROGRAM_DIR}/$<TARGET_FILE_NAME:${target}>\"
        COMMAND_ERROR_IS_FATAL ANY)
    endif()")
endfunction()
