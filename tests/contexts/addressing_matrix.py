#!/usr/bin/env python3
"""Runs the primitives that name, find, make, copy and erase objects in the
five places Logo code addresses objects from: at top level, inside `ask`,
after `tell`, inside an event handler, and inside a procedure of the object
itself. Each context runs the same snippets with the console's turtle t1 as
the current object, and each check must print the same text in all five,
except where a context answers otherwise on purpose.
Usage: addressing_matrix.py LUMAXIS"""
import os
import sys
import tempfile

from context_matrix import caught, checks, compare, run, slug

# Objects the snippets address: a second turtle on the page, objects to
# copy and to erase, and a class taken as a behaviour.
SETUP = """new "Turtle [name t2]
new "Turtle [name t3]
new "Turtle [name t4]
ask "t2 [haveown "ctx.v 3 setevent "onClick [print "t2]]
newclass [] "Fly [define'fly [[] [output "fly]]]
ask "t3 [.addbehaviour "Fly]
"""

# (feature, the snippet's lines, the check (an expression), expected print)
FEATURES = [
    ("names", ['make "ctx.names (list myname receiver\'myname myparent\'myname)'], ':ctx.names', "t1 t1 Turtle"),
    ("places", ['make "ctx.places (list myplace\'myname mypage\'myname mywindow\'myname)'],
     ':ctx.places', "page1 page1 MainWindow"),
    ("last object", ['new "Turtle [name made1]', 'make "ctx.last (list lastname .lastname lastobject\'myname)'],
     ':ctx.last', "made1 made1 made1"),
    ("name questions", ['make "ctx.asked (list objname? "t2 myobjname? "t2 object? "t2 class? "Turtle is? "Turtle)'],
     ':ctx.asked', "true false true true true"),
    ("object lists", ['make "ctx.lists (list objects .objects)'], 'ask "t1 [:ctx.lists]',
     "[t1 t2 t3 t4 made1] [t1 t2 t3 t4 made1]"),
    ("ask", ['make "ctx.ask ask "t2 [(list myname :ctx.v)]'], ':ctx.ask', "t2 3"),
    ("clone", ['clone "t2 "c2', 'make "ctx.clone ask "c2 [(list myname :ctx.v myevent? "onClick)]'],
     ':ctx.clone', "c2 3 true"),
    ("erasecomplete", ['erasecomplete "Fly'], '(list object? "t3 object? "Fly)', "false false"),
    ("eraseobject", ['eraseobject "t4'], 'object? "t4', "false"),
    ("setstate", ['setstate [ctx.state 4 heading 90]'], 'ask "t1 [(list :ctx.state heading)]', "4 90"),
    (".hide", ['.hide "t2'], 'ask "t2 [shown?]', "false"),
    ("changeme", ['changeme', 'make "ctx.changed "yes'], ':ctx.changed', "yes"),
]

# No context answers otherwise so far.
EXPECTED_IN = {}


def contexts():
    each = [(feature, caught(feature, lines)) for feature, lines, _, _ in FEATURES]
    return {
        "top level": [line for _, line in each],
        "ask": [f'ask "main [ask "t1 [{line}]]' for _, line in each],
        "tell": [f'tell "t1 {line}' for _, line in each],
        "event handler": [f'setevent "onDoubleClick [{line}] runevent "onDoubleClick' for _, line in each],
        "procedure of the object": [f'ask "t1 [define "ctx.{slug(feature)} [[] [{line}]]] ask "t1 [ctx.{slug(feature)}]'
                                    for feature, line in each],
    }


def main():
    lumaxis = os.path.abspath(sys.argv[1])
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        for context, lines in contexts().items():
            out, err = run(lumaxis, SETUP + "\n".join(lines + checks(FEATURES)) + "\n", folder)
            failures += compare(context, out, err, FEATURES, EXPECTED_IN)
    for failure in failures:
        print(failure)
    print(f"{len(FEATURES)} features in {len(contexts())} contexts, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
