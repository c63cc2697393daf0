#!/usr/bin/env python3
"""Draws every picture the program and its sample class carry.

Run from anywhere:  python3 tools/assets/make_assets.py [skin] [icon] [builtin] [class]
(no argument: everything). Needs Python 3 (standard library only) and
ImageMagick's `convert` on the PATH for the JPEG encoding. The output is the
same on every run: all variation comes from fixed seeds.

Writes, relative to the repository root:
  assets/skin/*.png           the skin engine's twelve images (8-bit RGBA)
  assets/icon/rollcall-N.png  the icon drawn at each size
  assets/rollcall.ico         those sizes in one icon (32-bit with alpha)
  assets/builtin_picture.jpg  the photo box's picture before the first draw
  examples/class/ming.txt     thirty names, code page 936, CR LF
  examples/class/img/背景.jpg  the window background
  examples/class/img/N.jpg    one portrait per roster line
"""

import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.dont_write_bytecode = True  # keep the source folder free of caches

import raster  # noqa: E402

ROOT = os.path.normpath(os.path.join(HERE, '..', '..'))
JPEG_QUALITY = 85


def out(*parts):
    p = os.path.join(ROOT, *parts)
    os.makedirs(os.path.dirname(p), exist_ok=True)
    return p


def write_jpeg(canvas, filename, quality=JPEG_QUALITY):
    """Baseline JPEG without metadata, 4:2:0, via ImageMagick."""
    with tempfile.TemporaryDirectory() as tmp:
        src = os.path.join(tmp, 'in.ppm')
        raster.write_ppm(canvas, src)
        subprocess.run(['convert', src, '-strip', '-quality', str(quality),
                        '-sampling-factor', '2x2,1x1,1x1', '-interlace', 'none',
                        'jpg:' + filename], check=True)


def make_skin():
    import skin_images
    for name, draw in skin_images.IMAGES:
        raster.write_png(draw(), out('assets', 'skin', name))


def make_icon():
    import icon
    icon.build(os.path.dirname(out('assets', 'icon', 'rollcall-16.png')), out('assets', 'rollcall.ico'))


def make_builtin():
    import scenes
    write_jpeg(scenes.builtin_picture(), out('assets', 'builtin_picture.jpg'))


def make_class():
    import scenes
    import avatars
    import roster
    roster.write(out('examples', 'class', 'ming.txt'))
    write_jpeg(scenes.background(), out('examples', 'class', 'img', '背景.jpg'))
    for k in range(1, len(roster.NAMES) + 1):
        write_jpeg(avatars.portrait(k), out('examples', 'class', 'img', '%d.jpg' % k))


STEPS = {'skin': make_skin, 'icon': make_icon, 'builtin': make_builtin, 'class': make_class}

if __name__ == '__main__':
    wanted = sys.argv[1:] or list(STEPS)
    for step in wanted:
        if step not in STEPS:
            sys.exit('unknown step %r; choose from %s' % (step, ' '.join(STEPS)))
        STEPS[step]()
