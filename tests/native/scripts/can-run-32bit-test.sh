#!/usr/bin/env bash
# The 32-bit check counts only a 32-bit x86 program that runs and exits as its probe does.
#   can-run-32bit-test.sh path/to/can-run-32bit.sh
set -u
check=${1:?usage: can-run-32bit-test.sh CHECK_SCRIPT}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

# expect_answer STATUS PATTERN [PROGRAM]: the check exits with STATUS and prints PATTERN.
expect_answer() {
  local want_status=$1 pattern=$2
  shift 2
  local output status
  output=$("$check" "$@")
  status=$?
  if [ "$status" -ne "$want_status" ] || ! grep -q -- "$pattern" <<<"$output"; then
    echo "FAIL: can-run-32bit.sh $* -> $status '$output' (wanted $want_status, '$pattern')"
    failures=$((failures + 1))
  else
    echo "ok: can-run-32bit.sh $* -> $status '$output'"
  fi
}

# i386 PROGRAM EXIT_CODE: a tiny 32-bit program that exits with EXIT_CODE.
i386() {
  printf '.globl _start\n_start:\n movl $1, %%eax\n movl $%d, %%ebx\n int $0x80\n' "$2" >"$1.s"
  as --32 -o "$1.o" "$1.s" && ld -m elf_i386 -o "$1" "$1.o"
}

echo "just text" >"$scratch/text"
expect_answer 1 "is not a 32-bit x86 program" "$scratch/text"
expect_answer 1 "is not a 32-bit x86 program" "$scratch/missing"
# A 64-bit program runs here, but answers nothing about 32-bit code.
expect_answer 1 "is not a 32-bit x86 program" "$(command -v bash)"
VIMRO_NO_32BIT=1 expect_answer 1 "VIMRO_NO_32BIT=1 is set"

if i386 "$scratch/exits7" 7 && i386 "$scratch/exits42" 42; then
  cp "$scratch/exits42" "$scratch/not-executable"
  chmod -x "$scratch/not-executable"
  expect_answer 1 "does not run 32-bit x86 programs" "$scratch/not-executable"
  if "$scratch/exits42" 2>/dev/null; [ $? -eq 42 ]; then
    # This machine runs 32-bit code: a probe that exits otherwise still does not count.
    expect_answer 1 "does not run 32-bit x86 programs (exit 7" "$scratch/exits7"
    expect_answer 0 "^yes" "$scratch/exits42"
    expect_answer 0 "^yes"
  else
    expect_answer 1 "does not run 32-bit x86 programs"
  fi
else
  echo "FAIL: binutils made no i386 program, which the check itself needs"
  failures=$((failures + 1))
fi
[ "$failures" -eq 0 ]
