#!/usr/bin/env bash
# Checks the rule of ARCHITECTURE.md on texts and paths in the sources as
# compiled for Windows: a narrow path is UTF-8, and it crosses to
# std::filesystem::path and back only through Utf8Path and Utf8Text. MinGW's
# libstdc++ reads a narrow string given to a path one Latin-1 letter a byte,
# while path::string() writes UTF-8, so that accented names break both ways.
# Wide strings and narrow string literals (ASCII names) are fine.
#
# Usage: check-path-text.sh BUILD_DIR [FILE...]
# BUILD_DIR holds the compile_commands.json of the windows preset; FILEs, if
# given, are checked instead of every program source in it. Prints each breach
# as file:line: what; exits 1 if there is any, 2 if a file could not be read,
# 77 (skipped) without clang-query or the compile database.
set -uo pipefail

if [ $# -lt 1 ]; then
  echo "usage: check-path-text.sh BUILD_DIR [FILE...]" >&2
  exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" 2>/dev/null && pwd) || build=""
shift
if ! command -v clang-query >/dev/null; then
  echo "clang-query is missing (Debian package clang-tools): path text rule not checked"
  exit 77
fi
if [ -z "$build" ] || [ ! -f "$build/compile_commands.json" ]; then
  echo "no compile_commands.json in the build folder: path text rule not checked"
  exit 77
fi

# The program sources: inside the source tree and outside the build folder, no
# tests, benchmarks or fuzz targets, and not the one sanctioned conversion.
in_scope() {
  case "$1" in
    /*) return 1 ;;
    tests/* | */tests/* | bench/* | fuzz/* | runtime/text/utf8_path_*.cpp) return 1 ;;
  esac
  case "$root/$1" in "$build"/*) return 1 ;; esac
  return 0
}

files=()
if [ $# -gt 0 ]; then
  for file in "$@"; do files+=("$(realpath "$file")"); done
else
  while IFS= read -r file; do
    relative=${file#"$root"/}
    in_scope "$relative" && files+=("$file")
  done < <(sed -nE 's/^ *"file": "(.*\.(cpp|cc|cxx))",?$/\1/p' "$build/compile_commands.json" | sort -u)
fi
if [ ${#files[@]} -eq 0 ]; then
  echo "no source of $root in $build/compile_commands.json: path text rule not checked"
  exit 2
fi

# Parsed for the build's own target with its compiler's C++ library: given a
# MinGW g++ by name, clang would assume the host's target and headers.
compiler=$(sed -nE 's/^ *"command": "([^ ]+) .*/\1/p' "$build/compile_commands.json" | head -1)
if ! target=$("$compiler" -dumpmachine 2>/dev/null); then
  echo "the build's compiler ($compiler) does not run: path text rule not checked"
  exit 77
fi
clang_args=(--extra-arg="--target=$target" --extra-arg=-nostdinc++)
while IFS= read -r folder; do
  clang_args+=(--extra-arg="-isystem$folder")
done < <("$compiler" -std=c++20 -x c++ -E -v /dev/null -o /dev/null 2>&1 |
  sed -n '/<\.\.\.> search starts/,/End of search/s|^ \(.*/c++.*\)$|\1|p')

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# hasName skips inline namespaces: "::std::filesystem::path" is also
# libstdc++'s std::filesystem::__cxx11::path. A narrow text is a string, a
# string view, a pointer to or array of char, an iterator over one, or a char.
cat >"$work/query" <<'EOF'
set bind-root false
set output diag
let pathClass cxxRecordDecl(hasName("::std::filesystem::path"))
let pathType qualType(hasUnqualifiedDesugaredType(recordType(hasDeclaration(pathClass))))
let narrowChar qualType(hasCanonicalType(anyOf(asString("char"), asString("const char"))))
let narrowPointer qualType(hasUnqualifiedDesugaredType(pointerType(pointee(narrowChar))))
let narrowArray qualType(hasUnqualifiedDesugaredType(arrayType(hasElementType(narrowChar))))
let narrowString qualType(hasUnqualifiedDesugaredType(recordType(hasDeclaration(
    classTemplateSpecializationDecl(hasAnyName("::std::basic_string", "::std::basic_string_view"),
                                    hasTemplateArgument(0, refersToType(asString("char"))))))))
let narrowIterator qualType(hasUnqualifiedDesugaredType(recordType(hasDeclaration(
    classTemplateSpecializationDecl(hasName("::__gnu_cxx::__normal_iterator"),
                                    hasTemplateArgument(0, refersToType(narrowPointer)))))))
let narrowStream qualType(hasUnqualifiedDesugaredType(recordType(hasDeclaration(cxxRecordDecl(
    isSameOrDerivedFrom(classTemplateSpecializationDecl(
        hasAnyName("::std::basic_ostream", "::std::basic_istream"),
        hasTemplateArgument(0, refersToType(asString("char"))))))))))
let narrowText expr(
    hasType(qualType(anyOf(narrowString, narrowPointer, narrowArray, narrowIterator, narrowChar))),
    unless(ignoringParenImpCasts(anyOf(stringLiteral(), characterLiteral(), userDefinedLiteral()))))

# A path made from a narrow text, explicitly or not: path(s), folder / s, a
# const path& parameter given s, p == s.
m cxxConstructExpr(unless(isExpansionInSystemHeader()),
                   hasDeclaration(cxxConstructorDecl(ofClass(pathClass))),
                   hasArgument(0, narrowText)).bind("construct")
# A member that takes the narrow text itself: +=, /=, =, append, concat, assign.
m callExpr(unless(isExpansionInSystemHeader()),
           callee(cxxMethodDecl(ofClass(pathClass))),
           hasAnyArgument(narrowText)).bind("member")
# A path read back as narrow text: p.string(), p.generic_string(), out << p, in >> p.
m cxxMemberCallExpr(unless(isExpansionInSystemHeader()),
                    callee(cxxMethodDecl(hasAnyName("string", "generic_string"), ofClass(pathClass))),
                    hasType(narrowString)).bind("string")
m cxxOperatorCallExpr(unless(isExpansionInSystemHeader()),
                      hasAnyOverloadedOperatorName("<<", ">>"),
                      hasArgument(0, hasType(narrowStream)),
                      hasArgument(1, hasType(pathType))).bind("stream")
EOF

# One clang-query a file, as many at once as there are processors; each writes
# its own output, read once all are done.
# shellcheck disable=SC2016  # expanded by the inner bash
printf '%s\0' "${files[@]}" |
  xargs -0 -r -n 1 -P "$(nproc)" bash -c \
    'clang-query -p "$0" -f "$1/query" "${@:2}" >"$(mktemp "$1/matches.XXXXXX")" 2>"$(mktemp "$1/errors.XXXXXX")"' \
    "$build" "$work" "${clang_args[@]}"
failed=$?

# clang-query goes on past a file it cannot parse: its errors fail the check.
unread=$(cat "$work"/errors.* 2>/dev/null | grep -E 'error: ' | sort -u)
if [ "$failed" -ne 0 ] || [ -n "$unread" ]; then
  echo "${unread:-clang-query failed}"
  echo "clang could not read every file: path text rule not checked"
  exit 2
fi

# Each match is a note at file:line:byte, then the source line and a mark under
# the expression, one mark a letter: print file:line: what: expression.
breaches=$(cat "$work"/matches.* 2>/dev/null | LC_ALL=C awk '
  BEGIN {
    what["construct"] = "a narrow string made into a path (Utf8Path)"
    what["member"] = "a narrow string handed to a path member (Utf8Path)"
    what["string"] = "a path read as a narrow string (Utf8Text)"
    what["stream"] = "a path streamed as narrow text (Utf8Text, Utf8Path)"
    for (byte = 128; byte < 192; byte++) following = following sprintf("%c", byte)
  }
  /^.*:[0-9]+:[0-9]+: note: "[a-z]+" binds here$/ {
    kind = $0; sub(/" binds here$/, "", kind); sub(/^.*"/, "", kind)
    place = $0; sub(/: note: .*$/, "", place)
    start = place; sub(/^.*:/, "", start); sub(/:[0-9]+$/, "", place)
    getline source; getline mark
    letters = match(mark, /\^~*/) ? RLENGTH : 0
    end = start
    for (; end <= length(source) && letters > 0; end++)
      if (!index(following, substr(source, end + 1, 1))) letters--
    print place ": " what[kind] ": " substr(source, start, end - start)
  }' | sed "s|^$root/||" | sort -u -t: -k1,1 -k2,2n -k3 |
  while IFS= read -r line; do in_scope "${line%%:*}" && echo "$line"; done)

if [ -n "$breaches" ]; then
  echo "$breaches"
  echo "$(echo "$breaches" | wc -l) breach(es) of the path text rule in ${#files[@]} files:" \
    "a narrow path crosses to std::filesystem::path only through Utf8Path and Utf8Text (ARCHITECTURE.md)"
  exit 1
fi
echo "path text rule kept in ${#files[@]} files"
