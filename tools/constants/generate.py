#!/usr/bin/env python3
"""Writes the module's two constant tables from the catalogue.

    tools/constants/generate.py [--check]

Reads tools/constants/names.txt (which names each table holds) and values.txt (values the SDK
headers lack or have wrong), takes every other value from the mingw-w64 headers as the module's
compiler sees them, and writes api/constants/first_table.gen.inc and second_table.gen.inc. With
--check it writes nothing and fails when the checked-in files differ from what it would write.

The values are read by compiling a probe with the cross compiler: one 64-bit constant per name,
emitted as assembly, so a name that is an enumerator counts as defined just like a macro. A name
the compiler rejects as undeclared must be in values.txt. Development time only: the build
compiles the checked-in .gen.inc files, and api/constants/checks.cpp proves each header-defined
value again with a static_assert.
"""
import os
import re
import subprocess
import sys
import tempfile

TOP = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
HERE = os.path.join(TOP, 'tools', 'constants')
OUT = os.path.join(TOP, 'api', 'constants')
CXX = os.environ.get('CXX_I686', 'i686-w64-mingw32-g++')

# The module's target, plus what the tables need: OEM resource ids and the rich edit 2.0 names.
DEFINES = ['UNICODE', '_UNICODE', 'WINVER=0x0501', '_WIN32_WINNT=0x0501', '_WIN32_IE=0x0501',
           'OEMRESOURCE', '_RICHEDIT_VER=0x0200']
HEADERS = ['windows.h', 'commctrl.h', 'commdlg.h', 'shellapi.h', 'richedit.h', 'htmlhelp.h']
TABLE_SIZES = (2391, 5821)


def fail(msg):
    sys.exit('generate.py: ' + msg)


def read_catalogue():
    """Returns (names per table in file order, pins) from names.txt, checking every count."""
    tables = ([], [])
    pins = {}
    group = None
    tag = None

    def close(g):
        if g is None:
            return
        prefix, total, first, second, members = g
        in_first = sum(1 for t, _ in members if t in ('both', 'first'))
        in_second = sum(1 for t, _ in members if t in ('both', 'second'))
        if (len(members), in_first, in_second) != (total, first, second):
            fail('group [%s] has %d names, %d in the first table and %d in the second; its header says %d %d %d'
                 % (prefix, len(members), in_first, in_second, total, first, second))

    with open(os.path.join(HERE, 'names.txt')) as f:
        for lineno, line in enumerate(f, 1):
            line = line.rstrip('\n')
            if not line.strip() or line.startswith('#'):
                continue
            m = re.match(r'(first|second) (begins|ends): (.*)$', line)
            if m:
                pins[(m.group(1), m.group(2))] = m.group(3).split()
                continue
            m = re.match(r'\[([^\]]*)\] (\d+) (\d+) (\d+)$', line)
            if m:
                close(group)
                group = (m.group(1), int(m.group(2)), int(m.group(3)), int(m.group(4)), [])
                tag = None
                continue
            m = re.match(r'(both|first|second):\s+(.*)$', line)
            if m:
                tag, rest = m.group(1), m.group(2)
            elif line.startswith(' ') and tag:
                rest = line
            else:
                fail('names.txt:%d: cannot read %r' % (lineno, line))
            if group is None:
                fail('names.txt:%d: names before the first group' % lineno)
            for ending in rest.split():
                name = group[0] + ending
                group[4].append((tag, name))
                if tag in ('both', 'first'):
                    tables[0].append(name)
                if tag in ('both', 'second'):
                    tables[1].append(name)
    close(group)

    for k, names in enumerate(tables):
        if len(names) != TABLE_SIZES[k]:
            fail('table %d has %d names, not %d' % (k + 1, len(names), TABLE_SIZES[k]))
        if len(set(names)) != len(names):
            dup = sorted({n for n in names if names.count(n) > 1})
            fail('table %d repeats %s' % (k + 1, ' '.join(dup[:10])))
    return tables, pins


def order(names, begins, ends):
    # Between the pinned rows the names ascend byte by byte: the interpreter binds a constant
    # when its name is first interned, finding it by binary search over the table's sorted runs.
    rest = sorted((n for n in names if n not in begins and n not in ends), key=lambda n: n.encode())
    missing = [n for n in begins + ends if n not in names]
    if missing:
        fail('pinned names not in their table: ' + ' '.join(missing))
    return begins + rest + ends


def read_values():
    """Returns {name: (value, note, overrides_header)} from values.txt."""
    given = {}
    with open(os.path.join(HERE, 'values.txt')) as f:
        for lineno, line in enumerate(f, 1):
            line = line.strip()
            if not line or line.startswith('#'):
                continue
            m = re.match(r'(!?)(\S+) (-?(?:0x[0-9A-Fa-f]+|\d+)) -- (.+)$', line)
            if not m:
                fail('values.txt:%d: cannot read %r' % (lineno, line))
            given[m.group(2)] = (int(m.group(3), 0), m.group(4), m.group(1) == '!')
    return given


def probe(names):
    """Returns {name: value} for the names the headers define; the others are left out."""
    ident = [n for n in names if re.fullmatch(r'[A-Za-z_]\w*', n)]
    with tempfile.TemporaryDirectory() as tmp:
        src, asm = os.path.join(tmp, 'probe.cpp'), os.path.join(tmp, 'probe.s')

        def compile_probe(rows):
            text = ''.join('#include <%s>\n' % h for h in HEADERS)
            text += ''.join('extern "C" const long long v_%d = (long long)(%s);\n' % (i, n) for i, n in rows)
            with open(src, 'w') as f:
                f.write(text)
            cmd = [CXX, '-std=c++17', '-fmax-errors=0', '-O0', '-S', '-o', asm, src] + ['-D' + d for d in DEFINES]
            return subprocess.run(cmd, capture_output=True, text=True)

        rows = list(enumerate(ident))
        r = compile_probe(rows)
        if r.returncode != 0:
            # Every error line names the probe row of an undeclared name; drop those and try again.
            first_row = len(HEADERS) + 1
            bad = {int(m.group(1)) - first_row for m in re.finditer(r'probe\.cpp:(\d+):\d+: error', r.stderr)}
            rows = [(i, n) for k, (i, n) in enumerate(rows) if k not in bad]
            r = compile_probe(rows)
            if r.returncode != 0:
                fail('probe does not compile:\n' + r.stderr[:3000])
        with open(asm) as f:
            lines = [l.strip() for l in f]

    values = {}
    current, words = None, []
    for l in lines:
        m = re.match(r'_v_(\d+):$', l)
        if m:
            current, words = ident[int(m.group(1))], []
            continue
        if current is None:
            continue
        if l.startswith('.space 8'):
            values[current], current = 0, None
        elif l.startswith('.long'):
            words.append(int(l.split()[1], 0) & 0xFFFFFFFF)
            if len(words) == 2:
                v = words[0] | words[1] << 32
                values[current], current = v - (1 << 64) if v >= 1 << 63 else v, None
        elif l.startswith('.quad'):
            values[current], current = int(l.split()[1], 0), None
    return values


def as_int32(name, v):
    if not -(1 << 31) <= v < (1 << 32):
        fail('%s = %d does not fit 32 bits' % (name, v))
    v &= 0xFFFFFFFF
    return v - (1 << 32) if v >= 1 << 31 else v


def literal(v):
    if v == -(1 << 31):
        return '-2147483647 - 1'
    if v >= 0x10000:
        return '0x%X' % v
    return str(v)


def main():
    check = '--check' in sys.argv[1:]
    tables, pins = read_catalogue()
    given = read_values()
    everyone = sorted(set(tables[0]) | set(tables[1]))
    if len(everyone) != 6234 or len(set(tables[0]) & set(tables[1])) != 1978:
        fail('%d distinct names, %d shared; expected 6234 and 1978'
             % (len(everyone), len(set(tables[0]) & set(tables[1]))))
    unknown = sorted(set(given) - set(everyone))
    if unknown:
        fail('values.txt names what no table holds: ' + ' '.join(unknown))

    header = probe(everyone)
    rows = {}
    problems = []
    for name in everyone:
        if name in given:
            value, note, overrides = given[name]
            if name in header and not overrides:
                problems.append('%s: the headers define it (%d); drop it from values.txt or mark it "!"'
                                % (name, header[name]))
            if overrides and name in header and as_int32(name, header[name]) == as_int32(name, value):
                problems.append('%s: the headers agree (%d); it needs no correction' % (name, value))
            if overrides and name not in header:
                problems.append('%s: marked "!" but no header defines it' % name)
            rows[name] = 'DOCUMENTED("%s", %s) // %s' % (name, literal(as_int32(name, value)), note)
        elif name in header:
            rows[name] = 'CHECKED(%s, %s)' % (name, literal(as_int32(name, header[name])))
        else:
            problems.append('%s: no header defines it and values.txt has no value' % name)
    if problems:
        fail('\n  '.join(['the catalogue does not resolve:'] + problems))

    stale = []
    for k, which in enumerate(('first', 'second')):
        names = order(tables[k], pins.get((which, 'begins'), []), pins.get((which, 'ends'), []))
        text = ('// Generated by tools/constants/generate.py from tools/constants/names.txt and values.txt.\n'
                '// CHECKED(NAME, value): an SDK header defines NAME; constants/checks.cpp proves the value.\n'
                '// DOCUMENTED("NAME", value): a value the headers lack or have wrong, with its source.\n')
        text += ''.join(rows[n] + '\n' for n in names)
        path = os.path.join(OUT, '%s_table.gen.inc' % which)
        old = open(path).read() if os.path.exists(path) else None
        if old != text:
            stale.append(path)
            if not check:
                os.makedirs(OUT, exist_ok=True)
                with open(path, 'w') as f:
                    f.write(text)
        print('%s table: %d entries, %d proven by the headers' % (
            which, len(names), sum(1 for n in names if rows[n].startswith('CHECKED'))))
    print('%d distinct names, %d shared, %d proven by the headers, %d documented' % (
        len(everyone), len(set(tables[0]) & set(tables[1])),
        sum(1 for n in everyone if rows[n].startswith('CHECKED')),
        sum(1 for n in everyone if rows[n].startswith('DOCUMENTED'))))
    if check and stale:
        fail('out of date: ' + ' '.join(os.path.relpath(p, TOP) for p in stale))


if __name__ == '__main__':
    main()
