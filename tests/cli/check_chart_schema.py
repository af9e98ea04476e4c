#!/usr/bin/env python3
"""Checks docs/chart.schema.json as a draft 2020-12 schema, then every JSON line a program
writes against it: a chart object against the schema, an error line (a key "error")
against its $defs/error_line. Fails unless there are charts in both sets of conventions
and polar stops among the lines, so that it cannot pass on nothing.

    check_chart_schema.py SCHEMA PROGRAM [ARGUMENTS...]
"""
import json
import subprocess
import sys

import jsonschema


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    with open(sys.argv[1], encoding="utf-8") as file:
        schema = json.load(file)
    jsonschema.Draft202012Validator.check_schema(schema)
    chart = jsonschema.Draft202012Validator(schema)
    error_line = jsonschema.Draft202012Validator(
        {"$ref": "#/$defs/error_line", "$defs": schema["$defs"]})

    output = subprocess.run(sys.argv[2:], check=True, capture_output=True, text=True).stdout
    seen = {"classic": 0, "precise": 0, "polar": 0}
    faults = 0
    for number, line in enumerate(output.splitlines(), start=1):
        value = json.loads(line)
        validator = error_line if "error" in value else chart
        for fault in validator.iter_errors(value):
            faults += 1
            print(f"line {number}: {fault.json_path}: {fault.message}", file=sys.stderr)
        if "error" in value:
            seen["polar"] += value["kind"] == "polar"
        else:
            seen[value["conventions"]["ephemeris"]] += 1
    print(f"{number} lines: {seen['classic']} classic charts, {seen['precise']} precise, "
          f"{seen['polar']} polar stops; {faults} faults")
    if faults or not all(seen.values()):
        sys.exit(1)


if __name__ == "__main__":
    main()
