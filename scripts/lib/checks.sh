# Shared by the scripts that check a program from outside: check DESCRIPTION CONDITION evaluates
# CONDITION and, when it is false, prints "FAIL: DESCRIPTION" and sets failed=1.
failed=0
check() { if ! eval "$2"; then echo "FAIL: $1" >&2; failed=1; fi; }
