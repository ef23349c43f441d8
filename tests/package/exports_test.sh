#!/usr/bin/env bash
# A shared build's libraries: each named by its versioned shared name, exporting the public API
# (classes and functions of the installed headers, the library's own template instances) and
# nothing declared only in the internal headers beside the sources.
#
#   exports_test.sh LIBRARY...
set -euo pipefail
symbols=$(nm -DC --defined-only "$@")
fail() { echo "FAIL: $*"; exit 1; }

for library in "$@"; do
  soname=$(objdump -p "$library" | awk '/SONAME/ {print $2}')
  [[ $soname =~ ^lib[a-z_]+\.so\.[0-9]+\.[0-9]+$ ]] || fail "$library has the shared name '$soname'"
done
for public in 'holvane::Traverser::WriteLine(' 'holvane::graph::VRMLFactory::' 'atrium::AtriumTemplateCtl::' \
              'atrium::AtriumModule::MakeRelativePath' 'atrium::CellSeriesGraph<atrium::AreaSeriesInfo>::GetSeries(' \
              'typeinfo for holvane::Error'; do
  grep -qF -- "$public" <<< "$symbols" || fail "not exported: $public"
done
for internal in 'atrium::frmMain' 'atrium::ColumnSlots' 'atrium::LayOutSurfaces(' 'atrium::SeriesCellZ('; do
  if grep -F -- "$internal" <<< "$symbols"; then fail "exported though internal: $internal"; fi
done
echo "exports test passed"
