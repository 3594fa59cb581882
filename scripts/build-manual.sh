#!/usr/bin/env bash
# Turns the user manual (docs/manual/*.md, GitHub-flavoured markdown) into
# HTML pages with their pictures: README.md becomes index.html, links
# between pages follow. The build runs it (target "manual") into
# <build>/bin/docs/manual, where the designer's Help command finds it.
#
#   scripts/build-manual.sh SOURCE_DIR OUT_DIR
set -euo pipefail
src=${1:?usage: build-manual.sh SOURCE_DIR OUT_DIR}
out=${2:?usage: build-manual.sh SOURCE_DIR OUT_DIR}
command -v cmark-gfm >/dev/null || { echo "build-manual.sh: cmark-gfm is not installed" >&2; exit 1; }
mkdir -p "$out"
rm -rf "$out/images"
if [ -d "$src/images" ]; then
  cp -r "$src/images" "$out/images"
fi
for page in "$src"/*.md; do
  name=$(basename "$page" .md)
  [ "$name" = README ] && name=index
  title=$(sed -n 's/^# //p' "$page" | head -1)
  {
    cat <<HEAD
<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>${title:-Balsar}</title>
<style>
body { font-family: "DejaVu Sans", "WenQuanYi Zen Hei", sans-serif; max-width: 60em; margin: 2em auto; padding: 0 1em; line-height: 1.5; color: #222; }
table { border-collapse: collapse; margin: 1em 0; }
th, td { border: 1px solid #bbb; padding: 0.3em 0.6em; vertical-align: top; }
th { background: #eee; }
code, pre { font-family: "DejaVu Sans Mono", monospace; background: #f4f4f4; }
pre { padding: 0.6em; overflow-x: auto; }
img { max-width: 100%; border: 1px solid #ccc; }
nav { font-size: 0.9em; border-bottom: 1px solid #ccc; padding-bottom: 0.5em; }
</style>
</head>
<body>
<nav><a href="index.html">Balsar user manual</a></nav>
HEAD
    # Links to other pages of the manual point at their HTML.
    cmark-gfm --extension table --extension autolink --extension strikethrough "$page" |
      sed -e 's/href="README\.md/href="index.html/g' -e 's/href="\([A-Za-z0-9_-]*\)\.md/href="\1.html/g'
    printf '</body>\n</html>\n'
  } >"$out/$name.html"
done
