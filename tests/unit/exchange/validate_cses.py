"""Checks CSES files against the CSES JSON schema: exit 0 when every file is valid, 1 when one is
not (with the reason), 2 when the validator itself is missing.

usage: validate_cses.py SCHEMA.json FILE.yaml...
"""
import json
import sys

try:
    import jsonschema
    import yaml
except ImportError as missing:
    print(f"validate_cses.py: {missing}; run scripts/setup.sh (python3-jsonschema, python3-yaml)",
          file=sys.stderr)
    sys.exit(2)

with open(sys.argv[1], encoding="utf-8") as schema_file:
    validator = jsonschema.Draft7Validator(json.load(schema_file))
status = 0
for name in sys.argv[2:]:
    with open(name, encoding="utf-8") as document_file:
        document = yaml.safe_load(document_file)
    for error in validator.iter_errors(document):
        print(f"{name}: {'/'.join(map(str, error.absolute_path))}: {error.message}",
              file=sys.stderr)
        status = 1
sys.exit(status)
