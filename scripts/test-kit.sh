#!/usr/bin/env bash
# Packs the Windows test kit of a Windows build whose suite has run under Wine: its programs
# and libraries, and tests.txt, the same tests that ctest runs there, each with its time
# limit and variables, but for the sets that need this build's tree or Linux.
#   test-kit.sh BUILD_DIR ZIP
set -euo pipefail
built="$(realpath "$1")" zip="$(realpath -m "$2")"
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

name="$(basename "$zip" .zip)"
staging="$built/kit"
rm -rf "$staging"
step "Gathering the test kit in $staging/$name"
cmake --install "$built" --component kit --prefix "$staging/$name" >/dev/null
ctest --test-dir "$built" --show-only=json-v1 -LE '^(art|startup|idle|display|packaging)$' \
    >"$staging/tests.json"
/usr/bin/python3 - "$staging/tests.json" "$staging/$name" <<'PY'
import json, os, sys
tests, folder = json.load(open(sys.argv[1])), sys.argv[2]
lines = []
for test in tests["tests"]:
    command = test["command"]
    if command and command[0].endswith("wine-run"):
        command = command[1:]
    program = os.path.basename(command[0])
    if not os.path.exists(os.path.join(folder, program)):
        sys.exit(f"FAILED: the kit lacks {program}, which {test['name']} runs")
    properties = {p["name"]: p["value"] for p in test.get("properties", [])}
    environment = []
    for setting in properties.get("ENVIRONMENT", []):
        # Files the tests name lie beside them in the kit.
        if "configfile=" in setting:
            head, path = setting.split("configfile=", 1)
            setting = head + "configfile=" + os.path.basename(path)
        environment.append(setting)
    lines.append("\t".join([test["name"], str(int(properties.get("TIMEOUT", 60))),
                            " ".join([program] + command[1:]), ";".join(environment)]))
if not lines:
    sys.exit("FAILED: ctest listed no test for the kit")
with open(os.path.join(folder, "tests.txt"), "w", newline="\r\n") as table:
    table.write("\n".join(lines) + "\n")
print(f"    {len(lines)} tests")
PY
# Readable by all, as the installed files are, whatever the umask.
chmod 644 "$staging/$name/tests.txt"
pack_zip "$staging" "$name" "$zip"
step "Test kit ready: $zip ($(du -h "$zip" | cut -f1))"
