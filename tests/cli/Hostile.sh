#!/bin/sh
# zoriduvo-cli under an address-space limit and with standard output on a full device: a message,
# exit status 1 and nothing written. Usage: Hostile.sh CLI WORK
cli=$1
work=$2
rm -rf "$work" && mkdir -p "$work" || exit 1
fail() { echo "$*" >&2; exit 1; }

# Announces 32767 cases of 32767 variables and holds none: reading and loading it take what it
# holds, but a save would need a file of 3 GB.
printf '"vo-Data_1"\r\n"label"\r\n1,32767,32767\r\n' >"$work/big.vo"
limit=150000
if ! (ulimit -v $limit && "$cli" --version >/dev/null 2>&1); then
    echo "the program does not start under an address-space limit (a sanitizer build)"
    exit 77
fi
for command in "convert big.vo out.vo" "sort big.vo out.vo --key \$1" "transform big.vo out.vo -e \$1=1"; do
    # shellcheck disable=SC2086
    (cd "$work" && ulimit -v $limit && "$cli" $command >stdout 2>stderr)
    status=$?
    [ $status -eq 1 ] || fail "$command: exit status $status, expected 1: $(cat "$work/stderr")"
    grep -q "メモリが足りない" "$work/stderr" || fail "$command: no message: $(cat "$work/stderr")"
    [ "$(ls -A "$work" | grep -v -x -e big.vo -e stdout -e stderr)" = "" ] || fail "$command: wrote $(ls -A "$work")"
done

if [ -w /dev/full ]; then
    printf '"vo-Data_1"\r\n"label"\r\n1,2,1\r\n"a",0\r\n"c1",1\r\n"c2",2\r\n' >"$work/small.vo"
    "$cli" stats "$work/small.vo" >/dev/full 2>"$work/stderr"
    status=$?
    [ $status -eq 1 ] || fail "stats into a full device: exit status $status, expected 1"
    grep -q "標準出力に書き込めませんでした" "$work/stderr" || fail "stats into a full device: no message"
fi
exit 0
