#!/usr/bin/env python3
"""Runs the primitives that define, read or address things in every context
a project runs code in, and checks that each gives the same result
everywhere: at top level, inside a procedure (whose body has comments and
continuation lines), inside `ask`, inside a process, inside an event
handler, and after the project is saved and loaded again in a fresh run.

Every context runs the same snippets with the console's turtle t1 as the
current object, then the same checks; a check's expected text is the same
in every context. Usage: context_matrix.py LUMAXIS"""
import os
import subprocess
import sys
import tempfile

# What every run starts with: a second turtle, a procedure and a variable
# that the snippets read.
SETUP = """new "Turtle [name t2]
to ctx.base :x
output :x + 1
end
make "ctx.m0 9
"""

# (feature, the snippet's lines, the check (an expression), expected print)
FEATURES = [
    ("define", ['define "ctx.sq [[x] [output :x * :x]]'],
     '(list ask "t1 [ctx.sq 4] ask "main [mydefined? "ctx.sq] ask "t1 [mydefined? "ctx.sq])', "16 false true"),
    ("text", ['make "ctx.t text "ctx.base'], ':ctx.t', "[x] [output :x + 1]"),
    ("haveown", ['haveown "ctx.own 5'], '(list ask "t1 [:ctx.own] ask "main [name? "ctx.own])', "5 false"),
    ("havecommon", ['havecommon "ctx.common 7'], 'ask "t1 [:ctx.common]', "7"),
    ("make", ['make "ctx.made 3'], ':ctx.made', "3"),
    ("thing", ['make "ctx.thing thing "ctx.m0'], ':ctx.thing', "9"),
    ("set and get", ['haveown "ctx.setme 1', 'set "ctx.setme 6', 'make "ctx.got get "ctx.setme'],
     '(list ask "t1 [:ctx.setme] :ctx.got)', "6 6"),
    ("usual'", ['define "ctx.inherited.x [[] [output usual\'xcor]]', 'setx 10', 'make "ctx.usual ctx.inherited.x'],
     '(list :ctx.usual ask "t1 [ctx.inherited.x])', "10 10"),
    ("ask", ['ask "t2 [setx 30]'], 'ask "t2 [xcor]', "30"),
    ("tell and who", ['tell "t2 make "ctx.told who tell "t1'], ':ctx.told', "t2"),
    ("each", ['ask [t1 t2] [each [haveown "ctx.each myname]]'],
     '(list ask "t1 [:ctx.each] ask "t2 [:ctx.each])', "t1 t2"),
    ("myname", ['make "ctx.name myname'], ':ctx.name', "t1"),
    ("events", ['setevent "onClick [make "ctx.clicked myname]'],
     '(list ask "t1 [myevent? "onClick] ask "main [myevent? "onClick])', "true false"),
    ("property setter", ['setpos [10 20]', 'setheading 90'], '(list ask "t1 [pos] ask "t1 [heading])', "[10 20] 90"),
    ("property getter", ['setpencolour 4', 'make "ctx.colour pencolour'], ':ctx.colour', "4"),
]


# Where a context gives another answer on purpose: `tell` is refused
# inside `ask` and in a handler run as its object (error 36).
EXPECTED_IN = {
    ("tell and who", "ask"): "error 36",
    ("tell and who", "event handler"): "error 36",
}


def slug(feature):
    return "".join(c if c.isalnum() else "." for c in feature)


def caught(feature, lines):
    """The feature's lines, an error in them recorded under its name."""
    return (f'catch "error [{" ".join(lines)}] '
            f'make "ctx.caught error '
            f'if not empty? :ctx.caught [make "ctx.error.{slug(feature)} first :ctx.caught]')


def body(features=FEATURES):
    return [line for _, lines, _, _ in features for line in lines]


def with_continuations(lines):
    """Each line split after its first word by a continuation mark, with a
    comment line before it."""
    out = []
    for line in lines:
        word, _, rest = line.partition(" ")
        out.append("; the next instruction runs as the current object")
        out.append(f"{word} ~\n  {rest}" if rest else word)
    return out


def checks(features=FEATURES):
    """One line per feature: its error, or its check's value."""
    out = []
    for feature, _, check, _ in features:
        name = slug(feature)
        out.append(f'ifelse name? "ctx.error.{name} [print (list "|{feature}:| "error :ctx.error.{name})] '
                   f'[make "ctx.result {check} type "|{feature}: | print :ctx.result]')
    return out


def contexts():
    each = [(feature, caught(feature, lines)) for feature, lines, _, _ in FEATURES]
    return {
        "top level": body(),
        "procedure": ["to ctx.run"] + with_continuations(body()) + ["end", "ctx.run"],
        "ask": [f'ask "main [ask "t1 [{line}]]' for _, line in each],
        "process": [f'(launch [{line}] "ctx.{slug(feature)}) waituntil [done? "ctx.{slug(feature)}]'
                    for feature, line in each],
        "event handler": [f'setevent "onDoubleClick [{line}] runevent "onDoubleClick' for _, line in each],
    }


def run(lumaxis, script, folder):
    path = os.path.join(folder, "script.lgo")
    with open(path, "w", encoding="utf-8") as f:
        f.write(script)
    done = subprocess.run([lumaxis, "--console", path, "--seed", "1", "--headless"], cwd=folder,
                          stdin=subprocess.DEVNULL, capture_output=True, timeout=120)
    return done.stdout.decode("utf-8", "replace"), done.stderr.decode("utf-8", "replace")


def compare(context, out, err, features=FEATURES, expected_in=EXPECTED_IN):
    printed = {}
    for line in out.replace("\r\n", "\n").split("\n"):
        feature, sep, value = line.partition(": ")
        if sep:
            printed[feature] = value
    failures = []
    for feature, _, check, expected in features:
        expected = expected_in.get((feature, context), expected)
        got = printed.get(feature, "(nothing)")
        if got != expected:
            failures.append(f"{context}: {feature}: {check} gave {got!r}, expected {expected!r}")
    if err.strip():
        failures.append(f"{context}: errors:\n{err}")
    return failures


def main():
    lumaxis = os.path.abspath(sys.argv[1])
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        for context, lines in contexts().items():
            out, err = run(lumaxis, SETUP + "\n".join(lines + checks()) + "\n", folder)
            failures += compare(context, out, err)
        # Made at top level, saved, and loaded into a fresh run.
        _, err = run(lumaxis, SETUP + "\n".join(body() + ['save "ctx.saved']) + "\n", folder)
        if err.strip():
            failures.append(f"before saving: errors:\n{err}")
        out, err = run(lumaxis, "\n".join(['loadproject [ctx.saved erased]'] + checks()) + "\n", folder)
        failures += compare("after save and reload", out, err)
    for failure in failures:
        print(failure)
    print(f"{len(FEATURES)} features in {len(contexts()) + 1} contexts, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
