# Install step run by `cmake --install`: writes the launcher and the desktop entry for the folders as
# they are now, with the prefix of this install, then installs both (DESTDIR applies as usual).

# A folder below the prefix, or an absolute one as it is.
function(full_path out dir)
  if(IS_ABSOLUTE "${dir}")
    set(${out} "${dir}" PARENT_SCOPE)
  else()
    set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
  endif()
endfunction()

full_path(launcher_full "${launcher_dir}")
full_path(program_full "${program_dir}")
full_path(data_full "${data_dir}")
full_path(applications_full "${applications_dir}")

file(RELATIVE_PATH FEZZLE_BINARY_FROM_LAUNCHER "${launcher_full}" "${program_full}/fezzle-flyer")
file(RELATIVE_PATH FEZZLE_DATA_FROM_LAUNCHER "${launcher_full}" "${data_full}")
set(FEZZLE_LAUNCHER_PATH "${launcher_full}/fezzle-flyer")

# A folder of this install's own: installs may run side by side from one build.
string(RANDOM LENGTH 12 tag)
set(stage "${staging}/${tag}")
configure_file("${launcher_template}" "${stage}/fezzle-flyer" @ONLY)
configure_file("${desktop_template}" "${stage}/${FEZZLE_APP_ID}.desktop" @ONLY)
file(INSTALL DESTINATION "${launcher_full}" TYPE PROGRAM FILES "${stage}/fezzle-flyer")
file(INSTALL DESTINATION "${applications_full}" TYPE FILE FILES "${stage}/${FEZZLE_APP_ID}.desktop")
file(REMOVE_RECURSE "${stage}")
