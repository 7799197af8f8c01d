#!/bin/sh
# An OUT that is IN under another name (a hard link, a symbolic link) is refused as a usage error
# before anything is read or written. Usage: SameFile.sh CLI WORK
cli=$1
work=$2
rm -rf "$work" && mkdir -p "$work" || exit 1
fail() { echo "$*" >&2; exit 1; }

printf '"vo-Data_1"\r\n"label"\r\n1,2,1\r\n"a",0\r\n"c1",1\r\n"c2",2\r\n' >"$work/in.vo"
ln "$work/in.vo" "$work/hard.vo" && ln -s in.vo "$work/soft.vo" || fail "no links"
for out in hard.vo soft.vo; do
    (cd "$work" && "$cli" convert in.vo $out --to vo4 2>stderr)
    status=$?
    [ $status -eq 2 ] || fail "convert onto $out: exit status $status, expected 2"
    grep -q "入力ファイルと同じです" "$work/stderr" || fail "convert onto $out: no message"
    grep -q vo-Data_1 "$work/in.vo" || fail "convert onto $out: the input was written"
done

exit 0
