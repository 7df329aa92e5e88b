#!/usr/bin/env bash
# Tells whether this machine runs 32-bit x86 programs, by running one: some kernels refuse
# them ("Exec format error"), and then neither 32-bit Wine nor i386 packages work.
#   can-run-32bit.sh [PROGRAM]
# Without PROGRAM, a tiny i386 program is assembled with binutils (no multilib needed) and
# run. A program counts as runnable only when it is a 32-bit x86 ELF file and, run, exits
# with 42 (as the built-in one does): a 64-bit program or any other file does not count.
# Exit 0: runnable. Exit 1: not, with the reason on standard output.
# VIMRO_NO_32BIT=1 answers "not runnable" without trying: the 32-bit build then takes the path
# of a machine that refuses 32-bit code (no 32-bit program run, no 32-bit tests).
set -u
if [ "${VIMRO_NO_32BIT:-}" = 1 ]; then
  echo "no: VIMRO_NO_32BIT=1 is set"
  exit 1
fi

is_i386_elf() {
  # ELF magic, class 1 (32-bit), little-endian; e_machine (offset 18) 3, i386.
  [ "$(od -An -tx1 -N6 "$1" 2>/dev/null | tr -d ' \n')" = 7f454c460101 ] &&
    [ "$(od -An -tx1 -j18 -N2 "$1" 2>/dev/null | tr -d ' \n')" = 0300 ]
}

probe=${1:-}
scratch=""
trap '[ -n "$scratch" ] && rm -rf "$scratch"' EXIT
if [ -z "$probe" ]; then
  if ! command -v as >/dev/null || ! command -v ld >/dev/null; then
    echo "no: binutils (as, ld) are missing, so no 32-bit test program can be made"
    exit 1
  fi
  scratch=$(mktemp -d)
  # exit(42) through the i386 system call gate.
  printf '.globl _start\n_start:\n movl $1, %%eax\n movl $42, %%ebx\n int $0x80\n' >"$scratch/probe.s"
  if ! as --32 -o "$scratch/probe.o" "$scratch/probe.s" 2>/dev/null ||
    ! ld -m elf_i386 -o "$scratch/probe" "$scratch/probe.o" 2>/dev/null; then
    echo "no: binutils cannot make an i386 program here"
    exit 1
  fi
  probe=$scratch/probe
fi

if [ ! -f "$probe" ] || ! is_i386_elf "$probe"; then
  echo "no: $probe is not a 32-bit x86 program"
  exit 1
fi
error=$( { "$probe"; } 2>&1 >/dev/null)
status=$?
if [ "$status" -ne 42 ]; then
  echo "no: this machine does not run 32-bit x86 programs (exit $status${error:+: ${error##*: }})"
  exit 1
fi
echo "yes: this machine runs 32-bit x86 programs"
exit 0
