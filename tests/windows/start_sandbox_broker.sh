#!/bin/sh
# Starts the native sandbox broker in the background for the Windows tests
# and waits until it listens; its port goes to PORT_FILE, its pid to
# PORT_FILE.pid, its output to PORT_FILE.log.
# usage: start_sandbox_broker.sh BROKER PORT_FILE
set -eu
broker=$1 portFile=$2
if [ ! -x "$broker" ]; then
    echo "no native sandbox broker at $broker: build it with scripts/windows-tests.sh" >&2
    echo "(or: cmake -S tests/windows/sandbox_broker -B build/windows-native-sandbox && cmake --build build/windows-native-sandbox)" >&2
    exit 1
fi
if [ -f "$portFile.pid" ] && kill -0 "$(cat "$portFile.pid")" 2>/dev/null; then
    kill "$(cat "$portFile.pid")" 2>/dev/null || true
fi
rm -f "$portFile"
nohup "$broker" --port 0 --port-file "$portFile" > "$portFile.log" 2>&1 < /dev/null &
echo $! > "$portFile.pid"
tries=0
while [ ! -s "$portFile" ]; do
    tries=$((tries + 1))
    if [ $tries -gt 100 ] || ! kill -0 "$(cat "$portFile.pid")" 2>/dev/null; then
        echo "the sandbox broker did not start:" >&2
        cat "$portFile.log" >&2
        exit 1
    fi
    sleep 0.1
done
echo "sandbox broker listening on 127.0.0.1:$(cat "$portFile") (pid $(cat "$portFile.pid"))"
