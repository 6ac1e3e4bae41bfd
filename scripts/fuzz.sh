#!/usr/bin/env bash
# Runs every fuzz target of tests/fuzz for a while (30 seconds each unless
# given) under AddressSanitizer and UndefinedBehaviorSanitizer: with libFuzzer
# where clang has it, else with the project's own mutation loop in the asan
# build. A crash, a broken promise of the code, one allocation past 256 MiB or
# a hang fails the run; the input is kept in build/fuzz-fejl/, to be copied
# into tests/fuzz/fejl/<target>/ once the fault is mended.
set -eu
root=$(dirname "$(dirname "$(readlink -f "$0")")")
cd "$root"
sekunder=${1:-30}
maal=(linjefil indstillinger struktur peikon billede afspilningsliste)
bash scripts/deps.sh
bash scripts/deps.sh packages-fuzz.txt
launcher=(); command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

if command -v clang++-14 >/dev/null && ls /usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  slags=libFuzzer
  build=$root/build/fuzz
  [ -f "$build/CMakeCache.txt" ] ||
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
      -DTAVLUM_SANITIZE=ON -DTAVLUM_LIBFUZZER=ON "${launcher[@]}" >/dev/null
else
  slags="egen mutationsløkke"
  build=$root/build/asan
  [ -f "$build/CMakeCache.txt" ] || cmake --preset asan "${launcher[@]}" >/dev/null
fi
cmake --build "$build" --target "${maal[@]/#/fuzz_}"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0:new_delete_type_mismatch=0:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fejl=$root/build/fuzz-fejl
mkdir -p "$fejl"
status=0
resultat=()
for m in "${maal[@]}"; do
  arbejde=$(mktemp -d)
  cp -r "tests/fuzz/korpus/$m/." "$arbejde/"
  kendte=(); [ -d "tests/fuzz/fejl/$m" ] && kendte=("$root/tests/fuzz/fejl/$m")
  log=$fejl/$m.log
  if [ "$slags" = libFuzzer ]; then
    "$build/bin/fuzz_$m" -max_total_time="$sekunder" -timeout=10 -rss_limit_mb=2048 \
      -malloc_limit_mb=256 -max_len=65536 -detect_leaks=0 -artifact_prefix="$fejl/$m-" \
      "$arbejde" "${kendte[@]}" >"$log" 2>&1 || status=1
  else
    (cd "$fejl" && "$build/bin/fuzz_$m" --seconds "$sekunder" "$arbejde" "${kendte[@]}") >"$log" 2>&1 ||
      status=1
  fi
  rm -rf "$arbejde"
  koersler=$(grep -o 'Done [0-9]* runs in [0-9]* second' "$log" | tail -n 1 || true)
  resultat+=("fuzz_$m: ${koersler:-STOPPET, se $log}")
  [ -n "$koersler" ] || tail -n 40 "$log"
done
echo "Fuzzing ($slags, $sekunder s hver):"
printf '  %s\n' "${resultat[@]}"
exit $status
