#!/usr/bin/env python3
"""Makes the web page's static folder: copies the page's files, converts the
Qt Linguist translations to one JSON file per language, draws the icons from
the SVG, and writes the service worker's list of files, named after a hash
of them all, so that a new version takes effect at the next start."""
import argparse
import hashlib
import json
import os
import shutil
import subprocess
import xml.etree.ElementTree as ElementTree


def translations(ts_file):
    """{context: {source: translation}} of the finished messages."""
    table = {}
    for context in ElementTree.parse(ts_file).getroot().iter('context'):
        name = context.findtext('name')
        for message in context.iter('message'):
            translation = message.find('translation')
            if translation is None or translation.get('type') in ('unfinished', 'vanished', 'obsolete'):
                continue
            table.setdefault(name, {})[message.findtext('source')] = translation.text or ''
    return table


def texts_the_page_asks_for(page):
    """(context, text) of every text the page's files name for translation:
    data-tr="CONTEXT|TEXT" (and data-tr-placeholder) in the HTML, tr('CONTEXT', 'TEXT') and
    label(...) and web('TEXT') in the scripts."""
    import html
    import re
    asked = set()
    for name in os.listdir(page):
        path = os.path.join(page, name)
        with open(path, encoding='utf-8') as f:
            text = f.read()
        if name.endswith('.html'):
            for value in re.findall(r'data-tr(?:-placeholder)?="([^"]*)"', text):
                context, _, source = html.unescape(value).partition('|')
                asked.add((context, source))
            for value in re.findall(r'data-web="([^"]*)"', text):
                asked.add(('Web', html.unescape(value)))
        elif name.endswith('.js'):
            unescape = lambda t: re.sub(r'\\u([0-9a-fA-F]{4})', lambda m: chr(int(m.group(1), 16)), t)
            for context, source in re.findall(r"\b(?:tr|label)\(\s*'([^']*)',\s*'([^']*)'\s*\)", text):
                asked.add((context, unescape(source)))
            for source in re.findall(r"\bweb\(\s*'([^']*)'", text):
                asked.add(('Web', unescape(source)))
    return asked


def check_page_texts(page, ts_file):
    """Every text the page asks for is one the translations know, so that a
    renamed context or a changed text fails the build instead of leaving
    the page in English."""
    known = set()
    for context in ElementTree.parse(ts_file).getroot().iter('context'):
        for message in context.iter('message'):
            known.add((context.findtext('name'), message.findtext('source')))
    missing = sorted(texts_the_page_asks_for(page) - known)
    if missing:
        raise SystemExit('make_site.py: the page asks for texts no translation has: ' +
                         '; '.join(f'{c}|{t}' for c, t in missing))


def draw_icon(svg, out, size, maskable=False):
    if not maskable:
        subprocess.run(['rsvg-convert', '-w', str(size), '-h', str(size), '-o', out, svg], check=True)
        return
    # A maskable icon keeps its picture inside the middle 80 %: the picture
    # at 70 %, centred on the face's dark grey.
    inner = round(size * 0.7)
    picture = out + '.inner.png'
    subprocess.run(['rsvg-convert', '-w', str(inner), '-h', str(inner), '-o', picture, svg], check=True)
    with open(picture, 'rb') as f:
        data = f.read()
    os.remove(picture)
    import base64
    wrapper = ('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
               f'width="{size}" height="{size}"><rect width="{size}" height="{size}" fill="#3c3c3c"/>'
               f'<image x="{(size - inner) // 2}" y="{(size - inner) // 2}" width="{inner}" height="{inner}" '
               f'xlink:href="data:image/png;base64,{base64.b64encode(data).decode()}"/></svg>')
    wrapped = out + '.svg'
    with open(wrapped, 'w') as f:
        f.write(wrapper)
    subprocess.run(['rsvg-convert', '-w', str(size), '-h', str(size), '-o', out, wrapped], check=True)
    os.remove(wrapped)


def png_size(path):
    with open(path, 'rb') as f:
        head = f.read(24)
    if head[:8] != b'\x89PNG\r\n\x1a\n':
        raise SystemExit(f'make_site.py: {path} is no PNG')
    return int.from_bytes(head[16:20], 'big'), int.from_bytes(head[20:24], 'big')


def add_screenshots(out, screenshots):
    """Copies the pictures into screenshots/ and names them in the manifest
    with their true sizes."""
    manifest_path = os.path.join(out, 'manifest.webmanifest')
    with open(manifest_path, encoding='utf-8') as f:
        manifest = json.load(f)
    os.makedirs(os.path.join(out, 'screenshots'), exist_ok=True)
    entries = []
    for given in screenshots:
        form_factor, _, path = given.partition('=')
        name = f'{form_factor}.png'
        shutil.copyfile(path, os.path.join(out, 'screenshots', name))
        width, height = png_size(path)
        entries.append({'src': f'screenshots/{name}', 'sizes': f'{width}x{height}', 'type': 'image/png',
                        'form_factor': form_factor, 'label': 'Tabrix'})
    manifest['screenshots'] = entries
    with open(manifest_path, 'w', encoding='utf-8') as f:
        json.dump(manifest, f, ensure_ascii=False, indent=2)
        f.write('\n')


def main():
    parser = argparse.ArgumentParser()
    for option in ('--page', '--translations', '--icon', '--version', '--out'):
        parser.add_argument(option, required=True)
    parser.add_argument('--screenshot', action='append', default=[],
                        help='FORM_FACTOR=PNG: a picture of the page for the install dialog (narrow, wide)')
    args = parser.parse_args()
    out = args.out

    shutil.copytree(args.page, out, dirs_exist_ok=True, ignore=shutil.ignore_patterns('sw.js'))
    # The page knows its version.
    for folder, _, names in os.walk(out):
        for name in names:
            if name.endswith(('.js', '.html')) and name != 'tabrix.js':
                path = os.path.join(folder, name)
                with open(path, encoding='utf-8') as f:
                    text = f.read()
                if '__TABRIX_VERSION__' in text:
                    with open(path, 'w', encoding='utf-8') as f:
                        f.write(text.replace('__TABRIX_VERSION__', args.version))

    check_page_texts(args.page, os.path.join(args.translations, 'tabrix_de.ts'))
    os.makedirs(os.path.join(out, 'i18n'), exist_ok=True)
    for name in sorted(os.listdir(args.translations)):
        if name.startswith('tabrix_') and name.endswith('.ts'):
            language = name[len('tabrix_'):-len('.ts')]
            with open(os.path.join(out, 'i18n', language + '.json'), 'w', encoding='utf-8') as f:
                json.dump(translations(os.path.join(args.translations, name)), f, ensure_ascii=False,
                          separators=(',', ':'), sort_keys=True)

    os.makedirs(os.path.join(out, 'icons'), exist_ok=True)
    shutil.copyfile(args.icon, os.path.join(out, 'icons', 'tabrix.svg'))
    for size in (32, 192, 512):
        draw_icon(args.icon, os.path.join(out, 'icons', f'tabrix-{size}.png'), size)
    draw_icon(args.icon, os.path.join(out, 'icons', 'tabrix-maskable-512.png'), 512, maskable=True)

    add_screenshots(out, args.screenshot)

    # Every file of the site, and a hash of them all for the cache's name.
    files = []
    digest = hashlib.sha256(args.version.encode())
    for folder, _, names in os.walk(out):
        for name in sorted(names):
            path = os.path.join(folder, name)
            relative = os.path.relpath(path, out).replace(os.sep, '/')
            if relative == 'sw.js':
                continue
            files.append(relative)
            with open(path, 'rb') as f:
                digest.update(relative.encode() + b'\0' + f.read())
    files.sort()
    with open(os.path.join(args.page, 'sw.js'), encoding='utf-8') as f:
        worker = f.read()
    worker = worker.replace('__TABRIX_CACHE__', json.dumps('tabrix-' + args.version + '-' + digest.hexdigest()[:12]))
    worker = worker.replace('__TABRIX_FILES__', json.dumps(['./'] + files))
    with open(os.path.join(out, 'sw.js'), 'w', encoding='utf-8') as f:
        f.write(worker)


if __name__ == '__main__':
    main()
