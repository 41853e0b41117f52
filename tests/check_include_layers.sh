#!/bin/sh
# Fails when a source file includes a header from a folder above its own. The folders, low to high;
# a file may include from its own folder and every folder below it, never from one above:
#   core platform analysis chart document shell display views app
# Usage: check_include_layers.sh <source root>. Prints each offending file, line and include.
set -eu
cd "${1:-.}"
layers="core platform analysis chart document shell display views app"

existing=""
for layer in $layers; do [ -d "$layer" ] && existing="$existing $layer"; done

# grep prints file:line:text of every quoted include of a project header; awk ranks both ends.
find $existing -type f \( -name '*.h' -o -name '*.cpp' \) -exec \
    grep -HnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]+/[^"]+"' {} + |
awk -v layers="$layers" '
BEGIN { n = split(layers, order, " "); for (i = 1; i <= n; ++i) rank[order[i]] = i }
{
    file = $0; sub(/:.*/, "", file)
    rest = substr($0, length(file) + 2); line = rest; sub(/:.*/, "", line)
    header = $0; sub(/^[^"]*"/, "", header); sub(/".*/, "", header)
    own = file; sub(/\/.*/, "", own)
    top = header; sub(/\/.*/, "", top)
    if ((top in rank) && rank[top] > rank[own]) {
        printf "%s:%s: includes \"%s\" from a folder above %s/\n", file, line, header, own
        bad = 1
    }
}
END {
    if (bad) {
        print "Folders, low to high: " layers ". Include only from your own folder and those below it." > "/dev/stderr"
        exit 1
    }
}'
