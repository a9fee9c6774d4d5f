#!/usr/bin/env bash
# Gathers the audio runtime that install-runtime installs: OpenAL Soft and
# libvorbisfile from the system's Debian packages, with every library they
# need that a desktop may lack, each made to find its companions beside
# itself. Also copies each package's copyright file.
#
#   bundle-runtime.sh LIBDIR OUTDIR
#     LIBDIR  the system's multiarch library folder (/usr/lib/x86_64-linux-gnu)
#     OUTDIR  the assembled game's Data/OpenAL/ (gets runtime/ and licenses/)
set -euo pipefail
libdir=$1
out=$2
roots=(libopenal.so.1 libvorbisfile.so.3)
# Always present where the game runs at all: the C library, and ALSA, whose
# plug-ins and configuration must match the system's own copy.
base_system='^(linux-vdso|ld-linux.*|libc|libm|libpthread|libdl|librt|libresolv|libgcc_s|libstdc\+\+|libasound)\.so'

rm -rf "$out/runtime" "$out/licenses"
mkdir -p "$out/runtime" "$out/licenses"

declare -A bundled=()
for root in "${roots[@]}"; do
  [ -e "$libdir/$root" ] || { echo "bundle-runtime: $libdir/$root is missing" >&2; exit 1; }
  bundled[$root]=$libdir/$root
  # ldd lists the whole closure: "libogg.so.0 => /lib/x86_64-linux-gnu/libogg.so.0 (0x…)".
  while read -r name arrow path _; do
    [ "$arrow" = "=>" ] || continue
    [[ $name =~ $base_system ]] && continue
    bundled[$name]=$path
  done < <(ldd "$libdir/$root")
done

package_of() {
  local real=$1
  dpkg -S "$real" 2>/dev/null || dpkg -S "/usr${real#/usr}" 2>/dev/null || dpkg -S "${real#/usr}" 2>/dev/null
}

# Each copy finds its companions beside itself through its run path. "$ORIGIN/."
# and not "$ORIGIN": the dynamic loader remembers by name that the game's own
# run path, $ORIGIN/lib of the game program, did not exist when the game
# started, and would not look there for the companions of a library that the
# installer has put there since.
for name in "${!bundled[@]}"; do
  real=$(readlink -f "${bundled[$name]}")
  cp "$real" "$out/runtime/$name"
  chmod 644 "$out/runtime/$name"
  patchelf --set-rpath '$ORIGIN/.' "$out/runtime/$name"
  package=$(package_of "$real" | head -n1 | cut -d: -f1)
  [ -n "$package" ] || { echo "bundle-runtime: no package owns $real" >&2; exit 1; }
  cp "/usr/share/doc/$package/copyright" "$out/licenses/$package.txt"
done
