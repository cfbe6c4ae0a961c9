#!/usr/bin/env bash
# Regenerates content/pinyin/table.txt (character -> toneless pinyin readings)
# from the Unihan readings shipped in Debian's unicode-data package.
# Usage, from the repository root:  bash tools/pinyin/make-table.sh
set -euo pipefail

PKG=unicode-data
SRC=/usr/share/unicode/Unihan_Readings.txt.bz2
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
OUT_DIR="$ROOT/content/pinyin"

if ! dpkg-query -W -f='${Status}' "$PKG" 2>/dev/null | grep -q 'install ok installed'; then
    apt-get install -y --no-install-recommends "$PKG"
fi
[ -r "$SRC" ] || { echo "missing $SRC (package $PKG)" >&2; exit 1; }
VERSION="$(dpkg-query -W -f='${Version}' "$PKG")"

mkdir -p "$OUT_DIR"
# The Unicode data licence asks that its notice travel with derived data.
cp "/usr/share/doc/$PKG/copyright" "$OUT_DIR/LICENSE-unicode-data.txt"

python3 - "$SRC" "$OUT_DIR/table.txt" "$PKG" "$VERSION" <<'PY'
import bz2, re, sys, unicodedata

src, out, pkg, version = sys.argv[1:5]

fields = {}   # char -> {field: value}
unicode_version = '?'
copyright_line = ''
with bz2.open(src, 'rt', encoding='utf-8') as f:
    for line in f:
        if line.startswith('#'):
            m = re.match(r'# Unicode version: (\S+)', line)
            if m:
                unicode_version = m.group(1)
            if '©' in line:
                copyright_line = line[1:].strip()
            continue
        line = line.rstrip('\n')
        if not line:
            continue
        cp, key, value = line.split('\t', 2)
        fields.setdefault(chr(int(cp[2:], 16)), {})[key] = value

def toneless(syl):
    s = unicodedata.normalize('NFD', syl.strip().lower())
    s = s.replace('u\u0308', 'v')          # ü -> v, as pinyin input methods type it
    s = ''.join(c for c in s if not unicodedata.combining(c))
    if not re.fullmatch(r'[a-z]+', s):
        raise SystemExit('unexpected reading %r -> %r' % (syl, s))
    return s

def after_colon(value):
    # "047.150:chong 481.090:zhong" / "63680.020:zhong,chong,tong"
    res = []
    for entry in value.split():
        res.extend(entry.rsplit(':', 1)[1].split(','))
    return res

def readings(ch):
    fl = fields.get(ch, {})
    seq = []
    # kMandarin: the customary reading(s), mainland first.
    seq += fl.get('kMandarin', '').split()
    # kHanyuPinlu: readings with corpus frequencies; counts are summed per
    # toneless syllable, most frequent first.
    freq = {}
    for r, n in re.findall(r'([^\s(]+)\((\d+)\)', fl.get('kHanyuPinlu', '')):
        freq[toneless(r)] = freq.get(toneless(r), 0) + int(n)
    seq += sorted(freq, key=lambda r: -freq[r])
    # Modern dictionaries: Tongyong Guifan Hanzi Zidian 2013, Xiandai Hanyu Cidian 1983.
    modern = 'kTGHZ2013' in fl or 'kXHC1983' in fl
    for key in ('kTGHZ2013', 'kXHC1983'):
        if key in fl:
            seq += after_colon(fl[key])
    # Hanyu Da Zidian lists archaic readings too; use it only for characters
    # that neither modern dictionary covers (rare characters).
    if not modern and 'kHanyuPinyin' in fl:
        seq += after_colon(fl['kHanyuPinyin'])
    res = []
    for r in seq:
        t = toneless(r)
        if t not in res:
            res.append(t)
    return res

def in_gbk(ch):
    try:
        ch.encode('gbk')
        return True
    except UnicodeEncodeError:
        return False

# Every Han character of GBK: Unihan characters plus the CJK compatibility
# ideographs GBK maps (these take the readings of their canonical equivalent).
candidates = set(fields)
for cp in range(0xF900, 0xFB00):
    candidates.add(chr(cp))
rows, no_reading = [], []
for ch in sorted(candidates):
    if not in_gbk(ch):
        continue
    rs = readings(ch)
    if not rs:
        canon = unicodedata.normalize('NFC', ch)
        if canon != ch:
            rs = readings(canon)
    if rs:
        rows.append(ch + ' ' + ' '.join(rs))
    elif unicodedata.category(ch) == 'Lo':
        no_reading.append(ch)

with open(out, 'w', encoding='utf-8', newline='\n') as f:
    f.write('# Generated from Unihan_Readings.txt (Unicode %s) in Debian package %s %s; '
            'licence: Unicode data licence (%s), see LICENSE-unicode-data.txt. '
            'Modified (derived) data: tones stripped, u-umlaut written v, GBK characters only. '
            'Regenerate: bash tools/pinyin/make-table.sh\n'
            % (unicode_version, pkg, version, copyright_line))
    f.write('# Format: CHAR SP READING [SP READING]...  one character per line, by code point, '
            'readings a-z, most common first\n')
    for r in rows:
        f.write(r + '\n')

# Self-check.
table = {r.split(' ')[0]: r.split(' ')[1:] for r in rows}
expect = {'重': ['zhong', 'chong'], '行': ['xing', 'hang', 'heng'], '长': ['zhang', 'chang'],
          '乐': ['le', 'yue'], '绿': ['lv'], '女': ['nv'], '的': ['de'], '了': ['le', 'liao']}
bad = [c for c, want in expect.items() if not set(want) <= set(table.get(c, []))]
if bad or len(table) < 20000 or table['的'][0] != 'de':
    raise SystemExit('self-check failed: %s (%d characters)' % (''.join(bad), len(table)))
print('%s: %d characters; GBK Han characters without a reading in the source: %d %s'
      % (out, len(table), len(no_reading), ''.join(no_reading)))
PY
