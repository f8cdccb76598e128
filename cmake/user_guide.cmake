# Writes the README's Chinese user guide as a text file that Notepad on every
# Windows version opens correctly: UTF-8 with a byte-order mark, CR LF.
#   cmake -DREADME=... -DOUTPUT=... -P user_guide.cmake
file(READ "${README}" readme)
string(FIND "${readme}" "## 使用说明" begin)
if(begin EQUAL -1)
  message(FATAL_ERROR "README has no user guide section")
endif()
string(SUBSTRING "${readme}" ${begin} -1 guide)
string(FIND "${guide}" "\n## " end)
if(NOT end EQUAL -1)
  string(SUBSTRING "${guide}" 0 ${end} guide)
endif()
string(REGEX REPLACE "^## " "" guide "${guide}")
string(REPLACE "`" "" guide "${guide}")
string(STRIP "${guide}" guide)
string(REPLACE "\n" "\r\n" guide "${guide}")
string(ASCII 239 187 191 bom)
file(WRITE "${OUTPUT}" "${bom}${guide}\r\n")
