#!/usr/bin/env python3
"""Writes the seed corpora of fuzz/corpus/.

The pages' seeds are their worked examples, written by the page targets themselves from
the examples of Check figures and the pages' descriptions (once the fuzz preset is built):

    for t in build/fuzz/fuzz/fuzz_*; do KELVARA_FUZZ_SEEDS=fuzz/corpus $t; done

This script writes the field-rules target's seeds, whose inputs are no page's actions:
    python3 fuzz/seeds.py
"""
import pathlib

HERE = pathlib.Path(__file__).resolve().parent


def mask_bytes(integer, decimals, zeros):
    """The bytes the field-rules target reads a mask from: '#' for 1, '0' for 0."""
    return [len(integer) - 1] + list(integer) + [decimals] + ([zeros] if decimals else [])


def literal(text):
    data = text.encode()
    return [255, len(data)] + list(data)


FIELD_RULES = [
    sum(([0] + literal(t) for t in ("", " ", "1.5E2", "2d1", "&H1F", ".5", "5.", "1E400")), []),
    [3] + literal("13.4112") + mask_bytes([1, 1, 1, 0], 3, 3)
    + [3] + literal("0.5") + mask_bytes([1, 1, 1, 0], 3, 3)
    + [3] + literal("-0.589") + mask_bytes([1, 1, 1, 0], 3, 3)
    + [3] + literal("12345.6789") + mask_bytes([1, 1, 1, 0], 3, 3),
    [3] + literal("2.5") + mask_bytes([1] * 8 + [0], 0, 0) + [3] + literal("6.867") + mask_bytes([0], 2, 2),
    [3] + literal("2.675") + mask_bytes([1, 0], 2, 2) + [3] + literal("-0.0004") + mask_bytes([0], 3, 3),
]


def main():
    folder = HERE / "corpus" / "field_rules"
    folder.mkdir(parents=True, exist_ok=True)
    for number, seed in enumerate(FIELD_RULES, 1):
        (folder / f"example-{number}").write_bytes(bytes(seed))


if __name__ == "__main__":
    main()
