#!/bin/sh
# Fails when a test program leaves something in its temporary folder: the tests that write there, and the
# start and end of the Qt test programs (Qt makes a folder there when XDG_RUNTIME_DIR is unset), each run
# with an empty TMPDIR and XDG_RUNTIME_DIR unset.
# Usage: check_temporary_folder_left_empty.sh <folder of the test programs>. Prints what each run left.
set -u
bin=$1
temporary=$(mktemp -d)
trap 'rm -rf "$temporary"' EXIT
status=0

run() {
    env -u XDG_RUNTIME_DIR TMPDIR="$temporary" QT_QPA_PLATFORM=offscreen "$bin/$@" >/dev/null 2>&1 ||
        { echo "$*: failed"; status=1; }
    left=$(ls -A "$temporary")
    if [ -n "$left" ]; then
        echo "$* left in the temporary folder:" $left
        status=1
        find "$temporary" -mindepth 1 -delete
    fi
}

run core_tests --gtest_filter='Atlas*:DataFolder.*:EphemerisPath.*:PrivateFolder.*:StarCatalogue*'
[ -x "$bin/gui_tests" ] && run gui_tests --gtest_filter=-*
[ -x "$bin/views_tests" ] && run views_tests --gtest_filter='ApplicationStartTest.*'
exit $status
