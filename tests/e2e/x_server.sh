# Sourced by the scripts that play a program in a private X server: a check
# retried until it holds, and the server itself.

# Runs a check every 0.1 s until it holds, at most $1 times.
wait_for() {
  local tries=$1
  shift
  for ((i = 0; i < tries; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# Starts Xvfb with a screen of $2 (WIDTHxHEIGHT), its files in folder $1;
# sets xvfb_pid and exports DISPLAY. -noreset: the server would otherwise
# start afresh whenever its last client leaves, racing the next connection.
start_x_server() {
  Xvfb -displayfd 3 -screen 0 "$2x24" -nolisten tcp -noreset 3>"$1/display" 2>"$1/xvfb.log" &
  xvfb_pid=$!
  wait_for 100 test -s "$1/display" || return 1
  DISPLAY=:$(head -n1 "$1/display")
  export DISPLAY
}
