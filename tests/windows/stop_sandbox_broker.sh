#!/bin/sh
# Stops the broker that start_sandbox_broker.sh started, by its pid.
# usage: stop_sandbox_broker.sh PORT_FILE
set -u
portFile=$1
if [ -f "$portFile.pid" ]; then
    kill "$(cat "$portFile.pid")" 2>/dev/null || true
    rm -f "$portFile.pid" "$portFile"
fi
exit 0
