#!/bin/bash
# peers.sh - start-up, memory, 20-window and exit timing of Quorrelin and
# its peers (falkon, epiphany, qutebrowser), interleaved round by round.
# Install the peers first: apt-get install -y --no-install-recommends falkon qutebrowser epiphany-browser
#
# Usage: ./peers.sh [browser ...]   (default: quorrelin falkon epiphany qutebrowser;
#        also: quorrelin-sw = quorrelin with QT_QUICK_BACKEND=software, an experiment)
# Env knobs:
#   PB_DIR=/tmp/peers     pages under $PB_DIR/www, results under $PB_DIR/results
#   PB_DISPLAY=70         X display (own Xvfb 1280x900x24 started if none)
#   PB_PORT=18700         loopback HTTP server for the pages (own one started if none)
#   PB_ROUNDS=8           1-page rounds (each: every browser once, in order)
#   PB_WARMUP=1           extra 1-page rounds first, recorded as round 0, not counted
#   PB_TABROUNDS=3        20-page rounds (interleaved the same way)
#   PB_GPUFLAG=1          QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu for all three
#                         QtWebEngine browsers (the project rules demand it for
#                         Quorrelin; the peers get the same for a fair comparison)
#   QUORRELIN=build/src/quorrelin  (QREG=build/tools/quorrelin-reg/quorrelin-reg)
#
# Differences from peers.sh:
#  * pages come from http://127.0.0.1:PORT/ (not file://), no network
#    namespace (the machine has no route out; the browsers need the loopback
#    server of the host namespace);
#  * 20-page runs open the pages ONE BY ONE through each program's own
#    hand-over ("PROGRAM URL" to the running instance), waiting for each
#    page's title in the window caption before the next request; recorded per
#    step in handover.csv; open20_ms = spawn until "PB20" titled;
#  * exit time = SIGTERM until the main process is gone (exit_ms) and until
#    every process of its tree is gone (tree_gone_ms), polled every 10 ms;
#  * besides Rss/Pss sums, "uniq_kb" = distinct physical pages mapped by the
#    tree (tools/treeuniq, from /proc/PID/pagemap): the tree's PSS as if no
#    outside process shared its pages. Other programs on this machine may run
#    QtWebEngine 6 programs, which lowers Quorrelin's plain PSS (shared
#    library pages are split with them) but not the peers' (QtWebEngine 5 /
#    WebKitGTK); "foreign" counts the outside processes mapping
#    libQt6WebEngineCore at the moment of measurement.
#
# Start-up = from just before spawn until `xdotool search --name PeerBenchPage`
# finds a window (polled every 20 ms). Memory 2 s after the title (1 page);
# at 20 pages after the window names are unchanged for 2 s and the tree used
# <10% of a core over 0.5 s, at most 15 s after the PB20 title.
set -u
PB_DIR=${PB_DIR:-/tmp/peers}
HERE=$(cd "$(dirname "$0")" && pwd)
DISP=${PB_DISPLAY:-70}
PORT=${PB_PORT:-18700}
ROUNDS=${PB_ROUNDS:-8}
WARMUP=${PB_WARMUP:-1}
TABROUNDS=${PB_TABROUNDS:-3}
GPUFLAG=${PB_GPUFLAG:-1}
QUORRELIN=${QUORRELIN:-$PWD/build/src/quorrelin}
QREG=${QREG:-$PWD/build/tools/quorrelin-reg/quorrelin-reg}
BROWSERS=${*:-quorrelin falkon epiphany qutebrowser}
export DISPLAY=:$DISP
RES=${PB_RES:-$PB_DIR/results}
WWW=$PB_DIR/www
mkdir -p "$RES/logs" "$WWW"
START_CSV=$RES/startup.csv
WIN_CSV=$RES/windows20.csv
HO_CSV=$RES/handover.csv
[ -f "$START_CSV" ] || echo "time,round,browser,startup_ms,rss_kb,pss_kb,uniq_kb,nproc,foreign,exit_ms,tree_gone_ms,note" > "$START_CSV"
[ -f "$WIN_CSV" ] || echo "time,round,browser,startup_ms,rss1_kb,pss1_kb,uniq1_kb,nproc1,open20_ms,last_title_ms,settle_ms,rss20_kb,pss20_kb,uniq20_kb,nproc20,foreign,exit_ms,tree_gone_ms,note" > "$WIN_CSV"
[ -f "$HO_CSV" ] || echo "round,browser,page,request_to_title_ms,client_ms,client_rc" > "$HO_CSV"
HZ=$(getconf CLK_TCK)
TREEUNIQ=$PB_DIR/tools/treeuniq
XVFB_PID= HTTP_PID=

log() { echo "[$(date +%T)] $*" >&2; }
now_us() { local t=${EPOCHREALTIME/./}; echo "${t}"; }

# ---------------------------------------------------------------- pages
make_pages() {
  local body='<p>Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod tempor incididunt ut labore et dolore magna aliqua. Ut enim ad minim veniam, quis nostrud exercitation ullamco laboris nisi ut aliquip ex ea commodo consequat.</p>'
  mk() {
    { echo '<!DOCTYPE html><html><head><meta charset="utf-8">'
      echo "<title>$2</title>"
      echo '<style>body{font-family:sans-serif;margin:2em;max-width:50em}</style></head><body>'
      echo "<h1>$2</h1>"
      for _ in 1 2 3 4 5 6 7 8; do echo "$body"; done
      echo '<ul><li>one</li><li>two</li><li>three</li></ul></body></html>'; } > "$WWW/$1"
  }
  mk page.html PeerBenchPage
  for i in $(seq 1 20); do mk "p$i.html" "PB$i"; done
}

# ---------------------------------------------------------------- X server, HTTP server
ensure_x() {
  if xdpyinfo >/dev/null 2>&1; then log "using existing X server on $DISPLAY"; return; fi
  Xvfb "$DISPLAY" -screen 0 1280x900x24 -nolisten tcp -noreset >"$RES/logs/xvfb.log" 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
  xdpyinfo >/dev/null 2>&1 || { echo "Xvfb failed to start" >&2; exit 1; }
  log "started Xvfb $DISPLAY pid $XVFB_PID"
}
ensure_http() {
  if curl -s -m 2 -o /dev/null "http://127.0.0.1:$PORT/page.html"; then log "using HTTP server on $PORT"; return; fi
  python3 -m http.server "$PORT" --bind 127.0.0.1 --directory "$WWW" >"$RES/logs/http.log" 2>&1 &
  HTTP_PID=$!
  for _ in $(seq 100); do curl -s -m 1 -o /dev/null "http://127.0.0.1:$PORT/page.html" && break; sleep 0.05; done
  log "started HTTP server on $PORT pid $HTTP_PID"
}

# ---------------------------------------------------------------- process helpers
tree() {
  ps -e -o pid=,ppid= | awk -v r="$1" '
    { par[$1]=$2; kids[$2]=kids[$2] " " $1 }
    END { q[1]=r; n=1; h=1
          while (h<=n) { p=q[h++]; print p
            m=split(kids[p], a, " "); for (i=1;i<=m;i++) q[++n]=a[i] } }'
}
starttime() { awk '{sub(/^.*\) /,""); print $20}' "/proc/$1/stat" 2>/dev/null; }
is_alive() {
  local s; s=$(awk '{sub(/^.*\) /,""); print $1}' "/proc/$1/stat" 2>/dev/null) || return 1
  [ -n "$s" ] && [ "$s" != Z ]
}
# prints "rss_kb pss_kb uniq_kb nproc foreign" for the tree rooted at $1
mem_tree() {
  local rss=0 pss=0 n=0 p r s pids uniq foreign
  pids=$(tree "$1")
  for p in $pids; do
    [ -r "/proc/$p/smaps_rollup" ] || continue
    read -r r s < <(awk '/^Rss:/{r=$2} /^Pss:/{s=$2} END{print r+0, s+0}' "/proc/$p/smaps_rollup" 2>/dev/null)
    [ -n "${r:-}" ] || continue
    rss=$((rss + r)); pss=$((pss + ${s:-0})); n=$((n + 1))
  done
  uniq=$("$TREEUNIQ" $pids 2>/dev/null | awk '{print $1}')
  # outside processes that map the Qt 6 web engine library
  foreign=$(for m in /proc/[0-9]*/maps; do grep -l -m1 'libQt6WebEngineCore' "$m" 2>/dev/null; done \
            | sed 's#/proc/##; s#/maps##' | grep -vxF -f <(echo "$pids") | wc -l)
  echo "$rss $pss ${uniq:-NA} $n $foreign"
}
cpu_ticks_tree() {
  local t=0 p v
  for p in $(tree "$1"); do
    v=$(awk '{sub(/^.*\) /,""); print $12+$13}' "/proc/$p/stat" 2>/dev/null)
    t=$((t + ${v:-0}))
  done
  echo "$t"
}
kill_list() {
  local sig=$1 p st
  while read -r p st; do
    [ -n "$p" ] || continue
    [ "$(starttime "$p")" = "$st" ] && kill "-$sig" "$p" 2>/dev/null
  done
}
tagged() {
  local f p
  for f in /proc/[0-9]*/environ; do
    p=${f#/proc/}; p=${p%/environ}
    { tr '\0' '\n' < "$f"; } 2>/dev/null | grep -qx "PB_TAG=$1" && echo "$p $(starttime "$p")"
  done
}
# wait_title REGEX PID TIMEOUT_S T0_US -> 0 when found; sets W_MS (ms since T0)
wait_title() {
  local pat=$1 pid=$2 to=$(( $3 * 1000000 )) t0=$4
  W_MS=NA
  while :; do
    if xdotool search --name "$pat" >/dev/null 2>&1; then W_MS=$(( ($(now_us) - t0) / 1000 )); return 0; fi
    is_alive "$pid" || return 2
    [ $(( $(now_us) - t0 )) -gt "$to" ] && return 1
    sleep 0.02
  done
}

# ---------------------------------------------------------------- per-run setup
# setup_run BROWSER TAG -> sets P, common[], benv[], BPID
setup_run() {
  local b=$1 tag=$2
  P=$(mktemp -d "$PB_DIR/p.XXXXXX")
  mkdir -p "$P/h" "$P/t" "$P/c" "$P/k" "$P/d"
  mkdir -m 700 "$P/r"
  common=(PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
    DISPLAY="$DISPLAY" LANG=C.UTF-8 HOME="$P/h" TMPDIR="$P/t"
    XDG_CONFIG_HOME="$P/c" XDG_CACHE_HOME="$P/k" XDG_DATA_HOME="$P/d"
    XDG_RUNTIME_DIR="$P/r" DBUS_SESSION_BUS_ADDRESS="unix:path=$P/bus" PB_TAG="$tag")
  cat > "$P/bus.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>session</type><listen>unix:path=$P/bus</listen><auth>EXTERNAL</auth>
<policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/></policy>
</busconfig>
EOF
  env -i "${common[@]}" dbus-daemon --config-file="$P/bus.conf" --nofork --nopidfile >"$P/bus.log" 2>&1 &
  BPID=$!
  for _ in $(seq 100); do [ -S "$P/bus" ] && break; sleep 0.02; done
  local gpu=()
  [ "$GPUFLAG" = 1 ] && gpu=(QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu)
  case $b in
    quorrelin|quorrelin-sw)
      benv=(QTWEBENGINE_DISABLE_SANDBOX=1 "${gpu[@]}" QUORRELIN_REGISTRY="$P/registry.db")
      # experiment only: Qt Quick's software renderer (no OpenGL in the web view)
      [ "$b" = quorrelin-sw ] && benv+=(QT_QUICK_BACKEND=software)
      # as the project's own benches: no default-browser question, no exit question
      for v in DisplaySplash CheckDefaultBrowser ConfirmExitApp; do
        env QUORRELIN_REGISTRY="$P/registry.db" XDG_CONFIG_HOME="$P/c" "$QREG" add 'HKCU\Software\Ovrel\Quorrelin\Settings' /v "$v" /t REG_DWORD /d 0 /f >/dev/null
      done ;;
    falkon|qutebrowser) benv=(QTWEBENGINE_DISABLE_SANDBOX=1 "${gpu[@]}") ;;
    epiphany) benv=(WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS=1) ;;
  esac
}
# browser_cmd BROWSER URL -> sets cmd[] (the same command starts it and hands over)
browser_cmd() {
  case $1 in
    quorrelin|quorrelin-sw) cmd=("$QUORRELIN" "$2") ;;
    falkon)      cmd=(falkon "$2") ;;
    qutebrowser) cmd=(qutebrowser --basedir "$P/qb" "$2") ;;
    # no --profile: that makes a non-unique instance, so "epiphany URL" would
    # start a second browser; the default profile lies in the private XDG dirs
    epiphany)    cmd=(epiphany "$2") ;;
  esac
}

# stop_run PID -> sets X_MS (SIGTERM to main process gone), X_TREE_MS (whole tree gone)
stop_run() {
  local pid=$1 plist t0 p left
  plist=$(for p in $(tree "$pid"); do echo "$p $(starttime "$p")"; done)
  X_MS=NA X_TREE_MS=NA
  t0=$(now_us)
  kill -TERM "$pid" 2>/dev/null
  for _ in $(seq 1000); do is_alive "$pid" || break; sleep 0.01; done
  if is_alive "$pid"; then kill -KILL "$pid" 2>/dev/null; NOTE="$NOTE sigkill"; else X_MS=$(( ($(now_us) - t0) / 1000 )); fi
  wait "$pid" 2>/dev/null
  for _ in $(seq 500); do
    left=0
    while read -r p _; do [ -n "$p" ] && is_alive "$p" && left=1 && break; done <<< "$plist"
    [ $left = 0 ] && { X_TREE_MS=$(( ($(now_us) - t0) / 1000 )); break; }
    sleep 0.01
  done
  { echo "$plist"; tagged "$TAG"; } | grep -v "^$BPID " | kill_list TERM
  sleep 0.3
  { echo "$plist"; tagged "$TAG"; } | grep -v "^$BPID " | kill_list KILL
  kill -TERM "$BPID" 2>/dev/null; wait "$BPID" 2>/dev/null
  tagged "$TAG" | kill_list KILL
  rm -rf "$P"
  CUR_PID= CUR_BPID= CUR_TAG= CUR_P=
}

# ---------------------------------------------------------------- 1-page run
run_start() {
  local b=$1 round=$2 pid t0 logf
  TAG="$b-1-$round-$$-$RANDOM"; NOTE=""
  setup_run "$b" "$TAG"
  browser_cmd "$b" "http://127.0.0.1:$PORT/page.html"
  logf="$RES/logs/$b-1-$round.log"
  echo "# env -i ${common[*]} ${benv[*]} ${cmd[*]}" > "$logf"
  CUR_BPID=$BPID; CUR_TAG=$TAG; CUR_P=$P
  t0=$(now_us)
  env -i "${common[@]}" "${benv[@]}" "${cmd[@]}" >>"$logf" 2>&1 &
  pid=$!; CUR_PID=$pid
  local ms=NA rss=NA pss=NA uniq=NA n=NA foreign=NA
  if wait_title 'PeerBenchPage' "$pid" 30 "$t0"; then
    ms=$W_MS
    sleep 2
    read -r rss pss uniq n foreign < <(mem_tree "$pid")
    xwininfo -root -children 2>/dev/null | grep -E '^ +0x' | grep -v '(has no name)' >> "$logf"
  else NOTE="no-title"; fi
  stop_run "$pid"
  echo "$(date +%FT%T),$round,$b,$ms,$rss,$pss,$uniq,$n,$foreign,$X_MS,$X_TREE_MS,$NOTE" >> "$START_CSV"
  log "$b 1page round $round: start ${ms} ms pss=$pss uniq=$uniq n=$n foreign=$foreign exit=${X_MS}/${X_TREE_MS} ms $NOTE"
}

# ---------------------------------------------------------------- 20-page run
run_20() {
  local b=$1 round=$2 pid t0 logf i t1 cpid crc cms ms last=NA
  TAG="$b-20-$round-$$-$RANDOM"; NOTE=""
  setup_run "$b" "$TAG"
  browser_cmd "$b" "http://127.0.0.1:$PORT/p1.html"
  logf="$RES/logs/$b-20-$round.log"
  echo "# env -i ${common[*]} ${benv[*]} ${cmd[*]}" > "$logf"
  CUR_BPID=$BPID; CUR_TAG=$TAG; CUR_P=$P
  t0=$(now_us)
  env -i "${common[@]}" "${benv[@]}" "${cmd[@]}" >>"$logf" 2>&1 &
  pid=$!; CUR_PID=$pid
  local r1=NA p1=NA u1=NA n1=NA f=NA r20=NA p20=NA u20=NA n20=NA open20=NA settle=NA
  if wait_title '^PB1([^0-9]|$)' "$pid" 30 "$t0"; then
    ms=$W_MS
    sleep 2
    read -r r1 p1 u1 n1 f < <(mem_tree "$pid")
    for i in $(seq 2 20); do
      browser_cmd "$b" "http://127.0.0.1:$PORT/p$i.html"
      t1=$(now_us)
      env -i "${common[@]}" "${benv[@]}" timeout 30 "${cmd[@]}" >>"$logf.client" 2>&1 &
      cpid=$!
      if wait_title "^PB$i([^0-9]|\$)" "$pid" 30 "$t1"; then last=$W_MS; else last=NA; NOTE="$NOTE no-title-$i"; fi
      wait "$cpid"; crc=$?; cms=$(( ($(now_us) - t1) / 1000 ))
      echo "$round,$b,$i,$last,$cms,$crc" >> "$HO_CSV"
      [ "$last" = NA ] && break
    done
    [ "$last" != NA ] && open20=$(( ($(now_us) - t0) / 1000 ))
    # settle
    local last_sig="" last_change c0 c1 sig tnow tend
    last_change=$(now_us); tend=$((last_change + 15000000)); c0=$(cpu_ticks_tree "$pid")
    while :; do
      sleep 0.5
      sig=$(xwininfo -root -children 2>/dev/null | grep -E '"(PB[0-9]|PeerBench)' | sed 's/^ *0x[0-9a-f]* //' | sort | md5sum)
      tnow=$(now_us)
      [ "$sig" != "$last_sig" ] && { last_sig=$sig; last_change=$tnow; }
      c1=$(cpu_ticks_tree "$pid")
      if [ $((tnow - last_change)) -ge 2000000 ] && [ $(( (c1 - c0) * 100 / HZ )) -lt 5 ]; then NOTE="$NOTE settled"; break; fi
      c0=$c1
      [ "$tnow" -ge "$tend" ] && { NOTE="$NOTE cap15s"; break; }
    done
    settle=$(( ($(now_us) - t0) / 1000 ))
    read -r r20 p20 u20 n20 f < <(mem_tree "$pid")
    xwininfo -root -children 2>/dev/null | grep -E '"(PB[0-9]|PeerBench)' >> "$logf"
  else NOTE="no-title-1"; fi
  stop_run "$pid"
  echo "$(date +%FT%T),$round,$b,${ms:-NA},$r1,$p1,$u1,$n1,$open20,$last,$settle,$r20,$p20,$u20,$n20,$f,$X_MS,$X_TREE_MS,$NOTE" >> "$WIN_CSV"
  log "$b 20page round $round: start ${ms:-NA} open20=$open20 ms pss1=$p1 pss20=$p20 uniq1=$u1 uniq20=$u20 n20=$n20 exit=${X_MS}/${X_TREE_MS} $NOTE"
}

CUR_PID= CUR_BPID= CUR_TAG= CUR_P=
cleanup() {
  if [ -n "$CUR_PID" ]; then
    { tree "$CUR_PID" | while read -r p; do echo "$p $(starttime "$p")"; done; tagged "$CUR_TAG"; } | kill_list KILL
    [ -n "$CUR_BPID" ] && kill -KILL "$CUR_BPID" 2>/dev/null
    sleep 0.3; rm -rf "$CUR_P"
  fi
  [ -n "$HTTP_PID" ] && { kill -TERM "$HTTP_PID" 2>/dev/null; wait "$HTTP_PID" 2>/dev/null; }
  [ -n "$XVFB_PID" ] && { kill -TERM "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; }
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# ---------------------------------------------------------------- main
mkdir -p "$PB_DIR/tools"; [ -x "$TREEUNIQ" ] || gcc -O2 -o "$TREEUNIQ" "$HERE/treeuniq.c"
make_pages
ensure_x
ensure_http
ver() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null || echo "not-installed"; }
{ echo "quorrelin: $QUORRELIN (QtWebEngine $(ver libqt6webenginecore6))"
  echo "falkon $(ver falkon), qutebrowser $(ver qutebrowser) (QtWebEngine $(ver libqt5webenginecore5))"
  echo "epiphany $(ver epiphany-browser) (WebKitGTK $(ver libwebkit2gtk-4.1-0))"; } | tee "$RES/versions.txt" >&2
for r in $(seq $((1 - WARMUP)) "$ROUNDS"); do
  for b in $BROWSERS; do run_start "$b" "$r"; done
done
for r in $(seq 1 "$TABROUNDS"); do
  for b in $BROWSERS; do run_20 "$b" "$r"; done
done
python3 "$HERE/analyze.py" "$RES" "$(echo $BROWSERS | tr " " ",")" | tee "$RES/summary.txt"
