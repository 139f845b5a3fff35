# Sourced by the test and run commands: picks the Wine that runs on this host.
# The shipped program is 32-bit and runs under the 32-bit Wine. Some hosts (sandboxed
# kernels) cannot execute any 32-bit Linux program, and so no 32-bit Wine either; there the
# same sources are built for 64-bit Windows and run under the 64-bit Wine instead.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  export VELMORA_WINE=/usr/lib/wine/wine WINEARCH=win32
  velmora_run_preset=win32-tests
else
  export VELMORA_WINE=/usr/lib/wine/wine64 WINELOADER=/usr/lib/wine/wine64 WINEARCH=win64
  velmora_run_preset=win64
fi
export WINEDEBUG=${WINEDEBUG:--all}

# Keeps one wineserver running for $WINEPREFIX, so that each program then starts in a
# fraction of a second, and starts Wine's own background processes now, where they hold
# no caller's output open. Stop it with `wineserver -k`.
keep_wineserver() {
  wineserver -p >/dev/null 2>&1
  "$VELMORA_WINE" cmd /c exit </dev/null >/dev/null 2>&1
}
