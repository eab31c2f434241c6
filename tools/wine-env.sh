# shellcheck shell=bash
# Sourced. Runs 32-bit Windows programs under Wine: natively, under tools/i386-run's emulation, or inside
# the tools/vm-run guest. Safe to source into scripts using set -e.
#
#   savra_wine_available      0 if this machine can run 32-bit Windows programs (else use tools/vm-run)
#   savra_wine_begin          start a session: one wineserver and one display for many runs
#   savra_wine_run PROG ARGS  run PROG; returns its exit code (outside a session: a one-off run)
#   savra_wine_end            stop the session's wineserver and private Xvfb
#   savra_wine_prefix         create the prefix if missing (begin and the one-off run call it)
#   savra_wine_create_prefix  create the prefixes with a display of their own (tools/setup, tools/build)
#   savra_wine_prefixes_exist 0 when both are there
#
# Prefixes: $SAVRA_WINEPREFIX, else the guest's prepared /var/lib/savra-wine/prefix, else two under
# ~/.cache/savra: one for one-off runs (./savra) and one for sessions (./run-tests, bench/run), so a test
# run and a script started beside it never share a wineserver. Created on first use by whichever entry
# comes first. Display: $DISPLAY if it answers; else a session starts a private Xvfb, and one-off runs
# share one Xvfb that stays up (a prefix's wineserver and desktop keep the display they started on, so
# runs of one prefix must agree on it).

_savra_wine_session=0
_savra_xvfb_pid=
_savra_saved_display=
_savra_keep_dir=
_savra_keep_holder=
_savra_keep_pid=

# tools/desktop-keeper.c: started before a session's or a one-off run's programs, it holds Wine's desktop up
# and proves it answers.
_savra_keeper_src=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/desktop-keeper.c

# savra_wine_build_keeper DEST.exe: needs the mingw cross compiler; tools/setup builds the guest's copy.
savra_wine_build_keeper() {
	mkdir -p "$(dirname "$1")" && i686-w64-mingw32-gcc -O2 -s "$_savra_keeper_src" -o "$1"
}

_savra_keeper_path() {
	local k=${SAVRA_WINE_KEEPER:-}
	[ -n "$k" ] && { [ -f "$k" ] && echo "$k"; return; }
	[ -f /var/lib/savra-wine/keeper.exe ] && { echo /var/lib/savra-wine/keeper.exe; return; }
	k=${XDG_CACHE_HOME:-$HOME/.cache}/savra/keeper-$(cksum <"$_savra_keeper_src" | cut -d' ' -f1).exe
	if [ ! -f "$k" ] && command -v i686-w64-mingw32-gcc >/dev/null 2>&1; then
		savra_wine_build_keeper "$k" 2>/dev/null
	fi
	[ -f "$k" ] && echo "$k"
}

# How long a run waits for Wine's desktop before it gives up with a message (seconds).
_savra_desktop_wait=${SAVRA_DESKTOP_WAIT:-180}

# Starts the keeper and waits until the desktop answers; a keeper that found none is started again.
# Fails (after one clear line) when the desktop is not up within the bound. Without a keeper (no cross
# compiler to build one) it carries on as before.
_savra_start_keeper() { # [LINGER-SECONDS]
	local k i t0=$SECONDS last=
	k=$(_savra_keeper_path) || return 0
	[ -n "$k" ] || return 0
	_savra_keep_dir=$(mktemp -d) || return 0
	while :; do
		rm -f "$_savra_keep_dir/in"
		mkfifo "$_savra_keep_dir/in"
		: >"$_savra_keep_dir/out"
		wine "$k" "$@" <"$_savra_keep_dir/in" >"$_savra_keep_dir/out" 2>/dev/null &
		_savra_keep_pid=$!
		# The keeper's input stays open while this holder lives. A descriptor of the shell's own would be
		# inherited by every program started after it (and by what they start, such as a COM server),
		# and the keeper would never see the end of its input.
		sleep 2147483647 >"$_savra_keep_dir/in" &
		_savra_keep_holder=$!
		for ((i = 0; ; i++)); do
			[[ $(<"$_savra_keep_dir/out") == *ready* ]] && return 0
			kill -0 "$_savra_keep_pid" 2>/dev/null || break
			[ $((SECONDS - t0)) -lt "$_savra_desktop_wait" ] || break
			sleep 0.1
		done
		last=$(tr -d '\r' <"$_savra_keep_dir/out")
		kill "$_savra_keep_pid" 2>/dev/null || true
		_savra_stop_keeper keep-dir
		[ $((SECONDS - t0)) -lt "$_savra_desktop_wait" ] || break
		sleep 1
	done
	rm -rf "$_savra_keep_dir"
	_savra_keep_dir=
	_savra_wine_say "Wine's desktop did not come up within $_savra_desktop_wait s${last:+ ($last)}; is the display $DISPLAY usable?"
	return 1
}

_savra_close_keeper_input() {
	if [ -n "$_savra_keep_holder" ]; then
		kill "$_savra_keep_holder" 2>/dev/null || true
		wait "$_savra_keep_holder" 2>/dev/null || true
	fi
	_savra_keep_holder=
}

# A one-off run's keeper lingers on its own after its input closes; nothing waits for it.
_savra_release_keeper() {
	_savra_close_keeper_input
	if [ -n "$_savra_keep_dir" ]; then rm -rf "$_savra_keep_dir"; fi
	_savra_keep_pid= _savra_keep_dir=
}

_savra_stop_keeper() { # [keep-dir]
	_savra_close_keeper_input
	if [ -n "$_savra_keep_pid" ]; then wait "$_savra_keep_pid" 2>/dev/null || true; fi
	_savra_keep_pid=
	[ "${1:-}" = keep-dir ] && return 0
	if [ -n "$_savra_keep_dir" ]; then rm -rf "$_savra_keep_dir"; fi
	_savra_keep_dir=
}

_savra_wine_say() { printf 'wine-env: %s\n' "$*" >&2; }

savra_wine_available() {
	# A 32-bit Wine loader that starts is the test: wine64 alone runs no 32-bit program, and kernels
	# without 32-bit support refuse to exec it. SAVRA_WINE_NATIVE=1/0 overrides the guess.
	case ${SAVRA_WINE_NATIVE:-} in 1) return 0 ;; 0) return 1 ;; esac
	local f
	for f in /usr/lib/wine/wine /usr/lib/i386-linux-gnu/wine/wine /usr/lib32/wine/wine /opt/wine-*/bin/wine \
		"$(command -v wine 2>/dev/null)"; do
		[ -f "$f" ] && [ -x "$f" ] || continue
		# ELF class byte: 01 is 32-bit.
		[ "$(od -An -tx1 -j4 -N1 "$f" 2>/dev/null | tr -d ' ')" = 01 ] || continue
		"$f" --version >/dev/null 2>&1
		return
	done
	return 1
}

_savra_display_ok() {
	[ -n "${DISPLAY:-}" ] || return 1
	if command -v xdpyinfo >/dev/null 2>&1; then
		timeout 10 xdpyinfo >/dev/null 2>&1
		return
	fi
	case $DISPLAY in
	:[0-9]* | unix:[0-9]*)
		local n=${DISPLAY#*:}
		[ -S "/tmp/.X11-unix/X${n%%.*}" ]
		;;
	*) return 0 ;;
	esac
}

_savra_start_xvfb() { # [detached LOCK-FD]: a detached Xvfb outlives the run and must not hold its lock
	local f i n close=${2:-}
	command -v Xvfb >/dev/null 2>&1 || { _savra_wine_say "no DISPLAY and no Xvfb"; return 1; }
	f=$(mktemp)
	# -displayfd picks a free display number and reports it once the server accepts connections.
	if [ "${1:-}" = detached ]; then
		setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$f" </dev/null >/dev/null 2>&1 {close}>&- &
	else
		Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$f" >/dev/null 2>&1 &
	fi
	_savra_xvfb_pid=$!
	for ((i = 0; i < 600; i++)); do
		n=$(cat "$f" 2>/dev/null)
		[ -n "$n" ] && break
		kill -0 "$_savra_xvfb_pid" 2>/dev/null || break
		sleep 0.1
	done
	rm -f "$f"
	if [ -z "$n" ]; then
		_savra_wine_say "Xvfb did not start"
		_savra_stop_xvfb
		return 1
	fi
	export DISPLAY=:$n
}

_savra_stop_xvfb() {
	[ -n "$_savra_xvfb_pid" ] || return 0
	kill "$_savra_xvfb_pid" 2>/dev/null || true
	wait "$_savra_xvfb_pid" 2>/dev/null || true
	_savra_xvfb_pid=
}

_savra_cache_dir() { echo "${XDG_CACHE_HOME:-$HOME/.cache}/savra"; }

_savra_wine_env() { # [session]
	local p=${SAVRA_WINEPREFIX:-}
	if [ -z "$p" ]; then
		if [ -d /var/lib/savra-wine/prefix ]; then
			p=/var/lib/savra-wine/prefix
		elif [ "${1:-}" = session ]; then
			p=$(_savra_cache_dir)/session-prefix
		else
			p=$(_savra_cache_dir)/wine-prefix
		fi
	fi
	# A crashing program must end, not wait in the debugger Wine would start for it.
	export WINEPREFIX=$p WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
}

# The Xvfb that one-off runs share: started by the first run that needs it and left up, recorded as
# "DISPLAY-NUMBER PID" so later runs find it.
_savra_shared_xvfb() {
	local dir rec lock n pid
	dir=$(_savra_cache_dir)
	rec=$dir/xvfb
	mkdir -p "$dir" || return 1
	exec {lock}>"$rec.lock" || return 1
	flock "$lock"
	if { read -r n pid <"$rec"; } 2>/dev/null && kill -0 "$pid" 2>/dev/null && [ -S "/tmp/.X11-unix/X$n" ]; then
		export DISPLAY=:$n
	elif _savra_start_xvfb detached "$lock"; then
		echo "${DISPLAY#:} $_savra_xvfb_pid" >"$rec"
		_savra_xvfb_pid=
	else
		exec {lock}>&-
		return 1
	fi
	exec {lock}>&-
}

_savra_wine_check() {
	savra_wine_available && return 0
	_savra_wine_say "this machine cannot run 32-bit Windows programs; run through tools/vm-run"
	return 1
}

# savra_wine_prefix: makes sure $WINEPREFIX holds a prefix, creating it on first use. Every entry goes
# through here (sessions and one-off runs alike), so no path depends on set-up having made one. Needs
# _savra_wine_env and a display. Concurrent first uses wait for each other rather than both running wineboot.
# system.reg appears early in a creation, so PREFIX.creating marks one that has not finished.
savra_wine_prefix() {
	local p=$WINEPREFIX
	[ -f "$p/system.reg" ] && [ ! -e "$p.creating" ] && return 0
	mkdir -p "$(dirname "$p")" || return 1
	local lock rc=0 t0=$SECONDS
	exec {lock}>"$p.lock" || return 1
	if ! flock -n "$lock"; then
		_savra_wine_say "waiting for the Wine prefix that another run is creating ($p)"
		flock "$lock"
	fi
	if [ ! -f "$p/system.reg" ] || [ -e "$p.creating" ]; then
		_savra_wine_say "creating the Wine prefix $p (once; about 20 s, minutes under emulation)"
		rm -rf "$p"
		: >"$p.creating"
		# Seen under heavy emulation load: the first wineboot fails to load kernel32.dll while the server
		# goes on to finish the prefix; a second pass then completes it.
		if _savra_wineboot || _savra_wineboot; then
			rm -f "$p.creating"
			_savra_wine_say "Wine prefix ready in $((SECONDS - t0)) s"
		else
			_savra_wine_say "wineboot failed creating $p"
			rc=1
		fi
	fi
	exec {lock}>&-
	return $rc
}

# Prompts would hang an unattended run: Mono/Gecko are disabled through WINEDLLOVERRIDES.
_savra_wineboot() {
	local rc=0
	wineboot --init >/dev/null 2>&1 || rc=$?
	wineserver -w || rc=$?
	return $rc
}

# savra_wine_prefixes_exist: 0 when both prefixes are complete (what savra_wine_create_prefix makes).
savra_wine_prefixes_exist() {
	(
		_savra_wine_env && [ -f "$WINEPREFIX/system.reg" ] && [ ! -e "$WINEPREFIX.creating" ] &&
			_savra_wine_env session && [ -f "$WINEPREFIX/system.reg" ] && [ ! -e "$WINEPREFIX.creating" ]
	)
}

# savra_wine_create_prefix: set-up's call: the prefixes and nothing else (no session, no desktop left
# running). The session prefix starts as a copy of the one-off one, made while no server runs on it.
savra_wine_create_prefix() {
	_savra_wine_check || return 1
	_savra_wine_env
	local one_off=$WINEPREFIX session saved=${DISPLAY-} had=${DISPLAY+x} rc=0
	_savra_wine_env session
	session=$WINEPREFIX
	savra_wine_prefixes_exist && return 0
	_savra_display_ok || _savra_start_xvfb || return 1
	# No server outlives this: wineboot's pass waits for it to end (and a -k here could stop the server
	# of a run that took the prefix over as soon as the lock was free).
	export WINEPREFIX=$one_off
	if savra_wine_prefix; then
		if [ "$session" != "$one_off" ] && [ ! -f "$session/system.reg" ]; then
			rm -rf "$session.tmp" && cp -a "$one_off" "$session.tmp" && mv "$session.tmp" "$session" || rc=1
		fi
	else
		rc=1
	fi
	if [ -n "$_savra_xvfb_pid" ]; then
		_savra_stop_xvfb
		if [ -n "$had" ]; then export DISPLAY=$saved; else unset DISPLAY; fi
	fi
	return $rc
}

savra_wine_begin() {
	[ $_savra_wine_session = 1 ] && return 0
	_savra_wine_check || return 1
	_savra_wine_env session
	_savra_saved_display=${DISPLAY-}
	_savra_display_ok || _savra_start_xvfb || return 1
	savra_wine_prefix || { _savra_stop_xvfb; return 1; }
	# Persistent until savra_wine_end, so each run skips the server start.
	wineserver -p || { _savra_stop_xvfb; return 1; }
	_savra_wine_session=1
	# Also pays Wine's session start (services, desktop) here rather than in the first program.
	_savra_start_keeper || { savra_wine_end; return 1; }
	return 0
}

savra_wine_run() {
	local rc=0
	if [ $_savra_wine_session = 1 ]; then
		wine "$@" || rc=$?
		return $rc
	fi
	# One-off: no persistent server (it ends with its last program, or a minute later with the keeper
	# that lingers for the next run), and the shared display, so runs of one prefix never stop each
	# other's server or leave it on a display that is gone.
	_savra_wine_check || return 1
	_savra_wine_env
	_savra_display_ok || _savra_shared_xvfb || return 1
	if savra_wine_prefix && _savra_start_keeper "${SAVRA_DESKTOP_LINGER:-60}"; then
		_savra_wine_relayed "$@" || rc=$?
	else
		rc=1
	fi
	_savra_release_keeper
	return $rc
}

# wine PROG ARGS, whose output ends when PROG does. A process it leaves behind (a COM server it
# started, a program it launched) inherits its output, and would hold a pipe that reads this output
# open long after PROG ended; output to a pipe therefore goes through a relay that stops soon after
# PROG does. A terminal or a file needs none.
_savra_wine_relayed() {
	[ -p /dev/stdout ] || [ -p /dev/stderr ] || { wine "$@"; return; }
	local dir rc=0 out err i
	dir=$(mktemp -d) || return 1
	mkfifo "$dir/out" "$dir/err"
	cat "$dir/out" &
	out=$!
	cat "$dir/err" >&2 &
	err=$!
	wine "$@" >"$dir/out" 2>"$dir/err" || rc=$?
	# What PROG wrote is read at once; a writer left behind keeps the relays from ending on their own.
	for ((i = 0; i < 10; i++)); do
		kill -0 "$out" 2>/dev/null || kill -0 "$err" 2>/dev/null || break
		sleep 0.05
	done
	kill "$out" "$err" 2>/dev/null || true
	wait "$out" "$err" 2>/dev/null || true
	rm -rf "$dir"
	return $rc
}

savra_wine_end() {
	[ $_savra_wine_session = 1 ] || return 0
	wineserver -k >/dev/null 2>&1 || true
	_savra_stop_keeper
	timeout 30 wineserver -w >/dev/null 2>&1 || true
	_savra_stop_xvfb
	if [ -n "$_savra_saved_display" ]; then export DISPLAY=$_savra_saved_display; else unset DISPLAY; fi
	_savra_wine_session=0
	return 0
}
