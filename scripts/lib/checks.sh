# Shared by the scripts that check a program from outside.
#
# check DESCRIPTION CONDITION evaluates CONDITION and, when it is false, prints
# "FAIL: DESCRIPTION" and sets failed=1.
failed=0
check() { if ! eval "$2"; then echo "FAIL: $1" >&2; failed=1; fi; }

# expect DESCRIPTION ACTUAL EXPECTED compares two texts: prints "ok: DESCRIPTION" when they are
# the same, and otherwise "FAILED: DESCRIPTION: ACTUAL where EXPECTED was expected", sets failed=1
# and counts the failure in `failures`. `checks` counts every comparison.
checks=0
failures=0
expect() {
  local what=$1 actual=$2 expected=$3
  checks=$((checks + 1))
  if [ "$actual" = "$expected" ]; then
    echo "ok: $what"
  else
    echo "FAILED: $what: \"$actual\" where \"$expected\" was expected"
    failures=$((failures + 1))
    failed=1
  fi
}
