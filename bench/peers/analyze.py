import csv, statistics as st, sys
R = sys.argv[1] if len(sys.argv) > 1 else '/tmp/peers/results'
B = sys.argv[2].split(',') if len(sys.argv) > 2 else ['quorrelin', 'falkon', 'epiphany', 'qutebrowser']
def num(x):
    try: return float(x)
    except: return None
def fmt(v, d=0):
    return 'NA' if v is None else (f'{v:.{d}f}')
def summ(vals, d=0, scale=1.0):
    v = [x/scale for x in vals if x is not None]
    if not v: return 'NA', None
    return f'{fmt(st.median(v),d)} ({fmt(min(v),d)}–{fmt(max(v),d)}) n={len(v)}', st.median(v)
S = list(csv.DictReader(open(f'{R}/startup.csv')))
W = list(csv.DictReader(open(f'{R}/windows20.csv')))
H = list(csv.DictReader(open(f'{R}/handover.csv')))
rows = {}
def add(metric, b, s, med):
    rows.setdefault(metric, {})[b] = (s, med)
for b in B:
    s = [r for r in S if r['browser'] == b and int(r['round']) >= 1]
    w = [r for r in W if r['browser'] == b]
    h = [r for r in H if r['browser'] == b]
    add('start-up ms (1-page runs)', b, *summ([num(r['startup_ms']) for r in s]))
    add('start-up ms (incl. 20-page runs)', b, *summ([num(r['startup_ms']) for r in s] + [num(r['startup_ms']) for r in w]))
    m1 = [num(r['pss_kb']) for r in s] + [num(r['pss1_kb']) for r in w]
    add('PSS 1 page MiB', b, *summ(m1, 1, 1024))
    add('tree-unique 1 page MiB', b, *summ([num(r['uniq_kb']) for r in s] + [num(r['uniq1_kb']) for r in w], 1, 1024))
    add('RSS sum 1 page MiB', b, *summ([num(r['rss_kb']) for r in s] + [num(r['rss1_kb']) for r in w], 1, 1024))
    add('PSS 20 pages MiB', b, *summ([num(r['pss20_kb']) for r in w], 1, 1024))
    add('tree-unique 20 pages MiB', b, *summ([num(r['uniq20_kb']) for r in w], 1, 1024))
    add('PSS per extra page MiB (same run)', b, *summ([(num(r['pss20_kb']) - num(r['pss1_kb'])) / 19 for r in w if num(r['pss20_kb']) and num(r['pss1_kb'])], 1, 1024))
    add('tree-unique per extra page MiB (same run)', b, *summ([(num(r['uniq20_kb']) - num(r['uniq1_kb'])) / 19 for r in w if num(r['uniq20_kb']) and num(r['uniq1_kb'])], 1, 1024))
    # open20_ms (spawn..PB20) includes the 2 s pause and memory sampling at page 1;
    # the clean figure is start-up + the 19 hand-over steps (each: request until
    # title shown and client exited), from handover.csv
    steps = {}
    for x in h: steps.setdefault(x['round'], []).append(max(num(x['client_ms']), num(x['request_to_title_ms']) or 0))
    add('open 20 one by one ms (start + 19 hand-overs)', b, *summ([num(r['startup_ms']) + sum(steps[r['round']]) for r in w if len(steps.get(r['round'], [])) == 19]))
    add('open20_ms raw (spawn..PB20 incl. 2 s pause)', b, *summ([num(r['open20_ms']) for r in w]))
    add('hand-over request..title ms (per page)', b, *summ([num(r['request_to_title_ms']) for r in h]))
    add('exit ms 1 page (SIGTERM..main gone)', b, *summ([num(r['exit_ms']) for r in s]))
    add('exit ms 1 page (..tree gone)', b, *summ([num(r['tree_gone_ms']) for r in s]))
    add('exit ms 20 pages (..main gone)', b, *summ([num(r['exit_ms']) for r in w]))
    add('exit ms 20 pages (..tree gone)', b, *summ([num(r['tree_gone_ms']) for r in w]))
    add('processes 20 pages', b, *summ([num(r['nproc20']) for r in w]))
# A failed run (no title, killed at exit) is counted here and left out of
# every median above.
def failed(r): return num(r['startup_ms']) is None or 'no-title' in r['note'] or 'sigkill' in r['note']
for b in B:
    add('failed runs (not in medians)', b,
        str(sum(failed(r) for r in S if r['browser'] == b and int(r['round']) >= 1) +
            sum(failed(r) for r in W if r['browser'] == b)), None)
for metric, d in rows.items():
    print(f'## {metric}')
    fm = d.get('falkon', (None, None))[1]
    for b in B:
        s, m = d.get(b, ('NA', None))
        ratio = f'  ×{m/fm:.2f} vs falkon' if m and fm else ''
        print(f'  {b:12s} {s}{ratio}')
# per-round quorrelin/falkon start-up ratio
print('## per-round start-up ratio quorrelin/falkon (1-page rounds)')
by = {}
for r in S:
    if int(r['round']) >= 1 and num(r['startup_ms']): by.setdefault(r['round'], {})[r['browser']] = num(r['startup_ms'])
rat = [v['quorrelin'] / v['falkon'] for k, v in sorted(by.items(), key=lambda x: int(x[0])) if 'quorrelin' in v and 'falkon' in v]
print('  ' + ' '.join(f'{x:.2f}' for x in rat), f' median {st.median(rat):.2f}')
byw = {}
for r in W:
    if num(r['startup_ms']): byw.setdefault(r['round'], {})[r['browser']] = r
rw = [num(v['quorrelin']['open20_ms']) / num(v['falkon']['open20_ms']) for v in byw.values() if 'quorrelin' in v and 'falkon' in v and num(v['quorrelin']['open20_ms']) and num(v['falkon']['open20_ms'])]
print('## per-round open20 ratio quorrelin/falkon', ' '.join(f'{x:.2f}' for x in rw), f' median {st.median(rw):.2f}' if rw else '')
fo = [num(r['foreign']) for r in S if r['browser']=='quorrelin' and int(r['round'])>=1]
print('## foreign Qt6 web engine processes at quorrelin 1-page measurements:', fo)
q = [(num(r['foreign']), num(r['pss_kb'])/1024) for r in S if r['browser']=='quorrelin' and int(r['round'])>=1]
print('   quorrelin PSS by foreign count:', sorted(q))
