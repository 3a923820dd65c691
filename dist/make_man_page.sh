#!/bin/sh
# Writes a program's manual page from its own --help texts, gzipped, so the
# page never drifts from the program:
#   make_man_page.sh PROGRAM NAME SUMMARY VERSION OUT [--commands]
# With --commands the program's overall help lists its commands (indented
# two spaces under "Commands:"), and each command's --help becomes a section.
set -eu
program=$1 name=$2 summary=$3 version=$4 out=$5 commands=${6:-}

# Help text as literal roff lines: backslashes and minus signs escaped, a
# leading dot or quote kept from being read as a request.
roff() {
  echo '.nf'
  sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e "s/^\\([.']\\)/\\\\\\&\\1/"
  echo '.fi'
}

upper=$(printf '%s' "$name" | tr '[:lower:]' '[:upper:]')
overall=$("$program" --help)
tmp="$out.tmp"
{
  printf '.TH %s 1 "" "VELKORANTIS %s" "User Commands"\n' "$upper" "$version"
  printf '.SH NAME\n%s \\- %s\n' "$name" "$summary"
  printf '.SH DESCRIPTION\n'
  printf '%s\n' "$overall" | roff
  if [ "$commands" = "--commands" ]; then
    printf '.SH COMMANDS\n'
    printf '%s\n' "$overall" | sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z]*\)\( .*\)\{0,1\}$/\1/p' |
      while read -r command; do
        printf '.SS %s\n' "$command"
        "$program" "$command" --help | roff
      done
  fi
} > "$tmp"
gzip -9n < "$tmp" > "$out"
rm -f "$tmp"
