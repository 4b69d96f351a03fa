#!/usr/bin/env bash
# Builds the Debian package, unpacks it and checks what a user's apt would see: the
# dependencies, the installed files, and that the unpacked program starts.
# Usage: check_deb.sh SOURCE_DIR VERSION WORK_DIR
set -euo pipefail
source_dir="$1" version="$2" work="$3"
rm -rf "$work"
mkdir -p "$work"
bash "$source_dir/scripts/package.sh" "$work" >/dev/null
deb=$(ls "$work"/tolvar_*.deb)

fail() { echo "FAIL: $*" >&2; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6 qt6-qpa-plugins \
              "fonts-noto-cjk | fonts-wqy-microhei"; do
  grep -qF "$needed" <<<"$depends" || fail "Depends lacks $needed"
done
grep -qE 'libasan|libubsan' <<<"$depends" && fail "the package carries the sanitizers"

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/tolvar ./usr/bin/tolvar-script \
            ./usr/share/applications/example.tolvar.Toolbox.desktop \
            ./usr/share/metainfo/example.tolvar.Toolbox.metainfo.xml \
            ./usr/share/icons/hicolor/48x48/apps/example.tolvar.Toolbox.png \
            ./usr/share/icons/hicolor/256x256/apps/example.tolvar.Toolbox.png \
            ./usr/share/icons/hicolor/scalable/apps/example.tolvar.Toolbox.svg; do
  grep -qxF "$path" <<<"$files" || fail "the package lacks $path"
done

dpkg-deb -x "$deb" "$work/root"
shown=$(QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/tolvar" --version)
[ "$shown" = "tolvar $version" ] || fail "tolvar --version printed '$shown'"
echo "package ok: $(basename "$deb")"
