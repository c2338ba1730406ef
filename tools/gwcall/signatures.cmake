# Writes the Java signature of every native method, with its parameter
# names, as gwcall shows them: the class files keep no parameter names, so
# they are read from the declarations themselves.
#   cmake -DJAVA_DIR=<java folder> -DOUT=<file> -P signatures.cmake
# Output: one line "C <class>" per class, then "M <method>(<type> <name>, ...)"
# for each of its native methods, in declaration order.
file(GLOB_RECURSE sources RELATIVE "${JAVA_DIR}" "${JAVA_DIR}/*.java")
# Package descriptions are no classes.
list(FILTER sources EXCLUDE REGEX "(^|/)package-info\\.java$")
list(SORT sources)
set(ws "[ \t\r\n]")
set(text "")
foreach(rel ${sources})
  string(REGEX REPLACE "\\.java$" "" class "${rel}")
  string(REPLACE "/" "." class "${class}")
  string(APPEND text "C ${class}\n")
  file(READ "${JAVA_DIR}/${rel}" body)
  string(REGEX MATCHALL "public${ws}+native${ws}+[A-Za-z0-9_]+(${ws}*\\[${ws}*\\])?${ws}+[A-Za-z0-9_]+${ws}*\\([^)]*\\)"
    decls "${body}")
  foreach(decl ${decls})
    string(REGEX REPLACE "${ws}+" " " decl "${decl}")
    string(REGEX REPLACE "^public native [^ ]+ (\\[ ?\\] )?" "" decl "${decl}")
    string(REGEX REPLACE " ?([(),]) ?" "\\1" decl "${decl}")
    string(REPLACE "," ", " decl "${decl}")
    string(REGEX REPLACE " ?\\[ ?\\]" "[]" decl "${decl}")
    string(APPEND text "M ${decl}\n")
  endforeach()
endforeach()
file(WRITE "${OUT}.tmp" "${text}")
file(RENAME "${OUT}.tmp" "${OUT}")
