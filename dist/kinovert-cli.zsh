#compdef kinovert-cli
# SPDX-License-Identifier: GPL-3.0-or-later
# zsh completion for kinovert-cli: the program says what fits where the
# cursor is (kinovert-cli __complete), from the user's own store.

local -a out
out=("${(@f)$(${~words[1]} __complete "${(@Q)words[2,CURRENT-1]}" "${(Q)PREFIX}" 2>/dev/null)}")
[[ $PREFIX == --*=* ]] && compset -P '*='
case $out[1] in
  files) _files ;;
  dirs) _files -/ ;;
  *) (( $#out > 1 )) && compadd -- "${(@)out[2,-1]}" ;;
esac
