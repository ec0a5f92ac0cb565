#!/usr/bin/env bash
# tavik-cli flight: frames and pauses of single flights, and bad input refused with a
# message and status 2.
set -u
cli=$1
fails=0
check() {  # expected output, then the arguments
    local expected=$1
    shift
    local out
    out=$("$cli" flight "$@")
    local status=$?
    if [ "$status" -ne 0 ] || [ "$out" != "$expected" ]; then
        echo "FAIL: flight $* gave '$out' (exit $status), expected '$expected'"
        fails=1
    fi
}
# 300 pixels: one frame per pixel, two at speed 6; pauses 2, 1, every second, every
# third frame's millisecond (the counter wraps after 255: 85 + 15 pauses), none.
check '{"frames":300,"pauseMs":600}' --from 0,0 --to 300,0 --speed 1
check '{"frames":300,"pauseMs":300}' --from 0,0 --to 300,0 --speed 2
check '{"frames":300,"pauseMs":150}' --from 0,0 --to 300,0 --speed 3
check '{"frames":300,"pauseMs":100}' --from 0,0 --to 300,0 --speed 4
check '{"frames":300,"pauseMs":0}' --from 0,0 --to 300,0 --speed 5
check '{"frames":150,"pauseMs":0}' --from 0,0 --to 300,0 --speed 6
# The longer axis counts; start = target still draws one frame; negative corners.
check '{"frames":120,"pauseMs":120}' --from 10,200 --to 50,80 --speed 2
check '{"frames":1,"pauseMs":2}' --from 5,5 --to 5,5 --speed 1
check '{"frames":3,"pauseMs":0}' --from -71,200 --to -66,198 --speed 6

refuse() {  # a message on stderr, nothing on stdout, status 2
    local err out status
    err=$(mktemp)
    out=$("$cli" flight "$@" 2>"$err")
    status=$?
    if [ "$status" -ne 2 ] || [ -n "$out" ] || ! grep -q "tavik-cli flight: " "$err"; then
        echo "FAIL: flight $* gave '$out' / '$(cat "$err")' (exit $status), expected a refusal"
        fails=1
    fi
    rm -f "$err"
}
refuse --from 0,0 --to 300,0
refuse --to 300,0 --speed 4
refuse --from 0,0 --to 300,0 --speed 0
refuse --from 0,0 --to 300,0 --speed 7
refuse --from 0,0 --to 300,0 --speed fast
refuse --from 0 --to 300,0 --speed 4
refuse --from 0,0,0 --to 300,0 --speed 4
refuse --from a,b --to 300,0 --speed 4
refuse --from 0,0 --to 300, --speed 4
refuse --from 0,0 --to 300,0 --speed 4 extra
exit $fails
