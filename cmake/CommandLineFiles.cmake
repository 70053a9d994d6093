# Writes the bash, zsh and fish completions and the manual page from the one description of
# the command line (resources/cli/commandline.json). Runs in script mode at build time:
#   cmake -DDESCRIPTION=... -DMAN_TEMPLATE=... -DOUTPUT_DIR=... -DVERSION=... -P CommandLineFiles.cmake

file(READ "${DESCRIPTION}" json)

function(escape_single_quoted text out)  # for '...' in bash and zsh
  string(REPLACE "'" "'\\''" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(escape_zsh_spec text out)  # inside an _arguments [description]
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE ":" "\\:" text "${text}")
  string(REPLACE "[" "\\[" text "${text}")
  string(REPLACE "]" "\\]" text "${text}")
  escape_single_quoted("${text}" text)
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(escape_fish text out)
  string(REPLACE "\\" "\\\\" text "${text}")
  string(REPLACE "'" "\\'" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(escape_roff text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "^\\." "\\\\&." text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

set(bash_top "")
set(bash_cases "")
set(zsh_verbs "")
set(zsh_top "")
set(zsh_cases "")
set(fish "complete -c brimble -f\n")
set(man "")

# Options of the program itself.
string(JSON option_count LENGTH "${json}" options)
math(EXPR last "${option_count} - 1")
foreach(i RANGE ${last})
  string(JSON name GET "${json}" options ${i} name)
  string(JSON short GET "${json}" options ${i} short)
  string(JSON summary GET "${json}" options ${i} summary)
  string(APPEND bash_top " ${name} ${short}")
  escape_zsh_spec("${summary}" zsummary)
  string(APPEND zsh_top "      '(- *)'{${short},${name}}'[${zsummary}]' \\\n")
  escape_fish("${summary}" fsummary)
  string(REGEX REPLACE "^--" "" long "${name}")
  string(REGEX REPLACE "^-" "" shortletter "${short}")
  string(APPEND fish "complete -c brimble -n __fish_use_subcommand -s ${shortletter} -l ${long} -d '${fsummary}'\n")
endforeach()

# The verbs.
string(JSON verb_count LENGTH "${json}" verbs)
math(EXPR last "${verb_count} - 1")
foreach(i RANGE ${last})
  string(JSON verb GET "${json}" verbs ${i} name)
  string(JSON arguments GET "${json}" verbs ${i} arguments)
  string(JSON summary GET "${json}" verbs ${i} summary)
  string(JSON count LENGTH "${json}" verbs ${i} options)
  string(APPEND bash_top " ${verb}")
  escape_single_quoted("${summary}" qsummary)
  string(APPEND zsh_verbs "    '${verb}:${qsummary}'\n")
  escape_fish("${summary}" fsummary)
  string(APPEND fish "complete -c brimble -n __fish_use_subcommand -a ${verb} -d '${fsummary}'\n")

  set(words "")
  set(valued "")
  set(zsh_specs "")
  set(man_usage "\\fB${verb}\\fR")
  if(NOT arguments STREQUAL "")
    string(APPEND man_usage " \\fI${arguments}\\fR")
  endif()
  set(man_options "")
  if(count GREATER 0)
    math(EXPR olast "${count} - 1")
    foreach(j RANGE ${olast})
      string(JSON oname GET "${json}" verbs ${i} options ${j} name)
      string(JSON osummary GET "${json}" verbs ${i} options ${j} summary)
      string(JSON ovalue ERROR_VARIABLE no_value GET "${json}" verbs ${i} options ${j} value)
      if(no_value)
        set(ovalue "")
      endif()
      string(APPEND words " ${oname}")
      escape_zsh_spec("${osummary}" zosummary)
      escape_fish("${osummary}" fosummary)
      string(REGEX REPLACE "^--" "" olong "${oname}")
      escape_roff("${oname}" roname)
      escape_roff("${osummary}" rosummary)
      if(ovalue STREQUAL "")
        string(APPEND zsh_specs " '${oname}[${zosummary}]'")
        string(APPEND fish "complete -c brimble -n '__fish_seen_subcommand_from ${verb}' -l ${olong} -d '${fosummary}'\n")
        string(APPEND man_usage " [\\fB${roname}\\fR]")
        string(APPEND man_options ".TP\n\\fB${roname}\\fR\n${rosummary}\n")
      else()
        string(APPEND valued "|${oname}")
        string(APPEND zsh_specs " '${oname}[${zosummary}]:${ovalue}: '")
        string(APPEND fish "complete -c brimble -n '__fish_seen_subcommand_from ${verb}' -l ${olong} -r -d '${fosummary}'\n")
        string(APPEND man_usage " [\\fB${roname}\\fR \\fI${ovalue}\\fR]")
        string(APPEND man_options ".TP\n\\fB${roname}\\fR \\fI${ovalue}\\fR\n${rosummary}\n")
      endif()
    endforeach()
  endif()

  string(APPEND bash_cases "        ${verb})\n")
  if(NOT valued STREQUAL "")
    string(SUBSTRING "${valued}" 1 -1 valued)
    string(APPEND bash_cases "            case \"$prev\" in ${valued}) return ;; esac\n")
  endif()
  # A verb whose argument is a FILE completes file names as well.
  if(arguments STREQUAL "FILE")
    string(APPEND bash_cases "            COMPREPLY=($(compgen -W \"${words}\" -- \"$cur\") $(compgen -f -- \"$cur\")) ;;\n")
    string(APPEND zsh_specs " '1:FILE:_files'")
    string(APPEND fish "complete -c brimble -n '__fish_seen_subcommand_from ${verb}' -F\n")
  else()
    string(APPEND bash_cases "            COMPREPLY=($(compgen -W \"${words}\" -- \"$cur\")) ;;\n")
  endif()
  string(APPEND zsh_cases "    ${verb}) _arguments${zsh_specs} ;;\n")

  escape_roff("${summary}" rsummary)
  string(APPEND man ".TP\n${man_usage}\n${rsummary}.\n")
  if(NOT man_options STREQUAL "")
    string(APPEND man ".RS\n${man_options}.RE\n")
  endif()
endforeach()

# The exit statuses, for the manual.
set(man_exit "")
string(JSON exit_count LENGTH "${json}" exitStatus)
math(EXPR last "${exit_count} - 1")
foreach(i RANGE ${last})
  string(JSON code GET "${json}" exitStatus ${i} code)
  string(JSON summary GET "${json}" exitStatus ${i} summary)
  escape_roff("${summary}" rsummary)
  string(APPEND man_exit ".TP\n.B ${code}\n${rsummary}\n")
endforeach()

string(STRIP "${bash_top}" bash_top)
file(WRITE "${OUTPUT_DIR}/bash/brimble"
"# bash completion for brimble -*- shell-script -*-
# Generated from commandline.json; edit that file instead.
_brimble()
{
    local cur=\${COMP_WORDS[COMP_CWORD]} prev=\${COMP_WORDS[COMP_CWORD-1]}
    if [ \"$COMP_CWORD\" -eq 1 ]; then
        COMPREPLY=($(compgen -W \"${bash_top}\" -- \"$cur\"))
        return
    fi
    case \"\${COMP_WORDS[1]}\" in
${bash_cases}    esac
}
complete -F _brimble brimble
")

file(WRITE "${OUTPUT_DIR}/zsh/_brimble"
"#compdef brimble
# Generated from commandline.json; edit that file instead.
local -a verbs
verbs=(
${zsh_verbs})
if (( CURRENT == 2 )); then
  if [[ $PREFIX == -* ]]; then
    _arguments \\
${zsh_top}
  else
    _describe -t verbs 'brimble verb' verbs
  fi
  return
fi
shift words
(( CURRENT-- ))
case $words[1] in
${zsh_cases}esac
")

file(WRITE "${OUTPUT_DIR}/fish/brimble.fish"
"# fish completion for brimble. Generated from commandline.json; edit that file instead.
${fish}")

set(MAN_VERBS "${man}")
set(MAN_EXIT_STATUS "${man_exit}")
configure_file("${MAN_TEMPLATE}" "${OUTPUT_DIR}/man/brimble.1" @ONLY)
