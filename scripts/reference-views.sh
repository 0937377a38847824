# Sourced by the scripts that render the reference views: reads
# tests/references/views.txt, the one list of views.
#
#   reference_views          prints "NAME ARGUMENTS..." for every view, masks left out
#   reference_view_names     prints every view's name, one a line

REFERENCE_VIEWS_FILE="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/tests/references/views.txt"

reference_views() {
  local kind name drivers args
  while read -r kind name drivers args; do
    [ "$kind" = view ] || continue
    # shellcheck disable=SC2001
    echo "$name $(sed 's/mask=[^ ]*//g; s/  */ /g; s/ $//' <<<"$args")"
  done <"$REFERENCE_VIEWS_FILE"
}

reference_view_names() {
  reference_views | cut -d' ' -f1
}
