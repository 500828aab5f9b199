#!/usr/bin/env python3
"""Exactness of `trevisto-bench copycut` over a matrix of sources and ranges.

For each source (made with the lame command) and each range [a, b) of its samples, the
copy is decoded by ffmpeg and by mpg123 and compared with the same decoder's decode of
the source over [a, b): ffmpeg bit for bit, mpg123 as the largest step of difference.

usage: copycut-matrix.py BUILD/bin/trevisto-bench
"""
import array, os, re, subprocess, sys, tempfile

bench = os.path.abspath(sys.argv[1])
work = tempfile.mkdtemp(prefix='copycut-matrix-')

def run(*cmd, **kw):
    return subprocess.run(cmd, check=True, capture_output=True, **kw).stdout

def pcm(data):
    a = array.array('h')
    a.frombytes(data)
    return a

def ffmpeg(path):
    return pcm(run('ffmpeg', '-v', 'error', '-i', path, '-f', 's16le', '-acodec', 'pcm_s16le', '-'))

def mpg123(path):
    return pcm(run('mpg123', '-q', '-s', path))

def wav(name, rate, channels, seconds):
    path = os.path.join(work, name)
    run('sox', '-n', '-r', str(rate), '-c', str(channels), '-b', '16', path, 'synth', str(seconds),
        'pinknoise', 'vol', '0.4')
    return path

stereo, mono22 = wav('s.wav', 44100, 2, 20), wav('m.wav', 22050, 1, 20)
sources = [
    ('CBR 128', stereo, ['-b', '128']),
    ('CBR 320', stereo, ['-b', '320']),
    ('VBR -V2', stereo, ['-V', '2']),
    ('MPEG-2 mono 22.05 kHz', mono22, ['-m', 'm', '-b', '64']),
    ('no LAME tag', stereo, ['-b', '128', '-t']),
    ('ID3v2 and ID3v1', stereo, ['-b', '128', '--add-id3v2', '--tt', 'Title', '--ta', 'Artist', '--tl', 'Album']),
    ('CRC', stereo, ['-b', '128', '-p']),
]

print(f"{'source':24} {'range':24} {'ffmpeg':>8} {'mpg123':>8}")
failures = 0
for name, source_wav, options in sources:
    src = os.path.join(work, 'src.mp3')
    run('lame', '--quiet', *options, source_wav, src)
    probe = run(bench, 'copycut', '--no-sync', '--samples', src, os.path.join(work, 'probe.mp3'), '0', '5000').decode()
    facts = dict(re.findall(r'(\w+)=([\d.]+)', probe))
    n, skip, spf = int(facts['samples']), int(facts['skip']), int(facts['spf'])
    channels = 1 if 'mono' in name else 2
    ref_ff, ref_mp = ffmpeg(src), mpg123(src)
    boundary = 40 * spf - skip
    ranges = [('from 0', 0, n // 2), ('mid', n // 3, 2 * n // 3), ('frame boundary', boundary, boundary + 30 * spf),
              ('boundary + 1', boundary + 1, boundary + 30 * spf), ('to the end', n // 2 + 7, n)]
    for label, a, b in ranges:
        out = os.path.join(work, 'out.mp3')
        run(bench, 'copycut', '--no-sync', '--samples', src, out, str(a), str(b))
        got_ff, got_mp = ffmpeg(out), mpg123(out)
        want_ff = ref_ff[a * channels:b * channels]
        want_mp = ref_mp[a * channels:b * channels]
        ff_ok = got_ff == want_ff
        if len(got_mp) == len(want_mp):
            step = max((abs(x - y) for x, y in zip(got_mp, want_mp)), default=0)
            mp = f'±{step}'
        else:
            step = None
            mp = f'len {len(got_mp) // channels}'
        failures += (not ff_ok) + (step is None or step > 1)
        print(f"{name:24} {label + f' [{a},{b})':24} {'exact' if ff_ok else 'DIFFERS':>8} {mp:>8}")
print('all exact' if failures == 0 else f'{failures} failures')
sys.exit(1 if failures else 0)
