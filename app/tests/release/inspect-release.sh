#!/usr/bin/env bash
# Inspects the built 32-bit release executable without running it: the kind of PE image, the
# DLLs it needs at load time (only those Windows takes from the system folder) and their
# functions (all of them present on Windows XP SP3), and the resources it carries (manifest,
# version record, icons, and dialogs). Every check prints one line,
# "ok:" or "FAIL:" with what was found; the last line counts them. Exits 0 only if every check
# passed.
#
# Usage: inspect-release.sh <Quarrix_Disk_Formatter.exe>
# Tools: $OBJDUMP (default i686-w64-mingw32-objdump), $PYTHON (default python3).
# What Windows XP SP3 exports: the lists in xp-exports/ beside this script.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
xp_exports=$here/xp-exports
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
python=${PYTHON:-python3}
exe=${1:-}

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "ok:   $1"; }
fail() { failed=$((failed + 1)); echo "FAIL: $1"; }
finish() {
  echo "$passed passed, $failed failed"
  ((failed == 0))
  exit
}

if [[ -z $exe ]]; then
  echo "usage: $0 <executable>" >&2
  exit 2
fi
if [[ -f $exe ]]; then
  pass "$exe exists"
else
  fail "$exe does not exist (was the release build run?)"
  finish
fi

# --- The PE image, as objdump reads it ------------------------------------------------------
if headers=$("$objdump" -p "$exe" 2>&1); then
  pass "objdump reads the file"
else
  fail "objdump cannot read the file: $(head -n 3 <<<"$headers")"
  headers=""
fi

format=$(sed -n 's/.*file format \(.*\)$/\1/p' <<<"$headers" | head -n 1)
if [[ $format == pei-i386 ]]; then
  pass "file format pei-i386"
else
  fail "file format is '${format:-unknown}', expected pei-i386 (32-bit x86 Windows)"
fi

magic=$(awk '$1 == "Magic" {print $2, $3}' <<<"$headers" | head -n 1)
if [[ $magic == "010b (PE32)" ]]; then
  pass "optional header is PE32"
else
  fail "optional header magic is '${magic:-none}', expected '010b (PE32)'"
fi

subsystem=$(awk '$1 == "Subsystem" {$1 = ""; sub(/^ +/, ""); print}' <<<"$headers" | head -n 1)
if [[ $subsystem == "00000002 (Windows GUI)" ]]; then
  pass "subsystem 2 (Windows GUI)"
else
  fail "subsystem is '${subsystem:-none}', expected '00000002 (Windows GUI)'"
fi

mapfile -t dlls < <(sed -n 's/^[[:space:]]*DLL Name: \(.*\)$/\1/p' <<<"$headers" | tr -d '\r')
if ((${#dlls[@]})); then
  pass "imports from ${#dlls[@]} DLLs: ${dlls[*]}"
else
  fail "objdump lists no imported DLL at all"
fi

# The toolchain's own runtimes must be linked in, not needed as DLLs beside the program.
runtime=()
for d in "${dlls[@]}"; do
  case ${d,,} in
    libstdc++*|libgcc*|libwinpthread*|libssp*|libgomp*|libatomic*|libquadmath*|mingwm10*)
      runtime+=("$d") ;;
  esac
done
if ((${#runtime[@]})); then
  fail "imports MinGW runtime DLLs: ${runtime[*]} (the program must be linked statically)"
else
  pass "no MinGW runtime DLL imported"
fi

# The DLLs imported at load time are found before the program can restrict the library search,
# so only those that Windows 7 to 11 take from the system folder whatever lies beside the
# program are allowed: the known DLLs among them, and comctl32, which the manifest's
# side-by-side dependency names. Every library loaded later comes through the restricted search.
loads_from_system_folder() {
  case ${1,,} in
    kernel32.dll|user32.dll|gdi32.dll|advapi32.dll|shell32.dll|ole32.dll|oleaut32.dll|setupapi.dll|\
    msvcrt.dll|comctl32.dll) return 0 ;;
    *) return 1 ;;
  esac
}
# The rule on names whose answer is known: a DLL such as version.dll is looked for beside the
# program first.
for row in kernel32.dll:allowed COMCTL32.DLL:allowed OLEAUT32.dll:allowed version.dll:refused \
           uxtheme.dll:refused dwmapi.dll:refused cfgmgr32.dll:refused libstdc++-6.dll:refused; do
  name=${row%:*} want=${row#*:}
  if loads_from_system_folder "$name"; then got=allowed; else got=refused; fi
  if [[ $got == "$want" ]]; then
    pass "import rule: $name $got"
  else
    fail "import rule: $name $got, expected $want"
  fi
done
foreign=()
for d in "${dlls[@]}"; do
  loads_from_system_folder "$d" || foreign+=("$d")
done
if ((${#foreign[@]})); then
  fail "imports DLLs that Windows may load from the program's folder: ${foreign[*]}"
else
  pass "every imported DLL is one Windows 7 to 11 load from the system folder"
fi

# --- Resources ------------------------------------------------------------------------------
facts=$("$python" "$here/pe_facts.py" "$exe" 2>&1)
status=$?
if ((status == 0)); then
  pass "resource directory read"
else
  fail "resource directory cannot be read: $(head -n 3 <<<"$facts")"
fi

# values KEY: every value recorded for KEY, one a line.
values() { awk -v k="$1=" 'index($0, k) == 1 {print substr($0, length(k) + 1)}' <<<"$facts"; }

# expect KEY VALUE WHAT: KEY has exactly the one value VALUE.
expect() {
  local found
  found=$(values "$1")
  if [[ $found == "$2" ]]; then
    pass "$3: $2"
  elif [[ -z $found ]]; then
    fail "$3: missing, expected '$2'"
  else
    fail "$3: found '$(paste -sd'|' <<<"$found")', expected '$2'"
  fi
}

# expect_some KEY WHAT: KEY has one non-empty value.
expect_some() {
  local found
  found=$(values "$1")
  if [[ -n $found && $(wc -l <<<"$found") -eq 1 ]]; then
    pass "$2: $found"
  else
    fail "$2: missing or empty"
  fi
}

# expect_resource TYPE NAME WHAT: the resource exists in US English (language 1033).
expect_resource() {
  local langs
  langs=$(awk -v k="resource.$1.$2." 'index($0, k) == 1 {
            rest = substr($0, length(k) + 1); sub(/=.*/, "", rest); print rest}' <<<"$facts")
  if grep -qx 1033 <<<"$langs"; then
    pass "$3 present (US English)"
  elif [[ -n $langs ]]; then
    fail "$3 present only in language(s) $(paste -sd, <<<"$langs"), expected 1033 (US English)"
  else
    fail "$3 missing (resource type $1, id $2)"
  fi
}

# expect_images GROUP WHAT IMAGE...: the icon group holds exactly these images
# (width x height / bits per pixel / dib or png), in any order, and every entry matches its image.
expect_images() {
  local group=$1 what=$2
  shift 2
  local want found
  want=$(printf '%s\n' "$@" | sort)
  found=$(values "icongroup.$group.image" | sort)
  if [[ $found == "$want" ]]; then
    pass "$what holds ${#@} images: $(paste -sd' ' <<<"$want")"
  else
    fail "$what holds [$(paste -sd' ' <<<"$found")], expected [$(paste -sd' ' <<<"$want")]"
  fi
  local bad
  bad=$(values "icongroup.$group.bad")
  if [[ -z $bad ]]; then
    pass "$what: every directory entry matches its image"
  else
    fail "$what: $(paste -sd';' <<<"$bad")"
  fi
}

# --- Windows XP SP3 loads it ----------------------------------------------------------------
expect header.OperatingSystemVersion 5.1 "PE header operating system version (Windows XP)"
expect header.SubsystemVersion 5.1 "PE header subsystem version (Windows XP)"

# xp_lacks DLL FUNCTION: prints why Windows XP SP3 cannot give DLL!FUNCTION, or nothing.
xp_lacks() {
  local base=${1,,}
  base=${base%.dll}
  local all=$xp_exports/$base-all.txt not=$xp_exports/$base-not-on-xp.txt
  if [[ ! -f $all && ! -f $not ]]; then
    echo "no list of what XP's $1 exports"
  elif [[ -f $not ]] && grep -Fxq -- "$2" "$not"; then
    echo "newer than XP"
  elif [[ $base == kernel32 ]] && grep -Fxq -- "$2" "$xp_exports/kernel32-2003-only.txt"; then
    echo "Server 2003 and later only"
  elif [[ -f $all ]] && ! grep -Fxq -- "$2" "$all"; then
    echo "not exported by $1"
  fi
}

if [[ ! -f $xp_exports/kernel32-all.txt ]]; then
  fail "the lists of what Windows XP SP3 exports are missing at $xp_exports"
else
  imports=$(values import)
  if [[ -z $imports ]]; then
    fail "no imported function found"
  else
    lacking=()
    while IFS= read -r entry; do
      why=$(xp_lacks "${entry%%!*}" "${entry#*!}")
      [[ -z $why ]] || lacking+=("$entry ($why)")
    done <<<"$imports"
    if ((${#lacking[@]})); then
      fail "imports what Windows XP SP3 lacks: ${lacking[*]}"
    else
      pass "all $(wc -l <<<"$imports") imported functions are exported by Windows XP SP3"
    fi
  fi
  ordinals=$(values import.ordinal)
  if [[ -n $ordinals ]]; then
    fail "imports by ordinal, which the lists cannot check: $(paste -sd' ' <<<"$ordinals")"
  else
    pass "no function imported by ordinal"
  fi
fi

RT_DIALOG=5 RT_GROUP_ICON=14 RT_VERSION=16 RT_MANIFEST=24

# Manifest: elevation and the version 6 common controls, both for 32-bit x86.
expect_resource $RT_MANIFEST 1 "manifest (id 1)"
bad=$(awk 'index($0, "resource.24.") == 1 && /\.bad=/' <<<"$facts")
[[ -z $bad ]] || fail "manifest cannot be read: $bad"
expect manifest.executionLevel.level requireAdministrator "manifest requested execution level"
expect manifest.executionLevel.uiAccess false "manifest uiAccess"
expect manifest.identity.processorArchitecture x86 "manifest program identity processorArchitecture"
cc=manifest.dependency.Microsoft.Windows.Common-Controls
expect $cc.name Microsoft.Windows.Common-Controls "manifest dependency on the common controls"
expect $cc.version 6.0.0.0 "manifest common controls version"
expect $cc.processorArchitecture x86 "manifest common controls processorArchitecture"
expect $cc.publicKeyToken 6595b64144ccf1df "manifest common controls publicKeyToken"
expect $cc.language '*' "manifest common controls language"
expect $cc.type win32 "manifest common controls type"
# Sharp text on scaled displays (Windows 8.1 and later stretch a program that does not say it
# is DPI-aware), and the systems the program is known to run on.
expect manifest.dpiAware true "manifest dpiAware (asm.v3 application, 2005 WindowsSettings)"
want_os=$(printf '%s\n' \
  "{e2011457-1546-43c5-a5fe-008deee3d3f0}" "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}" \
  "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}" "{1f676c76-80e1-4239-95bb-83d0f6d0da78}" \
  "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}" | sort)
found_os=$(values manifest.supportedOS | sort)
if [[ $found_os == "$want_os" ]]; then
  pass "manifest supportedOS: Vista, 7, 8, 8.1 and 10/11"
else
  fail "manifest supportedOS is [$(paste -sd' ' <<<"$found_os")], expected [$(paste -sd' ' <<<"$want_os")]"
fi

# Version record.
expect_resource $RT_VERSION 1 "version record (id 1)"
expect version.fixed.FileVersion 1.3.4.0 "version record fixed file version"
expect version.fixed.ProductVersion 1.3.4.0 "version record fixed product version"
expect version.fixed.FileFlags 0x0 "version record file flags"
expect version.fixed.FileOS 0x4 "version record file OS (VOS__WINDOWS32)"
expect version.fixed.FileType 0x1 "version record file type (VFT_APP)"
vs=version.string.040904e4
expect $vs.FileVersion 1.3.4.0 "version string FileVersion"
expect $vs.ProductVersion 1.3.4.0 "version string ProductVersion"
expect $vs.FileDescription "Quarrix Disk Formatter v1.34 Beta" "version string FileDescription"
expect $vs.ProductName "Quarrix Disk Formatter" "version string ProductName"
expect $vs.OriginalFilename Quarrix_Disk_Formatter.exe "version string OriginalFilename"
expect $vs.InternalName Quarrix_Disk_Formatter.exe "version string InternalName"
expect_some $vs.CompanyName "version string CompanyName"
expect_some $vs.LegalCopyright "version string LegalCopyright"
expect version.translation 0409/04e4 "version translation (US English, code page 1252)"

# Icons.
expect_resource $RT_GROUP_ICON 128 "icon group 128 (application)"
expect_resource $RT_GROUP_ICON 130 "icon group 130 (logo)"
expect_resource $RT_GROUP_ICON 133 "icon group 133 (magnifying glass)"
expect icongroup.first 128 "first icon group (the shell's icon of the file)"
full_set=(16x16/4/dib 32x32/4/dib 48x48/4/dib 16x16/8/dib 32x32/8/dib 48x48/8/dib
          16x16/32/dib 32x32/32/dib 48x48/32/dib 64x64/32/dib 256x256/32/png)
expect_images 128 "icon group 128" "${full_set[@]}"
expect_images 130 "icon group 130" 16x16/32/dib 32x32/32/dib 48x48/32/dib
expect_images 133 "icon group 133" "${full_set[@]}"

# Dialogs.
expect_resource $RT_DIALOG 100 "dialog 100 (About box)"
expect_resource $RT_DIALOG 102 "dialog 102 (main dialog)"
# The main dialog's template order is its tab order; the window itself moves only its labels.
want_controls=$(printf '%s\n' '1005|BUTTON|Start Format' '1001|COMBOBOX|' '1002|EDIT|' '1003|COMBOBOX|' \
  '1004|MSCTLS_PROGRESS32|' '-1|STATIC|Select Quarrix Drive:' '-1|STATIC|Drive Label:' '-1|STATIC|Drive Letter:' \
  '1007|STATIC|Warning: This program will delete all your data stored on the Quarrix drive!' \
  '1006|STATIC|www.quarrix.example' '-1|STATIC|' '-1|STATIC|' '1009|STATIC|#130' '1008|STATIC|#133' \
  '1010|COMBOBOX|' '-1|STATIC|Filesystem:')
found_controls=$(values dialog.102.control)
if [[ $found_controls == "$want_controls" ]]; then
  pass "dialog 102 holds its 16 controls in template order"
else
  fail "dialog 102 holds [$(paste -sd';' <<<"$found_controls")], expected [$(paste -sd';' <<<"$want_controls")]"
fi

finish
