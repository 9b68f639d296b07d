#!/usr/bin/env bash
# A private Dovecot POP3 server for the tests: its own configuration, accounts, Maildirs, run folder,
# port and log, listening on the loopback interface only. The machine's own Dovecot is left alone.
#
#   dovecot-fixture.sh start <state-folder>   returns once the server greets with "+OK";
#                                              <state-folder>/fixture.env then names ports and accounts
#   dovecot-fixture.sh stop <state-folder>    stops that server and removes the folder
#
# The plain POP3 server knows no TLS (an old server: no STLS). POP3 over implicit TLS runs on port 995
# when run as root, with a certificate for "localhost" from a test CA made for this run (tls/ca.pem).
# Further instances, one listener each, present certificates that a client must reject: self-signed,
# from an unknown CA that is not sent along, and expired. Two more refuse a login in clear and offer
# STLS, as Debian's Dovecot does, on 127.0.0.7 (port 110 when run as root): a client on 127.0.0.1 is
# not local to them. One has a certificate for that address from the test CA, the other a self-signed
# one. Every key is made at start and removed at stop. Beside Dovecot, scripted_tls_server.py plays
# the TLS cases that no real server plays, with the same certificates.
set -euo pipefail

# The accounts, in this one place; fixture.env hands them to the test programs.
readonly FULL_USER=postbote FULL_PASS=Brief-7      # one message waiting
readonly EMPTY_USER=leerlauf EMPTY_PASS=Nichts-3   # no message
readonly UMLAUT_USER=umlaut UMLAUT_PASS='Größe€'   # the password travels as UTF-8
readonly WRONG_PASS=Falsch-9                       # right for no account

readonly HOST=127.0.0.1
readonly STLS_HOST=127.0.0.7
readonly START_ATTEMPTS=5
# Port 995 may be held by the server of another test run on this machine, for as long as that run's
# tests need it: wait for it, one attempt a second.
readonly TLS_PORT_ATTEMPTS=300
# The instances that present a certificate to be rejected.
readonly REJECTED_INSTANCES=(selfsigned unknownca expired)
# The instances that offer STLS and refuse a login in clear; the certificate has the instance's name.
readonly STLS_INSTANCES=(stls stlsselfsigned)
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

# Instance "main" keeps the names it had before there were others.
instance_suffix() { [ "$1" = main ] || echo "-$1"; }

# The master of one instance, if it still runs. A master that died long ago may have left its
# number to an unrelated process: that one is not named.
instance_master() {
  local state=$1 server=$2 suffix pid
  suffix=$(instance_suffix "$3")
  [ -f "$server/run$suffix/master.pid" ] || return 0
  pid=$(cat "$server/run$suffix/master.pid")
  grep -qaF "$state/dovecot$suffix.conf" "/proc/$pid/cmdline" 2>/dev/null && echo "$pid"
  return 0
}

stop_server() {
  local state=$1 server instance pid tenths masters=()
  server=$(server_folder_of "$state")
  if [ -n "$server" ]; then
    for instance in main plain "${REJECTED_INSTANCES[@]}" "${STLS_INSTANCES[@]}"; do
      pid=$(instance_master "$state" "$server" "$instance")
      # A master ends its own children when it is asked to stop; all are asked at once.
      [ -n "$pid" ] && kill -TERM "$pid" 2>/dev/null && masters+=("$pid")
    done
    for pid in "${masters[@]}"; do
      for ((tenths = 0; tenths < 100; tenths++)); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
      done
      kill -KILL "$pid" 2>/dev/null || true
    done
    rm -rf "$server"
  fi
  if [ -f "$state/scripted-tls.pid" ]; then
    pid=$(cat "$state/scripted-tls.pid")
    grep -qaF scripted_tls_server.py "/proc/$pid/cmdline" 2>/dev/null && kill -TERM "$pid" 2>/dev/null || true
  fi
  # Only what start made: a mistaken folder argument costs nothing else.
  rm -f "$state"/{server,dovecot*.conf,dovecot*.log,start*.log,fixture.env,fixture.env.tmp}
  rm -f "$state"/scripted-tls.{pid,log,ports,ports.tmp}
  rm -rf "$state/tls"
  rmdir "$state" 2>/dev/null || true
}

# port_answers <port> [<address>]
port_answers() { (exec 3<>"/dev/tcp/${2:-$HOST}/$1") 2>/dev/null; }

pick_port() {
  local port
  while :; do
    port=$(((RANDOM * 32768 + RANDOM) % 40000 + 20000))
    port_answers "$port" || port_answers "$port" "$STLS_HOST" || break
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

# write_config <state> <server> <instance> <plain port or 0> <TLS port or 0> <certificate name>
# The settings that make an instance differ come as variables: LISTEN (addresses), SSL ("no": no
# TLS at all; "yes": STLS offered on the plain listener) and PLAINTEXT_AUTH_DISABLED.
write_config() {
  local state=$1 server=$2 instance=$3 port=$4 tls_port=$5 certificate=$6 suffix
  suffix=$(instance_suffix "$instance")
  cat >"$state/dovecot$suffix.conf" <<CONF
# Written by dovecot-fixture.sh for one test run.
instance_name = pbw-dovecot-$instance-$port-$tls_port
base_dir = $server/run$suffix
state_dir = $server/lib$suffix
log_path = $state/dovecot$suffix.log
protocols = pop3
listen = ${LISTEN:-$(listen_addresses)}

# The listener with "ssl = yes" speaks TLS from the start; a plain one offers STLS unless "ssl = no".
ssl = ${SSL:-yes}
ssl_cert = <$state/tls/$certificate.pem
ssl_key = <$state/tls/$certificate.key
ssl_min_protocol = TLSv1.2
disable_plaintext_auth = ${PLAINTEXT_AUTH_DISABLED:-no}
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
$(inet_listener pop3s "$tls_port" yes)
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
  local state=$1 port=$2 tls_port=$3
  cat >"$state/fixture.env.tmp" <<ENV
PBW_DOVECOT_HOST=$HOST
PBW_DOVECOT_PORT=$port
PBW_DOVECOT_TLS_PORT=$tls_port
PBW_DOVECOT_SELFSIGNED_PORT=${REJECTED_PORTS[selfsigned]}
PBW_DOVECOT_UNKNOWNCA_PORT=${REJECTED_PORTS[unknownca]}
PBW_DOVECOT_EXPIRED_PORT=${REJECTED_PORTS[expired]}
PBW_DOVECOT_STLS_HOST=$STLS_HOST
PBW_DOVECOT_STLS_PORT=${PLAIN_PORTS[stls]}
PBW_DOVECOT_STLS_SELFSIGNED_PORT=${PLAIN_PORTS[stlsselfsigned]}
PBW_DOVECOT_TEST_CA=$state/tls/ca.pem
PBW_DOVECOT_GREETING_CLOSE_PORT=${SCRIPTED_PORTS[GREETING_CLOSE]}
PBW_DOVECOT_FLOOD_PORT=${SCRIPTED_PORTS[FLOOD]}
PBW_DOVECOT_ADDRESS_PORT=${SCRIPTED_PORTS[ADDRESS]}
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

# Writes a key and a certificate signed by <issuer> (or by itself) to <folder>/<name>.{key,pem}.
# With a start and an end date (YYYYMMDDhhmmssZ) the certificate is made by "openssl ca", which
# alone can date it in the past.
make_certificate() {
  local folder=$1 name=$2 subject=$3 issuer=$4 extensions=$5 start=${6:-} end=${7:-}
  openssl req -new -newkey rsa:2048 -nodes -subj "/CN=$subject" -keyout "$folder/$name.key" \
    -out "$folder/$name.csr" 2>/dev/null
  printf '%b' "$extensions" >"$folder/$name.ext"
  if [ "$issuer" = self ]; then
    openssl x509 -req -in "$folder/$name.csr" -signkey "$folder/$name.key" -days 30 \
      -extfile "$folder/$name.ext" -out "$folder/$name.pem" 2>/dev/null
  elif [ -n "$start" ]; then
    cat >"$folder/ca.cnf" <<CNF
[ca]
default_ca = test_ca
[test_ca]
database = $folder/index.txt
new_certs_dir = $folder
serial = $folder/serial
certificate = $folder/$issuer.pem
private_key = $folder/$issuer.key
default_md = sha256
policy = any
unique_subject = no
[any]
commonName = supplied
CNF
    : >"$folder/index.txt"
    echo 1000 >"$folder/serial"
    openssl ca -batch -notext -config "$folder/ca.cnf" -startdate "$start" -enddate "$end" \
      -extfile "$folder/$name.ext" -in "$folder/$name.csr" -out "$folder/$name.pem" 2>/dev/null
  else
    openssl x509 -req -in "$folder/$name.csr" -CA "$folder/$issuer.pem" -CAkey "$folder/$issuer.key" \
      -CAcreateserial -days 30 -extfile "$folder/$name.ext" -out "$folder/$name.pem" 2>/dev/null
  fi
}

make_certificates() {
  local folder=$1/tls
  local ca='basicConstraints=critical,CA:TRUE\nkeyUsage=critical,keyCertSign,cRLSign\n'
  local leaf='basicConstraints=CA:FALSE\nkeyUsage=digitalSignature,keyEncipherment\nextendedKeyUsage=serverAuth\nsubjectAltName=DNS:localhost\n'
  mkdir -p "$folder"
  make_certificate "$folder" ca "PostboxWatchman Test CA" self "$ca"
  make_certificate "$folder" localhost localhost ca "$leaf"
  make_certificate "$folder" selfsigned localhost self "$leaf"
  make_certificate "$folder" otherca "Unbekannte Test CA" self "$ca"
  make_certificate "$folder" unknownca localhost otherca "$leaf"
  make_certificate "$folder" expired localhost ca "$leaf" 20200101000000Z 20210101000000Z
  make_certificate "$folder" address localhost ca "${leaf/DNS:localhost/IP:127.0.0.1,IP:::1}"
  make_certificate "$folder" stls "$STLS_HOST" ca "${leaf/DNS:localhost/IP:$STLS_HOST}"
  make_certificate "$folder" stlsselfsigned "$STLS_HOST" self "${leaf/DNS:localhost/IP:$STLS_HOST}"
  # The server's key files are read by Dovecot's master alone; none is of any use beyond this run.
  chmod 600 "$folder"/*.key
}

# Starts one instance; the ports are tried once. False when a port was taken meanwhile.
start_instance() {
  local state=$1 server=$2 instance=$3 port=$4 tls_port=$5 certificate=$6 suffix
  suffix=$(instance_suffix "$instance")
  mkdir -p "$server/run$suffix" "$server/lib$suffix"
  write_config "$state" "$server" "$instance" "$port" "$tls_port" "$certificate"
  # Dovecot goes to the background; its output must not hold the caller's pipes open.
  dovecot -c "$state/dovecot$suffix.conf" </dev/null >"$state/start$suffix.log" 2>&1 && return 0
  # Another program may have taken a port since it was picked.
  grep -q 'Address already in use' "$state/start$suffix.log" || show_log_and_fail "$state" "dovecot ($instance) did not start"
  return 1
}

# waits_for_fixed_port <port> <attempt>: true (after a second) while a fixed port may yet come free.
waits_for_fixed_port() {
  ((${2} == 1)) && echo "dovecot-fixture: port $1 is taken; waiting for it" >&2
  sleep 1
}

# The implicit TLS instance; its port may be the fixed 995.
start_main_instance() {
  local state=$1 server=$2 attempt
  for ((attempt = 1; attempt <= TLS_PORT_ATTEMPTS; attempt++)); do
    if [ "$(id -u)" -eq 0 ]; then MAIN_TLS_PORT=995; else MAIN_TLS_PORT=$(pick_port); fi
    start_instance "$state" "$server" main 0 "$MAIN_TLS_PORT" localhost && return 0
    waits_for_fixed_port "$MAIN_TLS_PORT" "$attempt"
  done
  show_log_and_fail "$state" "dovecot did not start: port $MAIN_TLS_PORT stays taken"
}

# start_plain_instance <state> <server> <instance> <certificate> [<fixed port>]: one plain listener,
# its port in PLAIN_PORTS; LISTEN, SSL and PLAINTEXT_AUTH_DISABLED as for write_config.
start_plain_instance() {
  local state=$1 server=$2 instance=$3 certificate=$4 fixed=${5:-} attempt port attempts=$START_ATTEMPTS
  [ -n "$fixed" ] && attempts=$TLS_PORT_ATTEMPTS
  for ((attempt = 1; attempt <= attempts; attempt++)); do
    port=${fixed:-$(pick_port)}
    if start_instance "$state" "$server" "$instance" "$port" 0 "$certificate"; then
      PLAIN_PORTS[$instance]=$port
      return 0
    fi
    [ -n "$fixed" ] && waits_for_fixed_port "$port" "$attempt"
  done
  show_log_and_fail "$state" "dovecot ($instance) did not start"
}

start_rejected_instance() {
  local state=$1 server=$2 instance=$3 attempt port
  for ((attempt = 1; attempt <= START_ATTEMPTS; attempt++)); do
    port=$(pick_port)
    if start_instance "$state" "$server" "$instance" 0 "$port" "$instance"; then
      REJECTED_PORTS[$instance]=$port
      return 0
    fi
  done
  show_log_and_fail "$state" "dovecot ($instance) did not start"
}

start_scripted_tls_server() {
  local state=$1 deadline=$((SECONDS + GREETING_WAIT_SECONDS)) name port
  python3 "$(dirname "$0")/scripted_tls_server.py" "$state/tls" "$state/scripted-tls.ports" \
    </dev/null >"$state/scripted-tls.log" 2>&1 &
  echo $! >"$state/scripted-tls.pid"
  while [ ! -f "$state/scripted-tls.ports" ]; do
    ((SECONDS < deadline)) && kill -0 "$(cat "$state/scripted-tls.pid")" 2>/dev/null ||
      show_log_and_fail "$state" "the scripted TLS server did not start: $(cat "$state/scripted-tls.log")"
    sleep 0.1
  done
  declare -gA SCRIPTED_PORTS=()
  while IFS== read -r name port; do SCRIPTED_PORTS[$name]=$port; done <"$state/scripted-tls.ports"
}

# wait_for_port <port> [<address>]
wait_for_port() {
  local port=$1 address=${2:-$HOST} deadline=$((SECONDS + GREETING_WAIT_SECONDS))
  while ((SECONDS < deadline)); do
    port_answers "$port" "$address" && return 0
    sleep 0.1
  done
  return 1
}

start_server() {
  local state=$1 server instance
  declare -gA REJECTED_PORTS=() PLAIN_PORTS=()
  # A run that ended without its cleanup may have left a server behind.
  stop_server "$state"
  mkdir -p "$state"
  server=$(mktemp -d "${SERVER_FOLDER_PREFIX}XXXXXX")
  chmod 755 "$server"
  ln -s "$server" "$state/server"
  write_accounts "$server"
  make_mailboxes "$server"
  make_certificates "$state"
  start_main_instance "$state" "$server"
  SSL=no start_plain_instance "$state" "$server" plain localhost
  MAIN_PORT=${PLAIN_PORTS[plain]}
  for instance in "${REJECTED_INSTANCES[@]}"; do start_rejected_instance "$state" "$server" "$instance"; done
  local stls_port=""
  [ "$(id -u)" -eq 0 ] && stls_port=110
  for instance in "${STLS_INSTANCES[@]}"; do
    LISTEN=$STLS_HOST PLAINTEXT_AUTH_DISABLED=yes start_plain_instance "$state" "$server" "$instance" "$instance" \
      "$stls_port"
    stls_port=""
  done
  start_scripted_tls_server "$state"
  wait_for_greeting "$MAIN_PORT" || show_log_and_fail "$state" "no \"+OK\" greeting on $HOST:$MAIN_PORT"
  for port in "$MAIN_TLS_PORT" "${REJECTED_PORTS[@]}"; do
    wait_for_port "$port" || show_log_and_fail "$state" "nothing listens on $HOST:$port"
  done
  for instance in "${STLS_INSTANCES[@]}"; do
    wait_for_port "${PLAIN_PORTS[$instance]}" "$STLS_HOST" ||
      show_log_and_fail "$state" "nothing listens on $STLS_HOST:${PLAIN_PORTS[$instance]}"
  done
  write_environment "$state" "$MAIN_PORT" "$MAIN_TLS_PORT"
  echo "dovecot-fixture: POP3 on $HOST:$MAIN_PORT, POP3 over TLS on $HOST:$MAIN_TLS_PORT, state in $state"
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
