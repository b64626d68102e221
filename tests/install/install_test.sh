#!/usr/bin/env bash
# Checks of an installed Kalvo. Usage: install_test.sh MODE BUILD STAGE GUI APP_ID
#   stage      install the build into the folder STAGE (outside the build tree, so that the
#              programs cannot fall back on the sources) and check that every file is there
#   desktop    desktop-file-validate on the staged desktop entry
#   appstream  appstreamcli validate --no-net on the staged metainfo
#   man        groff -man -ww -z on the staged manual pages, which must give no warning
#   run        the staged programs start, and kalvo finds its manual and its constants
#   package    cpack -G DEB, then the package unpacked into a scratch root: its control
#              fields, its files, and the programs run from there
#   clean      removes STAGE
# Exit status 77 means that a tool the check needs is missing (the test is skipped).
set -euo pipefail
mode=$1 build=$2 stage=$3 gui=$4 app=$5

skip() {
    echo "skipped: $*"
    exit 77
}
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
need() {
    command -v "$1" >/dev/null || skip "$1 is not installed"
}

# The files an installation under PREFIX must hold.
check_files() {
    local prefix=$1 missing=0 file
    local files=(bin/kalvo-cli share/man/man1/kalvo-cli.1
        share/bash-completion/completions/kalvo-cli share/doc/kalvo/html/index.html
        share/doc/kalvo/html/manual.css share/doc/kalvo/README.md share/doc/kalvo/copyright)
    if [[ $gui == ON ]]; then
        files+=(bin/kalvo share/kalvo/Kalvo.CON share/kalvo/help/index.html
            share/applications/$app.desktop share/metainfo/$app.metainfo.xml
            share/icons/hicolor/scalable/apps/$app.svg share/man/man1/kalvo.1)
        for size in 48 64 128 256; do
            files+=(share/icons/hicolor/${size}x${size}/apps/$app.png)
        done
    fi
    for file in "${files[@]}"; do
        if [[ ! -s $prefix/$file ]]; then
            echo "missing: $prefix/$file" >&2
            missing=1
        fi
    done
    # Every page of the manual goes to both places.
    local page
    for page in "$prefix"/share/doc/kalvo/html/*.html; do
        if [[ $gui == ON && ! -f $prefix/share/kalvo/help/$(basename "$page") ]]; then
            echo "missing: $prefix/share/kalvo/help/$(basename "$page")" >&2
            missing=1
        fi
    done
    if [[ $gui == ON ]]; then
        local png size
        for size in 48 64 128 256; do
            png=$prefix/share/icons/hicolor/${size}x${size}/apps/$app.png
            if command -v file >/dev/null && ! file "$png" | grep -q "PNG image data, $size x $size"; then
                echo "not a ${size}x${size} PNG: $png" >&2
                missing=1
            fi
        done
    fi
    return $missing
}

# Runs the programs of an installation under PREFIX from a fresh home folder.
check_programs() {
    local prefix=$1 scratch=$2
    local result
    result=$("$prefix/bin/kalvo-cli" --notation fix '2^10+1')
    [[ $result == 1025.0 ]] || fail "kalvo-cli printed '$result'"
    [[ $gui == ON ]] || return 0
    # A first start copies the shipped constants into the home folder; the pictures
    # include the manual, which the program refuses to picture when it finds no pages.
    QT_QPA_PLATFORM=offscreen "$prefix/bin/kalvo" --home "$scratch/home" \
        --screenshots "$scratch/shots" >"$scratch/kalvo.log" 2>&1 ||
        fail "kalvo --screenshots failed: $(cat "$scratch/kalvo.log")"
    cmp "$scratch/home/Kalvo.CON" "$prefix/share/kalvo/Kalvo.CON" ||
        fail "the first start did not install the shipped constants"
    [[ -s $scratch/shots/help-contents.png ]] || fail "no picture of the manual"
}

case $mode in
    stage)
        rm -rf "$stage"
        cmake --install "$build" --prefix "$stage" >/dev/null
        check_files "$stage" || fail "the staged install is incomplete"
        ;;
    desktop)
        [[ $gui == ON ]] || skip "no desktop application in this build"
        need desktop-file-validate
        out=$(desktop-file-validate "$stage/share/applications/$app.desktop" 2>&1) || true
        echo "$out"
        ! grep -qE 'error|warning' <<<"$out" || fail "the desktop entry is not valid"
        ;;
    appstream)
        [[ $gui == ON ]] || skip "no desktop application in this build"
        need appstreamcli
        appstreamcli validate --no-net --explain "$stage/share/metainfo/$app.metainfo.xml" ||
            fail "the metainfo is not valid"
        ;;
    man)
        need groff
        pages=("$stage/share/man/man1/kalvo-cli.1")
        [[ $gui == ON ]] && pages+=("$stage/share/man/man1/kalvo.1")
        for page in "${pages[@]}"; do
            out=$(groff -man -ww -z "$page" 2>&1)
            [[ -z $out ]] || fail "groff warns about $page: $out"
        done
        echo "${#pages[@]} manual page(s) without warnings"
        ;;
    run)
        scratch=$(mktemp -d)
        trap 'rm -rf "$scratch"' EXIT
        check_programs "$stage" "$scratch"
        ;;
    package)
        need cpack
        need dpkg-deb
        need dpkg-shlibdeps
        scratch=$(mktemp -d)
        trap 'rm -rf "$scratch"' EXIT
        (cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) ||
            fail "cpack failed: $(tail -20 "$scratch/cpack.log")"
        deb=$(ls "$scratch"/out/kalvo_*.deb)
        dpkg-deb -I "$deb"
        field() { dpkg-deb -f "$deb" "$1"; }
        [[ $(field Package) == kalvo ]] || fail "package name"
        [[ $(field Section) == math ]] || fail "section: $(field Section)"
        [[ -n $(field Maintainer) ]] || fail "no maintainer"
        [[ $(field Description) == *"scientific calculator"*"kalvo-cli command"* ]] ||
            fail "no description"
        [[ $(field Description | grep -c 'scientific calculator with') == 1 ]] ||
            fail "the summary stands twice in the description"
        depends=$(field Depends)
        [[ $depends == *libc6* ]] || fail "no library dependencies found: '$depends'"
        if [[ $gui == ON ]]; then
            [[ $depends == *libqt6widgets6* ]] || fail "Qt is missing from '$depends'"
        fi
        dpkg-deb -x "$deb" "$scratch/root"
        check_files "$scratch/root/usr" || fail "the package is incomplete"
        check_programs "$scratch/root/usr" "$scratch"
        ;;
    clean)
        rm -rf "$stage"
        ;;
    *)
        fail "unknown mode $mode"
        ;;
esac
