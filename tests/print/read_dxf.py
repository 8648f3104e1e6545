#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads a DXF file with ezdxf, an independent reader, and prints what the tests compare as one
# JSON object: version, units, layers and colours, every entity of model space, the audit.
import json
import re
import sys

import ezdxf


def plain(text):
    """DXF's \\U+XXXX escapes as the characters they stand for."""
    return re.sub(r"\\U\+([0-9A-Fa-f]{4})", lambda m: chr(int(m.group(1), 16)), text)


def main(path):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    entities = []
    for entity in doc.modelspace():
        item = {"type": entity.dxftype(), "layer": entity.dxf.layer,
                "colour": entity.dxf.get("color", 256)}
        if entity.dxftype() == "LWPOLYLINE":
            item["closed"] = bool(entity.closed)
            item["points"] = [list(p) for p in entity.get_points("xy")]
        elif entity.dxftype() == "LINE":
            item["from"] = [entity.dxf.start.x, entity.dxf.start.y]
            item["to"] = [entity.dxf.end.x, entity.dxf.end.y]
        elif entity.dxftype() == "TEXT":
            item["text"] = plain(entity.dxf.text)
            item["insert"] = [entity.dxf.insert.x, entity.dxf.insert.y]
            item["height"] = entity.dxf.height
        entities.append(item)
    print(json.dumps({
        "version": doc.dxfversion,
        "insunits": doc.header.get("$INSUNITS", 0),
        "measurement": doc.header.get("$MEASUREMENT", -1),
        "layers": {layer.dxf.name: layer.dxf.color for layer in doc.layers},
        "entities": entities,
        "auditErrors": len(auditor.errors),
        "auditFixes": len(auditor.fixes),
    }))


if __name__ == "__main__":
    main(sys.argv[1])
