# Run by gdb -batch on the sample program: prints the samples of main through
# the colib printers and compares the text with the expected file (the
# convenience variable $expected). The printers come in as a user gets them
# from the build tree: gdb auto-loads the script beside libcolib.
#
# The expected file holds one entry per sample: "name = printed text", or
# "pretty name = ..." for an entry printed with `set print pretty on`, whose
# text may go on over the following lines. Lines starting with # are
# comments. Addresses print as 0x... .
import re
import gdb

for setting in ('confirm off', 'pagination off', 'width 0', 'height 0'):
    gdb.execute('set ' + setting)
gdb.execute('break stop_here')
gdb.execute('run')
gdb.execute('up')

if not any(p.name == 'colib' for o in gdb.objfiles() for p in o.pretty_printers):
    print('the colib printers were not auto-loaded with the library')
    gdb.execute('kill')
    gdb.execute('quit 1')

ENTRY = re.compile(r'^(pretty )?([A-Za-z_0-9]+) = ')

with open(gdb.parse_and_eval('$expected').string()) as f:
    lines = [l for l in f.read().split('\n') if not l.startswith('#')]
entries = []
for line in lines:
    if ENTRY.match(line):
        entries.append(line)
    elif entries and line:
        entries[-1] += '\n' + line

failures = 0
for entry in entries:
    pretty, name = ENTRY.match(entry).groups()
    gdb.execute('set print pretty ' + ('on' if pretty else 'off'))
    text = gdb.execute('print s.' + name, to_string=True)
    text = re.sub(r'^\$\d+ = ', '', text).rstrip('\n')
    # Addresses differ between builds.
    text = re.sub(r'0x[0-9a-f]+', '0x...', text)
    # and so does the name gdb gives the hidden vtable pointer.
    text = text.replace('_vptr$', '_vptr.')
    printed = (pretty or '') + name + ' = ' + text
    if printed != entry:
        failures += 1
        print('MISMATCH\n--- expected:\n%s\n--- printed:\n%s' % (entry, printed))
print('%d of %d entries as expected' % (len(entries) - failures, len(entries)))
gdb.execute('kill')
gdb.execute('quit %d' % (1 if failures else 0))
