#!/usr/bin/env bash
# Load test of glyphora-scores on loopback with wrk, for SQLite and (where it
# is installed) PostgreSQL: write.php with valid signed requests, each a new
# entry, then show.php as players open it. Prints requests per second and
# latencies, and afterwards compares the entries stored with the writes
# acknowledged: nothing acknowledged may be missing.
#
#   server/load/run-load.sh [BUILD_DIR] [SECONDS] [CONNECTIONS]
#
# The server runs with 8 threads and without rate limits (all requests come
# from one address); wrk runs 2 threads on the same machine.
set -uo pipefail
build=$(cd "${1:-build}" && pwd)
seconds=${2:-10}
connections=${3:-8}
here=$(cd "$(dirname "$0")" && pwd)
scores="$build/server/glyphora-scores"
scratch=$(mktemp -d /tmp/glyphora-load-XXXXXX)
server_pid=""
pg_data=""

as_postgres() {  # postgres refuses to run as root
  if [ "$(id -u)" -eq 0 ]; then runuser -u nobody -- "$@"; else "$@"; fi
}

cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null
  [ -n "$pg_data" ] && as_postgres "$pg_bin/pg_ctl" -D "$pg_data" -m fast -w stop >/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

free_port() { python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }

start_server() {  # STORAGE_ARGUMENTS...
  port=$(free_port)
  "$scores" "$@" --host 127.0.0.1 --port "$port" --threads 8 --limit-address 0 --limit-installation 0 \
    >"$scratch/server.log" 2>&1 &
  server_pid=$!
  for _ in $(seq 100); do curl -sf "http://127.0.0.1:$port/health" >/dev/null && return 0; sleep 0.1; done
  echo "the server did not start:" >&2
  cat "$scratch/server.log" >&2
  exit 1
}

stop_server() {
  kill "$server_pid" && wait "$server_pid"
  server_pid=""
}

# Processor time of the server so far, in clock ticks: on a machine shared
# with other work the requests per second vary with it, the time per
# request much less.
server_ticks() { awk '{print $14 + $15}' "/proc/$server_pid/stat"; }

# Microseconds of server processor time per request: TICKS_BEFORE TICKS_AFTER RESULT_LINE
per_request() {
  local requests
  requests=$(awk '{for (i = 1; i < NF; i++) if ($i == "requests/s") print int($(i + 1) * '"$seconds"')}' <<<"$3")
  echo $(( ($2 - $1) * 1000000 / $(getconf CLK_TCK) / (requests > 0 ? requests : 1) ))
}

run_backend() {  # NAME STORAGE_ARGUMENTS...
  local name=$1
  shift
  start_server "$@"
  local write show acknowledged stored t0 t1 t2
  t0=$(server_ticks)
  write=$(wrk -t2 -c"$connections" -d"${seconds}s" -s "$here/write.lua" "http://127.0.0.1:$port" \
    -- "$scratch/requests.txt" 2 | grep '^RESULT')
  t1=$(server_ticks)
  acknowledged=$(sed 's/.*acknowledged \([0-9]*\).*/\1/' <<<"$write")
  show=$(wrk -t2 -c"$connections" -d"${seconds}s" -s "$here/show.lua" "http://127.0.0.1:$port" | grep '^RESULT')
  t2=$(server_ticks)
  stop_server
  stored=$("$scores" "$@" --count)
  echo "$name write.php: ${write#RESULT }, server cpu $(per_request "$t0" "$t1" "$write") us/request"
  echo "$name show.php:  ${show#RESULT }, server cpu $(per_request "$t1" "$t2" "$show") us/request"
  if [ "$stored" -ge "$acknowledged" ]; then
    echo "$name entries stored $stored, writes acknowledged $acknowledged: none lost"
  else
    echo "$name entries stored $stored, writes acknowledged $acknowledged: LOST $((acknowledged - stored))"
    return 1
  fi
}

start_postgres() {
  pg_bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n1)
  [ -x "$pg_bin/initdb" ] || return 1
  chmod 777 "$scratch"
  pg_data="$scratch/pg"
  local pg_port
  pg_port=$(free_port)
  as_postgres "$pg_bin/initdb" -D "$pg_data" -U glyphora --auth=trust -E UTF8 --no-locale >/dev/null || return 1
  as_postgres "$pg_bin/pg_ctl" -D "$pg_data" -l "$scratch/pg.log" -w \
    -o "-c listen_addresses=127.0.0.1 -p $pg_port -k $scratch -c max_connections=50" start >/dev/null || return 1
  pg_connection="host=127.0.0.1 port=$pg_port user=glyphora dbname=postgres"
}

echo "machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg); $seconds s per run, $connections connections"
"$build/server/glyphora-scores-requests" 500000 >"$scratch/requests.txt"
status=0
run_backend sqlite --db "$scratch/scores.sqlite" || status=1
if start_postgres; then
  run_backend postgresql --postgres "$pg_connection" || status=1
else
  echo "postgresql: not installed, skipped"
fi
exit $status
