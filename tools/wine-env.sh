# shellcheck shell=bash
# Sourced. Runs 32-bit Windows programs under Wine, inside the tools/vm-run guest or natively where Wine works.
# Safe to source into scripts using set -e.
#
#   savra_wine_available      0 if this machine can run 32-bit Windows programs (else use tools/vm-run)
#   savra_wine_begin          start a session: one wineserver and one display for many runs
#   savra_wine_run PROG ARGS  run PROG; returns its exit code (outside a session: a one-off session)
#   savra_wine_end            stop the session's wineserver and private Xvfb
#   savra_wine_prefix         create the prefix if missing (begin and the one-off run call it)
#   savra_wine_create_prefix  only that, with its own display (tools/setup)
#
# Prefix: $SAVRA_WINEPREFIX, else the guest's prepared /var/lib/savra-wine/prefix, else one under ~/.cache;
# created on first use by whichever entry comes first. Display: $DISPLAY if it answers, else a private Xvfb.

_savra_wine_session=0
_savra_xvfb_pid=
_savra_saved_display=
_savra_keep_dir=
_savra_keep_fd=
_savra_keep_pid=

# Wine closes the desktop (explorer.exe) a second after its last user exits, and the next program pays
# seconds to start it again. A session keeps this one attached: it makes sure the desktop exists, says
# "ready", then blocks reading stdin until the session closes that pipe.
_savra_keeper_c='#include <windows.h>
#include <stdio.h>
int main(void)
{
    char buf[256];
    DWORD n;
    GetDesktopWindow();
    puts("ready");
    fflush(stdout);
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), buf, sizeof buf, &n, NULL) && n)
        ;
    return 0;
}'

# savra_wine_build_keeper DEST.exe: needs the mingw cross compiler; tools/setup builds the guest's copy.
savra_wine_build_keeper() {
	local src
	src=$(mktemp --suffix=.c) || return 1
	printf '%s\n' "$_savra_keeper_c" >"$src"
	mkdir -p "$(dirname "$1")"
	i686-w64-mingw32-gcc -O2 -s "$src" -o "$1"
	local rc=$?
	rm -f "$src"
	return $rc
}

_savra_keeper_path() {
	local k=${SAVRA_WINE_KEEPER:-}
	[ -n "$k" ] && { echo "$k"; return; }
	[ -f /var/lib/savra-wine/keeper.exe ] && { echo /var/lib/savra-wine/keeper.exe; return; }
	k=${XDG_CACHE_HOME:-$HOME/.cache}/savra/keeper.exe
	if [ ! -f "$k" ] && command -v i686-w64-mingw32-gcc >/dev/null 2>&1; then
		savra_wine_build_keeper "$k" 2>/dev/null
	fi
	[ -f "$k" ] && echo "$k"
}

_savra_start_keeper() {
	local k i
	k=$(_savra_keeper_path) || return 0
	[ -n "$k" ] || return 0
	_savra_keep_dir=$(mktemp -d) || return 0
	mkfifo "$_savra_keep_dir/in"
	: >"$_savra_keep_dir/out"
	wine "$k" <"$_savra_keep_dir/in" >"$_savra_keep_dir/out" 2>/dev/null &
	_savra_keep_pid=$!
	exec {_savra_keep_fd}>"$_savra_keep_dir/in"
	for ((i = 0; i < 1500; i++)); do
		[[ $(<"$_savra_keep_dir/out") == *ready* ]] && return 0
		kill -0 "$_savra_keep_pid" 2>/dev/null || break
		sleep 0.2
	done
	_savra_wine_say "the desktop keeper did not start; programs will start slower"
}

_savra_stop_keeper() {
	if [ -n "$_savra_keep_fd" ]; then exec {_savra_keep_fd}>&-; fi
	if [ -n "$_savra_keep_pid" ]; then wait "$_savra_keep_pid" 2>/dev/null || true; fi
	if [ -n "$_savra_keep_dir" ]; then rm -rf "$_savra_keep_dir"; fi
	_savra_keep_fd= _savra_keep_pid= _savra_keep_dir=
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

_savra_start_xvfb() {
	local f i n
	command -v Xvfb >/dev/null 2>&1 || { _savra_wine_say "no DISPLAY and no Xvfb"; return 1; }
	f=$(mktemp)
	# -displayfd picks a free display number and reports it once the server accepts connections.
	Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$f" >/dev/null 2>&1 &
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

_savra_wine_env() {
	local p=${SAVRA_WINEPREFIX:-}
	if [ -z "$p" ]; then
		if [ -d /var/lib/savra-wine/prefix ]; then
			p=/var/lib/savra-wine/prefix
		else
			p=${XDG_CACHE_HOME:-$HOME/.cache}/savra/wine-prefix
		fi
	fi
	# A crashing program must end, not wait in the debugger Wine would start for it.
	export WINEPREFIX=$p WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
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
	flock "$lock"
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

# savra_wine_create_prefix: set-up's call: the prefix and nothing else (no session, no desktop left running).
savra_wine_create_prefix() {
	_savra_wine_check || return 1
	_savra_wine_env
	[ -f "$WINEPREFIX/system.reg" ] && return 0
	local saved=${DISPLAY-} had=${DISPLAY+x} rc=0
	_savra_display_ok || _savra_start_xvfb || return 1
	savra_wine_prefix || rc=1
	if [ -n "$_savra_xvfb_pid" ]; then
		wineserver -k >/dev/null 2>&1 || true
		_savra_stop_xvfb
		if [ -n "$had" ]; then export DISPLAY=$saved; else unset DISPLAY; fi
	fi
	return $rc
}

savra_wine_begin() {
	[ $_savra_wine_session = 1 ] && return 0
	_savra_wine_check || return 1
	_savra_wine_env
	_savra_saved_display=${DISPLAY-}
	_savra_display_ok || _savra_start_xvfb || return 1
	savra_wine_prefix || { _savra_stop_xvfb; return 1; }
	# Persistent until savra_wine_end, so each run skips the server start.
	wineserver -p || { _savra_stop_xvfb; return 1; }
	_savra_wine_session=1
	# Also pays Wine's session start (services, desktop) here rather than in the first program.
	_savra_start_keeper
	return 0
}

savra_wine_run() {
	local rc=0
	if [ $_savra_wine_session = 1 ]; then
		wine "$@" || rc=$?
		return $rc
	fi
	# One-off: no persistent server, so runs sharing a prefix do not stop each other's wineserver.
	_savra_wine_check || return 1
	_savra_wine_env
	local saved=${DISPLAY-} had=${DISPLAY+x}
	_savra_display_ok || _savra_start_xvfb || return 1
	if savra_wine_prefix; then
		wine "$@" || rc=$?
	else
		rc=1
	fi
	if [ -n "$_savra_xvfb_pid" ]; then
		# The server lingers a few seconds for the next client; it must not outlive our display.
		wineserver -k >/dev/null 2>&1 || true
		_savra_stop_xvfb
		if [ -n "$had" ]; then export DISPLAY=$saved; else unset DISPLAY; fi
	fi
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
