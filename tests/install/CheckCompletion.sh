#!/bin/sh
# The bash completion offers every subcommand of zoriduvo-cli and every option its help names.
set -eu
cli=$1 completion=$2
complete_words() {  # the words offered after "zoriduvo-cli $1" for the word $2
    bash -c '. "$0"; COMP_WORDS=(zoriduvo-cli $1 "$2"); COMP_CWORD=$(( ${#COMP_WORDS[@]} - 1 ))
             [ -z "$1" ] && COMP_WORDS=(zoriduvo-cli "$2") && COMP_CWORD=1
             _zoriduvo_cli; printf "%s\n" "${COMPREPLY[@]}"' "$completion" "$1" "$2"
}
subcommands=$("$cli" --help | sed -n 's/^  zoriduvo-cli \([a-z][a-z-]*\).*/\1/p')
offered=$(complete_words "" "")
status=0
for s in $subcommands help; do
    echo "$offered" | grep -qx "$s" || { echo "subcommand $s is not completed"; status=1; }
    for option in $("$cli" help "$s" | grep -o -- '--[a-z-]*\|-e ' | sort -u); do
        complete_words "$s" "-" | grep -qx -- "$option" || { echo "$s $option is not completed"; status=1; }
    done
done
exit $status
