#!/usr/bin/env bash
# Runs every fuzz target of tests/fuzz for a while (30 seconds each unless
# given) with libFuzzer under AddressSanitizer and UndefinedBehaviorSanitizer,
# in the asan build that the sanitizer tests use too. A crash, a broken
# promise of the code, one allocation past 256 MiB or a hang fails the run;
# the input is kept in build/fuzz-fejl/, to be copied into
# tests/fuzz/fejl/<target>/ once the fault is mended.
set -eu
root=$(dirname "$(dirname "$(readlink -f "$0")")")
cd "$root"
sekunder=${1:-30}
maal=(linjefil indstillinger struktur peikon billede afspilningsliste)
bash scripts/deps.sh asan
build=$root/build/asan
[ -f "$build/CMakeCache.txt" ] || cmake --preset asan >/dev/null
cmake --build "$build" --target "${maal[@]/#/fuzz_}"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:new_delete_type_mismatch=0:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fejl=$root/build/fuzz-fejl
mkdir -p "$fejl"
arbejde=$(mktemp -d)
trap 'rm -rf "$arbejde"' EXIT
status=0
resultat=()
for m in "${maal[@]}"; do
  mkdir "$arbejde/$m"
  cp -r "tests/fuzz/korpus/$m/." "$arbejde/$m/"
  kendte=(); [ -d "tests/fuzz/fejl/$m" ] && kendte=("$root/tests/fuzz/fejl/$m")
  log=$fejl/$m.log
  "$build/bin/fuzz_$m" -max_total_time="$sekunder" -timeout=10 -rss_limit_mb=2048 \
    -malloc_limit_mb=256 -max_len=65536 -detect_leaks=0 -artifact_prefix="$fejl/$m-" \
    "$arbejde/$m" "${kendte[@]}" >"$log" 2>&1 || status=1
  koersler=$(grep -o 'Done [0-9]* runs in [0-9]* second' "$log" | tail -n 1 || true)
  resultat+=("fuzz_$m: ${koersler:-STOPPET, se $log}")
  [ -n "$koersler" ] || tail -n 40 "$log"
done
echo "Fuzzing (libFuzzer, $sekunder s hver):"
printf '  %s\n' "${resultat[@]}"
exit $status
