#!/usr/bin/env bash
# Throw-away PostgreSQL cluster on loopback for the tests.
#   scripts/pg-cluster.sh start DIR [PORT]   creates and starts a cluster in DIR, prints its URI
#   scripts/pg-cluster.sh stop DIR           stops it and removes DIR
# Needs root (the server runs as the postgres user) and Debian's postgresql package.
set -euo pipefail
B=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
action=${1:?start or stop}
dir=${2:?cluster directory}
port=${3:-54329}

run_pg() { if [ "$(id -u)" = 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi; }

case "$action" in
start)
    mkdir -p "$dir"
    if [ "$(id -u)" = 0 ]; then
        install -d -o postgres -g postgres -m 755 "$dir"
        install -d -o postgres -g postgres -m 700 "$dir/data" "$dir/sock"
    else
        install -d -m 700 "$dir/data" "$dir/sock"
    fi
    run_pg "$B/initdb" -D "$dir/data" -U postgres --auth-local=trust --auth-host=trust \
        -E UTF8 --locale=C.UTF-8 >"$dir/initdb.log" 2>&1
    run_pg "$B/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w \
        -o "-k $dir/sock -p $port -c listen_addresses=127.0.0.1 -c fsync=off -c max_connections=200" \
        start >/dev/null
    echo "postgresql://postgres@127.0.0.1:$port/postgres"
    ;;
stop)
    if [ -d "$dir/data" ]; then
        run_pg "$B/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
    fi
    rm -rf "$dir"
    ;;
*)
    echo "usage: $0 start|stop DIR [PORT]" >&2
    exit 2
    ;;
esac
