#!/bin/sh
# Builds the fuzz targets of the readers of outside bytes with clang and libFuzzer, and runs
# each for a while (FUZZ_SECONDS, default 30).
set -e
cd "$(dirname "$0")/.."
out=build/fuzz
mkdir -p "$out"
flags="-std=c++17 -g -O1 -I. -fsanitize=fuzzer,address,undefined"
build() { clang++ $flags "fuzz/$1.cpp" $2 -o "$out/$1"; }
build fuzz_command_tail app/switches.cpp
build fuzz_settings_value "settings/settings_table.cpp settings/profile_number.cpp"
build fuzz_history_log textio/history_entries.cpp
build fuzz_bitmap_file notes/bitmap_file.cpp
for target in fuzz_command_tail fuzz_settings_value fuzz_history_log fuzz_bitmap_file; do
    mkdir -p "$out/corpus-$target"
    "$out/$target" -max_total_time="${FUZZ_SECONDS:-30}" -max_len=4096 "$out/corpus-$target" 2>&1 | tail -1
done
