# Writes the launcher entry for the prefix that is being installed to and installs it. Runs at
# install time (`cmake --install`, CPack), where CMAKE_INSTALL_PREFIX is the final prefix and
# DESTDIR, if set, the staging folder in front of it.
# Set before including:
#   PELVAR_DESKTOP_TEMPLATE   the entry with @PELVAR_EXEC@ in its Exec line
#   PELVAR_DESKTOP_WORK_DIR   a folder of the build tree for the written entries
#   PELVAR_DESKTOP_FILE_NAME  the installed entry's file name
#   PELVAR_PROGRAM_PATH       the game program, relative to the prefix or absolute
#   PELVAR_APPLICATIONS_DIR   the folder of launcher entries, relative to the prefix or absolute

# The value of an Exec key that runs program without arguments. A path of plain characters
# stands as it is. Any other is quoted in double quotes, in which ", `, $ and \ are escaped with
# a backslash; then, as in every string value of an entry, each backslash is doubled. A % is
# doubled, because a single % starts a field code. A line break cannot be written in an entry.
function(pelvar_desktop_exec program out_var)
    if(program MATCHES "[\n\r]")
        message(FATAL_ERROR "A launcher entry cannot name a program whose path holds a line break: ${program}")
    endif()
    set(value "${program}")
    if(NOT value MATCHES "^[A-Za-z0-9_./+,:=@%-]+$")
        string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" value "${value}")
        set(value "\"${value}\"")
    endif()
    string(REPLACE "\\" "\\\\" value "${value}")
    string(REPLACE "%" "%%" value "${value}")
    set(${out_var} "${value}" PARENT_SCOPE)
endfunction()

# 1. Full paths under the prefix.
foreach(_var PELVAR_PROGRAM_PATH PELVAR_APPLICATIONS_DIR)
    if(IS_ABSOLUTE "${${_var}}")
        set(_full_${_var} "${${_var}}")
    else()
        set(_full_${_var} "${CMAKE_INSTALL_PREFIX}/${${_var}}")
    endif()
endforeach()

# 2. The entry, in a folder of its own for each program path, so that installs to two prefixes
# at the same time do not write the same file; the folder goes again after step 3.
pelvar_desktop_exec("${_full_PELVAR_PROGRAM_PATH}" PELVAR_EXEC)
string(MD5 _key "${_full_PELVAR_PROGRAM_PATH}")
set(_entry "${PELVAR_DESKTOP_WORK_DIR}/${_key}/${PELVAR_DESKTOP_FILE_NAME}")
configure_file("${PELVAR_DESKTOP_TEMPLATE}" "${_entry}" @ONLY)

# 3. Installed like any file: under DESTDIR, and listed in the install manifest (which is why
# this runs in the install script's own scope, not in a function).
file(INSTALL DESTINATION "${_full_PELVAR_APPLICATIONS_DIR}" TYPE FILE FILES "${_entry}")
file(REMOVE_RECURSE "${PELVAR_DESKTOP_WORK_DIR}/${_key}")
