#!/usr/bin/env python3
"""Which faults the unit tests catch, and which test alone catches each.

Plants one small fault at a time in the bridge's sources (a comparison
turned, a number off by one, a log or reply literal one character short, a
statement or a guard left out, a result flipped), builds the unit tests
against it and runs them all. A fault is caught when a test fails or the run
crashes. The report says how many were caught by the two sweeps and how many
only by hand-written tests, and for each hand-written test how many faults it
alone catches: a test that alone catches none is a candidate for removal,
one that alone catches some is not.

    scripts/mutants.py [--sample N] [--seed S] [--jobs J]

Runs on the committed sources, in copies under build/mutants/ (the checkout
is never touched); results go to build/mutants/results.jsonl, and a second run
on the same commit with the same seed goes on from where the first stopped. The unit build is a plain one:
a fault only AddressSanitizer would see counts as missed, so the report errs
towards keeping tests.
"""
import argparse, collections, json, os, random, re, shutil, subprocess, sys
from concurrent.futures import ThreadPoolExecutor

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, 'build', 'mutants')
STRING = re.compile(r'"(?:[^"\\]|\\.)*"')
NUMBER = re.compile(r'(?<![\w.])(\d+)(?![\w.])')
# (pattern, replacement); the comparisons skip shifts, arrows and template brackets.
OPERATORS = [(r'(?<![<>=!])==(?!=)', '!='), (r'!=', '=='), (r'(?<![<>-])<=', '<'), (r'(?<![<>-])>=', '>'),
             (r'(?<![<>\-=])<(?![<=])', '<='), (r'(?<![<>\-=])>(?![>=])', '>='), (r'&&', '||'),
             (r'\|\|', '&&'), (r'\+ 1\b', ''), (r'- 1\b', ''), (r'\(!', '(')]
FLIPPED = {'-1': '0', '0': '-1', '1': '0', 'false': 'true', 'true': 'false', 'JNI_FALSE': 'JNI_TRUE',
           'JNI_TRUE': 'JNI_FALSE'}
SWEEPS = ('HostileSweep.', 'Concurrent')


def code_ranges(line):
    """The stretches of a line outside string literals and before a // comment."""
    ranges, pos = [], 0
    for m in STRING.finditer(line):
        ranges.append((pos, m.start()))
        pos = m.end()
    ranges.append((pos, len(line)))
    out = []
    for a, b in ranges:
        c = line[a:b].find('//')
        out.append((a, b if c < 0 else a + c))
        if c >= 0:
            break
    return out


def line_mutants(line):
    s = line.strip()
    if not s or s.startswith(('//', '#', '*', '/*', 'static_assert', 'namespace', 'template', 'extern "C"')):
        return
    inside = lambda m: any(a <= m.start() and m.end() <= b for a, b in code_ranges(line))
    casts = '_cast<' in line or 'template' in line
    for pattern, replacement in OPERATORS:
        if casts and pattern.startswith(r'(?<![<>\-=])'):
            continue
        for m in re.finditer(pattern, line):
            if inside(m):
                yield line[:m.start()] + replacement + line[m.end():], 'operator ' + m.group(0)
    for m in NUMBER.finditer(line):
        if inside(m):
            n = int(m.group(1))
            yield line[:m.start()] + str(1 if n == 0 else n - 1) + line[m.end():], 'number'
    for m in STRING.finditer(line):
        body = m.group(0)[1:-1]
        if body:
            body = body[:-2] if re.search(r'\\.$', body) else body[:-1]
            yield line[:m.start()] + '"' + body + '"' + line[m.end():], 'literal'
    if (s.endswith(';') and s.count('(') == s.count(')') and re.match(r'^[\w:.\->\[\]*&]+\s*(\(|=|\+=|\+\+|--)', s)
            and not re.match(r'^(return|const|char|int|jint|bool|size_t|unsigned|auto)\b', s)):
        yield '', 'statement'
    if re.match(r'^if \(.*\) (return\b.*|continue|break);$', s):
        yield '', 'guard'
    m = re.match(r'^(\s*)return (-?\w+);', line)
    if m and m.group(2) in FLIPPED:
        yield line.replace('return ' + m.group(2), 'return ' + FLIPPED[m.group(2)], 1), 'result'


def all_mutants():
    found = []
    for folder, _, files in os.walk(os.path.join(ROOT, 'src')):
        for name in sorted(files):
            path = os.path.relpath(os.path.join(folder, name), ROOT)
            if not name.endswith(('.cpp', '.h')) or path.startswith('src/platform'):
                continue
            for i, line in enumerate(open(os.path.join(ROOT, path)).read().split('\n')):
                for new, kind in line_mutants(line):
                    found.append({'file': path, 'line': i, 'new': new, 'kind': kind})
    return found


def prepare(slot):
    tree = os.path.join(OUT, 'tree%d' % slot)
    if not os.path.isdir(tree):
        os.makedirs(tree)
        archive = subprocess.run(['git', '-C', ROOT, 'archive', 'HEAD'], check=True, capture_output=True).stdout
        subprocess.run(['tar', '-x', '-C', tree], input=archive, check=True)
        subprocess.run(['cmake', '-S', tree, '-B', tree + '/b', '-G', 'Ninja', '-DBUNDLE_JAVA_TESTS=OFF'], check=True,
                       capture_output=True)
    subprocess.run(['ninja', '-C', tree + '/b', 'tests/bundle_unit_tests'], check=True, capture_output=True)
    return tree


def failing_tests(tree, report):
    """Test name -> first message, for one run of the whole unit suite; a crash names the test it stopped in,
    and the run goes on without it."""
    failed, skip = {}, []
    for _ in range(12):
        if os.path.exists(report):
            os.remove(report)
        args = [tree + '/b/tests/bundle_unit_tests', '--gtest_output=json:' + report]
        if skip:
            args.append('--gtest_filter=-' + ':'.join(skip))
        try:
            run = subprocess.run(args, capture_output=True, text=True, errors='replace', timeout=120)
            out, code = run.stdout, run.returncode
        except subprocess.TimeoutExpired as e:
            out, code = (e.stdout or b'').decode(errors='replace'), 'timeout'
        if os.path.exists(report):
            for suite in json.load(open(report))['testsuites']:
                for test in suite['testsuite']:
                    if test.get('failures'):
                        failed[suite['name'] + '.' + test['name']] = test['failures'][0]['failure'][:300]
            return failed
        started = re.findall(r'\[ RUN      \] (\S+)', out)
        if not started:
            failed['(crash before any test)'] = str(code)
            return failed
        failed[started[-1]] = 'crash or hang: %s' % code
        skip.append(started[-1])
    return failed


def run_slot(slot, mutants, results):
    tree = prepare(slot)
    for m in mutants:
        path = os.path.join(tree, m['file'])
        original = open(path).read()
        lines = original.split('\n')
        lines[m['line']] = m['new']
        open(path, 'w').write('\n'.join(lines))
        try:
            built = subprocess.run(['ninja', '-C', tree + '/b', 'tests/bundle_unit_tests'], capture_output=True)
            caught = failing_tests(tree, os.path.join(tree, 'report.json')) if built.returncode == 0 else None
        finally:
            open(path, 'w').write(original)
        row = dict(m, status='not built' if caught is None else 'caught' if caught else 'missed', by=caught or {})
        with open(results, 'a') as f:
            f.write(json.dumps(row) + '\n')
        print('%4d %-7s %s:%d %s' % (m['id'], row['status'], m['file'], m['line'] + 1, m['kind']), flush=True)


def report(rows):
    built = [r for r in rows if r['status'] != 'not built']
    caught = [r for r in built if r['status'] == 'caught']
    swept = [r for r in caught if any(t.startswith(SWEEPS) for t in r['by'])]
    print('\n%d faults planted, %d built: %d caught (%d by a sweep or the concurrency test, %d only by hand-written '
          'tests), %d missed' % (len(rows), len(built), len(caught), len(swept), len(caught) - len(swept),
                                 len(built) - len(caught)))
    alone, any_ = collections.Counter(), collections.Counter()
    for r in caught:
        for t in r['by']:
            any_[t] += 1
        if len(r['by']) == 1:
            alone[next(iter(r['by']))] += 1
    print('\n%-88s %6s %6s' % ('test', 'caught', 'alone'))
    for t in sorted(any_, key=lambda t: (alone[t], t)):
        print('%-88s %6d %6d' % (t, any_[t], alone[t]))
    print('\nmissed:')
    for r in built:
        if r['status'] == 'missed':
            print('  %s:%d %s: %s' % (r['file'], r['line'] + 1, r['kind'], r['new'].strip()[:100] or '(removed)'))


def main():
    p = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    p.add_argument('--sample', type=int, default=400, help='how many faults to plant (default 400)')
    p.add_argument('--seed', type=int, default=13)
    p.add_argument('--jobs', type=int, default=os.cpu_count() or 1)
    p.add_argument('--report', action='store_true', help='only print the report of the results so far')
    a = p.parse_args()
    # Trees and results belong to one commit: a new one starts afresh.
    head = subprocess.run(['git', '-C', ROOT, 'rev-parse', 'HEAD'], capture_output=True, text=True).stdout.strip()
    mark = os.path.join(OUT, 'commit')
    if not os.path.exists(mark) or open(mark).read() != head:
        shutil.rmtree(OUT, ignore_errors=True)
        os.makedirs(OUT)
        open(mark, 'w').write(head)
    results = os.path.join(OUT, 'results.jsonl')
    mutants = all_mutants()
    possible = len(mutants)
    random.Random(a.seed).shuffle(mutants)
    for i, m in enumerate(mutants):
        m['id'] = i
    mutants = mutants[:a.sample]
    done = {json.loads(l)['id'] for l in open(results)} if os.path.exists(results) else set()
    todo = [m for m in mutants if m['id'] not in done]
    if not a.report and todo:
        print('%d faults possible; planting %d (%d done before)' % (possible, len(todo), len(done)))
        with ThreadPoolExecutor(a.jobs) as pool:
            for f in [pool.submit(run_slot, s, todo[s::a.jobs], results) for s in range(a.jobs)]:
                f.result()
    rows = [json.loads(l) for l in open(results)] if os.path.exists(results) else []
    ids = {m['id'] for m in mutants}
    report([r for r in rows if r['id'] in ids])


if __name__ == '__main__':
    sys.exit(main())
