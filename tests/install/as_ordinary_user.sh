#!/bin/sh
# Runs the command as it is, or as the user "nobody" when started by the
# superuser; a sanitizer build's options go with it.
if [ "$(id -u)" -eq 0 ]; then
  exec setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env -- \
    env QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" HOME=/tmp \
    ${TSAN_OPTIONS:+"TSAN_OPTIONS=$TSAN_OPTIONS"} ${ASAN_OPTIONS:+"ASAN_OPTIONS=$ASAN_OPTIONS"} \
    ${UBSAN_OPTIONS:+"UBSAN_OPTIONS=$UBSAN_OPTIONS"} "$@"
fi
exec "$@"
