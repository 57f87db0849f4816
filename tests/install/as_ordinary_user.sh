#!/bin/sh
# Runs the command as it is, or as the user "nobody" when started by the superuser.
if [ "$(id -u)" -eq 0 ]; then
  exec setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env -- \
    env QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" HOME=/tmp "$@"
fi
exec "$@"
