#!/usr/bin/env bash
# What brimlock.exe is made of: builds it as released (the release preset)
# and sums its link map by where the bytes come from. Prints the exe's size,
# the DLLs it imports, and the bytes the linker placed from each source.
#   bench/exe_size.sh
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup >/dev/null
scripts/build release --target brimlock >/dev/null
exe=build/release/bin/brimlock.exe
echo "brimlock.exe: $(stat -c %s "$exe") bytes (at most 235,520)"
echo "imports: $(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')"
python3 - build/release/brimlock.map <<'PYTHON'
import collections, re, sys

# The parts worth naming; everything else is summed by its archive.
NAMED = {
    "cp-demangle.o": "libstdc++: the demangler behind the default terminate handler",
    "string-inst.o": "libstdc++: std::string",
    "cow-string-inst.o": "libstdc++: the older string that its exceptions carry",
}
parts = collections.Counter()
text = open(sys.argv[1]).read()
body = text[text.index("Linker script and memory map"):]
# An input section: name, address, size and file, on one line or on two.
for name, address, size, source in re.findall(
        r"^ (\.[\w.$]+|COMMON)\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S[^\n]*)$", body, re.M):
    # .bss and COMMON take memory at run time, no bytes in the file.
    if int(address, 16) == 0 or name.startswith((".debug", ".stab", ".bss")) or name == "COMMON":
        continue
    member = re.match(r"(?:.*/)?([^/(]+)\((.*)\)$", source)
    if member:
        archive, object_file = member.groups()
        part = NAMED.get(object_file) if archive == "libstdc++.a" else None
        part = part or {"libstdc++.a": "libstdc++: the rest",
                        "libmingwex.a": "MinGW runtime: strtod, printf and helpers"}.get(
                            archive, "MinGW and GCC runtime: start-up, imports, the rest")
    elif source.endswith(".res"):
        part = "resources: icon, version, manifest"
    elif "ltrans" in source or "CMakeFiles" in source:
        part = "Brimlock's own code and data"
    else:
        part = "MinGW and GCC runtime: start-up, imports, the rest"
    parts[part] += int(size, 16)
for part, size in parts.most_common():
    print(f"{size:9,d}  {part}")
print(f"{sum(parts.values()):9,d}  in all; the rest of the file is its headers and alignment")
PYTHON
