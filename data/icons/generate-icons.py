#!/usr/bin/env python3
# Run: data/icons/generate-icons.py data/icons (rewrites every SVG below).
# Writes the project's fallback icons (24x24 SVG).
import os, sys
out = sys.argv[1]
INK = "#2e3436"; BLUE = "#3465a4"; RED = "#cc0000"; GREEN = "#4e9a06"; YEL = "#edd400"; GREY = "#888a85"; PAPER = "#ffffff"; ORANGE="#f57900"

def svg(body):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="24" height="24" viewBox="0 0 24 24">\n'
            + body + '\n</svg>\n')

def s(**kw):
    return " ".join('%s="%s"' % (k.replace("_", "-"), v) for k, v in kw.items())

page = '<path d="M5 2.5h9l5 5v14H5z" fill="%s" stroke="%s"/><path d="M14 2.5v5h5" fill="none" stroke="%s"/>' % (PAPER, INK, INK)
screen = '<rect x="2.5" y="4.5" width="19" height="13" rx="1" fill="#d3d7cf" stroke="%s"/><rect x="4.5" y="6.5" width="15" height="9" fill="#eef5e0" stroke="%s" stroke-width="0.6"/>' % (INK, INK)
def plus(x, y, c=GREEN):
    return '<path d="M%g %gh6M%g %gv6" stroke="%s" stroke-width="2"/>' % (x-3, y, x, y-3, c)
def cross(x, y, c=RED):
    return '<path d="M%g %gl5 5M%g %gl-5 5" stroke="%s" stroke-width="2"/>' % (x-2.5, y-2.5, x+2.5, y-2.5, c)
def arrow(direction, c=BLUE):
    d = {"left": "M4 12l7-7v4h9v6h-9v4z", "right": "M20 12l-7-7v4H4v6h9v4z",
         "up": "M12 4l-7 7h4v9h6v-9h4z", "down": "M12 20l-7-7h4V4h6v9h4z"}[direction]
    return '<path d="%s" fill="%s" stroke="%s" stroke-linejoin="round"/>' % (d, c, INK)

icons = {}
A = icons
A["actions/balsar-new-project"] = page + plus(16, 17)
A["actions/balsar-open-project"] = '<path d="M2.5 6.5v13h16l3-9h-16l-3 9" fill="%s" stroke="%s" stroke-linejoin="round"/><path d="M2.5 6.5v-2h6l2 2h8v4" fill="#fce94f" stroke="%s"/>' % (YEL, INK, INK)
A["actions/balsar-close-project"] = page + cross(16, 17)
A["actions/balsar-save-project"] = '<path d="M3.5 3.5h14l3 3v14h-17z" fill="%s" stroke="%s"/><rect x="7.5" y="3.5" width="9" height="6" fill="%s" stroke="%s"/><rect x="6.5" y="13.5" width="11" height="7" fill="%s" stroke="%s"/>' % (BLUE, INK, PAPER, INK, PAPER, INK)
A["actions/balsar-save-project-as"] = A["actions/balsar-save-project"] + '<path d="M13 21l1-3 7-7 2 2-7 7z" fill="%s" stroke="%s"/>' % (ORANGE, INK)
A["actions/balsar-exit"] = '<path d="M9.5 3.5h10v17h-10" fill="none" stroke="%s" stroke-width="1.5"/><path d="M3 12h10M7 8l-4 4 4 4" fill="none" stroke="%s" stroke-width="2"/>' % (INK, RED)
A["actions/balsar-import"] = page + '<path d="M2 15h7M6 12l3 3-3 3" fill="none" stroke="%s" stroke-width="2"/>' % GREEN
A["actions/balsar-undo"] = '<path d="M8 6L3 11l5 5" fill="none" stroke="%s" stroke-width="2"/><path d="M3 11h11a6 6 0 0 1 0 12h-3" fill="none" stroke="%s" stroke-width="2" transform="translate(0 -3)"/>' % (BLUE, BLUE)
A["actions/balsar-redo"] = '<g transform="translate(24 0) scale(-1 1)">' + A["actions/balsar-undo"] + '</g>'
A["actions/balsar-cut"] = '<circle cx="7" cy="18" r="3" fill="none" stroke="%s" stroke-width="1.5"/><circle cx="17" cy="18" r="3" fill="none" stroke="%s" stroke-width="1.5"/><path d="M9 16L17 3M15 16L7 3" stroke="%s" stroke-width="1.5"/>' % (INK, INK, GREY)
A["actions/balsar-copy"] = '<rect x="3.5" y="3.5" width="11" height="13" fill="%s" stroke="%s"/><rect x="9.5" y="7.5" width="11" height="13" fill="%s" stroke="%s"/>' % (PAPER, INK, PAPER, INK)
A["actions/balsar-paste"] = '<rect x="4.5" y="4.5" width="13" height="16" rx="1" fill="#c17d11" stroke="%s"/><rect x="8.5" y="2.5" width="5" height="4" fill="%s" stroke="%s"/><rect x="10.5" y="9.5" width="10" height="12" fill="%s" stroke="%s"/>' % (INK, GREY, INK, PAPER, INK)
A["actions/balsar-delete"] = '<path d="M6.5 7.5h11l-1 13h-9z" fill="%s" stroke="%s"/><path d="M4 5.5h16M9.5 5.5v-2h5v2" fill="none" stroke="%s" stroke-width="1.5"/><path d="M10 10v8M14 10v8" stroke="%s"/>' % (GREY, INK, INK, INK)
A["actions/balsar-select-all"] = '<rect x="3.5" y="3.5" width="17" height="17" fill="none" stroke="%s" stroke-dasharray="2 2"/><rect x="7" y="7" width="10" height="10" fill="%s"/>' % (INK, BLUE)
A["actions/balsar-select-none"] = '<rect x="3.5" y="3.5" width="17" height="17" fill="none" stroke="%s" stroke-dasharray="2 2"/>' % INK + cross(12, 12)
A["actions/balsar-bring-forward"] = '<rect x="3.5" y="3.5" width="11" height="11" fill="%s" stroke="%s"/><rect x="9.5" y="9.5" width="11" height="11" fill="%s" stroke="%s"/>' % (GREY, INK, BLUE, INK)
A["actions/balsar-send-back"] = '<rect x="9.5" y="9.5" width="11" height="11" fill="%s" stroke="%s"/><rect x="3.5" y="3.5" width="11" height="11" fill="%s" stroke="%s"/>' % (BLUE, INK, GREY, INK)
for d in ["left", "right", "up", "down"]:
    A["actions/balsar-nudge-" + d] = arrow(d)
def bars(rects, line):
    return line + "".join('<rect x="%g" y="%g" width="%g" height="%g" fill="%s" stroke="%s"/>' % (x, y, w, h, BLUE, INK) for x, y, w, h in rects)
L = lambda d: '<path d="%s" stroke="%s" stroke-width="1.5"/>' % (d, RED)
A["actions/balsar-align-left"] = bars([(4.5, 5.5, 14, 5), (4.5, 13.5, 9, 5)], L("M3.5 2v20"))
A["actions/balsar-align-hcentre"] = bars([(5.5, 5.5, 13, 5), (8.5, 13.5, 7, 5)], L("M12 2v20"))
A["actions/balsar-align-right"] = bars([(5.5, 5.5, 14, 5), (10.5, 13.5, 9, 5)], L("M20.5 2v20"))
A["actions/balsar-align-top"] = bars([(5.5, 4.5, 5, 14), (13.5, 4.5, 5, 9)], L("M2 3.5h20"))
A["actions/balsar-align-vcentre"] = bars([(5.5, 5.5, 5, 13), (13.5, 8.5, 5, 7)], L("M2 12h20"))
A["actions/balsar-align-bottom"] = bars([(5.5, 5.5, 5, 14), (13.5, 10.5, 5, 9)], L("M2 20.5h20"))
A["actions/balsar-space-horizontal"] = bars([(2.5, 7.5, 4, 9), (10.5, 7.5, 4, 9), (18.5, 7.5, 3, 9)], L("M7 20h3M15 20h3"))
A["actions/balsar-space-vertical"] = bars([(7.5, 2.5, 9, 4), (7.5, 10.5, 9, 4), (7.5, 18.5, 9, 3)], L("M20 7v3M20 15v3"))
frame = '<rect x="2.5" y="2.5" width="19" height="19" fill="none" stroke="%s"/>' % GREY
A["actions/balsar-centre-horizontal"] = frame + bars([(8.5, 5.5, 7, 5)], L("M12 2v20"))
A["actions/balsar-centre-vertical"] = frame + bars([(5.5, 8.5, 5, 7)], L("M2 12h20"))
A["actions/balsar-centre-both"] = frame + bars([(8.5, 8.5, 7, 7)], L("M12 2v20M2 12h20"))
A["actions/balsar-new-screen"] = screen + plus(18, 18)
A["actions/balsar-copy-screen"] = '<rect x="0.5" y="1.5" width="15" height="11" rx="1" fill="#d3d7cf" stroke="%s"/>' % INK + '<g transform="translate(2 4)">' + screen + '</g>'
A["actions/balsar-delete-screen"] = screen + cross(18, 18)
A["actions/balsar-screen-properties"] = screen + '<circle cx="17" cy="18" r="4" fill="%s" stroke="%s"/><path d="M17 16v4" stroke="%s" stroke-width="1.5"/>' % (PAPER, INK, BLUE)
A["actions/balsar-element-labels"] = '<path d="M2.5 7.5l5-5h13v10h-13z" fill="%s" stroke="%s" transform="translate(0 4)"/><circle cx="7" cy="11.5" r="1.5" fill="%s"/><path d="M11 10h7M11 13h5" stroke="%s"/>' % (YEL, INK, INK, INK)
A["actions/balsar-global-settings"] = '<circle cx="12" cy="12" r="6" fill="%s" stroke="%s" stroke-width="5" stroke-dasharray="3 2.3"/><circle cx="12" cy="12" r="5" fill="%s" stroke="%s"/><circle cx="12" cy="12" r="2" fill="%s" stroke="%s"/>' % (GREY, GREY, GREY, INK, PAPER, INK)
A["actions/balsar-alarm-settings"] = '<path d="M12 3l9.5 17h-19z" fill="%s" stroke="%s" stroke-linejoin="round"/><path d="M12 9v6" stroke="%s" stroke-width="2"/><circle cx="12" cy="17.5" r="1.2" fill="%s"/>' % (YEL, INK, INK, INK)
A["actions/balsar-language-settings"] = '<circle cx="12" cy="12" r="9" fill="#729fcf" stroke="%s"/><path d="M3 12h18M12 3c-4 4-4 14 0 18M12 3c4 4 4 14 0 18M5 7h14M5 17h14" fill="none" stroke="%s" stroke-width="0.8"/>' % (INK, INK)
A["actions/balsar-data-transfer"] = '<ellipse cx="7" cy="6" rx="4.5" ry="2" fill="%s" stroke="%s"/><path d="M2.5 6v10c0 2.7 9 2.7 9 0V6" fill="%s" stroke="%s"/><path d="M13 9h8M18 6l3 3-3 3M21 16h-8M16 13l-3 3 3 3" fill="none" stroke="%s" stroke-width="1.5"/>' % (GREY, INK, GREY, INK, BLUE)
A["actions/balsar-communication"] = '<rect x="2.5" y="8.5" width="19" height="8" rx="3" fill="%s" stroke="%s"/>' % (GREY, INK) + "".join('<circle cx="%g" cy="12.5" r="1" fill="%s"/>' % (x, PAPER) for x in (7, 10, 13, 16)) + '<path d="M12 8.5V3" stroke="%s" stroke-width="1.5"/>' % INK
A["actions/balsar-swap-ports"] = '<path d="M4 8h14M15 4l4 4-4 4M20 16H6M9 12l-4 4 4 4" fill="none" stroke="%s" stroke-width="2"/>' % BLUE
A["actions/balsar-offline-simulation"] = screen + '<path d="M10 8l5 3-5 3z" fill="%s"/>' % GREEN
A["actions/balsar-download"] = '<rect x="3.5" y="14.5" width="17" height="6" rx="1" fill="#d3d7cf" stroke="%s"/><rect x="5.5" y="16.5" width="8" height="2" fill="#eef5e0" stroke="%s" stroke-width="0.5"/>' % (INK, INK) + '<path d="M12 13l-5-5h3V2h4v6h3z" fill="%s" stroke="%s" stroke-linejoin="round"/>' % (GREEN, INK)
A["actions/balsar-simulator"] = screen + '<path d="M7 20.5h10M12 17.5v3" stroke="%s" stroke-width="1.5"/><path d="M7 13l3-3 2 2 4-4" fill="none" stroke="%s" stroke-width="1.5"/>' % (INK, BLUE)
A["actions/balsar-upload-download"] = '<path d="M8 21l-5-5h3V3h4v13h3zM16 3l5 5h-3v13h-4V8h-3z" fill="%s" stroke="%s" stroke-linejoin="round"/>' % (GREEN, INK)
A["actions/balsar-tool-3"] = '<path d="M14 3a5 5 0 0 0-4.6 6.8L3 16.2 5.8 19l6.4-6.4A5 5 0 0 0 19 8l-3 1-2-2 1-3z" fill="%s" stroke="%s" stroke-linejoin="round"/>' % (GREY, INK)
A["actions/balsar-tool-4"] = '<rect x="3.5" y="5.5" width="17" height="14" rx="1" fill="%s" stroke="%s"/><path d="M6 10l3 2-3 2M11 15h6" fill="none" stroke="%s" stroke-width="1.5"/>' % (INK, INK, "#8ae234")
A["actions/balsar-serial-port-options"] = '<path d="M3.5 7.5h17l-2 9h-13z" fill="%s" stroke="%s"/>' % (GREY, INK) + "".join('<circle cx="%g" cy="%g" r="1" fill="%s"/>' % (x, y, PAPER) for x, y in ((7,10),(10,10),(13,10),(16,10),(8.5,13.5),(11.5,13.5),(14.5,13.5)))
A["actions/balsar-manual"] = '<path d="M3.5 4.5c3-1 6-1 8.5 1 2.5-2 5.5-2 8.5-1v15c-3-1-6-1-8.5 1-2.5-2-5.5-2-8.5-1z" fill="%s" stroke="%s"/><path d="M12 5.5v15" stroke="%s"/>' % (PAPER, INK, INK)
A["actions/balsar-about"] = '<circle cx="12" cy="12" r="9.5" fill="%s" stroke="%s"/><circle cx="12" cy="7.5" r="1.5" fill="%s"/><path d="M12 11v7" stroke="%s" stroke-width="2.5"/>' % (BLUE, INK, PAPER, PAPER)
A["actions/balsar-next-pane"] = '<rect x="2.5" y="4.5" width="19" height="15" fill="%s" stroke="%s"/><path d="M9.5 4.5v15" stroke="%s"/><path d="M12 12h7M16 9l3 3-3 3" fill="none" stroke="%s" stroke-width="1.5"/>' % (PAPER, INK, INK, BLUE)
A["actions/balsar-previous-pane"] = '<rect x="2.5" y="4.5" width="19" height="15" fill="%s" stroke="%s"/><path d="M14.5 4.5v15" stroke="%s"/><path d="M12 12H5M8 9l-3 3 3 3" fill="none" stroke="%s" stroke-width="1.5"/>' % (PAPER, INK, INK, BLUE)

# Element kinds, in kind order: lamp, function key, static text, dynamic
# text, register, bar graph, trend graph, picture, ASCII string, event list.
E = {}
E["lamp"] = '<circle cx="12" cy="10" r="7" fill="%s" stroke="%s"/><circle cx="10" cy="8" r="2" fill="#fff8a0"/><path d="M9 17.5v3h6v-3" fill="%s" stroke="%s"/>' % (YEL, INK, GREY, INK)
E["function-key"] = '<rect x="3.5" y="4.5" width="17" height="15" rx="2" fill="#d3d7cf" stroke="%s"/><rect x="6" y="6.5" width="12" height="10" rx="1" fill="%s" stroke="%s"/><text x="12" y="14.5" font-family="DejaVu Sans,sans-serif" font-size="7" font-weight="bold" text-anchor="middle" fill="%s">F1</text>' % (INK, PAPER, GREY, INK)
E["static-text"] = '<text x="12" y="18" font-family="DejaVu Serif,serif" font-size="17" font-weight="bold" text-anchor="middle" fill="%s">A</text><path d="M3 21.5h18" stroke="%s"/>' % (INK, GREY)
E["dynamic-text"] = '<text x="9" y="17" font-family="DejaVu Serif,serif" font-size="15" font-weight="bold" text-anchor="middle" fill="%s">A</text><path d="M14 8h8M19 5l3 3-3 3M22 16h-8M17 13l-3 3 3 3" fill="none" stroke="%s" stroke-width="1.4"/>' % (INK, BLUE)
E["register"] = '<rect x="1.5" y="6.5" width="21" height="11" fill="#eef5e0" stroke="%s"/><text x="12" y="15.5" font-family="DejaVu Sans Mono,monospace" font-size="9" font-weight="bold" text-anchor="middle" fill="%s">123</text>' % (INK, INK)
E["bar-graph"] = '<path d="M2.5 21.5h19M2.5 2.5v19" stroke="%s"/><rect x="5.5" y="12.5" width="4" height="9" fill="%s" stroke="%s"/><rect x="11.5" y="6.5" width="4" height="15" fill="%s" stroke="%s"/><rect x="17.5" y="15.5" width="3" height="6" fill="%s" stroke="%s"/>' % (INK, BLUE, INK, GREEN, INK, ORANGE, INK)
E["trend-graph"] = '<path d="M2.5 21.5h19M2.5 2.5v19" stroke="%s"/><path d="M4 17l4-5 4 3 4-8 5 4" fill="none" stroke="%s" stroke-width="2" stroke-linejoin="round"/>' % (INK, RED)
E["picture"] = '<rect x="2.5" y="4.5" width="19" height="15" fill="#729fcf" stroke="%s"/><path d="M3 19l6-7 4 4 3-3 5 6z" fill="%s"/><circle cx="16.5" cy="8.5" r="2" fill="%s"/>' % (INK, GREEN, YEL)
E["ascii-string"] = '<rect x="1.5" y="6.5" width="21" height="11" fill="%s" stroke="%s"/><text x="12" y="15.5" font-family="DejaVu Sans Mono,monospace" font-size="8.5" font-weight="bold" text-anchor="middle" fill="%s">abc</text>' % (PAPER, INK, BLUE)
E["event-list"] = '<rect x="2.5" y="3.5" width="19" height="17" fill="%s" stroke="%s"/>' % (PAPER, INK) + "".join('<circle cx="6" cy="%g" r="1.3" fill="%s"/><path d="M9 %gh10" stroke="%s" stroke-width="1.5"/>' % (y, c, y, INK) for y, c in ((8, RED), (12, YEL), (16, GREEN)))
for k, v in E.items():
    icons["elements/balsar-element-" + k] = v

# Tree items: screen, port, settings.
icons["elements/balsar-screen"] = screen

# The programs and the document types.
icons["apps/balsar"] = '<rect x="1.5" y="3.5" width="21" height="17" rx="2" fill="#555753" stroke="%s"/><rect x="3.5" y="5.5" width="17" height="10" fill="#c4e0a0" stroke="%s" stroke-width="0.6"/><path d="M5 8h6M5 10.5h9M5 13h4" stroke="%s" stroke-width="1.2"/><circle cx="17" cy="10.5" r="2" fill="%s" stroke="%s" stroke-width="0.6"/>' % (INK, INK, INK, RED, INK) + "".join('<rect x="%g" y="17" width="3" height="2" fill="#d3d7cf"/>' % x for x in (4, 8, 12, 16))
icons["apps/caldoloader"] = icons["apps/balsar"] + '<circle cx="18" cy="17" r="5.5" fill="%s" stroke="%s"/><path d="M18 13.5v6M15.5 17l2.5 2.7 2.5-2.7" fill="none" stroke="%s" stroke-width="1.6"/>' % (GREEN, INK, PAPER)
icons["apps/caldotransfer"] = icons["apps/balsar"] + '<circle cx="18" cy="17" r="5.5" fill="%s" stroke="%s"/><path d="M15 15.5h6M19 13.8l2 1.7-2 1.7M21 18.5h-6M17 16.8l-2 1.7 2 1.7" fill="none" stroke="%s" stroke-width="1.2"/>' % (BLUE, INK, PAPER)
icons["mimetypes/application-x-balsar-project"] = page + '<g transform="translate(6 9) scale(0.5)">' + icons["apps/balsar"] + '</g>'
icons["mimetypes/application-x-caldo-package"] = '<path d="M3.5 7.5l8.5-4 8.5 4v10l-8.5 4-8.5-4z" fill="#c17d11" stroke="%s" stroke-linejoin="round"/><path d="M3.5 7.5l8.5 4 8.5-4M12 11.5v10" fill="none" stroke="%s"/>' % (INK, INK)

for name, body in icons.items():
    path = os.path.join(out, name + ".svg")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w") as f:
        f.write(svg(body))
print(len(icons), "icons")
