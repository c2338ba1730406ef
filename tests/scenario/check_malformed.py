#!/usr/bin/env python3
"""A malformed scenario file stops the stand-in platform as it loads, with
exactly one line on standard error naming the file, the line and the key,
and a non-zero exit status; a well-formed one loads quietly."""
import os
import subprocess
import sys
import tempfile

LOAD = "import ctypes, sys; ctypes.CDLL(sys.argv[1]); print('loaded')"

CASES = [  # (file text, the error line, without the file name)
    ('{"gateway": {"name": "Quiet"},\n "wans": [{"services": "INTERNET", "vlan": 7}]}\n', None),
    ('{\n  "gateway": {"name": "x",\n  }\n}\n',
     ":3: key 'gateway.name': syntax error while parsing object key - unexpected '}'; expected string literal"),
    ('{\n  "ssids": [{"index": 1,\n    "nmae": "x"}]\n}\n',
     ":3: key 'ssids[0].nmae': unknown key; known: index, name, enable, advertised, auth, cipher, passphrase"),
    ('{\n  "wans": [{"services": "INTERNET",\n\n    "vlan": "100"}]\n}\n',
     ":4: key 'wans[0].vlan': expected a whole number from 1 to 4094"),
    ('{"radios": {\n  "5G": {"power": 101}}}\n', ":2: key 'radios.5G.power': expected a whole number from 1 to 100"),
    ('{"hosts": [\n  {"mac": "02:10:00:00:00:01", "interface": "LAN1"},\n  {"mac": "02:10:00:00:00:0G",\n'
     '   "interface": "LAN1"}]}\n', ":3: key 'hosts[1].mac': expected a MAC text"),
    ('{"fail": {"zivra_getWANIfInfo": 3,\n  "zivra_getWANInfo": -1}}\n',
     ":2: key 'fail.zivra_getWANInfo': not an operation of the platform"),
]


def main():
    failures = 0
    with tempfile.TemporaryDirectory() as folder:
        for number, (text, error) in enumerate(CASES):
            path = os.path.join(folder, "case%d.json" % number)
            with open(path, "w") as f:
                f.write(text)
            env = dict(os.environ, ZIVRA_SIM_SCENARIO=path)
            run = subprocess.run([sys.executable, "-c", LOAD, sys.argv[1]], env=env, capture_output=True, text=True)
            if error is None:
                ok = run.returncode == 0 and run.stdout == "loaded\n" and run.stderr == ""
            else:
                ok = run.returncode != 0 and run.stdout == "" and run.stderr == path + error + "\n"
            print("%s case %d: exit %d, stderr %r" % ("ok" if ok else "FAILED", number, run.returncode, run.stderr))
            failures += not ok
    print("%d passed, %d failed" % (len(CASES) - failures, failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
