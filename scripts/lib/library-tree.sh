# Prints a material library as a tree, each material file with its header; hex names
# read back as text beside them. Sourced by the scripts that show a run's effect.

show_tree() {
  (cd "$1" && find . -mindepth 1 | LC_ALL=C sort | while read -r path; do
    depth=$(( $(tr -cd '/' <<<"$path" | wc -c) - 1 ))
    name=${path##*/}
    if [ -f "$path" ]; then
      header=$(grep -a -m1 -o '#define material[^{]*{' "$path" || echo "(no header)")
      # Hex names read back as text beside them.
      hex=$(sed -n 's/^#define material *xX\([0-9a-fA-F]*\) *{$/\1/p' <<<"$header")
      [ -n "$hex" ] && header="$header   = $(printf "$(sed 's/../\\x&/g' <<<"$hex")")"
      printf '%*s%s    %s\n' $((depth * 2)) '' "$name" "$header"
    else
      printf '%*s%s/\n' $((depth * 2)) '' "$name"
    fi
  done)
}
