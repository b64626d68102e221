#!/usr/bin/env bash
# The bash completion of kalvo-cli, run as bash runs it: usage completion_test.sh
# COMPLETION_FILE KALVO_CLI. The options and subcommands come from the real program; the
# unit lists of "convert" come from a stand-in that answers "convert --list" the way the
# program does.
set -u
completion=$1
real=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

program=$work/kalvo-cli
cat >"$program" <<STUB
#!/usr/bin/env bash
if [[ \${1-} == convert && \${2-} == --list ]]; then
    case \${3-} in
        '') printf 'Acceleration\nArea\nForce\nLength\nMass\nTemperature\nTime\nVolume\nEnergy\n' ;;
        length | Length) printf 'A\xc2\xb0\nAstron.unit\nKM\nLight year\nMeter\nMile\n' ;;
        *) exit 2 ;;
    esac
    exit 0
fi
if [[ \${1-} == --help && \$# == 1 ]]; then
    # Until every subcommand is built the stand-in lists the missing ones itself.
    help=\$("$real" --help)
    for name in matrix convert; do
        grep -q "^  \$name " <<<"\$help" ||
            help=\$(sed "/^Subcommands/a\\  \$name                      (stand-in)" <<<"\$help")
    done
    printf '%s\n' "\$help"
    exit 0
fi
exec "$real" "\$@"
STUB
chmod +x "$program"
touch "$work/data.FNC" "$work/a.txt" "$work/b.txt"
mkdir "$work/homes"

# shellcheck source=/dev/null
source "$completion"

failures=0
# check NAME EXPECTED WORD... : the completions of the last word; EXPECTED lists them
# separated by "|".
check() {
    local name=$1 expected=$2
    shift 2
    COMP_WORDS=("$program" "$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _kalvo_cli
    local actual
    actual=$(printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort)
    expected=$(printf '%s' "$expected" | tr '|' '\n' | sed '/^$/d' | sort)
    if [[ $actual != "$expected" ]]; then
        echo "FAIL $name"
        echo "  expected: $(echo $expected)"
        echo "  actual:   $(echo $actual)"
        failures=$((failures + 1))
    fi
}

help_options=$("$real" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u | tr '\n' '|')
check "every option of --help" "$help_options" --
check "an option by its start" "--notation" --no
check "notations" "eng|fix|scn|sxg" --notation ''
check "bases" "hex" --base h
check "angle units" "deg|rad" --angle ''
check "complex forms" "polar" --digits 12 --form p
check "a value after =" "fix" --notation = f
check "no guess for a number" "" --digits ''
check "data files" "$work/data.FNC" --functions "$work/d"
check "home folders" "$work/homes" --home "$work/ho"
check "subcommands" "sample" sa
check "no subcommand after an expression" "" '1+2' ''
check "subcommand options" "--surface" --complex sample 'X^2' --su
check "categories" "Acceleration|Area" convert a
check "categories after global options" "Length" --digits=8 convert len
check "units of a category, any case" "Light\\ year" convert length 'li'
check "units with a non-ASCII letter" "A°" convert Length 'a°'
check "nothing for the value" "" convert length km ''
check "categories to list" "Temperature|Time" convert --list t
check "matrix operations" "scale|solve|sub" matrix s
check "matrix files" "$work/a.txt" matrix inv "$work/a"
if ((failures)); then
    echo "$failures completion case(s) failed"
    exit 1
fi
echo "all completion cases passed"
