#!/usr/bin/env bash
# Builds the guide "Lisez-moi_Legu min.pdf" from guide.md, with screenshots of the real program.
# Needs pandoc and weasyprint (apt-get install pandoc weasyprint); the program's build does not.
# Usage: docs/guide/build.sh [output.pdf]   (default: res/data/Lisez-moi_Legu min.pdf)
set -euo pipefail
cd "$(dirname "$0")/../.."
output="${1:-res/data/Lisez-moi_Legu min.pdf}"
pictures=build/guide-screenshots
scripts/screenshots.sh --offscreen "$pictures" >/dev/null
pandoc docs/guide/guide.md --from markdown-smart --standalone --self-contained --to html5 --css docs/guide/guide.css \
    --resource-path "$pictures" --metadata lang=eo --output "$pictures/guide.html"
weasyprint "$pictures/guide.html" "$output"
echo "$output"
