#!/usr/bin/python3
"""Two rules of the bridge that no stock clang-tidy check knows, checked on
the compiler's own view of every source (libclang, the build's compile
database):

  jni-guard    JNI characters, array elements and byte-array elements are
               taken and given back only inside the guards of
               src/common/ (BorrowedString, ScopedLocalRef, ByteArrayElements,
               CopyJstring, StringsToTable), so no path of an entry point can
               return with one still held.
  field-bound  A text field of a platform record is printed with a precision
               (%.*s and the field's size), never a bare %s: the platform may
               fill a field to its last byte with no NUL.
  own-writer   Replies and texts are formatted by the bridge's own writer
               (BUNDLE_WRITE, BoundedWriter::Literal, CopyText), never by
               the C library's snprintf family; a template handed to the
               writer holds only the conversions it does (%%, %s, %.*s, and
               %d, %u with no length, l or ll), and a Literal holds no %.

usage: lint_bridge.py BUILD_DIR FILE...     exit 1 on any finding
       lint_bridge.py --buffers BUILD_DIR FILE...
           prints, for every entry point, the bytes of the local variables it
           declares (its buffers, records and tables), tab-separated; the
           footprint check holds each entry point's stack frame to these.
"""
import glob
import json
import os
import re
import shlex
import sys

import clang.cindex as ci

JNI_TAKE_GIVE = {
    'GetStringUTFChars', 'ReleaseStringUTFChars', 'GetObjectArrayElement', 'DeleteLocalRef',
    'GetByteArrayElements', 'ReleaseByteArrayElements',
}
LIBC_FORMAT = {'snprintf', 'sprintf', 'vsnprintf', 'vsprintf'}
WRITER_CALLS = {'Check'}  # bundle::format::Check, the compiler's view of a BUNDLE_WRITE
WRITER_CONVERSION = re.compile(r'^%(%|(\.\*)?s|(ll|l)?[du])$')
CONVERSION = re.compile(r'%[-+ #0]*(\*|\d+)?(\.(\*|\d*))?(hh|h|ll|l|j|z|t|L)?([diouxXeEfFgGaAcspn%])')
PASS_THROUGH = {ci.CursorKind.UNEXPOSED_EXPR, ci.CursorKind.PAREN_EXPR}


def compile_args(entry):
    argv = shlex.split(entry['command']) if 'command' in entry else list(entry['arguments'])
    out, skip = [], False
    for a in argv[1:]:
        if skip:
            skip = False
            continue
        if a in ('-o', '-MF', '-MT', '-MQ'):
            skip = True
            continue
        if a in ('-c', entry['file']) or a.startswith(('-W', '-f', '-M')):
            continue
        out.append(a)
    resource = sorted(glob.glob('/usr/lib/llvm-*/lib/clang/*/include'))
    return out + ['-w'] + (['-isystem', resource[-1]] if resource else [])


def unwrap(c):
    while c.kind in PASS_THROUGH:
        kids = list(c.get_children())
        if len(kids) != 1:
            break
        c = kids[0]
    return c


def is_char_array(t):
    t = t.get_canonical()
    return t.kind == ci.TypeKind.CONSTANTARRAY and t.element_type.get_canonical().kind in (
        ci.TypeKind.CHAR_S, ci.TypeKind.SCHAR, ci.TypeKind.UCHAR, ci.TypeKind.CHAR_U)


def record_field(arg):
    """Name of the record text field this argument is, or None."""
    c = unwrap(arg)
    if not is_char_array(c.type):
        return None
    if c.kind == ci.CursorKind.MEMBER_REF_EXPR:
        return c.spelling
    if c.kind == ci.CursorKind.ARRAY_SUBSCRIPT_EXPR:
        base = unwrap(next(c.get_children()))
        if base.kind == ci.CursorKind.MEMBER_REF_EXPR:
            return base.spelling + '[]'
    return None


def format_of(arg):
    c = unwrap(arg)
    if c.kind != ci.CursorKind.STRING_LITERAL:
        return None
    return c.spelling


def writer_does(m):
    """Whether the bridge's writer does this conversion itself."""
    return WRITER_CONVERSION.match(m.group(0)) is not None


def check_call(call, findings, where):
    args = list(call.get_arguments())
    if call.spelling in LIBC_FORMAT:
        findings.add((where, 'own-writer', '%s: write through BUNDLE_WRITE or bundle::CopyText' % call.spelling))
    if call.spelling == 'Literal' and args and '%' in (format_of(args[0]) or ''):
        findings.add((where, 'own-writer', 'a Literal is copied as it stands: no % in it (use BUNDLE_WRITE)'))
    for k, a in enumerate(args):
        fmt = format_of(a)
        if fmt is None or '%' not in fmt:
            continue
        i = k + 1
        for m in CONVERSION.finditer(fmt):
            if call.spelling in WRITER_CALLS and not writer_does(m):
                findings.add((where, 'own-writer', "'%s' is no conversion the bridge's writer does" % m.group(0)))
            if m.group(5) == '%':
                continue
            i += (m.group(1) == '*') + (m.group(3) == '*')
            if i >= len(args):
                break
            if m.group(5) == 's' and m.group(2) is None:
                field = record_field(args[i])
                if field:
                    findings.add((where, 'field-bound',
                                  "record field '%s' printed with a bare %%s: use %%.*s with its size" % field))
            i += 1
        break


def local_bytes(fn):
    """Bytes of the automatic variables declared anywhere in a function body."""
    total = 0
    for c in fn.walk_preorder():
        if c.kind == ci.CursorKind.VAR_DECL and c.storage_class != ci.StorageClass.STATIC:
            size = c.type.get_size()
            total += size if size > 0 else 0
    return total


def main():
    buffers = sys.argv[1] == '--buffers'
    argv = sys.argv[2:] if buffers else sys.argv[1:]
    build = os.path.realpath(argv[0])
    files = [os.path.realpath(f) for f in argv[1:]]
    with open(os.path.join(build, 'compile_commands.json')) as f:
        db = {os.path.realpath(e['file']): e for e in json.load(f)}
    root = os.path.realpath(os.path.join(os.path.dirname(__file__), '..'))
    common = os.path.join(root, 'src', 'common') + os.sep
    index = ci.Index.create()
    findings, broken = set(), []
    for path in files:
        entry = db.get(path)
        if entry is None:
            broken.append('%s: not in the compile database' % path)
            continue
        os.chdir(entry['directory'])
        tu = index.parse(path, args=compile_args(entry))
        errors = [d for d in tu.diagnostics if d.severity >= ci.Diagnostic.Error]
        if errors:
            broken.append('%s: %s' % (path, errors[0]))
            continue
        if buffers:
            for c in tu.cursor.walk_preorder():
                if (c.kind == ci.CursorKind.FUNCTION_DECL and c.is_definition()
                        and c.spelling.startswith('Java_') and c.location.file
                        and os.path.realpath(c.location.file.name) == path):
                    print('%s\t%d' % (c.spelling, local_bytes(c)))
            continue
        for c in tu.cursor.walk_preorder():
            if c.kind != ci.CursorKind.CALL_EXPR or c.location.file is None:
                continue
            src = os.path.realpath(c.location.file.name)
            if not src.startswith(os.path.join(root, 'src') + os.sep):
                continue
            where = '%s:%d:%d' % (os.path.relpath(src, root), c.location.line, c.location.column)
            if c.spelling in JNI_TAKE_GIVE and not src.startswith(common):
                findings.add((where, 'jni-guard',
                              '%s outside the guards of src/common/: take and give back JNI resources '
                              'through BorrowedString, ScopedLocalRef, ByteArrayElements' % c.spelling))
            check_call(c, findings, where)
    for line in broken:
        print('lint_bridge: cannot check ' + line, file=sys.stderr if buffers else sys.stdout)
    if buffers:
        return 1 if broken else 0
    for where, rule, text in sorted(findings):
        print('%s: error: %s [%s]' % (where, text, rule))
    print('lint_bridge: %d files, %d findings' % (len(files), len(findings)))
    return 1 if findings or broken else 0


if __name__ == '__main__':
    sys.exit(main())
