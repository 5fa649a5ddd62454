# Sourced by every script that runs Wine: one prefix in a cache outside the repository,
# quiet output, and no Gecko or Mono.
export WINEPREFIX=${TAVIK_WINEPREFIX:-/var/cache/tavikstar/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
