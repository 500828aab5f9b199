#!/usr/bin/env python3
"""Joins by `trevisto-bench copyjoin`, measured in one run.

Sources are synthesized music (plucked notes, two voices in stereo, noise hits), encoded
with the lame command. For each case the clips are cut and joined as the window does it.

  contiguous   clips that go on where the one before ended in one source: ffmpeg's decode
               of the join must equal ffmpeg's decode of the source over the same samples.
  joints       other joints: outside the frames around each joint the join must be ffmpeg's
               decode of the sources bit for bit; inside them (the replaced frames and the
               one after, whose overlap depends on them) its SNR against the clips' own
               sound (the clip WAVs end to end) must be at least that of a plain `lame -b
               RATE` encode of the same joined sound, and its largest sample step no larger
               than the neighbouring signal's (or the clips' own step there).
  timing       copyjoin's join against encoding the joined WAV with lame and against
               ffmpeg's concat demuxer with stream copy.

usage: copyjoin-bench.py BUILD/bin/trevisto-bench
"""
import array, os, re, shutil, statistics, subprocess, sys, tempfile, time, wave

bench = os.path.abspath(sys.argv[1])
work = tempfile.mkdtemp(prefix='copyjoin-bench-')


def run(*cmd, check=True):
    r = subprocess.run(cmd, capture_output=True)
    if check and r.returncode != 0:
        sys.exit(f'{cmd[0]} failed ({r.returncode}): {r.stderr.decode(errors="replace")}')
    return r.stdout


def ffmpeg(path):
    a = array.array('h')
    a.frombytes(run('ffmpeg', '-v', 'error', '-i', path, '-f', 's16le', '-acodec', 'pcm_s16le', '-'))
    return a


def read_wav(path):
    with wave.open(path) as w:
        a = array.array('h')
        a.frombytes(w.readframes(w.getnframes()))
        return a


def write_wav(path, samples, channels, rate):
    with wave.open(path, 'wb') as w:
        w.setnchannels(channels)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(samples.tobytes())


NOTES = ['C3', 'E3', 'G3', 'C4', 'D4', 'F3', 'A3', 'B3', 'E4', 'G4', 'A2', 'D3']


def music(name, rate, channels, seconds, seed):
    """Plucked notes of varied length, a second voice in stereo, a noise hit every so often."""
    path = os.path.join(work, name)
    chain, total, i = [], 0.0, 0
    x = seed
    while total < seconds:
        x = (x * 1103515245 + 12345) % 2 ** 31
        if i % 5 == 4:
            d = 0.12
            chain += ['synth', str(d), 'pinknoise', 'fade', '0', str(d), str(d * 0.9)]
        else:
            d = (0.15, 0.25, 0.35, 0.5)[x >> 8 & 3]
            voices = ['pluck', NOTES[x >> 12 & 7]] + (['pluck', NOTES[(x >> 16) % len(NOTES)]] if channels == 2 else [])
            chain += ['synth', str(d)] + voices
        chain.append(':')
        total += d
        i += 1
    chain[-1:] = ['vol', '0.7']
    run('sox', '-R', '-n', '-r', str(rate), '-c', str(channels), '-b', '16', path, *chain)
    return path


def lame(wav, name, options):
    path = os.path.join(work, name)
    run('lame', '--quiet', *options, wav, path)
    return path


facts_cache = {}


def facts(mp3):
    """skip, samples per frame and length of an MP3, as the frame layer reads it."""
    if mp3 not in facts_cache:
        out = run(bench, 'copycut', '--no-sync', '--samples', mp3, os.path.join(work, 'probe.mp3'), '0', '2000').decode()
        f = dict(re.findall(r'(\w+)=([\d.]+)', out))
        facts_cache[mp3] = int(f['skip']), int(f['spf']), int(f['samples'])
    return facts_cache[mp3]


def copyjoin(out, specs, clips_dir):
    shutil.rmtree(clips_dir, ignore_errors=True)
    r = subprocess.run([bench, 'copyjoin', '--clips', clips_dir, out] + [f'{s}:{a}:{b}' for s, a, b in specs],
                       capture_output=True)
    text = r.stdout.decode()
    if r.returncode not in (0, 3):
        sys.exit(f'copyjoin failed ({r.returncode}): {text} {r.stderr.decode()}')
    ranges = [(int(a), int(b)) for a, b in re.findall(r'clip\d+=[^ ]*:(\d+):(\d+)', text)]
    f = dict(re.findall(r'(\w+)=("[^"]*"|\S+)', text))
    return f, ranges


def snr(ref, got, lo, hi):
    s = n = 0.0
    for i in range(lo, hi):
        s += ref[i] * ref[i]
        d = got[i] - ref[i]
        n += d * d
    return float('inf') if n == 0 else 10 * __import__('math').log10(max(s, 1.0) / n)


def max_step(x, ch, lo, hi):
    """The largest step between neighbouring samples of a channel in sample frames [lo, hi)."""
    lo = max(lo, 1)
    return max((abs(x[i] - x[i - ch]) for i in range(lo * ch, hi * ch)), default=0)


MP3 = {}


def source(name, rate, channels, seconds, seed, options):
    wav = music(name + '.wav', rate, channels, seconds, seed)
    MP3[name] = (lame(wav, name + '.mp3', options), channels)
    return MP3[name][0]


print('sources: synthesized plucked notes and noise hits, 30 s; lame 3.100')
S1 = source('s1', 44100, 2, 30, 1, ['-b', '128'])
S2 = source('s2', 44100, 2, 30, 2, ['-b', '128'])
S3 = source('s3', 44100, 2, 30, 3, ['-V', '2'])
S4 = source('s4', 44100, 2, 30, 4, ['-b', '320'])
S5 = source('s5', 44100, 2, 30, 5, ['-b', '128', '-t'])
M1 = source('m1', 22050, 1, 30, 6, ['-b', '64'])
M2 = source('m2', 22050, 1, 30, 7, ['-b', '64'])
names = {v[0]: k for k, v in MP3.items()}
decoded = {path: ffmpeg(path) for path, _ in MP3.values()}
failures = 0

print('\n(a) contiguous clips of one source: ffmpeg(join) == ffmpeg(source)[first:last]')
print(f"{'case':34} {'clips (source samples)':44} {'joints':>6} {'result':>8}")
contiguous = [
    ('CBR 128, 3 clips', S1, [(1000, 5000), (5000, 9000), (9000, 21000)]),
    ('CBR 128, from 0 to the end', S1, [(0, 12340), (12340, 30000)]),
    ('VBR -V2, 3 clips', S3, [(2500, 7000), (7000, 7500), (7500, 28000)]),
    ('CBR 320, 2 clips', S4, [(3000, 11110), (11110, 20000)]),
    ('no LAME tag, 2 clips', S5, [(4000, 9000), (9000, 15000)]),
    ('MPEG-2 mono 22.05 kHz, 3 clips', M1, [(500, 6000), (6000, 6400), (6400, 29000)]),
]
for label, src, marks in contiguous:
    out = os.path.join(work, 'join.mp3')
    f, ranges = copyjoin(out, [(src, a, b) for a, b in marks], os.path.join(work, 'clips'))
    ch = MP3[names[src]][1]
    ok = f.get('outcome') == 'copied' and f.get('joints') == '0' and \
        ffmpeg(out) == decoded[src][ranges[0][0] * ch:ranges[-1][1] * ch]
    failures += not ok
    print(f"{label:34} {' '.join(f'[{a},{b})' for a, b in ranges):44} {f.get('joints', '-'):>6} "
          f"{'exact' if ok else 'DIFFERS':>8}")

print('\n(b) other joints; SNR in dB over the replaced frames and the one after them, against the clips\' own sound')
print(f"{'case':34} {'joint':>5} {'frames':>6} {'moved':>5} {'outside':>8} {'SNR':>6} {'lame-b':>11} {'lame 256':>8} "
      f"{'step':>6} {'neigh':>6} {'clips':>6} {'lame':>6}")
joints = [
    ('CBR 128: two ranges of one file', [(S1, 1000, 6000), (S1, 12000, 18000)], '128'),
    ('CBR 128: two files', [(S1, 2000, 8000), (S2, 10000, 16000)], '128'),
    ('CBR 128: three clips, two files', [(S1, 3000, 7000), (S2, 4000, 9000), (S1, 20000, 26000)], '128'),
    ('CBR 128 then VBR -V2', [(S1, 5000, 11000), (S3, 8000, 14000)], '128'),
    ('CBR 320: CBR 320 then CBR 128', [(S4, 6000, 12000), (S2, 1000, 7000)], '320'),
    ('no LAME tag then CBR 128', [(S5, 4000, 10000), (S1, 15000, 21000)], '128'),
    ('MPEG-2 mono: two files', [(M1, 2000, 8000), (M2, 9000, 15000)], '64'),
    ('MPEG-2 mono: two ranges of one file', [(M1, 1000, 5000), (M1, 14000, 20000)], '64'),
]
for label, specs, rate in joints:
    out = os.path.join(work, 'join.mp3')
    clips_dir = os.path.join(work, 'clips')
    f, ranges = copyjoin(out, specs, clips_dir)
    if f.get('outcome') != 'copied':
        failures += 1
        print(f'{label:34} not copied: {f.get("why")}')
        continue
    ch = MP3[names[specs[0][0]]][1]
    clip_wavs = [read_wav(os.path.join(clips_dir, f'clip{i + 1}.wav')) for i in range(len(specs))]
    # Pieces: clips that go on in one source are one piece.
    pieces = []
    for (src, _, _), (a, b), pcm in zip(specs, ranges, clip_wavs):
        if pieces and pieces[-1]['src'] == src and pieces[-1]['last'] == a:
            pieces[-1]['last'] = b
            pieces[-1]['pcm'].extend(pcm)
        else:
            pieces.append({'src': src, 'first': a, 'last': b, 'pcm': array.array('h', pcm), 'from': 0, 'cut': 0})
    spf = facts(specs[0][0])[1]
    # The later piece keeps its place in the frame grid: the overlap goes half to each side.
    for p, q in zip(pieces, pieces[1:]):
        ov = (p['last'] + facts(p['src'])[0] - q['first'] - facts(q['src'])[0]) % spf
        p['cut'], q['from'] = (ov + 1) // 2, ov // 2
        q['moved'] = ov
    want_exact, want_clips, seams = array.array('h'), array.array('h'), []
    for p in pieces:
        a, b = p['first'] + p['from'], p['last'] - p['cut']
        want_exact.extend(decoded[p['src']][a * ch:b * ch])
        n = p['last'] - p['first']
        want_clips.extend(p['pcm'][p['from'] * ch:(n - p['cut']) * ch])
        seams.append(len(want_exact) // ch)
    seams.pop()
    got = ffmpeg(out)
    if len(got) != len(want_exact) or int(f['samples']) * ch != len(got):
        failures += 1
        print(f'{label:34} length {len(got) // ch}, expected {len(want_exact) // ch}')
        continue
    # The replaced frames, and the frames after them that overlap with them (one MPEG-1
    # frame, two MPEG-2 ones).
    skip_out = int(f['skip'])
    spans = [tuple(map(int, x.split('-'))) for x in f['joint_frames'].split(',')]
    regions = []
    for (lo, end) in spans:
        hi = end - 1
        after = 1 if spf == 1152 else 2
        regions.append((max(0, lo * spf - skip_out), (hi + 1 + after) * spf - skip_out))
    # Exact outside the regions.
    bounds = [0] + [x for r in regions for x in r] + [len(got) // ch]
    outside = sum(got[bounds[i] * ch:bounds[i + 1] * ch] != want_exact[bounds[i] * ch:bounds[i + 1] * ch]
                  for i in range(0, len(bounds), 2))
    joined_wav = os.path.join(work, 'joined.wav')
    write_wav(joined_wav, want_clips, ch, 44100 if spf == 1152 else 22050)
    plain = ffmpeg(lame(joined_wav, 'plain.mp3', ['-b', rate]))
    plain256 = ffmpeg(lame(joined_wav, 'plain256.mp3', ['-b', '256' if spf == 1152 else '128']))
    for j, (lo, hi) in enumerate(regions):
        s_join = snr(want_clips, got, lo * ch, hi * ch)
        s_plain = snr(want_clips, plain, lo * ch, hi * ch)
        s_256 = snr(want_clips, plain256, lo * ch, hi * ch)
        step = max_step(got, ch, lo, hi)
        neigh = max(max_step(got, ch, lo - 4 * spf, lo), max_step(got, ch, hi, hi + 4 * spf))
        own = max_step(want_clips, ch, lo, hi)
        faults = [why for why, bad in (('INEXACT', outside != 0), ('SNR', s_join < s_plain),
                                       ('STEP', step > max(neigh, own)), ('SEAM', not lo <= seams[j] < hi)) if bad]
        failures += bool(faults)
        print(f"{label if j == 0 else '':34} {j + 1:>5} {spans[j][1] - spans[j][0]:>6} {pieces[j + 1]['moved']:>5} "
              f"{'exact' if outside == 0 else f'{outside} bad':>8} {s_join:6.1f} {f'{s_plain:5.1f} ({rate})':>11} "
              f"{s_256:8.1f} {step:6} {neigh:6} {own:6} {max_step(plain, ch, lo, hi):6}"
              f"{'  ' + ' '.join(faults) if faults else ''}")

print('\n(c) timing: 10 minutes joined from two 10-minute 128 kbit/s files, 3 clips, 2 joints')
def long_music(name, seed):
    path = os.path.join(work, name)
    run('sox', music('pattern.wav', 44100, 2, 30, seed), path, 'repeat', '19')
    return path


L1, L2 = long_music('l1.wav', 11), long_music('l2.wav', 12)
L1, L2 = lame(L1, 'l1.mp3', ['-b', '128']), lame(L2, 'l2.mp3', ['-b', '128'])
specs = [(L1, 0, 240000), (L2, 60000, 240000), (L1, 300000, 480000)]
out = os.path.join(work, 'long.mp3')
clips_dir = os.path.join(work, 'longclips')
seconds = []
for _ in range(3):
    f, ranges = copyjoin(out, specs, clips_dir)
    if f.get('outcome') != 'copied':
        sys.exit(f'the long join was not copied: {f}')
    seconds.append(float(f['seconds']))
join_s = statistics.median(seconds)
joined = array.array('h')
for i in range(len(specs)):
    joined.extend(read_wav(os.path.join(clips_dir, f'clip{i + 1}.wav')))
joined_wav = os.path.join(work, 'longjoined.wav')
write_wav(joined_wav, joined, 2, 44100)
del joined


def timed(*cmd):
    t = time.perf_counter()
    run(*cmd)
    return time.perf_counter() - t


lame_s = timed('lame', '--quiet', '-b', '128', joined_wav, os.path.join(work, 'lame.mp3'))
listing = os.path.join(work, 'concat.txt')
with open(listing, 'w') as w:
    for src, a, b in specs:
        w.write(f"file '{src}'\ninpoint {a / 1000}\noutpoint {b / 1000}\n")
ffmpeg_s = statistics.median(timed('ffmpeg', '-v', 'error', '-y', '-f', 'concat', '-safe', '0', '-i', listing, '-c', 'copy',
                                   os.path.join(work, 'ffmpeg.mp3')) for _ in range(3))
print(f'copyjoin, the join alone (median of 3, synced) {join_s:.4f} s   joints={f["joints"]}')
print(f'lame -b 128 of the joined WAV                  {lame_s:.3f} s   lame/copyjoin {lame_s / join_s:.0f}x')
print(f'ffmpeg concat demuxer, -c copy (median of 3)   {ffmpeg_s:.4f} s   copyjoin/ffmpeg {join_s / ffmpeg_s:.2f}')
print('all checks pass' if failures == 0 else f'{failures} failures')
shutil.rmtree(work)
sys.exit(1 if failures else 0)
