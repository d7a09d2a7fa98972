SPDX-License-Identifier: MIT
Copyright 2026 The Noralim developers

Puzzle lines and JSON lines as noralim-solve reads them, and what it says of
a line it cannot take: FILE:LINE, then what is wrong, on one line.

  $ EMPTY=$(printf '%081d' 0 | tr 0 .)
  $ SOLVED=849713625175269384236458971713982546524136798968574213452391867381627459697845132

Blank lines and comments are skipped; spaces, tabs and a CR LF line end are
not part of a puzzle line; the last line needs no line feed. '.', '0' and '-'
are empty cells. A UTF-8 byte-order mark at the start of a file is skipped,
but only there.

  $ printf '\n \t\n# a comment\n  # indented\n%s\r\n\t %s \n%s' "$SOLVED" "$EMPTY" "$(printf '%081d' 0)" | noralim-solve
  849713625175269384236458971713982546524136798968574213452391867381627459697845132 solved 1
  ................................................................................. open 2
  ................................................................................. open 2
  $ echo "${EMPTY//./-}" | noralim-solve
  ................................................................................. open 2
  $ noralim-solve --trace -p "${EMPTY//./-}" | cut -c 1-30
  {"line":1,"cells":["123456789"
  $ printf '\xef\xbb\xbf%s\n' "$EMPTY" "$EMPTY" > bom.txt; noralim-solve bom.txt
  bom.txt:2: unexpected character byte 0xEF at column 1
  ................................................................................. open 2
  [1]

Puzzle lines with something wrong. A column counts from the start of the
line, blanks included; a byte that is no printable character is shown in hex.

  $ printf '%s\n' "${EMPTY:1}" "${EMPTY}1" "...........x" $'  \t...?' $'\x01' $'\x7f' '５' | noralim-solve
  -:1: expected 81 cells, got 80
  -:2: expected 81 cells, got 82
  -:3: unexpected character 'x' at column 12
  -:4: unexpected character '?' at column 7
  -:5: unexpected character byte 0x01 at column 1
  -:6: unexpected character byte 0x7F at column 1
  -:7: unexpected character byte 0xEF at column 1
  [1]

JSON lines: an array of 81 strings, row-major, or an object whose "cells" is
one; the id of an object comes back in --json output, its keys sorted.

  $ CELLS='["5\r\n","a","５","12"'$(printf ',""%.0s' {5..81})']'
  $ echo "$CELLS" | noralim-solve --json | grep -o '^{"line":1,"cells":\["5\\r\\n","a","５","12",'
  {"line":1,"cells":["5\\r\\n","a","\xef\xbc\x95","12", (esc)
  $ echo '{"id": {"b": [1, 2.5], "a": "x"}, "other": 0, "cells": '"$CELLS"'}' | noralim-solve --json | grep -o '^{"line":1,"id":{[^}]*}'
  {"line":1,"id":{"a":"x","b":[1,2.5]}
  $ echo '{"id": "digits only", "cells": ["1"'$(printf ',"23"%.0s' {2..81})']}' | noralim-solve --json | cut -c 1-50
  {"line":1,"id":"digits only","cells":["1","23","23

Every output line names its input line, counting blank lines and comments.

  $ printf '# c\n\n%s\n["1"%s]\n' "$EMPTY" "$(printf ',""%.0s' {2..81})" | noralim-solve --json | grep -o '^{"line":[0-9]*'
  {"line":3
  {"line":4

JSON lines with something wrong.

  $ printf '%s\n' '["1",' '["1"]' "[1$(printf ',""%.0s' {2..81})]" '{"id": 1}' '{"cells": "123"}' '[1e400]' '{"id": -1e999, "cells": []}' $'[\xc3\x7f' $'["\xc3\x28"]' | noralim-solve
  -:1: invalid JSON: parse error at line 1, column 6: syntax error while parsing value - unexpected end of input; expected '[', '{', or a literal
  -:2: expected 81 cells, got 1
  -:3: cell 1 is not a string
  -:4: JSON object has no "cells"
  -:5: expected an array of 81 strings
  -:6: invalid JSON: number overflow parsing '1e400'
  -:7: invalid JSON: number overflow parsing '-1e999'
  -:8: invalid JSON: parse error at line 1, column 2: syntax error while parsing value - invalid literal; last read: '[\xC3'
  -:9: invalid JSON: parse error at line 1, column 4: syntax error while parsing value - invalid string: ill-formed UTF-8 byte; last read: '"\xC3('
  [1]

JSON may nest 32 levels deep, no more.

  $ printf '%.0s[' {1..32} > deep; printf '%.0s]' {1..32} >> deep; echo >> deep
  $ printf '%.0s[' {1..33} >> deep; printf '%.0s]' {1..33} >> deep; echo >> deep
  $ noralim-solve deep
  deep:1: expected 81 cells, got 1
  deep:2: invalid JSON: nested deeper than 32 levels
  [1]

A line of more than 1 MiB is rejected whole, without being held in memory,
and the lines after it keep their numbers.

  $ { head -c 1048576 /dev/zero | tr '\0' .; echo; head -c 1048577 /dev/zero | tr '\0' .; echo; echo "$EMPTY"; } | noralim-solve
  -:1: expected 81 cells, got 1048576
  -:2: line longer than 1048576 bytes
  ................................................................................. open 2
  [1]
  $ { head -c 3000000 /dev/zero | tr '\0' 1; echo; echo "${EMPTY}x"; echo "$EMPTY"; } | noralim-solve
  -:1: line longer than 1048576 bytes
  -:2: unexpected character 'x' at column 82
  ................................................................................. open 2
  [1]

Grids of nine rows, as .sdk and .ss files, forums and the window's Ctrl+S
write them, between puzzle lines: each is one puzzle, named by the line it
starts on; a grid cut short or with a row that is not one is refused there.

  $ cat > grid.sdk <<'G'
  > # saved by hand
  > +-------+-------+-------+
  > | 5 3 . | . 7 . | . . . |
  > | 6 . . | 1 9 5 | . . . |
  > | . 9 8 | . . . | . 6 . |
  > +-------+-------+-------+
  > 8...6...3
  > 4..8.3..1
  > 7...2...6
  > .6....28.
  > ...419..5
  > ....8..79
  > +-------+-------+-------+
  > G
  $ noralim-solve grid.sdk
  534678912672195348198342567859761423426853791713924856961537284287419635345286179 solved 5
  $ { echo "$SOLVED"; cat grid.sdk; echo "$EMPTY"; printf '123456789\n1 2 3 4 5 6 7 8 9 1\n'; } | noralim-solve --json 2>err | grep -o '^{"line":[0-9]*'; cat err
  {"line":1
  {"line":3
  {"line":15
  -:17: expected 9 cells, got 10
  $ printf '53..7....\n6..195...\n' | noralim-solve
  -:1: expected 9 rows, got 2
  [1]
