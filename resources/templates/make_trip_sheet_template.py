#!/usr/bin/env python3
"""Writes Transport_kelionės_lapas.docx and Transport_kelionės_lapas.odt, the
trip sheet templates shipped in the Templates folder: every text placeholder
and the four table placeholders, one layout in both kinds.

Run it again after changing the layout below; the output is byte-for-byte
reproducible (fixed entry dates and order).

    python3 make_trip_sheet_template.py [OUTPUT.docx [OUTPUT.odt]]
"""
import sys
import zipfile
from xml.sax.saxutils import escape

# The layout, the same in both kinds: paragraphs of runs (text, bold, size in
# points), an alignment and the space after in twips.
def run(text, bold=False, size=None):
    return (text, bold, size)


def paragraph(*runs, align=None, after=60):
    return (runs, align, after)


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

# The Word document.
W = 'http://schemas.openxmlformats.org/wordprocessingml/2006/main'
STAMP = (2026, 1, 1, 0, 0, 0)


def docx_run(text, bold, size):
    props = ''
    if bold:
        props += '<w:b/><w:bCs/>'
    if size:
        props += f'<w:sz w:val="{size * 2}"/><w:szCs w:val="{size * 2}"/>'
    props = f'<w:rPr>{props}</w:rPr>' if props else ''
    return f'<w:r>{props}<w:t xml:space="preserve">{escape(text)}</w:t></w:r>'


def docx_paragraph(runs, align, after):
    props = f'<w:spacing w:before="0" w:after="{after}"/>'
    if align:
        props += f'<w:jc w:val="{align}"/>'
    return f'<w:p><w:pPr>{props}</w:pPr>{"".join(docx_run(*r) for r in runs)}</w:p>'


# A4, margins of 0,9 cm so the widest table (19,1 cm) fits.
section = ('<w:sectPr><w:pgSz w:w="11906" w:h="16838"/>'
           '<w:pgMar w:top="850" w:right="510" w:bottom="850" w:left="510" w:header="567" w:footer="567" w:gutter="0"/>'
           '</w:sectPr>')

document = ('<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'
            f'<w:document xmlns:w="{W}" '
            'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">'
            f'<w:body>{"".join(docx_paragraph(*p) for p in body)}{section}</w:body></w:document>')

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

docx_parts = [
    ('[Content_Types].xml', content_types),
    ('_rels/.rels', package_rels),
    ('word/document.xml', document),
    ('word/_rels/document.xml.rels', document_rels),
    ('word/styles.xml', styles),
]

# The OpenDocument text: the same paragraphs, their looks as automatic styles.
OFFICE = ('xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
          'xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" '
          'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
          'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
          'xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" '
          'xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0" '
          'office:version="1.3"')
ODT_TYPE = 'application/vnd.oasis.opendocument.text'


def points(twips):
    return f'{twips / 20:g}pt'


def text_properties(bold, size):
    props = ''
    if bold:
        props += 'fo:font-weight="bold" style:font-weight-asian="bold" style:font-weight-complex="bold" '
    if size:
        props += f'fo:font-size="{size}pt" style:font-size-asian="{size}pt" style:font-size-complex="{size}pt" '
    return f'<style:text-properties {props.strip()}/>'


paragraph_styles = {}  # (align, after) -> name
span_styles = {}  # (bold, size) -> name
for runs, align, after in body:
    paragraph_styles.setdefault((align, after), f'P{len(paragraph_styles) + 1}')
    for _, bold, size in runs:
        if bold or size:
            span_styles.setdefault((bold, size), f'T{len(span_styles) + 1}')

automatic = ''
for (align, after), name in paragraph_styles.items():
    align_attr = f' fo:text-align="{align}"' if align else ''
    automatic += (f'<style:style style:name="{name}" style:family="paragraph" style:parent-style-name="Standard">'
                  f'<style:paragraph-properties fo:margin-top="0pt" fo:margin-bottom="{points(after)}"{align_attr}/>'
                  '</style:style>')
for (bold, size), name in span_styles.items():
    automatic += f'<style:style style:name="{name}" style:family="text">{text_properties(bold, size)}</style:style>'


def odt_run(text, bold, size):
    text = escape(text)
    if bold or size:
        return f'<text:span text:style-name="{span_styles[(bold, size)]}">{text}</text:span>'
    return text


def odt_paragraph(runs, align, after):
    return (f'<text:p text:style-name="{paragraph_styles[(align, after)]}">'
            f'{"".join(odt_run(*r) for r in runs)}</text:p>')


content = ('<?xml version="1.0" encoding="UTF-8"?>\n'
           f'<office:document-content {OFFICE}><office:automatic-styles>{automatic}</office:automatic-styles>'
           f'<office:body><office:text>{"".join(odt_paragraph(*p) for p in body)}</office:text></office:body>'
           '</office:document-content>')

# A4 with the margins of the Word template; Arial 10 pt, Lithuanian.
odt_styles = ('<?xml version="1.0" encoding="UTF-8"?>\n'
              f'<office:document-styles {OFFICE}><office:styles>'
              '<style:default-style style:family="paragraph">'
              '<style:paragraph-properties fo:margin-top="0pt" fo:margin-bottom="3pt"/>'
              '<style:text-properties fo:font-family="Arial" style:font-family-asian="Arial" '
              'style:font-family-complex="Arial" fo:font-size="10pt" style:font-size-asian="10pt" '
              'style:font-size-complex="10pt" fo:language="lt" fo:country="LT"/></style:default-style>'
              '<style:style style:name="Standard" style:family="paragraph" style:class="text"/>'
              '</office:styles><office:automatic-styles><style:page-layout style:name="Page">'
              '<style:page-layout-properties fo:page-width="21.001cm" fo:page-height="29.7cm" '
              f'fo:margin-top="{points(850)}" fo:margin-bottom="{points(850)}" '
              f'fo:margin-left="{points(510)}" fo:margin-right="{points(510)}"/>'
              '</style:page-layout></office:automatic-styles><office:master-styles>'
              '<style:master-page style:name="Standard" style:page-layout-name="Page"/>'
              '</office:master-styles></office:document-styles>')

manifest = ('<?xml version="1.0" encoding="UTF-8"?>\n'
            '<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" '
            'manifest:version="1.3">'
            f'<manifest:file-entry manifest:full-path="/" manifest:media-type="{ODT_TYPE}"/>'
            '<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>'
            '<manifest:file-entry manifest:full-path="styles.xml" manifest:media-type="text/xml"/>'
            '</manifest:manifest>')

# The media type comes first and uncompressed, where readers look for it.
odt_parts = [
    ('mimetype', ODT_TYPE),
    ('META-INF/manifest.xml', manifest),
    ('content.xml', content),
    ('styles.xml', odt_styles),
]


def write(output, parts):
    with zipfile.ZipFile(output, 'w') as archive:
        for name, text in parts:
            info = zipfile.ZipInfo(name, date_time=STAMP)
            info.compress_type = zipfile.ZIP_STORED if name == 'mimetype' else zipfile.ZIP_DEFLATED
            archive.writestr(info, text.encode('utf-8'))


write(sys.argv[1] if len(sys.argv) > 1 else 'Transport_kelionės_lapas.docx', docx_parts)
write(sys.argv[2] if len(sys.argv) > 2 else 'Transport_kelionės_lapas.odt', odt_parts)
