# The sanitizers' settings for the sanitizer build and its tests (sourced by setup.sh and
# test.sh): stop at the first report, and leave out only leaks that lie inside Qt's own
# libraries (its caches and plugins live until the process ends).
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/scripts/lsan-qt.supp:print_suppressions=0"
