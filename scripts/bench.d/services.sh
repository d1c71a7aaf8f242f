# Sourced by bench.sh inside the bench prefix: a service profile through the
# window against a bare loop and a batch file, all against the same stub.
cp "$win64/bench/services_bench.exe" "$program_dir/"
cp "$program_dir/stub.exe" "$program_dir/sc.exe"
wine 'C:\kelvaro\services_bench.exe' ${KELVARO_BENCH_RUNS:-5} 2>/dev/null | tr -d '\r'
rm -f "$program_dir/sc.exe"
