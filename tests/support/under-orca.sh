#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers
#
# usage: under-orca.sh SCENARIO COMMAND [ARGUMENT...]
# Runs COMMAND on a private Xvfb managed by openbox, on a private D-Bus session
# with its own accessibility bus, while the Orca screen reader follows it, and
# drives it with real X key events. What Orca says is read from its debug log
# (its "SPEECH OUTPUT" lines); nothing is spoken aloud. Ends with status 0 when
# Orca said, after each step of SCENARIO, every phrase that step expects.
#
# SCENARIO is a table, one step a line, fields separated by " | ":
#   KEYS | PHRASE | PHRASE ...
# KEYS are xdotool key names separated by spaces ("Tab", "space", "Up",
# "ctrl+F1"), "type:TEXT" to type TEXT, "action:NAME:ACTION" to invoke the
# accessibility action ACTION of the object named NAME over AT-SPI, as a
# screen reader's command would ("action:+:Press"), or "-" to send nothing (the
# first step, which waits for the window). Each PHRASE is a fixed text that one
# of Orca's utterances after these keys must contain; a PHRASE starting with "!"
# is one that none may contain, and one starting with "$" one that the last of
# them must contain. A step ends when all its phrases were said, or
# fails after ORCA_STEP_SECONDS (default 60), and then the next keys go out
# once Orca has been quiet for ORCA_QUIET_SECONDS (default 1.5), so that what
# one step says is not taken for the next one's. "#" starts a comment line. With
# ORCA_KEEP_LOG=FILE, Orca's whole debug log is copied to FILE at the end.
#
# Needs Xvfb, openbox, xprop, xdotool, dbus-daemon, at-spi2-core and orca.
set -euo pipefail

scenario=$(realpath "$1")
shift
step_seconds=${ORCA_STEP_SECONDS:-60}
quiet_seconds=${ORCA_QUIET_SECONDS:-1.5}

scratch=$(mktemp -d)
pids=()
cleanup() {
    if [ -n "${ORCA_KEEP_LOG:-}" ] && [ -f "$scratch/orca.log" ]; then
        cp "$scratch/orca.log" "$ORCA_KEEP_LOG"
        echo "Orca's whole log is in $ORCA_KEEP_LOG" >&2
    fi
    # The youngest first: the program, then Orca, the buses, the window
    # manager and the server.
    local index
    for ((index = ${#pids[@]} - 1; index >= 0; index--)); do
        kill "${pids[index]}" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

# Nothing of the user's: no settings, no session, no speech of theirs.
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config XDG_DATA_HOME=$scratch/home/.local/share
export XDG_CACHE_HOME=$scratch/home/.cache XDG_RUNTIME_DIR=$scratch/runtime
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$scratch/orca-prefs"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset SESSION_MANAGER DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY
# Settings in memory: no dconf service, nothing written.
export GSETTINGS_BACKEND=memory
# Orca without a speech server logs what it would say and says nothing.
cat >"$scratch/orca-prefs/user-settings.conf" <<'EOF'
{
    "general": {
        "speechServerFactory": "quorvel-no-speech-server",
        "speechFactoryModules": [],
        "enableSpeech": true,
        "enableBraille": false,
        "enableSound": false,
        "enableTutorialMessages": false
    },
    "keybindings": {},
    "pronunciations": {},
    "profiles": {
        "default": {
            "profile": ["Default", "default"],
            "speechServerFactory": "quorvel-no-speech-server",
            "speechFactoryModules": [],
            "enableBraille": false,
            "enableSound": false,
            "enableTutorialMessages": false
        }
    }
}
EOF

# shellcheck source=xvfb.sh
source "$(dirname "$0")/xvfb.sh"
start_xvfb "$scratch" 1024x768
pids+=("$XVFB_PID")

openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
    { echo "openbox did not start: $(cat "$scratch/openbox.log")" >&2; exit 1; }

# A session bus of our own; the accessibility bus is started on it when the
# first client asks for it, as on a desktop.
dbus-daemon --session --fork --nopidfile --print-address=3 --print-pid=4 \
    3>"$scratch/bus-address" 4>"$scratch/bus-pid"
pids+=("$(head -n 1 "$scratch/bus-pid")")
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$scratch/bus-address")
export DBUS_SESSION_BUS_ADDRESS
launcher=
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher \
    /usr/lib/at-spi2/at-spi-bus-launcher; do
    [ -x "$candidate" ] && launcher=$candidate && break
done
[ -n "$launcher" ] || { echo "at-spi-bus-launcher not found" >&2; exit 1; }
"$launcher" --launch-immediately >"$scratch/at-spi.log" 2>&1 &
pids+=($!)
# The launcher owns org.a11y.Bus once the accessibility bus is up.
for _ in $(seq 200); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1 && break
    sleep 0.1
done

# Orca writes its log in blocks to a file, in lines to a terminal: its log goes
# to a terminal of script's, which copies each line to the file at once.
LC_ALL=C.UTF-8 LANGUAGE='' script --quiet --flush --command \
    "exec orca --replace --user-prefs '$scratch/orca-prefs' --debug-file /dev/stdout 2>'$scratch/orca.out'" \
    "$scratch/orca.log" </dev/null >/dev/null 2>&1 &
orca_pid=$!
pids+=("$orca_pid")
# Orca is listening once it has loaded its settings and said so.
ready=
for _ in $(seq 600); do
    if grep -aq "SPEECH OUTPUT: 'Screen reader on.'" "$scratch/orca.log" 2>/dev/null; then
        ready=1
        break
    fi
    kill -0 "$orca_pid" 2>/dev/null || break
    sleep 0.1
done
[ -n "$ready" ] || { echo "Orca did not start: $(cat "$scratch/orca.out")" >&2; exit 1; }

log_lines() {
    wc -l <"$scratch/orca.log"
}
launched=$(log_lines)
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@" >"$scratch/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

# speech_since LINE: Orca's utterances after line LINE of its log, one a line;
# an utterance that spans lines in the log is joined with spaces.
speech_since() {
    tail -n "+$(($1 + 1))" "$scratch/orca.log" | tr -d '\r' | awk '
        function flush() {
            if (collecting && match(text, /'"'"'( voice=[a-z]+)? *\[?\{.*$/)) {
                print substr(text, 1, RSTART - 1)
                collecting = 0
            }
        }
        /SPEECH OUTPUT: '"'"'/ {
            text = $0
            sub(/.*SPEECH OUTPUT: '"'"'/, "", text)
            collecting = 1
            flush()
            next
        }
        collecting {
            line = $0
            sub(/^ +/, "", line)
            text = text " " line
            flush()
        }'
}
# wait_quiet: waits until Orca has said nothing for quiet_seconds.
wait_quiet() {
    local last now said
    last=$(date +%s.%N)
    said=$(grep -ac 'SPEECH OUTPUT' "$scratch/orca.log" || true)
    for _ in $(seq 600); do
        sleep 0.1
        now=$(grep -ac 'SPEECH OUTPUT' "$scratch/orca.log" || true)
        if [ "$now" != "$said" ]; then
            said=$now
            last=$(date +%s.%N)
        elif awk -v a="$last" -v b="$(date +%s.%N)" -v q="$quiet_seconds" 'BEGIN { exit !(b - a >= q) }'; then
            return 0
        fi
    done
}

failed=0
number=0
finished=$launched
while IFS= read -r line || [ -n "$line" ]; do
    case "$line" in '' | '#'*) continue ;; esac
    number=$((number + 1))
    mapfile -t fields < <(awk -v s="$line" 'BEGIN { n = split(s, f, / \| /); for (i = 1; i <= n; i++) { gsub(/^ +| +$/, "", f[i]); print f[i] } }')
    keys=${fields[0]}
    kill -0 "$program_pid" 2>/dev/null || { echo "step $number ($keys): the program has ended" >&2; failed=1; break; }
    # What a step that sends nothing waits for may have begun already.
    if [ "$keys" = - ]; then
        start=$finished
    else
        wait_quiet
        start=$(log_lines)
    fi
    case "$keys" in
    -) ;;
    type:*) xdotool type --delay 150 -- "${keys#type:}" ;;
    action:*)
        target=${keys#action:}
        "$(dirname "$0")/atspi-client.py" "$program_pid" "do" "${target%:*}" "${target##*:}" ||
            { echo "step $number ($keys): the action could not be invoked" >&2; failed=1; }
        ;;
    *) for key in $keys; do
        xdotool key --delay 100 -- "$key"
        sleep 0.2
    done ;;
    esac
    missing=()
    for _ in $(seq $((step_seconds * 10))); do
        said=$(speech_since "$start")
        missing=()
        for phrase in "${fields[@]:1}"; do
            case "$phrase" in
            '!'*) continue ;;
            '$'*) phrase=${phrase:1} ;;
            esac
            grep -qF -- "$phrase" <<<"$said" || missing+=("$phrase")
        done
        [ ${#missing[@]} -eq 0 ] && break
        sleep 0.1
    done
    # What must not be said, and what is said last, is judged once the step
    # is over.
    wait_quiet
    said=$(speech_since "$start")
    for phrase in "${fields[@]:1}"; do
        case "$phrase" in
        '!'*) grep -qF -- "${phrase:1}" <<<"$said" && missing+=("$phrase") ;;
        '$'*) tail -n 1 <<<"$said" | grep -qF -- "${phrase:1}" || missing+=("$phrase") ;;
        esac
    done
    finished=$(log_lines)
    echo "step $number: $keys"
    sed 's/^/    Orca: /' <<<"$said"
    if [ ${#missing[@]} -ne 0 ]; then
        printf '    FAIL: not as expected: %s\n' "${missing[@]}"
        failed=1
    fi
done <"$scenario"

if [ "$failed" -ne 0 ]; then
    if kill -0 "$program_pid" 2>/dev/null; then
        echo "--- What AT-SPI shows of the program (role | name | states | actions):" >&2
        "$(dirname "$0")/atspi-client.py" "$program_pid" tree >&2 || true
    fi
    echo "--- The program's output:" >&2
    cat "$scratch/program.log" >&2
fi
exit "$failed"
