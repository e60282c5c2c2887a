#!/usr/bin/env bash
# Starts or stops the private PostgreSQL server the `pg` tests share.
#   pg_server.sh start STATE_DIR   -> STATE_DIR/url (postgresql://...) or STATE_DIR/unavailable (the reason)
#   pg_server.sh stop STATE_DIR
#   pg_server.sh restart STATE_DIR  (the same server and port: sessions open on it lose their connection)
# The server runs from a temporary data directory on 127.0.0.1 and a free port.
# PostgreSQL refuses to run as root, so as root it runs as the postgres system user.
set -uo pipefail
action="${1:?start or stop}"
state="${2:?state directory}"
mkdir -p "$state"

as_server_user() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

# Stops the server this state directory names, if any, and removes its data.
stop_server() {
  if [ -f "$state/datadir" ]; then
    local data bindir
    data="$(cat "$state/datadir")"
    bindir="$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)"
    if [ -d "$data/db" ] && [ -n "$bindir" ]; then
      as_server_user "$bindir/pg_ctl" -D "$data/db" -m fast -w stop >/dev/null 2>&1
    fi
    rm -rf "$data"
    rm -f "$state/datadir" "$state/url"
  fi
}

unavailable() {
  echo "$1" > "$state/unavailable"
  echo "PostgreSQL tests will be skipped: $1"
  exit 0
}

case "$action" in
  start)
    # A run stopped before its clean-up (interrupted, timed out) left its server running: stop it first.
    stop_server
    rm -f "$state/url" "$state/unavailable"
    bindir="$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)"
    [ -n "$bindir" ] && [ -x "$bindir/initdb" ] || unavailable "no PostgreSQL server binaries (install the postgresql package)"
    if [ "$(id -u)" -eq 0 ] && ! id postgres >/dev/null 2>&1; then
      unavailable "running as root and there is no postgres system user"
    fi
    data="$(mktemp -d /tmp/kelmira-pg.XXXXXX)"
    [ "$(id -u)" -eq 0 ] && chown postgres: "$data"
    chmod 700 "$data"
    echo "$data" > "$state/datadir"
    port=""
    for _ in $(seq 1 50); do
      candidate=$(( 20000 + RANDOM % 30000 ))
      if ! (exec 3<>"/dev/tcp/127.0.0.1/$candidate") 2>/dev/null; then
        port="$candidate"
        break
      fi
    done
    [ -n "$port" ] || unavailable "no free port found on 127.0.0.1"
    as_server_user "$bindir/initdb" -D "$data/db" -U kelmira --auth=trust -E UTF8 --locale=C.UTF-8 >"$state/initdb.log" 2>&1 \
      || unavailable "initdb failed: $(tail -3 "$state/initdb.log" | tr '\n' ' ')"
    # One user must give a password: the tests of a wrong password sign in as it.
    as_server_user sed -i '1i host all kelmira_password 127.0.0.1/32 scram-sha-256' "$data/db/pg_hba.conf"
    as_server_user "$bindir/pg_ctl" -D "$data/db" -l "$data/server.log" -w -t 60 \
      -o "-p $port -k $data -c listen_addresses=127.0.0.1 -c fsync=off -c synchronous_commit=off -c full_page_writes=off -c max_connections=200" \
      start >"$state/pg_ctl.log" 2>&1 \
      || unavailable "the server did not start: $(tail -3 "$data/server.log" 2>/dev/null | tr '\n' ' ')"
    echo "postgresql://kelmira@127.0.0.1:$port/postgres" > "$state/url"
    echo "PostgreSQL test server on 127.0.0.1:$port"
    ;;
  restart)
    data="$(cat "$state/datadir")"
    bindir="$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -1)"
    as_server_user "$bindir/pg_ctl" -D "$data/db" -l "$data/server.log" -m fast -w -t 60 restart >"$state/pg_ctl.log" 2>&1 \
      || { echo "the server did not restart: $(tail -3 "$data/server.log" 2>/dev/null | tr '\n' ' ')"; exit 1; }
    ;;
  stop)
    stop_server
    echo "PostgreSQL test server stopped"
    ;;
  *)
    echo "usage: $0 start|stop|restart STATE_DIR" >&2
    exit 2
    ;;
esac
