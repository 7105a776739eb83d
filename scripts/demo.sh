#!/usr/bin/env bash
# The main job: builds the library, starts the local relay sandbox and runs
# the example host's day against it, then shows what the service received.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup-debian.sh --no-windows

cmake --preset linux -G Ninja >/dev/null
cmake --build --preset linux -j "$(nproc)" --target VantorelCom2 vantorel-relay-sandbox example_host

work=$(mktemp -d)
trap 'kill "${sandbox_pid:-0}" 2>/dev/null || true; rm -rf "$work"' EXIT

./build/linux/tools/relay_sandbox/vantorel-relay-sandbox --port 0 --record "$work/received.jsonl" >"$work/sandbox.out" &
sandbox_pid=$!
for _ in $(seq 1 100); do
  grep -q '^listening ' "$work/sandbox.out" 2>/dev/null && break
  sleep 0.1
done
url=$(sed -n 's/^listening \(.*\)$/\1/p' "$work/sandbox.out" | head -n 1)
[ -n "$url" ] || { echo "the sandbox did not start" >&2; cat "$work/sandbox.out" >&2; exit 1; }
echo "relay sandbox at $url"

# The service's answers for the TS9 part of the day, in the order of its
# posts: the initialize, the order (with entries for the host's log), the
# position sync; everything after them is accepted without a description.
script() { curl -s -o /dev/null -X POST -H 'Content-Type: application/json' --data "$1" "${url}_sandbox/script"; }
script '{"body":"{\"OK\":true,\"ErrorDescription\":\"\"}"}'
script '{"body":"{\"OK\":true,\"ErrorDescription\":\"|O|Order 77 received|O|ESZ20 filled 100 @ 101.25\"}"}'
script '{"body":"{\"OK\":true,\"ErrorDescription\":\"|P|SIM1 ESZ20 100|P|SIM1 NQZ20 -3|P|SIM2 CLF21 7\"}"}'

# The host's configuration goes to a scratch folder, not the user's own.
XDG_CONFIG_HOME="$work/appdata" VANTOREL_SERVICE_URL="$url" ./build/linux/examples/example_host

echo
echo "=== what the service received"
cat "$work/received.jsonl"
