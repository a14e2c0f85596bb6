# SPDX-License-Identifier: GPL-3.0-or-later
# bash completion for kinovert-cli. The program itself says what fits where
# the cursor is (kinovert-cli __complete), so the profile and preset names
# are always those of the user's own store.

_kinovert_cli() {
  local -a words=() out=()
  local word joined=0 i
  # bash splits "--target=mp3" at the "="; the program wants it whole.
  for ((i = 1; i <= COMP_CWORD; i++)); do
    word=${COMP_WORDS[i]}
    if [[ $word == "=" && ${#words[@]} -gt 0 && ${words[-1]} == --* && ${words[-1]} != *=* ]]; then
      words[-1]+="="
      joined=1
    elif ((joined)); then
      words[-1]+=$word
      joined=0
    else
      words+=("$word")
    fi
  done
  ((${#words[@]})) || words=("")
  # What bash will replace: the word under the cursor, after any "=".
  local cur=${COMP_WORDS[COMP_CWORD]}
  [[ $cur == "=" ]] && cur=""
  # The names are compared unquoted: drop an opening quote and backslashes.
  local last=${words[-1]}
  last=${last#[\"\']}
  words[-1]=${last//\\/}
  cur=${cur#[\"\']}
  cur=${cur//\\/}

  local program=${COMP_WORDS[0]/#\~/$HOME}
  # One answer a line, each taken as it is: a name such as "*" or "[a]" must
  # not be expanded against the files of the current folder.
  mapfile -t out < <("$program" __complete "${words[@]}" 2>/dev/null)
  compopt -o filenames 2>/dev/null
  case ${out[0]-} in
    files) mapfile -t COMPREPLY < <(compgen -f -- "$cur") ;;
    dirs) mapfile -t COMPREPLY < <(compgen -d -- "$cur") ;;
    *) COMPREPLY=("${out[@]:1}") ;;
  esac
}
complete -F _kinovert_cli kinovert-cli
