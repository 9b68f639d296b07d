#!/usr/bin/env bash
# A private Dovecot POP3 server for the tests: its own configuration, accounts, Maildirs, run folder,
# port and log, listening on the loopback interface only. The machine's own Dovecot is left alone.
#
#   dovecot-fixture.sh start <state-folder>   returns once the server greets with "+OK";
#                                              <state-folder>/fixture.env then names port and accounts
#   dovecot-fixture.sh stop <state-folder>    stops that server and removes the folder
set -euo pipefail

# The accounts, in this one place; fixture.env hands them to the test programs.
readonly FULL_USER=postbote FULL_PASS=Brief-7      # one message waiting
readonly EMPTY_USER=leerlauf EMPTY_PASS=Nichts-3   # no message
readonly UMLAUT_USER=umlaut UMLAUT_PASS='Größe€'   # the password travels as UTF-8
readonly WRONG_PASS=Falsch-9                       # right for no account

readonly HOST=127.0.0.1
readonly START_ATTEMPTS=5
readonly GREETING_WAIT_SECONDS=30

usage() {
  echo "usage: $0 start|stop <state-folder>" >&2
  exit 2
}

# What the server's own processes read and write lives in a folder of its own in /tmp: the socket
# paths stay short, and the unprivileged processes reach it whatever the state folder's parents
# allow. The state folder keeps a link to it.
readonly SERVER_FOLDER_PREFIX=/tmp/pbw-dovecot.
server_folder_of() {
  local server
  server=$(readlink "$1/server" 2>/dev/null) || return 0
  [[ $server == "$SERVER_FOLDER_PREFIX"* ]] && echo "$server"
  return 0
}

stop_server() {
  local state=$1 server pid tenths
  server=$(server_folder_of "$state")
  if [ -n "$server" ] && [ -f "$server/run/master.pid" ]; then
    pid=$(cat "$server/run/master.pid")
    # The master ends its own children when it is asked to stop. A master that died long ago may
    # have left its number to an unrelated process: that one is left alone.
    if grep -qaF "$state/dovecot.conf" "/proc/$pid/cmdline" 2>/dev/null && kill -TERM "$pid"; then
      for ((tenths = 0; tenths < 100; tenths++)); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
      done
      kill -KILL "$pid" 2>/dev/null || true
    fi
  fi
  [ -n "$server" ] && rm -rf "$server"
  # Only what start made: a mistaken folder argument costs nothing else.
  rm -f "$state"/{server,dovecot.conf,dovecot.log,start.log,fixture.env,fixture.env.tmp}
  rmdir "$state" 2>/dev/null || true
}

port_answers() { (exec 3<>"/dev/tcp/$HOST/$1") 2>/dev/null; }

pick_port() {
  local port
  while :; do
    port=$(((RANDOM * 32768 + RANDOM) % 40000 + 20000))
    port_answers "$port" || break
  done
  echo "$port"
}

ipv6_loopback_present() { grep -q '^0\{31\}1 ' /proc/net/if_inet6 2>/dev/null; }

listen_addresses() {
  if ipv6_loopback_present; then echo "$HOST, ::1"; else echo "$HOST"; fi
}

# One "inet_listener" block; a TLS listener beside the plain one is a further call with ssl = yes.
inet_listener() {
  local name=$1 port=$2 ssl=$3
  printf '  inet_listener %s {\n    port = %s\n    ssl = %s\n  }\n' "$name" "$port" "$ssl"
}

# Only root may change a process's root folder.
unchrooted_services() {
  [ "$(id -u)" -eq 0 ] && return
  local service
  for service in anvil ipc old-stats pop3-login; do
    printf 'service %s {\n  chroot =\n}\n' "$service"
  done
}

write_config() {
  local state=$1 server=$2 port=$3
  cat >"$state/dovecot.conf" <<CONF
# Written by dovecot-fixture.sh for one test run.
instance_name = pbw-dovecot-$port
base_dir = $server/run
state_dir = $server/lib
log_path = $state/dovecot.log
protocols = pop3
listen = $(listen_addresses)

ssl = no
disable_plaintext_auth = no
auth_mechanisms = plain
# A wrong password is answered at once; the tests need no brute-force brake.
auth_failure_delay = 0

default_internal_user = $INTERNAL_USER
default_internal_group = $INTERNAL_GROUP
default_login_user = $LOGIN_USER
first_valid_uid = $MAIL_UID
last_valid_uid = $MAIL_UID
mail_location = maildir:~/Maildir
pop3_uidl_format = %08Xu%08Xv

passdb {
  driver = passwd-file
  args = scheme=PLAIN username_format=%u $server/passwd
}
userdb {
  driver = static
  args = uid=$MAIL_UID gid=$MAIL_GID home=$server/home/%u
}

service pop3-login {
$(inet_listener pop3 "$port" no)
  inet_listener pop3s {
    port = 0
  }
}
# Without this socket no failed login slows down the next one from the same address.
service anvil {
  unix_listener anvil-auth-penalty {
    mode = 0
  }
}
$(unchrooted_services)
# Nothing else of Dovecot's listens on a network port.
service imap-login {
  inet_listener imap {
    port = 0
  }
  inet_listener imaps {
    port = 0
  }
}
service submission-login {
  inet_listener submission {
    port = 0
  }
}
CONF
}

write_accounts() {
  local server=$1
  printf '%s:{PLAIN}%s\n' "$FULL_USER" "$FULL_PASS" "$EMPTY_USER" "$EMPTY_PASS" \
    "$UMLAUT_USER" "$UMLAUT_PASS" >"$server/passwd"
}

make_maildir() {
  local maildir=$1/home/$2/Maildir
  mkdir -p "$maildir/cur" "$maildir/new" "$maildir/tmp"
}

make_mailboxes() {
  local server=$1
  make_maildir "$server" "$FULL_USER"
  make_maildir "$server" "$EMPTY_USER"
  make_maildir "$server" "$UMLAUT_USER"
  printf '%s\r\n' "From: Absender <absender@example.com>" "To: $FULL_USER@example.com" \
    "Subject: Testbrief" "Date: Mon, 1 Jan 2024 08:00:00 +0000" "" "Hallo." \
    >"$server/home/$FULL_USER/Maildir/new/1704096000.M1P1.pbw"
  chown -R "$MAIL_UID:$MAIL_GID" "$server/home"
}

write_environment() {
  local state=$1 port=$2
  cat >"$state/fixture.env.tmp" <<ENV
PBW_DOVECOT_HOST=$HOST
PBW_DOVECOT_PORT=$port
PBW_DOVECOT_FULL_USER=$FULL_USER
PBW_DOVECOT_FULL_PASS=$FULL_PASS
PBW_DOVECOT_EMPTY_USER=$EMPTY_USER
PBW_DOVECOT_EMPTY_PASS=$EMPTY_PASS
PBW_DOVECOT_UMLAUT_USER=$UMLAUT_USER
PBW_DOVECOT_UMLAUT_PASS=$UMLAUT_PASS
PBW_DOVECOT_WRONG_PASS=$WRONG_PASS
ENV
  # Readers never see half a file.
  mv "$state/fixture.env.tmp" "$state/fixture.env"
}

greets() {
  local port=$1 line=""
  exec 3<>"/dev/tcp/$HOST/$port" || return 1
  read -r -t 1 line <&3 || true
  exec 3<&-
  [[ $line == +OK* ]]
}

wait_for_greeting() {
  local port=$1 deadline=$((SECONDS + GREETING_WAIT_SECONDS))
  while ((SECONDS < deadline)); do
    greets "$port" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

show_log_and_fail() {
  local state=$1
  echo "dovecot-fixture: $2" >&2
  local log
  for log in start.log dovecot.log; do
    [ -f "$state/$log" ] && sed "s/^/$log: /" "$state/$log" >&2
  done
  stop_server "$state"
  exit 1
}

start_server() {
  local state=$1 server port attempt
  # A run that ended without its cleanup may have left a server behind.
  stop_server "$state"
  mkdir -p "$state"
  server=$(mktemp -d "${SERVER_FOLDER_PREFIX}XXXXXX")
  chmod 755 "$server"
  ln -s "$server" "$state/server"
  mkdir "$server/run" "$server/lib"
  write_accounts "$server"
  make_mailboxes "$server"
  for ((attempt = 1; attempt <= START_ATTEMPTS; attempt++)); do
    port=$(pick_port)
    write_config "$state" "$server" "$port"
    # Dovecot goes to the background; its output must not hold the caller's pipes open.
    if dovecot -c "$state/dovecot.conf" </dev/null >"$state/start.log" 2>&1; then
      wait_for_greeting "$port" || show_log_and_fail "$state" "no \"+OK\" greeting on $HOST:$port"
      write_environment "$state" "$port"
      echo "dovecot-fixture: POP3 on $HOST:$port, state in $state"
      return 0
    fi
    # Another program may have taken the port since it was picked.
    grep -q 'Address already in use' "$state/start.log" || break
  done
  show_log_and_fail "$state" "dovecot did not start"
}

choose_users() {
  if [ "$(id -u)" -eq 0 ]; then
    # The users that Debian's package made; Dovecot never reads mail as root.
    INTERNAL_USER=dovecot
    INTERNAL_GROUP=dovecot
    LOGIN_USER=dovenull
    MAIL_UID=$(id -u nobody)
    MAIL_GID=$(id -g nobody)
  else
    # Without root every process of the server is this user's.
    INTERNAL_USER=$(id -un)
    INTERNAL_GROUP=$(id -gn)
    LOGIN_USER=$INTERNAL_USER
    MAIL_UID=$(id -u)
    MAIL_GID=$(id -g)
  fi
}

[ $# -eq 2 ] || usage
# Debian puts the server where an ordinary user's PATH may not reach.
PATH=$PATH:/usr/sbin
command -v dovecot >/dev/null || { echo "dovecot-fixture: dovecot is not installed (scripts/install-deps.sh)" >&2; exit 1; }
choose_users
state=$(realpath -m -- "$2")
case "$1" in
  start) start_server "$state" ;;
  stop) stop_server "$state" ;;
  *) usage ;;
esac
