#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each for SECONDS (default 30)
# on its seed corpus. New inputs go to build-fuzz/corpus/<target>/, never into the repository.
# Exits non-zero when a target finds a crash, a hang or a sanitizer report; the input is left
# in build-fuzz/findings/<target>/ (copy it to fuzz/corpus/<target>/ once fixed).
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(text_reader gbk_roundtrip colour_file ansi_import ini_file utf8_text double_byte_normaliser
    load_store_window bmp_reader jpeg_reader)
fi

build=build-fuzz
if ! command -v clang++-14 >/dev/null || ! ls /usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1; then
  echo "fuzz.sh needs clang-14 and libclang-rt-14-dev (apt-get install clang-14 libclang-rt-14-dev)" >&2
  exit 2
fi
CC=clang-14 CXX=clang++-14 cmake -S . -B "$build" -G Ninja -DQUILLO_FUZZ=ON -DBUILD_TESTING=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target "${targets[@]/#/fuzz_}"

failed=0
for t in "${targets[@]}"; do
  work="$build/corpus/$t"
  findings="$build/findings/$t"
  mkdir -p "$work" "$findings"
  echo "== fuzz_$t for ${seconds}s"
  # -timeout: an input taking over 10 s is a hang. -rss_limit_mb: 50 MB huge-file seeds are
  # not kept in the corpus, so 2 GB is a leak or a runaway allocation.
  if ! "$build/fuzz/fuzz_$t" "$work" "fuzz/corpus/$t" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 -artifact_prefix="$findings/" \
      2>"$build/fuzz_$t.log"; then
    echo "fuzz_$t found a problem:"
    grep -E "ERROR|property failed|SUMMARY|Test unit written" "$build/fuzz_$t.log" | head -20
    failed=1
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$build/fuzz_$t.log" || true
done
exit $failed
