#!/usr/bin/env python3
"""Writes Transport_kelionės_lapas.docx, the trip sheet template shipped in the
Templates folder: every text placeholder and the four table placeholders.

Run it again after changing the layout below; the output is byte-for-byte
reproducible (fixed entry dates and order).

    python3 make_trip_sheet_template.py [OUTPUT]
"""
import sys
import zipfile
from xml.sax.saxutils import escape

W = 'http://schemas.openxmlformats.org/wordprocessingml/2006/main'
STAMP = (2026, 1, 1, 0, 0, 0)


def run(text, bold=False, size=None):
    props = ''
    if bold:
        props += '<w:b/><w:bCs/>'
    if size:
        props += f'<w:sz w:val="{size * 2}"/><w:szCs w:val="{size * 2}"/>'
    props = f'<w:rPr>{props}</w:rPr>' if props else ''
    return f'<w:r>{props}<w:t xml:space="preserve">{escape(text)}</w:t></w:r>'


def paragraph(*runs, align=None, after=60):
    props = f'<w:spacing w:before="0" w:after="{after}"/>'
    if align:
        props += f'<w:jc w:val="{align}"/>'
    return f'<w:p><w:pPr>{props}</w:pPr>{"".join(runs)}</w:p>'


def line(label, placeholder, unit=''):
    return paragraph(run(label), run(placeholder, bold=True), run(unit))


def heading(text):
    return paragraph(run(text, bold=True, size=11), after=40)


body = [
    paragraph(run('KELIONĖS LAPAS Nr. ', bold=True, size=14), run('{Numeris}', bold=True, size=14),
              align='center', after=200),
    line('Pradžios data: ', '{Data}'),
    line('Pabaigos data: ', '{Pabaigos data}'),
    line('Kodas: ', '{Kodas}'),
    line('Automobilis: ', '{Automobilis}'),
    line('Valstybinis numeris: ', '{Automobilio numeris}'),
    line('Vairuotojas: ', '{Vairuotojas}'),
    paragraph(),
    line('Spidometro parodymai pradžioje: ', '{Spidometro parodymai pradžioje}', ' km'),
    line('Nuvažiuotas atstumas: ', '{Nuvažiuotas atstumas}', ' km'),
    line('Nuvažiuota savo sąskaita: ', '{Nuvažiuota savo sąskaita}', ' km'),
    line('Spidometro parodymai pabaigoje: ', '{Spidometro parodymai pabaigoje}', ' km'),
    paragraph(),
    heading('Atkarpos'), paragraph(run('{Atkarpos}')),
    heading('Čekiai'), paragraph(run('{Čekiai}')),
    heading('Kuro sunaudojimo normų suvestinė'), paragraph(run('{Normos}')),
    heading('Kuro bakai'), paragraph(run('{Kuro bakai}')),
    paragraph(),
    paragraph(run('Vairuotojas ______________________ '), run('{Vairuotojas}')),
    paragraph(run('Lapą išdavė ______________________')),
]

# A4, margins of 0,9 cm so the widest table (19,1 cm) fits.
section = ('<w:sectPr><w:pgSz w:w="11906" w:h="16838"/>'
           '<w:pgMar w:top="850" w:right="510" w:bottom="850" w:left="510" w:header="567" w:footer="567" w:gutter="0"/>'
           '</w:sectPr>')

document = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
            f'<w:document xmlns:w="{W}" '
            'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">'
            f'<w:body>{"".join(body)}{section}</w:body></w:document>')

styles = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
          f'<w:styles xmlns:w="{W}"><w:docDefaults><w:rPrDefault><w:rPr>'
          '<w:rFonts w:ascii="Arial" w:hAnsi="Arial" w:cs="Arial" w:eastAsia="Arial"/>'
          '<w:sz w:val="20"/><w:szCs w:val="20"/><w:lang w:val="lt-LT"/></w:rPr></w:rPrDefault>'
          '<w:pPrDefault><w:pPr><w:spacing w:after="60" w:line="240" w:lineRule="auto"/></w:pPr></w:pPrDefault>'
          '</w:docDefaults><w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/></w:style>'
          '</w:styles>')

content_types = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
                 '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
                 '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
                 '<Default Extension="xml" ContentType="application/xml"/>'
                 '<Override PartName="/word/document.xml" '
                 'ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/>'
                 '<Override PartName="/word/styles.xml" '
                 'ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"/>'
                 '</Types>')

package_rels = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
                '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
                '<Relationship Id="rId1" '
                'Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" '
                'Target="word/document.xml"/></Relationships>')

document_rels = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
                 '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">'
                 '<Relationship Id="rId1" '
                 'Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" '
                 'Target="styles.xml"/></Relationships>')

parts = [
    ('[Content_Types].xml', content_types),
    ('_rels/.rels', package_rels),
    ('word/document.xml', document),
    ('word/_rels/document.xml.rels', document_rels),
    ('word/styles.xml', styles),
]

output = sys.argv[1] if len(sys.argv) > 1 else 'Transport_kelionės_lapas.docx'
with zipfile.ZipFile(output, 'w', zipfile.ZIP_DEFLATED) as archive:
    for name, text in parts:
        info = zipfile.ZipInfo(name, date_time=STAMP)
        info.compress_type = zipfile.ZIP_DEFLATED
        archive.writestr(info, text.encode('utf-8'))
