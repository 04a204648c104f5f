# The manual page (mirel.1) and the bash completion (mirel.bash), made from the help texts of the
# built mirel so that the command line is described in one place:
#   cmake -DMIREL=<mirel> -DOUTPUT_DIR=<dir> -DVERSION=<x.y.z> -P MirelDocs.cmake
# A help text is CLI11's: a description, "Usage: ...", sections of indented items under a
# heading ("Options:", "Subcommands:", ...), then a footer of free paragraphs. The top-level
# help's own sections beyond Options and Subcommands ("Exit status:", "Environment:", "Files:",
# "See also:") become the manual's sections of those names.
cmake_minimum_required(VERSION 3.25)

foreach(required MIREL OUTPUT_DIR VERSION)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "MirelDocs.cmake needs -D${required}=...")
  endif()
endforeach()

# A sanitizer build's mirel is run here for its help only.
set(ENV{ASAN_OPTIONS} "detect_leaks=0")

# The help of `mirel <words> --help` as a CMake list of lines. Characters that CMake lists treat
# specially are masked and put back by unmask().
function(help_lines out)
  execute_process(COMMAND ${MIREL} ${ARGN} --help
                  OUTPUT_VARIABLE text ERROR_VARIABLE error RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "mirel ${ARGN} --help failed (${status}): ${error}")
  endif()
  string(REPLACE ";" "@SEMI@" text "${text}")
  string(REPLACE "[" "@LB@" text "${text}")
  string(REPLACE "]" "@RB@" text "${text}")
  string(REPLACE "\n" ";" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(unmask var)
  set(text "${${var}}")
  string(REPLACE "@SEMI@" ";" text "${text}")
  string(REPLACE "@LB@" "[" text "${text}")
  string(REPLACE "@RB@" "]" text "${text}")
  set(${var} "${text}" PARENT_SCOPE)
endfunction()

# Text for roff: backslashes and hyphens escaped, a leading control character neutralised.
function(roff out text)
  unmask(text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  if(text MATCHES "^[.']")
    set(text "\\&${text}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# An item's name as roff: flags in bold, their argument in italics ("-h,--help", "--format text|json",
# "FILE ...").
function(roff_item_name out name)
  string(FIND "${name}" " " space)
  if(space EQUAL -1)
    set(flags "${name}")
    set(argument "")
  else()
    string(SUBSTRING "${name}" 0 ${space} flags)
    math(EXPR after "${space} + 1")
    string(SUBSTRING "${name}" ${after} -1 argument)
  endif()
  set(result "")
  if(flags MATCHES "^-")
    string(REPLACE "," ";" flag_list "${flags}")
    foreach(flag IN LISTS flag_list)
      roff(flag "${flag}")
      if(result)
        string(APPEND result ", ")
      endif()
      string(APPEND result "\\fB${flag}\\fR")
    endforeach()
  else()
    roff(flags "${flags}")
    set(result "\\fI${flags}\\fR")
  endif()
  if(argument)
    roff(argument "${argument}")
    string(APPEND result " \\fI${argument}\\fR")
  endif()
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

# Splits an item line ("  --project FILE      description") into name and description.
function(split_item line name_out text_out)
  string(REGEX REPLACE "^ +" "" rest "${line}")
  string(FIND "${rest}" "  " gap)
  if(gap EQUAL -1)
    set(${name_out} "${rest}" PARENT_SCOPE)
    set(${text_out} "" PARENT_SCOPE)
    return()
  endif()
  string(SUBSTRING "${rest}" 0 ${gap} name)
  string(SUBSTRING "${rest}" ${gap} -1 text)
  string(STRIP "${text}" text)
  set(${name_out} "${name}" PARENT_SCOPE)
  set(${text_out} "${text}" PARENT_SCOPE)
endfunction()

# Parses one help text into variables with the given prefix:
#   <p>_DESCRIPTION  the lines before "Usage:"      <p>_USAGE  what follows "Usage: "
#   <p>_SECTIONS     the section headings, in order <p>_ITEMS_<n>  the n-th section's item lines
#   <p>_FOOTER       the footer's lines
macro(parse_help prefix)
  set(${prefix}_DESCRIPTION "")
  set(${prefix}_USAGE "")
  set(${prefix}_SECTIONS "")
  set(${prefix}_FOOTER "")
  set(_state description)
  set(_section -1)
  foreach(_line IN LISTS ${prefix}_LINES)
    if(_state STREQUAL "description")
      if(_line MATCHES "^Usage: (.*)$")
        set(${prefix}_USAGE "${CMAKE_MATCH_1}")
        set(_state sections)
      elseif(NOT _line STREQUAL "")
        list(APPEND ${prefix}_DESCRIPTION "${_line}")
      endif()
    elseif(_state STREQUAL "footer")
      list(APPEND ${prefix}_FOOTER "${_line}")
    elseif(_line STREQUAL "")
    elseif(_line MATCHES "^([A-Za-z][A-Za-z ]*):$")
      math(EXPR _section "${_section} + 1")
      list(APPEND ${prefix}_SECTIONS "${CMAKE_MATCH_1}")
      set(${prefix}_ITEMS_${_section} "")
    elseif(_line MATCHES "^  " AND _section GREATER -1)
      list(APPEND ${prefix}_ITEMS_${_section} "${_line}")
    else()
      set(_state footer)
      list(APPEND ${prefix}_FOOTER "${_line}")
    endif()
  endforeach()
endmacro()

# Items as roff: .TP entries; an indented line without a name of its own continues the text.
function(roff_items out)
  set(result "")
  foreach(line IN LISTS ARGN)
    split_item("${line}" name text)
    roff_item_name(name "${name}")
    roff(text "${text}")
    string(APPEND result ".TP\n${name}\n${text}\n")
  endforeach()
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

# Footer paragraphs (the lines in the list named lines_var) as roff: prose is filled, a paragraph with indented lines (a table) kept as it is.
function(roff_footer out lines_var)
  set(result "")
  set(paragraph "")
  set(preformatted FALSE)
  set(lines "${${lines_var}}")
  list(APPEND lines "")
  foreach(line IN LISTS lines)
    if(line STREQUAL "")
      if(paragraph)
        if(preformatted)
          string(APPEND result ".PP\n.nf\n${paragraph}.fi\n")
        else()
          string(APPEND result ".PP\n${paragraph}")
        endif()
      endif()
      set(paragraph "")
      set(preformatted FALSE)
      continue()
    endif()
    if(line MATCHES "^ ")
      set(preformatted TRUE)
    endif()
    roff(line "${line}")
    string(APPEND paragraph "${line}\n")
  endforeach()
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

# Options that take a value, for the completion: "--format text|json" gives the words to offer,
# "--project FILE" a file name.
set(value_choices "")
set(value_files "")
function(note_values items)
  foreach(line IN LISTS ${items})
    split_item("${line}" name text)
    if(NOT name MATCHES "^(-[^ ]*) (.+)$")
      continue()
    endif()
    set(flags "${CMAKE_MATCH_1}")
    set(argument "${CMAKE_MATCH_2}")
    string(REPLACE "," ";" flags "${flags}")
    foreach(flag IN LISTS flags)
      if(argument MATCHES "\\|")
        string(REPLACE "|" " " words "${argument}")
        list(APPEND value_choices "${flag}=${words}")
      else()
        list(APPEND value_files "${flag}")
      endif()
    endforeach()
  endforeach()
  set(value_choices "${value_choices}" PARENT_SCOPE)
  set(value_files "${value_files}" PARENT_SCOPE)
endfunction()

function(item_flags out items)
  set(result "")
  foreach(line IN LISTS ${items})
    split_item("${line}" name text)
    if(name MATCHES "^(-[^ ]*)")
      string(REPLACE "," " " flags "${CMAKE_MATCH_1}")
      string(APPEND result " ${flags}")
    endif()
  endforeach()
  string(STRIP "${result}" result)
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

# --- The top level ------------------------------------------------------------------------------
help_lines(top_LINES)
parse_help(top)
list(GET top_DESCRIPTION 0 summary)
string(REGEX REPLACE "^mirel: *" "" summary "${summary}")
string(REGEX REPLACE "\\.$" "" summary "${summary}")
roff(summary "${summary}")

set(commands "")
set(top_options "")
set(man_sections "")
set(index 0)
foreach(heading IN LISTS top_SECTIONS)
  if(heading STREQUAL "Subcommands")
    foreach(line IN LISTS top_ITEMS_${index})
      split_item("${line}" name text)
      list(APPEND commands "${name}")
    endforeach()
  elseif(heading STREQUAL "Options")
    set(top_options_index ${index})
    item_flags(top_flags top_ITEMS_${index})
  else()
    list(APPEND man_sections "${index}")
  endif()
  math(EXPR index "${index} + 1")
endforeach()
if(NOT commands)
  message(FATAL_ERROR "mirel --help lists no commands")
endif()

set(synopsis "")
set(command_pages "")
set(completion_commands "")
foreach(command IN LISTS commands)
  help_lines(sub_LINES ${command})
  parse_help(sub)
  roff(usage "${sub_USAGE}")
  string(REGEX REPLACE "^mirel" "\\\\fBmirel\\\\fR" usage "${usage}")
  string(APPEND synopsis "${usage}\n.br\n")
  string(APPEND command_pages ".SS ${command}\n.B mirel ${command}\n")
  foreach(line IN LISTS sub_DESCRIPTION)
    roff(line "${line}")
    string(APPEND command_pages "\\- ${line}\n")
  endforeach()
  set(index 0)
  set(flags "")
  foreach(heading IN LISTS sub_SECTIONS)
    roff_items(items ${sub_ITEMS_${index}})
    string(APPEND command_pages ".PP\n\\fI${heading}:\\fR\n${items}")
    item_flags(section_flags sub_ITEMS_${index})
    string(APPEND flags " ${section_flags}")
    note_values(sub_ITEMS_${index})
    math(EXPR index "${index} + 1")
  endforeach()
  roff_footer(footer sub_FOOTER)
  string(APPEND command_pages "${footer}")
  string(STRIP "${flags}" flags)
  string(APPEND completion_commands "        ${command}) options=\"${flags}\" ;;\n")
endforeach()

roff_items(top_option_items ${top_ITEMS_${top_options_index}})
note_values(top_ITEMS_${top_options_index})

set(extra_sections "")
foreach(index IN LISTS man_sections)
  list(GET top_SECTIONS ${index} heading)
  string(TOUPPER "${heading}" heading)
  roff_items(items ${top_ITEMS_${index}})
  string(APPEND extra_sections ".SH \"${heading}\"\n${items}")
endforeach()

set(description "")
list(LENGTH top_DESCRIPTION description_lines)
if(description_lines GREATER 1)
  list(SUBLIST top_DESCRIPTION 1 -1 rest)
  roff_footer(description rest)
endif()
roff_footer(top_footer top_FOOTER)

file(MAKE_DIRECTORY ${OUTPUT_DIR})
file(WRITE ${OUTPUT_DIR}/mirel.1
".\\\" Made from the help texts of mirel ${VERSION} by cmake/MirelDocs.cmake; edit those, not this.
.TH MIREL 1 \"\" \"mirel ${VERSION}\" \"User Commands\"
.nh
.ad l
.SH NAME
mirel \\- ${summary}
.SH SYNOPSIS
${synopsis}.SH DESCRIPTION
${description}${top_footer}.SH OPTIONS
${top_option_items}.SH COMMANDS
${command_pages}${extra_sections}")

# --- The bash completion ------------------------------------------------------------------------
string(REPLACE ";" "|" command_pattern "${commands}")
string(REPLACE ";" " " command_words "${commands}")
set(choice_cases "")
list(REMOVE_DUPLICATES value_choices)
foreach(entry IN LISTS value_choices)
  string(REGEX MATCH "^([^=]+)=(.*)$" unused "${entry}")
  string(APPEND choice_cases "        ${CMAKE_MATCH_1}) COMPREPLY=($(compgen -W \"${CMAKE_MATCH_2}\" -- \"$cur\")); return ;;\n")
endforeach()
list(REMOVE_DUPLICATES value_files)
string(REPLACE ";" "|" file_pattern "${value_files}")
set(file_case "")
if(file_pattern)
  set(file_case "        ${file_pattern}) compopt -o filenames 2>/dev/null; COMPREPLY=($(compgen -f -- \"$cur\")); return ;;\n")
endif()

file(WRITE ${OUTPUT_DIR}/mirel.bash
"# bash completion for mirel ${VERSION}, made from its help texts by cmake/MirelDocs.cmake.
_mirel()
{
    local cur=\${COMP_WORDS[COMP_CWORD]} prev=\${COMP_WORDS[COMP_CWORD-1]}
    local command='' options='${top_flags}' i
    for ((i = 1; i < COMP_CWORD; i++)); do
        case \${COMP_WORDS[i]} in
            ${command_pattern}) command=\${COMP_WORDS[i]}; break ;;
        esac
    done
    case $prev in
${choice_cases}${file_case}    esac
    case $command in
${completion_commands}    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))
    elif [[ -z $command ]]; then
        COMPREPLY=($(compgen -W \"${command_words}\" -- \"$cur\"))
    else
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -f -- \"$cur\"))
    fi
}
complete -F _mirel mirel
")
