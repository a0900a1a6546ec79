#!/usr/bin/env bash
# kestrune-cli.exe under Wine, run from a Linux shell as a user of both
# systems runs it: the C runtime reports no error while files are written,
# a path that begins with "/" is a path, and standard output that the shell
# redirects into the ROM is refused, while one into another file or a pipe
# is written.
# Usage: wine_shell_test.sh WINE_RUN KESTRUNE_CLI_EXE DEMO_ROM
set -euo pipefail
run="$1"
cli="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$3" "$work/rom.gbc"
cd "$work"
fail() { echo "$1" >&2; exit 1; }

# The C runtime's errors alone.
export WINEDEBUG=-all,err+msvcrt
"$run" "$cli" export rom.gbc -o items.csv 2> errors.txt
"$run" "$cli" fix-checksum rom.gbc > /dev/null 2>> errors.txt
[ ! -s errors.txt ] || { cat errors.txt >&2; fail "the C runtime reported errors"; }
[ -s items.csv ] || fail "export -o wrote nothing"

"$run" "$cli" info "$work/rom.gbc" | grep -q "Pokémon Gold Version" || fail "info $work/rom.gbc did not read the ROM"

"$run" "$cli" export rom.gbc > shell.csv
cmp -s items.csv shell.csv || fail "export into another file through the shell differs from export -o"
"$run" "$cli" export rom.gbc | cmp -s items.csv - || fail "export into a pipe differs from export -o"

cp rom.gbc before.gbc
status=0
"$run" "$cli" export rom.gbc >> rom.gbc 2> errors.txt || status=$?
[ "$status" -eq 2 ] || fail "export rom.gbc >> rom.gbc ended with $status, not 2"
grep -q "Standard output goes into" errors.txt || { cat errors.txt >&2; fail "the refusal was not told"; }
cmp -s rom.gbc before.gbc || fail "the ROM changed"
echo "ok"
