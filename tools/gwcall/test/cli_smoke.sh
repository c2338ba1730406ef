#!/bin/sh
# gwcall from its script against the simulated gateway: --list shows every
# declared native method, one call per sub-package answers what the
# simulated gateway holds, --pretty and --log work, and a refused argument
# or a missing library gives one line and its exit status.
# usage: cli_smoke.sh <gwcall script> <java declarations folder> <folder of libbundle.so.1> <folder of libzivra.so.1>
set -u
gw=$1 decls=$2
LD_LIBRARY_PATH="$3:$4${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
export LD_LIBRARY_PATH
unset ZIVRA_SIM_LOG ZIVRA_SIM_SCENARIO
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
bad=0
fail() { echo "FAIL: $*"; bad=1; }

# run EXPECTED-STATUS ARG...: output in $out and $err
run() {
  want=$1; shift
  "$gw" "$@" >"$out" 2>"$err"; rc=$?
  [ "$rc" -eq "$want" ] || fail "gwcall $*: exit $rc, wanted $want: $(cat "$err")"
}
# answers TEXT ARG...: the call succeeds and its reply contains TEXT
answers() {
  text=$1; shift
  run 0 "$@"
  grep -qF -- "$text" "$out" || fail "gwcall $*: answered '$(cat "$out")', wanted '$text' in it"
}

declared=$(cat $(find "$decls" -name '*.java' ! -name package-info.java) | grep -c 'public native')
run 0 --list
listed=$(grep -c '^  ' "$out")
classes=$(grep -c '^com\.korvanta\.nestrova\.' "$out")
[ "$listed" -eq "$declared" ] || fail "--list shows $listed methods, the declarations $declared"
[ "$classes" -eq "$(find "$decls" -name '*.java' ! -name package-info.java | wc -l)" ] || fail "--list shows $classes classes"
grep -qx '  int setWLANSSIDSwitchJni(int ssidIndex, boolean enable)' "$out" || fail "--list lacks setWLANSSIDSwitchJni"

answers '"DeviceName":"Anna'"'"'s phone"' getLANHostInfoByMACJni '["00:1A:2B:3C:4D:02"]'
answers '"PhoneNumber":"88001001"' getPOTSInfoJni
answers '"Status":' getVpnStatCmdJni
answers '"Result":0' getLANHostIPJni
answers '"Result":0,"Vendor":' DeviceInfoQueryServiceImp.getDeviceInfoJni
answers '"Result":0' getWANIfListJni
answers 'HomeGateway' getGatewayNameJni
run 0 setWLANSSIDSwitchJni 1 true
[ "$(cat "$out")" = 0 ] || fail "setWLANSSIDSwitchJni 1 true answered '$(cat "$out")'"

run 0 --pretty getLANHostInfoByMACJni '["00:1A:2B:3C:4D:02"]'
grep -qx '      "DeviceName": "Anna'"'"'s phone",' "$out" || fail "--pretty: $(cat "$out")"
run 0 --log getGatewayNameJni
grep -qx 'getGatewayNameJni  enter============>' "$err" || fail "--log showed '$(cat "$err")'"
run 0 getGatewayNameJni
[ -s "$err" ] && fail "log lines without --log: $(cat "$err")"

run 2 setWLANSSIDSwitchJni 1 yes
[ "$(cat "$err")" = "gwcall: setWLANSSIDSwitchJni(int ssidIndex, boolean enable): argument 2 must be true or false, got 'yes'" ] \
  || fail "refusal: $(cat "$err")"
[ -s "$out" ] && fail "a refused call printed '$(cat "$out")'"
run 3 --lib /nonexistent/libbundle.so.1 getGatewayNameJni
[ "$(wc -l <"$err")" -eq 1 ] || fail "missing library: $(cat "$err")"
LD_LIBRARY_PATH=/nonexistent run 3 getGatewayNameJni
grep -qx 'gwcall: libbundle.so.1 is not on java.library.path or LD_LIBRARY_PATH; name it with --lib PATH' "$err" \
  || fail "no library: $(cat "$err")"

[ "$bad" -eq 0 ] && echo "gwcall command line: all checks passed"
exit "$bad"
